// The elbow window (端节, 中节, 等份 and the rest of its menu) under fuzzed box texts and list picks:
// every compute command runs on the state and its outcome is checked (see
// fitting_fuzz.h for the input's form).

#include <cstddef>
#include <cstdint>

#include "fitting_fuzz.h"
#include "core/fittings/elbow/elbow_design.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = {&korvel::elbowDesign()};
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
