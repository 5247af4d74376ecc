#include "output/template_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/numbers.h"
#include "core/page_clip.h"

namespace korvel {

QString templateFamily() {
    const QString name = QString::fromUtf8("宋体");
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : QFont::substitutes(name))
        if (installed.contains(family)) return family;
    return name;
}

namespace {

// The template's face at a text height, mm, on a device of `dotsPerMm`.
QFont templateFont(const QString& family, double heightMm, double dotsPerMm) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * dotsPerMm))));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The PDF file's resolution (template_pdf.cpp), dots per mm.
constexpr double kPdfDotsPerMm = 1200 / 25.4;

constexpr double kPi = 3.14159265358979323846;

// The template's lines, mm.
constexpr double kCutPen = 0.35;
constexpr double kMarkPen = 0.25;
constexpr double kThinPen = 0.15;
// How far past a page's window its lines are kept, mm: beyond the widest pen
// and its mitred corners, so that every line end and join in the window is
// drawn whole before the page's clip cuts it square at the window's edge.
constexpr double kBleed = 1;
// How far the page map's outline may stray from the true one, mm on the map.
constexpr double kMapTolerance = 0.05;
// The check scale's rulers and ticks: a width no other line of a template page has.
constexpr double kScalePen = 0.18;

std::string orientationText(const TiledTemplate& t) { return t.landscape ? "横向" : "纵向"; }

QColor markColor(MarkKind kind) {
    const cad::MarkStyle& style = cad::markStyle(kind);
    return {style.red, style.green, style.blue};
}

// The edge from `a` to `b` with a's bulge, into a path in pattern coordinates
// (y upwards): a true arc for a bulge.
void addEdge(QPainterPath& path, const Vertex& a, const Vertex& b) {
    if (a.bulge == 0) {
        path.lineTo(b.x, b.y);
        return;
    }
    const std::optional<BulgeArc> arc = bulgeArc(a, b);
    if (!arc) return;
    const double radius = arc->radius, start = arc->start, sweep = arc->sweep;
    const double centreX = arc->centre.x, centreY = arc->centre.y;
    // Qt measures arc angles with y downwards; the path's y is upwards.
    path.arcTo(QRectF(centreX - radius, centreY - radius, 2 * radius, 2 * radius), -start * 180 / kPi,
               -sweep * 180 / kPi);
    path.lineTo(b.x, b.y);
}

// The line into `path`: a closed line as a closed subpath, an open one (a
// part of a line cut at a page's window) left open.
void addLine(QPainterPath& path, const Polyline& line) {
    const size_t n = line.vertices.size();
    if (n == 0) return;
    path.moveTo(line.vertices[0].x, line.vertices[0].y);
    for (size_t i = 0; i + 1 < n; ++i) addEdge(path, line.vertices[i], line.vertices[i + 1]);
    if (line.closed && n > 1) {
        addEdge(path, line.vertices[n - 1], line.vertices[0]);
        path.closeSubpath();
    }
}

class TemplatePainter {
public:
    TemplatePainter(const PrintedTemplate& t, QPagedPaintDevice& device, QPainter& painter)
        : t_(t),
          device_(device),
          p_(painter),
          dotsPerMm_(device.logicalDpiX() / 25.4),
          family_(templateFamily()),
          titleFit_(templateTitleFit(infoTextArea(t.tiles).width, &device)) {
        for (const Polyline& line : t.sheet.outlines) runBoxes_.push_back(edgeRunBoxes(line));
    }

    void paint(const PageProgress& progress) {
        const int total = t_.pageCount();
        int number = 1;
        for (int i = 0; i < t_.infoPages; ++i, ++number) {
            progress.step(number - 1, total);
            if (number > 1) device_.newPage();
            startPage();
            infoPage(i, number, total);
        }
        for (const TemplatePage& page : t_.tiles.pages) {
            if (!page.printed) continue;
            progress.step(number - 1, total);
            if (number > 1) device_.newPage();
            startPage();
            tilePage(page, number, total);
            ++number;
        }
        progress.step(total, total);
    }

private:
    // Page mm to device dots, the printer's correction included: the whole
    // page content scaled about the page's origin (the paper's corner, the
    // pages being painted without margins).
    void startPage() {
        p_.resetTransform();
        p_.scale(dotsPerMm_ * t_.correction.x, dotsPerMm_ * t_.correction.y);
        p_.setRenderHint(QPainter::Antialiasing, true);
    }

    QPen pen(double width, QColor colour = Qt::black, Qt::PenStyle style = Qt::SolidLine) const {
        QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(false);
        return pen;
    }

    // The face at a height and a text's width, mm: each made once a template,
    // not again on every page that shows it.
    const QFont& font(double heightMm) {
        auto at = fonts_.find(heightMm);
        if (at == fonts_.end()) at = fonts_.emplace(heightMm, templateFont(family_, heightMm, dotsPerMm_)).first;
        return at->second;
    }

    double textWidth(const std::string& text, double heightMm) {
        auto at = widths_.find({text, heightMm});
        if (at == widths_.end()) {
            const double width =
                QFontMetricsF(font(heightMm), &device_).horizontalAdvance(QString::fromStdString(text)) / dotsPerMm_;
            at = widths_.emplace(std::make_pair(text, heightMm), width).first;
        }
        return at->second;
    }

    // Text with its base line's left end at `at`, page mm; `angle` degrees clockwise.
    void text(QPointF at, const std::string& s, double heightMm, QColor colour = Qt::black, double angle = 0) {
        if (s.empty()) return;
        p_.save();
        p_.translate(at);
        if (angle != 0) p_.rotate(angle);
        p_.scale(1 / dotsPerMm_, 1 / dotsPerMm_);
        p_.setFont(font(heightMm));
        p_.setPen(colour);
        p_.drawText(QPointF(0, 0), QString::fromStdString(s));
        p_.restore();
    }

    // Text no wider than `width`: a longer line is narrowed to fit.
    void fittedText(QPointF at, const std::string& s, double heightMm, double width) {
        const double natural = textWidth(s, heightMm);
        if (natural <= width || natural <= 0) {
            text(at, s, heightMm);
            return;
        }
        p_.save();
        p_.translate(at);
        p_.scale(width / natural, 1);
        text({0, 0}, s, heightMm);
        p_.restore();
    }

    void centredText(QPointF centre, const std::string& s, double heightMm, QColor colour = Qt::black) {
        text({centre.x() - textWidth(s, heightMm) / 2, centre.y() + 0.35 * heightMm}, s, heightMm, colour);
    }

    // ---- the foot of every page --------------------------------------------

    void checkSquare() {
        const MmRect r = checkSquareRect(t_.tiles);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(pen(0.3));
        p_.drawRect(QRectF(r.left, r.top, r.width, r.height));
        // Its size beside it: over its top edge and along its right edge.
        centredText({r.left + r.width / 2, r.top - 3}, "100 mm", 3.5);
        text({r.right() + 2, r.top + r.height / 2 - textWidth("100 mm", 3.5) / 2}, "100 mm", 3.5, Qt::black, 90);
        const double x = r.left + r.width / 2;
        centredText({x, r.top + 38}, "检验方框", 4.5);
        centredText({x, r.top + 47}, "100 mm × 100 mm", 3.5);
        centredText({x, r.top + 56}, "量一量：尺寸不对，", 3);
        centredText({x, r.top + 61}, "就是打印时缩放了，", 3);
        centredText({x, r.top + 66}, "请按实际大小重印。", 3);
    }

    // The pages laid out as the pattern, scaled into `region`; `current` filled.
    void pageMap(const MmRect& region, const TemplatePage* current) {
        const TiledTemplate& tiles = t_.tiles;
        if (tiles.pages.empty() || region.width <= 0 || region.height <= 0) return;
        const PatternExtent& first = tiles.pages.front().window;
        const PatternExtent& last = tiles.pages.back().window;
        const double left = first.minX, top = first.maxY;
        const double width = last.maxX - left, height = top - last.minY;
        const double s = std::min(region.width / width, region.height / height);
        const double ox = region.left + (region.width - width * s) / 2;
        const double oy = region.top;
        const auto at = [&](double x, double y) { return QPointF(ox + (x - left) * s, oy + (top - y) * s); };

        // Printed pages framed, the left-out ones only dotted.
        for (bool printed : {false, true}) {
            p_.setPen(printed ? pen(0.2, QColor(120, 120, 120)) : pen(0.1, QColor(170, 170, 170), Qt::DotLine));
            for (const TemplatePage& page : tiles.pages) {
                if (page.printed != printed) continue;
                const QRectF cell(at(page.window.minX, page.window.maxY), at(page.window.maxX, page.window.minY));
                p_.setBrush(current == &page ? QBrush(QColor(255, 236, 150)) : QBrush(Qt::NoBrush));
                p_.drawRect(cell);
            }
        }
        p_.setBrush(Qt::NoBrush);
        // The pieces' outlines.
        p_.save();
        p_.translate(ox - left * s, oy + top * s);
        p_.scale(s, -s);
        p_.setPen(pen(0.25 / s));
        p_.drawPath(mapOutlines(s));
        p_.restore();
        // The names, in the part of each page no neighbour covers.
        const double overlap = tiles.margins.overlap * s;
        const double cellWidth = (tiles.content.width - tiles.margins.overlap) * s;
        const double cellHeight = (tiles.content.height - tiles.margins.overlap) * s;
        const double h = std::min({4.0, cellHeight * 0.4, cellWidth / 3});
        if (h < 1.2) return;
        for (const TemplatePage& page : tiles.pages) {
            if (!page.printed) continue;
            const QPointF corner = at(page.window.minX, page.window.maxY);
            const double w = page.right.empty() ? cellWidth + overlap : cellWidth;
            const double hh = page.below.empty() ? cellHeight + overlap : cellHeight;
            centredText({corner.x() + w / 2, corner.y() + hh / 2}, page.name, h, QColor(60, 60, 60));
        }
    }

    // ---- information pages ---------------------------------------------------

    // The head of an information page (or a roll): the fitting, the page
    // number, the paper and the pattern's size, over `area`'s width.
    void infoHeader(const MmRect& area, int number, int total) {
        const TiledTemplate& tiles = t_.tiles;
        const double left = area.left, top = area.top;
        text({left, top + 7}, t_.pattern.pattern.fitting + "  1:1 样板", 7);
        const std::string pageText = "第 " + std::to_string(number) + " 页，共 " + std::to_string(total) + " 页";
        text({area.right() - textWidth(pageText, 3.5), top + 7}, pageText, 3.5);
        const int printed = tiles.printedPages();
        const int left_out = static_cast<int>(tiles.pages.size()) - printed;
        const std::string turned = t_.turned ? "，图案转 90°" : "";
        const std::string paper =
            tiles.paper.roll
                ? std::to_string(static_cast<int>(tiles.paper.width)) + " mm 卷筒纸" + turned + "：一页，长 " +
                      roundedText(tiles.pageHeight, 0) + " mm，不分页"
                : "纸张 " + tiles.paper.name + " " + orientationText(tiles) + turned + "：说明 " +
                      std::to_string(t_.infoPages) + " 页，样板 " + std::to_string(tiles.rows) + " 行 × " +
                      std::to_string(tiles.columns) + " 列共 " + std::to_string(printed) + " 页" +
                      (left_out > 0 ? "（" + std::to_string(left_out) + " 页空白，不印）" : "") + "，相邻页重叠 " +
                      numberText(tiles.margins.overlap) + " mm";
        text({left, top + 14}, paper, 3.5);
        const PatternExtent& e = tiles.extent;
        text({left, top + 19.5},
             "样板外形 " + roundedText(e.maxX - e.minX, 0) + " mm × " + roundedText(e.maxY - e.minY, 0) +
                 " mm，比例 1:1（纸上 1 mm 即样板 1 mm）",
             3.5);
        if (number == 1) correctionNote(area);
        p_.setPen(pen(kThinPen));
        p_.drawLine(QPointF(left, top + kInfoHeaderHeight - 2), QPointF(area.right(), top + kInfoHeaderHeight - 2));
    }

    // The correction the pages are drawn with, at the right end of the size line.
    void correctionNote(const MmRect& area) {
        if (t_.correction.none()) return;
        const std::string note = korvel::correctionNote(t_.correction);
        text({area.right() - textWidth(note, 3.5), area.top + 19.5}, note, 3.5);
    }

    // The information rows from..to, one a line from the top of the text area.
    void infoRows(size_t from, size_t to, bool first) {
        const MmRect area = infoTextArea(t_.tiles, first);
        double y = area.top + kInfoLinePitch;
        for (size_t i = from; i < to && i < t_.infoRows.size(); ++i, y += kInfoLinePitch)
            infoRow(t_.infoRows[i], area.left, y, area.width);
    }

    // The first information page has the check square and the page map at
    // its foot, the others only rows.
    void infoPage(int index, int number, int total) {
        infoHeader(t_.tiles.printable, number, total);
        const size_t first = static_cast<size_t>(t_.rowsPerInfoPage), later = static_cast<size_t>(t_.rowsPerLaterInfoPage);
        const size_t from = index == 0 ? 0 : first + static_cast<size_t>(index - 1) * later;
        infoRows(from, from + (index == 0 ? first : later), index == 0);
        if (index > 0) return;
        checkSquare();
        const MmRect region = footRegion(t_.tiles);
        text({region.left, region.top + 4}, "拼接图（样板页在图案上的位置）", 3.5);
        pageMap({region.left, region.top + 8, region.width, region.height - 8}, nullptr);
    }

    void infoRow(const InfoRow& row, double left, double y, double width) {
        constexpr double kBoxColumn = 62;  // a listing box's width on the page, mm
        // A surface line's text columns, in average character widths of this
        // share of the text height.
        constexpr double kColumnWidth = 0.5;
        switch (row.kind) {
            case InfoRow::Kind::Heading:
                fittedText({left, y}, row.text, kInfoTextHeight * 1.2, width);
                break;
            case InfoRow::Kind::Text:
                fittedText({left, y}, row.text, kInfoTextHeight, width);
                break;
            case InfoRow::Kind::Title:
                fittedText({left, y}, cad::fittedLine(row.title, titleFit_), kInfoTextHeight, width);
                break;
            case InfoRow::Kind::Cells:
                for (size_t i = 0; i < row.cells.size(); ++i)
                    text({left + 4 + static_cast<double>(i) * kBoxColumn, y}, row.cells[i], kInfoTextHeight);
                break;
            case InfoRow::Kind::Columns: {
                // At the window's text columns, as on its surface.
                const double column = kColumnWidth * kInfoTextHeight;
                double x = left;
                for (const TextItem& item : row.items) {
                    if (item.column > 0) x = left + (item.column - 1) * column;
                    text({x, y}, item.text, kInfoTextHeight);
                    x += textWidth(item.text, kInfoTextHeight);
                }
                break;
            }
            case InfoRow::Kind::Blank:
                break;
        }
    }

    // ---- template pages ------------------------------------------------------

    void tilePage(const TemplatePage& page, int number, int total) {
        const TiledTemplate& tiles = t_.tiles;
        const MmRect& c = tiles.content;
        const PatternExtent& w = page.window;
        const double ov = tiles.margins.overlap;
        const QRectF content(c.left, c.top, c.width, c.height);

        // The overlap strips a neighbour is laid on: right and bottom.
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(228, 228, 228));
        if (!page.right.empty()) p_.drawRect(QRectF(c.right() - ov, c.top, ov, c.height));
        if (!page.below.empty()) p_.drawRect(QRectF(c.left, c.bottom() - ov, c.width, ov));
        p_.setBrush(Qt::NoBrush);

        // The pattern, clipped to the page's window.
        p_.save();
        p_.setClipRect(content);
        pageLines(page);
        for (size_t i = 0; i < t_.sheet.pieceTexts && i < t_.sheet.texts.size(); ++i) {
            const cad::SheetText& s = t_.sheet.texts[i];
            const PatternExtent b = sheetTextBox(s, textWidth(s.text, s.height), t_.turned);
            if (b.minX > w.maxX || b.maxX < w.minX || b.minY > w.maxY || b.maxY < w.minY) continue;
            // Turned with the pattern: reading upwards.
            text({c.left + s.at.x - w.minX, c.top + w.maxY - s.at.y}, s.text, s.height, Qt::black, t_.turned ? -90 : 0);
        }
        registrationMarks(page);
        p_.restore();

        // The window's edge: where a page is cut to lie on its neighbours.
        p_.setPen(pen(kThinPen, QColor(110, 110, 110), Qt::DashLine));
        p_.drawRect(content);

        if (tiles.paper.roll) {
            rollHead(number, total);
            return;
        }
        neighbours(page);
        band(page, number, total);
    }

    // The neighbours' names at the window's edges, in the margin.
    void neighbours(const TemplatePage& page) {
        const TiledTemplate& tiles = t_.tiles;
        const MmRect& c = tiles.content;
        const double m = tiles.margins.margin;
        const QColor grey(70, 70, 70);
        if (!page.above.empty()) centredText({c.left + c.width / 2, m / 2}, "上接 " + page.above + " ↑", 3, grey);
        if (!page.below.empty())
            centredText({c.left + c.width / 2, tiles.pageHeight - m / 2 - 1}, "下接 " + page.below + " ↓", 3, grey);
        if (!page.left.empty()) {
            const std::string s = "← 左接 " + page.left;
            text({m / 2 + 1, c.top + c.height / 2 + textWidth(s, 3) / 2}, s, 3, grey, -90);
        }
        if (!page.right.empty()) {
            const std::string s = "右接 " + page.right + " →";
            text({c.right() + m / 2 - 1, c.top + c.height / 2 - textWidth(s, 3) / 2}, s, 3, grey, 90);
        }
    }

    // The narrow band at a template page's foot: the check scale, the page's
    // name, number and neighbours, and which strips its neighbours overlap.
    void band(const TemplatePage& page, int number, int total) {
        const TiledTemplate& tiles = t_.tiles;
        const Point2 corner = checkScaleCorner(tiles);
        checkScale(corner);
        const MmRect& b = tiles.band;
        const double left = corner.x + kCheckScale + 6;
        text({left, b.top + 10.5}, page.name, 8);
        const double x = left + textWidth(page.name, 8) + 3;
        const double width = b.right() - x;
        fittedText({x, b.top + 4.2}, "第 " + std::to_string(number) + " 页，共 " + std::to_string(total) + " 页  " +
                                         t_.pattern.pattern.fitting + " 1:1 样板",
                   2.5, width);
        const auto name = [](const std::string& n) { return n.empty() ? std::string("—") : n; };
        fittedText({x, b.top + 8},
                   "上 " + name(page.above) + "  下 " + name(page.below) + "  左 " + name(page.left) + "  右 " +
                       name(page.right),
                   2.5, width);
        if (!page.right.empty() || !page.below.empty())
            fittedText({x, b.top + 11.8},
                       "灰色重叠区 " + numberText(tiles.margins.overlap) + " mm：" +
                           (page.right.empty() ? "" : page.right + " 叠右边") +
                           (!page.right.empty() && !page.below.empty() ? "，" : "") +
                           (page.below.empty() ? "" : page.below + " 叠下边"),
                       2.5, width);
    }

    // The check scale from `corner`: a ruler of kCheckScale mm to the right
    // along the foot, one as long up the left edge, a tick every
    // kCheckScaleStep mm (longer at 0, 50 and 100), numbered outside.
    void checkScale(Point2 corner) {
        constexpr double kTick = 2, kLongTick = 3.5, kDigits = 2;
        const QPointF o(corner.x, corner.y);
        p_.setPen(pen(kScalePen));
        p_.drawLine(o, o + QPointF(kCheckScale, 0));
        p_.drawLine(o, o - QPointF(0, kCheckScale));
        const int ticks = static_cast<int>(std::lround(kCheckScale / kCheckScaleStep));
        for (int i = 0; i <= ticks; ++i) {
            const double along = i * kCheckScaleStep;
            const double tick = i % 5 == 0 ? kLongTick : kTick;
            p_.drawLine(o + QPointF(along, 0), o + QPointF(along, tick));
            p_.drawLine(o - QPointF(0, along), o - QPointF(tick, along));
        }
        for (int i = 0; i <= ticks; ++i) {
            const double along = i * kCheckScaleStep;
            const std::string n = std::to_string(static_cast<int>(std::lround(along)));
            if (i > 0) centredText({o.x() + along, o.y() + kLongTick + 1.5}, n, kDigits);
            if (i > 0) text({o.x() - kLongTick - 0.8 - textWidth(n, kDigits), o.y() - along + 0.35 * kDigits}, n, kDigits);
        }
        text({o.x(), o.y() + 11.5}, "检验尺：横竖各 100 mm，不对就是缩放了", 2.5);
    }

    // The start of a roll: the header, the check square and beside it the
    // information rows, all of them.
    void rollHead(int number, int total) {
        infoHeader(t_.tiles.band, number, total);
        infoRows(0, t_.infoRows.size(), true);
        checkSquare();
    }

    // The outlines and marking lines of the page's window, in the page's
    // content frame: only their parts inside the window (and its bleed).
    void pageLines(const TemplatePage& page) {
        const MmRect& c = t_.tiles.content;
        const PatternExtent& w = page.window;
        const PatternExtent kept = grownWindow(w, kBleed);
        p_.save();
        p_.translate(c.left - w.minX, c.top + w.maxY);
        p_.scale(1, -1);
        QPainterPath cuts;
        for (size_t i = 0; i < t_.sheet.outlines.size(); ++i)
            for (const Polyline& part : clipPolyline(t_.sheet.outlines[i], kept, runBoxes_[i])) addLine(cuts, part);
        p_.setPen(pen(kCutPen));
        p_.drawPath(cuts);
        for (const MarkLine& m : t_.sheet.marks) {
            const std::optional<MarkLine> part = clipSegment(m, kept);
            if (!part) continue;
            p_.setPen(pen(kMarkPen, markColor(m.kind)));
            p_.drawLine(QPointF(part->from.x, part->from.y), QPointF(part->to.x, part->to.y));
        }
        p_.restore();
    }

    // Every outline simplified for a page map at `scale` map mm a pattern mm,
    // pattern mm: made once a template for every page's map.
    const QPainterPath& mapOutlines(double scale) {
        auto at = mapOutlines_.find(scale);
        if (at != mapOutlines_.end()) return at->second;
        QPainterPath path;
        for (const Polyline& line : t_.sheet.outlines) addLine(path, simplifiedLine(line, kMapTolerance / scale));
        return mapOutlines_.emplace(scale, std::move(path)).first->second;
    }

    void registrationMarks(const TemplatePage& page) {
        constexpr double kMarkRadius = 4;  // the circle's, mm
        constexpr double kMarkArm = 6;     // half the cross, mm
        const MmRect& c = t_.tiles.content;
        const PatternExtent& w = page.window;
        const double half = t_.tiles.margins.overlap / 2;
        // Marks in pattern coordinates: the same points on both pages of a strip.
        std::vector<QPointF> marks;
        const double midX = (w.minX + w.maxX) / 2, midY = (w.minY + w.maxY) / 2;
        const auto vertical = [&](double x) {
            for (double y : {w.maxY - half, midY, w.minY + half}) marks.emplace_back(x, y);
        };
        const auto horizontal = [&](double y) {
            for (double x : {w.minX + half, midX, w.maxX - half}) marks.emplace_back(x, y);
        };
        if (!page.left.empty()) vertical(w.minX + half);
        if (!page.right.empty()) vertical(w.maxX - half);
        if (!page.above.empty()) horizontal(w.maxY - half);
        if (!page.below.empty()) horizontal(w.minY + half);
        p_.setPen(pen(0.2));
        p_.setBrush(Qt::NoBrush);
        for (const QPointF& m : marks) {
            const QPointF at(c.left + m.x() - w.minX, c.top + w.maxY - m.y());
            p_.drawEllipse(at, kMarkRadius, kMarkRadius);
            p_.drawLine(at - QPointF(kMarkArm, 0), at + QPointF(kMarkArm, 0));
            p_.drawLine(at - QPointF(0, kMarkArm), at + QPointF(0, kMarkArm));
        }
    }

    const PrintedTemplate& t_;
    QPagedPaintDevice& device_;
    QPainter& p_;
    double dotsPerMm_;
    QString family_;
    cad::TitleFit titleFit_;
    std::vector<std::vector<PatternExtent>> runBoxes_;  // each outline's edgeRunBoxes, pattern mm
    std::map<double, QFont> fonts_;
    std::map<std::pair<std::string, double>, double> widths_;
    std::map<double, QPainterPath> mapOutlines_;
};

}  // namespace

cad::TitleFit templateTitleFit(double widthMm, const QPaintDevice* device) {
    const double dotsPerMm = device != nullptr ? device->logicalDpiX() / 25.4 : kPdfDotsPerMm;
    const QFont font = templateFont(templateFamily(), kInfoTextHeight, dotsPerMm);
    const QFontMetricsF metrics = device != nullptr ? QFontMetricsF(font, device) : QFontMetricsF(font);
    // The face itself, not the faces Qt fills in from for a character it
    // lacks: those are whatever the machine has, and one the PDF cannot embed
    // (colour emoji) prints nothing. A face that cannot be read says nothing.
    const QRawFont face = QRawFont::fromFont(font);
    return {[face](char32_t c) { return !face.isValid() || face.supportsCharacter(c); },
            [metrics, widthMm, dotsPerMm](const std::string& line) {
                return metrics.horizontalAdvance(QString::fromStdString(line)) / dotsPerMm <= widthMm;
            }};
}

bool paintTemplate(const PrintedTemplate& t, QPagedPaintDevice& device, const PageProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    TemplatePainter(t, device, painter).paint(progress);
    return painter.end();
}

}  // namespace korvel
