#include "hardening/random_inputs.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "core/export_range.h"
#include "core/numbers.h"
#include "output/dxf_writer.h"
#include "output/pattern_dxf.h"
#include "output/template_layout.h"
#include "output/template_pdf.h"
#include "ui/surface.h"

namespace korvel::hardening {
namespace {

// Arc angles beyond this many radians are not a drawing but a slip; the
// surface turns them into sixteenths of a degree in an int.
constexpr double kLargestArcAngle = 1e4;

bool finite(double x) { return std::isfinite(x); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The byte length of the UTF-8 sequence at `i`, 0 when it is not one.
size_t utf8Length(const std::string& s, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    size_t n = 0;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0 && c >= 0xC2) n = 2;
    else if ((c & 0xF0) == 0xE0) n = 3;
    else if ((c & 0xF8) == 0xF0 && c <= 0xF4) n = 4;
    else return 0;
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

bool validUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const size_t n = utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `text` holds `word` (lower-case ASCII) in any letter case.
bool containsWord(const std::string& text, const char* word) {
    const size_t n = std::strlen(word);
    for (size_t i = 0; i + n <= text.size(); ++i) {
        size_t k = 0;
        while (k < n && lowerAscii(text[i + k]) == word[k]) ++k;
        if (k == n) return true;
    }
    return false;
}

// The number written at `i` the way numberText writes one: an optional minus,
// digits, an optional fraction and an optional exponent. Its length, or 0.
size_t numberLength(const std::string& s, size_t i) {
    size_t k = i;
    if (k < s.size() && s[k] == '-') ++k;
    const size_t digitsFrom = k;
    while (k < s.size() && isDigit(s[k])) ++k;
    if (k == digitsFrom) return 0;
    if (k < s.size() && s[k] == '.') {
        const size_t fraction = ++k;
        while (k < s.size() && isDigit(s[k])) ++k;
        if (k == fraction) return 0;
    }
    if (k < s.size() && s[k] == 'E') {
        size_t e = k + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        const size_t expDigits = e;
        while (e < s.size() && isDigit(s[e])) ++e;
        if (e == expDigits) return 0;
        k = e;
    }
    return k - i;
}

void addTextProblems(std::vector<std::string>& problems, const std::string& where, const std::string& text) {
    for (const auto& p : textProblems(text)) problems.push_back(where + " " + quoted(text) + ": " + p);
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!finite(v)) return false;
    return true;
}

std::string coordinates(std::initializer_list<double> values) {
    std::ostringstream s;
    s.precision(17);
    s << "(";
    const char* sep = "";
    for (double v : values) {
        s << sep << v;
        sep = ", ";
    }
    s << ")";
    return s.str();
}

// The descriptions are built only for what fails: the checks run on every
// primitive of every record.
struct PrimitiveChecker {
    std::vector<std::string>& problems;

    void notFinite(const char* what, std::initializer_list<double> c) {
        if (!allFinite(c)) problems.push_back(std::string(what) + " " + coordinates(c) + ": not finite");
    }

    void operator()(const ClearOp&) {}
    void operator()(const ScaleOp& op) {
        notFinite("ScaleOp", {op.x1, op.y1, op.x2, op.y2});
        if (op.x1 == op.x2 || op.y1 == op.y2)
            problems.push_back("ScaleOp " + coordinates({op.x1, op.y1, op.x2, op.y2}) + ": empty frame");
    }
    void operator()(const LineOp& op) { notFinite("LineOp", {op.x1, op.y1, op.x2, op.y2}); }
    void operator()(const ArcOp& op) {
        const double start = op.start.value_or(0), end = op.end.value_or(0);
        notFinite("ArcOp", {op.cx, op.cy, op.radius, start, end});
        if (std::fabs(start) > kLargestArcAngle || std::fabs(end) > kLargestArcAngle)
            problems.push_back("ArcOp " + coordinates({op.cx, op.cy, op.radius, start, end}) +
                               ": arc angle out of any sensible range");
    }
    void operator()(const LineStyleOp&) {}
    void operator()(const ForeColourOp&) {}
    void operator()(const FontOp& op) {
        if (!finite(op.points) || op.points <= 0)
            problems.push_back("FontOp " + coordinates({op.points}) + ": bad size");
    }
    void operator()(const TextOp& op) {
        if (!allFinite({op.x, op.y}))
            problems.push_back("TextOp " + quoted(op.text) + " at " + coordinates({op.x, op.y}) + ": not finite");
        addTextProblems(problems, "TextOp", op.text);
    }
    void operator()(const TextLineOp& op) {
        for (const auto& item : op.items) {
            addTextProblems(problems, "TextLineOp item", item.text);
            if (item.column < 0) problems.push_back("TextLineOp item " + quoted(item.text) + ": negative column");
        }
    }
};

struct EffectChecker {
    std::vector<std::string>& problems;

    void operator()(const ShowMessage& e) {
        if (e.text.empty()) problems.push_back("ShowMessage with an empty text");
        addTextProblems(problems, "ShowMessage", e.text);
    }
    void operator()(const SetBoxText& e) { addTextProblems(problems, "SetBoxText " + e.key, e.text); }
    void operator()(const FocusBox&) {}
    void operator()(const ClearListing&) {}
    void operator()(const SetListingHeading& e) { addTextProblems(problems, "SetListingHeading " + e.key, e.text); }
    void operator()(const SetListingColour&) {}
    void operator()(const AddListingLine& e) { addTextProblems(problems, "AddListingLine " + e.key, e.text); }
    void operator()(const SetCaption& e) { addTextProblems(problems, "SetCaption " + e.key, e.text); }
    void operator()(const SetVisible&) {}
    void operator()(const MoveControl& e) {
        if (!allFinite({e.left, e.top}))
            problems.push_back("MoveControl " + e.key + " " + coordinates({e.left, e.top}) + ": not finite");
    }
    void operator()(const PlaceLine& e) {
        if (!allFinite({e.x1, e.y1, e.x2, e.y2}))
            problems.push_back("PlaceLine " + e.key + " " + coordinates({e.x1, e.y1, e.x2, e.y2}) + ": not finite");
    }
    void operator()(const Draw& e) { std::visit(PrimitiveChecker{problems}, e.primitive); }
};

std::string format(double x, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
    return buffer;
}

std::string shortest(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

const std::vector<std::string> kSpecialNumbers = {
    "0", "-0", "0.0", "-0.0", "0e5", "000", "1e300", "-1e300", "1e-300", "-1e-300", "1e308",
    "1.7976931348623157e308", "-1.7976931348623157e308", "4.9e-324", "2.2250738585072014e-308",
    "1e154", "1e155", "-1e154", "1e-154", "1e15", "1e16", "1e-5", "0.0001", "1e-9", "1e9", "-1e9",
    "999999999999999", "0.000000000001", "1", "-1", "0.5", "1e100", "-1e100", "1e200", "1E+308", "1D2",
};

const std::vector<std::string> kAngles = {
    "0",     "90",  "180",   "359.9", "359.89999", "360",  "89.9999999", "90.0000001", "45",
    "1e-7", "179.9999", "180.0001", "270", "720",  "-90",  "1e-10",      "0.001",      "89.99", "359.8",
    "30",   "60",   "120",   "150",   "0.0000001", "-0",   "91",         "181",        "1",
};

const std::vector<std::string> kOddTexts = {
    "", "abc", "1,5", "1e999", "-1e999", "1e-999", "-0", "١٢٣", "１２３", "12abc", " 7 ", "1 200", "&HFFFF",
    "&H7FFF", "&HFFFFFFFF", "&H100000000", "&O777", "&777", "&H", "&", "12\n3", "\n", "Infinity", "-Infinity",
    "inf", "nan", "NaN", "-", "+", ".", "-.", "e5", "1e", "1e+", "1d3", "1D-3", "5mm", "--5", "+-5", ".5", "5.",
    "0x1A", "12\r\n", "\t5\t", "1.2.3", "1e2e3", "3/4", "½", "五", "∞", "－5", "1_000", "1'000", "١٫٥", "0,0001",
    "1e+308", "1E308", "1e309", "7 7 7 7", " ", "\t", "- 5", "1 e 3", "&H 1F", "1e-400", "0.1e-320", "2e-308",
};

// Pieces of random garbage: number characters, separators and a few
// non-ASCII characters a paste may bring along.
const std::vector<std::string> kPieces = {
    "0", "1", "2", "5", "7", "9", ".", "-", "+", "e", "E", "d", "D", "&", "H", "h", "O", "o", " ", ",",
    "\n", "\t", "\r", "x", "a", "F", "١", "５", "。", "，", "mm", "°", "e9", "e99", "e999", "00000",
};

}  // namespace

std::vector<std::string> textProblems(const std::string& text) {
    std::vector<std::string> problems;
    if (!validUtf8(text)) problems.push_back("not valid UTF-8");
    if (text.find("溢出") != std::string::npos) problems.push_back("shows 溢出");
    if (containsWord(text, "nan")) problems.push_back("shows nan");
    if (containsWord(text, "inf")) problems.push_back("shows inf");
    for (size_t at = text.find('='); at != std::string::npos; at = text.find('=', at + 1)) {
        size_t i = at + 1;
        while (i < text.size() && text[i] == ' ') ++i;
        const size_t n = numberLength(text, i);
        if (n == 0) {
            problems.push_back("no number after '='");
            continue;
        }
        if (text.compare(i, n, "-0") == 0) problems.push_back("shows -0");
    }
    return problems;
}

std::vector<std::string> problemsOf(const Outcome& out) {
    std::vector<std::string> problems;
    bool message = false;
    for (const auto& e : out.effects) {
        if (std::holds_alternative<ShowMessage>(e)) message = true;
        std::visit(EffectChecker{problems}, e);
    }
    if (out.stopped && !message) problems.push_back("stopped without a message");
    return problems;
}

std::vector<std::string> memoryProblems(const Outcome& out, const FormState& state) {
    std::vector<std::string> problems;
    for (const auto& [key, value] : out.memory) {
        if (finite(value) && value > 0) continue;
        // A value handed in comes back as it was: the window never holds one
        // that no command remembered.
        const auto given = state.memory.find(key);
        if (given != state.memory.end() && (given->second == value || (std::isnan(value) && std::isnan(given->second))))
            continue;
        problems.push_back("remembers " + key + " = " + shortest(value) + ": not a usable scale");
    }
    return problems;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                    out += hex;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string describe(const FormState& state) {
    std::ostringstream s;
    for (const auto& [key, text] : state.texts) s << "    " << key << " = " << quoted(text) << "\n";
    s << "    decimals = " << (state.decimals ? "true" : "false") << ", digits = " << state.digits << "\n";
    s << "    outerWidth = " << shortest(state.outerWidth) << ", outerHeight = " << shortest(state.outerHeight)
      << "\n";
    for (const auto& [key, value] : state.memory) s << "    memory[" << key << "] = " << shortest(value) << "\n";
    return s.str();
}

RecordMaker::RecordMaker(const WindowDesign& design, std::uint64_t seed) : design_(design), rng_(seed) {}

void RecordMaker::addBoxTexts(const std::string& key, std::vector<std::string> texts) {
    auto& to = extra_[key];
    to.insert(to.end(), texts.begin(), texts.end());
}

double RecordMaker::uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(rng_); }

bool RecordMaker::chance(double p) { return uniform(0, 1) < p; }

template <class T>
const T& RecordMaker::pick(const std::vector<T>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng_)];
}

std::string RecordMaker::boxText(double preset, bool angle) {
    const double r = uniform(0, 1);
    if (r < 0.40) {
        // Plausible: around the preset, or any angle up to a turn and more.
        const double top = angle ? 400.0 : 2.5 * std::max(std::fabs(preset), 100.0);
        double x = uniform(0, top);
        if (chance(0.1)) x = -x;
        return format(x, chance(0.4) ? 0 : static_cast<int>(uniform(1, 5)));
    }
    if (r < 0.55) return angle && chance(0.6) ? pick(kAngles) : pick(kSpecialNumbers);
    if (r < 0.62) {
        // Very long digit strings, whole or fractional.
        const int length = static_cast<int>(uniform(10, 400));
        std::string digits(static_cast<size_t>(length), '0');
        for (char& c : digits) c = static_cast<char>('0' + static_cast<int>(uniform(0, 10)));
        digits[0] = chance(0.5) ? '0' : '9';
        if (chance(0.3)) return "0." + digits;
        if (chance(0.2)) return "-" + digits;
        return digits;
    }
    if (r < 0.85) return pick(kOddTexts);
    // Garbage of number characters and paste debris.
    std::string s;
    const int pieces = static_cast<int>(uniform(0, 10));
    for (int i = 0; i < pieces; ++i) s += pick(kPieces);
    return s;
}

std::string RecordMaker::countText(const std::vector<std::string>& items, bool division) {
    static const std::vector<std::string> kOddCounts = {
        "0", "3", "17", "-8", "1e9", "1", "2", "4", "5", "1004", "-4", "12.5", "12.0", "12abc",
        " 16 ", "", "abc", "1e999", "&H10", "&O20", "16\n", "1e3", "4e2", "100.0000001", "1e-300", "-0", "9999999999",
        "2147483648", "-2147483648", "1e300", "0.5", "3.9999999999999999", "8,0", "８", "Infinity", "nan",
    };
    // The largest counts the commands take, rarely: a thousand divisions
    // cost as much as a few hundred short records.
    if (chance(0.0003)) return chance(0.5) ? "1000" : "996";
    if (items.empty() || chance(0.06)) return pick(kOddCounts);
    if (!division) return pick(items);
    // Mostly the short end of a division list: the long end lists and draws
    // a hundred divisions and costs the most, without other checks to reach.
    const double r = uniform(0, 1);
    if (r < 0.75) return items[0];
    if (r < 0.85 && items.size() > 1) return items[1];
    return pick(items);
}

std::string RecordMaker::choiceText(const std::vector<std::string>& items) {
    if (!items.empty() && chance(0.92)) return pick(items);
    const std::string& item = items.empty() ? std::string() : pick(items);
    switch (static_cast<int>(uniform(0, 5))) {
        case 0: return "";
        case 1: return "abc";
        case 2: return item + " ";
        case 3: return " " + item;
        default: return "north";
    }
}

FormState RecordMaker::next(const std::map<std::string, double>& kept) {
    FormState s = design_.presetState();

    // How wild this record is: the share of boxes given something other than
    // the preset or a plausible value. Mostly tame, so that the records get
    // past the first check and reach the listing and the drawing.
    static const std::vector<double> kWildness = {0.0, 0.05, 0.15, 0.3, 0.6, 1.0};
    const double wild = pick(kWildness);
    for (const auto& in : design_.inputs) {
        const std::string key = in.box.key();
        const bool angle = in.unitText == "°";
        const double preset = val(in.preset);
        if (chance(wild)) {
            const auto extra = extra_.find(key);
            s.texts[key] = extra != extra_.end() && chance(0.25) ? pick(extra->second) : boxText(preset, angle);
        } else if (chance(0.5)) {
            const auto extra = extra_.find(key);
            if (extra != extra_.end() && chance(0.2)) {
                s.texts[key] = pick(extra->second);
            } else {
                const double top = angle ? 180.0 : 2.5 * std::max(std::fabs(preset), 100.0);
                s.texts[key] = format(uniform(0, top), chance(0.5) ? 0 : static_cast<int>(uniform(1, 4)));
            }
        }
    }
    // Boxes that hold the same value or half and double another's: where the
    // checks draw their lines (d = D, R = D / 2, a = A, small = big).
    if (design_.inputs.size() >= 2 && chance(0.2)) {
        const auto& from = pick(design_.inputs).box.key();
        const auto& to = pick(design_.inputs).box.key();
        const double v = val(s.texts[from]);
        const double r = uniform(0, 1);
        s.texts[to] = r < 0.6 ? s.texts[from] : shortest(r < 0.8 ? v / 2 : v * 2);
    }
    for (const auto& l : design_.lists)
        s.texts[l.box.key()] = !l.optionValues.empty() ? choiceText(l.items)
                                                       : countText(l.items, l.symbol == "n" || l.symbol == "N");

    s.decimals = chance(0.5);
    s.digits = s.decimals ? design_.rounding.decimalDigits : 0;

    auto outer = [&](double open) {
        const double r = uniform(0, 1);
        if (r < 0.45) return open;
        if (r < 0.75) return std::round(uniform(1500, 40000));
        if (r < 0.82) return 0.0;
        if (r < 0.91) return pick(std::vector<double>{1, 15, 0.5, 1e-300, 120, 600});
        return pick(std::vector<double>{1e5, 1e6, 1e9, 1e12, 1e300});
    };
    s.outerWidth = outer(design_.openWidth);
    s.outerHeight = outer(design_.openHeight);

    const double m = uniform(0, 1);
    if (m < 0.35) {
        s.memory = kept;
    } else if (m < 0.6) {
        s.memory["scale"] = uniform(0.5, 120);
    } else if (m < 0.7) {
        s.memory["scale"] = pick(std::vector<double>{0, -5, 1e-300, 1e300, 1e9, 0.001, 4.9e-324});
    }
    return s;
}

namespace {

void replayDrawing(const Outcome& out) {
    std::vector<Primitive> primitives;
    for (const auto& e : out.effects)
        if (const auto* d = std::get_if<Draw>(&e)) primitives.push_back(d->primitive);
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    replay(painter, primitives, QSizeF(image.size()), kBlack);
}

// Whether a drawing reaches far beyond any window: such coordinates are
// replayed whenever they come, not only as a sample.
bool extreme(const Outcome& out) {
    constexpr double kFar = 1e7;
    auto far = [&](std::initializer_list<double> values) {
        for (double v : values)
            if (std::fabs(v) > kFar) return true;
        return false;
    };
    for (const auto& e : out.effects) {
        const auto* d = std::get_if<Draw>(&e);
        if (d == nullptr) continue;
        if (const auto* l = std::get_if<LineOp>(&d->primitive); l && far({l->x1, l->y1, l->x2, l->y2})) return true;
        if (const auto* a = std::get_if<ArcOp>(&d->primitive); a && far({a->cx, a->cy, a->radius})) return true;
        if (const auto* t = std::get_if<TextOp>(&d->primitive); t && far({t->x, t->y})) return true;
    }
    return false;
}

bool draws(const Outcome& out) {
    for (const auto& e : out.effects)
        if (const auto* d = std::get_if<Draw>(&e); d && !std::holds_alternative<ClearOp>(d->primitive)) return true;
    return false;
}

// What kind of problem a line describes: its first word (the effect or
// primitive) and what is wrong, without the numbers and texts in between.
std::string kindOf(const std::string& problem) {
    const size_t word = problem.find(' ');
    const size_t what = problem.rfind(": ");
    return problem.substr(0, word) + " ... " + (what == std::string::npos ? problem : problem.substr(what + 2));
}

// One record's failure: printed in full for the first record of each kind of
// problem, counted for the rest.
void report(RunSummary& summary, const std::string& what, int record, const FormState& state,
            const std::vector<std::string>& problems) {
    ++summary.failures;
    bool first = false;
    for (const auto& p : problems) {
        const std::string kind = what + ": " + kindOf(p);
        if (summary.failureKinds[kind]++ == 0) first = true;
    }
    if (!first || summary.failureKinds.size() > 24) return;
    std::ostringstream s;
    s << what << ", record " << record << ":\n" << describe(state) << "  problems:\n";
    size_t shown = 0;
    for (const auto& p : problems) {
        if (++shown > 12) {
            s << "    ... " << problems.size() - 12 << " more\n";
            break;
        }
        s << "    " << p << "\n";
    }
    ADD_FAILURE() << s.str();
}

// Longer or different runs by hand: KORVEL_RANDOM_RECORDS sets the number of
// records, KORVEL_RANDOM_SEED is added to every seed.
RunPlan fromEnvironment(RunPlan plan) {
    if (const char* records = std::getenv("KORVEL_RANDOM_RECORDS"); records != nullptr && *records != '\0')
        plan.records = std::atoi(records);
    if (const char* seed = std::getenv("KORVEL_RANDOM_SEED"); seed != nullptr && *seed != '\0')
        plan.seed += std::strtoull(seed, nullptr, 0);
    return plan;
}

std::string hex(std::uint64_t seed) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%016llX", static_cast<unsigned long long>(seed));
    return buffer;
}

void printSummary(const std::string& what, const RunSummary& summary) {
    std::ostringstream s;
    s << "[ randomized ] " << what << ": " << summary.records << " records in " << summary.seconds << " s; "
      << summary.stopped << " stopped, " << summary.drawn << " drawn, " << summary.replayed << " replayed";
    if (summary.wentOnAfterMessage > 0) s << ", " << summary.wentOnAfterMessage << " went on after a message";
    if (summary.slowestRecord >= 0)
        s << "; slowest record " << summary.slowestRecord << " " << summary.slowestSeconds * 1000 << " ms";
    for (const auto& [name, count] : summary.byCommand) {
        const auto done = summary.completed.find(name);
        s << "; " << name << " " << count << " (" << (done == summary.completed.end() ? 0 : done->second)
          << " to the end)";
    }
    for (const auto& [kind, count] : summary.failureKinds) s << "\n    failing: " << kind << " (" << count << " times)";
    std::printf("%s\n", s.str().c_str());
}

}  // namespace

RunSummary runCommands(const RunPlan& given) {
    const RunPlan plan = fromEnvironment(given);
    const WindowDesign& design = *plan.design;
    std::vector<const MenuCommand*> commands;
    std::vector<double> weights;
    for (const auto& c : design.menu)
        if (c.run) {
            commands.push_back(&c);
            const auto w = plan.weights.find(c.name);
            weights.push_back(w == plan.weights.end() ? 1.0 : w->second);
        }
    RunSummary summary;
    if (commands.empty()) {
        ADD_FAILURE() << design.objectName << " has no command to run";
        return summary;
    }

    std::discrete_distribution<size_t> pickCommand(weights.begin(), weights.end());
    RecordMaker maker(design, plan.seed);
    for (const auto& [key, texts] : plan.boxTexts) maker.addBoxTexts(key, texts);
    std::map<std::string, double> kept;
    // Far-reaching drawings replayed besides the sample, at most this many.
    constexpr int kFarReplays = 400;
    int farReplays = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < plan.records; ++i) {
        const FormState state = maker.next(kept);
        const MenuCommand& command = *commands[pickCommand(maker.rng())];
        const auto started = std::chrono::steady_clock::now();
        const Outcome out = command.run(state);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (took > summary.slowestSeconds) {
            summary.slowestSeconds = took;
            summary.slowestRecord = i;
        }
        ++summary.records;
        ++summary.byCommand[command.name];
        if (out.stopped) ++summary.stopped;
        std::vector<std::string> problems = problemsOf(out);
        for (auto& p : memoryProblems(out, state)) problems.push_back(std::move(p));
        if (!problems.empty()) {
            report(summary, design.objectName + " " + command.name, i, state, problems);
            continue;
        }
        for (const auto& [key, value] : out.memory) kept[key] = value;
        if (out.stopped) continue;
        ++summary.completed[command.name];
        for (const auto& e : out.effects)
            if (std::holds_alternative<ShowMessage>(e)) {
                ++summary.wentOnAfterMessage;
                break;
            }
        if (draws(out)) {
            ++summary.drawn;
            if (plan.replayEvery > 0 &&
                (summary.drawn % plan.replayEvery == 0 || (farReplays < kFarReplays && extreme(out)))) {
                if (summary.drawn % plan.replayEvery != 0) ++farReplays;
                replayDrawing(out);
                ++summary.replayed;
            }
        }
    }
    summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    printSummary(design.objectName + " commands, seed " + hex(plan.seed), summary);
    return summary;
}

namespace {

// Whether `refusal` is the template's own: too many pages for the paper.
bool refusedForPages(const Outcome& refusal) {
    // Too many pages, or too wide for the roll.
    const std::string limit = "超过 " + std::to_string(kMaxTemplatePages) + " 页";
    for (const auto& e : refusal.effects)
        if (const auto* m = std::get_if<ShowMessage>(&e);
            m && (m->text.find(limit) != std::string::npos || m->text.find("卷筒纸的可打印宽度") != std::string::npos))
            return true;
    return false;
}

// The pages a PDF file holds: its page objects.
int pdfPages(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page\n"); at >= 0; at = pdf.indexOf("/Type /Page\n", at + 1)) ++pages;
    return pages;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    std::error_code error;
    const bool memory = std::filesystem::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0;
    std::string pattern = (memory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
                          "korvel-scratch-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder at " + pattern);
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

ExportCheck checkExports(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                         const std::string& scratch, int paintUpTo) {
    ExportCheck check;
    auto problem = [&](const std::string& command, const std::string& what) {
        check.problems.push_back(command + ": " + what);
    };
    auto refused = [&](const std::string& command, const Outcome& refusal) {
        if (!refusal.stopped) problem(command, "refused without stopping");
        for (const auto& p : problemsOf(refusal)) problem(command, p);
    };
    // The file commands let nothing they throw reach the window but
    // SaveError, and that only when the file cannot be written: the scratch
    // folder always can.
    auto guarded = [&](const std::string& command, const std::function<void()>& run) {
        try {
            run();
        } catch (const std::exception& e) {
            problem(command, std::string("threw: ") + e.what());
        }
    };

    // The template carries the pattern it was made of, exportedPattern's as
    // the DXF takes it: computed once for both files. Only a template
    // refused for its pages leaves the pattern to be computed again.
    guarded("打印1:1样板", [&] {
        const PrintedTemplate t = makeTemplate(design, state, paper);
        if (t.rejected()) {
            refused("打印1:1样板", t.rejection);
            if (!refusedForPages(t.rejection)) {
                if (!t.pattern.rejected()) problem("打印1:1样板", "refused a pattern the DXF takes, not for its pages");
                return;
            }
            guarded("导出展开图", [&] {
                const PatternExport e = exportedPattern(design, state);
                if (e.rejected()) {
                    refused("导出展开图", e.rejection);
                    problem("打印1:1样板", "refused for its pages a pattern the DXF refuses");
                    return;
                }
                cad::savePatternDxf(e, scratch);
                check.patternWritten = true;
            });
            return;
        }
        guarded("导出展开图", [&] {
            cad::savePatternDxf(t.pattern, scratch);
            check.patternWritten = true;
        });
        const int pages = t.pageCount();
        // A roll's one page holds the information and the whole pattern.
        if (pages < (paper.roll ? 1 : 2) || pages > kMaxTemplatePages)
            problem("打印1:1样板", std::to_string(pages) + " pages: not an information page and 1 to " +
                                    std::to_string(kMaxTemplatePages) + " of the template");
        check.templatePages = pages;
        if (pages > paintUpTo) return;
        const QByteArray pdf = templatePdf(t);
        check.painted = true;
        if (!pdf.startsWith("%PDF-") || !pdf.right(16).contains("%%EOF"))
            problem("打印1:1样板", "not a whole PDF file");
        if (pdfPages(pdf) != pages)
            problem("打印1:1样板", "a file of " + std::to_string(pdfPages(pdf)) + " pages for a template of " +
                                    std::to_string(pages));
    });
    if (design.cad.draw)
        guarded("cad", [&] {
            if (const auto refusal = cad::saveCadDrawing(design.cad, state, scratch)) refused("cad", *refusal);
            else check.cadWritten = true;
        });
    return check;
}

RunSummary runExports(const WindowDesign& design, std::uint64_t givenSeed, int givenRecords,
                      const std::string& scratch) {
    RunPlan given;
    given.seed = givenSeed;
    given.records = givenRecords;
    const RunPlan plan = fromEnvironment(given);
    // Painting a page costs 2 to 5 ms, a template of the presets a few
    // hundred pages: every template is laid out, tiled and counted, the
    // small ones are painted, the larger ones only until the run has painted
    // this many pages.
    constexpr int kAlwaysPainted = 4;
    constexpr long long kPaintedPagesOfLarger = 300;
    long long paintedLarger = 0;
    RunSummary summary;
    RecordMaker maker(design, plan.seed);
    const auto& papers = paperSizes();
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < plan.records; ++i) {
        const FormState state = maker.next();
        const PaperSize& paper = papers[std::uniform_int_distribution<size_t>(0, papers.size() - 1)(maker.rng())];
        const auto started = std::chrono::steady_clock::now();
        const int paintUpTo = std::max<long long>(kAlwaysPainted, kPaintedPagesOfLarger - paintedLarger);
        const ExportCheck check = checkExports(design, state, paper, scratch, static_cast<int>(paintUpTo));
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (took > summary.slowestSeconds) {
            summary.slowestSeconds = took;
            summary.slowestRecord = i;
        }
        ++summary.records;
        summary.patterns += check.patternWritten ? 1 : 0;
        summary.cadDrawings += check.cadWritten ? 1 : 0;
        if (check.painted) {
            ++summary.templates;
            summary.templatePages += check.templatePages;
            if (check.templatePages > kAlwaysPainted) paintedLarger += check.templatePages;
        }
        if (!check.problems.empty())
            report(summary, design.objectName + " files on " + paper.name, i, state, check.problems);
    }
    summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("[ randomized ] %s files, seed %s: %d records in %g s; %d flat patterns and %d CAD drawings "
                "written, %d templates of %lld pages painted; slowest record %d %g ms\n",
                design.objectName.c_str(), hex(plan.seed).c_str(), summary.records, summary.seconds, summary.patterns,
                summary.cadDrawings, summary.templates, summary.templatePages, summary.slowestRecord,
                summary.slowestSeconds * 1000);
    for (const auto& [kind, count] : summary.failureKinds) std::printf("    failing: %s (%d times)\n", kind.c_str(), count);
    return summary;
}

RunSummary runListChanges(const WindowDesign& design, std::uint64_t givenSeed, int givenRecords) {
    RunPlan given;
    given.seed = givenSeed;
    given.records = givenRecords;
    const RunPlan env = fromEnvironment(given);
    const std::uint64_t seed = env.seed;
    const int records = env.records;
    RunSummary summary;
    RecordMaker maker(design, seed);
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < records; ++i) {
        const FormState state = maker.next();
        for (const auto& l : design.lists) {
            if (!l.onChange) continue;
            const Outcome out = l.onChange(state);
            ++summary.records;
            ++summary.byCommand[l.box.key()];
            if (out.stopped) ++summary.stopped;
            else ++summary.completed[l.box.key()];
            const std::vector<std::string> problems = problemsOf(out);
            if (!problems.empty())
                report(summary, design.objectName + " " + l.box.key() + " changed", i, state, problems);
        }
    }
    summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    printSummary(design.objectName + " list changes, seed " + hex(seed), summary);
    return summary;
}

void expectSound(const RunSummary& s, const std::map<std::string, int>& completedMoreThan) {
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 100000);
    for (const auto& [name, least] : completedMoreThan) EXPECT_GT(s.completedOf(name), least) << name;
    EXPECT_GT(s.replayed, 100);
}

void expectListChangesSound(std::initializer_list<const WindowDesign*> designs, std::uint64_t seed) {
    for (const WindowDesign* design : designs) {
        const RunSummary s = runListChanges(*design, seed, 20000);
        EXPECT_EQ(s.failures, 0) << design->objectName;
        EXPECT_GE(s.records, 20000) << design->objectName;
        EXPECT_EQ(s.stopped, 0) << design->objectName;
    }
}

namespace {

// Filled while the test files' globals are made, before main.
std::vector<const WindowDesign& (*)()>& coveredDesigns() {
    static std::vector<const WindowDesign& (*)()> designs;
    return designs;
}

}  // namespace

bool coverWindows(std::initializer_list<const WindowDesign& (*)()> designs) {
    coveredDesigns().insert(coveredDesigns().end(), designs);
    return true;
}

std::set<const WindowDesign*> coveredWindows() {
    std::set<const WindowDesign*> covered;
    for (const auto design : coveredDesigns()) covered.insert(&design());
    return covered;
}

}  // namespace korvel::hardening
