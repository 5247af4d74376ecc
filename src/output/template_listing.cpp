#include "output/template_listing.h"

#include <algorithm>

namespace korvel {
namespace {

std::string trimmedCaption(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') continue;
        text += caption[i];
    }
    // "计算端节展开 (D)" loses its access key with its brackets.
    const auto open = text.find('(');
    if (open != std::string::npos && text.find(')', open) != std::string::npos) text.erase(open);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

bool isBlankLine(const TextLineOp& line) {
    for (const TextItem& item : line.items)
        if (!item.text.empty()) return false;
    return true;
}

std::vector<ListingBlock> templateListing(const WindowDesign& design, const FormState& state) {
    std::vector<ListingBlock> blocks;
    for (const std::string& name : design.patternListing) {
        const MenuCommand* command = design.command(name);
        if (command == nullptr || !command->run) continue;
        const Outcome outcome = command->run(state);
        ListingBlock block;
        block.command = trimmedCaption(command->caption);
        const Listing& shown = outcome.listing;
        for (std::string text : shown.messages) {
            std::replace(text.begin(), text.end(), '\n', ' ');
            block.messages.push_back(text);
        }
        for (const ControlName& box : design.listingBoxes) {
            const auto heading = shown.headings.find(box.key());
            block.headings.push_back(heading == shown.headings.end() ? "" : heading->second);
            const auto lines = shown.lines.find(box.key());
            block.boxes.push_back(lines == shown.lines.end() ? std::vector<std::string>{} : lines->second);
        }
        // A run of empty surface lines is kept as one.
        for (const TextLineOp& line : shown.surface)
            if (!isBlankLine(line) || (!block.surface.empty() && !isBlankLine(block.surface.back())))
                block.surface.push_back(line);
        // What a caption shows in the end; captions emptied show nothing.
        for (auto [key, text] : shown.captions) {
            std::replace(text.begin(), text.end(), '\n', ' ');
            if (text.find_first_not_of(' ') != std::string::npos) block.captions.push_back(text);
        }
        while (!block.surface.empty() && isBlankLine(block.surface.back())) block.surface.pop_back();
        bool anyHeading = false;
        for (const auto& h : block.headings) anyHeading = anyHeading || !h.empty();
        bool anyLine = false;
        for (const auto& b : block.boxes) anyLine = anyLine || !b.empty();
        if (!anyHeading && !anyLine) {
            block.headings.clear();
            block.boxes.clear();
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::vector<std::string> listingText(const ListingBlock& block) {
    std::vector<std::string> lines = block.messages;
    lines.insert(lines.end(), block.captions.begin(), block.captions.end());
    const auto joined = [](const std::vector<std::string>& cells) {
        std::string s;
        for (const auto& c : cells) {
            if (c.empty()) continue;
            s += (s.empty() ? "" : " ") + c;
        }
        return s;
    };
    if (!block.headings.empty()) lines.push_back(joined(block.headings));
    size_t longest = 0;
    for (const auto& box : block.boxes) longest = std::max(longest, box.size());
    for (size_t i = 0; i < longest; ++i) {
        std::vector<std::string> cells;
        for (const auto& box : block.boxes) cells.push_back(i < box.size() ? box[i] : "");
        lines.push_back(joined(cells));
    }
    for (const TextLineOp& line : block.surface) {
        if (isBlankLine(line)) continue;
        std::vector<std::string> cells;
        for (const TextItem& item : line.items) cells.push_back(item.text);
        lines.push_back(joined(cells));
    }
    return lines;
}

}  // namespace korvel
