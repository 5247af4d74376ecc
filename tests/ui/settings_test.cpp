// What the program remembers between runs, in a settings file of the test's
// own (KORVEL_SETTINGS): folders, paper, export options and language read
// back as written, values that cannot be read ignored, and the windows
// starting from what was remembered.

#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <gtest/gtest.h>

#include <fstream>

#include "support/windows.h"
#include "ui/settings.h"
#include "ui/template_dialog.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;

// The settings in the test's folder; the run's own file comes back after.
class SettingsTest : public testing::SavingWindowTest {
protected:
    void SetUp() override {
        SavingWindowTest::SetUp();
        previous_ = qgetenv("KORVEL_SETTINGS");
        qputenv("KORVEL_SETTINGS", QByteArray::fromStdString(file("korvel.ini")));
    }
    void TearDown() override {
        qputenv("KORVEL_SETTINGS", previous_);
        SavingWindowTest::TearDown();
    }

private:
    QByteArray previous_;
};

TEST_F(SettingsTest, WhatIsSetIsReadBackFromTheFile) {
    // Nothing remembered yet: the values before anything was.
    EXPECT_TRUE(lastFolder(SavedFile::Pattern).isEmpty());
    EXPECT_EQ(templatePaperSetting(), "A4");
    EXPECT_FALSE(exportOptionsSetting("Form5"));
    EXPECT_FALSE(languageSetting());

    const QString folder = QString::fromStdString(dir_.string());
    setLastFolder(SavedFile::Cad, folder);
    setTemplatePaperSetting("A1");
    ExportOptions options;
    options.choices = {DevelopedSurface::Outside, 2.5, BranchJoint::SetIn, 8, "opposite"};
    options.files = {cad::DxfVersion::R12, true, true};
    setExportOptionsSetting("Form5", options);
    EXPECT_TRUE(setLanguageSetting("en"));
    EXPECT_FALSE(setLanguageSetting("fr"));

    EXPECT_EQ(lastFolder(SavedFile::Cad), folder);
    EXPECT_TRUE(lastFolder(SavedFile::Pattern).isEmpty());
    EXPECT_TRUE(lastFolder(SavedFile::Template).isEmpty());
    EXPECT_EQ(templatePaperSetting(), "A1");
    const std::optional<ExportOptions> back = exportOptionsSetting("Form5");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->choices.surface, DevelopedSurface::Outside);
    EXPECT_EQ(back->choices.plateThickness, 2.5);
    EXPECT_EQ(back->choices.joint, BranchJoint::SetIn);
    EXPECT_EQ(back->choices.mainThickness, 8.0);
    EXPECT_EQ(back->choices.seam, "opposite");
    EXPECT_EQ(back->files.version, cad::DxfVersion::R12);
    EXPECT_TRUE(back->files.cutOnly);
    EXPECT_TRUE(back->files.perPiece);
    EXPECT_FALSE(exportOptionsSetting("Form4")) << "each kind of window has its own";
    EXPECT_EQ(languageSetting(), Language::English);

    // On the disk, under the keys the lead's language menu and a user read.
    const std::string text = testing::readAll(file("korvel.ini"));
    EXPECT_NE(text.find("language=en"), std::string::npos) << text;
    EXPECT_NE(text.find("paper=A1"), std::string::npos) << text;
}

TEST_F(SettingsTest, APrintersCorrectionIsKeptUnderItsNameApartFromThePapersAndCleared) {
    const PrintCorrection shop{100 / 99.2, 100 / 100.4};
    setPrintCorrectionSetting(CalibratedBy::Printer, "车间/HP 5200 打印机", shop);
    setPrintCorrectionSetting(CalibratedBy::Paper, "A3", PrintCorrection{100 / 101.0, 1.0});
    const std::optional<PrintCorrection> back = printCorrectionSetting(CalibratedBy::Printer, "车间/HP 5200 打印机");
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->x, shop.x, 1e-12);
    EXPECT_NEAR(back->y, shop.y, 1e-12);
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Printer, "HP 5200"));
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "车间/HP 5200 打印机"));
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A4"));
    ASSERT_EQ(printerCorrections().size(), 1u);
    EXPECT_EQ(printerCorrections()[0].first, "车间/HP 5200 打印机");
    // The measures as typed, in a file a user can read.
    EXPECT_NE(testing::readAll(file("korvel.ini")).find("99.2 100.4"), std::string::npos);

    setPrintCorrectionSetting(CalibratedBy::Printer, "车间/HP 5200 打印机", std::nullopt);
    EXPECT_TRUE(printerCorrections().empty());
    EXPECT_TRUE(printCorrectionSetting(CalibratedBy::Paper, "A3"));
    // Measures out of range in a hand-edited file count as none.
    std::ofstream(file("korvel.ini")) << "[calibration]\npaper\\A4=85.0 100.0\npaper\\A3=abc\n";
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A4"));
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A3"));
}

TEST_F(SettingsTest, ValuesThatCannotBeReadAreIgnored) {
    std::ofstream(file("korvel.ini")) << "[folders]\ndxf=/no/such/folder\n"
                                         "[template]\npaper=B7\n"
                                         "[export]\nForm10\\surface=sideways\nForm10\\plateThickness=-3\n"
                                         "Form10\\joint=glued\nForm10\\mainThickness=abc\nForm10\\seam=nowhere\n"
                                         "Form10\\dxfVersion=R14\nForm10\\cutOnly=maybe\nForm10\\perPiece=2\n"
                                         "[ui]\nlanguage=fr\n";
    EXPECT_TRUE(lastFolder(SavedFile::Pattern).isEmpty());
    EXPECT_EQ(templatePaperSetting(), "A4");
    EXPECT_FALSE(languageSetting());
    const std::optional<ExportOptions> options = exportOptionsSetting("Form10");
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->choices.surface);
    EXPECT_FALSE(options->choices.plateThickness);
    EXPECT_FALSE(options->choices.joint);
    EXPECT_FALSE(options->choices.mainThickness);
    EXPECT_EQ(options->files.version, cad::DxfVersion::R2000);
    EXPECT_FALSE(options->files.cutOnly);
    EXPECT_FALSE(options->files.perPiece);

    // The cone's window asks with its own surface and no seam angle it cannot read.
    open("yztt");
    const ExportQuestion question = window->exportQuestion(true);
    EXPECT_EQ(question.preset.choices.surface, DevelopedSurface::Typed) << "no thickness in the cone's presets";
    EXPECT_FALSE(question.preset.choices.seam);

    // A readable angle stays.
    std::ofstream(file("korvel.ini")) << "[export]\nForm10\\seam=90\n";
    EXPECT_EQ(window->exportQuestion(true).preset.choices.seam, "90");
}

TEST_F(SettingsTest, SavesStartWhereTheirKindWasLastSavedAndTheWindowsAskWhatTheyLastTook) {
    const fs::path cadFolder = dir_ / "cad";
    fs::create_directory(cadFolder);
    open("wtfy");
    saveTo(cadFolder / "elbow.dxf");
    window->runCommand("cad");
    ASSERT_TRUE(fs::exists(cadFolder / "elbow.dxf"));

    open("wtfy");
    dialogs.suggestions.clear();
    saveTo(dir_ / "pattern.dxf");
    dialogs.exportAnswer = ExportOptions{{DevelopedSurface::Inside, {}, {}, {}, "heel"}, {cad::DxfVersion::R12}};
    window->runCommand("导出");
    window->runCommand("cad");
    ASSERT_EQ(dialogs.suggestions.size(), 2u);
    // The pattern has no folder of its own yet; the CAD drawing goes back to its.
    EXPECT_FALSE(dialogs.suggestions[0].startsWith(QString::fromStdString(dir_.string())));
    EXPECT_EQ(QFileInfo(dialogs.suggestions[1]).absolutePath(), QString::fromStdString(cadFolder.string()));

    // The next window of the kind offers what the last export took.
    open("wtfy");
    dialogs.exportAnswer.reset();
    const ExportQuestion question = window->exportQuestion(true);
    EXPECT_EQ(question.preset.choices.surface, DevelopedSurface::Inside);
    EXPECT_EQ(question.preset.choices.seam, "heel");
    EXPECT_EQ(question.preset.files.version, cad::DxfVersion::R12);
    // Its boxes start from their presets all the same.
    EXPECT_EQ(window->box("Text1")->text(), QStringLiteral("1120"));

    // The template's paper is offered again in a window of another kind.
    std::vector<std::string> offered;
    const TemplateChoiceHandler previous = setTemplateChoiceHandler([&offered](const std::string& preset) {
        offered.push_back(preset);
        return std::optional<TemplateChoice>(TemplateChoice{"A3", false, {}});
    });
    saveTo(dir_ / "template.pdf");
    window->runCommand("样板");
    open("yztt");
    saveTo(dir_ / "cone.pdf");
    window->runCommand("样板");
    setTemplateChoiceHandler(previous);
    EXPECT_EQ(offered, (std::vector<std::string>{"A4", "A3"}));
}

}  // namespace
}  // namespace korvel
