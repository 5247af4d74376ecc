#include "core/fittings/reducing_elbow/reducing_elbow_commands.h"

#include <cmath>
#include <string>

#include "core/checks.h"
#include "core/fittings/reducing_elbow/reducing_elbow_drawing.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kLeftBox = "Combo3";
constexpr const char* kRightBox = "Combo4";
constexpr const char* kSummary = "Label1(20)";
constexpr const char* kTitle = "Label1(21)";

std::string box(int i) { return "Text1(" + std::to_string(i) + ")"; }

// An error box that empties `key` and gives it the focus.
Outcome boxRefusal(const std::string& message, const std::string& key) { return refusal(message, key, key); }

enum class Drawing { Elevation, Pieces };

void clearListings(Outcome& out) {
    out.effect(ClearListing{kLeftBox});
    out.effect(ClearListing{kRightBox});
}

// Every segment in turn: its generators on the left, its chords on the right.
void showListing(Outcome& out, const ReducingElbowGeometry& g) {
    out.effect(SetListingColour{kLeftBox, kBlack});
    out.effect(SetListingColour{kRightBox, rgb(0, 0, 192)});
    out.effect(SetListingHeading{kLeftBox, "各节素线实长"});
    out.effect(SetListingHeading{kRightBox, "各节下口a上口b弦长"});
    for (const ElbowSegment& seg : g.segments) {
        const SegmentListing listing = segmentListing(g, seg);
        out.effect(AddListingLine{kLeftBox, listing.heading});
        out.effect(AddListingLine{kRightBox, listing.heading});
        for (const auto& line : listing.generators) out.effect(AddListingLine{kLeftBox, line});
        for (const auto& line : listing.chords) out.effect(AddListingLine{kRightBox, line});
    }
}

// The steel weight, kg: on the wall's mean surface, where the plate's metal
// lies; 0 without a wall.
double weightOf(const ReducingElbowGeometry& g) {
    if (!(g.in.t > 0)) return 0;
    ReducingElbowInputs mean = g.in;
    mean.D1 -= g.in.t;
    mean.D2 -= g.in.t;
    mean.t = 0;
    const ReducingElbowGeometry onMean = computeReducingElbow(mean);
    return onMean.fault == ReducingElbowFault::None ? reducingElbowWeight(onMean, g.in.t) : 0;
}

std::string summary(const ReducingElbowGeometry& g, double weight) {
    const int digits = g.in.digits;
    return "进口周长 = " + roundedText(g.pi * g.in.D1, digits) + " mm   出口周长 = " +
           roundedText(g.pi * g.in.D2, digits) + " mm   弯头重量 = " + roundedText(weight, digits) + " kg";
}

Outcome command(const FormState& state, Drawing drawing) {
    Outcome out;
    out.clear();
    clearListings(out);
    out.effect(SetCaption{kSummary, ""});
    out.effect(SetCaption{kTitle, ""});
    if (const auto refused = checkReducingElbow(state)) return stop(out, *refused);
    const ReducingElbowInputs in = readReducingElbowInputs(state);
    const ReducingElbowGeometry g = computeReducingElbow(in);
    if (const auto refused = faultRefusal(g.fault, in)) return stop(out, *refused);
    const double weight = weightOf(g);
    if (!std::isfinite(weight)) return stop(out, *faultRefusal(ReducingElbowFault::OutOfRange, in));

    showListing(out, g);
    const TwipsBox area = reducingElbowDrawingBox(state.outerWidth, state.outerHeight);
    if (drawing == Drawing::Elevation) drawReducingElbowElevation(g, area, out);
    else drawReducingElbowPieces(g, area, out);
    out.effect(SetCaption{kSummary, summary(g, weight)});
    out.effect(MoveControl{kSummary, area.left, area.bottom + 300});
    out.effect(SetCaption{kTitle, drawing == Drawing::Elevation ? "变径弯头立面（弯曲平面）" : "变径弯头各节展开图"});
    out.effect(MoveControl{kTitle, area.left, 120});
    return out;
}

}  // namespace

ReducingElbowInputs readReducingElbowInputs(const FormState& state) {
    ReducingElbowInputs in;
    in.D1 = val(state.text(box(0)));
    in.D2 = val(state.text(box(1)));
    in.R = val(state.text(box(2)));
    in.alpha = val(state.text(box(3)));
    in.t = val(state.text(box(4)));
    in.k = wholeNumber(state.text("Combo2"));
    in.n = wholeNumber(state.text("Combo1"));
    in.digits = state.digits;
    return in;
}

std::optional<Outcome> checkReducingElbow(const FormState& state) {
    const char* empty[] = {"进口外径不能为空！", "出口外径不能为空！", "弯曲半径不能为空！", "弯曲角度不能为空！"};
    for (int i = 0; i < 5; ++i) {
        const std::string& text = state.text(box(i));
        if (i < 4 && text.empty()) return refusal(empty[i], "", box(i));
        if (tooLarge(text)) return boxRefusal(kTooLarge, box(i));
    }
    return std::nullopt;
}

std::optional<Outcome> faultRefusal(ReducingElbowFault fault, const ReducingElbowInputs& in) {
    switch (fault) {
        case ReducingElbowFault::None:
            break;
        case ReducingElbowFault::Diameter:
            return in.D1 > 0 ? boxRefusal("出口外径必须大于零！", box(1)) : boxRefusal("进口外径必须大于零！", box(0));
        case ReducingElbowFault::Radius:
            return boxRefusal("弯曲半径必须大于较大管口外径的一半，否则弯头内侧（喉部）折叠！", box(2));
        case ReducingElbowFault::BendAngle:
            return boxRefusal("请输入正确的弯曲角度“>0-≤180”之间！", box(3));
        case ReducingElbowFault::Thickness:
            return boxRefusal("管道壁厚不能小于零，且必须小于较小管口外径的一半！", box(4));
        case ReducingElbowFault::Segments:
            return refusal("弯头节数必须是2～20的整数！", "", "Combo2");
        case ReducingElbowFault::Divisions:
            return refusal("等份数必须是4的倍数（8～100）！", "", "Combo1");
        case ReducingElbowFault::BendTooSharp:
            return boxRefusal("弯曲角度过大：端节角度必须小于90°！", box(3));
        case ReducingElbowFault::ThroatFolds:
            return refusal("两管口直径相差过大，弯头内侧（喉部）素线长度为零或折叠！\n"
                           "请加大弯曲半径或弯曲角度，或减少节数。",
                           "", box(2));
        case ReducingElbowFault::OutOfRange:
            return refusal(kOutOfRange, "", "");
    }
    return std::nullopt;
}

Outcome reducingElbowCompute(const FormState& state) { return command(state, Drawing::Elevation); }

Outcome reducingElbowPieces(const FormState& state) { return command(state, Drawing::Pieces); }

}  // namespace korvel
