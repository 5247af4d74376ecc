// The yardstick of the start-up measurement: a bare Qt application that shows
// one empty widget and reports its first paint as Korvel's start-up probe does
// (KORVEL_STARTUP_PROBE, see bench/startup_probe.cpp):
//   first-paint main 120.3 ms
//   window main 640x480
//   memory VmHWM 40123 kB
//   memory VmRSS ... kB (and the rest of printMemoryReport's lines)
// then quits.
// With KORVEL_BARE_WINDOWS set to a file the start-up probe wrote
// (KORVEL_PROBE_WINDOWS, see bench/startup_probe.cpp) it shows instead the
// windows Korvel shows, empty but of the same size, title and menu bars (the
// same texts and shortcuts): the first, then each of the others once the one
// before has painted, reporting "first-paint NAME" for each, the first one
// minimised as Korvel minimises its main window when a fitting opens; the
// memory is read once the last has painted. That is the yardstick of
// Korvel's memory: the same windows and menus, nothing of Korvel's own.

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "memory_report.h"

namespace {

// Reports the first paint of the first window, shows the next (`windows`
// after the first, minimising the first as the next opens) once the one
// before has painted, and reads the memory once the last has.
class FirstPaint : public QObject {
public:
    FirstPaint(std::vector<QWidget*> windows, double offsetMs, std::chrono::steady_clock::time_point entered)
        : windows_(std::move(windows)), offsetMs_(offsetMs), started_(entered) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (painted_ >= windows_.size() || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != windows_[painted_])
            return false;
        QWidget* window = windows_[painted_++];
        // As in Korvel: the time is taken once the first paint pass is over.
        QMetaObject::invokeMethod(
            this,
            [this, window] {
                const double ms =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();
                const bool first = window == windows_.front();
                std::printf("first-paint %s %.1f ms\n", first ? "main" : qPrintable(window->objectName()),
                            ms + (first ? offsetMs_ : 0));
                if (first) std::printf("window main %dx%d\n", window->width(), window->height());
                std::fflush(stdout);
                if (painted_ < windows_.size()) {
                    if (painted_ == 1 && windows_.front()->property("minimized").toBool())
                        windows_.front()->setWindowState(windows_.front()->windowState() | Qt::WindowMinimized);
                    started_ = std::chrono::steady_clock::now();
                    windows_[painted_]->show();
                    return;
                }
                QTimer::singleShot(200, [] {
                    korvel::printMemoryReport();
                    QCoreApplication::exit(0);
                });
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::vector<QWidget*> windows_;
    std::size_t painted_ = 0;  // windows painted so far
    double offsetMs_;
    std::chrono::steady_clock::time_point started_;
};

// The windows of a description the start-up probe wrote (one line each,
// tab-separated: "window NAME WxH minimized|normal TITLE", then its menu
// bar's "menu DEPTH TEXT", "action DEPTH SHORTCUT TEXT", "separator DEPTH"),
// none shown yet; empty when the file cannot be read.
std::vector<std::unique_ptr<QMainWindow>> describedWindows(const QString& path) {
    std::vector<std::unique_ptr<QMainWindow>> windows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return windows;
    std::vector<QWidget*> menus;  // the bar, then the open menu at each depth
    for (const QByteArray& bytes : file.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(bytes).split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("window") && f.size() >= 5) {
            const QStringList size = f[2].split(QLatin1Char('x'));
            if (size.size() != 2) continue;
            windows.push_back(std::make_unique<QMainWindow>());
            QMainWindow& window = *windows.back();
            window.setObjectName(f[1]);
            window.setWindowTitle(f[4]);
            window.resize(size[0].toInt(), size[1].toInt());
            window.setProperty("minimized", f[3] == QLatin1String("minimized"));
            menus = {window.menuBar()};
            continue;
        }
        const int depth = f.size() >= 2 ? f[1].toInt() : -1;
        if (windows.empty() || depth < 0 || depth >= static_cast<int>(menus.size())) continue;
        menus.resize(static_cast<std::size_t>(depth) + 1);
        QWidget* into = menus.back();
        const auto add = [into](QAction* action) {
            if (auto* bar = qobject_cast<QMenuBar*>(into)) bar->addAction(action);
            else static_cast<QMenu*>(into)->addAction(action);
        };
        if (f[0] == QLatin1String("separator")) {
            auto* separator = new QAction(into);
            separator->setSeparator(true);
            add(separator);
        } else if (f[0] == QLatin1String("menu") && f.size() >= 3) {
            auto* menu = new QMenu(f[2], into);
            add(menu->menuAction());
            menus.push_back(menu);
        } else if (f[0] == QLatin1String("action") && f.size() >= 4) {
            auto* action = new QAction(f[3], into);
            if (!f[2].isEmpty()) action->setShortcut(QKeySequence(f[2]));
            add(action);
        }
    }
    return windows;
}

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
    std::vector<std::unique_ptr<QMainWindow>> same;
    if (const QString path = qEnvironmentVariable("KORVEL_BARE_WINDOWS"); !path.isEmpty()) {
        same = describedWindows(path);
        if (same.empty()) {
            std::fprintf(stderr, "korvel_bare_window: no windows in %s\n", qPrintable(path));
            return 1;
        }
    }
    std::vector<QWidget*> shown{&window};
    if (!same.empty()) {
        shown.clear();
        for (const auto& w : same) shown.push_back(w.get());
    }
    FirstPaint probe(shown, offsetMs, entered);
    bool timeoutGiven = false;
    const int timeout = qEnvironmentVariableIntValue("KORVEL_STARTUP_TIMEOUT", &timeoutGiven);
    QTimer::singleShot((timeoutGiven && timeout > 0 ? timeout : 10) * 1000, [] {
        std::fputs("first-paint timeout\n", stdout);
        QCoreApplication::exit(1);
    });
    shown.front()->show();
    return QApplication::exec();
}
