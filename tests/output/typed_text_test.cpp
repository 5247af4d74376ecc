// Typed text made fit for a title block: hidden characters and characters a
// file cannot show as one "□" each, a long text cut with "…" between whole
// characters. No font: what a file shows is given here.

#include "output/typed_text.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

const std::string kBox(kPlaceholder);
const std::string kDots(kEllipsis);

bool anything(char32_t) { return true; }

TEST(TypedText, HiddenAndUnshowableCharactersBecomeOnePlaceholderEach) {
    // Bidirectional marks, override and isolate, soft hyphen, zero-width
    // space and joiner, byte order mark, a tag, tab, next line, paragraph
    // separator, private use, unassigned: 14 between "a" and "b".
    const std::string hidden = "\u200F\u061C\u202E\u2066\u00AD\u200B\u200D\uFEFF\U000E0041\t\u0085\u2029\uE000\U0003FFFE";
    std::string boxes;
    for (int i = 0; i < 14; ++i) boxes += kBox;
    EXPECT_EQ(shownText("a" + hidden + "b", anything), "a" + boxes + "b");
    // Shown as they are: blanks of other widths, marks, symbols, Chinese.
    const std::string shown = "1120\u00A0mm\u3000e\u0301 Ø±° 外径 \U0001F600 ^%\\";
    EXPECT_EQ(shownText(shown, anything), shown);
    // Bytes that are not UTF-8, and characters the file cannot show: one each.
    EXPECT_EQ(shownText("a\x80\xC0\xAF" "b\xE5\x91", anything), "a" + kBox + kBox + kBox + "b" + kBox + kBox);
    const auto bmp = [](char32_t c) { return c <= 0xFFFF; };
    EXPECT_EQ(shownText("D=\U0001F600外", bmp), "D=" + kBox + "外");
}

TEST(TypedText, ALongTextIsCutWithAnEllipsisBetweenWholeCharacters) {
    // At most 12 code points on the line, counted by hand below.
    const auto twelve = [](const std::string& line) {
        size_t count = 0;
        for (unsigned char c : line) count += (c & 0xC0) != 0x80;
        return count <= 12;
    };
    // "外径：" and " mm" take 6; the typed text and its "…" the other 6.
    EXPECT_EQ(fittedTyped("外径：", "1120", " mm", twelve), "1120");
    EXPECT_EQ(fittedTyped("外径：", "112012", " mm", twelve), "112012");
    EXPECT_EQ(fittedTyped("外径：", "1120123", " mm", twelve), "11201" + kDots);
    EXPECT_EQ(fittedTyped("外径：", std::string(6000, 'x'), " mm", twelve), "xxxxx" + kDots);
    // Never inside a character of several code points: "é" as e and its
    // accent, a flag of two regional indicators, a Hangul syllable of jamo.
    const std::string accent = "e\u0301";
    EXPECT_EQ(fittedTyped("外径：", "abcd" + accent + accent, " mm", twelve), "abcd" + kDots);
    const std::string flag = "\U0001F1E8\U0001F1F3";
    EXPECT_EQ(fittedTyped("外径：", "abcd" + flag + "x", " mm", twelve), "abcd" + kDots);
    const std::string jamo = "\u1100\u1161\u11A8";
    EXPECT_EQ(fittedTyped("外径：", "abc" + jamo + "x", " mm", twelve), "abc" + kDots);
    // No room for any of it.
    EXPECT_EQ(fittedTyped("一二三四五六七八九十", "1120", " mm", twelve), kDots);
}

}  // namespace
}  // namespace korvel
