// Build step: renders the program's icon (an SVG) into the PNGs of the
// freedesktop icon theme's fixed sizes, so that no binary picture is kept in
// the repository and the PNGs always match the SVG.
//
//   korvel_render_icon ICON.svg SIZE=OUT.png ...
//
// SIZE is the square's side in pixels (1 to 1024); OUT.png's folder is made.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: korvel_render_icon ICON.svg SIZE=OUT.png ...\n");
        return 1;
    }
    // Painting needs a GUI application, but no display is needed at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "korvel_render_icon: %s is not a picture\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString request = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = request.indexOf(u'=');
        bool whole = false;
        const int side = request.left(equals).toInt(&whole);
        const QString out = request.mid(equals + 1);
        if (equals <= 0 || !whole || side < 1 || side > 1024 || out.isEmpty()) {
            std::fprintf(stderr, "korvel_render_icon: cannot read '%s'\n", argv[i]);
            return 1;
        }
        // Straight (not premultiplied) alpha, as PNG stores it.
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            icon.render(&painter, QRectF(0, 0, side, side));
        }
        QDir().mkpath(QFileInfo(out).absolutePath());
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "korvel_render_icon: cannot write %s\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
