// The job window: entries added from calculators through 加入任务, saved,
// reopened and opened in their calculator again; unsaved changes asked for;
// a bad file's problems shown and the file not overwritten unasked; the cut
// list saved as the core's CSV and as PDF pages, made on a worker: cancelled
// or closed meanwhile, the old file kept.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

#include "output/atomic_file.h"
#include "output/cut_list_pdf.h"
#include "output/pdf_tools.h"
#include "support/jobs.h"
#include "support/windows.h"
#include "ui/export_runner.h"
#include "ui/job_window.h"

namespace korvel {
namespace {

using testing::readAll;

class JobWindowTest : public testing::SavingWindowTest {
protected:
    void TearDown() override {
        calculators.clear();
        for (JobWindow* job : {JobWindow::current()})
            if (job != nullptr) delete job;
        SavingWindowTest::TearDown();
    }
    // A calculator of the main menu's item with one box typed, its 加入任务 run.
    bool add(const std::string& item, const char* box = nullptr, const char* text = nullptr) {
        calculators.push_back(testing::windowOf(item));
        if (box != nullptr) calculators.back()->box(box)->setText(QString::fromUtf8(text));
        const size_t before = JobWindow::current() ? JobWindow::current()->job().entries.size() : 0;
        calculators.back()->menuAction(kJobCommand)->trigger();
        return JobWindow::current() != nullptr && JobWindow::current()->job().entries.size() == before + 1;
    }
    // Closes the job window as the close box does; true when it went.
    static bool closeJob() {
        JobWindow* job = JobWindow::current();
        if (!job->close()) return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return JobWindow::current() == nullptr;
    }

    std::vector<std::unique_ptr<CalculatorWindow>> calculators;
};

TEST_F(JobWindowTest, EntriesFromThreeCalculatorsSurviveSavingAndReopenInTheirCalculator) {
    ASSERT_TRUE(add("wtfy", "Text1", "900"));
    ASSERT_TRUE(add("stfy"));
    ASSERT_TRUE(add("yztt"));
    ASSERT_TRUE(add("wtfy"));
    JobWindow* job = JobWindow::current();
    QTableWidget* table = job->entryTable();
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 0)->text(), "E-01");
    EXPECT_EQ(table->item(1, 0)->text(), "T-01");
    EXPECT_EQ(table->item(2, 0)->text(), "C-01");
    EXPECT_EQ(table->item(3, 0)->text(), "E-02");
    EXPECT_EQ(table->item(0, 1)->text(), "弯头");
    EXPECT_EQ(table->item(0, 2)->text().toStdString(), "D=900 R=1680 α=90 t=10 k=4 n=16");
    table->item(1, 3)->setText("3");  // typed into the 数量 cell
    table->item(3, 3)->setText("0");  // refused: the quantity stays
    EXPECT_EQ(job->job().entries[1].quantity, 3);
    EXPECT_EQ(job->job().entries[3].quantity, 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    job->moveEntry(3, -1);
    job->removeEntry(3);  // the cone, moved last
    ASSERT_EQ(job->job().entries.size(), 3u);

    saveTo(dir_ / "duct run");
    ASSERT_TRUE(job->save());
    const std::string saved = readAll(dir_ / "duct run.korvel");
    EXPECT_EQ(saved, jobBytes(job->job()));
    const std::vector<JobEntry> entries = job->job().entries;
    ASSERT_TRUE(closeJob()) << "saved: nothing to ask";
    EXPECT_TRUE(dialogs.saveQuestions.empty());

    auto* reopened = new JobWindow;
    ASSERT_TRUE(reopened->openFile(QString::fromStdString((dir_ / "duct run.korvel").string())));
    ASSERT_EQ(reopened->job().entries.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reopened->job().entries[i].mark, entries[i].mark);
        EXPECT_EQ(reopened->job().entries[i].quantity, entries[i].quantity);
        EXPECT_EQ(reopened->job().entries[i].inputs, entries[i].inputs);
    }
    EXPECT_EQ(reopened->job().entries[2].mark, "E-02");
    // The elbow's weight: its pieces' weights × their counts; the tee has no
    // plate thickness, so no weight.
    double weight = 0;
    for (const CutPiece& piece : reopened->cutList().pieces)
        if (piece.mark == "E-01") weight += piece.weight * static_cast<double>(piece.quantity);
    EXPECT_GT(weight, 0);
    EXPECT_EQ(reopened->entryTable()->item(0, 4)->text(), QString::number(weight, 'f', 2));
    EXPECT_EQ(reopened->entryTable()->item(1, 4)->text(), "—");

    std::unique_ptr<CalculatorWindow> elbow(reopened->openEntry(0));
    ASSERT_TRUE(elbow);
    EXPECT_EQ(elbow->box("Text1")->text(), "900");
    EXPECT_EQ(elbow->box("Text2")->text(), "1680");
    // Changed and added again: written back to its entry after a yes.
    elbow->box("Text1")->setText("1000");
    elbow->menuAction(kJobCommand)->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find("写回第 1 项"), std::string::npos) << dialogs.questions[0];
    ASSERT_EQ(reopened->job().entries.size(), 3u);
    EXPECT_EQ(reopened->job().entries[0].inputs[0], (NamedInput{"D", "1000"}));
    EXPECT_EQ(reopened->job().entries[0].mark, "E-01");
    EXPECT_TRUE(reopened->modified());
}

TEST_F(JobWindowTest, RefusedInputsAddNothingAndUnsavedChangesAreAskedFor) {
    EXPECT_FALSE(add("wtfy", "Text1", "abc"));
    EXPECT_EQ(JobWindow::current(), nullptr) << "no entry: no job window either";
    ASSERT_FALSE(dialogs.messages.empty()) << "the window's own message";
    ASSERT_TRUE(add("tfdy"));
    EXPECT_EQ(JobWindow::current()->job().entries[0].mark, "ST-01");

    dialogs.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(closeJob());
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_FALSE(JobWindow::current()->newJob());
    EXPECT_EQ(JobWindow::current()->job().entries.size(), 1u) << "取消 keeps the job";
    dialogs.saveAnswer = SaveAnswer::Discard;
    EXPECT_TRUE(closeJob());
    EXPECT_EQ(dialogs.saveQuestions.size(), 3u);
}

TEST_F(JobWindowTest, ABadFileShowsEveryProblemAndIsOverwrittenOnlyWhenAsked) {
    const std::string bad = R"({"format": "korvel-job", "version": 1, "name": "坏", "material": {"name": "铜"},
  "entries": [{"mark": "A", "fitting": "elbow", "quantity": 2, "inputs": {"D": "800"}},
              {"mark": "B", "fitting": "elbowx", "quantity": 1}]})";
    std::ofstream(dir_ / "bad.korvel") << bad;
    auto* job = new JobWindow;
    ASSERT_TRUE(job->openFile(QString::fromStdString((dir_ / "bad.korvel").string())));
    ASSERT_EQ(dialogs.messages.size(), 1u) << "every problem in one message";
    EXPECT_NE(dialogs.messages[0].text.find("elbowx"), std::string::npos) << dialogs.messages[0].text;
    EXPECT_NE(dialogs.messages[0].text.find("density"), std::string::npos) << dialogs.messages[0].text;
    ASSERT_EQ(job->entryTable()->rowCount(), 2);
    EXPECT_EQ(job->entryTable()->item(1, 1)->text(), "未能读入");
    EXPECT_NE(job->entryTable()->item(1, 2)->text().indexOf("elbowx"), -1);
    EXPECT_FALSE(job->entryTable()->item(1, 0)->flags() & Qt::ItemIsEditable);

    // 否 to overwriting: saved under another name, the file as it was.
    dialogs.answerYes = false;
    saveTo(dir_ / "kept.korvel");
    EXPECT_TRUE(job->save());
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(readAll(dir_ / "bad.korvel"), bad);
    EXPECT_NE(readAll(dir_ / "kept.korvel").find("\"elbowx\""), std::string::npos) << "the unread entry kept";
}

TEST_F(JobWindowTest, TheCutListSavesAsTheCoresCsvAndAsPdfPages) {
    ASSERT_TRUE(add("wtfy"));
    ASSERT_TRUE(add("stfy"));
    JobWindow* job = JobWindow::current();
    const CutList list = korvel::cutList(job->job());
    // Elbow: two end sections and k − 2 = 2 middle ones; tee: branch and hole.
    ASSERT_EQ(job->cutTable()->rowCount(), static_cast<int>(list.pieces.size()));
    EXPECT_NE(job->cutTotals()->text().indexOf("板厚 10 mm"), -1);
    saveTo(dir_ / "list.csv");
    ASSERT_TRUE(job->exportCsv());
    EXPECT_EQ(readAll(dir_ / "list.csv"), cutListCsv(list));

    // Sixty elbows' rows run over more than one A4 page. Made on a worker,
    // the window answering meanwhile, the bytes those made on this thread.
    for (int i = 0; i < 30; ++i) job->duplicateEntry(0);
    saveTo(dir_ / "list.pdf");
    bool answeredDuringIt = false;
    QTimer::singleShot(0, job, [&answeredDuringIt, job] { answeredDuringIt = runningWork(job); });
    ASSERT_TRUE(job->printCutList());
    EXPECT_TRUE(answeredDuringIt) << "the window's events wait for no export";
    const QByteArray made = cutListPdf(job->job(), job->cutList());
    EXPECT_TRUE(readAll(dir_ / "list.pdf") == made.toStdString());
    const int pages = cutListPages(job->cutList());
    EXPECT_GT(pages, 1);
    EXPECT_EQ(testing::pdfInfo((dir_ / "list.pdf").string(), "Pages"), std::to_string(pages));
    EXPECT_NE(testing::pdfText((dir_ / "list.pdf").string(), pages, pages).find("合计"), std::string::npos);
    dialogs.saveAnswer = SaveAnswer::Discard;
}

// A job of `entries` elbows, opened from its file: two rows of the cut list each.
JobWindow* openElbows(const std::filesystem::path& dir, int entries) {
    Job job;
    for (int i = 0; i < entries; ++i) job.entries.push_back(entry("elbow", {}, {}, 1, "E-" + std::to_string(i + 1)));
    const std::filesystem::path path = dir / "elbows.korvel";
    cad::saveFileBytes(path.string(), jobBytes(job));
    auto* window = new JobWindow;
    EXPECT_TRUE(window->openFile(QString::fromStdString(path.string())));
    return window;
}

TEST_F(JobWindowTest, ACancelOrACloseDuringTheCutListsPdfLeavesTheOldFileByteForByte) {
    QPointer<JobWindow> job = openElbows(dir_, 60);
    ASSERT_GE(cutListPages(job->cutList()), 3) << "120 rows at 48 a page";
    const std::filesystem::path path = dir_ / "list.pdf";
    std::ofstream(path) << "the user's list";
    saveTo(path);
    // Its progress dialog's 取消 as soon as it is made.
    QTimer::singleShot(0, job, [job] {
        auto* dialog = job->findChild<QProgressDialog*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->windowModality() == Qt::WindowModal);
        dialog->findChild<QPushButton*>()->click();
    });
    EXPECT_FALSE(job->printCutList());
    EXPECT_EQ(readAll(path), "the user's list");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(names(), (std::set<std::string>{"elbows.korvel", "list.pdf"})) << "no temporary file left";

    // Closed meanwhile, its changes unsaved: stopped, then asked, then gone.
    job->entryTable()->item(0, 0)->setText("E-00");
    QTimer::singleShot(0, job, [job] { EXPECT_FALSE(job->close()) << "held until the export stops"; });
    dialogs.saveAnswer = SaveAnswer::Discard;
    EXPECT_FALSE(job->printCutList());
    EXPECT_EQ(readAll(path), "the user's list");
    EXPECT_TRUE(dialogs.saveQuestions.empty());
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_TRUE(job.isNull());
}

}  // namespace
}  // namespace korvel
