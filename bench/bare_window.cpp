// The yardstick of the start-up measurement: a bare Qt application that shows
// one empty widget and reports its first paint as Korvel's start-up probe does
// (KORVEL_STARTUP_PROBE, see bench/startup_probe.cpp):
//   first-paint main 120.3 ms
//   window main 640x480
//   memory VmHWM 40123 kB
//   memory VmRSS ... kB (and the rest of printMemoryReport's lines)
// then quits.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "memory_report.h"

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, double offsetMs, std::chrono::steady_clock::time_point entered)
        : window_(window), offsetMs_(offsetMs), entered_(entered) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || watched != &window_ || event->type() != QEvent::Paint) return false;
        done_ = true;
        // As in Korvel: the time is taken once the first paint pass is over.
        QMetaObject::invokeMethod(
            this,
            [this] {
                const double ms =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entered_).count();
                std::printf("first-paint main %.1f ms\n", ms + offsetMs_);
                std::printf("window main %dx%d\n", window_.width(), window_.height());
                std::fflush(stdout);
            },
            Qt::QueuedConnection);
        QTimer::singleShot(200, [] {
            korvel::printMemoryReport();
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    QWidget& window_;
    double offsetMs_;
    std::chrono::steady_clock::time_point entered_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    // Launch to main, when the launcher gave its time in seconds since the epoch;
    // any other value counts from main.
    double offsetMs = 0;
    bool given = false;
    const double launched =
        QString::fromLatin1(qgetenv("KORVEL_STARTUP_PROBE")).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&given);
    if (given && launched > 1e9) {
        const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        const double sinceEntered = std::chrono::duration<double>(std::chrono::steady_clock::now() - entered).count();
        offsetMs = (now - sinceEntered - launched) * 1000.0;
    }
    // Shown as a bare application shows it, at the size Qt gives an empty
    // top-level widget (640 x 480; Korvel's main window opens at 1024 x 720),
    // or at KORVEL_BARE_SIZE ("1024x720") to compare window for window.
    QWidget window;
    const QStringList size = QString::fromLatin1(qgetenv("KORVEL_BARE_SIZE")).split(QLatin1Char('x'));
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0) window.resize(size[0].toInt(), size[1].toInt());
    // KORVEL_BARE_EXTRA ("7x1200x800") shows that many more empty windows of
    // that size, for the memory that many windows take by their size alone.
    std::vector<std::unique_ptr<QWidget>> extra;
    const QStringList more = QString::fromLatin1(qgetenv("KORVEL_BARE_EXTRA")).split(QLatin1Char('x'));
    if (more.size() == 3 && more[1].toInt() > 0 && more[2].toInt() > 0)
        for (int i = 0; i < std::min(more[0].toInt(), 20); ++i) {
            extra.push_back(std::make_unique<QWidget>());
            extra.back()->resize(more[1].toInt(), more[2].toInt());
            extra.back()->show();
        }
    FirstPaint probe(window, offsetMs, entered);
    QTimer::singleShot(10000, [] {
        std::fputs("first-paint timeout\n", stdout);
        QCoreApplication::exit(1);
    });
    window.show();
    return QApplication::exec();
}
