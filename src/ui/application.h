#pragma once
// Start-up shared by the program, its tests and its tools (tests/tools/screenshots.cpp,
// bench/startup_probe.cpp).

#include <thread>

namespace korvel {

// Reads the system's font configuration on a thread of its own while the
// program connects to the display: the reading takes several milliseconds
// that the first window would otherwise wait for. Made before the
// QApplication; join() before the first window (the destructor joins too).
// When the font library is asked first, it reads the configuration itself;
// nothing is lost but time.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    void join();

private:
    std::thread thread_;
};

// Kilobytes of drawn controls Qt may keep for repainting them.
inline constexpr int kPixmapCacheKb = 64;

// Loads the program's pictures, sets the windows' icon, holds Qt's pixmap
// cache to kPixmapCacheKb and makes "宋体" resolve to the installed
// Song/Ming-style CJK font, so that every caption and drawn text in Chinese
// renders; and gives the font files' pages back once each window has painted
// for the first time (giveBackFontPages). Called once, right after the
// QApplication is made.
void setUpApplication();

// Drops from this process the resident pages of the font files the font
// library has mapped (they stay in the system's file cache and are read again
// when needed): how many mappings. 0 where the system has no such mappings.
int giveBackFontPages();

}  // namespace korvel
