#pragma once
// What a file may hold: the one range check every flat pattern and every CAD
// drawing passes before a file is opened for it. A cutting table or a sheet of
// paper holds nothing a kilometre long, and a piece with no area cannot be
// cut; inputs that give such a drawing are refused in the window's words, as
// its own checks refuse. Pure C++: no Qt.

#include <memory>
#include <optional>

#include "core/cad/dxf_document.h"
#include "core/flat_pattern.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// No coordinate, text height or measurement of an exported drawing lies
// further than this from 0, mm (a kilometre).
inline constexpr double kMaxExportCoordinate = 1e6;
// A piece of less area than this, mm² (a square micrometre), has none.
inline constexpr double kMinPieceArea = 1e-6;
// A CAD drawing narrower or lower than this, mm (a micrometre), draws nothing.
inline constexpr double kMinDrawingSize = 1e-3;

// The refusal of a pattern that a file cannot hold: a non-finite number, a
// coordinate beyond kMaxExportCoordinate (outlines, marks, labels) or a piece
// without area; nothing when it passes.
std::optional<Outcome> patternRangeRefusal(const FlatPattern& pattern);

// The same for a CAD drawing: its entities, texts and dimensions (what each
// dimension draws included), and a drawing without width or height.
std::optional<Outcome> drawingRangeRefusal(const cad::DxfDocument& document);

// The window's flat pattern of `state` as every writer takes it (导出展开图,
// 打印1:1样板, `korvel dxf|pdf`): the design's pattern, or its refusal, or the
// range refusal, developed as `choices` say.
PatternExport exportedPattern(const WindowDesign& design, const FormState& state, const ExportChoices& choices = {});

// The window's CAD drawing of `state` drawn in memory, as the cad command and
// `korvel cad` write it: the drawing's own refusal or the range refusal, or
// the drawing. Lets what the drawing throws pass.
struct DrawnCad {
    std::optional<Outcome> refusal;
    std::unique_ptr<cad::DxfApplication> app;  // set when not refused
};
DrawnCad drawCad(const CadDrawing& drawing, const FormState& state);

}  // namespace korvel
