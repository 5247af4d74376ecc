#pragma once
// A job's nest as printed pages: A4 upright, the job's name, customer and
// drawing at the head of every page; the summary's lines (per material and
// thickness, then the whole job), a table of the plates (张, 材料, 板厚,
// 尺寸, 件数, 利用率, 零件 kg, 钢板 kg, 余料 kg), then a small picture of
// each plate, its parts filled and named where the name fits. As many pages
// as that takes; the table's heading repeats on a page it runs on to.

#include <QByteArray>
#include <string>

#include "core/job.h"
#include "core/nesting/job_nest.h"

class QPagedPaintDevice;

namespace korvel {

// The job's fields the pages' head names.
struct NestTitle {
    std::string name, customer, drawing;
};

NestTitle nestTitle(const Job& job);

// The number of pages the summary takes.
int nestSummaryPages(const JobNest& nest);

// Paints every page on `device`, whose page size (A4 upright) the caller has
// set. False when the device could not be painted on.
bool paintNestSummary(const NestTitle& title, const JobNest& nest, QPagedPaintDevice& device);

// The whole PDF file; the same nest gives the same bytes (steadyPdf).
QByteArray nestSummaryPdf(const NestTitle& title, const JobNest& nest);

}  // namespace korvel
