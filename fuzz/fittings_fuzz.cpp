// Every fitting window of the catalogue under fuzzed box texts and list picks:
// every compute command runs on the state and its outcome is checked (see
// fitting_fuzz.h for the input's form). The control field's first character
// picks the window, counted from '0' in the catalogue's order (the main
// menu's): '0' the first fitting's window, '1' the second's, and so on.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/catalogue.h"
#include "fitting_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = [] {
        std::vector<const korvel::WindowDesign*> all;
        for (const auto& entry : korvel::fittingEntries()) all.push_back(&entry.design());
        return all;
    }();
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
