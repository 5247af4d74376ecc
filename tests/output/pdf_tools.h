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

// The closed four-cornered paths stroked `strokeWidth` wide on a page, as
// pdftocairo draws them into SVG, in the page's points (1/72 inch).
inline std::vector<SvgRect> strokedRects(const std::string& path, int page, const std::string& strokeWidth) {
    const std::string svg = shellOutput("pdftocairo -svg -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " " + quoted(path) + " - 2>/dev/null");
    std::vector<SvgRect> rects;
    const std::string number = "(-?[0-9.]+)";
    const std::regex element("<path style=\"[^\"]*stroke-width:" + strokeWidth +
                             ";[^\"]*\" d=\"M " + number + " " + number + " L " + number + " " + number + " L " +
                             number + " " + number + " L " + number + " " + number +
                             " Z[^\"]*\"(?: transform=\"matrix\\(" + number + "," + number + "," + number + "," +
                             number + "," + number + "," + number + "\\)\")?");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        double p[8];
        for (int i = 0; i < 8; ++i) p[i] = std::stod(m[i + 1].str());
        double a = 1, d = 1, e = 0, f = 0;
        if (m[9].matched) {
            a = std::stod(m[9].str());
            d = std::stod(m[12].str());
            e = std::stod(m[13].str());
            f = std::stod(m[14].str());
        }
        double minX = p[0], maxX = p[0], minY = p[1], maxY = p[1];
        for (int i = 0; i < 8; i += 2) {
            minX = std::min(minX, p[i]);
            maxX = std::max(maxX, p[i]);
            minY = std::min(minY, p[i + 1]);
            maxY = std::max(maxY, p[i + 1]);
        }
        rects.push_back({a * minX + e, d * minY + f, a * (maxX - minX), d * (maxY - minY)});
    }
    return rects;
}

}  // namespace korvel::testing
