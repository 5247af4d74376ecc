#pragma once
// A job's cut list (cut_list.h) as printed pages: A4 upright, the job's
// name, customer, drawing and material at the head of every page, the
// pieces' table over as many pages as it takes, then the totals per material
// and thickness and the entries left out.

#include <QByteArray>
#include <string>

#include "core/cut_list.h"
#include "output/page_progress.h"

class QPagedPaintDevice;

namespace korvel {

// The number of pages the cut list takes.
int cutListPages(const CutList& list);

// Paints every page on `device`, whose page size (A4 upright) the caller has
// set, telling `progress` the pages done before each (it throws Cancelled
// there when asked to stop). False when the device could not be painted on.
bool paintCutList(const Job& job, const CutList& list, QPagedPaintDevice& device, const PageProgress& progress = {});

// The whole PDF file; the same cut list gives the same bytes (steadyPdf).
QByteArray cutListPdf(const Job& job, const CutList& list, const PageProgress& progress = {});

// Writes cutListPdf through a temporary file renamed into place; on failure
// throws cad::SaveError and leaves `path` as it was. Cancelled, it throws
// Cancelled having written nothing: the pages are all made before the file
// is begun.
void saveCutListPdf(const Job& job, const CutList& list, const std::string& path, const PageProgress& progress = {});

}  // namespace korvel
