// Build step: writes korvel.lff, a line font for CAD readers that draw texts
// from line fonts of their own, found by the text style's name (a reader with
// only its stock line fonts has no glyph for many simplified characters, and
// draws a diamond instead). It holds printable ASCII and every other character
// of the given source files, the texts Korvel's DXF files can hold; each glyph
// is the outline of the face the printed templates use (AR PL UMing CN),
// flattened to polylines.
//
//   korvel_line_font OUT.lff SOURCE...
//
// Units: the font's capital height is 9, as in the readers' own line fonts.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

// The pixel size the outlines are taken and flattened at: Qt flattens curves
// to about a pixel, so large enough that a 9-unit glyph shows no corners.
constexpr double kPixelSize = 150;
constexpr double kCapHeight = 9;
// Outlines narrower than this, in the font's units, are drawn as one line.
constexpr double kThinBar = 0.9;

// Every code point of a UTF-8 text from U+0080 to U+FFFF (a line font keys its
// glyphs by four hex digits).
void collect(const std::string& text, std::set<char32_t>& out) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const char32_t c : s.toUcs4())
        if (c >= 0x80 && c <= 0xFFFF && c != 0xFFFD) out.insert(c);
}

// A coordinate with at most two decimals and no trailing zeros ("4.5", "-0.12", "9").
std::string coordinate(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(v * 100) / 100 + 0.0);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvel_line_font OUT.lff SOURCE...\n");
        return 1;
    }
    std::set<char32_t> characters;
    for (char32_t c = 0x21; c < 0x7F; ++c) characters.insert(c);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        collect(text.str(), characters);
    }

    QFont face(QStringLiteral("AR PL UMing CN"));
    face.setPixelSize(static_cast<int>(kPixelSize));
    const QRawFont raw = QRawFont::fromFont(face);
    if (!raw.isValid() || !raw.familyName().contains(QStringLiteral("UMing"))) {
        std::fprintf(stderr, "korvel_line_font: the face AR PL UMing CN is not installed\n");
        return 1;
    }
    const double scale = kCapHeight / raw.capHeight();

    std::ostringstream out;
    out << "# Format:            LibreCAD Font 1\n"
           "# Creator:           korvel_line_font\n"
           "# Version:           1\n"
           "# Name:              Korvel\n"
           "# Encoding:          UTF-8\n"
           "# LetterSpacing:     1.5\n"
           "# WordSpacing:       6.75\n"
           "# LineSpacingFactor: 1\n"
           "# License:           Arphic Public License (the outlines of AR PL UMing CN)\n\n";
    int written = 0;
    std::string lacking;
    for (const char32_t c : characters) {
        const QString letter = QString::fromUcs4(&c, 1);
        // The face has no minus sign: the hyphen stands in for it.
        const QString drawn = c == U'\u2212' ? QStringLiteral("-") : letter;
        const QList<quint32> glyphs = raw.glyphIndexesForString(drawn);
        if (glyphs.size() != 1 || glyphs.front() == 0) {  // the face has no such glyph
            lacking += letter.toStdString();
            continue;
        }
        const QPainterPath path = raw.pathForGlyph(glyphs.front());
        char key[16];
        std::snprintf(key, sizeof key, "[%04x] ", static_cast<unsigned>(c));
        out << key << letter.toStdString() << '\n';
        for (QPolygonF polygon : path.toSubpathPolygons()) {
            // A thin bar (a hyphen, a minus, the stroke of 一) drawn as its
            // outline shows as a small ring at text size: it becomes its middle line.
            const QRectF bar = polygon.boundingRect();
            if (bar.height() * scale < kThinBar && bar.width() > 2 * bar.height())
                polygon = QPolygonF{QPointF(bar.left(), bar.center().y()), QPointF(bar.right(), bar.center().y())};
            else if (bar.width() * scale < kThinBar && bar.height() > 2 * bar.width())
                polygon = QPolygonF{QPointF(bar.center().x(), bar.top()), QPointF(bar.center().x(), bar.bottom())};
            std::string line, last;
            for (const QPointF& p : polygon) {
                // Pixels run down from the baseline; the font's units run up.
                const std::string point = coordinate(p.x() * scale) + "," + coordinate(-p.y() * scale);
                if (point == last) continue;
                line += (line.empty() ? "" : ";") + point;
                last = point;
            }
            if (line.find(';') != std::string::npos) out << line << '\n';
        }
        out << '\n';
        ++written;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const std::string bytes = out.str();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "korvel_line_font: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("korvel_line_font: %d glyphs%s%s\n", written, lacking.empty() ? "" : "; the face lacks ",
                lacking.c_str());
    return 0;
}
