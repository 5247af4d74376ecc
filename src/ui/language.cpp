#include "ui/language.h"

#include <QComboBox>
#include <optional>

namespace korvel {

namespace {
Language current = Language::Chinese;
}  // namespace

void chooseLanguage(Language language) { current = language; }

Language currentLanguage() { return current; }

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* languageCode(Language language) { return language == Language::English ? "en" : "zh"; }

QString shown(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
