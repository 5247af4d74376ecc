#include "ui/job_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/catalogue.h"
#include "core/numbers.h"
#include "output/atomic_file.h"
#include "output/cut_list_pdf.h"
#include "ui/calculator_window.h"
#include "ui/export_runner.h"
#include "ui/language.h"
#include "ui/message_boxes.h"
#include "ui/nest_window.h"
#include "ui/save_dialog.h"
#include "ui/settings.h"

namespace korvel {
namespace {

QPointer<JobWindow> open;
std::function<CalculatorWindow*(const std::string&)> fittingOpener;
int nextId = 1;

// The entry table's columns.
enum Column { MarkColumn, FittingColumn, SizesColumn, QuantityColumn, WeightColumn, ColumnCount };

struct FittingNames {
    const char* fitting;
    const char* name;
    const char* letter;
};
constexpr FittingNames kFittingNames[] = {
    {"elbow", "弯头", "E"},         {"tee", "三通", "T"},
    {"ytee", "丫形三通", "Y"},      {"rect-frustum", "矩方锥台", "F"},
    {"transition-round-top", "天圆地方", "RT"}, {"transition-rect-top", "天方地圆", "ST"},
    {"cone", "圆锥台", "C"},
};

const FittingNames* namesOf(const std::string& fitting) {
    for (const FittingNames& n : kFittingNames)
        if (fitting == n.fitting) return &n;
    return nullptr;
}

// The export choices as a job entry keeps them, by the command line's names;
// thicknesses mm as typed in the export dialog.
std::vector<NamedInput> choiceInputs(const ExportChoices& c) {
    std::vector<NamedInput> named;
    if (c.surface) named.emplace_back("surface", surfaceKeyword(*c.surface));
    if (c.plateThickness) named.emplace_back("plate-t", numberText(*c.plateThickness));
    if (c.joint) named.emplace_back("joint", jointKeyword(*c.joint));
    if (c.mainThickness) named.emplace_back("main-t", numberText(*c.mainThickness));
    if (c.seam) named.emplace_back("seam", *c.seam);
    return named;
}

// The main-menu item (wtfy ...) that opens this design's window.
std::string menuItemOf(const WindowDesign& design) {
    for (const auto& entry : fittingEntries())
        if (&entry.design() == &design) return entry.menuName;
    return {};
}

// The whole fittings of an entry weigh this much, kg, or the cell says why not.
QString weightText(const Job& job, const JobEntry& entry) {
    if (!entry.readable()) return shown("未读入");
    Job one = job;
    one.entries = {entry};
    const CutList list = cutList(one);
    if (!list.leftOut.empty()) return shown("输入有误");
    double weight = 0;
    for (const CutPiece& piece : list.pieces) {
        if (piece.thickness <= 0) return QStringLiteral("—");
        weight += piece.weight * static_cast<double>(piece.quantity);
    }
    return QString::number(weight, 'f', 2);
}

// A plain decimal number above 0, as a density box takes it; 0 for anything else.
double densityOf(const QString& text) {
    std::optional<double> value;
    return readPlateThickness(text.trimmed().toStdString(), value) && value ? *value : 0;
}

QTableWidgetItem* cellOf(const QString& text, bool editable, bool number) {
    auto* item = new QTableWidgetItem(text);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (editable) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

std::string fittingShortName(const std::string& fitting) {
    const FittingNames* names = namesOf(fitting);
    return names != nullptr ? names->name : fitting;
}

std::string suggestedMark(const Job& job, const std::string& fitting) {
    const FittingNames* names = namesOf(fitting);
    const std::string letter = names != nullptr ? names->letter : "X";
    for (int n = 1;; ++n) {
        const std::string mark = letter + (n < 10 ? "-0" : "-") + std::to_string(n);
        if (std::none_of(job.entries.begin(), job.entries.end(), [&](const JobEntry& e) { return e.mark == mark; }))
            return mark;
    }
}

std::string mainDimensions(const JobEntry& entry) {
    std::string text;
    for (const auto& [name, value] : entry.inputs) {
        if (name == "round") continue;
        const std::string symbol = name == "alpha" ? "α" : name == "beta" ? "β" : name;
        text += (text.empty() ? "" : " ") + symbol + "=" + value;
    }
    return text;
}

JobWindow::JobWindow() {
    setObjectName("JobWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    open = this;
    buildMenus();
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->addTab(buildEntriesTab(), shown("配件"));
    tabs_->addTab(buildCutListTab(), shown("下料清单"));
    setCentralWidget(tabs_);
    resize(1000, 640);
    setJob(Job{}, QString(), true, {});
}

JobWindow::~JobWindow() = default;

JobWindow* JobWindow::current() { return open.data(); }

JobWindow* JobWindow::showCurrent() {
    JobWindow* window = current();
    if (window == nullptr) window = new JobWindow;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void JobWindow::setFittingOpener(std::function<CalculatorWindow*(const std::string&)> opener) {
    fittingOpener = std::move(opener);
}

QAction* JobWindow::addCommand(QMenu* menu, const std::string& name, const char* caption,
                               const std::function<void()>& run) {
    QAction* action = menu->addAction(shown(caption));
    action->setObjectName(QString::fromStdString(name));
    actions_[name] = action;
    connect(action, &QAction::triggered, this, run);
    return action;
}

QAction* JobWindow::menuAction(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void JobWindow::buildMenus() {
    QMenu* job = menuBar()->addMenu(shown("任务(&J)"));
    addCommand(job, "new", "新建任务(&N)", [this] { newJob(); })->setShortcut(QKeySequence::New);
    addCommand(job, "open", "打开任务(&O)…", [this] { openJob(); })->setShortcut(QKeySequence::Open);
    recent_ = job->addMenu(shown("最近的任务(&R)"));
    recent_->setObjectName("recent");
    connect(recent_, &QMenu::aboutToShow, this, &JobWindow::fillRecentMenu);
    job->addSeparator();
    addCommand(job, "save", "保存(&S)", [this] { save(); })->setShortcut(QKeySequence::Save);
    addCommand(job, "saveAs", "另存为(&A)…", [this] { saveAs(); });
    job->addSeparator();
    addCommand(job, "csv", "导出 CSV(&V)…", [this] { exportCsv(); });
    addCommand(job, "pdf", "打印下料清单(&P)…", [this] { printCutList(); });
    // &L: 新建任务 has &N in this menu.
    addCommand(job, "nest", "排料(&L)…", [this] { openNest(); });
    job->addSeparator();
    addCommand(job, "close", "关闭(&C)", [this] { close(); });

    QMenu* entry = menuBar()->addMenu(shown("条目(&E)"));
    addCommand(entry, "openEntry", "打开配件(&O)", [this] { openEntry(selectedRow()); });
    addCommand(entry, "duplicate", "复制一项(&D)", [this] { duplicateEntry(selectedRow()); });
    addCommand(entry, "remove", "删除(&R)", [this] { removeEntry(selectedRow()); });
    addCommand(entry, "up", "上移(&U)", [this] { moveEntry(selectedRow(), -1); });
    addCommand(entry, "down", "下移(&W)", [this] { moveEntry(selectedRow(), 1); });
}

QWidget* JobWindow::buildEntriesTab() {
    auto* page = new QWidget;
    auto* fields = new QFormLayout;
    const auto lineEdit = [this](const char* name) {
        auto* box = new QLineEdit;
        box->setObjectName(name);
        connect(box, &QLineEdit::textEdited, this, &JobWindow::fieldsEdited);
        return box;
    };
    name_ = lineEdit("name");
    customer_ = lineEdit("customer");
    drawing_ = lineEdit("drawing");
    fields->addRow(shown("任务名称："), name_);
    fields->addRow(shown("客户："), customer_);
    fields->addRow(shown("图号："), drawing_);
    material_ = new QComboBox;
    material_->setObjectName("material");
    for (const Material& m : materialPresets())
        material_->addItem(shown(m.name) + QStringLiteral("  ") + QString::fromStdString(numberText(m.density)) +
                           QStringLiteral(" g/cm³"));
    material_->addItem(shown("其他材料"));
    connect(material_, &QComboBox::activated, this, &JobWindow::materialPicked);
    materialName_ = lineEdit("materialName");
    materialName_->setPlaceholderText(shown("材料名称"));
    density_ = lineEdit("density");
    density_->setMaximumWidth(90);
    auto* material = new QHBoxLayout;
    material->addWidget(material_);
    material->addWidget(materialName_, 1);
    material->addWidget(new QLabel(shown("密度")));
    material->addWidget(density_);
    material->addWidget(new QLabel(QStringLiteral("g/cm³")));
    fields->addRow(shown("材料："), material);

    entries_ = new QTableWidget(0, ColumnCount);
    entries_->setObjectName("entries");
    entries_->setHorizontalHeaderLabels(
        {shown("件号"), shown("配件"), shown("主要尺寸"), shown("数量"), shown("重量 kg")});
    entries_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);
    entries_->horizontalHeader()->setSectionResizeMode(SizesColumn, QHeaderView::Stretch);
    entries_->verticalHeader()->setDefaultSectionSize(entries_->fontMetrics().height() + 8);
    entries_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* name : {"openEntry", "duplicate", "remove", "up", "down"}) entries_->addAction(menuAction(name));
    connect(entries_, &QTableWidget::cellChanged, this, &JobWindow::entryEdited);
    // The entry commands act on the selected entry: none, no command.
    connect(entries_, &QTableWidget::itemSelectionChanged, this, [this] {
        for (const char* name : {"openEntry", "duplicate", "remove", "up", "down"})
            menuAction(name)->setEnabled(selectedRow() >= 0);
    });
    connect(entries_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column != MarkColumn && column != QuantityColumn) openEntry(row);
    });

    auto* buttons = new QHBoxLayout;
    for (const char* name : {"openEntry", "duplicate", "remove", "up", "down"}) {
        auto* button = new QToolButton;
        button->setDefaultAction(menuAction(name));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addWidget(entries_, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* JobWindow::buildCutListTab() {
    auto* page = new QWidget;
    cutTable_ = new QTableWidget(0, static_cast<int>(cutListHeadings().size()));
    cutTable_->setObjectName("cutList");
    QStringList headings;
    for (const std::string& heading : cutListHeadings()) headings << shown(heading);
    cutTable_->setHorizontalHeaderLabels(headings);
    cutTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cutTable_->verticalHeader()->setDefaultSectionSize(cutTable_->fontMetrics().height() + 8);
    cutTotals_ = new QLabel;
    cutTotals_->setObjectName("totals");
    cutTotals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cutTotals_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"csv", "pdf"}) {
        auto* button = new QPushButton(menuAction(name)->text());
        connect(button, &QPushButton::clicked, menuAction(name), &QAction::trigger);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(cutTable_, 1);
    layout->addWidget(cutTotals_);
    layout->addLayout(buttons);
    return page;
}

void JobWindow::fillRecentMenu() {
    recent_->clear();
    const QStringList paths = recentJobs();
    for (const QString& path : paths) {
        QAction* action = recent_->addAction(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (maySetAside()) openFile(path);
        });
    }
    if (paths.isEmpty()) recent_->addAction(shown("（无）"))->setEnabled(false);
}

void JobWindow::setJob(Job job, const QString& path, bool keepsAll, const std::vector<std::string>& problems) {
    job_ = std::move(job);
    path_ = path;
    keepsAll_ = keepsAll;
    ids_.clear();
    problems_.clear();
    for (size_t i = 0; i < job_.entries.size(); ++i) {
        ids_.push_back(nextId++);
        // A problem of this entry begins with its label: "第 3 项（E-01）：…", "第 3 项：…".
        const std::string label = "第 " + std::to_string(i + 1) + " 项";
        for (const std::string& problem : problems) {
            if (problem.rfind(label, 0) != 0) continue;
            const std::string rest = problem.substr(label.size());
            if (rest.rfind("（", 0) != 0 && rest.rfind("：", 0) != 0) continue;
            const size_t colon = rest.find("：");
            std::string& text = problems_[ids_.back()];
            text += (text.empty() ? "" : "；") + rest.substr(colon == std::string::npos ? 0 : colon + 3);
        }
    }
    showFields();
    refresh();
    setModified(false);
}

void JobWindow::showFields() {
    name_->setText(QString::fromStdString(job_.name));
    customer_->setText(QString::fromStdString(job_.customer));
    drawing_->setText(QString::fromStdString(job_.drawing));
    const std::vector<Material>& presets = materialPresets();
    int index = static_cast<int>(presets.size());
    for (size_t i = 0; i < presets.size(); ++i)
        if (presets[i].name == job_.material.name && presets[i].density == job_.material.density)
            index = static_cast<int>(i);
    material_->setCurrentIndex(index);
    const bool other = index == static_cast<int>(presets.size());
    materialName_->setText(QString::fromStdString(job_.material.name));
    density_->setText(QString::fromStdString(numberText(job_.material.density)));
    materialName_->setEnabled(other);
    density_->setEnabled(other);
}

void JobWindow::materialPicked(int index) {
    const std::vector<Material>& presets = materialPresets();
    if (index < static_cast<int>(presets.size())) {
        job_.material = presets[static_cast<size_t>(index)];
        showFields();
    } else {
        materialName_->setEnabled(true);
        density_->setEnabled(true);
        materialName_->setFocus();
    }
    refresh();
    setModified(true);
}

void JobWindow::fieldsEdited() {
    job_.name = name_->text().toStdString();
    job_.customer = customer_->text().toStdString();
    job_.drawing = drawing_->text().toStdString();
    if (materialName_->isEnabled()) {
        job_.material.name = materialName_->text().toStdString();
        // A density being typed counts once it is a number above 0.
        const double density = densityOf(density_->text());
        density_->setStyleSheet(density > 0 ? QString() : QStringLiteral("color: red;"));
        if (density > 0 && density != job_.material.density) {
            job_.material.density = density;
            refresh();
        }
    }
    setModified(true);
}

void JobWindow::entryEdited(int row, int column) {
    if (filling_ || row < 0 || row >= static_cast<int>(job_.entries.size())) return;
    JobEntry& entry = job_.entries[static_cast<size_t>(row)];
    const QString text = entries_->item(row, column)->text().trimmed();
    if (column == MarkColumn) {
        entry.mark = text.toStdString();
    } else if (column == QuantityColumn) {
        bool whole = false;
        const int quantity = text.toInt(&whole);
        if (whole && quantity >= 1 && quantity <= 1000000) {
            entry.quantity = quantity;
        } else {
            showMessage(this, {shown("数量应为 1 到 1000000 的整数。").toStdString(), MessageIcon::Error, "错误："});
        }
    } else {
        return;
    }
    refresh();
    setModified(true);
}

void JobWindow::refresh() {
    const int selected = selectedRow();
    filling_ = true;
    entries_->setRowCount(static_cast<int>(job_.entries.size()));
    for (size_t i = 0; i < job_.entries.size(); ++i) {
        const JobEntry& entry = job_.entries[i];
        const int row = static_cast<int>(i);
        if (!entry.readable()) {
            const auto problem = problems_.find(ids_[i]);
            entries_->setItem(row, MarkColumn, cellOf(QStringLiteral("—"), false, false));
            entries_->setItem(row, FittingColumn, cellOf(shown("未能读入"), false, false));
            entries_->setItem(row, SizesColumn,
                              cellOf(problem != problems_.end() ? shown(problem->second)
                                                                : shown("此项未读入，保存时原样保留。"),
                                     false, false));
            entries_->setItem(row, QuantityColumn, cellOf(QStringLiteral("—"), false, true));
            entries_->setItem(row, WeightColumn, cellOf(QStringLiteral("—"), false, true));
            for (int c = 0; c < ColumnCount; ++c) entries_->item(row, c)->setForeground(Qt::darkRed);
            entries_->item(row, SizesColumn)->setToolTip(entries_->item(row, SizesColumn)->text());
            continue;
        }
        entries_->setItem(row, MarkColumn, cellOf(QString::fromStdString(entry.mark), true, false));
        entries_->setItem(row, FittingColumn, cellOf(shown(fittingShortName(entry.fitting)), false, false));
        entries_->setItem(row, SizesColumn, cellOf(QString::fromStdString(mainDimensions(entry)), false, false));
        entries_->setItem(row, QuantityColumn, cellOf(QString::number(entry.quantity), true, true));
        entries_->setItem(row, WeightColumn, cellOf(weightText(job_, entry), false, true));
    }
    entries_->resizeColumnToContents(MarkColumn);
    entries_->resizeColumnToContents(FittingColumn);
    entries_->setColumnWidth(MarkColumn, std::max(entries_->columnWidth(MarkColumn), 80));
    if (selected >= 0 && selected < entries_->rowCount()) entries_->selectRow(selected);
    filling_ = false;

    cutList_ = korvel::cutList(job_);
    cutTable_->setRowCount(static_cast<int>(cutList_.pieces.size()));
    for (size_t i = 0; i < cutList_.pieces.size(); ++i) {
        const std::vector<std::string> cells = cutPieceCells(cutList_.pieces[i]);
        for (size_t c = 0; c < cells.size(); ++c)
            cutTable_->setItem(static_cast<int>(i), static_cast<int>(c),
                               cellOf(c == 1 ? shown(fittingShortName(cells[c])) : shown(cells[c]), false, c >= 3));
    }
    cutTable_->resizeColumnsToContents();
    QString totals = shown(kCutListNote) + QStringLiteral("\n") + shown("合计：");
    for (const CutTotal& total : cutList_.totals) totals += QStringLiteral("\n  ") + shown(cutTotalLine(total));
    if (cutList_.totals.empty()) totals += QStringLiteral("\n  ") + shown("（无）");
    if (!cutList_.leftOut.empty()) totals += QStringLiteral("\n") + shown("未计入：");
    for (const std::string& line : cutList_.leftOut) totals += QStringLiteral("\n  ") + shown(line);
    cutTotals_->setText(totals);

    const bool any = selectedRow() >= 0;
    for (const char* name : {"openEntry", "duplicate", "remove", "up", "down"}) menuAction(name)->setEnabled(any);
}

void JobWindow::setModified(bool modified) {
    modified_ = modified;
    const QString file = path_.isEmpty() ? shown("未命名") : QFileInfo(path_).fileName();
    setWindowTitle(file + QStringLiteral("[*] - ") + shown("下料任务"));
    setWindowModified(modified);
}

int JobWindow::selectedRow() const {
    const QList<QTableWidgetItem*> items = entries_->selectedItems();
    return items.isEmpty() ? (entries_->currentRow() < entries_->rowCount() ? entries_->currentRow() : -1)
                           : items.front()->row();
}

int JobWindow::entryId(int row) const {
    return row >= 0 && row < static_cast<int>(ids_.size()) ? ids_[static_cast<size_t>(row)] : -1;
}

int JobWindow::rowOf(int id) const {
    const auto it = std::find(ids_.begin(), ids_.end(), id);
    return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

int JobWindow::addEntry(JobEntry entry) {
    job_.entries.push_back(std::move(entry));
    ids_.push_back(nextId++);
    const int row = static_cast<int>(job_.entries.size()) - 1;
    refresh();
    entries_->selectRow(row);
    refresh();
    setModified(true);
    return row;
}

void JobWindow::replaceEntry(int row, const JobEntry& entry) {
    if (row < 0 || row >= static_cast<int>(job_.entries.size())) return;
    JobEntry& kept = job_.entries[static_cast<size_t>(row)];
    kept.fitting = entry.fitting;
    kept.inputs = entry.inputs;
    kept.choices = entry.choices;
    problems_.erase(ids_[static_cast<size_t>(row)]);
    refresh();
    setModified(true);
}

CalculatorWindow* JobWindow::openEntry(int row) {
    if (row < 0 || row >= static_cast<int>(job_.entries.size())) return nullptr;
    const EntryInputs in = entryInputs(job_.entries[static_cast<size_t>(row)]);
    if (in.design == nullptr) {
        showMessage(this, {shown("此项未能读入，不能打开。").toStdString(), MessageIcon::Error, "错误："});
        return nullptr;
    }
    CalculatorWindow* window = fittingOpener ? fittingOpener(menuItemOf(*in.design)) : nullptr;
    if (window == nullptr) {
        window = new CalculatorWindow(*in.design);
        window->show();
    }
    window->setInputs(in.state);
    window->setJobEntry(entryId(row));
    window->raise();
    window->activateWindow();
    return window;
}

void JobWindow::duplicateEntry(int row) {
    if (row < 0 || row >= static_cast<int>(job_.entries.size())) return;
    JobEntry copy = job_.entries[static_cast<size_t>(row)];
    if (copy.readable()) copy.mark = suggestedMark(job_, copy.fitting);
    job_.entries.insert(job_.entries.begin() + row + 1, std::move(copy));
    ids_.insert(ids_.begin() + row + 1, nextId++);
    refresh();
    entries_->selectRow(row + 1);
    setModified(true);
}

void JobWindow::removeEntry(int row) {
    if (row < 0 || row >= static_cast<int>(job_.entries.size())) return;
    job_.entries.erase(job_.entries.begin() + row);
    problems_.erase(ids_[static_cast<size_t>(row)]);
    ids_.erase(ids_.begin() + row);
    refresh();
    if (!job_.entries.empty()) entries_->selectRow(std::min(row, static_cast<int>(job_.entries.size()) - 1));
    refresh();
    setModified(true);
}

void JobWindow::moveEntry(int row, int by) {
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(job_.entries.size())) return;
    std::swap(job_.entries[static_cast<size_t>(row)], job_.entries[static_cast<size_t>(to)]);
    std::swap(ids_[static_cast<size_t>(row)], ids_[static_cast<size_t>(to)]);
    refresh();
    entries_->selectRow(to);
    setModified(true);
}

bool JobWindow::maySetAside() {
    if (!modified_) return true;
    const QString name = path_.isEmpty() ? shown("未命名") : QFileInfo(path_).fileName();
    switch (askSaveChanges(this, shown("任务“%1”已经修改。\n要保存修改吗？").arg(name).toStdString())) {
        case SaveAnswer::Save:
            return save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool JobWindow::newJob() {
    if (!maySetAside()) return false;
    setJob(Job{}, QString(), true, {});
    return true;
}

bool JobWindow::openJob() {
    if (!maySetAside()) return false;
    const QString start = path_.isEmpty() ? lastFolder(SavedFile::Job) : QFileInfo(path_).absolutePath();
    const QString path = askOpenPath(this, shown("打开任务"), start, shown("Korvel 任务文件 (*.korvel)"));
    return !path.isEmpty() && openFile(path);
}

bool JobWindow::openFile(const QString& path) {
    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        showMessage(this, {shown("无法打开任务文件“%1”：%2")
                               .arg(QString::fromStdString(shownPath), file.errorString())
                               .toStdString(),
                           MessageIcon::Error, "错误："});
        return false;
    }
    const QByteArray bytes = file.readAll();
    const JobReading reading = readJob(bytes.toStdString());
    std::string problems;
    for (const std::string& problem : reading.problems) problems += "\n" + shown(problem).toStdString();
    if (!reading.job) {
        showMessage(this, {shown("无法打开任务文件“%1”：").arg(QString::fromStdString(shownPath)).toStdString() +
                               problems,
                           MessageIcon::Error, "错误："});
        return false;
    }
    setJob(*reading.job, path, reading.keepsAll, reading.problems);
    addRecentJob(path);
    setLastFolder(SavedFile::Job, QFileInfo(path).absolutePath());
    if (!reading.problems.empty()) {
        std::string text = shown("任务文件“%1”中有些内容未能读入：").arg(QString::fromStdString(shownPath)).toStdString() +
                           problems;
        if (!reading.keepsAll) text += "\n\n" + shown("保存时会先询问是否覆盖此文件。").toStdString();
        showMessage(this, {text, MessageIcon::Error, "错误："});
    }
    return true;
}

bool JobWindow::writeTo(const QString& path) {
    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    try {
        cad::saveFileBytes(QFile::encodeName(path).toStdString(), jobBytes(job_));
    } catch (const cad::SaveError& error) {
        std::string text = cad::saveFailureText("无法保存任务：", shownPath, error.code(), error.what());
        if (QFileInfo::exists(path)) text += "\n原有的文件没有改动。";
        showMessage(this, {text, MessageIcon::Error, "错误："});
        return false;
    }
    savedTo(path);
    return true;
}

void JobWindow::savedTo(const QString& path) {
    // The file now holds the whole job, as shown.
    path_ = path;
    keepsAll_ = true;
    addRecentJob(path);
    setModified(false);
}

bool JobWindow::save() {
    if (path_.isEmpty()) return saveAs();
    if (!keepsAll_ &&
        !askYesNo(this, shown("任务文件“%1”中有未能读入的内容，覆盖它会丢失这些内容。\n要覆盖它吗？（选“否”另存为新文件）")
                            .arg(QDir::toNativeSeparators(path_))
                            .toStdString()))
        return saveAs();
    return writeTo(path_);
}

bool JobWindow::saveAs() {
    const std::string name = job_.name.empty() ? shown("任务").toStdString() : job_.name;
    const SaveRequest request{shown("保存任务"), name + ".korvel", shown("Korvel 任务文件 (*.korvel)"),
                              QStringLiteral(".korvel"), "无法保存任务：", SavedFile::Job};
    QString written;
    const bool saved = saveWithDialog(this, request, [this, &written](const std::string& path, const std::string&) {
        cad::saveFileBytes(path, jobBytes(job_));
        written = QFile::decodeName(path.c_str());
        return std::string();
    });
    if (!saved) return false;
    savedTo(written);
    return true;
}

bool JobWindow::exportCsv() {
    const std::string name = (job_.name.empty() ? shown("下料清单").toStdString() : job_.name) + ".csv";
    const SaveRequest request{shown("导出下料清单"), name, shown("CSV 表格 (*.csv)"), QStringLiteral(".csv"),
                              "无法保存下料清单：", SavedFile::CutList};
    const std::string csv = cutListCsv(cutList_);
    return saveWithDialog(this, request, [this, &csv](const std::string& path, const std::string&) {
        // Written in a moment: no steps to count, a cancel stops it before it begins.
        runWithProgress(this, "正在保存下料清单…", [&csv, &path](const PageProgress& progress) {
            progress.step(0, 0);
            cad::saveFileBytes(path, csv);
        });
        return std::string();
    });
}

bool JobWindow::printCutList() {
    const std::string name = (job_.name.empty() ? shown("下料清单").toStdString() : job_.name) + ".pdf";
    const SaveRequest request{shown("打印下料清单"), name, shown("PDF 文件 (*.pdf)"), QStringLiteral(".pdf"),
                              "无法保存下料清单：", SavedFile::CutList};
    // The worker's own copies: the job may change meanwhile (加入任务 in a calculator).
    const Job job = job_;
    const CutList list = cutList_;
    return saveWithDialog(this, request, [this, &job, &list](const std::string& path, const std::string&) {
        runWithProgress(this, "正在生成下料清单…", [&job, &list, &path](const PageProgress& progress) {
            saveCutListPdf(job, list, path, progress);
        });
        return std::string();
    });
}

NestWindow* JobWindow::openNest() {
    if (nest_ == nullptr) nest_ = new NestWindow(job_, this);
    else nest_->setJob(job_);
    nest_->show();
    nest_->raise();
    nest_->activateWindow();
    return nest_;
}

void JobWindow::closeEvent(QCloseEvent* event) {
    // The nest window goes with this one: while it saves its files, it is
    // asked to close (its save cancelled, it closes once stopped) and this
    // one stays.
    if (nest_ != nullptr && runningWork(nest_)) {
        nest_->close();
        event->ignore();
        return;
    }
    if (maySetAside()) event->accept();
    else event->ignore();
}

bool addToJob(CalculatorWindow& window) {
    const WindowDesign& design = window.design();
    if (!design.pattern) return false;
    const std::string& fitting = design.patternName;
    const std::vector<NamedInput> inputs = namedInputs(design, window.readState());
    const std::optional<ExportOptions> last = exportOptionsSetting(design.objectName);
    EntryMaking made = makeEntry(fitting, inputs, last ? choiceInputs(last->choices) : std::vector<NamedInput>{});
    // Choices that no longer fit the inputs (a plate thickness once the window has its own) are left out.
    if (!made.error.empty()) made = makeEntry(fitting, inputs, {});
    if (!made.error.empty()) return false;
    JobWindow* job = JobWindow::current();
    const PatternExport pattern = entryPattern(job != nullptr ? job->job() : Job{}, made.entry);
    if (pattern.rejected()) {
        window.apply(pattern.rejection);
        return false;
    }
    job = JobWindow::showCurrent();
    if (const int row = job->rowOf(window.jobEntry()); row >= 0) {
        const std::string label = entryLabel(static_cast<size_t>(row), job->job().entries[static_cast<size_t>(row)].mark);
        if (askYesNo(&window, shown("这些输入来自任务的%1。\n要写回第 %2 项吗？（选“否”则加入新的一项）")
                                  .arg(QString::fromStdString(label))
                                  .arg(row + 1)
                                  .toStdString())) {
            job->replaceEntry(row, made.entry);
            return true;
        }
    }
    made.entry.mark = suggestedMark(job->job(), fitting);
    const int row = job->addEntry(std::move(made.entry));
    window.setJobEntry(job->entryId(row));
    return true;
}

}  // namespace korvel
