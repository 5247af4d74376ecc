// The round-to-square and square-to-round transition windows under fuzzed box texts and list picks:
// every compute command runs on the state and its outcome is checked (see
// fitting_fuzz.h for the input's form). The control field's first character
// picks the window: '0' round top on a square base, '1' square top on a round base.

#include <cstddef>
#include <cstdint>

#include "fitting_fuzz.h"
#include "core/fittings/transition/transition_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = {&korvel::roundTopDesign(), &korvel::rectTopDesign()};
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
