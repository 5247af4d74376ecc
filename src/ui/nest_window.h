#pragma once
// The nest window of a job window: a copy of its job nested on plates
// (core/nesting/job_nest.h). For each thickness the job's pieces have, the
// stock (a preset plate or one typed, its margin and gap, mm); the turns
// tried and the seam allowance; the plate files' options. 开始排料 checks the
// stock and nests on a thread of its own, with a progress bar (parts placed
// of all) and 取消: the window stays responsive, and a cancelled nest leaves
// no plates. After a nest: the plates one at a time (上一张/下一张, PgUp/PgDn),
// the summary, a table of the plates, and 保存排料文件… into a folder
// (output/nest_files.h). Closing the window, or its job window, while a nest
// runs cancels it and waits for the thread.

#include <QMainWindow>
#include <atomic>
#include <thread>
#include <vector>

#include "core/job.h"
#include "core/nesting/job_nest.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace korvel {

class PlateView;

class NestWindow : public QMainWindow {
    Q_OBJECT
public:
    // A window on a copy of `job`; `parent` (the job window) takes it away with itself.
    explicit NestWindow(const Job& job, QWidget* parent = nullptr);
    ~NestWindow() override;

    // A new copy of the job, when it differs from the one the window has and
    // no nest runs: its stock rows anew, the plates of the last nest gone.
    void setJob(const Job& job);

    // Checks the stock and options, then starts the nest on its thread;
    // false, with a message and no thread, when they are refused.
    bool start();
    // Asks the running nest to stop; it ends cancelled (finished()).
    void cancel();
    bool running() const { return worker_.joinable(); }

    // The last nest that ended, cancelled or refused ones included.
    const JobNest& nest() const { return nest_; }
    // Shows plate `index` from 0 (kept within the plates).
    void showPlate(int index);
    int currentPlate() const { return current_; }
    // Asks for a folder and writes the plate files and summary there, all or
    // none, on a worker with a progress dialog counting the files
    // (runWithProgress): a cancel, or a close of the window meanwhile,
    // writes nothing.
    bool saveFiles();

signals:
    // A nest ended: done, cancelled or refused by the nester.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct StockRow {
        double thickness = 0;
        QComboBox* plate = nullptr;
        QLineEdit* width = nullptr;
        QLineEdit* height = nullptr;
        QLineEdit* margin = nullptr;
        QLineEdit* gap = nullptr;
    };

    QWidget* buildStock();
    QWidget* buildResults();
    void fillStock();
    void platePicked(StockRow& row);
    // The options as typed, or the first problem in the program's words.
    std::string readOptions(JobNestOptions& options) const;
    void progressed(size_t placed, size_t total);
    // Back on the window's thread with what the worker nested.
    void ended(JobNest nest);
    void showNest();
    // Stops the worker and waits for it; what it sends after is dropped.
    void stopWorker();
    void setRunning(bool running);

    Job job_;
    JobNest nest_;
    int current_ = 0;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    unsigned run_ = 0;  // the number of the last nest started
    std::vector<StockRow> rows_;
    QVBoxLayout* stockRows_ = nullptr;
    QComboBox* rotations_ = nullptr;
    QLineEdit* seam_ = nullptr;
    QComboBox* version_ = nullptr;
    QCheckBox* cutOnly_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* page_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* plates_ = nullptr;
    PlateView* view_ = nullptr;
};

}  // namespace korvel
