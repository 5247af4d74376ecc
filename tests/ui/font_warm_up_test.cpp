// The font configuration read ahead at start-up: ready once joined, and a
// warm-up left unjoined or joined twice ends cleanly (an unjoined thread would
// end the program). The font files' pages given back: read again, the same.

#include <QPainterPath>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/calculator_window.h"

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

// Outlines are read from the font file every time (glyph images are cached):
// after the pages are given back they come from the file again, point for point.
TEST(FontPages, GivenBackAndReadAgainTheSame) {
    const QString text = QStringLiteral("展开斜边实长 圆周等份数 天圆地方");
    QPainterPath before;
    before.addText(0, 0, songFont(17), text);
    ASSERT_GT(before.elementCount(), 100);
#ifdef __linux__
    EXPECT_GE(giveBackFontPages(), 1);  // the Song face at least is mapped
#endif
    QPainterPath after;
    after.addText(0, 0, songFont(17), text);
    ASSERT_EQ(after.elementCount(), before.elementCount());
    for (int i = 0; i < before.elementCount(); ++i)
        ASSERT_EQ(QPointF(after.elementAt(i)), QPointF(before.elementAt(i))) << "element " << i;
}

}  // namespace
}  // namespace korvel
