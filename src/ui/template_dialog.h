#pragma once
// The question the 打印1:1样板 command asks first: which paper the template is
// tiled on (or which roll it is printed on), the pages' orientation and the
// pattern's turn (automatic: the fewest pages), and whether it goes to a PDF
// file or to a printer. Tests replace the dialog so that nothing blocks.

#include <functional>
#include <optional>
#include <string>

#include "output/template_layout.h"

class QWidget;

namespace korvel {

struct TemplateChoice {
    std::string paper;     // a name of paperSizes(): "A4", ...
    bool printer = false;  // to a printer (the print dialog) rather than a PDF file
    TemplatePlacing placing;  // none: the fewest pages
    bool calibrate = false;   // 打印校准…: the calibration page, not the template
};

// A small dialog with the paper sizes (`preset` picked), the orientation and
// the turn (自动 picked; the orientation off for a roll), the printer
// corrections kept (calibration_dialog.h) and the buttons 保存为 PDF…, 打印…,
// 打印校准… and 取消; none when the user cancels. On a platform
// without a screen (offscreen) it answers none without showing itself.
std::optional<TemplateChoice> askTemplateChoice(QWidget* parent, const std::string& preset);

using TemplateChoiceHandler = std::function<std::optional<TemplateChoice>(const std::string& preset)>;
// Replaces the dialog (an empty handler brings it back); returns the previous handler.
TemplateChoiceHandler setTemplateChoiceHandler(TemplateChoiceHandler handler);

}  // namespace korvel
