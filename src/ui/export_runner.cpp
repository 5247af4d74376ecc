#include "ui/export_runner.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <exception>
#include <vector>

#include "ui/language.h"
#include "ui/message_boxes.h"

namespace korvel {
namespace {

// How long the work may last before its dialog shows, ms: a file written in
// a moment shows none.
constexpr int kQuietMs = 300;
// How often the dialog reads the work's pages, ms.
constexpr int kTickMs = 100;

// Holds back a close of the window while its work runs: the work is
// cancelled, and the window closed once it has stopped.
class CloseHold : public QObject {
public:
    CloseHold(QWidget* window, std::atomic<bool>& cancel) : window_(window), cancel_(cancel) {
        if (window_ != nullptr) window_->installEventFilter(this);
    }
    ~CloseHold() override {
        if (window_ == nullptr) return;
        window_->removeEventFilter(this);
        if (asked_) QMetaObject::invokeMethod(window_, &QWidget::close, Qt::QueuedConnection);
    }
    CloseHold(const CloseHold&) = delete;
    CloseHold& operator=(const CloseHold&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::Close) return false;
        asked_ = true;
        cancel_ = true;
        event->ignore();
        return true;
    }

private:
    QPointer<QWidget> window_;
    std::atomic<bool>& cancel_;
    bool asked_ = false;
};

// The windows whose work runs, innermost last (a window's work may wait in
// another's event loop).
std::vector<const QWidget*> working;

class Working {
public:
    explicit Working(const QWidget* window) : window_(window) { working.push_back(window); }
    ~Working() { working.erase(std::find(working.begin(), working.end(), window_)); }
    Working(const Working&) = delete;
    Working& operator=(const Working&) = delete;

private:
    const QWidget* window_;
};

}  // namespace

std::unique_ptr<QProgressDialog> progressDialog(QWidget* window) {
    auto dialog = std::make_unique<QProgressDialog>(window);
    dialog->setWindowModality(Qt::WindowModal);
    // The program's name, as the message boxes have it: a window's own title
    // may run a clock and be long.
    dialog->setWindowTitle(QString::fromUtf8(kProgramTitle));
    dialog->setCancelButtonText(shown("取消"));
    // It closes when the work has ended, not when the bar is full: the file
    // is written after the last page.
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(kQuietMs);
    dialog->setMinimumWidth(400);  // px: the page count's text on one line
    return dialog;
}

void showPages(QProgressDialog& dialog, const std::string& heading, int done, int total, Counted counted) {
    QString text = shown(heading);
    if (total > 0)
        text += " " + shown(counted == Counted::Files ? "第 %1 / %2 个文件" : "第 %1 / %2 页")
                          .arg(std::min(done + 1, total))
                          .arg(total);
    if (dialog.labelText() != text) dialog.setLabelText(text);
    if (dialog.maximum() != total) dialog.setRange(0, total);
    dialog.setValue(done);
}

bool runningWork(const QWidget* window) {
    return std::find(working.begin(), working.end(), window) != working.end();
}

void runWithProgress(QWidget* window, const std::string& heading,
                     const std::function<void(const PageProgress& progress)>& work, Counted counted) {
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    const PageProgress progress{[&done, &total](int pages, int of) {
                                    total = of;
                                    done = pages;
                                },
                                &cancel};
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&work, &progress, &failure] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));

    const std::unique_ptr<QProgressDialog> dialog = progressDialog(window);
    showPages(*dialog, heading, 0, 0, counted);  // starts the wait before it shows
    QObject::connect(dialog.get(), &QProgressDialog::canceled, [&cancel] { cancel = true; });
    QTimer ticks;
    ticks.setInterval(kTickMs);
    QObject::connect(&ticks, &QTimer::timeout, [&] { showPages(*dialog, heading, done, total, counted); });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    {
        const CloseHold hold(window, cancel);
        const Working marked(window);
        worker->start();
        ticks.start();
        loop.exec();
        worker->wait();
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace korvel
