#include "ui/application.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <string>
#include <system_error>

#include "core/catalogue.h"
#include "ui/main_window.h"
#include "ui/memory_report.h"
#include "ui/calculator_window.h"

// The pictures live in the static core library; their initialiser is only
// linked in when something calls it.
static void initResources() { Q_INIT_RESOURCE(korvel); }

namespace korvel {
namespace {

void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool saveShot(QWidget* window, const QString& path) {
    QScreen* screen = window->screen();
    QPixmap shot;
    if (screen != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const QRect r = window->frameGeometry();
        shot = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    }
    if (shot.isNull()) shot = window->grab();
    return shot.save(path);
}

// Reports the first paint of the main window, then of each fitting window
// after its menu item, then the peak memory; see probeStartup.
class StartupProbe : public QObject {
public:
    StartupProbe(MainWindow& main, double launchedAgoMs, std::chrono::steady_clock::time_point entered)
        : QObject(&main), main_(main), target_(&main), started_(entered), offsetMs_(launchedAgoMs) {
        qApp->installEventFilter(this);
        QTimer::singleShot(10000, this, [] {
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
        const auto& entries = fittingEntries();
        if (opened_ == entries.size()) {
            // Let the last window finish painting before the memory is read.
            QTimer::singleShot(200, this, [] {
                printMemoryReport();
                QCoreApplication::exit(0);
            });
            return;
        }
        pending_ = entries[opened_++].menuName;
        offsetMs_ = 0;
        started_ = std::chrono::steady_clock::now();
        main_.menuAction(pending_)->trigger();
    }

    MainWindow& main_;
    QWidget* target_;      // the main window until it paints
    std::string pending_;  // then the fitting whose window is awaited
    std::size_t opened_ = 0;
    std::chrono::steady_clock::time_point started_;
    double offsetMs_;  // launch to `started_`
};

}  // namespace

bool probeStartup(MainWindow& window, std::chrono::steady_clock::time_point entered) {
    const QByteArray value = qgetenv("KORVEL_STARTUP_PROBE");
    if (value.isEmpty()) return false;
    // The launch time, when given, in seconds since the epoch; the decimal
    // separator of $EPOCHREALTIME follows the locale.
    bool given = false;
    const double launched = QString::fromLatin1(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&given);
    double launchedAgoMs = 0;
    if (given && launched > 1e9) {
        const double now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        const double sinceEntered =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - entered).count();
        launchedAgoMs = (now - sinceEntered - launched) * 1000.0;
    }
    new StartupProbe(window, launchedAgoMs, entered);
    return true;
}

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

void setUpApplication() {
    initResources();
    const QStringList songs = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                               QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL SungtiL GB"),
                               QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), songs);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songs);
}

int takeScreenshots(const QString& directory) {
    QDir().mkpath(directory);
    QTextStream err(stderr);
    int failures = 0;
    MainWindow main;
    main.show();
    settle(1500);
    if (!main.windowTitle().startsWith(QStringLiteral("  Korvel       "))) {
        err << "main window title did not run the clock: " << main.windowTitle() << '\n';
        ++failures;
    }
    if (!saveShot(&main, directory + "/Form1.png")) ++failures;
    for (const auto& entry : fittingEntries()) {
        main.menuAction(entry.menuName)->trigger();
        CalculatorWindow* window = main.openWindow(entry.menuName);
        if (window == nullptr) {
            err << "no window for " << QString::fromStdString(entry.menuName) << '\n';
            ++failures;
            continue;
        }
        // Every compute command in turn, a shot after each (FormN-FITTING.png);
        // FormN.png shows the window after its first one.
        const QString name = QString::fromStdString(entry.design().objectName);
        bool first = true;
        for (const auto& command : entry.design().menu) {
            if (!command.run) continue;
            window->runCommand(command.name);
            settle(500);
            const std::string& shot = command.cliName.empty() ? command.name : command.cliName;
            if (!saveShot(window, directory + "/" + name + "-" + QString::fromStdString(shot) + ".png"))
                ++failures;
            if (first && !saveShot(window, directory + "/" + name + ".png")) ++failures;
            first = false;
        }
        settle(first ? 700 : 0);
        if (!window->isVisible()) {
            err << name << " is not visible\n";
            ++failures;
        }
        if (first && !saveShot(window, directory + "/" + name + ".png")) ++failures;
        window->runCommand(entry.design().objectName == "Form4" ? "退出" : "返回");
        settle(300);
        if (!(main.windowState() & Qt::WindowMaximized)) {
            err << name << " did not bring the main window back\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace korvel
