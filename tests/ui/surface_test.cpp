// The drawing surface: what a clear keeps, and the replay of recorded
// primitives with QPainter, in twips and in a user scale.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "support/windows.h"
#include "ui/surface.h"

namespace korvel {
namespace {

class SurfaceTest : public testing::At96Dpi {
protected:
    static QImage paint(const std::vector<Primitive>& primitives, QSize size = QSize(200, 100)) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        replay(painter, primitives, QSizeF(size), kWhite);
        painter.end();
        return image;
    }
};

TEST_F(SurfaceTest, AClearDropsTheDrawingButKeepsScaleColourAndFont) {
    Surface surface;
    surface.add(ScaleOp{-100, -100, 0, 0});
    surface.add(ForeColourOp{rgb(255, 0, 0)});
    surface.add(FontOp{"宋体", 13});
    surface.add(LineOp{-80, -10, -2, -10, {}});
    surface.add(TextOp{-50, -50, "L0"});
    surface.add(ClearOp{});
    ASSERT_EQ(surface.primitives().size(), 3u);
    EXPECT_TRUE(std::holds_alternative<ScaleOp>(surface.primitives()[0]));
    EXPECT_TRUE(std::holds_alternative<ForeColourOp>(surface.primitives()[1]));
    EXPECT_TRUE(std::holds_alternative<FontOp>(surface.primitives()[2]));
}

TEST_F(SurfaceTest, LinesInTwipsLandOnTheirPixels) {
    // A horizontal line at y = 750 twips (50 px) from x = 150 to 1500 twips.
    const QImage image = paint({LineOp{150, 750, 1500, 750, rgb(0, 255, 255)}});
    EXPECT_EQ(image.pixelColor(50, 50), QColor(0, 255, 255));
    EXPECT_EQ(image.pixelColor(50, 40), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(150, 50), QColor(Qt::black));  // beyond the end
}

TEST_F(SurfaceTest, AUserScaleMapsItsFrameOntoTheWholeSurface) {
    // (-100, -100)-(0, 0): the line y = -50 runs across the middle.
    const QImage image = paint({ScaleOp{-100, -100, 0, 0}, LineOp{-100, -50, 0, -50, kWhite}});
    EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 20), QColor(Qt::black));
}

TEST_F(SurfaceTest, ArcsOfAnySizeOfAngleAreDrawnWithinOneTurn) {
    // A quarter arc of radius 750 twips (50 px) round (1500, 750) twips, given
    // once plainly and once with its angles many turns away: the same pixels.
    const double quarter = M_PI / 2;
    const QImage plain = paint({ArcOp{1500, 750, 750, kWhite, 0.0, quarter}});
    const QImage far = paint({ArcOp{1500, 750, 750, kWhite, -2000 * M_PI, -2000 * M_PI + quarter}});
    EXPECT_EQ(plain, far);
    EXPECT_EQ(plain.pixelColor(150, 50), QColor(Qt::white));  // the arc's start, to the right
    // Angles far beyond any turn are drawn at once, never looped over.
    const QImage huge = paint({ArcOp{1500, 750, 750, kWhite, -1e300, 1e300}});
    EXPECT_FALSE(huge.isNull());
}

TEST_F(SurfaceTest, TextIsPrintedBelowItsTopLeftCorner) {
    const QImage image = paint({FontOp{"宋体", 14.25}, TextOp{1500, 300, "西北角实线"}});
    bool inked = false, aboveClean = true;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y) {
            const bool lit = image.pixelColor(x, y) != QColor(Qt::black);
            if (lit && y >= 20 && x >= 100) inked = true;
            if (lit && (y < 19 || x < 99)) aboveClean = false;
        }
    EXPECT_TRUE(inked) << "the Chinese text renders";
    EXPECT_TRUE(aboveClean) << "nothing above or left of the position";
}

TEST_F(SurfaceTest, ColumnsAreAverageCharacterWidthsOfTheCurrentFont) {
    // The item at column 11 starts ten average character widths right of the edge.
    const std::vector<Primitive> primitives = {FontOp{"宋体", 12}, TextLineOp{{{11, "m"}}}};
    const QImage image = paint(primitives, QSize(400, 60));
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(12);
    QImage probe(1, 1, QImage::Format_RGB32);
    const double column = QFontMetricsF(font, &probe).averageCharWidth() * 10;
    int firstInk = -1;
    for (int x = 0; x < 400 && firstInk < 0; ++x)
        for (int y = 0; y < 60; ++y)
            if (image.pixelColor(x, y) != QColor(Qt::black)) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, static_cast<int>(column) - 1);
    EXPECT_LE(firstInk, static_cast<int>(column) + 4);
}

}  // namespace
}  // namespace korvel
