// Compiled as C++17 (see nester.h).
#include "core/nesting/nester.h"

#include <libnest2d/libnest2d.hpp>

namespace korvel::nester {
namespace {

// A ring as libnest2d keeps it: clockwise for an outline, counter-clockwise
// for a hole, its first point repeated at the end.
ClipperLib::Path path(const IntRing& ring, bool outline) {
    ClipperLib::Path p;
    for (const IntPoint& v : ring) p.push_back({v.x, v.y});
    if (outline == ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
    if (!p.empty()) p.push_back(p.front());
    return p;
}

}  // namespace

std::vector<Placed> nest(const std::vector<Shape>& shapes, const Room& room, long long distance,
                         const std::vector<double>& rotations, const std::function<void(unsigned left)>& progress,
                         const std::function<bool()>& stop) {
    using namespace libnest2d;
    std::vector<Item> items;
    items.reserve(shapes.size());
    for (const Shape& shape : shapes) {
        // The placer's no-fit polygons hold for convex shapes only (a bent
        // strip's or a ring sector's own would let parts overlap): each shape
        // goes in as its convex hull, its holes left empty.
        items.emplace_back(shapelike::convexHull(ClipperLib::Polygon(path(shape.outline, true))));
        items.back().rotation(shape.angle);
    }
    NestConfig<NfpPlacer, FirstFitSelection> config;
    config.placer_config.rotations.assign(rotations.begin(), rotations.end());
    // The pile grows from the lower left corner, leaving the offcut in one
    // piece at the top and right.
    config.placer_config.alignment = NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    config.placer_config.starting_point = NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    const Box bin({room.min.x, room.min.y}, {room.max.x, room.max.y});
    NestControl control([&](unsigned left) { if (progress) progress(left); }, [&] { return stop && stop(); });
    libnest2d::nest(items, bin, distance, config, control);

    std::vector<Placed> placed;
    for (const Item& item : items) {
        const auto shift = item.translation();
        placed.push_back({item.binId(), static_cast<double>(item.rotation()), {shift.X, shift.Y}});
    }
    return placed;
}

}  // namespace korvel::nester
