// The 导出展开图 command every calculator window adds after its own menu: the
// save dialog with a suggested name, replacing only after a yes, the report,
// the window's own messages for refused inputs, and a failed save.

#include <QLineEdit>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/windows.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

class PatternExportCommand : public testing::SavingWindowTest {
protected:
    void exportNow() { window->menuAction("导出")->trigger(); }
};

TEST_F(PatternExportCommand, EveryWindowHasItAfterItsMenuAndSuggestsANameFromItsInputs) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"wtfy", "弯头展开图_D1120_R1680_90度.dxf"},
        {"stfy", "三通展开图_D1120_d1120_45度.dxf"},
        {"yxst", "丫形三通展开图_D720_L800_75度.dxf"},
        {"zfxjt", "矩方锥台展开图_2200x1500_1200x500_H1000.dxf"},
        {"tydf", "天圆地方展开图_1600x1600_D800_H1000.dxf"},
        {"tfdy", "天方地圆展开图_900x900_D1800_H1200.dxf"},
        {"yztt", "圆锥台展开图_D1000_d500_H500.dxf"},
    };
    for (const auto& [item, name] : cases) {
        SCOPED_TRACE(item);
        open(item);
        const QList<QAction*> menu = window->menuBar()->actions();
        ASSERT_FALSE(menu.isEmpty());
        // After the window's own menu; the 1:1 template command, 加入任务 and
        // 打印校准 follow it and, in a window without listing boxes, the copy of
        // its results.
        const qsizetype after = window->menuAction("复制结果") != nullptr ? 4 : 3;
        ASSERT_GE(menu.size(), after + 1);
        const QAction* exportAction = menu[menu.size() - 1 - after];
        EXPECT_EQ(exportAction->objectName(), QStringLiteral("导出"));
        EXPECT_EQ(exportAction->text(), QStringLiteral("导出展开图(&E)"));
        EXPECT_NE(window->design().menu.back().name, "导出") << "the design's own menu stays as it was";

        dialogs.suggestions.clear();
        dialogs.messages.clear();
        const fs::path path = dir_ / (item + ".dxf");
        saveTo(path);
        exportNow();
        ASSERT_EQ(dialogs.suggestions.size(), 1u);
        EXPECT_TRUE(dialogs.suggestions[0].endsWith("/" + QString::fromStdString(name))) << dialogs.suggestions[0].toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        // The place, then the surface developed and its sizes.
        EXPECT_TRUE(dialogs.messages[0].text.starts_with("展开图已保存到：\n" + path.string() + "\n\n展开面："))
            << dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(readAll(path).substr(readAll(path).size() - 4), "EOF\n");
    }
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(PatternExportCommand, ReplacesAnExistingFileOnlyAfterAYes) {
    open("yztt");
    const fs::path path = dir_ / "cone.dxf";
    std::ofstream(path) << "the user's drawing";
    saveTo(path);
    dialogs.answerYes = false;
    exportNow();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "文件“" + path.string() + "”已经存在。\n要替换它吗？");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readAll(path), "the user's drawing");

    dialogs.answerYes = true;
    exportNow();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(readAll(path).find("LWPOLYLINE"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file left";
}

TEST_F(PatternExportCommand, CancellingTheDialogDoesNothingAndANameGetsItsSuffix) {
    open("tydf");
    dialogs.savePath.clear();
    exportNow();
    EXPECT_EQ(dialogs.suggestions.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(fs::is_empty(dir_));
    saveTo(dir_ / "transition");
    exportNow();
    EXPECT_TRUE(fs::exists(dir_ / "transition.dxf"));
}

TEST_F(PatternExportCommand, RefusedInputsGetTheWindowsOwnMessagesAndNoDialog) {
    saveTo(dir_ / "x.dxf");
    // The elbow's check: its error box, the box emptied and focused.
    open("wtfy");
    window->box("Text1")->setText("0");
    exportNow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "\n管道外径必须大于零！");
    EXPECT_EQ(dialogs.messages[0].title, "错误：");
    EXPECT_TRUE(window->box("Text1")->text().isEmpty());
    EXPECT_EQ(window->focusWidget(), window->box("Text1"));

    // The tee's checks reset the boxes to their presets, as in the window;
    // the export stops there.
    dialogs.messages.clear();
    open("stfy");
    window->box("Text1(1)")->setText("2000");
    window->box("Text1(2)")->setText("100");
    exportNow();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！");
    EXPECT_EQ(dialogs.messages[1].text, "请您正确输入两管之间夹角,程序执行默认数据！");
    EXPECT_EQ(window->box("Text1(1)")->text(), QStringLiteral("1120"));
    EXPECT_EQ(window->box("Text1(2)")->text(), QStringLiteral("45"));

    // An uncuttable pattern: a plain message in the tee's style, focus on the box.
    dialogs.messages.clear();
    window->box("Text1(3)")->setText("0");
    exportNow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(window->focusWidget(), window->box("Text1(3)"));

    EXPECT_TRUE(dialogs.suggestions.empty());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(PatternExportCommand, AFailedSaveIsReportedAndTheOldFileSaid) {
    open("zfxjt");
    const fs::path path = dir_ / "no such folder" / "frustum.dxf";
    saveTo(path);
    exportNow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "错误：");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].text.rfind("无法保存展开图：\n" + path.string() + "\n\n文件夹不存在。\n（", 0), 0u)
        << dialogs.messages[0].text;
    EXPECT_TRUE(fs::is_empty(dir_));

    // Still working afterwards.
    saveTo(dir_ / "frustum.dxf");
    exportNow();
    EXPECT_TRUE(fs::exists(dir_ / "frustum.dxf"));
}

// A pattern no file can hold once crashed the program in dxflib.
TEST_F(PatternExportCommand, APatternOutOfRangeGetsAnErrorBoxAndNoDialog) {
    open("wtfy");
    saveTo(dir_ / "x.dxf");
    window->box("Text2")->setText("1e250");
    exportNow();
    const ShowMessage box{"展开图尺寸超出范围（超过 1000000 mm），不能生成展开图！", MessageIcon::Error, "错误："};
    EXPECT_EQ(dialogs.messages, std::vector<ShowMessage>{box});
    EXPECT_TRUE(dialogs.suggestions.empty() && fs::is_empty(dir_)) << "no dialog, no file";
}

}  // namespace
}  // namespace korvel
