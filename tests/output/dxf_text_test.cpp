// Texts as the DXF file holds them: printable ASCII on one line, every other
// character escaped so that a CAD program shows what the user typed.

#include "output/dxf_text.h"

#include <gtest/gtest.h>

namespace korvel::cad {
namespace {

struct Case {
    const char* what;
    std::string in;
    std::string out;
};

// "□", as the file holds it.
const std::string kBox = "\\U+25A1";

TEST(DxfText, EscapesWhatWouldBreakTheFileOrReadAsACode) {
    const Case cases[] = {
        {"plain ASCII", "D1=219.91", "D1=219.91"},
        {"Chinese", "周长", "\\U+5468\\U+957F"},
        {"full-width and curly quotes", "“φ”：", "\\U+201C\\U+03C6\\U+201D\\U+FF1A"},
        {"line breaks and tab", "1120\r\n\t5", "1120" + kBox + kBox + kBox + "5"},
        {"other control characters", std::string("a\0b\x1b" "c\x7f", 6), "a" + kBox + "b" + kBox + "c" + kBox},
        {"C1 control and line separator", "a\xc2\x85" "b\xe2\x80\xa8" "c", "a" + kBox + "b" + kBox + "c"},
        {"backslash", "\\U+4E2D", "\\U+005CU+4E2D"},
        // Read by ezdxf and LibreCAD as a caret and percent signs, not as
        // codes (dxf_text.cpp).
        {"caret", "a^Jb^ ", "a\\U+005EJb\\U+005E "},
        {"percent signs", "%%c5%", "\\U+0025\\U+0025c5\\U+0025"},
        {"beyond 16 bits, once per character", "\xf0\x9f\x98\x80!", kBox + "!"},
        {"stray continuation byte", "a\x80" "b", "a" + kBox + "b"},
        {"cut sequence", "a\xe5\x91", "a" + kBox + kBox},
        {"overlong encoding", "\xc0\xaf", kBox + kBox},
        {"encoded surrogate", "\xed\xa0\x80", kBox + kBox + kBox},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(dxfText(c.in), c.out) << c.what;
}

TEST(DxfText, LongTextsAreCutAtAWholeCharacterWithAnEllipsis) {
    const std::string ellipsis = "\\U+2026";
    EXPECT_EQ(dxfText("abcdefghij", 10), "abcdefghij");
    EXPECT_EQ(dxfText("abcdefghijk", 10), "abc" + ellipsis);
    // An escape is never split: 15 bytes hold "a", one \U+XXXX and the "…".
    EXPECT_EQ(dxfText("a周长", 15), "a\\U+5468\\U+957F");
    EXPECT_EQ(dxfText("a周长周", 21), "a\\U+5468" + ellipsis);
    // Nor an "e" and its accent: 16 bytes would hold "e", accent, "e", "…".
    EXPECT_EQ(dxfText("e\xcc\x81" "e\xcc\x81" "e\xcc\x81", 16), "e\\U+0301" + ellipsis);
    // Too little room even for the "…": nothing.
    EXPECT_EQ(dxfText("abcdefgh", 4), "");
    const std::string pasted(100000, 'x');
    const std::string cut = dxfText(pasted);
    EXPECT_EQ(cut.size(), kMaxDxfTextBytes);
    EXPECT_TRUE(cut.ends_with(ellipsis));
}

}  // namespace
}  // namespace korvel::cad
