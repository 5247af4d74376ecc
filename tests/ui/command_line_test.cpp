// The headless command line: dispatch, option parsing, output format and exit
// statuses, in-process and through the real binary.

#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>

#include "core/catalogue.h"
#include "ui/command_line.h"
#include "ui/settings.h"
#include "support/program.h"

namespace korvel {
namespace {

using testing::runInProcess;
using CliRun = testing::ProgramRun;

TEST(CommandLine, HelpListsEveryFittingWithItsInputs) {
    const CliRun run = runInProcess({"--help"});
    EXPECT_EQ(run.status, kExitOk);
    for (const char* fitting : {"elbow-end", "elbow-middle", "elbow-divisions", "tee-branch", "tee-opening",
                                "tee-divisions", "ytee-vertical", "ytee-slanted", "ytee-divisions", "rect-frustum",
                                "transition-round-top", "transition-rect-top", "cone"})
        EXPECT_NE(run.out.find(std::string("    ") + fitting + "  ("), std::string::npos) << fitting;
    for (const char* input : {"D=1120 mm", "R=1680 mm", "alpha=90°", "k=4 (2 to 20)", "n=16 (8 to 100)",
                              "Ls=200 mm", "beta=75°", "A=2200 mm", "ew=0 mm", "N=24 (16 to 32)", "small=500 mm",
                              "dir=north|south", "variant=frustum|cone", "round=int|dec"})
        EXPECT_NE(run.out.find(input), std::string::npos) << input;
}

TEST(CommandLine, VersionAndNoDisplay) {
    const CliRun version = runInProcess({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out, "korvel 0.1\n");
    // Without a display the program says so in one line and stops, no abort.
    const CliRun windows = testing::runKorvel("", "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ");
    EXPECT_EQ(windows.status, 1);
    EXPECT_TRUE(windows.err.starts_with("korvel: no display for the windows")) << windows.err;
    EXPECT_EQ(std::count(windows.err.begin(), windows.err.end(), '\n'), 1);
}

TEST(CommandLine, UnknownFittingOrNameIsAUsageErrorWithOneLine) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"list", "pipe"}, {"list", "elbow-end", "X=1"}, {"list", "elbow-end", "D"},
             {"list", "rect-frustum", "dir=east"}, {"list", "cone", "round=half"}, {"list"}, {"draw"}}) {
        const CliRun run = runInProcess(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_TRUE(run.out.empty());
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(CommandLine, EveryFittingIsReachable) {
    const std::vector<CliCommand> commands = cliCommands();
    // The seven windows of 打开软件 list through 13; those of 更多管件 add theirs.
    size_t more = 0;
    for (const auto& entry : fittingEntries())
        if (entry.menu == FittingMenu::More)
            for (const auto& command : entry.design().menu) more += command.cliName.empty() ? 0 : 1;
    EXPECT_GE(more, 1u);
    EXPECT_EQ(commands.size(), 13u + more);
    for (const auto& c : commands) {
        const CliRun run = runInProcess({"list", c.fitting, "round=dec"});
        EXPECT_NE(run.status, kExitUsage) << c.fitting << ": " << run.err;
    }
}

TEST(CommandLine, APickedVariantBringsItsPresetsBeforeTheBoxTexts) {
    // Picking the cone sets the small end to 0, as the window's list does.
    const CliRun cone = runInProcess({"list", "cone", "variant=cone"});
    EXPECT_EQ(cone.status, kExitOk);
    EXPECT_NE(cone.out.find("Label1(15)\t正心圆锥体展开放样\n"), std::string::npos) << cone.out;
    // A box text given with the pick counts, whatever the order: the pick's
    // reset of the offsets comes first.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"list", "transition-round-top", "e=150", "dir=south"},
             {"list", "transition-round-top", "dir=south", "e=150"}}) {
        const CliRun run = runInProcess(args);
        EXPECT_EQ(run.status, kExitOk);
        EXPECT_NE(run.out.find("Label1(16)\t南边三角面实高 h2=1031\n"), std::string::npos) << run.out;
    }
}

TEST(CommandLine, OutcomeLinesAreKeyTabText) {
    Outcome outcome;
    outcome.effect(ShowMessage{"\n管道外径必须大于零！", MessageIcon::Error, "错误："});
    outcome.effect(SetBoxText{"Text1(1)", "1120"});
    outcome.effect(FocusBox{"Text1(1)"});
    outcome.effect(ClearListing{"Combo3"});
    outcome.effect(SetListingHeading{"Combo3", "       端节实"});
    outcome.effect(AddListingLine{"Combo3", "L0 = 450"});
    outcome.effect(SetCaption{"Label1(11)", "管道周长 = 3519 mm"});
    outcome.line(0, 0, 10, 10);
    outcome.text(5, 5, "L0");  // drawn at a position: drawing, not listed
    outcome.textLine();
    outcome.textLine({{25, "西北角实线"}, {90, "东北角实线"}});
    std::ostringstream out;
    printOutcome(outcome, out);
    EXPECT_EQ(out.str(),
              "message\t\\n管道外径必须大于零！\n"
              "Text1(1).text\t1120\n"
              "Combo3.text\t       端节实\n"
              "Combo3\tL0 = 450\n"
              "Label1(11)\t管道周长 = 3519 mm\n"
              "surface\n"
              "surface\t@25:西北角实线\t@90:东北角实线\n");
}

TEST(CommandLine, TheProgramAnswersWithoutADisplay) {
    const testing::ProgramRun help = testing::runKorvel("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("korvel list FITTING"), std::string::npos);
    const testing::ProgramRun unknown = testing::runKorvel("list no-such-fitting");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(unknown.err, "korvel: unknown FITTING 'no-such-fitting' (try korvel --help)\n");
    const testing::ProgramRun badName = testing::runKorvel("list tee-branch Q=1");
    EXPECT_EQ(badName.status, 1);
    EXPECT_EQ(badName.err,
              "korvel: tee-branch has no input 'Q'; its inputs: D, d, alpha, Ls, t, n, round (try korvel --help)\n");
}

TEST(CommandLine, MessagesNameFittingsAsTheHelpDoes) {
    // Every usage message names the FITTING as typed, never a window's design name.
    EXPECT_EQ(runInProcess({"list", "cone", "D"}).err, "korvel: cone takes name=value, got 'D' (try korvel --help)\n");
    EXPECT_EQ(runInProcess({"cad", "Q=1", "-o", "x.dxf"}).err,
              "korvel: cad has no input 'Q'; its inputs: D, R, alpha, t, k, n, round (try korvel --help)\n");
    EXPECT_EQ(runInProcess({"pdf", "ytee", "Q=1", "-o", "x.pdf"}).err,
              "korvel: ytee has no input 'Q'; its inputs: D, L, beta, n, round (try korvel --help)\n");
    EXPECT_EQ(runInProcess({"--help"}).out.find("Form"), std::string::npos);
}

TEST(CommandLine, TheWindowsTakeTheirOwnOptionsAndLeaveTheRestToQt) {
    // A command, --help or --version runs the command line; an option, the windows.
    EXPECT_TRUE(isCommandLine({"list", "cone"}));
    EXPECT_TRUE(isCommandLine({"draw"}));
    EXPECT_FALSE(isCommandLine({"-style", "fusion"}));
    EXPECT_FALSE(isCommandLine({"--lang", "en"}));

    EXPECT_EQ(readWindowOptions({"korvel", "--lang", "en"}).language, Language::English);
    EXPECT_EQ(readWindowOptions({"korvel", "--lang=zh"}).language, Language::Chinese);
    EXPECT_EQ(readWindowOptions({"korvel", "--lang", "fr"}).error, "korvel: --lang takes zh or en, got 'fr'");
    EXPECT_EQ(readWindowOptions({"korvel", "--lang"}).error, "korvel: --lang takes zh or en (try korvel --help)");
    EXPECT_EQ(readWindowOptions({"korvel", "--screenshots"}).error,
              "korvel: unknown option '--screenshots' (try korvel --help)");
    EXPECT_EQ(readWindowOptions({"korvel", "--lang", "en", "stray"}).error,
              "korvel: unknown command 'stray' (try korvel --help)");

    // Through the program: Qt takes -platform, -style and -reverse before the
    // program reads --lang, which refuses a language it does not know before
    // any window; a good one starts the windows (ended here by timeout).
    const CliRun bad = testing::runKorvel("-platform offscreen -style fusion -reverse --lang xx");
    EXPECT_EQ(bad.status, kExitUsage);
    EXPECT_NE(bad.err.find("korvel: --lang takes zh or en, got 'xx'\n"), std::string::npos) << bad.err;
    const CliRun unknown = testing::runKorvel("-platform offscreen --screenshots");
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_NE(unknown.err.find("korvel: unknown option '--screenshots'"), std::string::npos) << unknown.err;
    const CliRun started = testing::runKorvel("-platform offscreen -style fusion -reverse --lang en", "timeout 3 ");
    EXPECT_EQ(started.status, 124) << started.err;
    // The language given is remembered for the next start (the test's settings file).
    EXPECT_EQ(languageSetting(), Language::English);
}

}  // namespace
}  // namespace korvel
