#pragma once
// The full-size (1:1) template as a PDF file: the pages template_layout.h
// lays out, painted by template_painter.h, in a file whose bytes depend only
// on the template.

#include <QByteArray>
#include <QPageLayout>
#include <functional>
#include <string>

#include "output/atomic_file.h"
#include "output/template_layout.h"
#include "output/template_painter.h"

class QPdfWriter;

namespace korvel {

// A PDF file of the pages `paint` paints on a writer at `dotsPerInch` with
// `layout`, whose bytes depend only on what is painted: the creation date Qt
// writes is set to a fixed one (2000-01-01) in place, the document metadata
// carries no date or random identifier, and the embedded faces come in a
// fixed order. Throws cad::SaveError when `paint` returns false.
QByteArray steadyPdf(const QString& title, const QPageLayout& layout, int dotsPerInch,
                     const std::function<bool(QPdfWriter&)>& paint);

// The whole PDF file. The same template gives the same bytes, in any run of
// the program: the creation date Qt writes is set to a fixed one (2000-01-01)
// in place, the document metadata carries no date or random identifier, and
// the embedded faces come in a fixed order. Throws cad::SaveError when the
// pages could not be painted, Cancelled when `progress` was cancelled
// (paintTemplate).
QByteArray templatePdf(const PrintedTemplate& t, const PageProgress& progress = {});

// Writes templatePdf(t) to `path` through a temporary file beside it renamed
// into place; on failure throws cad::SaveError and leaves `path` as it was.
// Cancelled before the file is whole, throws Cancelled having written
// nothing: the pages are all made before the file is begun.
void saveTemplatePdf(const PrintedTemplate& t, const std::string& path, const PageProgress& progress = {});

}  // namespace korvel
