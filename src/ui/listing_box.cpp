#include "ui/listing_box.h"
#include "ui/language.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace korvel {

ListingBox::ListingBox(QWidget* parent)
    : QWidget(parent), heading_(new QLineEdit(this)), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    heading_->setObjectName("text");
    list_->setObjectName("list");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(shown("复制(&C)"), list_);
    copy->setObjectName("copy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ListingBox::copySelected);
    auto* copyAll = new QAction(shown("全部复制(&A)"), list_);
    copyAll->setObjectName("copyAll");
    connect(copyAll, &QAction::triggered, this, &ListingBox::copyAll);
    list_->addActions({copy, copyAll});
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
}

void ListingBox::clear() {
    heading_->clear();
    list_->clear();
}

void ListingBox::setHeading(const std::string& text) { heading_->setText(shown(text)); }

std::string ListingBox::heading() const { return heading_->text().toStdString(); }

void ListingBox::addLine(const std::string& text) { list_->addItem(shown(text)); }

std::vector<std::string> ListingBox::lines() const {
    std::vector<std::string> out;
    for (int i = 0; i < list_->count(); ++i) out.push_back(list_->item(i)->text().toStdString());
    return out;
}

std::vector<std::string> ListingBox::selectedLines() const {
    std::vector<std::string> out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected()) out.push_back(list_->item(i)->text().toStdString());
    return out;
}

void ListingBox::copySelected() const {
    const std::vector<std::string> chosen = selectedLines();
    if (!chosen.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(copiedListing(chosen)));
}

void ListingBox::copyAll() const {
    const std::vector<std::string> all = lines();
    if (!all.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(copiedListing(all)));
}

std::string copiedListing(const std::vector<std::string>& lines) {
    const auto trimmed = [](std::string s) {
        const size_t first = s.find_first_not_of(' ');
        if (first == std::string::npos) return std::string();
        return s.substr(first, s.find_last_not_of(' ') - first + 1);
    };
    std::string text;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        text += equals == std::string::npos ? trimmed(line)
                                            : trimmed(line.substr(0, equals)) + "\t" + trimmed(line.substr(equals + 1));
        text += '\n';
    }
    return text;
}

void ListingBox::setTextColour(Rgb colour) {
    colour_ = colour;
    const QColor c((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    for (QWidget* w : {static_cast<QWidget*>(heading_), static_cast<QWidget*>(list_)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Text, c);
        w->setPalette(pal);
    }
}

}  // namespace korvel
