#include "core/named_inputs.h"

#include <algorithm>

#include "core/numbers.h"

namespace korvel {
namespace {

// The seam keywords of a window as --help and the messages name them: "throat|heel|side|alternate".
std::string seamKeywords(const WindowDesign& design) {
    std::string names;
    for (const SeamPlace& place : design.seamPlaces) names += (names.empty() ? "" : "|") + place.keyword;
    if (design.seamAngle) names += std::string(names.empty() ? "" : "|") + "DEGREES";
    return names;
}

constexpr const char* kChoiceNames[] = {"surface", "plate-t", "joint", "main-t", "seam"};

}  // namespace

std::string inputNames(const WindowDesign& design) {
    std::string names;
    for (const auto& in : design.inputs) names += in.symbol + ", ";
    for (const auto& l : design.lists) names += l.symbol + ", ";
    return names + "round";
}

bool picksVariant(const WindowDesign& design, const std::string& name) {
    const ListDesign* list = design.list(name);
    return list != nullptr && !list->optionValues.empty();
}

bool hasInput(const WindowDesign& design, const std::string& name) {
    return name == "round" || design.input(name) != nullptr || design.list(name) != nullptr;
}

std::string applyInput(const WindowDesign& design, const std::string& fitting, FormState& state,
                       const std::string& name, const std::string& value) {
    if (name == "round") {
        if (value != "int" && value != "dec") return "round takes int or dec, got '" + value + "'";
        state.decimals = value == "dec";
        state.digits = state.decimals ? design.rounding.decimalDigits : 0;
        return "";
    }
    if (const InputDesign* in = design.input(name)) {
        state.texts[in->box.key()] = value;
        return "";
    }
    if (const ListDesign* list = design.list(name)) {
        if (list->optionValues.empty()) {
            state.texts[list->box.key()] = value;
            return "";
        }
        for (size_t i = 0; i < list->optionValues.size(); ++i)
            if (list->optionValues[i] == value) {
                state.texts[list->box.key()] = list->items[i];
                // Picking the item does what it does in the window: a variant
                // brings its own presets into the boxes.
                if (list->onChange)
                    for (const auto& effect : list->onChange(state).effects)
                        if (const auto* set = std::get_if<SetBoxText>(&effect)) state.texts[set->key] = set->text;
                return "";
            }
        std::string allowed;
        for (const auto& v : list->optionValues) allowed += (allowed.empty() ? "" : "|") + v;
        return name + " takes " + allowed + ", got '" + value + "'";
    }
    return fitting + " has no input '" + name + "'; its inputs: " + inputNames(design) + " (try korvel --help)";
}

std::string applyInputs(const WindowDesign& design, const std::string& fitting, FormState& state,
                        const std::vector<NamedInput>& inputs) {
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& [name, value] : inputs)
            if (picksVariant(design, name) == (pass == 0))
                if (std::string error = applyInput(design, fitting, state, name, value); !error.empty()) return error;
    return "";
}

std::vector<NamedInput> namedInputs(const WindowDesign& design, const FormState& state) {
    std::vector<NamedInput> named;
    for (const auto& in : design.inputs) named.emplace_back(in.symbol, state.text(in.box.key()));
    for (const auto& l : design.lists) {
        std::string value = state.text(l.box.key());
        for (size_t i = 0; i < l.optionValues.size() && i < l.items.size(); ++i)
            if (l.items[i] == value) value = l.optionValues[i];
        named.emplace_back(l.symbol, value);
    }
    named.emplace_back("round", state.decimals ? "dec" : "int");
    return named;
}

bool readPlateThickness(const std::string& text, std::optional<double>& thickness) {
    thickness.reset();
    if (text.find_first_not_of(" \t") == std::string::npos) return true;
    const LeadingNumber number = readLeadingNumber(text);
    if (!number.whole || number.tooLarge || !(number.value > 0)) return false;
    thickness = number.value;
    return true;
}

bool windowGivesThickness(const WindowDesign& design, const FormState& state) {
    const InputDesign* box = design.input("t");
    return box != nullptr && val(state.text(box->box.key())) > 0;
}

bool isExportChoice(const std::string& name) {
    return std::find(std::begin(kChoiceNames), std::end(kChoiceNames), name) != std::end(kChoiceNames);
}

std::string surfaceKeywords() {
    std::string names;
    for (const DevelopedSurface s :
         {DevelopedSurface::Mean, DevelopedSurface::Outside, DevelopedSurface::Inside, DevelopedSurface::Typed})
        names += (names.empty() ? "" : "|") + std::string(surfaceKeyword(s));
    return names;
}

std::string applyExportChoice(const WindowDesign& design, const std::string& name, const std::string& value,
                              ExportChoices& choices) {
    if (name == "surface") {
        choices.surface = surfaceFromKeyword(value);
        return choices.surface ? "" : "surface takes " + surfaceKeywords() + ", got '" + value + "'";
    }
    if (name == "plate-t") {
        if (!readPlateThickness(value, choices.plateThickness) || !choices.plateThickness)
            return "plate-t takes the plate thickness in mm, a number above 0, got '" + value + "'";
        return "";
    }
    if (name == "seam") {
        if (design.seamPlaces.empty() && !design.seamAngle)
            return "seam= is not a choice of " + design.patternName + ": its seams are fixed";
        const bool named = std::any_of(design.seamPlaces.begin(), design.seamPlaces.end(),
                                       [&](const SeamPlace& place) { return place.keyword == value; });
        if (!named && !(design.seamAngle && !value.empty()))
            return "seam takes " + seamKeywords(design) + " for " + design.patternName + ", got '" + value + "'";
        choices.seam = value;
        return "";
    }
    if (!design.branchJoint)
        return name + "= is for the tee and the Y-tee (a branch on a main pipe), not " + design.patternName;
    if (name == "joint") {
        choices.joint = jointFromKeyword(value);
        return choices.joint ? "" : "joint takes set-on|set-in, got '" + value + "'";
    }
    if (!readPlateThickness(value, choices.mainThickness) || !choices.mainThickness)
        return "main-t takes the main pipe's wall thickness in mm, a number above 0, got '" + value + "'";
    return "";
}

}  // namespace korvel
