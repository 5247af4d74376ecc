// What a template page draws of the pattern: every part of an outline in the
// page's window lies on the lines cut to that window, and a page's bytes go
// with what lies on it, not with the whole pattern's vertex count.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/page_clip.h"
#include "output/template_pdf.h"
#include "output/template_presets.h"

namespace korvel {
namespace {

bool inWindow(Point2 p, const PatternExtent& w) {
    return p.x >= w.minX && p.x <= w.maxX && p.y >= w.minY && p.y <= w.maxY;
}

// True when p lies on an edge of the line, within 1 µm.
bool onLine(Point2 p, const Polyline& line) {
    const size_t n = line.vertices.size();
    for (size_t i = 0; i + 1 < n || (line.closed && i < n); ++i) {
        const Vertex& a = line.vertices[i];
        const Vertex& b = line.vertices[(i + 1) % n];
        if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
            // On the circle, and within the sweep from a.
            if (std::fabs(std::hypot(p.x - arc->centre.x, p.y - arc->centre.y) - arc->radius) > 1e-6) continue;
            double turn = std::remainder(std::atan2(p.y - arc->centre.y, p.x - arc->centre.x) - arc->start,
                                         2 * std::numbers::pi);
            if (arc->sweep > 0 && turn < -1e-9) turn += 2 * std::numbers::pi;
            if (arc->sweep < 0 && turn > 1e-9) turn -= 2 * std::numbers::pi;
            if (turn / arc->sweep <= 1 + 1e-9) return true;
            continue;
        }
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
        if (std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy) < 1e-6) return true;
    }
    return false;
}

// Points along every edge of the line: its vertices, and 32 steps between.
std::vector<Point2> samples(const Polyline& line) {
    std::vector<Point2> points;
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const Vertex& a = line.vertices[i];
        const Vertex& b = line.vertices[(i + 1) % n];
        points.push_back({a.x, a.y});
        if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
            const std::vector<Point2> within = cad::pointsWithin(*arc, 32);
            points.insert(points.end(), within.begin(), within.end());
        } else {
            for (int k = 1; k < 32; ++k) points.push_back({a.x + (b.x - a.x) * k / 32, a.y + (b.y - a.y) * k / 32});
        }
    }
    return points;
}

TEST(TemplatePageLines, EveryPartOfAnOutlineInAPagesWindowIsOnThatPagesLines) {
    // The elbow's sections are straight edges, the cone's sector two arcs.
    for (const char* fitting : {"elbow", "cone"}) {
        SCOPED_TRACE(fitting);
        const PrintedTemplate t = presetTemplate(fitting, "A4");
        ASSERT_FALSE(t.rejected());
        int checked = 0;
        for (const TemplatePage& page : t.tiles.pages) {
            if (!page.printed) continue;
            for (const Polyline& outline : t.sheet.outlines) {
                const std::vector<Polyline> parts = clipPolyline(outline, page.window, edgeRunBoxes(outline));
                for (const Point2& p : samples(outline)) {
                    if (!inWindow(p, page.window)) continue;
                    ++checked;
                    EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [&](const Polyline& l) { return onLine(p, l); }))
                        << page.name << " (" << p.x << ", " << p.y << ")";
                }
            }
        }
        EXPECT_GT(checked, 100);
    }
}

// The bytes the middle printed page of the elbow's template at n divisions
// adds to its file.
qsizetype middlePageBytes(int divisions) {
    PrintedTemplate t = presetTemplate("elbow", "A4", {{"Combo1", std::to_string(divisions)}});
    std::vector<TemplatePage*> printed;
    for (TemplatePage& page : t.tiles.pages)
        if (page.printed) printed.push_back(&page);
    if (printed.empty()) return 0;
    TemplatePage* middle = printed[printed.size() / 2];
    for (TemplatePage& page : t.tiles.pages) page.printed = &page == middle;
    const qsizetype with = templatePdf(t).size();
    middle->printed = false;
    return with - templatePdf(t).size();
}

TEST(TemplatePageLines, APagesBytesDoNotGrowWithTheDivisions) {
    // 25 times the outline's vertices; more generators pass over the page,
    // but its lines are cut to it and its map simplified.
    const qsizetype few = middlePageBytes(16), many = middlePageBytes(400);
    ASSERT_GT(few, 1000);
    EXPECT_LT(many, 2 * few) << few << " bytes at n = 16, " << many << " at n = 400";
}

}  // namespace
}  // namespace korvel
