#include "ui/nest_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <tuple>

#include "core/numbers.h"
#include "output/atomic_file.h"
#include "output/nest_summary_pdf.h"
#include "ui/export_runner.h"
#include "ui/language.h"
#include "ui/message_boxes.h"
#include "ui/save_dialog.h"
#include "ui/settings.h"

namespace korvel {

// One plate as the shop would see it from above: the plate grey, its margin
// dashed, each part filled light with its outline dark and its holes cut
// out, its name where it fits. Scaled to fit the widget, aspect kept.
class PlateView : public QWidget {
public:
    using QWidget::QWidget;
    void setPlate(const JobNest* nest, int index) {
        nest_ = nest;
        index_ = index;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        if (nest_ == nullptr || index_ < 0 || index_ >= static_cast<int>(nest_->plates.size())) return;
        const JobPlate& plate = nest_->plates[static_cast<size_t>(index_)];
        const double w = plate.plate.width, h = plate.plate.height;
        constexpr double kPad = 12;  // px around the plate
        const double scale = std::min((width() - 2 * kPad) / w, (height() - 2 * kPad) / h);
        if (!(scale > 0)) return;
        // Plate millimetres, y up, to pixels, y down, the plate centred.
        QTransform toWidget;
        toWidget.translate((width() - w * scale) / 2, (height() + h * scale) / 2);
        toWidget.scale(scale, -scale);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(toWidget);
        painter.setPen(QPen(QColor(90, 90, 90), 0));
        painter.setBrush(QColor(196, 198, 202));
        painter.drawRect(QRectF(0, 0, w, h));
        const double m = plate.plate.margin;
        painter.setPen(QPen(QColor(130, 130, 130), 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(m, m, w - 2 * m, h - 2 * m));

        struct Label {
            QPointF at;
            QString text;
            double room;  // px across the part's box
        };
        std::vector<Label> labels;
        for (const Placement& at : plate.nested.parts) {
            const NestPart& part = nest_->parts[at.part];
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            const auto add = [&path, &at](const Ring& ring) {
                QPolygonF polygon;
                for (const Point2& p : placedRing(ring, at)) polygon << QPointF(p.x, p.y);
                path.addPolygon(polygon);
                path.closeSubpath();
            };
            add(part.outline);
            for (const Ring& hole : part.holes) add(hole);
            painter.setPen(QPen(QColor(40, 40, 40), 0));
            painter.setBrush(QColor(250, 244, 214));
            painter.drawPath(path);
            const QRectF box = toWidget.mapRect(path.boundingRect());
            labels.push_back({box.center(), shown(part.name), box.width()});
        }
        // The names over every part, upright, those too wide for their part left out.
        painter.resetTransform();
        QFont font = painter.font();
        font.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
        painter.setFont(font);
        painter.setPen(QColor(20, 20, 90));
        const QFontMetricsF metrics(font);
        for (const Label& label : labels) {
            const double textWidth = metrics.horizontalAdvance(label.text);
            if (textWidth > label.room) continue;
            painter.drawText(QPointF(label.at.x() - textWidth / 2, label.at.y() + metrics.ascent() / 2), label.text);
        }
    }

private:
    const JobNest* nest_ = nullptr;
    int index_ = -1;
};

namespace {

// The turns the nester may try: every 360° / n.
constexpr int kRotations[] = {4, 8, 12, 24, 36, 72};

// The per-plate table's columns.
const char* const kPlateColumns[] = {"钢板", "材料", "板厚", "尺寸", "件数", "利用率", "零件重量 kg", "钢板重量 kg",
                                     "余料 kg"};

std::string percent(double fraction) { return fixedText(fraction * 100, 1) + "%"; }

QString thicknessText(double thickness) {
    return thickness > 0 ? QString::fromStdString(numberText(thickness) + " mm") : shown("未给板厚");
}

QLineEdit* numberBox(const QString& name, int width) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMaximumWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// A number typed into a box, or the problem: `refusal` ("宽度应为数字（“", one
// phrase to translate) and the text typed: "宽度应为数字（“abc”）".
std::string readNumber(const QLineEdit* box, const char* refusal, double& value) {
    bool ok = false;
    const QString text = box->text().trimmed();
    value = text.toDouble(&ok);
    if (ok) return "";
    return refusal + text.toStdString() + "”）";
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

NestWindow::NestWindow(const Job& job, QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName("NestWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(buildStock());
    splitter->addWidget(buildResults());
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);
    resize(1100, 720);
    job_ = job;
    fillStock();
}

NestWindow::~NestWindow() { stopWorker(); }

QWidget* NestWindow::buildStock() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* stock = new QGroupBox(shown("钢板（每种板厚）"));
    stockRows_ = new QVBoxLayout(stock);
    layout->addWidget(stock);

    const NestChoices choices = nestChoicesSetting();
    auto* options = new QHBoxLayout;
    rotations_ = new QComboBox;
    rotations_->setObjectName("rotations");
    for (int n : kRotations) {
        rotations_->addItem(shown("转角 %1°").arg(QString::fromStdString(numberText(360.0 / n))), n);
        if (n == choices.rotations) rotations_->setCurrentIndex(rotations_->count() - 1);
    }
    if (rotations_->currentData().toInt() != choices.rotations && choices.rotations > 0) {
        rotations_->addItem(shown("转角 %1°").arg(QString::fromStdString(numberText(360.0 / choices.rotations))),
                            choices.rotations);
        rotations_->setCurrentIndex(rotations_->count() - 1);
    }
    seam_ = numberBox("seam", 70);
    seam_->setText(QString::fromStdString(numberText(choices.seam)));
    version_ = new QComboBox;
    version_->setObjectName("dxfVersion");
    version_->addItems({QStringLiteral("R2000"), QStringLiteral("R12")});
    version_->setCurrentIndex(choices.files.version == cad::DxfVersion::R12 ? 1 : 0);
    cutOnly_ = new QCheckBox(shown("只导出切割线"));
    cutOnly_->setObjectName("cutOnly");
    cutOnly_->setChecked(choices.files.cutOnly);
    options->addWidget(new QLabel(shown("转角：")));
    options->addWidget(rotations_);
    options->addSpacing(16);
    options->addWidget(new QLabel(shown("分割接缝余量：")));
    options->addWidget(seam_);
    options->addWidget(new QLabel(QStringLiteral("mm")));
    options->addSpacing(16);
    options->addWidget(new QLabel(shown("DXF 版本：")));
    options->addWidget(version_);
    options->addWidget(cutOnly_);
    options->addStretch(1);
    layout->addLayout(options);

    auto* run = new QHBoxLayout;
    start_ = new QPushButton(shown("开始排料"));
    start_->setObjectName("start");
    cancelButton_ = new QPushButton(shown("取消"));
    cancelButton_->setObjectName("cancel");
    progress_ = new QProgressBar;
    progress_->setObjectName("progress");
    progress_->setFormat(QStringLiteral("%v / %m"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    save_ = new QPushButton(shown("保存排料文件…"));
    save_->setObjectName("save");
    status_ = new QLabel;
    status_->setObjectName("status");
    run->addWidget(start_);
    run->addWidget(cancelButton_);
    run->addWidget(progress_, 1);
    run->addWidget(save_);
    layout->addLayout(run);
    layout->addWidget(status_);
    layout->addStretch(1);
    connect(start_, &QPushButton::clicked, this, [this] { start(); });
    connect(cancelButton_, &QPushButton::clicked, this, &NestWindow::cancel);
    connect(save_, &QPushButton::clicked, this, [this] { saveFiles(); });
    return page;
}

QWidget* NestWindow::buildResults() {
    auto* splitter = new QSplitter(Qt::Horizontal);
    auto* plate = new QWidget;
    auto* plateLayout = new QVBoxLayout(plate);
    plateLayout->setContentsMargins(0, 0, 0, 0);
    auto* paging = new QHBoxLayout;
    previous_ = new QPushButton(shown("上一张"));
    previous_->setObjectName("previous");
    next_ = new QPushButton(shown("下一张"));
    next_->setObjectName("next");
    page_ = new QLabel;
    page_->setObjectName("page");
    page_->setAlignment(Qt::AlignCenter);
    page_->setWordWrap(true);
    paging->addWidget(previous_);
    paging->addWidget(page_, 1);
    paging->addWidget(next_);
    plateLayout->addLayout(paging);
    view_ = new PlateView;
    view_->setObjectName("plateView");
    view_->setMinimumSize(240, 240);
    plateLayout->addWidget(view_, 1);
    // PgUp/PgDn page at once, wherever the focus is (a button's own shortcut waits for its click to show).
    for (auto [button, by, key] : {std::tuple{previous_, -1, Qt::Key_PageUp}, std::tuple{next_, 1, Qt::Key_PageDown}}) {
        auto* page = new QAction(this);
        page->setShortcut(QKeySequence(key));
        addAction(page);
        const int step = by;  // a structured binding is not captured by every compiler the fuzz build uses
        connect(page, &QAction::triggered, this, [this, step] { showPlate(current_ + step); });
        connect(button, &QPushButton::clicked, page, &QAction::trigger);
    }

    auto* sums = new QWidget;
    auto* sumsLayout = new QVBoxLayout(sums);
    sumsLayout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel;
    summary_->setObjectName("summary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    plates_ = new QTableWidget(0, static_cast<int>(std::size(kPlateColumns)));
    plates_->setObjectName("plates");
    QStringList headings;
    for (const char* heading : kPlateColumns) headings << shown(heading);
    plates_->setHorizontalHeaderLabels(headings);
    plates_->verticalHeader()->hide();
    plates_->setSelectionBehavior(QAbstractItemView::SelectRows);
    plates_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(plates_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != current_) showPlate(row);
    });
    sumsLayout->addWidget(summary_);
    sumsLayout->addWidget(plates_, 1);
    splitter->addWidget(plate);
    splitter->addWidget(sums);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

void NestWindow::setJob(const Job& job) {
    if (running() || jobBytes(job) == jobBytes(job_)) return;
    job_ = job;
    nest_ = JobNest{};
    fillStock();
}

void NestWindow::fillStock() {
    setWindowTitle(shown("排料") + QStringLiteral(" - ") +
                   (job_.name.empty() ? shown("未命名") : QString::fromStdString(job_.name)));
    while (QLayoutItem* item = stockRows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    rows_.clear();
    const JobParts parts = jobParts(job_);
    std::vector<double> thicknesses;
    for (const NestPart& part : parts.parts)
        if (std::find(thicknesses.begin(), thicknesses.end(), part.thickness) == thicknesses.end())
            thicknesses.push_back(part.thickness);
    std::sort(thicknesses.begin(), thicknesses.end());
    const NestChoices choices = nestChoicesSetting();
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < thicknesses.size(); ++i) {
        const QString n = QString::number(i);
        StockRow row{thicknesses[i]};
        row.plate = new QComboBox;
        row.plate->setObjectName("plate-" + n);
        for (const Plate& preset : platePresets())
            row.plate->addItem(QString::fromStdString(numberText(preset.width) + " × " + numberText(preset.height)));
        row.plate->addItem(shown("自定义"));
        row.width = numberBox("width-" + n, 80);
        row.height = numberBox("height-" + n, 80);
        row.margin = numberBox("margin-" + n, 60);
        row.gap = numberBox("gap-" + n, 60);
        const Plate& plate = choices.plateFor(row.thickness);
        row.width->setText(QString::fromStdString(numberText(plate.width)));
        row.height->setText(QString::fromStdString(numberText(plate.height)));
        row.margin->setText(QString::fromStdString(numberText(plate.margin)));
        row.gap->setText(QString::fromStdString(numberText(plate.gap)));
        int preset = static_cast<int>(platePresets().size());
        for (size_t p = 0; p < platePresets().size(); ++p)
            if (platePresets()[p].width == plate.width && platePresets()[p].height == plate.height)
                preset = static_cast<int>(p);
        row.plate->setCurrentIndex(preset);
        const int r = static_cast<int>(i);
        int c = 0;
        layout->addWidget(new QLabel(row.thickness > 0 ? shown("板厚 %1 mm：").arg(QString::fromStdString(
                                                                                   numberText(row.thickness)))
                                                        : shown("未给板厚：")),
                          r, c++);
        layout->addWidget(row.plate, r, c++);
        layout->addWidget(row.width, r, c++);
        layout->addWidget(new QLabel(QStringLiteral("×")), r, c++);
        layout->addWidget(row.height, r, c++);
        layout->addWidget(new QLabel(QStringLiteral("mm")), r, c++);
        layout->addWidget(new QLabel(shown("边距：")), r, c++);
        layout->addWidget(row.margin, r, c++);
        layout->addWidget(new QLabel(QStringLiteral("mm")), r, c++);
        layout->addWidget(new QLabel(shown("间隙：")), r, c++);
        layout->addWidget(row.gap, r, c++);
        layout->addWidget(new QLabel(QStringLiteral("mm")), r, c++);
        layout->setColumnStretch(c, 1);
        rows_.push_back(row);
    }
    for (size_t i = 0; i < rows_.size(); ++i)
        connect(rows_[i].plate, &QComboBox::activated, this, [this, i] { platePicked(rows_[i]); });
    if (rows_.empty()) layout->addWidget(new QLabel(shown("任务中没有可排料的零件。")), 0, 0);
    stockRows_->addWidget(grid);
    QString left;
    for (const std::string& line : parts.leftOut) left += QStringLiteral("\n  ") + shown(line);
    status_->setText(left.isEmpty() ? QString() : shown("不排料的项：") + left);
    progress_->setRange(0, std::max<int>(1, static_cast<int>(parts.parts.size())));
    progress_->setValue(0);
    showNest();
    setRunning(false);
}

void NestWindow::platePicked(StockRow& row) {
    const int index = row.plate->currentIndex();
    const bool custom = index >= static_cast<int>(platePresets().size());
    row.width->setEnabled(custom);
    row.height->setEnabled(custom);
    if (custom) {
        row.width->setFocus();
        return;
    }
    const Plate& preset = platePresets()[static_cast<size_t>(index)];
    row.width->setText(QString::fromStdString(numberText(preset.width)));
    row.height->setText(QString::fromStdString(numberText(preset.height)));
}

std::string NestWindow::readOptions(JobNestOptions& options) const {
    if (rows_.empty()) return "任务中没有可排料的零件。";
    for (const StockRow& row : rows_) {
        const std::string name =
            row.thickness > 0 ? "板厚 " + numberText(row.thickness) + " mm 的钢板：" : "未给板厚的钢板：";
        Plate plate;
        std::string problem = readNumber(row.width, "宽度应为数字（“", plate.width);
        if (problem.empty()) problem = readNumber(row.height, "长度应为数字（“", plate.height);
        if (problem.empty()) problem = readNumber(row.margin, "边距应为数字（“", plate.margin);
        if (problem.empty()) problem = readNumber(row.gap, "间隙应为数字（“", plate.gap);
        if (problem.empty()) problem = plateProblem(plate);
        if (!problem.empty()) return name + problem + "。";
        options.stock.emplace_back(row.thickness, plate);
    }
    options.plate = options.stock.front().second;
    if (std::string problem = readNumber(seam_, "分割接缝余量应为数字（“", options.seam); !problem.empty()) return problem + "。";
    if (!(options.seam >= 0) || options.seam > 1000)
        return "分割接缝余量应在 0 到 1000 mm 之间：" + numberText(options.seam) + " mm。";
    options.rotations = rotations_->currentData().toInt();
    return "";
}

bool NestWindow::start() {
    if (running()) return false;
    JobNestOptions options;
    if (const std::string problem = readOptions(options); !problem.empty()) {
        showMessage(this, {problem, MessageIcon::Error, "错误："});
        return false;
    }
    NestChoices choices;
    choices.plate = options.stock.back().second;
    choices.stock = options.stock;
    choices.rotations = options.rotations;
    choices.seam = options.seam;
    choices.files = {version_->currentIndex() == 1 ? cad::DxfVersion::R12 : cad::DxfVersion::R2000,
                     cutOnly_->isChecked()};
    setNestChoicesSetting(choices);

    nest_ = JobNest{};
    current_ = 0;
    showNest();
    cancel_ = false;
    options.cancel = &cancel_;
    // The worker's news comes back as queued calls on the window's thread,
    // each with its run's number: those of a worker stopped and waited for
    // meanwhile (stopWorker) arrive for a run that is over, and are dropped.
    const unsigned run = ++run_;
    options.progress = [this, run](size_t placed, size_t total) {
        QMetaObject::invokeMethod(
            this, [this, run, placed, total] { if (run == run_) progressed(placed, total); }, Qt::QueuedConnection);
    };
    progress_->setValue(0);
    status_->setText(shown("正在排料…"));
    setRunning(true);
    worker_ = std::thread([this, run, job = job_, options] {
        auto nest = std::make_shared<JobNest>(nestJob(job, options));
        QMetaObject::invokeMethod(
            this, [this, run, nest] { if (run == run_) ended(std::move(*nest)); }, Qt::QueuedConnection);
    });
    return true;
}

void NestWindow::cancel() {
    if (!running()) return;
    cancel_ = true;
    status_->setText(shown("正在取消排料…"));
    cancelButton_->setEnabled(false);
}

void NestWindow::progressed(size_t placed, size_t total) {
    if (cancel_) return;
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(placed));
}

void NestWindow::ended(JobNest nest) {
    worker_.join();  // its last act was to send the nest
    setRunning(false);
    nest_ = std::move(nest);
    current_ = 0;
    QString status;
    if (nest_.cancelled) {
        nest_.plates.clear();
        nest_.groups.clear();
        status = shown("已取消排料");
        progress_->setValue(0);
    } else if (!nest_.error.empty()) {
        status = shown("未能排料");
        showMessage(this, {"未能排料：\n" + nest_.error, MessageIcon::Error, "错误："});
    } else {
        status = shown("排料完成：%1 张钢板").arg(nest_.plates.size());
        progress_->setValue(progress_->maximum());
    }
    if (!nest_.leftOut.empty()) status += QStringLiteral("\n") + shown("不排料的项：");
    for (const std::string& line : nest_.leftOut) status += QStringLiteral("\n  ") + shown(line);
    status_->setText(status);
    showNest();
    emit finished();
}

void NestWindow::showNest() {
    QString summary;
    if (!nest_.plates.empty())
        for (const std::string& line : jobNestSummaryLines(nest_))
            summary += (summary.isEmpty() ? QString() : QStringLiteral("\n")) + shown(line);
    summary_->setText(summary);
    plates_->setRowCount(static_cast<int>(nest_.plates.size()));
    for (size_t i = 0; i < nest_.plates.size(); ++i) {
        const JobPlate& p = nest_.plates[i];
        const bool weighed = p.thickness > 0;
        const auto weight = [weighed](double kg) { return weighed ? QString::number(kg, 'f', 1) : QStringLiteral("—"); };
        const QString cells[] = {QString::number(i + 1),
                                 shown(p.material),
                                 thicknessText(p.thickness),
                                 QString::fromStdString(numberText(p.plate.width) + " × " + numberText(p.plate.height)),
                                 QString::number(p.nested.parts.size()),
                                 QString::fromStdString(percent(p.nested.utilisation)),
                                 weight(p.partsWeight),
                                 weight(p.plateWeight),
                                 weight(p.scrapWeight())};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
            plates_->setItem(static_cast<int>(i), c, cell(cells[c], c != 1 && c != 3));
    }
    plates_->resizeColumnsToContents();
    showPlate(current_);
}

void NestWindow::showPlate(int index) {
    const int count = static_cast<int>(nest_.plates.size());
    current_ = std::clamp(index, 0, std::max(0, count - 1));
    view_->setPlate(&nest_, count > 0 ? current_ : -1);
    previous_->setEnabled(current_ > 0);
    next_->setEnabled(current_ + 1 < count);
    save_->setEnabled(count > 0 && !running());
    if (count == 0) {
        page_->setText(shown("尚未排料"));
        return;
    }
    const JobPlate& p = nest_.plates[static_cast<size_t>(current_)];
    page_->setText(shown("第 %1 / %2 张：%3 %4，%5 × %6 mm，%7 件，利用率 %8")
                       .arg(current_ + 1)
                       .arg(count)
                       .arg(shown(p.material), thicknessText(p.thickness),
                            QString::fromStdString(numberText(p.plate.width)),
                            QString::fromStdString(numberText(p.plate.height)))
                       .arg(p.nested.parts.size())
                       .arg(QString::fromStdString(percent(p.nested.utilisation))));
    if (plates_->currentRow() != current_) plates_->selectRow(current_);
}

bool NestWindow::saveFiles() {
    if (nest_.plates.empty() || running()) return false;
    const cad::NestFileOptions options{version_->currentIndex() == 1 ? cad::DxfVersion::R12 : cad::DxfVersion::R2000,
                                       cutOnly_->isChecked(), nestTitle(job_)};
    SaveRequest request{shown("保存排料文件"), {}, {}, {}, "无法保存排料文件：", SavedFile::Nest};
    request.folder = true;
    request.targets = [this](const QString& folder) {
        std::vector<QString> files;
        for (size_t i = 0; i < nest_.plates.size(); ++i)
            for (const char* suffix : {".dxf", ".svg"})
                files.push_back(QDir(folder).filePath(QString::fromStdString(cad::plateStem(i)) + suffix));
        files.push_back(QDir(folder).filePath(QStringLiteral("summary.pdf")));
        files.push_back(QDir(folder).filePath(QStringLiteral("summary.csv")));
        return files;
    };
    // The worker's own copy: a new job given to the window meanwhile takes its nest away.
    const JobNest nest = nest_;
    return saveWithDialog(this, request, [this, &nest, &options](const std::string& folder, const std::string& shownFolder) {
        std::vector<std::string> written;
        runWithProgress(
            this, "正在保存排料文件…",
            [&nest, &options, &folder, &written](const PageProgress& progress) {
                std::string failed;
                written = cad::saveNestFiles(folder, nest, options, failed, progress);
            },
            Counted::Files);
        return "排料文件已保存到：\n" + shownFolder + "\n\n共 " + std::to_string(written.size()) + " 个文件，" +
               std::to_string(nest.plates.size()) + " 张钢板。";
    });
}

void NestWindow::stopWorker() {
    if (!running()) return;
    cancel_ = true;
    ++run_;
    worker_.join();
    setRunning(false);
}

void NestWindow::setRunning(bool running) {
    start_->setEnabled(!running);
    cancelButton_->setEnabled(running);
    save_->setEnabled(!running && !nest_.plates.empty());
    for (const StockRow& row : rows_) {
        const bool custom = row.plate->currentIndex() >= static_cast<int>(platePresets().size());
        for (QWidget* box : std::initializer_list<QWidget*>{row.plate, row.margin, row.gap}) box->setEnabled(!running);
        row.width->setEnabled(!running && custom);
        row.height->setEnabled(!running && custom);
    }
    rotations_->setEnabled(!running);
    seam_->setEnabled(!running);
}

void NestWindow::closeEvent(QCloseEvent* event) {
    stopWorker();
    event->accept();
}

}  // namespace korvel
