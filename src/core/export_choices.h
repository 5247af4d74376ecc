#pragma once
// What the plater chooses when a pattern is exported, beyond the window's own
// inputs: the surface of the plate the pattern is developed on. Pure C++.

#include <optional>
#include <string>
#include <vector>

namespace korvel {

// The surface of the plate a pattern is developed on. A part rolled or folded
// from a pattern comes out at the size of the surface the pattern was
// developed on, measured where the plate's middle runs.
enum class DevelopedSurface {
    Mean,     // 中性层: the middle of the plate's thickness (what rolling keeps)
    Outside,  // 外表面
    Inside,   // 内表面
    Typed,    // 按输入尺寸: the sizes exactly as typed, as the window lists them
};

// How a branch pipe meets the main pipe (tee, Y-tee). Set-on: the branch
// stands on the main pipe, its inner surface meeting the main pipe's outer
// surface, and the hole in the main pipe is the branch's bore. Set-in: the
// branch enters the hole, its outer surface meeting the main pipe's inner
// surface, and the hole is the branch's outside.
enum class BranchJoint { SetOn, SetIn };

// One place a piece's seam may run, as `seam=KEYWORD` and the export dialog
// name it ("throat", "喉部").
struct SeamPlace {
    std::string keyword;
    std::string name;
};

struct ExportChoices {
    // Unset: the mean surface where the plate's thickness is known, else the
    // sizes as typed.
    std::optional<DevelopedSurface> surface;
    // The plate's thickness, mm, for a window that has no thickness box (or
    // leaves it 0); unset: the window's own, if any.
    std::optional<double> plateThickness;
    // Tee and Y-tee: how the branch meets the main pipe (unset: set-on), and
    // the main pipe's wall thickness, mm (unset: the branch's).
    std::optional<BranchJoint> joint{};
    std::optional<double> mainThickness{};
    // Where the seams run, as `seam=` names it: one of the window's seam
    // places, or for a cone an angle in degrees ("90"); unset: the preset.
    std::optional<std::string> seam{};
};

// The joint's name as the export dialog and files show it: "骑座式（支管骑在主管上）" ...
std::string jointName(BranchJoint joint);
// The joint as `joint=NAME` names it: set-on, set-in; nothing for any other text.
std::optional<BranchJoint> jointFromKeyword(const std::string& keyword);
const char* jointKeyword(BranchJoint joint);

// The surface's name as the export dialogs and files show it: "中性层",
// "外表面", "内表面", "按输入尺寸".
std::string surfaceName(DevelopedSurface surface);

// The surface as `korvel dxf|pdf surface=NAME` names it: mean, outside,
// inside, typed; nothing for any other text.
std::optional<DevelopedSurface> surfaceFromKeyword(const std::string& keyword);
const char* surfaceKeyword(DevelopedSurface surface);

// The plate thickness an export works with, mm: the window's own when it
// gives one (more than 0), else the plater's, else 0 (none known).
double exportThickness(double windowThickness, const ExportChoices& choices);

// The surface an export develops: the plater's choice, else the mean surface
// when a thickness is known (more than 0), else the sizes as typed.
DevelopedSurface chosenSurface(const ExportChoices& choices, double thickness);

// The face of the plate a typed size is measured on: 外径 outside, 内径 and
// 内边长 inside.
enum class MeasuredOn { Outside, Inside };

// A typed size on `surface` (not Typed) for plate thickness t, mm: across a
// part, the mean surface lies t/2 in from each face, so an outside diameter D
// is D - t on the mean surface and D - 2t inside; an inside side a is a + t on
// the mean surface and a + 2t outside.
double sizeOn(DevelopedSurface surface, double typed, MeasuredOn on, double t);

// The line the export shows for one size on `surface` (not Typed):
// "中性层：D = 794 mm（外径 800 − 壁厚 6）"; `what` names the typed size
// ("大端口外径", "矩方口横向内边长").
std::string sizeLine(DevelopedSurface surface, const std::string& symbol, const std::string& what, double typed,
                     MeasuredOn on, double t);

// The diameter of `surface` of a pipe typed by its outside diameter, mm,
// with plate thickness t: mean D - t, outside D, inside D - 2t; as typed, D.
double surfaceDiameter(DevelopedSurface surface, double outside, double t);

// What an export makes of a typed outside diameter, shown before it writes and
// in the title block: "中性层：D = 1110 mm（外径 1120 − 壁厚 10）", with the
// diameter's symbol and its caption ("外径", "支管外径").
std::string developedDiameterLine(DevelopedSurface surface, const std::string& symbol, const std::string& caption,
                                  double outside, double t);

// The title block's surface of a pipe developed by its girth: as typed,
// "管道外壁，按管道外径的圆周 πD 展开"; else the surface's name, its girth and
// `kept`, what stays as the window has it.
std::string pipeSurfaceText(DevelopedSurface surface, const std::string& kept);

// The message that refuses a surface other than the typed sizes chosen with
// no thickness known: "按中性层展开需要板厚，请输入壁厚！".
std::string thicknessMissingMessage(DevelopedSurface surface);

// One line of an export's station table: "  端节：L0 = 423，L1 = 431，…".
// `left` and `right` are a listing's two boxes, the middle station in both.
std::string stationTableLine(const std::string& piece, const std::vector<std::string>& left,
                             const std::vector<std::string>& right);

}  // namespace korvel
