#pragma once
// What the window's listing shows for the pattern's inputs, kept for the
// printed template: the compute commands whose results the pattern's pieces
// are cut from, as the window design names them (WindowDesign::patternListing),
// run and read back as the window would show them.

#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/window_design.h"

namespace korvel {

// What one compute command showed in the window, as the window shows it.
struct ListingBlock {
    std::string command;                 // its caption without blanks and access key: "计算端节展开"
    std::vector<std::string> messages;   // what a message box said (a stopped command)
    std::vector<std::string> captions;   // result captions, non-empty, in the window's order
    std::vector<std::string> headings;   // the listing boxes' headings, left to right
    std::vector<std::vector<std::string>> boxes;  // the listing boxes' lines
    // Text lines printed on the surface; a run of empty lines kept as one.
    std::vector<TextLineOp> surface;
};

// Runs those commands on `state` and keeps what each showed.
std::vector<ListingBlock> templateListing(const WindowDesign& design, const FormState& state);
// A block's lines as plain text, as they read on the page (box lines side by
// side joined by blanks, surface items by blanks).
std::vector<std::string> listingText(const ListingBlock& block);

// True when no item of the surface line has any text.
bool isBlankLine(const TextLineOp& line);

}  // namespace korvel
