#pragma once
// What the fittings' tests share to make a window's state and to read what a
// command did: its listing lines and the primitives of one kind it drew.

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/canvas.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel::testing {

using BoxTexts = std::map<std::string, std::string>;  // by control key

// A window's state as it opens (its design's presets), with the box texts in
// `changes` changed and, when `decimals`, 留小数 picked with the window's
// number of decimals.
inline FormState openedWith(const WindowDesign& design, const BoxTexts& changes = {}, bool decimals = false) {
    FormState s = design.presetState();
    for (const auto& [key, text] : changes) s.texts[key] = text;
    s.decimals = decimals;
    s.digits = decimals ? design.rounding.decimalDigits : 0;
    return s;
}

// openedWith for one window, called as a function:
//   const testing::WindowState state{&elbowDesign};
//   state({{"Text1", "1000"}}, true)
struct WindowState {
    const WindowDesign& (*design)();
    FormState operator()(const BoxTexts& changes = {}, bool decimals = false) const {
        return openedWith(design(), changes, decimals);
    }
};

// The lines a command adds to the listing box `box`, in order.
inline std::vector<std::string> linesOf(const Outcome& out, const std::string& box) {
    std::vector<std::string> lines;
    for (const auto& e : out.effects)
        if (const auto* line = std::get_if<AddListingLine>(&e); line && line->key == box) lines.push_back(line->text);
    return lines;
}

// The primitives of kind T, in drawing order.
template <class T>
std::vector<T> only(const std::vector<Primitive>& primitives) {
    std::vector<T> out;
    for (const auto& p : primitives)
        if (const T* t = std::get_if<T>(&p)) out.push_back(*t);
    return out;
}

// The primitives of kind T a command drew, in drawing order.
template <class T>
std::vector<T> drawnOf(const Outcome& out) {
    std::vector<T> found;
    for (const auto& e : out.effects)
        if (const auto* d = std::get_if<Draw>(&e))
            if (const T* t = std::get_if<T>(&d->primitive)) found.push_back(*t);
    return found;
}

// Where a command placed the line control `key` last; nullptr when it did not.
inline const PlaceLine* placedLine(const Outcome& out, const std::string& key) {
    const PlaceLine* found = nullptr;
    for (const auto& e : out.effects)
        if (const auto* line = std::get_if<PlaceLine>(&e); line && line->key == key) found = line;
    return found;
}

// The controls a command showed ("+Line1") and hid ("-Image1"), in order.
inline std::vector<std::string> visibilityOf(const Outcome& out) {
    std::vector<std::string> found;
    for (const auto& e : out.effects)
        if (const auto* v = std::get_if<SetVisible>(&e)) found.push_back((v->visible ? "+" : "-") + v->key);
    return found;
}

// The captions a command set, as (label key, text), in order.
inline std::vector<std::pair<std::string, std::string>> captionsOf(const Outcome& out) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& e : out.effects)
        if (const auto* c = std::get_if<SetCaption>(&e)) found.emplace_back(c->key, c->text);
    return found;
}

// What a command did, kind by kind in order, a run of one kind written once
// with its count: "clear hide*2 caption*6 font textline*32 arc line*36".
// Drawn primitives go by their own kind.
inline std::string effectKinds(const Outcome& out) {
    static const char* const effects[] = {"message",     "boxtext", "focus",   "clearlisting", "heading", "colour",
                                          "listingline", "caption", "visible", "move",         "place",   "draw"};
    static const char* const primitives[] = {"clear",      "scale", "line", "arc",     "style",
                                             "forecolour", "font",  "text", "textline"};
    static_assert(std::size(effects) == std::variant_size_v<Effect>);
    static_assert(std::size(primitives) == std::variant_size_v<Primitive>);
    std::string kinds, last;
    int run = 0;
    auto flush = [&] {
        if (run == 0) return;
        kinds += (kinds.empty() ? "" : " ") + last + (run > 1 ? "*" + std::to_string(run) : "");
    };
    for (const auto& e : out.effects) {
        std::string kind = effects[e.index()];
        if (const auto* d = std::get_if<Draw>(&e)) kind = primitives[d->primitive.index()];
        if (const auto* v = std::get_if<SetVisible>(&e)) kind = v->visible ? "show" : "hide";
        if (kind == last) {
            ++run;
            continue;
        }
        flush();
        last = kind, run = 1;
    }
    flush();
    return kinds;
}

}  // namespace korvel::testing
