#include "output/typed_text.h"

#include <QChar>
#include <QString>
#include <QTextBoundaryFinder>
#include <cstdint>
#include <vector>

namespace korvel {

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, least = 0x10000;
    } else {
        ++i;
        return kNotUtf8;
    }
    if (i + length > s.size()) {
        ++i;
        return kNotUtf8;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kNotUtf8;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kNotUtf8;
    }
    i += length;
    return cp;
}

bool isHiddenCharacter(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

std::string shownText(std::string_view utf8, const CanShow& canShow) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t from = i;
        const char32_t c = nextCodePoint(utf8, i);
        if (c == kNotUtf8 || isHiddenCharacter(c) || !canShow(c)) out += kPlaceholder;
        else out.append(utf8.substr(from, i - from));
    }
    return out;
}

std::string fittedTyped(std::string_view before, std::string_view typed, std::string_view after,
                        const LineFits& fits) {
    const auto line = [&](std::string_view middle) {
        std::string s(before);
        s += middle;
        s += after;
        return s;
    };
    if (fits(line(typed))) return std::string(typed);

    // The places a cut may fall, as byte counts of `typed`: every grapheme
    // cluster boundary but the end, which did not fit.
    const QString text = QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    std::vector<std::size_t> cuts;
    std::size_t bytes = 0;
    for (qsizetype at = 0, next = 0; at >= 0 && at < text.size(); at = next) {
        cuts.push_back(bytes);
        next = finder.toNextBoundary();
        if (next > at) bytes += static_cast<std::size_t>(text.sliced(at, next - at).toUtf8().size());
    }

    const auto cutAt = [&](std::size_t bytes) {
        std::string s(typed.substr(0, bytes));
        s += kEllipsis;
        return s;
    };
    // The longest start that fits: a longer start is never narrower.
    std::size_t lo = 0, hi = cuts.size();  // cuts[lo - 1] fits, cuts[hi] does not
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (fits(line(cutAt(cuts[mid])))) lo = mid + 1;
        else hi = mid;
    }
    return cutAt(lo == 0 ? 0 : cuts[lo - 1]);
}

}  // namespace korvel
