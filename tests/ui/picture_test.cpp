// Picture controls: the pixels rendered at build time stand for the SVG at
// their size, and any other size still draws the SVG.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

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

TEST(PrerenderedPictures, AreTheSvgRenderedAtTheirSize) {
    ASSERT_FALSE(prerenderedPictures().empty());
    bool mainPicture = false;
    for (const PrerenderedPicture& p : prerenderedPictures()) {
        const QString resource = QString::fromLatin1(p.resource);
        mainPicture |= resource == QLatin1String(":/pictures/main_picture.svg") && p.width == 480 && p.height == 360;
        const QImage built(p.argb32, p.width, p.height, p.width * 4, QImage::Format_ARGB32_Premultiplied);
        const QImage now = renderSvg(resource, QSize(p.width, p.height), Qt::transparent);
        // A stale build step, a picture edited without a rebuild or a wrong
        // size all show here; same renderer, so the bytes agree exactly.
        EXPECT_EQ(largestDifference(built, now), 0) << p.resource;
        EXPECT_GT(now.pixelColor(p.width / 2, p.height / 2).alpha(), 0) << p.resource;
    }
    EXPECT_TRUE(mainPicture);
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
    Picture sketch(QStringLiteral(":/pictures/cone_frustum_sketch.svg"));
    sketch.resize(240, 180);
    sketch.grab();
    EXPECT_TRUE(sketch.svgLoaded());
}

}  // namespace
}  // namespace korvel
