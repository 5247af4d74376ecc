#pragma once
// The job window: one job (core/job.h) at a time, its title fields and
// material, its entries in a table (mark, fitting, main dimensions,
// quantity, weight) that open in their calculators, and its cut list
// (core/cut_list.h) with totals, saved as CSV or printed as a PDF page
// (output/cut_list_pdf.h), and nested on plates in a nest window of its own
// (ui/nest_window.h). Unsaved changes are never lost unasked: closing,
// New, Open and quitting ask 保存/不保存/取消 first. Every calculator with a
// flat pattern adds its inputs here through its 加入任务 command (addToJob).

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/cut_list.h"
#include "core/job.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTableWidget;

namespace korvel {

class CalculatorWindow;
class NestWindow;

class JobWindow : public QMainWindow {
    Q_OBJECT
public:
    JobWindow();
    ~JobWindow() override;

    // The job window that is open, or null: there is one at a time.
    static JobWindow* current();
    // The open one, else a new one on a new job; shown and raised.
    static JobWindow* showCurrent();
    // How an entry's calculator opens, by its main-menu item (wtfy ...): the
    // main window's way, set by the main window. Where none is set, or it
    // gives none, the job window opens a calculator of its own.
    static void setFittingOpener(std::function<CalculatorWindow*(const std::string& item)> opener);

    const Job& job() const { return job_; }
    const QString& path() const { return path_; }
    bool modified() const { return modified_; }

    // The commands of the 任务 menu. Each of the first three asks first when
    // unsaved changes would go; false when the user cancelled or nothing was
    // opened or saved.
    bool newJob();
    bool openJob();  // the open dialog, then openFile
    // Reads a job file: every problem in one message, what could be read shown.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    // Asks 保存/不保存/取消 when there are unsaved changes: true when they may go.
    bool maySetAside();

    // The entries, by row (the row of an entry is its place in the job).
    // Adds one at the end and selects it; returns its row.
    int addEntry(JobEntry entry);
    // Writes a calculator's inputs and export choices back to the entry of
    // `row`, keeping its mark and quantity.
    void replaceEntry(int row, const JobEntry& entry);
    // Opens the entry's calculator with its box texts and list picks; null
    // for an entry that is not readable.
    CalculatorWindow* openEntry(int row);
    void duplicateEntry(int row);
    void removeEntry(int row);
    // Moves the entry one place up (-1) or down (+1).
    void moveEntry(int row, int by);
    // An entry's identity while this window is open (a calculator opened from
    // it remembers it); its row, or -1 once it is gone.
    int entryId(int row) const;
    int rowOf(int id) const;

    // Saves the cut list as CSV (cutListCsv) / as PDF pages, through the save
    // dialog, then on a worker with a progress dialog (runWithProgress): a
    // cancel, or a close of the window meanwhile, writes nothing.
    bool exportCsv();
    bool printCutList();
    // The job's nest window (one per job window), made on a copy of the job
    // as it stands, or given the job anew when no nest runs; shown and raised.
    NestWindow* openNest();

    QTableWidget* entryTable() const { return entries_; }
    QTableWidget* cutTable() const { return cutTable_; }
    QLabel* cutTotals() const { return cutTotals_; }
    QTabWidget* tabs() const { return tabs_; }
    QAction* menuAction(const std::string& name) const;
    const CutList& cutList() const { return cutList_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildEntriesTab();
    QWidget* buildCutListTab();
    QAction* addCommand(QMenu* menu, const std::string& name, const char* caption, const std::function<void()>& run);
    void fillRecentMenu();
    // Puts a job in the window: its fields, its entries, a new set of ids.
    void setJob(Job job, const QString& path, bool keepsAll, const std::vector<std::string>& problems);
    void showFields();
    void materialPicked(int index);
    void fieldsEdited();
    void entryEdited(int row, int column);
    // Remakes the entry table and the cut list from the job.
    void refresh();
    void setModified(bool modified);
    bool writeTo(const QString& path);
    void savedTo(const QString& path);
    int selectedRow() const;

    Job job_;
    QString path_;
    bool modified_ = false;
    bool keepsAll_ = true;
    bool filling_ = false;                // the table is being filled: its edits are not the user's
    std::vector<int> ids_;                // an id per entry
    std::map<int, std::string> problems_;  // what was wrong with an entry when read, by id
    CutList cutList_;
    QLineEdit* name_ = nullptr;
    QLineEdit* customer_ = nullptr;
    QLineEdit* drawing_ = nullptr;
    QComboBox* material_ = nullptr;
    QLineEdit* materialName_ = nullptr;
    QLineEdit* density_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* entries_ = nullptr;
    QTableWidget* cutTable_ = nullptr;
    QLabel* cutTotals_ = nullptr;
    QMenu* recent_ = nullptr;
    std::map<std::string, QAction*> actions_;
    QPointer<NestWindow> nest_;
};

// The design name and caption of the command every calculator with a flat
// pattern has after its export and template commands.
inline constexpr const char* kJobCommand = "加入任务";
inline constexpr const char* kJobCaption = "加入任务(&J)";

// Adds the calculator's current inputs (and the export choices its kind of
// window was last exported with) to the open job window, opening one when
// none is: a new entry with a suggested mark, or, for a calculator opened
// from an entry, that entry written back when the user says so. Inputs the
// fitting refuses are refused with the window's own messages, nothing added.
// True when the job took them.
bool addToJob(CalculatorWindow& window);

// The fitting's short name in the table ("弯头") and the letter of its marks ("E").
std::string fittingShortName(const std::string& fitting);
// The first mark of the fitting's letter that no entry has: "E-01", "E-02" ...
std::string suggestedMark(const Job& job, const std::string& fitting);
// The entry's inputs in short, the rounding left out: "D=1120 R=1680 α=90 t=10 k=4 n=16".
std::string mainDimensions(const JobEntry& entry);

}  // namespace korvel
