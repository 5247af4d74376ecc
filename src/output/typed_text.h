#pragma once
// Text a user typed or pasted, made fit to print among the program's own
// text: every character either shown as itself or as one visible placeholder,
// nothing left that reorders, hides or joins the characters around it, and a
// text too long for its line cut short with "…" at a whole character.
//
// Which characters a file can show is the caller's: the DXF file holds any
// 16-bit character, the printed template what its face holds
// (template_painter.h). The rest needs no font.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace korvel {

// What stands for a character that cannot be shown: "□" (U+25A1), which the
// template's face and a CAD program's Chinese big font both hold.
inline constexpr std::string_view kPlaceholder = "\xE2\x96\xA1";
// What ends a text that was cut: "…" (U+2026).
inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// Returned by nextCodePoint for a byte that does not start a well-formed UTF-8
// sequence (an unpaired or cut sequence, an overlong form, an encoded
// surrogate or a code point beyond U+10FFFF).
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The next code point of `utf8` from byte `i`, advancing `i` past it; for a
// byte that is not UTF-8, kNotUtf8, and `i` moves one byte on.
char32_t nextCodePoint(std::string_view utf8, std::size_t& i);

// True for a code point no file should print as it is: control characters
// (tab and line breaks too), line and paragraph separators, format characters
// (the bidirectional marks, embeddings, overrides and isolates, soft hyphen,
// zero-width space and joiners, word joiner, byte order mark, invisible
// operators, tags), surrogates, private-use and unassigned code points.
bool isHiddenCharacter(char32_t c);

// Which characters a file can show.
using CanShow = std::function<bool(char32_t)>;

// `utf8` with each byte that is not UTF-8, each hidden character and each
// character `canShow` refuses replaced by one kPlaceholder.
std::string shownText(std::string_view utf8, const CanShow& canShow);

// Whether a whole line fits where it is printed.
using LineFits = std::function<bool(const std::string& line)>;

// `typed` as it goes between `before` and `after` on one line: unchanged when
// the whole line fits, otherwise its longest start that fits with "…" after
// it, cut between two grapheme clusters (so never inside a UTF-8 sequence, a
// base character and its marks, or a pair that makes one character). Just
// "…" when not even that fits. `typed` must be valid UTF-8 (shownText's).
std::string fittedTyped(std::string_view before, std::string_view typed, std::string_view after,
                        const LineFits& fits);

}  // namespace korvel
