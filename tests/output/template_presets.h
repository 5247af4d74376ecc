#pragma once
// The templates of the windows' presets, by the FITTING names the command line
// knows them by, for the tests of the template's layout, listing and file.

#include <map>
#include <stdexcept>
#include <string>

#include "core/catalogue.h"
#include "output/template_layout.h"

namespace korvel {

inline const WindowDesign& designOf(const std::string& patternName) {
    for (const auto& entry : fittingEntries())
        if (entry.design().patternName == patternName) return entry.design();
    throw std::runtime_error("no window for " + patternName);
}

inline PrintedTemplate presetTemplate(const std::string& fitting, const std::string& paper,
                                      const std::map<std::string, std::string>& texts = {},
                                      const TemplatePlacing& placing = {}) {
    const WindowDesign& design = designOf(fitting);
    FormState state = design.presetState();
    for (const auto& [key, text] : texts) state.texts[key] = text;
    return makeTemplate(design, state, *paperSize(paper), {}, {}, placing);
}

}  // namespace korvel
