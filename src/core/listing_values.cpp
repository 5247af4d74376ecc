#include "core/listing_values.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <regex>

namespace korvel {
namespace {

// NAME, the number as JSON writes numbers (no leading '+' or zeros, digits
// both sides of the point), then a unit that is not the next NAME (in
// "L0=200 L1=300" L1 is no unit of 200); the value ends where a word ends
// ("1e5" or "12.5abc" is none).
const std::regex& pairPattern() {
    static const std::regex pattern(
        R"(([^\s=]+)\s*=\s*(-?(?:0|[1-9][0-9]*)(?:\.[0-9]+)?)(?:\s?(°|[A-Za-z]+(?:²|³)?)(?![\w.=]))?(?![\w.]))");
    return pattern;
}

// The number of a box text as a JSON number, or nothing.
std::string plainNumber(const std::string& text) {
    static const std::regex number(R"(-?(?:0|[1-9][0-9]*)(?:\.[0-9]+)?)");
    return std::regex_match(text, number) ? text : std::string();
}

std::string placeOf(const WindowDesign& design, const std::string& key) {
    for (size_t i = 0; i < design.listingBoxes.size(); ++i)
        if (design.listingBoxes[i].key() == key) return i == 0 ? "left" : "right";
    return "caption";
}

// The symbol and unit of the input or list whose box is `key`.
std::pair<std::string, std::string> inputNamed(const WindowDesign& design, const std::string& key) {
    for (const auto& in : design.inputs)
        if (in.box.key() == key) return {in.symbol, in.unitText};
    for (const auto& l : design.lists)
        if (l.box.key() == key) return {l.symbol, l.unitText};
    return {key, ""};
}

void addText(MachineListing& listing, const std::string& place, const std::string& key, const std::string& shownText,
             const char* kind = "line") {
    // A label emptied shows nothing; the blanks that place a text in its box
    // or column are no part of it.
    const size_t first = shownText.find_first_not_of(' ');
    if (first == std::string::npos) return;
    const std::string text = shownText.substr(first, shownText.find_last_not_of(' ') + 1 - first);
    const std::vector<NamedValue> values = std::string(kind) == "line" ? namedValues(text) : std::vector<NamedValue>{};
    if (values.empty()) listing.rows.push_back({kind, place, key, "", "", "", text});
    for (const NamedValue& v : values) listing.rows.push_back({"value", place, key, v.name, v.number, v.unit, text});
}

// A JSON string: quotes and backslashes escaped, control characters by
// their short names or as \u00XX; UTF-8 passes as it is.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
        } else if (const char* name = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr) {
            out += name;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + '"';
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string tsvField(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

}  // namespace

std::vector<NamedValue> namedValues(std::string_view text) {
    std::vector<NamedValue> values;
    const std::string s(text);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), pairPattern()); it != std::sregex_iterator(); ++it)
        values.push_back({(*it)[1].str(), (*it)[2].str(), (*it)[3].str()});
    return values;
}

const char* statusWord(ListingStatus status) {
    switch (status) {
        case ListingStatus::Refused: return "refused";
        case ListingStatus::Reset: return "reset";
        case ListingStatus::Done: break;
    }
    return "done";
}

MachineListing machineListing(const Outcome& outcome, const WindowDesign& design, const FormState& typed,
                              std::string fitting, std::string command, const std::string& untitled) {
    MachineListing listing{std::move(fitting), std::move(command), ListingStatus::Done, {}};
    // A refusal empties or focuses the box it names; a command that runs on
    // puts its presets into the boxes it would not take (the tee), which is
    // the only box text a compute command sets.
    std::vector<std::string> named;  // box keys, first named first
    std::map<std::string, std::string> after;
    bool setBox = false;
    for (const Effect& e : outcome.effects) {
        std::string key;
        if (const auto* set = std::get_if<SetBoxText>(&e)) {
            key = set->key;
            after[key] = set->text;
            setBox = true;
        } else if (const auto* focus = std::get_if<FocusBox>(&e)) {
            key = focus->key;
        }
        if (!key.empty() && std::find(named.begin(), named.end(), key) == named.end()) named.push_back(key);
    }
    listing.status = outcome.stopped ? ListingStatus::Refused : setBox ? ListingStatus::Reset : ListingStatus::Done;
    if (listing.status != ListingStatus::Done)
        for (const std::string& key : named) {
            const auto [symbol, unit] = inputNamed(design, key);
            const auto set = after.find(key);
            const std::string text = set != after.end() ? set->second : typed.text(key);
            const std::string number = plainNumber(text);
            listing.rows.push_back({"input", "", key, symbol, number, number.empty() ? "" : unit, text});
        }
    for (const Effect& e : outcome.effects) {
        if (const auto* message = std::get_if<ShowMessage>(&e)) {
            listing.rows.push_back({"message", "", "", message->title.empty() ? untitled : message->title, "", "",
                                    message->text});
        } else if (const auto* heading = std::get_if<SetListingHeading>(&e)) {
            addText(listing, placeOf(design, heading->key), heading->key, heading->text, "heading");
        } else if (const auto* line = std::get_if<AddListingLine>(&e)) {
            addText(listing, placeOf(design, line->key), line->key, line->text);
        } else if (const auto* caption = std::get_if<SetCaption>(&e)) {
            addText(listing, "caption", caption->key, caption->text);
        } else if (const auto* draw = std::get_if<Draw>(&e)) {
            if (const auto* printed = std::get_if<TextLineOp>(&draw->primitive))
                for (const TextItem& item : printed->items) addText(listing, "surface", "surface", item.text);
        }
    }
    return listing;
}

void writeJson(const MachineListing& listing, std::ostream& out) {
    out << "{\"fitting\":" << jsonString(listing.fitting) << ",\"command\":" << jsonString(listing.command)
        << ",\"status\":\"" << statusWord(listing.status) << '"';
    // One array per kind, each row with the fields that kind has.
    for (const char* kind : {"input", "message", "value", "heading", "line"}) {
        const std::string k = kind;
        out << ",\"" << (k == "input" ? "inputs" : k == "message" ? "messages" : k + "s") << "\":[";
        bool first = true;
        for (const ListingRow& row : listing.rows) {
            if (row.kind != k) continue;
            out << (first ? "{" : ",{");
            first = false;
            if (k == "message") {
                out << "\"title\":" << jsonString(row.name) << ",\"text\":" << jsonString(row.text) << '}';
                continue;
            }
            if (k == "input") {
                out << "\"name\":" << jsonString(row.name) << ",\"key\":" << jsonString(row.key)
                    << ",\"value\":" << (row.number.empty() ? "null" : row.number)
                    << ",\"unit\":" << jsonString(row.unit) << ",\"text\":" << jsonString(row.text) << '}';
                continue;
            }
            out << "\"list\":" << jsonString(row.place) << ",\"key\":" << jsonString(row.key);
            if (k == "value")
                out << ",\"name\":" << jsonString(row.name) << ",\"value\":" << row.number
                    << ",\"unit\":" << jsonString(row.unit);
            out << ",\"text\":" << jsonString(row.text) << '}';
        }
        out << ']';
    }
    out << "}\n";
}

void writeSeparated(const MachineListing& listing, char separator, std::ostream& out) {
    const bool csv = separator == ',';
    const char* end = csv ? "\r\n" : "\n";
    const auto field = [csv](const std::string& text) { return csv ? csvField(text) : tsvField(text); };
    const auto row = [&](const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) out << (i == 0 ? "" : std::string(1, separator)) << field(fields[i]);
        out << end;
    };
    row({"kind", "list", "name", "value", "unit", "text"});
    row({"status", "", statusWord(listing.status), "", "", ""});
    for (const ListingRow& r : listing.rows) row({r.kind, r.place, r.name, r.number, r.unit, r.text});
}

}  // namespace korvel
