#pragma once
// The question the 导出展开图 and 打印1:1样板 commands ask before the save
// dialog: the surface the pattern is developed on, the plate thickness where
// the window has none, the branch's joint and the main pipe's wall (tee,
// Y-tee), where the seams run, and for the DXF file its release, whether only the
// cutting outlines go in and whether each piece gets a file of its own. It
// shows, as the choice changes, the sizes the pattern will be developed to,
// so that nobody takes a thickness off twice unawares. Tests replace it.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/export_choices.h"
#include "core/named_inputs.h"
#include "core/window_design.h"
#include "output/pattern_dxf.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvel {

struct ExportOptions {
    ExportChoices choices;
    cad::PatternFileOptions files;
};

struct ExportQuestion {
    std::string title;          // the command's: "导出展开图"
    bool dxf = false;           // offer the DXF file's options
    bool askThickness = false;  // a 板厚 box: the window has no thickness of its own
    ExportOptions preset;       // its surface set
    // The window's further choices (WindowDesign): seam places, a seam angle,
    // the branch joint and the main pipe's wall.
    std::vector<SeamPlace> seamPlaces;
    bool seamAngle = false;
    bool branchJoint = false;
    // What the export would develop with these choices: developedSizesText,
    // or the message that refuses them.
    std::function<std::string(const ExportChoices&)> sizes;
};

// "将按以下尺寸展开：" and the export's developed sizes, one line each,
// indented; empty when the export names none.
std::string developedSizesText(const PatternExport& e);

// What a saved export says after its place: "展开面：" and its surface, then
// the sizes developed, one a line, indented.
std::string developedSummary(const PatternExport& e);

// The messages of a refused export, one a line.
std::string refusalText(const Outcome& rejection);

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(QWidget* parent, ExportQuestion question);
    // The choices as the dialog shows them; none while the thickness is not a number.
    std::optional<ExportOptions> options() const;

private:
    void update();

    ExportQuestion question_;
    QComboBox* surface_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QComboBox* joint_ = nullptr;
    QLineEdit* mainThickness_ = nullptr;
    QComboBox* seam_ = nullptr;
    QLineEdit* seamAngle_ = nullptr;
    QComboBox* version_ = nullptr;
    QCheckBox* cutOnly_ = nullptr;
    QCheckBox* perPiece_ = nullptr;
    QLabel* sizes_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The dialog, modal; none when the user cancels. On a platform without a
// screen (offscreen) it answers the preset without showing itself.
std::optional<ExportOptions> askExportOptions(QWidget* parent, const ExportQuestion& question);

using ExportOptionsHandler = std::function<std::optional<ExportOptions>(const ExportQuestion&)>;
// Replaces the dialog (an empty handler brings it back); returns the previous handler.
ExportOptionsHandler setExportOptionsHandler(ExportOptionsHandler handler);

}  // namespace korvel
