#include "core/nesting/nest.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/cut_list.h"
#include "core/nesting/nester.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// The nester counts in whole micrometres: a 6000 mm plate is 6e6 of them,
// far from where the clipping's 64-bit products would overflow.
constexpr double kUnitsPerMm = 1000;

nester::IntPoint units(const Point2& p) {
    return {std::llround(p.x * kUnitsPerMm), std::llround(p.y * kUnitsPerMm)};
}

nester::IntRing units(const Ring& ring) {
    nester::IntRing out;
    for (const Point2& p : ring) out.push_back(units(p));
    return out;
}

Point2 turned(const Point2& p, const Placement& at) {
    const double c = std::cos(at.angle), s = std::sin(at.angle);
    return {p.x * c - p.y * s + at.shift.x, p.x * s + p.y * c + at.shift.y};
}

Polyline turned(const Polyline& line, const Placement& at) {
    Polyline moved = line;
    for (Vertex& v : moved.vertices) {
        const Point2 p = turned(Point2{v.x, v.y}, at);
        v.x = p.x;
        v.y = p.y;  // a turn keeps each arc's bulge
    }
    return moved;
}

// Whether the part's outline fits the usable plate at some turn the nester
// may take (the nester's own test would drop it without a word).
bool fits(const NestPart& part, const Plate& plate, int rotations) {
    const Extent e = outlineExtent(part.piece.outline);
    const double w = e.maxX - e.minX, h = e.maxY - e.minY;
    const double room = 2 * kChordTolerance;  // the nester's outline keeps that much clear too
    const auto within = [&](double a, double b) {
        return a + room <= plate.usableWidth() && b + room <= plate.usableHeight();
    };
    return within(w, h) || (rotations % 4 == 0 && within(h, w));
}

}  // namespace

Piece placedPiece(const NestPart& part, const Placement& placement) {
    Piece piece = part.piece;
    piece.outline = turned(piece.outline, placement);
    for (Polyline& hole : piece.holes) hole = turned(hole, placement);
    for (MarkLine& mark : piece.marks) {
        mark.from = turned(mark.from, placement);
        mark.to = turned(mark.to, placement);
    }
    for (StationLabel& label : piece.labels) label.at = turned(label.at, placement);
    return piece;
}

Ring placedRing(const Ring& ring, const Placement& placement) {
    Ring moved;
    for (const Point2& p : ring) moved.push_back(turned(p, placement));
    return moved;
}

Nesting nestParts(const std::vector<NestPart>& parts, const NestOptions& options) {
    Nesting nesting;
    const Plate& plate = options.plate;
    if (std::string problem = plateProblem(plate); !problem.empty()) {
        nesting.error = problem;
        return nesting;
    }
    if (options.rotations < 1 || options.rotations > 360) {
        nesting.error = "转角数须在 1 到 360 之间：" + std::to_string(options.rotations);
        return nesting;
    }
    if (parts.size() > kMostNestedParts) {
        nesting.error = "零件太多：" + std::to_string(parts.size()) + " 件，一次最多排 " +
                        std::to_string(kMostNestedParts) + " 件";
        return nesting;
    }
    for (const NestPart& part : parts)
        if (!fits(part, plate, options.rotations)) {
            const Extent e = outlineExtent(part.piece.outline);
            nesting.error = "件 " + part.name + " 比钢板可用尺寸大（" + numberText(std::round(e.maxX - e.minX)) +
                            " × " + numberText(std::round(e.maxY - e.minY)) + " mm，可用 " +
                            numberText(plate.usableWidth()) + " × " + numberText(plate.usableHeight()) +
                            " mm），需先分割";
            return nesting;
        }
    if (parts.empty()) return nesting;

    std::vector<nester::Shape> shapes;
    for (const NestPart& part : parts) {
        // A part starts with its long side along the plate's where it may
        // turn a quarter: it must, where only that way round fits.
        const Extent e = outlineExtent(part.piece.outline);
        const bool wide = e.maxX - e.minX > e.maxY - e.minY;
        const bool turn = options.rotations % 4 == 0 && wide != (plate.usableWidth() > plate.usableHeight());
        nester::Shape shape{units(part.outline), {}, turn ? std::numbers::pi / 2 : 0.0};
        for (const Ring& hole : part.holes) shape.holes.push_back(units(hole));
        shapes.push_back(std::move(shape));
    }
    // Each part grows by half the gap and by the chords' tolerance (its true
    // arcs may reach that far past the chords); the room grows by half the
    // gap past the margin, so that a true outline keeps the margin clear.
    const long long distance = std::llround((plate.gap + 2 * kChordTolerance) * kUnitsPerMm);
    const double half = plate.gap / 2;
    const nester::Room room{units({plate.margin - half, plate.margin - half}),
                            units({plate.width - plate.margin + half, plate.height - plate.margin + half})};
    std::vector<double> rotations;
    for (int r = 0; r < options.rotations; ++r) rotations.push_back(2 * std::numbers::pi * r / options.rotations);

    // The nester also reports as it starts (nothing left, it says, before it
    // has counted): only a count that grows is passed on.
    const size_t total = parts.size();
    size_t reported = 0;
    const std::vector<nester::Placed> placed = nester::nest(
        shapes, room, distance, rotations,
        [&](unsigned left) {
            const size_t done = total - std::min<size_t>(left, total);
            if (options.progress && done > reported && done < total) options.progress(reported = done, total);
        },
        [&] { return options.cancel != nullptr && options.cancel->load(); });
    if (options.cancel != nullptr && options.cancel->load()) {
        nesting.cancelled = true;
        return nesting;
    }

    for (size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].plate < 0) {
            nesting.plates.clear();
            nesting.error = "件 " + parts[i].name + " 排不进钢板（加上间隙后比钢板可用尺寸大），需先分割";
            return nesting;
        }
        const auto b = static_cast<size_t>(placed[i].plate);
        if (nesting.plates.size() <= b) nesting.plates.resize(b + 1);
        nesting.plates[b].parts.push_back({i, placed[i].angle,
                                           {static_cast<double>(placed[i].shift.x) / kUnitsPerMm,
                                            static_cast<double>(placed[i].shift.y) / kUnitsPerMm}});
        nesting.plates[b].usedArea += parts[i].area;
    }
    if (options.progress) options.progress(total, total);
    for (NestedPlate& p : nesting.plates) p.utilisation = p.usedArea / plate.area();
    return nesting;
}

std::string nestSummaryCsv(const Plate& plate, const Nesting& nesting) {
    std::string csv = "plate,width_mm,height_mm,parts,used_area_m2,utilisation\r\n";
    for (size_t i = 0; i < nesting.plates.size(); ++i) {
        const NestedPlate& p = nesting.plates[i];
        csv += std::to_string(i + 1) + "," + fixedText(plate.width, 1) + "," + fixedText(plate.height, 1) + "," +
               std::to_string(p.parts.size()) + "," + fixedText(p.usedArea / 1e6, 4) + "," + fixedText(p.utilisation, 4) +
               "\r\n";
    }
    return csv;
}

}  // namespace korvel
