#pragma once
// A listing box: a heading field over a list of text lines. Two of them side by
// side read as one listing, the middle line standing in both.

#include <QWidget>
#include <string>
#include <vector>

#include "core/canvas.h"

class QLineEdit;
class QListWidget;

namespace korvel {

class ListingBox : public QWidget {
    Q_OBJECT
public:
    explicit ListingBox(QWidget* parent = nullptr);

    void clear();
    void setHeading(const std::string& text);
    std::string heading() const;
    void addLine(const std::string& text);
    std::vector<std::string> lines() const;
    void setTextColour(Rgb colour);
    Rgb textColour() const { return colour_; }

    QLineEdit* headingField() const { return heading_; }
    QListWidget* list() const { return list_; }

private:
    QLineEdit* heading_;
    QListWidget* list_;
    Rgb colour_ = kBlack;
};

}  // namespace korvel
