// Picture controls: the pixels rendered at build time stand for the SVG at
// their size, and any other size still draws the SVG; the window icon is the
// build's pixels too.

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "support/windows.h"
#include "ui/calculator_window.h"
#include "ui/language.h"
#include "ui/picture.h"
#include "ui/prerendered_pictures.h"

namespace korvel {
namespace {

QImage renderSvg(const QString& resource, QSize size, const QColor& under) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(under);
    QSvgRenderer svg(resource);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return 256;
    int worst = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return worst;
}

bool blank(const QImage& image) {
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            if (image.pixelColor(col, row).alpha() > 0) return false;
    return true;
}

TEST(PrerenderedPictures, AreTheSvgRenderedAtTheirSize) {
    ASSERT_FALSE(prerenderedPictures().empty());
    bool mainPicture = false;
    for (const PrerenderedPicture& p : prerenderedPictures()) {
        const QString resource = QString::fromLatin1(p.resource);
        mainPicture |= resource == QLatin1String(":/pictures/main_picture.svg") && p.width == 480 && p.height == 360;
        const QImage built(p.argb32, p.width, p.height, p.width * 4,
                           p.premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
        const QImage now = renderSvg(resource, QSize(p.width, p.height), Qt::transparent);
        // A stale build step, a picture edited without a rebuild or a wrong
        // size all show here; same renderer, so the bytes agree exactly
        // (compared with straight alpha, as the icon is kept).
        EXPECT_EQ(largestDifference(built, now), 0) << p.resource;
        EXPECT_FALSE(blank(now)) << p.resource;
    }
    EXPECT_TRUE(mainPicture);
}

TEST(PrerenderedPictures, TheWindowIconSharesTheBuildsPixelsAtEachSize) {
    const QIcon icon = QGuiApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    for (const QSize size : sizes) {
        // As the display server is given it: straight alpha, the build's bytes.
        const QImage sent = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(largestDifference(sent, renderSvg(QStringLiteral(":/icons/korvel.svg"), size, Qt::transparent)), 0);
        bool shared = false;
        for (const PrerenderedPicture& p : prerenderedPictures()) shared |= sent.constBits() == p.argb32;
        EXPECT_TRUE(shared) << size.width();
    }
}

using PictureWindows = testing::At96Dpi;

TEST_F(PictureWindows, EveryPictureAWindowOpensWithIsTheBuildsPixels) {
    // The build's list of sizes against the windows' places for them; in
    // English too, where these pictures' letters read the same.
    for (const Language language : {Language::Chinese, Language::English}) {
        chooseLanguage(language);
        for (const FittingEntry& entry : fittingEntries()) {
            CalculatorWindow window(entry.design());
            window.show();
            window.grab();
            for (const Picture* picture : window.findChildren<Picture*>())
                if (picture->isVisible()) {
                    EXPECT_FALSE(picture->svgLoaded()) << entry.menuName << " " << picture->resource().toStdString();
                }
        }
    }
    chooseLanguage(Language::Chinese);
}

TEST(PictureControl, BlitsTheBuildsPixelsAtTheirSizeAndDrawsTheSvgAtAnyOther) {
    const QString resource = QStringLiteral(":/pictures/main_picture.svg");
    Picture picture(resource);
    picture.setAutoFillBackground(true);
    picture.setPalette(QPalette(QColor(212, 208, 200)));
    picture.resize(480, 360);
    const QImage blitted = picture.grab().toImage();
    EXPECT_FALSE(picture.svgLoaded());
    // Drawn over the window's background: within a step of rounding of the
    // SVG drawn straight onto it.
    EXPECT_LE(largestDifference(blitted, renderSvg(resource, QSize(480, 360), QColor(212, 208, 200))), 2);

    picture.resize(600, 450);
    const QImage drawn = picture.grab().toImage();
    EXPECT_TRUE(picture.svgLoaded());
    EXPECT_LE(largestDifference(drawn, renderSvg(resource, QSize(600, 450), QColor(212, 208, 200))), 0);
    EXPECT_TRUE(picture.isValid());

    // A picture with no build pixels draws its SVG at every size.
    Picture legend(QStringLiteral(":/pictures/round_top_legend.svg"));
    legend.resize(711, 405);
    legend.grab();
    EXPECT_TRUE(legend.svgLoaded());
}

}  // namespace
}  // namespace korvel
