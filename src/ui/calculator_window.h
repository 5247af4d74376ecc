#pragma once
// The one calculator window every fitting opens, built from its window design:
// title (and its clock), menu bar, the input panel Frame1 on the design's grid
// with its captions, boxes, units, lists and rounding choice, the listing
// boxes, the drawing surface and the window's own labels, pictures, lines and
// group boxes (calculator_window.cpp). Commands read the controls into a
// FormState, run the window design's command and apply its Outcome
// (calculator_commands.cpp); the window's printing and files are in
// calculator_files.cpp.

#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/window_design.h"

class QAction;
class QMargins;
class QRect;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace korvel {

class ListingBox;
class Surface;
struct ExportQuestion;

class CalculatorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(const WindowDesign& design);
    ~CalculatorWindow() override;

    const WindowDesign& design() const { return design_; }
    Surface* surface() const { return surface_; }
    QWidget* frame1() const { return frame1_; }

    // Controls by key ("Text1(0)", "Combo3", "Label1(12)").
    QWidget* control(const std::string& key) const;
    QLineEdit* box(const std::string& key) const;
    QComboBox* list(const std::string& key) const;
    QLabel* label(const std::string& key) const;
    ListingBox* listing(const std::string& key) const;
    QAction* menuAction(const std::string& name) const;

    // Sizes the window to open within `available` (a screen's available
    // area, pixels) with the window manager's `frame` around it
    // (openingSize). The constructor fits it into its screen's.
    void fitInto(const QRect& available, const QMargins& frame);

    // The inputs as a command reads them.
    FormState readState() const;
    // Puts a state's inputs into the controls as the user would: the list
    // picks first (a pick may reset boxes), then the box texts and the
    // rounding choice.
    void setInputs(const FormState& state);
    // The job entry the inputs came from (JobWindow::entryId), -1 for none.
    int jobEntry() const { return jobEntry_; }
    void setJobEntry(int id) { jobEntry_ = id; }
    // Runs a menu command by its design name.
    void runCommand(const std::string& name);
    void apply(const Outcome& outcome);

    // What the window shows as its result outside its listing boxes, as the
    // user reads it: the visible captions that give a value ("展开斜边实长 =
    // 559"), top to bottom and left to right, then the texts printed on the
    // surface (printedTexts). The surface's accessible description lists
    // them, one a line.
    std::vector<std::string> resultLines() const;
    // Puts resultLines on the clipboard as the listing boxes copy their
    // lines (copiedListing: name, tab, value); nothing when there are none.
    void copyResults() const;

    // Prints the window's image the design's way: on the default printer
    // without a dialog, or, where no printer is installed, offers to save it as
    // a PDF file; or on the printer the printer dialog confirms.
    void printWindow();
    // Exports the flat pattern of the current inputs as a DXF file: the
    // window's own messages and no file for inputs that give none, else a save
    // dialog, a question before replacing a file, the file written through a
    // temporary one renamed into place, and a report of where it went.
    void exportPattern();
    // Prints the flat pattern of the current inputs at full size, tiled over
    // pages: the window's own messages and no file for inputs that give none,
    // else a question for the paper (and file or printer), then a save dialog
    // with a question before replacing a file, or the print dialog.
    void printTemplate();
    // Prints the calibration page on the paper the template was last asked
    // for, then asks the square's measures and keeps the printer's (or the
    // PDF file's) correction, as the template's question's 打印校准… does.
    void calibrate();
    // Saves the window's CAD drawing of the current inputs as a DXF file: the
    // window's own messages and no file for inputs that give none, else the
    // save dialog's way (saveWithDialog).
    void exportCadDrawing();
    // What the export dialog asks before the pattern is saved (`dxf`) or
    // printed: the choices this kind of window was last exported with (kept
    // in the settings from run to run), else the export's own surface.
    ExportQuestion exportQuestion(bool dxf) const;
    // Writes the window's image to a PDF file; false when it cannot be written.
    bool writePdf(const QString& path);
    // Draws the surface with its panel on a printer, fitted to the page.
    bool renderOn(QPrinter& printer);

signals:
    // The window is closing (return command or close box).
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenu();
    void buildPanel();
    void buildOwnControls();
    void connectLists();
    void startClock();
    // Registers a control under its design name and index.
    void registerControl(QWidget* widget, const ControlName& name);
    QLabel* addLabel(QWidget* parent, const ControlName& name, const std::string& text);
    // The widget a control of the window's own lives in, and the top its
    // places count from there, twips.
    QWidget* hostOf(Host host, const std::string& group) const;
    double hostTop(Host host) const;
    // Places a widget in twips inside its parent; 0 width/height keeps the natural size.
    static void place(QWidget* widget, double left, double top, double width = 0, double height = 0);

    const WindowDesign& design_;
    Surface* surface_ = nullptr;
    QWidget* frame1_ = nullptr;
    QRadioButton* whole_ = nullptr;
    QRadioButton* decimal_ = nullptr;
    double roomTop_ = 0;  // twips, the top of the room under the panel in Frame1
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, QAction*> actions_;
    // What the window remembers between commands (the scale of its plan).
    std::map<std::string, double> memory_;
    int jobEntry_ = -1;
};

// The design name and caption of the export command every window with a flat
// pattern has after its own menu.
inline constexpr const char* kExportCommand = "导出";
inline constexpr const char* kExportCaption = "导出展开图(&E)";
// The command that copies the results of a window without listing boxes (its
// results stand in captions and on the surface), after the template command
// in the menu and in the surface's context menu.
inline constexpr const char* kCopyResultsCommand = "复制结果";
inline constexpr const char* kCopyResultsCaption = "复制结果(&R)";
// The full-size template command that follows it.
inline constexpr const char* kTemplateCommand = "样板";
inline constexpr const char* kTemplateCaption = "打印1:1样板(&T)";
// The printer calibration of the template, also offered by the template's
// question: after 加入任务, before the copy of the results.
inline constexpr const char* kCalibrateCommand = "校准";
inline constexpr const char* kCalibrateCaption = "打印校准(&K)";

// The size, pixels, a window asking for `wanted` inside its frame opens at in
// `available` when the window manager draws `frame` around it: as asked where
// it fits, else each way cut down to what fits (never below 1 pixel). What
// the window shows keeps to its surface: drawings are laid out on the
// surface's size, and the result captions stay above its foot.
QSize openingSize(QSize wanted, const QRect& available, const QMargins& frame);

// The room a window manager's frame takes, pixels, assumed while a window
// has none yet: a title bar and thin borders (openbox: 24 and 1).
extern const QMargins kFrameAllowance;

// The font of panels and texts, "宋体" at the given size.
QFont songFont(double points);

}  // namespace korvel
