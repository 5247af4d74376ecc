#include "output/template_pdf.h"


#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "output/dxf_file.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The template's lines, mm.
constexpr double kCutPen = 0.35;
constexpr double kMarkPen = 0.25;
constexpr double kThinPen = 0.15;
constexpr double kMarkRadius = 4;     // registration mark's circle
constexpr double kMarkArm = 6;        // half its cross
constexpr double kHeaderHeight = 24;  // the information pages' head: title and paper line
constexpr double kSquareTop = 7;      // from the band's top to the check square: room for its size
// A surface line's text columns, in average character widths of this share of
// the text height.
constexpr double kColumnWidth = 0.5;
constexpr double kBoxColumn = 62;  // a listing box's width on the page, mm

const char* kFontName = "宋体";

// The installed face "宋体" stands for (the application's substitution), named
// directly, so that Latin text is set in it too; another face fills in only
// for a character it lacks (the minus sign).
QString templateFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : QFont::substitutes(QString::fromUtf8(kFontName)))
        if (installed.contains(family)) return family;
    return QString::fromUtf8(kFontName);
}

std::string trimmedCaption(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') continue;
        text += caption[i];
    }
    // "计算端节展开 (D)" loses its access key with its brackets.
    const auto open = text.find('(');
    if (open != std::string::npos && text.find(')', open) != std::string::npos) text.erase(open);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool blankLine(const TextLineOp& line) {
    for (const TextItem& item : line.items)
        if (!item.text.empty()) return false;
    return true;
}

// The extent of the pieces (outlines, marks, labels, names), without the title block.
PatternExtent piecesExtent(const cad::PatternSheet& sheet) {
    if (sheet.pieces.empty()) return {};
    PatternExtent e{sheet.pieces[0].minX, sheet.pieces[0].minY, sheet.pieces[0].maxX, sheet.pieces[0].maxY};
    for (const cad::Box& b : sheet.pieces) {
        e.minX = std::min(e.minX, b.minX);
        e.minY = std::min(e.minY, b.minY);
        e.maxX = std::max(e.maxX, b.maxX);
        e.maxY = std::max(e.maxY, b.maxY);
    }
    return e;
}

std::string orientationText(const TiledTemplate& t) { return t.landscape ? "横向" : "纵向"; }

std::string suggestedName(const std::string& dxfName, const std::string& paper) {
    std::string name = dxfName;
    if (name.ends_with(".dxf")) name.resize(name.size() - 4);
    const auto at = name.find("展开图");
    if (at != std::string::npos) name.replace(at, std::string("展开图").size(), "样板");
    return name + "_" + paper + ".pdf";
}

std::vector<InfoRow> infoRows(const PrintedTemplate& t) {
    std::vector<InfoRow> rows;
    const auto heading = [&rows](std::string text) { rows.push_back({InfoRow::Kind::Heading, std::move(text), {}, {}}); };
    const auto text = [&rows](std::string line) { rows.push_back({InfoRow::Kind::Text, std::move(line), {}, {}}); };
    const auto blank = [&rows] { rows.push_back({InfoRow::Kind::Blank, "", {}, {}}); };

    heading("打印与拼接");
    text("1. 打印时选“实际大小”（100%），不要选“适合页面”或“缩小”。");
    text("2. 打印后先量每页下方的检验方框：应为 100 mm × 100 mm，不对就是缩放了。");
    text("3. 按拼接图排好各页：行字母 A、B … 自上而下，列号 1、2 … 自左向右；");
    text("   拼接图上虚线无名的格子是空白页，不印。");
    text("4. 剪去每页左边和上边的白边（第 1 列不剪左边，A 行不剪上边），");
    text("   叠在左邻页、上邻页的灰色重叠区（" + numberText(t.tiles.margins.overlap) +
         " mm）上，对准圆圈十字对位标记后粘牢。");
    text("5. 黑色粗线是切割线，彩色细线是标记线，见下面标题栏的标记线说明。");
    blank();
    heading("标题栏");
    const std::vector<std::string> title = cad::titleBlockLines(t.pattern);
    for (const std::string& line : title) text(line);
    for (const ListingBlock& block : t.listing) {
        blank();
        heading("窗口列表：" + block.command);
        for (const std::string& m : block.messages) text(m);
        for (const std::string& c : block.captions) text(c);
        if (!block.headings.empty()) rows.push_back({InfoRow::Kind::Cells, "", block.headings, {}});
        size_t longest = 0;
        for (const auto& box : block.boxes) longest = std::max(longest, box.size());
        for (size_t i = 0; i < longest; ++i) {
            InfoRow row{InfoRow::Kind::Cells, "", {}, {}};
            for (const auto& box : block.boxes) row.cells.push_back(i < box.size() ? box[i] : "");
            rows.push_back(std::move(row));
        }
        for (const TextLineOp& line : block.surface) {
            if (blankLine(line)) rows.push_back({InfoRow::Kind::Blank, "", {}, {}});
            else rows.push_back({InfoRow::Kind::Columns, "", {}, line.items});
        }
    }
    return rows;
}

// ---- painting ------------------------------------------------------------

QColor markColor(MarkKind kind) {
    switch (kind) {
        case MarkKind::Generator:
            return {0, 150, 0};
        case MarkKind::Triangulation:
            return {0, 150, 190};
        case MarkKind::Bend:
            return {220, 0, 0};
        case MarkKind::Seam:
            return {200, 0, 200};
        case MarkKind::Quarter:
            return {0, 0, 230};
        case MarkKind::CentreLine:
            return {240, 120, 0};
    }
    return Qt::black;
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

QPainterPath outlinePath(const Polyline& line) {
    QPainterPath path;
    const size_t n = line.vertices.size();
    if (n == 0) return path;
    path.moveTo(line.vertices[0].x, line.vertices[0].y);
    for (size_t i = 0; i + 1 < n; ++i) addEdge(path, line.vertices[i], line.vertices[i + 1]);
    if (line.closed && n > 1) addEdge(path, line.vertices[n - 1], line.vertices[0]);
    path.closeSubpath();
    return path;
}

bool meets(const QRectF& a, const PatternExtent& w) {
    return a.left() <= w.maxX && a.right() >= w.minX && a.top() <= w.maxY && a.bottom() >= w.minY;
}

class TemplatePainter {
public:
    TemplatePainter(const PrintedTemplate& t, QPagedPaintDevice& device, QPainter& painter)
        : t_(t), device_(device), p_(painter), dotsPerMm_(device.logicalDpiX() / 25.4), family_(templateFamily()) {
        for (const Polyline& line : t.sheet.outlines) {
            QPainterPath path = outlinePath(line);
            bounds_.push_back(path.boundingRect());
            outlines_.push_back(std::move(path));
        }
    }

    void paint() {
        const int total = t_.pageCount();
        int number = 1;
        for (int i = 0; i < t_.infoPages; ++i, ++number) {
            if (number > 1) device_.newPage();
            startPage();
            infoPage(i, number, total);
        }
        for (const TemplatePage& page : t_.tiles.pages) {
            if (!page.printed) continue;
            if (number > 1) device_.newPage();
            startPage();
            tilePage(page, number, total);
            ++number;
        }
    }

private:
    void startPage() {
        p_.resetTransform();
        p_.scale(dotsPerMm_, dotsPerMm_);
        p_.setRenderHint(QPainter::Antialiasing, true);
    }

    QPen pen(double width, QColor colour = Qt::black, Qt::PenStyle style = Qt::SolidLine) const {
        QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(false);
        return pen;
    }

    QFont font(double heightMm) const {
        QFont f(family_);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * dotsPerMm_))));
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }

    double textWidth(const std::string& text, double heightMm) const {
        return QFontMetricsF(font(heightMm), &device_).horizontalAdvance(QString::fromStdString(text)) / dotsPerMm_;
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

    // The region of the foot right of the check square and its size.
    MmRect footRegion() const {
        const MmRect square = checkSquareRect(t_.tiles);
        const MmRect& band = t_.tiles.band;
        const double left = square.right() + 10;
        return {left, square.top - kSquareTop + 2, band.right() - left, square.height + kSquareTop - 2};
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
        for (const QPainterPath& path : outlines_) p_.drawPath(path);
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

    void infoPage(int index, int number, int total) {
        const TiledTemplate& tiles = t_.tiles;
        const double left = tiles.content.left, top = tiles.content.top;
        text({left, top + 7}, t_.pattern.pattern.fitting + "  1:1 样板", 7);
        const std::string pageText = "第 " + std::to_string(number) + " 页，共 " + std::to_string(total) + " 页";
        text({tiles.content.right() - textWidth(pageText, 3.5), top + 7}, pageText, 3.5);
        const int printed = tiles.printedPages();
        const int left_out = static_cast<int>(tiles.pages.size()) - printed;
        text({left, top + 14},
             "纸张 " + tiles.paper.name + " " + orientationText(tiles) + "：说明 " + std::to_string(t_.infoPages) +
                 " 页，样板 " + std::to_string(tiles.rows) + " 行 × " + std::to_string(tiles.columns) + " 列共 " +
                 std::to_string(printed) + " 页" +
                 (left_out > 0 ? "（" + std::to_string(left_out) + " 页空白，不印）" : "") + "，相邻页重叠 " +
                 numberText(tiles.margins.overlap) + " mm",
             3.5);
        const PatternExtent& e = tiles.extent;
        text({left, top + 19.5},
             "样板外形 " + roundedText(e.maxX - e.minX, 0) + " mm × " + roundedText(e.maxY - e.minY, 0) +
                 " mm，比例 1:1（纸上 1 mm 即样板 1 mm）",
             3.5);
        p_.setPen(pen(kThinPen));
        p_.drawLine(QPointF(left, top + kHeaderHeight - 2), QPointF(tiles.content.right(), top + kHeaderHeight - 2));

        const size_t perPage = static_cast<size_t>(t_.rowsPerInfoPage);
        const size_t from = static_cast<size_t>(index) * perPage;
        const size_t to = std::min(t_.infoRows.size(), from + perPage);
        double y = top + kHeaderHeight + kInfoLinePitch;
        for (size_t i = from; i < to; ++i, y += kInfoLinePitch) infoRow(t_.infoRows[i], left, y);

        checkSquare();
        if (index == 0) {
            const MmRect region = footRegion();
            text({region.left, region.top + 4}, "拼接图（样板页在图案上的位置）", 3.5);
            pageMap({region.left, region.top + 8, region.width, region.height - 8}, nullptr);
        }
    }

    void infoRow(const InfoRow& row, double left, double y) {
        switch (row.kind) {
            case InfoRow::Kind::Heading:
                fittedText({left, y}, row.text, kInfoTextHeight * 1.2, t_.tiles.content.width);
                break;
            case InfoRow::Kind::Text:
                fittedText({left, y}, row.text, kInfoTextHeight, t_.tiles.content.width);
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
        p_.save();
        p_.translate(c.left - w.minX, c.top + w.maxY);
        p_.scale(1, -1);
        p_.setPen(pen(kCutPen));
        for (size_t i = 0; i < outlines_.size(); ++i)
            if (meets(bounds_[i], w)) p_.drawPath(outlines_[i]);
        for (const MarkLine& m : t_.sheet.marks) {
            const QRectF box = QRectF(QPointF(m.from.x, m.from.y), QPointF(m.to.x, m.to.y)).normalized();
            if (!meets(box, w)) continue;
            p_.setPen(pen(kMarkPen, markColor(m.kind)));
            p_.drawLine(QPointF(m.from.x, m.from.y), QPointF(m.to.x, m.to.y));
        }
        p_.restore();
        for (size_t i = 0; i < t_.pieceTexts && i < t_.sheet.texts.size(); ++i) {
            const cad::SheetText& s = t_.sheet.texts[i];
            const double width = textWidth(s.text, s.height);
            if (s.at.x > w.maxX || s.at.x + width < w.minX || s.at.y > w.maxY || s.at.y + s.height < w.minY) continue;
            text({c.left + s.at.x - w.minX, c.top + w.maxY - s.at.y}, s.text, s.height);
        }
        registrationMarks(page);
        p_.restore();

        // The window's edge: where a page is cut to lie on its neighbours.
        p_.setPen(pen(kThinPen, QColor(110, 110, 110), Qt::DashLine));
        p_.drawRect(content);

        // Neighbours at the edges, in the margin.
        const double m = tiles.margins.margin;
        const QColor grey(70, 70, 70);
        if (!page.above.empty()) centredText({c.left + c.width / 2, m / 2}, "上接 " + page.above + " ↑", 3, grey);
        if (!page.below.empty())
            centredText({c.left + c.width / 2, c.bottom() + 3.5}, "下接 " + page.below + " ↓", 3, grey);
        if (!page.left.empty()) {
            const std::string s = "← 左接 " + page.left;
            text({m / 2 + 1, c.top + c.height / 2 + textWidth(s, 3) / 2}, s, 3, grey, -90);
        }
        if (!page.right.empty()) {
            const std::string s = "右接 " + page.right + " →";
            text({c.right() + m / 2 - 1, c.top + c.height / 2 - textWidth(s, 3) / 2}, s, 3, grey, 90);
        }

        checkSquare();
        const MmRect region = footRegion();
        text({region.left, region.top + 14}, page.name, 14);
        const std::string pageText = "第 " + std::to_string(number) + " 页，共 " + std::to_string(total) + " 页";
        text({region.right() - textWidth(pageText, 3), region.top + 4}, pageText, 3);
        double y = region.top + 20;
        const auto line = [&](const std::string& s) {
            text({region.left, y}, s, 3);
            y += 4.2;
        };
        line(t_.pattern.pattern.fitting + "  1:1 样板");
        const auto name = [](const std::string& n) { return n.empty() ? std::string("—") : n; };
        line("上 " + name(page.above) + "   下 " + name(page.below) + "   左 " + name(page.left) + "   右 " +
             name(page.right));
        if (!page.right.empty() || !page.below.empty())
            line("灰色重叠区 " + numberText(ov) + " mm：" +
                 (page.right.empty() ? "" : page.right + " 叠右边") +
                 (!page.right.empty() && !page.below.empty() ? "，" : "") +
                 (page.below.empty() ? "" : page.below + " 叠下边"));
        pageMap({region.left, y, region.width, region.bottom() - y}, &page);
    }

    void registrationMarks(const TemplatePage& page) {
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
    std::vector<QPainterPath> outlines_;
    std::vector<QRectF> bounds_;
};

// ---- the file ----------------------------------------------------------------

QPageSize qtPageSize(const PaperSize& paper) {
    if (paper.name == "A4") return QPageSize(QPageSize::A4);
    if (paper.name == "A3") return QPageSize(QPageSize::A3);
    if (paper.name == "A2") return QPageSize(QPageSize::A2);
    if (paper.name == "A1") return QPageSize(QPageSize::A1);
    if (paper.name == "A0") return QPageSize(QPageSize::A0);
    if (paper.name == "Letter") return QPageSize(QPageSize::Letter);
    return QPageSize(QSizeF(paper.width, paper.height), QPageSize::Millimeter, QString::fromStdString(paper.name));
}

// The date Qt writes into the document information, fixed in place (same
// length, so that the cross-reference offsets stay right).
void fixCreationDate(QByteArray& pdf) {
    static const QByteArray key = "/CreationDate (D:";
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const qsizetype start = at + key.size();
        const char fixed[] = "20000101000000";
        qsizetype i = start;
        for (size_t k = 0; k + 1 < sizeof fixed && i < pdf.size() && std::isdigit(static_cast<unsigned char>(pdf[i]));
             ++k, ++i)
            pdf[i] = fixed[k];
        // The zone, "+01'00'" or "Z": its digits to zero.
        for (; i < pdf.size() && pdf[i] != ')'; ++i)
            if (std::isdigit(static_cast<unsigned char>(pdf[i]))) pdf[i] = '0';
    }
}

// ---- what a window holds ------------------------------------------------------

// True when the segment from a to b meets the window (Liang and Barsky's clip).
bool segmentMeets(Point2 a, Point2 b, const PatternExtent& w) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - w.minX, w.maxX - a.x, a.y - w.minY, w.maxY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

// The outline as points, each arc in steps of at most two degrees.
std::vector<Point2> outlinePoints(const Polyline& line) {
    std::vector<Point2> points;
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const Vertex& a = line.vertices[i];
        points.push_back({a.x, a.y});
        if (i + 1 == n && !line.closed) break;
        const Vertex& b = line.vertices[(i + 1) % n];
        const std::optional<BulgeArc> arc = bulgeArc(a, b);
        if (!arc) continue;
        const double radius = arc->radius, start = arc->start, sweep = arc->sweep;
        const double centreX = arc->centre.x, centreY = arc->centre.y;
        const int steps = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / (2 * kPi / 180))), 1, 720);
        for (int k = 1; k < steps; ++k) {
            const double angle = start + sweep * k / steps;
            points.push_back({centreX + radius * std::cos(angle), centreY + radius * std::sin(angle)});
        }
    }
    if (line.closed && !points.empty()) points.push_back(points.front());
    return points;
}

// True when a cutting line, a marking line, a label or a name meets the window.
bool windowHoldsPattern(const PrintedTemplate& t, const std::vector<std::vector<Point2>>& outlines,
                        const PatternExtent& w) {
    for (const auto& points : outlines)
        for (size_t i = 0; i + 1 < points.size(); ++i)
            if (segmentMeets(points[i], points[i + 1], w)) return true;
    for (const MarkLine& m : t.sheet.marks)
        if (segmentMeets(m.from, m.to, w)) return true;
    for (size_t i = 0; i < t.pieceTexts && i < t.sheet.texts.size(); ++i) {
        const cad::SheetText& s = t.sheet.texts[i];
        // A Chinese character about as wide as the text is high, any other
        // seven tenths of it (as the DXF's boxes reckon).
        double width = 0;
        for (unsigned char c : s.text)
            if (c < 0x80) width += 0.7 * s.height;
            else if (c >= 0xC0) width += c >= 0xE0 ? s.height : 0.7 * s.height;
        if (s.at.x <= w.maxX && s.at.x + width >= w.minX && s.at.y <= w.maxY && s.at.y + s.height >= w.minY)
            return true;
    }
    return false;
}

}  // namespace

std::vector<ListingBlock> templateListing(const WindowDesign& design, const FormState& state) {
    std::vector<ListingBlock> blocks;
    for (const std::string& name : design.patternListing) {
        const MenuCommand* command = design.command(name);
        if (command == nullptr || !command->run) continue;
        const Outcome outcome = command->run(state);
        ListingBlock block;
        block.command = trimmedCaption(command->caption);
        std::map<std::string, size_t> boxIndex;
        for (size_t i = 0; i < design.listingBoxes.size(); ++i) boxIndex[design.listingBoxes[i].key()] = i;
        block.headings.assign(design.listingBoxes.size(), "");
        block.boxes.assign(design.listingBoxes.size(), {});
        std::map<std::string, std::string> captions;
        std::vector<std::string> captionOrder;
        for (const auto& effect : outcome.effects) {
            if (const auto* m = std::get_if<ShowMessage>(&effect)) {
                std::string text = m->text;
                std::replace(text.begin(), text.end(), '\n', ' ');
                block.messages.push_back(text);
            } else if (const auto* c = std::get_if<SetCaption>(&effect)) {
                if (!captions.contains(c->key)) captionOrder.push_back(c->key);
                captions[c->key] = c->text;
            } else if (const auto* h = std::get_if<SetListingHeading>(&effect)) {
                if (boxIndex.contains(h->key)) block.headings[boxIndex[h->key]] = h->text;
            } else if (const auto* l = std::get_if<AddListingLine>(&effect)) {
                if (boxIndex.contains(l->key)) block.boxes[boxIndex[l->key]].push_back(l->text);
            } else if (const auto* cl = std::get_if<ClearListing>(&effect)) {
                if (boxIndex.contains(cl->key)) {
                    block.headings[boxIndex[cl->key]].clear();
                    block.boxes[boxIndex[cl->key]].clear();
                }
            } else if (const auto* d = std::get_if<Draw>(&effect)) {
                if (std::holds_alternative<ClearOp>(d->primitive)) block.surface.clear();
                if (const auto* line = std::get_if<TextLineOp>(&d->primitive)) {
                    if (blankLine(*line) && (block.surface.empty() || blankLine(block.surface.back()))) continue;
                    block.surface.push_back(*line);
                }
            }
        }
        // What a caption shows in the end; captions emptied show nothing.
        for (const std::string& key : captionOrder) {
            std::string text = captions[key];
            std::replace(text.begin(), text.end(), '\n', ' ');
            if (text.find_first_not_of(' ') != std::string::npos) block.captions.push_back(text);
        }
        while (!block.surface.empty() && blankLine(block.surface.back())) block.surface.pop_back();
        bool anyHeading = false;
        for (const auto& h : block.headings) anyHeading = anyHeading || !h.empty();
        bool anyLine = false;
        for (const auto& b : block.boxes) anyLine = anyLine || !b.empty();
        if (!anyHeading && !anyLine) {
            block.headings.clear();
            block.boxes.clear();
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::vector<std::string> listingText(const ListingBlock& block) {
    std::vector<std::string> lines = block.messages;
    lines.insert(lines.end(), block.captions.begin(), block.captions.end());
    const auto joined = [](const std::vector<std::string>& cells) {
        std::string s;
        for (const auto& c : cells) {
            if (c.empty()) continue;
            s += (s.empty() ? "" : " ") + c;
        }
        return s;
    };
    if (!block.headings.empty()) lines.push_back(joined(block.headings));
    size_t longest = 0;
    for (const auto& box : block.boxes) longest = std::max(longest, box.size());
    for (size_t i = 0; i < longest; ++i) {
        std::vector<std::string> cells;
        for (const auto& box : block.boxes) cells.push_back(i < box.size() ? box[i] : "");
        lines.push_back(joined(cells));
    }
    for (const TextLineOp& line : block.surface) {
        if (blankLine(line)) continue;
        std::vector<std::string> cells;
        for (const TextItem& item : line.items) cells.push_back(item.text);
        lines.push_back(joined(cells));
    }
    return lines;
}

MmRect checkSquareRect(const TiledTemplate& tiles) {
    return {tiles.band.left, tiles.band.top + kSquareTop, kCheckSquare, kCheckSquare};
}

PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper) {
    PrintedTemplate t;
    t.pattern = design.pattern(state);
    if (t.pattern.rejected()) {
        t.rejection = t.pattern.rejection;
        return t;
    }
    t.sheet = cad::layOutPattern(t.pattern);
    t.pieceTexts = t.sheet.texts.size() - std::min(t.sheet.texts.size(), cad::titleBlockLines(t.pattern).size());
    const PatternExtent extent = piecesExtent(t.sheet);
    std::vector<std::vector<Point2>> outlines;
    for (const Polyline& line : t.sheet.outlines) outlines.push_back(outlinePoints(line));
    t.listing = templateListing(design, state);
    t.infoRows = infoRows(t);

    // Of portrait and landscape the one with fewer pages in all, the
    // information pages counted too (their text wants height): portrait when
    // equal.
    bool chosen = false;
    for (bool landscape : {false, true}) {
        TiledTemplate tiles = tileTemplateIn(extent, paper, landscape);
        if (static_cast<long long>(tiles.rows) * tiles.columns > kMaxTemplatePages) continue;
        leaveOutEmptyPages(tiles, [&](const PatternExtent& w) { return windowHoldsPattern(t, outlines, w); });
        const double frame = tiles.content.height - kHeaderHeight;
        const int perPage = std::max(1, static_cast<int>(std::floor(frame / kInfoLinePitch)));
        const int info = std::max<int>(
            1, static_cast<int>((t.infoRows.size() + static_cast<size_t>(perPage) - 1) / static_cast<size_t>(perPage)));
        if (chosen && info + tiles.printedPages() >= t.pageCount()) continue;
        t.tiles = std::move(tiles);
        t.rowsPerInfoPage = perPage;
        t.infoPages = info;
        chosen = true;
    }
    if (!chosen) {
        const TiledTemplate fewest = tileTemplate(extent, paper);
        t.rejection.effects.push_back(ShowMessage{"1:1 样板要 " + std::to_string(fewest.rows) + " 行 × " +
                                                      std::to_string(fewest.columns) + " 列的 " + paper.name +
                                                      " 纸，超过 " + std::to_string(kMaxTemplatePages) +
                                                      " 页。\n请选更大的纸张，或导出展开图（DXF）。",
                                                  MessageIcon::Error, "错误："});
        t.rejection.stopped = true;
        return t;
    }
    t.fileName = suggestedName(t.pattern.fileName, paper.name);
    return t;
}

bool paintTemplate(const PrintedTemplate& t, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    TemplatePainter(t, device, painter).paint();
    return painter.end();
}

QByteArray templatePdf(const PrintedTemplate& t) {
    // The faces go into the file in the order of a hash table: with the
    // process's random seed that order, and so the bytes, would change from
    // run to run. The fixed seed holds for the tables made while the file is
    // written.
    QHashSeed::setDeterministicGlobalSeed();
    struct Reseed {
        ~Reseed() { QHashSeed::resetRandomGlobalSeed(); }
    } reseed;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Korvel"));
        writer.setTitle(QString::fromStdString(t.pattern.pattern.fitting + " 1:1 样板"));
        // Metadata of our own: the one Qt makes up carries the time and a random identifier.
        writer.setDocumentXmpMetadata(QByteArrayLiteral(
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
            "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
            "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
            "<rdf:Description rdf:about='' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
            "<xmp:CreatorTool>Korvel</xmp:CreatorTool>\n"
            "</rdf:Description>\n"
            "</rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end='w'?>"));
        writer.setPageLayout(QPageLayout(qtPageSize(t.tiles.paper),
                                         t.tiles.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        paintTemplate(t, writer);
    }
    QByteArray pdf = buffer.data();
    fixCreationDate(pdf);
    return pdf;
}

void saveTemplatePdf(const PrintedTemplate& t, const std::string& path) {
    if (path.empty()) throw cad::SaveError("no file name", ENOENT);
    const QByteArray pdf = templatePdf(t);
    cad::saveFileBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

std::string templateSaveFailureText(const std::string& path, int code, const std::string& error) {
    return cad::saveFailureText("无法保存 1:1 样板：", path, code, error);
}

}  // namespace korvel
