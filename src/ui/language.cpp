#include "ui/language.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QTranslator>
#include <optional>

namespace korvel {

namespace {

Language current = Language::Chinese;

// The characters a Chinese phrase is made of: the ideographs, the Chinese and
// full-width punctuation, the circled and Roman numerals of the captions.
bool isChinese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x303f) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) ||
           (u >= 0xff00 && u <= 0xffef) || (u >= 0x2160 && u <= 0x217f) || (u >= 0x2460 && u <= 0x24ff);
}

bool hasChinese(const QString& text) { return std::any_of(text.begin(), text.end(), isChinese); }

// The English catalogue, built from translations/korvel_en.ts by lrelease and
// kept in the program's resources; read on the first English text.
class Catalogue {
public:
    std::optional<QString> find(const QString& phrase) {
        if (!loaded_) {
            loaded_ = true;
            ready_ = translator_.load(QStringLiteral(":/i18n/korvel_en.qm"));
        }
        if (!ready_) return std::nullopt;
        const auto cached = cache_.constFind(phrase);
        if (cached != cache_.constEnd()) return *cached;
        const QString found = translator_.translate("korvel", phrase.toUtf8().constData());
        std::optional<QString> result;
        if (!found.isEmpty()) result = found;
        cache_.insert(phrase, result);
        return result;
    }

    QSet<QString> missing;

private:
    QTranslator translator_;
    bool loaded_ = false;
    bool ready_ = false;
    QHash<QString, std::optional<QString>> cache_;
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

bool isWordChar(QChar c) { return c.isLetterOrNumber() && !isChinese(c); }

// Puts a translated piece after `out`: a space between a word and the piece
// when they would touch.
void appendPiece(QString& out, const QString& piece) {
    if (!out.isEmpty() && !piece.isEmpty() && isWordChar(piece.front()) &&
        (isWordChar(out.back()) || out.back() == u')'))
        out += u' ';
    out += piece;
}

// One run of Chinese: the whole run if the catalogue has it, else the longest
// phrases it has from the left (a run composed of two texts of the program,
// such as a message with a surface's name inside it), a character it has not
// kept as it is.
QString translatedRun(const QString& run) {
    if (auto whole = catalogue().find(run)) return *whole;
    QString out;
    qsizetype i = 0;
    while (i < run.size()) {
        qsizetype j = run.size();
        std::optional<QString> piece;
        for (; j > i; --j)
            if ((piece = catalogue().find(run.mid(i, j - i)))) break;
        if (j > i) {
            appendPiece(out, *piece);
            i = j;
        } else {
            catalogue().missing.insert(run);
            out += run[i];
            ++i;
        }
    }
    return out;
}

QString translated(const QString& text) {
    if (!hasChinese(text)) return text;
    // The text whole first (trimmed of the spaces that place it in a line),
    // then run by run, leaving the numbers, units and names between the runs.
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].isSpace()) ++first;
    while (last > first && text[last - 1].isSpace()) --last;
    if (auto whole = catalogue().find(text.mid(first, last - first)))
        return text.left(first) + *whole + text.mid(last);
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype j = i;
        const bool chinese = isChinese(text[i]);
        while (j < text.size() && isChinese(text[j]) == chinese) ++j;
        const QString part = text.mid(i, j - i);
        if (chinese) {
            appendPiece(out, translatedRun(part));
        } else {
            const bool pieceEndsInWord = !out.isEmpty() && isWordChar(out.back());
            if (pieceEndsInWord && i > 0 && isChinese(text[i - 1]) && isWordChar(part.front())) out += u' ';
            // A translated piece that ends in its own space takes the place of the text's.
            out += (out.endsWith(u' ') && part.front() == u' ') ? part.mid(1) : part;
        }
        i = j;
    }
    return out;
}

// Refits a label's font whenever the label is resized.
class WidthFitter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) refit(static_cast<QLabel*>(watched));
        return false;
    }
};

}  // namespace

void fitToWidth(QLabel* label) {
    if (current != Language::English) return;
    // Called again after the label's font was set: that font is the full one.
    if (!label->property("fullFont").isValid()) label->installEventFilter(new WidthFitter(label));
    label->setProperty("fullFont", QVariant::fromValue(label->font()));
    refit(label);
}

void refit(QLabel* label) {
    const QVariant full = label->property("fullFont");
    if (!full.isValid()) return;
    const QString text = label->text().remove(u'&');
    const int room = label->contentsRect().width();
    QFont font = full.value<QFont>();
    // Fonts set in pixels (the panels' Song font) scale by their pixels.
    const bool pixels = font.pointSizeF() <= 0;
    const qreal size = pixels ? font.pixelSize() : font.pointSizeF();
    for (qreal scale = 1.0; scale >= 0.7 - 1e-9; scale -= 0.05) {
        if (pixels) font.setPixelSize(std::max(1, static_cast<int>(size * scale)));
        else font.setPointSizeF(size * scale);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    if (label->font() != font) label->setFont(font);
    const bool fits = QFontMetrics(font).horizontalAdvance(text) <= room;
    label->setProperty("cut", !fits);
    label->setToolTip(fits ? QString() : label->text());
}

void chooseLanguage(Language language) { current = language; }

Language currentLanguage() { return current; }

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* languageCode(Language language) { return language == Language::English ? "en" : "zh"; }

QString shown(std::string_view text) {
    const QString chinese = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return current == Language::English ? translated(chinese) : chinese;
}

QStringList untranslatedPhrases() {
    QStringList list(catalogue().missing.begin(), catalogue().missing.end());
    list.sort();
    return list;
}

void selectItem(QComboBox* list, const std::string& text) {
    const int index = list->findData(QString::fromStdString(text));
    if (index >= 0) list->setCurrentIndex(index);
    else list->setCurrentText(QString::fromStdString(text));
}

std::string itemText(const QComboBox* list) {
    const QVariant data = list->currentData();
    return data.isValid() ? data.toString().toStdString() : list->currentText().toStdString();
}

}  // namespace korvel
