#pragma once
// Paints a laid-out template (template_layout.h) with Qt: vector lines and
// text, 1 mm on the paper for 1 mm of the pattern, in the installed face that
// stands for "宋体".

#include "output/page_progress.h"
#include "output/template_layout.h"

#include <QString>

class QPaintDevice;
class QPagedPaintDevice;

namespace korvel {

// How a title block line on an information page shows its typed value, at
// the information pages' text height on `device` (as the PDF file is painted
// when none): the characters the template's face holds, and lines no wider
// than `widthMm`.
cad::TitleFit templateTitleFit(double widthMm, const QPaintDevice* device = nullptr);

// The installed face "宋体" stands for (the application's substitution), named
// directly, so that Latin text is set in it too; another face fills in only
// for a character it lacks (the minus sign).
QString templateFamily();

// Paints every page on `device`, whose page size, orientation (those of
// t.tiles) and zero margins the caller has set. False when the device could
// not be painted on. Reports to `progress` and asks it between pages: a
// cancel throws Cancelled, after progress.abandon, from the page it stopped
// before.
bool paintTemplate(const PrintedTemplate& t, QPagedPaintDevice& device, const PageProgress& progress = {});

}  // namespace korvel
