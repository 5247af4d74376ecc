#include "ui/listing_box.h"

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
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
}

void ListingBox::clear() {
    heading_->clear();
    list_->clear();
}

void ListingBox::setHeading(const std::string& text) { heading_->setText(QString::fromStdString(text)); }

std::string ListingBox::heading() const { return heading_->text().toStdString(); }

void ListingBox::addLine(const std::string& text) { list_->addItem(QString::fromStdString(text)); }

std::vector<std::string> ListingBox::lines() const {
    std::vector<std::string> out;
    for (int i = 0; i < list_->count(); ++i) out.push_back(list_->item(i)->text().toStdString());
    return out;
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
