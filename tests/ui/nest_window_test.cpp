// The nest window: a small job nested to the end on its thread, its plates
// paged through and tabled, its files saved into a folder; a cancelled nest
// and a refused plate leaving no plates and no files; a part too large named;
// the window, or its job window, closed while a nest runs.

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/jobs.h"
#include "support/windows.h"
#include "ui/job_window.h"
#include "ui/language.h"
#include "ui/nest_window.h"
#include "ui/settings.h"

namespace korvel {
namespace {

using testing::readAll;

// Two elbows of 4 sections, three cone frustums (each 585 × 1259 mm
// unrolled), two round-to-rectangle transitions, none with a thickness:
// 8 + 3 + 2 = 13 parts.
Job smallJob() {
    Job job;
    job.entries.push_back(entry("elbow", {{"D", "450"}, {"R", "700"}}, {}, 2, "E-01"));
    job.entries.push_back(entry("cone", {{"small", "250"}, {"big", "560"}, {"h", "320"}}, {}, 3, "C-01"));
    job.entries.push_back(
        entry("transition-round-top", {{"a", "500"}, {"b", "700"}, {"D", "450"}, {"H", "450"}}, {}, 2, "T-01"));
    return job;
}

// Ten elbows and ten cones: 50 parts, seconds of nesting.
Job biggerJob() {
    Job job;
    job.entries.push_back(entry("elbow", {{"D", "400"}, {"R", "600"}}, {}, 10, "E-01"));
    job.entries.push_back(entry("cone", {{"small", "200"}, {"big", "500"}, {"h", "300"}}, {}, 10, "C-01"));
    return job;
}

class NestWindowTest : public testing::FolderTest {
protected:
    void open(const Job& job) {
        window = new NestWindow(job);
        window->show();
    }
    void TearDown() override {
        delete window.data();
        FolderTest::TearDown();
    }
    template <class T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Picks the stock of the first thickness: a preset's index or 自定义 with a size.
    void pickPlate(int index, const char* width = nullptr, const char* height = nullptr) {
        auto* plate = child<QComboBox>("plate-0");
        plate->setCurrentIndex(index);
        emit plate->activated(index);
        if (width != nullptr) child<QLineEdit>("width-0")->setText(QString::fromLatin1(width));
        if (height != nullptr) child<QLineEdit>("height-0")->setText(QString::fromLatin1(height));
    }
    QString page() const { return child<QLabel>("page")->text(); }

    QPointer<NestWindow> window;
    testing::RecordedDialogs dialogs;
};

TEST_F(NestWindowTest, ASmallJobNestsOnItsThreadPagesThroughItsPlatesAndSavesThem) {
    auto* jobs = new JobWindow;
    for (const JobEntry& e : smallJob().entries) jobs->addEntry(e);
    window = jobs->openNest();
    pickPlate(0);  // 1250 × 2500
    QSignalSpy finished(window.data(), &NestWindow::finished);
    ASSERT_TRUE(window->start());
    EXPECT_FALSE(child<QPushButton>("start")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    ASSERT_TRUE(window->nest().done());
    const int plates = static_cast<int>(window->nest().plates.size());
    ASSERT_GE(plates, 2) << "13 parts of 6.3 m²: not one 1250 × 2500 plate of 3.1 m²";
    EXPECT_EQ(child<QProgressBar>("progress")->value(), 13);

    EXPECT_TRUE(page().startsWith(QStringLiteral("第 1 / %1 张：碳钢 未给板厚，1250 × 2500 mm，").arg(plates)))
        << page().toStdString();
    EXPECT_FALSE(child<QPushButton>("previous")->isEnabled());
    QApplication::setActiveWindow(window.data());  // as when the user works in it
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(window->currentPlate(), 1);
    EXPECT_TRUE(page().startsWith(QStringLiteral("第 2 / %1 张").arg(plates)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);  // no plate before the first
    EXPECT_EQ(window->currentPlate(), 0);

    auto* table = child<QTableWidget>("plates");
    ASSERT_EQ(table->rowCount(), plates);
    int parts = 0;
    for (int r = 0; r < plates; ++r) parts += table->item(r, 4)->text().toInt();
    EXPECT_EQ(parts, 13);
    EXPECT_EQ(table->item(0, 6)->text(), QStringLiteral("—")) << "no thickness: no weights";
    EXPECT_TRUE(child<QLabel>("summary")->text().contains(QStringLiteral("合计：%1 张钢板，13 件").arg(plates)));

    dialogs.folderPath = QString::fromStdString((dir_ / "plates").string());
    ASSERT_TRUE(window->saveFiles());
    for (int n = 1; n <= plates; ++n)
        for (const char* suffix : {".dxf", ".svg"})
            EXPECT_TRUE(std::filesystem::is_regular_file(dir_ / "plates" / (QStringLiteral("plate-%1").arg(n, 2, 10, QLatin1Char('0')).toStdString() + suffix)));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "plates" / ("plate-" + std::to_string(plates + 1) + ".dxf")));
    const std::string csv = readAll(dir_ / "plates" / "summary.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), plates + 1);
    EXPECT_EQ(lastFolder(SavedFile::Nest), dialogs.folderPath);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None) << dialogs.messages[0].text;

    // Saved again, its job window closed meanwhile: the save is stopped (or
    // ends), then the nest window closes; the job window stays.
    dialogs.folderPath = QString::fromStdString((dir_ / "again").string());
    QTimer::singleShot(0, jobs, [jobs] { EXPECT_FALSE(jobs->close()); });
    window->saveFiles();
    const auto again = names();
    EXPECT_TRUE(again.contains("again") == std::filesystem::exists(dir_ / "again" / "summary.csv")) << "all or none";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(JobWindow::current(), jobs);
    delete jobs;

    NestWindow remembered(smallJob());  // the stock nested on is remembered
    EXPECT_EQ(remembered.findChild<QComboBox*>("plate-0")->currentIndex(), 0);
    EXPECT_EQ(remembered.findChild<QLineEdit*>("height-0")->text(), "2500");
}

TEST_F(NestWindowTest, ACancelledNestLeavesNoPlatesAndWritesNothing) {
    open(biggerJob());
    QSignalSpy finished(window.data(), &NestWindow::finished);
    ASSERT_TRUE(window->start());
    window->cancel();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    EXPECT_TRUE(window->nest().cancelled);
    EXPECT_TRUE(window->nest().plates.empty());
    EXPECT_EQ(child<QLabel>("status")->text(), "已取消排料");
    EXPECT_FALSE(child<QPushButton>("save")->isEnabled());
    dialogs.folderPath = QString::fromStdString(dir_.string());
    EXPECT_FALSE(window->saveFiles());
    EXPECT_TRUE(names().empty());
}

TEST_F(NestWindowTest, BadPlatesAreRefusedBeforeAnyThreadAndAPartTooLargeIsNamed) {
    Job job = smallJob();
    // A flat disc 3000 across: its sectors are 1500 long, wider than the plate however it is split.
    job.entries.push_back(entry("cone", {{"small", "0"}, {"big", "3000"}, {"h", "0"}}, {}, 1, "C-09"));
    open(job);
    QSignalSpy finished(window.data(), &NestWindow::finished);
    pickPlate(3, "0", "3000");
    EXPECT_FALSE(window->start());
    EXPECT_FALSE(window->running());
    pickPlate(3, "1500", "abc");
    EXPECT_FALSE(window->start());
    pickPlate(3, "100", "3000");
    child<QLineEdit>("margin-0")->setText("50");  // leaves no room
    EXPECT_FALSE(window->start());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, "未给板厚的钢板：钢板尺寸必须是大于 0 的数：0 × 3000 mm。");
    EXPECT_EQ(dialogs.messages[1].text, "未给板厚的钢板：长度应为数字（“abc”）。");
    EXPECT_NE(dialogs.messages[2].text.find("没有可用的地方"), std::string::npos) << dialogs.messages[2].text;

    pickPlate(3, "1000", "1000");
    child<QLineEdit>("margin-0")->setText("10");
    ASSERT_TRUE(window->start());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_NE(dialogs.messages[3].text.find("C-09-圆锥体 比钢板可用尺寸大"), std::string::npos)
        << dialogs.messages[3].text;
    EXPECT_TRUE(window->nest().plates.empty());
}

TEST_F(NestWindowTest, ClosingTheWindowOrItsJobWindowDuringANestStopsIt) {
    open(biggerJob());
    ASSERT_TRUE(window->start());
    QTRY_VERIFY_WITH_TIMEOUT(child<QProgressBar>("progress")->value() > 0, 60000);
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    auto* jobs = new JobWindow;
    for (const JobEntry& e : biggerJob().entries) jobs->addEntry(e);
    jobs->menuAction("nest")->trigger();
    window = jobs->findChild<NestWindow*>();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(jobs->openNest(), window.data()) << "one per job window";
    ASSERT_TRUE(window->start());
    QTRY_VERIFY_WITH_TIMEOUT(child<QProgressBar>("progress")->value() > 0, 60000);
    delete jobs;  // unsaved: closing would ask first
    EXPECT_TRUE(window.isNull());
}

TEST_F(NestWindowTest, InEnglishItsTextsAndMessagesNeedNoPhraseTheCatalogueLacks) {
    struct English {
        English() { chooseLanguage(Language::English); }
        ~English() { chooseLanguage(Language::Chinese); }
    } english;
    open(smallJob());
    QSignalSpy finished(window.data(), &NestWindow::finished);
    pickPlate(3, "x", "3000");
    EXPECT_FALSE(window->start());
    pickPlate(0);
    ASSERT_TRUE(window->start());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    child<QWidget>("plateView")->grab();  // the parts' names go through the translation when painted
    for (const ShowMessage& m : dialogs.messages) shown(m.text);
    EXPECT_EQ(untranslatedPhrases().join(u'\n').toStdString(), "");
    EXPECT_TRUE(page().startsWith(QStringLiteral("Plate 1 / "))) << page().toStdString();
}

}  // namespace
}  // namespace korvel
