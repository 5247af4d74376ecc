#pragma once
// Form1, the start window: the fitting menu, the picture panel the user can
// drag, the notes panel and the running clock in the title.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/language.h"

class QAction;
class QMenu;
class QTextEdit;
class QTimer;

namespace korvel {

class CalculatorWindow;
class Picture;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    // Opens a fitting window by its menu name (wtfy, stfy, ...): minimises this
    // window, loads the fitting window unless it is open already, shows it.
    CalculatorWindow* openFitting(const std::string& menuName);
    // The open fitting window of that menu item, or nullptr.
    CalculatorWindow* openWindow(const std::string& menuName) const;

    QAction* menuAction(const std::string& name) const;
    QMenu* fittingMenu() const { return fittingMenu_; }
    Picture* picture() const { return picture_; }
    // The notes panel's box, made when first asked for.
    QTextEdit* notes();
    bool dragging() const { return dragging_; }

    // Called when the user picks a language in the 语言/Language menu (the
    // program remembers it there).
    void onLanguageChosen(std::function<void(Language)> chosen) { languageChosen_ = std::move(chosen); }

    // The title once the clock has ticked.
    static QString clockTitle(const std::string& dateTimeLine);
    void tick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNotes(bool shown);
    // 任务(&J): a new job, a job file, the recent ones, in the job window.
    void addJobMenu();
    void addLanguageMenu();
    void switchLanguage(Language language);

    QWidget* client_;
    Picture* picture_;
    QWidget* notesArea_;          // the notes panel's place, laid out with the window
    QTextEdit* notes_ = nullptr;  // its box, inside it
    QTimer* timer_;
    QMenu* fittingMenu_;
    std::map<std::string, QAction*> actions_;
    std::vector<std::pair<std::string, std::string>> captions_;  // the menu's items and their Chinese
    std::function<void(Language)> languageChosen_;
    std::map<std::string, QPointer<CalculatorWindow>> open_;
    bool dragging_ = false;
    short grabX_ = 0, grabY_ = 0;  // twips inside the picture where the drag began
};

}  // namespace korvel
