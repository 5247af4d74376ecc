#pragma once
// The language of the windows. Every text a window shows that comes from the
// core (captions, menus, messages, listing lines, drawn texts) passes through
// shown(): in Chinese, the program's own language, it is the text itself; in
// English, its translation from the catalogue that lrelease builds.
// The files (DXF, PDF templates) and the command line keep their Chinese.

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
#include <optional>
#include <string>
#include <string_view>

namespace korvel {

enum class Language { Chinese, English };

// The language the windows are made in from now on. Windows already open
// keep theirs.
void chooseLanguage(Language language);
Language currentLanguage();

// "zh" or "en" (as --lang and the settings name them); nothing for any other.
std::optional<Language> languageNamed(std::string_view code);
const char* languageCode(Language language);

// A text of the program as the user reads it in the current language.
QString shown(std::string_view text);

// The Chinese runs that had no English since the program started, sorted:
// what the catalogue lacks (the tests list them).
QStringList untranslatedPhrases();

// In English, a caption longer than the place the window gives it: its
// font is made smaller, to 70 % at least, whenever the label is resized or
// refitted; what still does not fit is named whole in its tool tip. Does
// nothing in Chinese, the language the places are measured for.
void fitToWidth(QLabel* label);
void refit(QLabel* label);

// A list whose items are shown translated keeps each item's own text as its
// data: the commands read and set the list by that text in every language.
void selectItem(QComboBox* list, const std::string& text);
std::string itemText(const QComboBox* list);

}  // namespace korvel
