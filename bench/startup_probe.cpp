// The start-up measurement behind bench/startup.sh: starts as the program
// `korvel` starts its windows (font warm-up, QApplication, setUpApplication,
// the main window) and reports, one line each on standard output:
//   first-paint main 182.4 ms       launch to the main window's first paint
//   window main 1024x720            the main window's size at that paint
//   first-paint Form4 21.7 ms       menu item triggered to the window's first
//   ...                             paint, every item of the main window's
//                                   打开软件 menu in its order (the seven
//                                   fittings the measure is made with, however
//                                   many the catalogue grows to), each left open
//   memory VmHWM 51234 kB           peak memory with every window open, then
//   ...                             the rest of printMemoryReport's lines
//                                   (memory_report.h)
// then quits (exit status 1 when a window did not paint within 10 s, or
// within KORVEL_STARTUP_TIMEOUT seconds when set, as under valgrind).
// KORVEL_PROBE_WINDOWS, when set to a file's path, makes it write there, once
// every window is open, what the windows are (describeWindows), for the bare
// application to show the same ones (bench/bare_window.cpp).
// KORVEL_STARTUP_PROBE, when set to the launch time in seconds since the epoch
// (bash's $EPOCHREALTIME), makes the first figure count from the launch;
// otherwise it counts from the moment main was entered. A window's first
// paint is over when the paint pass its first paint event starts is done.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "memory_report.h"
#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/main_window.h"

namespace korvel {
namespace {

// The watchdog: seconds a window may take to paint.
int timeoutSeconds() {
    bool given = false;
    const int seconds = qEnvironmentVariableIntValue("KORVEL_STARTUP_TIMEOUT", &given);
    return given && seconds > 0 ? seconds : 10;
}

// One menu's actions, a line each (UTF-8, tab-separated), `depth` 0 for the
// bar's own:
//   action DEPTH SHORTCUT TEXT      (SHORTCUT empty for none)
//   menu DEPTH TEXT                 a menu, its actions following at DEPTH+1
//   separator DEPTH
void describeActions(QByteArray& out, const QList<QAction*>& actions, int depth) {
    for (const QAction* action : actions) {
        const QByteArray at = QByteArray::number(depth);
        if (action->isSeparator()) {
            out += "separator\t" + at + '\n';
        } else if (const QMenu* menu = action->menu()) {
            out += "menu\t" + at + '\t' + action->text().toUtf8() + '\n';
            describeActions(out, menu->actions(), depth + 1);
        } else {
            out += "action\t" + at + '\t' + action->shortcut().toString().toUtf8() + '\t' + action->text().toUtf8() +
                   '\n';
        }
    }
}

// What the bare application needs to show the same windows: each top-level
// main window, in the order opened, as
//   window NAME WIDTHxHEIGHT minimized|normal TITLE
// followed by its menu bar (describeActions).
QByteArray describeWindows(const std::vector<QMainWindow*>& windows) {
    QByteArray out;
    for (const QMainWindow* window : windows) {
        out += "window\t" + window->objectName().toUtf8() + '\t' + QByteArray::number(window->width()) + 'x' +
               QByteArray::number(window->height()) + '\t' + (window->isMinimized() ? "minimized" : "normal") + '\t' +
               window->windowTitle().toUtf8() + '\n';
        describeActions(out, window->menuBar()->actions(), 0);
    }
    return out;
}

// Reports the first paint of the main window, then of each fitting window
// after its menu item, then the peak memory.
class StartupProbe : public QObject {
public:
    StartupProbe(MainWindow& main, double launchedAgoMs, std::chrono::steady_clock::time_point entered)
        : QObject(&main), main_(main), target_(&main), started_(entered), offsetMs_(launchedAgoMs) {
        for (const QAction* item : main.fittingMenu()->actions())
            if (!item->isSeparator()) items_.push_back(item->objectName().toStdString());
        qApp->installEventFilter(this);
        QTimer::singleShot(timeoutSeconds() * 1000, this, [] {
            std::fputs("first-paint timeout\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(1);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        QWidget* target = target_ != nullptr ? target_ : main_.openWindow(pending_);
        if (target == nullptr || static_cast<QWidget*>(watched)->window() != target) return false;
        const std::string name = target_ == &main_ ? "main" : target->objectName().toStdString();
        target_ = nullptr;
        pending_.clear();
        // The window's first paint event starts a pass that paints all of its
        // widgets; the time is taken once that pass is over.
        QMetaObject::invokeMethod(
            this,
            [this, name] {
                const double ms =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();
                std::printf("first-paint %s %.1f ms\n", name.c_str(), ms + offsetMs_);
                if (name == "main") std::printf("window main %dx%d\n", main_.width(), main_.height());
                std::fflush(stdout);
                next();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    void next() {
        if (opened_ == items_.size()) {
            // Let the last window finish painting before the memory is read.
            QTimer::singleShot(200, this, [this] {
                printMemoryReport();
                if (const QString path = qEnvironmentVariable("KORVEL_PROBE_WINDOWS"); !path.isEmpty()) {
                    std::vector<QMainWindow*> windows{&main_};
                    for (const std::string& item : items_)
                        if (QMainWindow* open = main_.openWindow(item)) windows.push_back(open);
                    QFile file(path);
                    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                        file.write(describeWindows(windows)) < 0) {
                        std::fprintf(stderr, "korvel_startup_probe: cannot write %s\n", qPrintable(path));
                        QCoreApplication::exit(1);
                        return;
                    }
                }
                QCoreApplication::exit(0);
            });
            return;
        }
        pending_ = items_[opened_++];
        offsetMs_ = 0;
        started_ = std::chrono::steady_clock::now();
        main_.menuAction(pending_)->trigger();
    }

    MainWindow& main_;
    QWidget* target_;                 // the main window until it paints
    std::vector<std::string> items_;  // the 打开软件 menu's items, by menu name
    std::string pending_;             // then the fitting whose window is awaited
    std::size_t opened_ = 0;
    std::chrono::steady_clock::time_point started_;
    double offsetMs_;  // launch to `started_`
};

// Launch to `entered`, in milliseconds, when KORVEL_STARTUP_PROBE holds the
// launch time in seconds since the epoch (its decimal separator follows the
// locale); 0 otherwise.
double launchedAgoMs(std::chrono::steady_clock::time_point entered) {
    bool given = false;
    const double launched = QString::fromLatin1(qgetenv("KORVEL_STARTUP_PROBE"))
                                .replace(QLatin1Char(','), QLatin1Char('.'))
                                .toDouble(&given);
    if (!given || launched <= 1e9) return 0;
    const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double sinceEntered = std::chrono::duration<double>(std::chrono::steady_clock::now() - entered).count();
    return (now - sinceEntered - launched) * 1000.0;
}

}  // namespace
}  // namespace korvel

int main(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    korvel::setUpApplication();
    fonts.join();
    korvel::MainWindow window;
    new korvel::StartupProbe(window, korvel::launchedAgoMs(entered), entered);
    window.show();
    return QApplication::exec();
}
