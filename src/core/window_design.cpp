#include "core/window_design.h"

#include <algorithm>

namespace korvel {

std::string ControlName::key() const {
    if (index < 0) return name;
    return name + "(" + std::to_string(index) + ")";
}

const std::string& FormState::text(const std::string& key) const {
    static const std::string empty;
    const auto it = texts.find(key);
    return it == texts.end() ? empty : it->second;
}

const InputDesign* WindowDesign::input(const std::string& symbol) const {
    for (const auto& in : inputs)
        if (in.symbol == symbol) return &in;
    return nullptr;
}

const ListDesign* WindowDesign::list(const std::string& symbol) const {
    for (const auto& l : lists)
        if (l.symbol == symbol) return &l;
    return nullptr;
}

const MenuCommand* WindowDesign::command(const std::string& name) const {
    for (const auto& c : menu)
        if (c.name == name) return &c;
    return nullptr;
}

FormState WindowDesign::presetState() const {
    FormState state;
    for (const auto& in : inputs) state.texts[in.box.key()] = in.preset;
    for (const auto& l : lists) state.texts[l.box.key()] = l.preset;
    state.outerWidth = openWidth;
    state.outerHeight = openHeight;
    return state;
}

std::vector<std::string> divisionItems(int from, int to, int step) {
    std::vector<std::string> items;
    for (int v = from; v <= to; v += step) items.push_back(std::to_string(v));
    return items;
}

InputDesign arrayInput(int i, std::string symbol, std::string caption, int captionIndex,
                       std::string unit, int unitIndex, std::string preset) {
    InputDesign in;
    in.box = {"Text1", i};
    in.symbol = std::move(symbol);
    in.caption = {"Label1", captionIndex};
    in.captionText = std::move(caption);
    in.unitLabel = {"Label1", unitIndex};
    in.unitText = std::move(unit);
    in.preset = std::move(preset);
    return in;
}

MenuCommand spacer(std::string caption) { return {"空格", std::move(caption), "", {}}; }

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

}  // namespace

std::vector<TypedInput> typedInputs(const WindowDesign& design, const FormState& state) {
    std::vector<TypedInput> typed;
    for (const auto& in : design.inputs)
        typed.push_back({in.symbol, trimmed(in.captionText), state.text(in.box.key()), in.unitText});
    for (const auto& l : design.lists)
        typed.push_back({l.symbol, trimmed(l.captionText), state.text(l.box.key()), l.unitText});
    return typed;
}

std::string roundingText(const WindowDesign& design, const FormState& state) {
    if (!state.decimals) return "取整数";
    return "留小数（" + std::to_string(design.rounding.decimalDigits) + "位）";
}

Outcome rejectionOf(const Outcome& command) {
    Outcome out;
    for (const Effect& e : command.effects)
        if (std::holds_alternative<ShowMessage>(e) || std::holds_alternative<SetBoxText>(e) ||
            std::holds_alternative<FocusBox>(e))
            out.effect(e);
    const bool showedMessage = std::any_of(command.effects.begin(), command.effects.end(), [](const Effect& e) {
        return std::holds_alternative<ShowMessage>(e);
    });
    out.stopped = command.stopped || showedMessage;
    if (!out.stopped) out.effects.clear();
    return out;
}

}  // namespace korvel
