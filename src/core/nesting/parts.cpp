#include "core/nesting/parts.h"

#include <algorithm>
#include <cmath>

#include "core/nesting/nest.h"

namespace korvel {

Ring flattened(const Polyline& line, double tolerance) {
    Ring ring;
    const std::vector<Vertex>& v = line.vertices;
    for (size_t i = 0; i < v.size(); ++i) {
        ring.push_back({v[i].x, v[i].y});
        const std::optional<BulgeArc> arc = bulgeArc(v[i], v[(i + 1) % v.size()]);
        if (!arc) continue;
        // A chord of angle a strays r (1 − cos(a/2)) from its arc: the
        // largest angle that stays within the tolerance, and as many equal
        // chords as the sweep needs.
        const double most = 2 * std::acos(std::max(-1.0, 1 - tolerance / arc->radius));
        const int chords = std::clamp(static_cast<int>(std::ceil(std::abs(arc->sweep) / most)), 1, 10000);
        for (int k = 1; k < chords; ++k) {
            const double angle = arc->start + arc->sweep * k / chords;
            ring.push_back({arc->centre.x + arc->radius * std::cos(angle), arc->centre.y + arc->radius * std::sin(angle)});
        }
    }
    return ring;
}

double ringArea(const Ring& ring) {
    double twice = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Point2& a = ring[i];
        const Point2& b = ring[(i + 1) % ring.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

JobParts jobParts(const Job& job, const PieceSplitter& split) {
    JobParts parts;
    for (const DevelopedEntry& developed : developedEntries(job, parts.leftOut)) {
        const JobEntry& entry = *developed.entry;
        const PatternExport& e = developed.pattern;
        const std::string mark = entry.mark.empty() ? "entry-" + std::to_string(developed.index + 1) : entry.mark;
        for (size_t p = 0; p < e.pattern.pieces.size(); ++p) {
            const Piece& piece = e.pattern.pieces[p];
            const double thickness = p < e.thickness.size() ? e.thickness[p] : 0;
            SplitPiece pieces{{piece}, {0}, ""};
            if (split) pieces = split(piece, mark, thickness);
            if (!pieces.error.empty()) {
                parts.parts.clear();
                parts.error = pieces.error;
                return parts;
            }
            for (size_t k = 0; k < pieces.parts.size(); ++k) {
                const double turn = k < pieces.turns.size() ? pieces.turns[k] : 0;
                const Piece one = turn == 0 ? pieces.parts[k] : placedPiece({"", pieces.parts[k], {}, {}, 0, 0}, {0, turn, {}});
                NestPart part{"", one, flattened(one.outline), {}, pieceArea(one), thickness};
                if (ringArea(part.outline) < 0) std::reverse(part.outline.begin(), part.outline.end());
                for (const Polyline& hole : one.holes) {
                    part.holes.push_back(flattened(hole));
                    if (ringArea(part.holes.back()) > 0) std::reverse(part.holes.back().begin(), part.holes.back().end());
                }
                const long long copies = static_cast<long long>(piece.count) * entry.quantity;
                for (long long n = 1; n <= copies; ++n) {
                    part.name = mark + "-" + one.name + "-" + std::to_string(n);
                    parts.parts.push_back(part);
                }
            }
        }
    }
    return parts;
}

}  // namespace korvel
