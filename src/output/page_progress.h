#pragma once
// What a long output (a template's pages, a DXF file) tells whoever waits for
// it, and how that one stops it: pages done of pages, asked between pages
// whether to go on. The work may run on a thread of its own; the window that
// waits sets the flag from its thread.

#include <atomic>
#include <functional>
#include <stdexcept>

namespace korvel {

// The work was stopped on request before it was whole: nothing was written.
class Cancelled : public std::runtime_error {
public:
    Cancelled() : std::runtime_error("cancelled") {}
};

struct PageProgress {
    // Told, on the working thread, the pages done before each page is begun
    // and once more when all `total` are done.
    std::function<void(int done, int total)> report = {};
    // Set from any thread to stop before the next page.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the working thread when a cancel stops the pages, while the
    // painter is still active: a printer's job is aborted there, so that no
    // page goes out.
    std::function<void()> abandon = {};

    bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }

    // Reports `done` of `total`, then throws Cancelled (after `abandon`) when
    // asked to stop.
    void step(int done, int total) const {
        if (report) report(done, total);
        if (!cancelled()) return;
        if (abandon) abandon();
        throw Cancelled();
    }
};

}  // namespace korvel
