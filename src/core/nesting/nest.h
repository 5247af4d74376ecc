#pragma once
// A job's parts nested on as few plates as the nester finds: each part turned
// by a multiple of 360° / rotations and moved onto a plate, the gap kept
// between any two parts and the margin along the plate's edges. Deterministic:
// the same parts and options give the same plates. Parts are nested true to
// their shape: a bent strip fits against another's curve, a small part may go
// into a ring's hole (each part kept up to 1 mm further off than the gap
// where its outline is simplified for speed). Pure C++: no Qt (the nester is
// libnest2d over polyclipping and NLopt, header only).

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/nesting/parts.h"
#include "core/nesting/plate.h"

namespace korvel {

// The most parts one nest takes: beyond that the nester would run for hours.
inline constexpr size_t kMostNestedParts = 2000;

struct NestOptions {
    Plate plate;
    int rotations = 4;  // turns tried: every 360° / rotations, 1 to 360
    // Called as parts are placed: how many of how many.
    std::function<void(size_t placed, size_t total)> progress = {};
    // Set from another thread to stop: the nest then ends cancelled, no plates.
    const std::atomic<bool>* cancel = nullptr;
};

// Where one part went: turned by `angle` (radians, counter-clockwise, about
// the part's own origin), then moved by `shift` (mm, in plate coordinates).
struct Placement {
    size_t part = 0;  // index into the parts nested
    double angle = 0;
    Point2 shift;
};

struct NestedPlate {
    std::vector<Placement> parts;
    double usedArea = 0;     // mm², the parts' true areas
    double utilisation = 0;  // usedArea / the plate's area
};

struct Nesting {
    std::vector<NestedPlate> plates;
    // Why nothing was nested ("件 E-01-端节-1 比钢板可用尺寸大…"); empty when
    // the plates hold every part.
    std::string error;
    bool cancelled = false;

    bool done() const { return error.empty() && !cancelled; }
};

Nesting nestParts(const std::vector<NestPart>& parts, const NestOptions& options);

// The part as it lies on the plate: its outline (arcs kept), holes, marks and
// labels turned and moved by the placement.
Piece placedPiece(const NestPart& part, const Placement& placement);
// Its flattened outline the same way.
Ring placedRing(const Ring& ring, const Placement& placement);

// The plates as CSV: the header row
//   plate,width_mm,height_mm,parts,used_area_m2,utilisation
// then one row per plate, numbered from 1; m² with 4 decimals, the
// utilisation a fraction with 4; lines ending CRLF as the cut list's.
std::string nestSummaryCsv(const Plate& plate, const Nesting& nesting);

}  // namespace korvel
