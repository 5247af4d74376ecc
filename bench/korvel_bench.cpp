// Korvel's benchmarks: every compute command of every window from its input
// record to listing lines and primitives, the replay of each command's drawing
// into an image of the window's size, and the elbow's two DXF files.
//
//   compute/Form4/端节/n100   the command at 100 divisions (and n16 at 16);
//                             commands without a division count have no suffix;
//                             .../dec the same with 留小数 (every value with decimals)
//   replay/Form4/端节/n100    the drawing that command leaves on the surface,
//                             painted into a QImage of the window's size
//   dxf/elbow-cad/n100        the elbow's CAD drawing written to a file
//   dxf/elbow-pattern/n100    the elbow's flat pattern written to a file
//   pdf/elbow-template/A4/100   the elbow's 1:1 template on A4 as PDF bytes
//   pdf/elbow-template-paint/A4/100  the same, laid out beforehand: the painting alone
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "core/catalogue.h"
#include "output/pattern_dxf.h"
#include "output/dxf_writer.h"
#include "output/template_pdf.h"
#include "core/fittings/elbow/elbow_design.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {
namespace {

// The window's division-count list ("n" in the elbow and tees, "N" in the
// transitions), or nullptr when its commands have none.
const ListDesign* divisionList(const WindowDesign& design) {
    for (const char* symbol : {"n", "N"})
        if (const ListDesign* list = design.list(symbol); list != nullptr && list->optionValues.empty())
            return list;
    return nullptr;
}

// The window's preset record with `divisions` in its division list (0: as preset).
FormState stateFor(const WindowDesign& design, int divisions) {
    FormState state = design.presetState();
    if (const ListDesign* list = divisionList(design); list != nullptr && divisions > 0)
        state.texts[list->box.key()] = std::to_string(divisions);
    return state;
}

// What the window's surface holds after applying the outcome: the surface's
// own bookkeeping (a clear keeps the scale, colour, font and line style).
std::vector<Primitive> surfaceAfter(const Outcome& outcome) {
    Surface surface;
    for (const auto& effect : outcome.effects)
        if (const auto* draw = std::get_if<Draw>(&effect)) surface.add(draw->primitive);
    return surface.primitives();
}

QSize windowPixels(const WindowDesign& design) {
    return {toPixels(design.openWidth), toPixels(design.openHeight)};
}

void computeBenchmark(benchmark::State& bench, const MenuCommand* command, const FormState& state) {
    for (auto _ : bench) {
        Outcome outcome = command->run(state);
        benchmark::DoNotOptimize(outcome.effects.data());
        benchmark::ClobberMemory();
    }
    const Outcome sample = command->run(state);
    if (sample.stopped) bench.SkipWithError("the command refused its inputs");
    bench.counters["effects"] = static_cast<double>(sample.effects.size());
}

void replayBenchmark(benchmark::State& bench, std::shared_ptr<const std::vector<Primitive>> primitives,
                     QSize size, bool dark) {
    QImage image(size, QImage::Format_RGB32);
    const Rgb background = dark ? kBlack : kWhite;
    const Rgb foreground = dark ? kWhite : kBlack;
    const QColor fill((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    for (auto _ : bench) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), fill);
        replay(painter, *primitives, QSizeF(size), foreground);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    bench.counters["primitives"] = static_cast<double>(primitives->size());
}

std::string benchName(const std::string& kind, const WindowDesign& design, const MenuCommand& command,
                      int divisions) {
    std::string name = kind + "/" + design.objectName + "/" + command.name;
    if (divisions > 0) name += "/n" + std::to_string(divisions);
    return name;
}

void registerWindowBenchmarks() {
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        const std::vector<int> counts = divisionList(design) != nullptr ? std::vector<int>{100, 16}
                                                                        : std::vector<int>{0};
        for (const auto& command : design.menu) {
            if (!command.run) continue;
            for (int n : counts) {
                const FormState state = stateFor(design, n);
                benchmark::RegisterBenchmark(benchName("compute", design, command, n).c_str(),
                                             computeBenchmark, &command, state)
                    ->Unit(benchmark::kMicrosecond);
                FormState decimals = state;
                decimals.decimals = true;
                decimals.digits = design.rounding.decimalDigits;
                benchmark::RegisterBenchmark((benchName("compute", design, command, n) + "/dec").c_str(),
                                             computeBenchmark, &command, decimals)
                    ->Unit(benchmark::kMicrosecond);
                auto primitives = std::make_shared<const std::vector<Primitive>>(surfaceAfter(command.run(state)));
                benchmark::RegisterBenchmark(benchName("replay", design, command, n).c_str(), replayBenchmark,
                                             primitives, windowPixels(design), design.darkSurface)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

void elbowCadBenchmark(benchmark::State& bench, const std::string& directory) {
    const FormState state = stateFor(elbowDesign(), 100);
    const std::string path = directory + "/elbow-cad.dxf";
    for (auto _ : bench) {
        try {
            cad::saveCadDrawing(elbowDesign().cad, state, path);
        } catch (const cad::SaveError& e) {
            bench.SkipWithError((std::string("not written: ") + e.what()).c_str());
            break;
        }
    }
}

// The elbow's flat pattern at bench.range(0) divisions, from the inputs to the
// file on the disk: the export grows linearly with the divisions.
void elbowPatternBenchmark(benchmark::State& bench, const std::string& directory) {
    const WindowDesign& design = elbowDesign();
    const FormState state = stateFor(design, static_cast<int>(bench.range(0)));
    const std::string path = directory + "/elbow-pattern.dxf";
    for (auto _ : bench) {
        const PatternExport pattern = design.pattern(state);
        if (pattern.rejected()) {
            bench.SkipWithError("the pattern refused its inputs");
            break;
        }
        cad::savePatternDxf(pattern, path);
    }
    bench.SetComplexityN(bench.range(0));
}

// The elbow's 1:1 template on A4 at bench.range(0) divisions, from the inputs
// to the PDF file's bytes (laid out, tiled, painted; not written to disk), or
// with `paintOnly` the painting of a template laid out beforehand. Counters:
// the file's bytes, its pages and the bytes a page, so that a page that grows
// with the outline's vertex count shows.
void elbowTemplateBenchmark(benchmark::State& bench, bool paintOnly) {
    const WindowDesign& design = elbowDesign();
    const FormState state = stateFor(design, static_cast<int>(bench.range(0)));
    const PaperSize paper = *paperSize("A4");
    const PrintedTemplate laidOut = makeTemplate(design, state, paper);
    if (laidOut.rejected()) {
        bench.SkipWithError("the template refused its inputs");
        return;
    }
    qsizetype bytes = 0;
    const int pages = laidOut.pageCount();
    for (auto _ : bench) {
        const QByteArray pdf = templatePdf(paintOnly ? laidOut : makeTemplate(design, state, paper));
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
    bench.counters["pages"] = pages;
    bench.counters["bytes_per_page"] = pages > 0 ? static_cast<double>(bytes) / pages : 0;
}

}  // namespace
}  // namespace korvel

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvel::setUpApplication();

    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::cerr << "korvel_bench: no temporary directory\n";
        return 1;
    }
    const std::string dir = directory.path().toStdString();

    korvel::registerWindowBenchmarks();
    benchmark::RegisterBenchmark("dxf/elbow-cad/n100", korvel::elbowCadBenchmark, dir)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("dxf/elbow-pattern", korvel::elbowPatternBenchmark, dir)
        ->Unit(benchmark::kMicrosecond)
        ->Arg(100)
        ->Arg(200)
        ->Arg(500)
        ->Arg(1000)
        ->Complexity(benchmark::oN);
    for (const bool paintOnly : {false, true})
        benchmark::RegisterBenchmark(paintOnly ? "pdf/elbow-template-paint/A4" : "pdf/elbow-template/A4",
                                     korvel::elbowTemplateBenchmark, paintOnly)
            ->Unit(benchmark::kMillisecond)
            ->Arg(100)
            ->Arg(1000);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
