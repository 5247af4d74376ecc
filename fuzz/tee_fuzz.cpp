// The tee and the Y tee windows under fuzzed box texts and list picks:
// every compute command runs on the state and its outcome is checked (see
// fitting_fuzz.h for the input's form). The control field's first character
// picks the window: '0' the tee, '1' the Y tee.

#include <cstddef>
#include <cstdint>

#include "fitting_fuzz.h"
#include "core/fittings/tee/tee_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = {&korvel::teeDesign(), &korvel::yTeeDesign()};
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
