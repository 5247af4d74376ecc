#include "ui/main_window.h"

#include <QActionGroup>
#include <QBackingStore>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>
#include <cmath>

#include "core/catalogue.h"
#include "core/clock_line.h"
#include "ui/widget_layout.h"
#include "ui/calculator_window.h"
#include "ui/job_window.h"
#include "ui/settings.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/language.h"

namespace korvel {
namespace {

const char* const kNotes =
    "Korvel 钣金展开放样计算\n\n"
    "本程序为管道及风管配件的钣金下料展开计算工具。在“打开软件”菜单中选择配件："
    "弯头、三通、丫形三通、矩方锥台、天圆地方、天方地圆、圆锥台体。\n\n"
    "在计算窗口左侧输入各项尺寸（单位：mm），选择圆周等份数和取整数或留小数，"
    "然后用菜单中的计算命令得出展开数据：圆周各等份处的素线实长、三角形法的实长线、"
    "扇形半径、弦长和夹角等，窗口同时画出展开图、平面图或扇形示意图。\n\n"
    "“打印”命令打印当前窗口；“返回”命令关闭计算窗口并回到本窗口。\n\n"
    "所有尺寸均按毫米计算，下料前请核对输入数据。";

// Rounds half to even to a 16-bit whole number, as the drag grab point is kept.
short toShort(double v) {
    const double r = std::nearbyint(v);
    if (r > 32767) return 32767;
    if (r < -32768) return -32768;
    return static_cast<short>(r);
}

}  // namespace

MainWindow::MainWindow() : client_(new QWidget(this)), timer_(new QTimer(this)) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Korvel "));
    setCentralWidget(client_);
    client_->setObjectName("client");

    picture_ = new Picture(QStringLiteral(":/pictures/main_picture.svg"), client_);
    picture_->setObjectName("Picture1");
    picture_->setGeometry(toPixels(200), toPixels(100), 480, 360);
    picture_->installEventFilter(this);

    // The notes panel's place; its box is made when 说明 first shows it (notes()).
    notesArea_ = new QWidget(client_);
    notesArea_->setObjectName("Text3");
    notesArea_->installEventFilter(this);
    notesArea_->hide();

    auto addTop = [this](const char* name, const char* caption) {
        QAction* action = menuBar()->addAction(shown(caption));
        action->setObjectName(name);
        actions_[name] = action;
        captions_.emplace_back(name, caption);
        return action;
    };
    addTop("空格", "  . ");
    connect(addTop("退出", "   后 退   "), &QAction::triggered, this, [this] { showNotes(false); });
    connect(addTop("sm", "   说 明   "), &QAction::triggered, this, [this] { showNotes(true); });
    fittingMenu_ = menuBar()->addMenu(shown(" 打开软件 "));
    captions_.emplace_back("rjsy", " 打开软件 ");
    fittingMenu_->setObjectName("rjsy");
    fittingMenu_->menuAction()->setObjectName("rjsy");
    actions_["rjsy"] = fittingMenu_->menuAction();
    connect(fittingMenu_, &QMenu::aboutToShow, this, [this] { showNotes(false); });
    QMenu* moreMenu = nullptr;
    for (const auto& entry : fittingEntries()) {
        QMenu* menu = fittingMenu_;
        if (entry.menu == FittingMenu::More) {
            if (moreMenu == nullptr) {
                moreMenu = menuBar()->addMenu(shown("更多管件(&M)"));
                moreMenu->setObjectName("more");
                moreMenu->menuAction()->setObjectName("more");
                actions_["more"] = moreMenu->menuAction();
                captions_.emplace_back("more", "更多管件(&M)");
                connect(moreMenu, &QMenu::aboutToShow, this, [this] { showNotes(false); });
            }
            menu = moreMenu;
        } else {
            menu->addSeparator();
        }
        QAction* action = menu->addAction(shown(entry.caption));
        action->setObjectName(QString::fromStdString(entry.menuName));
        if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
        // The main window's own: in a calculator, Ctrl+C copies.
        action->setShortcutContext(Qt::WindowShortcut);
        actions_[entry.menuName] = action;
        captions_.emplace_back(entry.menuName, entry.caption);
        const std::string name = entry.menuName;
        connect(action, &QAction::triggered, this, [this, name] { openFitting(name); });
    }

    addJobMenu();
    addLanguageMenu();

    timer_->setObjectName("Timer2");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &MainWindow::tick);
    timer_->start();
    resize(1024, 720);
}

QString MainWindow::clockTitle(const std::string& dateTimeLine) {
    return QStringLiteral("  Korvel       ") + shown(dateTimeLine);
}

void MainWindow::addJobMenu() {
    QMenu* menu = menuBar()->addMenu(shown("任务(&J)"));
    menu->setObjectName("job");
    menu->menuAction()->setObjectName("job");
    actions_["job"] = menu->menuAction();
    captions_.emplace_back("job", "任务(&J)");
    const auto add = [this, menu](const char* name, const char* caption, auto run) {
        QAction* action = menu->addAction(shown(caption));
        action->setObjectName(name);
        actions_[name] = action;
        captions_.emplace_back(name, caption);
        connect(action, &QAction::triggered, this, run);
    };
    add("job-new", "新建任务", [] {
        if (JobWindow* open = JobWindow::current()) open->newJob();
        JobWindow::showCurrent();
    });
    add("job-open", "打开任务…", [] { JobWindow::showCurrent()->openJob(); });
    QMenu* recent = menu->addMenu(shown("最近的任务"));
    recent->menuAction()->setObjectName("job-recent");
    actions_["job-recent"] = recent->menuAction();
    captions_.emplace_back("job-recent", "最近的任务");
    connect(recent, &QMenu::aboutToShow, this, [recent] {
        recent->clear();
        for (const QString& path : recentJobs())
            connect(recent->addAction(QDir::toNativeSeparators(path)), &QAction::triggered, recent, [path] {
                JobWindow* job = JobWindow::showCurrent();
                if (job->maySetAside()) job->openFile(path);
            });
        if (recent->isEmpty()) recent->addAction(shown("（无）"))->setEnabled(false);
    });
    // An entry opens in the calculator this window opens for its fitting.
    QPointer<MainWindow> self(this);
    JobWindow::setFittingOpener([self](const std::string& item) -> CalculatorWindow* {
        return self ? self->openFitting(item) : nullptr;
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Quitting with a job's changes unsaved asks first; 取消 keeps running.
    if (JobWindow* job = JobWindow::current(); job != nullptr && !job->close()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::addLanguageMenu() {
    // Named in both languages, and each language in its own: whoever cannot
    // read the one shown finds the other.
    QMenu* menu = menuBar()->addMenu(QStringLiteral("语言/Language"));
    menu->setObjectName("language");
    menu->menuAction()->setObjectName("language");
    actions_["language"] = menu->menuAction();
    auto* group = new QActionGroup(menu);
    for (const Language language : {Language::Chinese, Language::English}) {
        QAction* action = menu->addAction(language == Language::Chinese ? QStringLiteral("中文") : QStringLiteral("English"));
        action->setObjectName(QString::fromLatin1(languageCode(language)));
        action->setCheckable(true);
        action->setChecked(language == currentLanguage());
        group->addAction(action);
        actions_[std::string("language-") + languageCode(language)] = action;
        connect(action, &QAction::triggered, this, [this, language] { switchLanguage(language); });
    }
}

void MainWindow::switchLanguage(Language language) {
    if (language == currentLanguage()) return;
    chooseLanguage(language);
    if (languageChosen_) languageChosen_(language);
    // This window takes the language at once; the calculators open in it from
    // now on (one already open keeps its own until it is closed).
    if (notes_ != nullptr) notes_->setPlainText(shown(kNotes));
    for (const auto& [name, caption] : captions_)
        if (QAction* action = menuAction(name)) action->setText(shown(caption));
    tick();
}

void MainWindow::tick() { setWindowTitle(clockTitle(currentDateTimeLine())); }

QAction* MainWindow::menuAction(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QTextEdit* MainWindow::notes() {
    // Made on demand: the box with its long text laid out takes some 50 kB,
    // and most runs never show it.
    if (notes_ == nullptr) {
        notes_ = new QTextEdit(notesArea_);
        notes_->setReadOnly(true);
        notes_->setPlainText(shown(kNotes));
        notes_->setFont(QFont(QStringLiteral("宋体"), 12));
        notes_->setGeometry(notesArea_->rect());
    }
    return notes_;
}

void MainWindow::showNotes(bool shown) {
    if (shown) notes()->show();
    notesArea_->setVisible(shown);
    picture_->setVisible(!shown);
}

CalculatorWindow* MainWindow::openWindow(const std::string& menuName) const {
    const auto it = open_.find(menuName);
    return it == open_.end() ? nullptr : it->second.data();
}

CalculatorWindow* MainWindow::openFitting(const std::string& menuName) {
    const FittingEntry* entry = nullptr;
    for (const auto& e : fittingEntries())
        if (e.menuName == menuName) entry = &e;
    if (entry == nullptr) return nullptr;
    setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
    CalculatorWindow* window = openWindow(menuName);
    if (window == nullptr) {
        // A top-level window of its own, so it stays up while this one is minimised.
        window = new CalculatorWindow(entry->design());
        open_[menuName] = window;
        connect(window, &CalculatorWindow::unloading, this, [this] {
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            show();
        });
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The notes panel follows the window's outer geometry; the picture goes
    // back to its place; then every control is scaled with the window.
    const QRect outer = frameGeometry();
    notesArea_->setGeometry(toPixels(toTwips(outer.left()) + 500), toPixels(toTwips(outer.top()) + 500),
                            toPixels(toTwips(outer.width()) - 300), toPixels(toTwips(outer.height()) / 10 * 8));
    picture_->move(toPixels(200), toPixels(100));
    layOutWidgetWindow(this);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimised while a calculator is open: the window's pixels (a few MB
    // shared with the display server) are given back; the first paint after
    // it is restored makes them again at the window's size.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        if (QBackingStore* store = backingStore(); store != nullptr && store->size().width() > 1)
            store->resize(QSize(1, 1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == notesArea_) {
        if (event->type() == QEvent::Resize && notes_ != nullptr) notes_->setGeometry(notesArea_->rect());
        return QMainWindow::eventFilter(watched, event);
    }
    if (watched != picture_) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                dragging_ = true;
                grabX_ = toShort(toTwips(mouse->position().x()));
                grabY_ = toShort(toTwips(mouse->position().y()));
            }
            return true;
        }
        case QEvent::MouseMove: {
            if (!dragging_) return true;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // Single precision, as the panel's position is kept.
            const float left = static_cast<float>(toTwips(picture_->x())) - grabX_ +
                               static_cast<float>(toTwips(mouse->position().x()));
            const float top = static_cast<float>(toTwips(picture_->y())) - grabY_ +
                              static_cast<float>(toTwips(mouse->position().y()));
            picture_->move(toPixels(left), toPixels(top));
            return true;
        }
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return true;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
}

}  // namespace korvel
