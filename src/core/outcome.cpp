#include "core/outcome.h"

#include <algorithm>

namespace korvel {

void Listing::record(const Effect& e) {
    if (const auto* m = std::get_if<ShowMessage>(&e)) {
        messages.push_back(m->text);
    } else if (const auto* c = std::get_if<SetCaption>(&e)) {
        const auto it = std::find_if(captions.begin(), captions.end(),
                                     [&c](const auto& caption) { return caption.first == c->key; });
        if (it == captions.end()) captions.emplace_back(c->key, c->text);
        else it->second = c->text;
    } else if (const auto* h = std::get_if<SetListingHeading>(&e)) {
        headings[h->key] = h->text;
    } else if (const auto* l = std::get_if<AddListingLine>(&e)) {
        lines[l->key].push_back(l->text);
    } else if (const auto* cl = std::get_if<ClearListing>(&e)) {
        headings.erase(cl->key);
        lines.erase(cl->key);
    } else if (const auto* d = std::get_if<Draw>(&e)) {
        record(d->primitive);
    }
}

void Listing::record(const Primitive& p) {
    if (std::holds_alternative<ClearOp>(p)) surface.clear();
    else if (const auto* line = std::get_if<TextLineOp>(&p)) surface.push_back(*line);
}

}  // namespace korvel
