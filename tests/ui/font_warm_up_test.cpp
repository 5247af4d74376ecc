// The font configuration read ahead at start-up: ready once joined, and a
// warm-up left unjoined or joined twice ends cleanly (an unjoined thread would
// end the program).

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "ui/application.h"

namespace korvel {
namespace {

TEST(FontConfigWarmUp, ReadyAfterJoinAndSafeToJoinTwiceOrNever) {
    {
        FontConfigWarmUp warmUp;
        warmUp.join();
        warmUp.join();
        EXPECT_NE(FcConfigGetCurrent(), nullptr);
    }
    { FontConfigWarmUp leftRunning; }
    SUCCEED();
}

}  // namespace
}  // namespace korvel
