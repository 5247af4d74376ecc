#pragma once
// The fixed design of a calculator window as plain data: title, menu, inputs
// with their captions, units and presets, lists, rounding choice, listing boxes,
// the panel's grid, the window's other controls (labels, pictures, lines, group
// boxes), what resizing and its clock do, and the commands behind the menu. The
// window builds all its controls from it; `korvel list` fills the same inputs
// from it without any window.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/canvas.h"
#include "core/export_choices.h"
#include "core/flat_pattern.h"
#include "core/outcome.h"

namespace korvel {

namespace cad {
class Application;
}

// A control's design name with its array index (-1 outside an array).
struct ControlName {
    std::string name;
    int index = -1;
    // "Text1(2)", or "Text3" outside an array.
    std::string key() const;
};

// Position and size in twips inside the containing frame (0 = natural size).
struct Place {
    double left = 0, top = 0, width = 0, height = 0;
};

// A labelled text box: caption label on its left, unit label on its right.
struct InputDesign {
    ControlName box;
    std::string symbol;  // the name `korvel list` takes: D, R, alpha, ...
    ControlName caption;
    std::string captionText;
    ControlName unitLabel;
    std::string unitText;
    std::string preset;
    std::string toolTip;
};

struct FormState;

// When a list's `onChange` runs.
enum class ListSignal {
    indexChanged,   // whenever the shown item changes, picked or set by a command
    textActivated,  // whenever an item is picked, even the one already shown
};

// A pick-only list (divisions, segments, variant or direction).
struct ListDesign {
    ControlName box;
    std::string symbol;  // n, k; or the option name (dir, variant)
    std::vector<std::string> items;
    std::string preset;
    ControlName caption;  // empty name: no caption label
    std::string captionText;
    ControlName unitLabel;  // empty name: no unit label
    std::string unitText;
    // Option values of `korvel list` for the items, in item order
    // (dir=north|south, variant=frustum|cone); empty for number lists.
    std::vector<std::string> optionValues;
    // What picking an item does (reset boxes, relabel, clear); the state holds
    // the picked item as the list's text. Empty: nothing.
    std::function<Outcome(const FormState&)> onChange = {};
    ListSignal changeSignal = ListSignal::indexChanged;
};

struct RoundingDesign {
    ControlName whole;    // "取整数"
    ControlName decimal;  // "留小数"
    int decimalDigits = 3;
};

// What a command reads: the texts of the boxes and lists, the rounding choice,
// the window's outer size and what the window remembers between commands.
struct FormState {
    std::map<std::string, std::string> texts;  // by control key
    bool decimals = false;                     // "留小数" selected
    int digits = 0;                            // 0, or the window's decimal digits
    double outerWidth = 0, outerHeight = 0;    // twips
    std::map<std::string, double> memory;

    const std::string& text(const std::string& key) const;
};

using CommandFunction = std::function<Outcome(const FormState&)>;

// One input as the title block of an exported pattern names it: the caption
// the window shows beside it, the text as typed and its unit.
struct TypedInput {
    std::string symbol;
    std::string caption;
    std::string text;
    std::string unit;
};

// The job a pattern is written from (job.h), as its title block names it:
// the job's name, customer and drawing, the entry's mark and quantity (of
// whole fittings), the plate's material and its density, g/cm³, by which the
// title block weighs the pieces.
struct JobTitle {
    std::string job, customer, drawing, mark, material;
    double density = 0;
    int quantity = 0;
};

// The true-size flat pattern of the window's current inputs with what its
// title block says, or, when the inputs give none, what the window shows
// instead (its own messages, the offending box emptied or focused) in
// `rejection`, stopped.
struct PatternExport {
    Outcome rejection;
    FlatPattern pattern;
    std::vector<TypedInput> inputs;  // every input, in the panel's order
    std::string rounding;            // the rounding choice, as the window names it
    std::string surface;             // the surface the pattern is developed on
    // The surface the export chose (never unset here) and what it made of the
    // typed sizes, one line each, shown before the file is written and in it:
    // "中性层：D = 1110 mm（外径 1120 − 壁厚 10）".
    DevelopedSurface developed = DevelopedSurface::Typed;
    std::vector<std::string> developedSizes;
    // Where the developed sizes differ from those the window lists, the
    // stations the plater marks on the developed surface, one line each
    // ("  端节：L0 = 423.1，L1 = 431.6，…"); empty when the listing holds.
    std::vector<std::string> stationTable;
    // Plate thickness of each piece, mm, in the pattern's order; 0 where none
    // is known (then no weight is given).
    std::vector<double> thickness;
    std::string fileName;  // the name a save dialog suggests, ".dxf"
    // Written from a job: what the title block says of it; none from a window.
    std::optional<JobTitle> job = {};

    bool rejected() const { return rejection.stopped; }
};

// A window's pattern export: its inputs and the plater's export choices to
// the pattern. Called without choices, it takes their defaults.
class PatternFunction {
public:
    using Develop = std::function<PatternExport(const FormState&, const ExportChoices&)>;
    PatternFunction() = default;
    PatternFunction(Develop develop) : develop_(std::move(develop)) {}  // NOLINT: a design assigns its function
    PatternFunction(PatternExport (*develop)(const FormState&, const ExportChoices&)) : develop_(develop) {}

    PatternExport operator()(const FormState& state, const ExportChoices& choices = {}) const {
        return develop_(state, choices);
    }
    explicit operator bool() const { return static_cast<bool>(develop_); }

private:
    Develop develop_;
};

// A CAD drawing of the window's current inputs at full scale, behind the
// window's cad command and `korvel cad`.
struct CadDrawing {
    // What the window shows when the inputs give no drawing (its own message,
    // the offending box emptied and focused), stopped; nothing when they pass.
    std::function<std::optional<Outcome>(const FormState&)> check;
    // Draws inputs that passed `check` into the application's active document.
    std::function<void(const FormState&, cad::Application&)> draw;
    // The name a save dialog suggests, ".dxf".
    std::function<std::string(const FormState&)> fileName;
};

// The grid of the input panel Frame1, twips: the input frame Frame2 with one
// row per input (caption, box, unit), under it the choice frame Frame3 with one
// row per list and a row for the rounding choice, under that the two listing
// boxes side by side, each half the panel wide. A caption or unit label stands
// 30 twips below its row's top and is 270 tall.
struct PanelGrid {
    double captionLeft = 120, captionWidth = 2100;
    double boxLeft = 2220, boxWidth = 1200, boxHeight = 330;
    double unitLeft = 3480, unitWidth = 480;
    double firstRow = 330;  // top of a frame's first row, under its title
    double rowPitch = 450;
    double panelWidth = 4020;                                          // Frame1 and both frames
    double panelTop = 40;                                              // Frame1's top on the surface
    double fontPoints = 10.5;                                          // the Song face of every panel control
    double wholeLeft = 120, decimalLeft = 2220, roundingWidth = 1700;  // 取整数, 留小数
    double listingHeight = 5600;
};

// The panel: its grid, and the places of the controls that leave it.
struct PanelDesign {
    PanelGrid grid;
    // The lists and the rounding choice stand in the input frame with the
    // boxes (placed by `places`); the choice frame is hidden.
    bool oneFrame = false;
    std::optional<Rgb> inputFrameTitleColour;  // none: the style's colour
    // Places that replace the grid's, by control key: "Frame1", "Frame2",
    // "Combo2", "Option1", "Label1(8)", a listing box ...
    std::vector<std::pair<std::string, Place>> places;
    // Twips added at Frame1's foot for the window's own controls (Host::room).
    double room = 0;
};

// Where one of a window's own controls lives.
enum class Host {
    surface,  // the drawing surface
    room,     // Frame1, in the room added under the panel; tops count from the room's top
    group,    // one of the window's group boxes, named by `group`
};

// A label of the window's own: a result line, a heading, a title, a letter.
struct LabelDesign {
    ControlName name = {};
    Host host = Host::surface;
    std::string group = {};          // the group box's key when host is group
    double points = 0;               // Song face at this size; 0: the host's font
    std::optional<Rgb> colour = {};  // none: the palette's text colour
    // None: left where an unplaced label stands, sized when first shown;
    // 0 width/height: the label's natural size at its initial text.
    std::optional<Place> place = {};
    std::string text = {};
    bool visible = true;
};

// A picture (a sketch or a legend) at a place in twips.
struct PictureDesign {
    ControlName name;
    std::string resource;  // ":/pictures/….svg"
    Host host = Host::surface;
    Place place;
    bool visible = true;
};

// A sketch at the surface's top-right corner whatever the surface's size,
// under every other control and letting the mouse through to the surface.
struct CornerPicture {
    ControlName name;
    std::string resource;
    int width = 0, height = 0;  // pixels
    int margin = 0;             // pixels from the top and the right edge
};

// A line control on the surface, hidden until a command places it.
struct LineDesign {
    ControlName name;
    Rgb colour = kBlack;
};

// A titled group box that holds some of the window's labels.
struct GroupDesign {
    ControlName name;
    std::string caption;
    Host host = Host::room;
    Place place;
};

// A title that runs the clock: rewritten from the date and time line every
// `intervalMs` milliseconds by a timer of the given name.
struct TitleClock {
    std::function<std::string(const std::string& dateTimeLine)> title;  // empty: the title stays
    std::string timerName = "Timer1";
    int intervalMs = 1000;
};

// What resizing the window does to the panel.
struct PanelResize {
    bool followHeight = false;  // Frame1 as tall as the window's outer height
    double listingTenths = 0;   // and the listing boxes this many tenths of that
};

// After the named commands the left listing box is made `surfaceShare` of the
// surface's height tall.
struct ListingStretch {
    std::vector<std::string> after;
    double surfaceShare = 0;
};

// How the window's print command reaches a printer.
enum class PrintWay {
    defaultPrinter,  // straight to the default one; with none, offers a PDF file
    printerDialog,   // the printer dialog first; cancel prints nothing
};

struct MenuCommand {
    std::string name;     // design name: 打印, 端节, 计算, 返回, cad, 空格 ...
    std::string caption;  // exact, with access key and blanks
    std::string cliName;  // FITTING of `korvel list`, empty when none
    CommandFunction run;  // empty: the window handles it (print, return) or nothing
};

struct WindowDesign {
    std::string objectName;  // Form4 ... Form10
    std::string title;
    std::string fitting;                           // short description for --help
    bool darkSurface = true;                       // black surface, white text; else white with black
    double openWidth = 18000, openHeight = 12000;  // twips, outer size at opening
    std::vector<MenuCommand> menu;
    std::vector<InputDesign> inputs;
    std::vector<ListDesign> lists;  // number lists and the variant list
    RoundingDesign rounding;
    std::vector<ControlName> listingBoxes;  // left, right
    std::string inputFrameCaption = "选择（输入）基本数据";
    std::string choiceFrameCaption = "请您选择";
    // The flat pattern of the current inputs, behind the window's 导出展开图
    // command and `korvel dxf`; empty: the window exports none.
    PatternFunction pattern;
    std::string patternName;  // FITTING of `korvel dxf`
    // The export's further choices: where the seams may run (the first is the
    // preset; empty: the pattern has no choice of seam), whether any angle in
    // degrees 0 to 360 is a seam place too (a cone), and whether a branch
    // meets a main pipe (joint=, main-t=).
    std::vector<SeamPlace> seamPlaces;
    bool seamAngle = false;
    bool branchJoint = false;
    // The compute commands whose results the pattern's pieces are cut from,
    // whose listing a printed template repeats (the division sums are left
    // out: a template marks those stations itself).
    std::vector<std::string> patternListing;
    // The CAD drawing behind the menu command named "cad" and `korvel cad`;
    // empty: the window has none.
    CadDrawing cad;

    PanelDesign panel;
    // The window's own controls, made in this order after the panel: group
    // boxes, corner pictures, pictures, labels, lines.
    std::vector<GroupDesign> groups;
    std::vector<CornerPicture> cornerPictures;
    std::vector<PictureDesign> pictures;
    std::vector<LabelDesign> labels;
    std::vector<LineDesign> lines;
    TitleClock clock;
    PanelResize resizing;
    ListingStretch stretch;
    PrintWay printing = PrintWay::defaultPrinter;

    const InputDesign* input(const std::string& symbol) const;
    const ListDesign* list(const std::string& symbol) const;
    const MenuCommand* command(const std::string& name) const;
    // The state the window has right after opening.
    FormState presetState() const;
};

// Lists "8", "12", ... "100".
std::vector<std::string> divisionItems(int from, int to, int step);

// A text box row of a window's panel: box Text1(i), caption Label1(captionIndex)
// and unit label Label1(unitIndex).
InputDesign arrayInput(int i, std::string symbol, std::string caption, int captionIndex, std::string unit,
                       int unitIndex, std::string preset);

// The menu every calculator window begins with: the inert spacer 空格.
MenuCommand spacer(std::string caption = "");

// The window's inputs as typed: its boxes with their captions and units, then
// its lists (a variant or direction list as the picked item). Captions lose
// their trailing blanks; a list without a caption label has an empty caption.
std::vector<TypedInput> typedInputs(const WindowDesign& design, const FormState& state);
// "取整数", or "留小数（3位）" with the window's decimal digits.
std::string roundingText(const WindowDesign& design, const FormState& state);
// What a command showed when it refused the inputs: its messages, box texts
// and focus, stopped; the listings and the surface stay as they are. A
// command that ran to its end without a message gives an outcome not stopped.
Outcome rejectionOf(const Outcome& command);

}  // namespace korvel
