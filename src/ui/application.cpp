#include "ui/application.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStringList>
#include <QWidget>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <system_error>
#ifdef __linux__
#include <sys/mman.h>
#endif

#include "ui/prerendered_pictures.h"

// The pictures live in the static core library; their initialiser is only
// linked in when something calls it.
static void initResources() { Q_INIT_RESOURCE(korvel); }

namespace korvel {

FontConfigWarmUp::FontConfigWarmUp() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the font library reads it when first asked.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() { join(); }

void FontConfigWarmUp::join() {
    if (thread_.joinable()) thread_.join();
}

int giveBackFontPages() {
    int given = 0;
#ifdef __linux__
    // A line of /proc/self/maps: "START-END PERMS OFFSET DEV INODE PATH". The
    // font library maps each font file read-only and private; such pages are
    // never written, so a page given back is read again from the file, the
    // same, when a glyph not yet drawn needs it.
    FILE* maps = std::fopen("/proc/self/maps", "re");
    if (maps == nullptr) return 0;
    char line[4096];
    while (std::fgets(line, sizeof line, maps) != nullptr) {
        unsigned long start = 0, end = 0;
        char perms[5] = {};
        int pathAt = 0;
        if (std::sscanf(line, "%lx-%lx %4s %*s %*s %*s %n", &start, &end, perms, &pathAt) < 3 || pathAt == 0) continue;
        const QByteArray path = QByteArray(line + pathAt).trimmed();
        if (QByteArrayView(perms) != "r--p" || !path.contains("/fonts/")) continue;
        if (madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED) == 0) ++given;
    }
    std::fclose(maps);
#endif
    return given;
}

namespace {

// Gives back the font files' pages once a window has painted for the first
// time: its glyphs are in Qt's glyph cache by then. A Song/Ming CJK font is a
// file of about 20 MB whose glyphs lie far apart, and each glyph read maps the
// 64 kB around it: the seven windows' captions left 5 MB of it resident.
class FontPagesAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A top-level widget paints itself and its children on this event.
        if (event->type() != QEvent::UpdateRequest || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || window->property(kPainted).toBool()) return false;
        window->setProperty(kPainted, true);
        // After the paint this event starts.
        QMetaObject::invokeMethod(this, [] { giveBackFontPages(); }, Qt::QueuedConnection);
        return false;
    }

private:
    static constexpr const char* kPainted = "korvelPaintedOnce";
};

}  // namespace

void setUpApplication() {
    initResources();
    QCoreApplication::instance()->installEventFilter(new FontPagesAfterFirstPaint(QCoreApplication::instance()));
    const QStringList songs = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                               QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL SungtiL GB"),
                               QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), songs);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songs);
    // The style keeps what it draws of a control (a list's box and its
    // button, some 25 kB a list) in Qt's pixmap cache, up to 10 MB by
    // default: the seven windows' lists left 290 kB there. They are as
    // quickly drawn again, the same.
    QPixmapCache::setCacheLimit(kPixmapCacheKb);
    // The windows' icon, and the desktop entry the desktop matches them with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvel.Korvel"));
    // Rendered by the build at each size in the straight alpha the display
    // server takes: the pixmaps share the build's bytes, none is kept on the
    // heap (96 kB at these sizes).
    QIcon windows;
    for (const PrerenderedPicture& p : prerenderedPictures())
        if (QLatin1String(p.resource) == QLatin1String(":/icons/korvel.svg"))
            windows.addPixmap(QPixmap::fromImage(
                QImage(p.argb32, p.width, p.height, p.width * 4,
                       p.premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32),
                Qt::NoFormatConversion));
    QGuiApplication::setWindowIcon(windows);
}

}  // namespace korvel
