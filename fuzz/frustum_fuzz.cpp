// The rectangular frustum and the cone windows under fuzzed box texts and list picks:
// every compute command runs on the state and its outcome is checked (see
// fitting_fuzz.h for the input's form). The control field's first character
// picks the window: '0' the rectangular frustum, '1' the cone.

#include <cstddef>
#include <cstdint>

#include "fitting_fuzz.h"
#include "core/fittings/frustum/frustum_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = {&korvel::rectFrustumDesign(), &korvel::coneDesign()};
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
