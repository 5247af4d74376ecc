#pragma once
// What the fittings' tests share to make a window's state and to read what a
// command did: its listing lines and the primitives of one kind it drew.

#include <map>
#include <string>
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

}  // namespace korvel::testing
