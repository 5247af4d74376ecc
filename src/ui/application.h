#pragma once
// Start-up shared by the program and its tests.

#include <QString>
#include <chrono>
#include <thread>

namespace korvel {

class MainWindow;

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

// Loads the program's pictures and makes "宋体" resolve to the installed
// Song/Ming-style CJK font, so that every caption and drawn text in Chinese
// renders. Called once, right after the QApplication is made.
void setUpApplication();

// Opens the main window and every fitting window in turn through the menu,
// runs each of its compute commands with a screenshot after each
// (Form4-elbow-end.png ...), saves a screenshot of each window after its first
// command into `directory` (Form1.png ... Form10.png), and closes each window
// with its return command. Returns 0 when every window
// opened, showed its title and brought the main window back; 1 otherwise.
int takeScreenshots(const QString& directory);

// The start-up measurement behind bench/startup.sh, inert unless the
// environment variable KORVEL_STARTUP_PROBE is set. Its value is the launch
// time in seconds since the epoch (bash's $EPOCHREALTIME); any other value
// ("1") counts from `entered`, the moment main was entered. A window's first
// paint is over when the paint pass its first paint event starts is done.
// Once `window` is shown the probe prints to standard output, one line each:
//   first-paint main 182.4 ms       launch to the main window's first paint
//   window main 1024x720            the main window's size at that paint
//   first-paint Form4 21.7 ms       menu item triggered to the window's first
//   ...                             paint, every fitting in menu order, each
//                                   left open
//   memory VmHWM 51234 kB           peak memory with all seven windows open,
//   ...                             then the rest of printMemoryReport's lines
//                                   (app/memory_report.h)
// and quits (exit status 1 when a window did not paint within 10 s).
// Returns true when the probe runs.
bool probeStartup(MainWindow& window, std::chrono::steady_clock::time_point entered);

}  // namespace korvel
