#pragma once
// Reads PDF files back through poppler's tools (pdfinfo, pdftotext,
// pdftocairo): what a printed template really holds, not what the painter was
// told.

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace korvel::testing {

// What the shell command printed on its standard output.
inline std::string shellOutput(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

inline std::string quoted(const std::string& path) { return "'" + path + "'"; }

// A field of pdfinfo: "Pages", "Page size", ...
inline std::string pdfInfo(const std::string& path, const std::string& field) {
    const std::string info = shellOutput("pdfinfo " + quoted(path) + " 2>/dev/null");
    const std::regex line("(^|\n)" + field + ":\\s*([^\n]*)");
    std::smatch m;
    return std::regex_search(info, m, line) ? m[2].str() : "";
}

// The text of pages first..last, blanks run together into one.
inline std::string pdfText(const std::string& path, int first, int last) {
    const std::string text = shellOutput("pdftotext -layout -f " + std::to_string(first) + " -l " +
                                         std::to_string(last) + " " + quoted(path) + " - 2>/dev/null");
    return std::regex_replace(text, std::regex("[ \t]+"), " ");
}

inline std::string squeezed(const std::string& text) { return std::regex_replace(text, std::regex("[ \t]+"), " "); }

struct SvgRect {
    double left = 0, top = 0, width = 0, height = 0;  // pt
};

struct SvgLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // pt
};

// The paths stroked `strokeWidth` wide on a page, as pdftocairo draws them
// into SVG, of `points` points ("M x y L x y ...") and then `end`: each
// path's coordinates in the page's points (1/72 inch), its transform applied.
inline std::vector<std::vector<double>> strokedPaths(const std::string& path, int page, const std::string& strokeWidth,
                                                     int points, const std::string& end) {
    const std::string svg = shellOutput("pdftocairo -svg -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " " + quoted(path) + " - 2>/dev/null");
    const std::string number = "(-?[0-9.]+)";
    std::string d = "M ";
    for (int i = 0; i < points; ++i) d += (i == 0 ? "" : " L ") + number + " " + number;
    const std::regex element("<path style=\"[^\"]*stroke-width:" + strokeWidth + ";[^\"]*\" d=\"" + d + end +
                             "[^\"]*\"(?: transform=\"matrix\\(" + number + "," + number + "," + number + "," + number +
                             "," + number + "," + number + "\\)\")?");
    std::vector<std::vector<double>> paths;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        const size_t matrix = static_cast<size_t>(2 * points) + 1;
        double a = 1, dd = 1, e = 0, f = 0;
        if (m[matrix].matched) {
            a = std::stod(m[matrix].str());
            dd = std::stod(m[matrix + 3].str());
            e = std::stod(m[matrix + 4].str());
            f = std::stod(m[matrix + 5].str());
        }
        std::vector<double> p;
        for (size_t i = 0; i < matrix - 1; i += 2) {
            p.push_back(a * std::stod(m[i + 1].str()) + e);
            p.push_back(dd * std::stod(m[i + 2].str()) + f);
        }
        paths.push_back(std::move(p));
    }
    return paths;
}

// The closed four-cornered paths stroked `strokeWidth` wide on a page, in the
// page's points.
inline std::vector<SvgRect> strokedRects(const std::string& path, int page, const std::string& strokeWidth) {
    std::vector<SvgRect> rects;
    for (const std::vector<double>& p : strokedPaths(path, page, strokeWidth, 4, " Z")) {
        double minX = p[0], maxX = p[0], minY = p[1], maxY = p[1];
        for (int i = 0; i < 8; i += 2) {
            minX = std::min(minX, p[i]);
            maxX = std::max(maxX, p[i]);
            minY = std::min(minY, p[i + 1]);
            maxY = std::max(maxY, p[i + 1]);
        }
        rects.push_back({minX, minY, maxX - minX, maxY - minY});
    }
    return rects;
}

// The straight two-point paths stroked `strokeWidth` wide on a page, in the
// page's points.
inline std::vector<SvgLine> strokedLines(const std::string& path, int page, const std::string& strokeWidth) {
    std::vector<SvgLine> lines;
    for (const std::vector<double>& p : strokedPaths(path, page, strokeWidth, 2, " (?=\")"))
        lines.push_back({p[0], p[1], p[2], p[3]});
    return lines;
}

}  // namespace korvel::testing
