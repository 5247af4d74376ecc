#pragma once
// A listing box: a heading field over a list of text lines. Two of them side by
// side read as one listing, the middle line standing in both. Several lines
// can be selected; Ctrl+C and the context menu's 复制 copy them, 全部复制
// copies every line, each as its name and value split by a tab.

#include <QWidget>
#include <string>
#include <vector>

#include "core/canvas.h"

class QLineEdit;
class QListWidget;

namespace korvel {

// The lines as copied: "L0 = 450" becomes "L0<TAB>450" (split at the first
// "=", both sides trimmed); a line without "=" stays as it is; one line each,
// every line ending in a newline.
std::string copiedListing(const std::vector<std::string>& lines);

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

    // The selected lines in the list's order, and every line.
    std::vector<std::string> selectedLines() const;
    void copySelected() const;
    void copyAll() const;

    QLineEdit* headingField() const { return heading_; }
    QListWidget* list() const { return list_; }

private:
    QLineEdit* heading_;
    QListWidget* list_;
    Rgb colour_ = kBlack;
};

}  // namespace korvel
