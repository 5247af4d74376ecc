// Screenshots of every window, taken as a user would reach them:
//   korvel_screenshots [DIRECTORY]      (DIRECTORY defaults to ".")
// Opens the main window (Form1.png; with its notes, Form1-notes.png) and
// every fitting window in turn through the menu (as it opens, Form4-opened.png
// ...), runs each of its compute commands with a screenshot after each
// (Form4-elbow-end.png ...), saves a screenshot of each window after its first
// command into DIRECTORY (Form1.png ... Form10.png), at the size it opens at
// on the screen, then maximised as a user would have it (Form4-maximised.png
// ...), and of its 导出展开图 dialog (Form4-export.png ...; the first also of its
// 打印1:1样板 question, template-choice.png), the elbow's also of a 1:1
// template's progress dialog (Form4-progress.png), and closes each
// window with its return command; then the job window with a ten-entry job
// and its cut list (JobWindow.png, JobWindow-cutlist.png), the progress of
// its cut list's PDF (JobWindow-progress.png) and its nest window after a nest
// and saving its files (NestWindow.png, NestWindow-progress.png); the 打印1:1样板 dialog with two printer
// corrections kept and the calibration's measures (template-dialog.png,
// calibration-measures.png). The settings are a fresh file's, so that
// what a user remembered does not change the shots. Exits 0 when every window opened, showed its title
// and brought the main window back; 1 otherwise. tests/ui/smoke_xvfb.sh runs
// it under Xvfb.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <functional>
#include <string>
#include <tuple>

#include "core/catalogue.h"
#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/calibration_dialog.h"
#include "ui/settings.h"
#include "ui/template_dialog.h"
#include "ui/export_dialog.h"
#include "ui/export_runner.h"
#include "ui/template_dialog.h"
#include "ui/language.h"
#include "ui/job_window.h"
#include "ui/main_window.h"
#include "ui/nest_window.h"
#include "ui/message_boxes.h"
#include "output/atomic_file.h"

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

// The job's nest window after a nest of its job on 3000 × 6000 plates (the
// frustum's and the elbows' pieces are too large for the presets unsplit):
// NestWindow.png, and the progress of saving its files, NestWindow-progress.png.
// A message the window would show is printed instead.
bool nestShot(JobWindow* jobs, const QString& directory) {
    bool quiet = true;
    DialogHandlers previous = setDialogHandlers({[&quiet](const ShowMessage& m) {
                                                     QTextStream(stderr) << "nest window: "
                                                                         << QString::fromStdString(m.text) << '\n';
                                                     quiet = false;
                                                 },
                                                 [](const std::string&) { return false; },
                                                 [](const QString&) { return QString(); }, {}});
    NestWindow* window = jobs->openNest();
    for (QComboBox* plate : window->findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^plate-")))) {
        plate->setCurrentIndex(3);
        emit plate->activated(3);
        const QString row = plate->objectName().mid(6);
        window->findChild<QLineEdit*>("width-" + row)->setText(QStringLiteral("3000"));
        window->findChild<QLineEdit*>("height-" + row)->setText(QStringLiteral("6000"));
    }
    window->resize(1100, 720);
    bool saved = window->start();
    QElapsedTimer timer;
    timer.start();
    while (window->running() && timer.elapsed() < 120000) settle(100);
    window->showPlate(1);
    settle(500);
    saved = saved && quiet && !window->nest().plates.empty() && saveShot(window, directory + "/NestWindow.png");
    {
        // As its files show it, on the fifth of twelve.
        const std::unique_ptr<QProgressDialog> progress = progressDialog(window);
        showPages(*progress, "正在保存排料文件…", 4, 12, Counted::Files);
        progress->show();
        settle(400);
        saved = saveShot(window, directory + "/NestWindow-progress.png") && saved;
    }
    window->close();
    settle(200);
    setDialogHandlers(std::move(previous));
    return saved;
}

// The job window with a ten-entry job (entries of several fittings, one the
// fitting refuses, one that cannot be read), its cut list and the progress
// of its PDF: JobWindow.png, JobWindow-cutlist.png, JobWindow-progress.png.
bool jobShots(const QString& directory) {
    Job job;
    job.name = "二号楼空调风管";
    job.customer = "华东机电安装公司";
    job.drawing = "KT-2024-017";
    const std::vector<std::tuple<const char*, const char*, std::vector<NamedInput>, int>> made = {
        {"E-01", "elbow", {}, 4},
        {"E-02", "elbow", {{"D", "630"}, {"R", "950"}, {"alpha", "45"}}, 6},
        {"T-01", "tee", {}, 2},
        {"Y-01", "ytee", {}, 1},
        {"F-01", "rect-frustum", {}, 3},
        {"RT-01", "transition-round-top", {}, 2},
        {"ST-01", "transition-rect-top", {}, 2},
        {"C-01", "cone", {}, 1},
        {"E-03", "elbow", {{"D", "-5"}}, 1},
    };
    for (const auto& [mark, fitting, inputs, quantity] : made) {
        EntryMaking entry = makeEntry(fitting, inputs, {});
        entry.entry.mark = mark;
        entry.entry.quantity = quantity;
        job.entries.push_back(entry.entry);
    }
    JobEntry unread;
    unread.unread = R"({"mark": "X-01", "fitting": "spiral-duct", "quantity": 5})";
    job.entries.push_back(unread);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("二号楼.korvel"));
    cad::saveFileBytes(path.toStdString(), jobBytes(job));
    // The reading's problems would wait in a message box: left unshown here.
    DialogHandlers previous = setDialogHandlers({[](const ShowMessage&) {}, [](const std::string&) { return false; },
                                                 [](const QString&) { return QString(); }, {}});
    JobWindow* window = JobWindow::showCurrent();
    const bool opened = window->openFile(path);
    setDialogHandlers(std::move(previous));
    window->resize(1100, 680);
    window->entryTable()->selectRow(0);
    settle(800);
    bool saved = opened && saveShot(window, directory + "/JobWindow.png");
    window->tabs()->setCurrentIndex(1);
    settle(500);
    saved = saveShot(window, directory + "/JobWindow-cutlist.png") && saved;
    {
        // As a long cut list's PDF shows it, on its third page of seven.
        const std::unique_ptr<QProgressDialog> progress = progressDialog(window);
        showPages(*progress, "正在生成下料清单…", 2, 7);
        progress->show();
        settle(400);
        saved = saveShot(window, directory + "/JobWindow-progress.png") && saved;
    }
    saved = nestShot(window, directory) && saved;
    window->close();
    settle(200);
    return saved;
}

// The modal dialog `ask` opens, shot and closed once it is shown and has
// settled (polled every 200 ms).
bool modalShot(const QString& path, const std::function<void()>& ask) {
    bool saved = false;
    QTimer poll;
    int shownFor = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible() || ++shownFor < 4) return;
        poll.stop();
        saved = saveShot(dialog, path);
        dialog->close();
    });
    poll.start(200);
    ask();
    return saved;
}

bool calibrationShots(const QString& directory) {
    setPrintCorrectionSetting(CalibratedBy::Paper, "A4", correctionFromMeasures(99.2, 100.0));
    setPrintCorrectionSetting(CalibratedBy::Printer, "车间 HP LaserJet 5200", correctionFromMeasures(98.6, 99.5));
    const bool dialog = modalShot(directory + "/template-dialog.png", [] { askTemplateChoice(nullptr, "A4"); });
    const bool measures = modalShot(directory + "/calibration-measures.png",
                                    [] { askCalibrationMeasures(nullptr, "打印机 车间 HP LaserJet 5200"); });
    return dialog && measures;
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
    // The notes panel is made when 说明 first shows it.
    main.menuAction("sm")->trigger();
    settle(300);
    if (!saveShot(&main, directory + "/Form1-notes.png")) ++failures;
    main.menuAction("退出")->trigger();
    for (const auto& entry : fittingEntries()) {
        main.menuAction(entry.menuName)->trigger();
        CalculatorWindow* window = main.openWindow(entry.menuName);
        if (window == nullptr) {
            err << "no window for " << QString::fromStdString(entry.menuName) << '\n';
            ++failures;
            continue;
        }
        // As it opens, before any command (FormN-opened.png).
        const QString name = QString::fromStdString(entry.design().objectName);
        settle(300);
        if (!saveShot(window, directory + "/" + name + "-opened.png")) ++failures;
        // Every compute command in turn, a shot after each (FormN-FITTING.png);
        // FormN.png shows the window after its first one.
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
        window->showMaximized();
        settle(500);
        if (!saveShot(window, directory + "/" + name + "-maximised.png")) ++failures;
        window->showNormal();
        settle(300);
        if (window->design().pattern) {
            ExportDialog dialog(window, window->exportQuestion(true));
            dialog.show();
            settle(400);
            if (!saveShot(&dialog, directory + "/" + name + "-export.png")) ++failures;
            // The 打印1:1样板 question, once: the same for every window.
            static bool templateShot = false;
            if (!templateShot) {
                templateShot = true;
                QTimer::singleShot(600, [&failures, &directory] {
                    QWidget* question = QApplication::activeModalWidget();
                    if (question == nullptr || !saveShot(question, directory + "/template-choice.png")) ++failures;
                    if (question != nullptr) question->close();
                });
                askTemplateChoice(window, "A4");
            }
        }
        if (entry.design().patternName == "elbow") {
            // As a long template shows it, on its twelfth page of 248.
            const std::unique_ptr<QProgressDialog> progress = progressDialog(window);
            showPages(*progress, "正在生成 1:1 样板…", 11, 248);
            progress->show();
            settle(400);
            if (!saveShot(progress.get(), directory + "/" + name + "-progress.png")) ++failures;
        }
        // The way back to the main window: the menu's 返回 or 退出.
        for (const auto& command : entry.design().menu)
            if (command.name == "返回" || command.name == "退出") {
                window->runCommand(command.name);
                break;
            }
        settle(300);
        if (!(main.windowState() & Qt::WindowMaximized)) {
            err << name << " did not bring the main window back\n";
            ++failures;
        }
    }
    if (!jobShots(directory)) ++failures;
    if (!calibrationShots(directory)) ++failures;
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace korvel

int main(int argc, char* argv[]) {
    // Read before the QApplication takes its own options out of argv.
    // korvel_screenshots DIR [en]: the windows in Chinese, or in English.
    const QString directory = argc > 1 ? QString::fromStdString(argv[1]) : QStringLiteral(".");
    if (argc > 2 && std::string(argv[2]) == "en") korvel::chooseLanguage(korvel::Language::English);
    QTemporaryDir settings;
    if (qEnvironmentVariableIsEmpty("KORVEL_SETTINGS")) qputenv("KORVEL_SETTINGS", settings.filePath("korvel.ini").toUtf8());
    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    korvel::setUpApplication();
    fonts.join();
    return korvel::takeScreenshots(directory);
}
