#pragma once
// Long work a window starts (a 1:1 template's pages, a DXF file, a print
// job) run on a thread of its own, so that the window keeps answering: a
// progress dialog with the pages done of the pages and a 取消 button shows
// once the work lasts more than a moment.

#include <functional>
#include <memory>
#include <string>

#include "output/page_progress.h"

class QProgressDialog;
class QWidget;

namespace korvel {

// What the dialog counts the work's steps in: "第 12 / 248 页" for a PDF's
// or a print job's pages, "第 3 / 10 个文件" for the files saved into a folder.
enum class Counted { Pages, Files };

// Runs `work` on a worker thread and waits for it in an event loop of its
// own: the windows are painted and answer meanwhile, `window` only through
// its progress dialog (modal to it). `heading` is the dialog's text,
// "正在生成 1:1 样板…", followed by the step being made once the work
// reports steps (`counted`). 取消, or closing `window`, sets progress.cancel:
// the work stops at its next step. A close waits for the work to stop, then
// closes the window. Returns once the work has ended; rethrows what it threw
// (Cancelled when it was cancelled). `work` must touch no widget.
void runWithProgress(QWidget* window, const std::string& heading,
                     const std::function<void(const PageProgress& progress)>& work, Counted counted = Counted::Pages);

// True while runWithProgress runs a work for `window`.
bool runningWork(const QWidget* window);

// The progress dialog runWithProgress shows, modal to `window`, not yet shown.
std::unique_ptr<QProgressDialog> progressDialog(QWidget* window);

// Sets the dialog to `done` of `total` steps: its bar, and its text, the
// heading and the step being made ("第 12 / 248 页"); with no steps (`total`
// 0) the heading alone and a bar that only says it is busy.
void showPages(QProgressDialog& dialog, const std::string& heading, int done, int total,
               Counted counted = Counted::Pages);

}  // namespace korvel
