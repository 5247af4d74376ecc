#include "fitting_fuzz.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/tiled_template.h"
#include "hardening/random_inputs.h"

namespace korvel::fuzz {
namespace {

// The first entry of each table: the window as it opens.
constexpr double kAsOpened = std::numeric_limits<double>::quiet_NaN();

// Outer sizes in twips, from none to absurd.
const std::vector<double> kOuterSizes = {kAsOpened, 0,    1,     15,  0.5, 1e-300, 120,  600,  1500,
                                         4000,      9000, 40000, 1e5, 1e6, 1e9,    1e12, 1e300};

// Remembered scales (the first: nothing remembered): ones a command could
// have left, and values no command gives, which a command must not trust.
const std::vector<double> kScales = {kAsOpened, 1, 0.5, 12, 120, 0, -5, 1e-300, 1e300, 1e9, 0.001, 4.9e-324};

// The choice the control field's character `i` makes among `count`.
std::size_t choice(std::string_view control, std::size_t i, std::size_t count) {
    if (i >= control.size()) return 0;
    const auto c = static_cast<unsigned char>(static_cast<unsigned char>(control[i]) - '0');
    return c % count;
}

// The byte length of a valid UTF-8 sequence at the front of `s`, 0 if none.
std::size_t sequenceLength(std::string_view s) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = at(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;   // overlong
        if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;   // overlong
        if (c == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (s.size() < n || at(1) < low || at(1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((at(k) & 0xC0) != 0x80) return 0;
    return n;
}

[[noreturn]] void fail(const WindowDesign& design, const std::string& what, const FormState& state,
                       const std::vector<std::string>& problems) {
    std::fprintf(stderr, "\n%s %s fails the checks:\n%s  problems:\n", design.objectName.c_str(), what.c_str(),
                 hardening::describe(state).c_str());
    for (const auto& p : problems) std::fprintf(stderr, "    %s\n", p.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace

std::vector<std::string_view> fieldsOf(std::string_view input) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t bar = input.find('|');
        fields.push_back(input.substr(0, bar));
        if (bar == std::string_view::npos) return fields;
        input.remove_prefix(bar + 1);
    }
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t n = sequenceLength(text);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            out += text.substr(0, n);
            text.remove_prefix(n);
        }
    }
    return out;
}

FormState stateOf(const WindowDesign& design, const std::vector<std::string_view>& fields) {
    FormState state = design.presetState();
    const std::string_view control = fields.empty() ? std::string_view() : fields[0];

    state.decimals = choice(control, 1, 2) == 1;
    state.digits = state.decimals ? design.rounding.decimalDigits : 0;
    const double width = kOuterSizes[choice(control, 2, kOuterSizes.size())];
    const double height = kOuterSizes[choice(control, 3, kOuterSizes.size())];
    state.outerWidth = std::isnan(width) ? design.openWidth : width;
    state.outerHeight = std::isnan(height) ? design.openHeight : height;
    const double scale = kScales[choice(control, 4, kScales.size())];
    if (!std::isnan(scale)) state.memory["scale"] = scale;

    std::size_t field = 1;
    for (const auto& input : design.inputs) {
        if (field < fields.size()) state.texts[input.box.key()] = validUtf8(fields[field]);
        ++field;
    }
    for (const auto& list : design.lists) {
        if (field < fields.size()) {
            const std::string_view text = fields[field];
            if (text.size() >= 2 && text[0] == '#' && !list.items.empty()) {
                std::size_t k = 0;
                for (char c : text.substr(1))
                    if (c >= '0' && c <= '9') k = (k * 10 + static_cast<std::size_t>(c - '0')) % 1000003;
                state.texts[list.box.key()] = list.items[k % list.items.size()];
            } else {
                state.texts[list.box.key()] = validUtf8(text);
            }
        }
        ++field;
    }
    return state;
}

void runInput(const std::uint8_t* data, std::size_t size, const std::vector<const WindowDesign*>& windows) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto fields = fieldsOf(input);
    const WindowDesign& design = *windows[choice(fields[0], 0, windows.size())];
    FormState state = stateOf(design, fields);

    for (const auto& list : design.lists) {
        if (!list.onChange) continue;
        const auto problems = hardening::problemsOf(list.onChange(state));
        if (!problems.empty()) fail(design, list.box.key() + " changed", state, problems);
    }
    for (const auto& command : design.menu) {
        if (!command.run) continue;
        const Outcome out = command.run(state);
        auto problems = hardening::problemsOf(out);
        for (auto& p : hardening::memoryProblems(out, state)) problems.push_back(std::move(p));
        if (!problems.empty()) fail(design, command.name, state, problems);
        for (const auto& [key, value] : out.memory) state.memory[key] = value;
    }

    static const hardening::ScratchFolder scratch;
    const auto& papers = paperSizes();
    // Counted from A0: its templates have the fewest pages, and laying out
    // pages costs the most of a run here.
    const auto a0 = static_cast<std::size_t>(
        std::find_if(papers.begin(), papers.end(), [](const PaperSize& p) { return p.name == "A0"; }) - papers.begin());
    const PaperSize& paper = papers[(a0 + choice(fields[0], 5, papers.size())) % papers.size()];
    const auto files = hardening::checkExports(design, state, paper, scratch.file("scratch.dxf"), kPaintedPages);
    if (!files.problems.empty()) fail(design, "file commands on " + paper.name, state, files.problems);
}

}  // namespace korvel::fuzz
