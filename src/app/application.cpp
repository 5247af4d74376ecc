#include "app/application.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QTextStream>
#include <QThread>

#include "app/catalogue.h"
#include "app/main_window.h"
#include "frame/calculator_window.h"

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

}  // namespace

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
