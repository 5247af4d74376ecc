#include "core/fittings/tee/pipe_development.h"

#include <algorithm>
#include <utility>

#include "core/numbers.h"

namespace korvel {

MarkKind pipeStationKind(int i, int n) {
    return (i == n / 4 || i == n / 2 || i == 3 * n / 4) ? MarkKind::Quarter : MarkKind::Generator;
}

void makeCounterClockwise(Polyline& outline) {
    if (polylineArea(outline) < 0) std::reverse(outline.vertices.begin(), outline.vertices.end());
}

double extentX(const Polyline& outline) {
    if (outline.vertices.empty()) return 0;
    const auto [low, high] = std::minmax_element(outline.vertices.begin(), outline.vertices.end(),
                                                 [](const Vertex& p, const Vertex& q) { return p.x < q.x; });
    return high->x - low->x;
}

Piece developedPipe(std::string name, int count, double a, const std::vector<double>& stations,
                    int pointsPerDivision, const std::function<double(int step)>& cutHeight, int firstStation) {
    const int n = static_cast<int>(stations.size()) - 1;
    // Stations stand exactly at i * a.
    const auto developedX = [&](int step) {
        return (step / pointsPerDivision) * a + (step % pointsPerDivision) * a / pointsPerDivision;
    };
    Piece piece;
    piece.name = std::move(name);
    piece.count = count;
    piece.outline.closed = true;
    // Along the square-cut end, then back along the cut from station n to
    // station 0: both ends of the development are station 0, the seam.
    piece.outline.vertices = {{0, 0, 0}, {n * a, 0, 0}};
    for (int step = n * pointsPerDivision; step >= 0; --step)
        piece.outline.vertices.push_back({developedX(step), cutHeight(step), 0});
    makeCounterClockwise(piece.outline);
    for (int i = 0; i <= n; ++i) {
        const double x = i * a;
        const double h = stations[static_cast<size_t>(i)];
        if (i > 0 && i < n) piece.marks.push_back({{x, 0}, {x, h}, pipeStationKind(i, n)});
        const int listed = i + firstStation > n ? i + firstStation - n : i + firstStation;
        piece.labels.push_back({{x, h}, "L" + numberText(listed), i, "L"});
        piece.labels.push_back({{x, 0}, "D" + numberText(i), i});
    }
    return piece;
}

}  // namespace korvel
