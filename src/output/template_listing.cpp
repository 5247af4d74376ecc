#include "output/template_listing.h"

#include <algorithm>
#include <map>

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
        std::map<std::string, size_t> boxIndex;
        for (size_t i = 0; i < design.listingBoxes.size(); ++i) boxIndex[design.listingBoxes[i].key()] = i;
        block.headings.assign(design.listingBoxes.size(), "");
        block.boxes.assign(design.listingBoxes.size(), {});
        std::map<std::string, std::string> captions;
        std::vector<std::string> captionOrder;
        for (const auto& effect : outcome.effects) {
            if (const auto* m = std::get_if<ShowMessage>(&effect)) {
                std::string text = m->text;
                std::replace(text.begin(), text.end(), '\n', ' ');
                block.messages.push_back(text);
            } else if (const auto* c = std::get_if<SetCaption>(&effect)) {
                if (!captions.contains(c->key)) captionOrder.push_back(c->key);
                captions[c->key] = c->text;
            } else if (const auto* h = std::get_if<SetListingHeading>(&effect)) {
                if (boxIndex.contains(h->key)) block.headings[boxIndex[h->key]] = h->text;
            } else if (const auto* l = std::get_if<AddListingLine>(&effect)) {
                if (boxIndex.contains(l->key)) block.boxes[boxIndex[l->key]].push_back(l->text);
            } else if (const auto* cl = std::get_if<ClearListing>(&effect)) {
                if (boxIndex.contains(cl->key)) {
                    block.headings[boxIndex[cl->key]].clear();
                    block.boxes[boxIndex[cl->key]].clear();
                }
            } else if (const auto* d = std::get_if<Draw>(&effect)) {
                if (std::holds_alternative<ClearOp>(d->primitive)) block.surface.clear();
                if (const auto* line = std::get_if<TextLineOp>(&d->primitive)) {
                    if (isBlankLine(*line) && (block.surface.empty() || isBlankLine(block.surface.back()))) continue;
                    block.surface.push_back(*line);
                }
            }
        }
        // What a caption shows in the end; captions emptied show nothing.
        for (const std::string& key : captionOrder) {
            std::string text = captions[key];
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
