// The windows in English: every text a window shows, after each of its
// commands on the presets and on refused inputs, holds no Chinese; the
// catalogue has every phrase the windows composed on the way.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include "support/qt_print.h"
#include "support/windows.h"
#include "ui/export_dialog.h"
#include "ui/language.h"
#include "ui/listing_box.h"
#include "core/job.h"
#include "ui/job_window.h"
#include "ui/main_window.h"
#include "ui/picture.h"
#include "ui/surface.h"

namespace korvel {
namespace {

bool chinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return han.match(text).hasMatch();
}

// Every text of a widget and its children that a user reads or hears.
QStringList chineseTexts(QWidget* root) {
    QStringList found;
    // The language menu names itself and each language in its own script.
    const QStringList ownNames{QStringLiteral("语言/Language"), QStringLiteral("中文")};
    auto check = [&found, &ownNames](const QString& text) {
        if (chinese(text) && !ownNames.contains(text)) found << text;
    };
    check(root->windowTitle());
    for (QWidget* w : root->findChildren<QWidget*>()) {
        check(w->accessibleName());
        check(w->accessibleDescription());
        check(w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) {
            check(l->text());
            // Cut short even in the smallest font the window may give it.
            if (l->isVisible() && l->property("cut").toBool()) found << QStringLiteral("cut: ") + l->text();
        }
        if (auto* g = qobject_cast<QGroupBox*>(w)) check(g->title());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) check(b->text());
        if (auto* e = qobject_cast<QLineEdit*>(w)) check(e->placeholderText());
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) check(t->toPlainText());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) check(c->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) check(list->item(i)->text());
    }
    for (QAction* a : root->findChildren<QAction*>()) check(a->text());
    return found;
}

class EnglishWindows : public testing::QuietWindowTest {
protected:
    void SetUp() override {
        QuietWindowTest::SetUp();
        chooseLanguage(Language::English);
    }
    void TearDown() override {
        chooseLanguage(Language::Chinese);
        QuietWindowTest::TearDown();
    }
    // The messages the dialogs were asked to show, as the user would read them.
    QStringList chineseMessages() const {
        QStringList found;
        for (const ShowMessage& m : dialogs.messages)
            for (const QString& text : {shown(m.title), shown(m.text)})
                if (chinese(text)) found << text;
        return found;
    }
};

TEST_F(EnglishWindows, NoWindowShowsChineseAndTheCatalogueLacksNoPhrase) {
    MainWindow main;
    EXPECT_EQ(testing::lines(chineseTexts(&main)), "");
    for (const auto& entry : fittingEntries()) {
        SCOPED_TRACE(entry.menuName);
        auto window = testing::windowOf(entry.menuName);
        window->show();
        EXPECT_EQ(testing::lines(chineseTexts(window.get())), "") << "as opened";
        for (const MenuCommand& command : window->design().menu) {
            if (!command.run) continue;
            window->runCommand(command.name);
            window->surface()->grab();  // the drawn texts go through the translation when painted
            EXPECT_EQ(testing::lines(chineseTexts(window.get())), "") << command.name;
        }
        // The refusals: each box empty, then negative, under the first command.
        std::string first;
        for (const MenuCommand& command : window->design().menu)
            if (command.run && first.empty()) first = command.name;
        for (const InputDesign& in : window->design().inputs)
            for (const char* text : {"", "-1"}) {
                for (const InputDesign& other : window->design().inputs)
                    window->box(other.box.key())->setText(QString::fromStdString(other.preset));
                window->box(in.box.key())->setText(QString::fromLatin1(text));
                window->runCommand(first);
            }
        ExportDialog exportDialog(window.get(), window->exportQuestion(true));
        EXPECT_EQ(testing::lines(chineseTexts(&exportDialog)), "");
    }
    EXPECT_EQ(testing::lines(chineseMessages()), "");
    EXPECT_EQ(testing::lines(untranslatedPhrases()), "") << "add them to translations/composed_phrases.txt";
}

TEST_F(EnglishWindows, TheLanguageMenuSwitchesTheMainWindowAndSaysSo) {
    chooseLanguage(Language::Chinese);
    MainWindow main;
    std::vector<Language> chosen;
    main.onLanguageChosen([&chosen](Language l) { chosen.push_back(l); });
    main.menuAction("language-en")->trigger();
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(chosen, std::vector<Language>{Language::English});
    EXPECT_EQ(testing::lines(chineseTexts(&main)), "");
    main.menuAction("language-zh")->trigger();
    EXPECT_EQ(main.menuAction("rjsy")->text(), QStringLiteral(" 打开软件 "));
    EXPECT_EQ(chosen.size(), 2u);
}

TEST_F(EnglishWindows, TheJobWindowAndItsCutListAreInEnglish) {
    JobWindow jobs;
    for (const char* fitting : {"elbow", "tee", "cone"}) {
        EntryMaking made = makeEntry(fitting, {}, {});
        ASSERT_EQ(made.error, "") << fitting;
        jobs.addEntry(made.entry);
    }
    jobs.show();
    for (int tab = 0; tab < jobs.tabs()->count(); ++tab) {
        jobs.tabs()->setCurrentIndex(tab);
        EXPECT_EQ(testing::lines(chineseTexts(&jobs)), "") << "tab " << tab;
    }
    // The tables' cells and headings.
    QStringList cells;
    for (QTableWidget* table : {jobs.entryTable(), jobs.cutTable()})
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c) {
                if (QTableWidgetItem* header = table->horizontalHeaderItem(c); header && chinese(header->text()))
                    cells << header->text();
                if (QTableWidgetItem* item = table->item(r, c); item && chinese(item->text())) cells << item->text();
            }
    EXPECT_EQ(testing::lines(cells), "");
    EXPECT_EQ(testing::lines(untranslatedPhrases()), "");
}

TEST_F(EnglishWindows, ALegendsHeadingIsInEnglish) {
    const QByteArray legend = pictureBytes(QStringLiteral(":/pictures/round_top_legend.svg"));
    EXPECT_TRUE(legend.contains(">" + shown("展开图例").toUtf8() + "</text>"));
    EXPECT_FALSE(legend.contains(QStringLiteral(">展开图例</text>").toUtf8()));
}

TEST(Language, ChineseIsShownAsItIsAndTheCodesAreKnown) {
    EXPECT_EQ(currentLanguage(), Language::Chinese);
    EXPECT_EQ(shown("  计算展开(&Z)  "), QStringLiteral("  计算展开(&Z)  "));
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("zh"), Language::Chinese);
    EXPECT_EQ(languageNamed("fr"), std::nullopt);
}

TEST(Language, EnglishKeepsTheNumbersAndSpacesBetweenThePhrases) {
    chooseLanguage(Language::English);
    // Whole texts, runs between numbers, and the dates of the title clocks.
    EXPECT_EQ(shown("2026年12月06日09时05分03秒（星期日）").toStdString(), "2026-12-06 09:05:03 (Sunday)");
    EXPECT_EQ(shown("   弯头重量 = 123.4 kg").toStdString(), "   Elbow weight = 123.4 kg");
    // A run the catalogue has only in pieces: the pieces, a space between words.
    EXPECT_EQ(shown("弯头重量周长 = 5").toStdString(), "Elbow weight girth = 5");
    chooseLanguage(Language::Chinese);
}

}  // namespace
}  // namespace korvel
