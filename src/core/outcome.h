#pragma once
// What one command of a calculator window does to the window, as plain data in
// the order the window does it: messages, box texts, listing lines, captions,
// visibility and drawing. The window applies it to its controls; `korvel list`
// prints its texts. Built without any widget.

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/canvas.h"

namespace korvel {

enum class MessageIcon { None, Error };

// A modal message box with an OK button. An empty title is the program's title.
struct ShowMessage {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::string title;
    bool operator==(const ShowMessage&) const = default;
};
// A control's text: an input box emptied or reset, a list's text field.
struct SetBoxText {
    std::string key;
    std::string text;
    bool operator==(const SetBoxText&) const = default;
};
struct FocusBox {
    std::string key;
    bool operator==(const FocusBox&) const = default;
};
// Empties a listing box: its heading and its lines.
struct ClearListing {
    std::string key;
    bool operator==(const ClearListing&) const = default;
};
struct SetListingHeading {
    std::string key;
    std::string text;
    bool operator==(const SetListingHeading&) const = default;
};
struct SetListingColour {
    std::string key;
    Rgb colour = kBlack;
    bool operator==(const SetListingColour&) const = default;
};
struct AddListingLine {
    std::string key;
    std::string text;
    bool operator==(const AddListingLine&) const = default;
};
// A label's caption.
struct SetCaption {
    std::string key;
    std::string text;
    bool operator==(const SetCaption&) const = default;
};
struct SetVisible {
    std::string key;
    bool visible = true;
    bool operator==(const SetVisible&) const = default;
};
// A label or picture moved, in the surface's current units.
struct MoveControl {
    std::string key;
    double left = 0, top = 0;
    bool operator==(const MoveControl&) const = default;
};
// A line control placed, in the surface's units.
struct PlaceLine {
    std::string key;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const PlaceLine&) const = default;
};
// One canvas operation on the window's surface.
struct Draw {
    Primitive primitive;
    bool operator==(const Draw&) const = default;
};

using Effect = std::variant<ShowMessage, SetBoxText, FocusBox, ClearListing, SetListingHeading,
                            SetListingColour, AddListingLine, SetCaption, SetVisible, MoveControl,
                            PlaceLine, Draw>;

// What a command leaves shown as its result, as a value: what it said in
// message boxes, the captions it set, what its listing boxes hold and the
// text lines it printed on the surface. The printed template repeats it.
struct Listing {
    std::vector<std::string> messages;  // in the order shown
    // Every caption the command set (result labels and relabelled captions),
    // in the order each was first set, with the text it was left with.
    std::vector<std::pair<std::string, std::string>> captions;
    std::map<std::string, std::string> headings;            // by listing box key
    std::map<std::string, std::vector<std::string>> lines;  // by listing box key
    std::vector<TextLineOp> surface;  // printed since the surface was last cleared

    // Keeps what `e` shows; other effects leave it as it is.
    void record(const Effect& e);
    void record(const Primitive& p);
};

struct Outcome : Canvas {
    // Added through effect() and the canvas operations, never straight:
    // `listing` follows them.
    std::vector<Effect> effects;
    // A check stopped the command before it ran to its end.
    bool stopped = false;
    // Values the window keeps for its next command (the scale of its plan).
    std::map<std::string, double> memory;
    // What the effects leave shown as the command's result.
    Listing listing;

    // A drawing runs to hundreds of operations (the elbow's middle section at
    // 100 divisions to about 1 250 with its listing): room for them comes at
    // once, not through a dozen regrowths that move every effect, and each
    // operation is moved in once. The room stays below the allocator's
    // 128 KiB threshold for mapping fresh pages, so that a command does not
    // map, fault in and unmap its effects every time it runs.
    void add(Primitive primitive) override {
        if (effects.capacity() < kDrawingCapacity) effects.reserve(kDrawingCapacity);
        listing.record(primitive);
        effects.emplace_back(Draw{std::move(primitive)});
    }
    void effect(Effect e) {
        listing.record(e);
        effects.push_back(std::move(e));
    }

    static constexpr std::size_t kDrawingCapacity = 1536;  // 1536 * 80 bytes = 120 KiB
};

}  // namespace korvel
