#pragma once
// What `korvel list FITTING ... --format tsv|csv|json` prints for scripts: a
// command's outcome read as named values (`L0 = 450`, `h1=1077`,
// `展开扇形夹角 = 160.997°` give L0, h1 and 展开扇形夹角 with their numbers and
// units), the other texts as lines, the messages, and whether a check refused
// the inputs or put other texts into the boxes.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// One NAME=VALUE of a shown text; the number exactly as shown ("160.997"),
// which is also a JSON number, and its unit ("mm", "kg", "°") or nothing.
struct NamedValue {
    std::string name;
    std::string number;
    std::string unit;
    bool operator==(const NamedValue&) const = default;
};

// Every NAME=VALUE, NAME = VALUE or NAME = VALUE UNIT in `text`, in order
// ("管道周长 = 3519 mm   弯头重量 = 746 kg" holds two); none when the text is
// a title or a value is no plain number.
std::vector<NamedValue> namedValues(std::string_view text);

enum class ListingStatus {
    Done,     // the command ran to its end on the inputs as given
    Refused,  // a check stopped it (a box may have been emptied)
    Reset,    // it ran, but on texts it put into boxes in place of the typed ones
};
const char* statusWord(ListingStatus status);  // "done", "refused", "reset"

// One row of the machine formats. `kind` is "input" (a box the check named:
// emptied, focused or reset, `text` what it holds after the command),
// "message" (`name` the box's title, `text` its text), "value", "heading" or
// "line"; `place` where a value, heading or line is shown: "left" or "right"
// (the listing boxes), "caption" (a label) or "surface" (a line printed on
// the drawing); `key` the control's key, as the default output names it.
struct ListingRow {
    std::string kind;
    std::string place;
    std::string key;
    std::string name;
    std::string number;  // empty: no number
    std::string unit;
    std::string text;
};

struct MachineListing {
    std::string fitting;  // FITTING as `korvel list` takes it
    std::string command;  // the menu command's name (端节, 计算, ...)
    ListingStatus status = ListingStatus::Done;
    std::vector<ListingRow> rows;  // inputs, then the rest in the window's order
};

// `untitled` names a message box that has no title of its own (the program's
// title). `typed` is the state the command ran on.
MachineListing machineListing(const Outcome& outcome, const WindowDesign& design, const FormState& typed,
                              std::string fitting, std::string command, const std::string& untitled);

// {"fitting", "command", "status", "inputs", "messages", "values",
// "headings", "lines"}, one object on one line.
void writeJson(const MachineListing& listing, std::ostream& out);
// A header row "kind,list,name,value,unit,text", a "status" row (the status
// in `name`), then one row per ListingRow. csv: RFC 4180 (CRLF, quoted where
// needed); tsv: tabs, a tab, line break or backslash in a field as \t, \n, \\.
void writeSeparated(const MachineListing& listing, char separator, std::ostream& out);

}  // namespace korvel
