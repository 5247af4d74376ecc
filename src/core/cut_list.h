#pragma once
// A job's cut list: every piece kind of every entry's flat pattern (the
// pattern `korvel dxf` exports), with its size, area, weight, cutting length
// and pierces, and the totals per material and plate thickness. As a table
// to read and as CSV for a spreadsheet. Pure C++: no Qt.

#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "core/job.h"

namespace korvel {

// One piece kind of one entry. Sizes, area, weight and cutting length are of
// a single piece.
struct CutPiece {
    std::string mark, fitting, piece;
    long long quantity = 0;   // pieces of this kind in one fitting × the entry's quantity
    double width = 0;         // mm, the outline's bounding rectangle, arcs' extreme points included
    double height = 0;        // mm
    double area = 0;          // m², the outline's less its holes'
    double thickness = 0;     // mm; 0: none known
    double weight = 0;        // kg at the job's density; 0 where no thickness is known
    double cutLength = 0;     // mm, the outline's and the holes' perimeters
    int pierces = 0;          // outlines to cut: the outline and each hole
};

// All pieces of one material and thickness.
struct CutTotal {
    std::string material;
    double thickness = 0;  // mm; 0: none known (no weight)
    long long pieces = 0;
    double area = 0;       // m²
    double weight = 0;     // kg
    double cutLength = 0;  // mm
    long long pierces = 0;
};

struct CutList {
    std::vector<CutPiece> pieces;  // entry by entry, in the pattern's order
    std::vector<CutTotal> totals;  // by thickness, thinnest first
    // Entries left out: not read, or their inputs refused, one line each
    // ("第 2 项（E-02）：…").
    std::vector<std::string> leftOut;
};

// The bounding rectangle of a closed outline, arcs' extreme points included.
struct Extent {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
};
Extent outlineExtent(const Polyline& line);

CutList cutList(const Job& job);

// The CSV: the header row
//   mark,fitting,piece,quantity,width_mm,height_mm,area_m2,weight_kg,cut_length_mm,pierces
// then one row per piece; mm with 1 decimal, m² with 4, kg with 2, fields
// quoted as RFC 4180 says (a comma, quote or line break in them), lines
// ending CRLF as RFC 4180 has them. Totals and entries left out are not in it.
std::string cutListCsv(const CutList& list);

// The readable table's headings, and a piece's cells under them: mm with 1
// decimal, m² with 4, kg with 2, "-" for a weight where no thickness is known
// and for an empty mark.
const std::vector<std::string>& cutListHeadings();
std::vector<std::string> cutPieceCells(const CutPiece& piece);
// What the table says under its pieces.
inline constexpr const char* kCutListNote = "（尺寸、面积、重量和切割长度均为每件的；数量为该零件的总件数）";
// One total as the table says it: "碳钢，板厚 10 mm：12 件，面积 3.1416 m²，重量 …".
std::string cutTotalLine(const CutTotal& total);

// The readable table: the pieces, the totals, the entries left out.
std::string cutListTable(const Job& job, const CutList& list);

}  // namespace korvel
