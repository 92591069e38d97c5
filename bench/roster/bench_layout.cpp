// Laying out a 100-page roster on page recordings, against Qt's own
// QTextDocument::print() of the same document to a PDF printer, in one run.
#include "benchmain.h"
#include "pagelayout.h"
#include "previewprinter.h"
#include "rosterfixture.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 100;

void BM_PageLayout(benchmark::State& state)
{
    QTextDocument document;
    fillLongRoster(document, kPages);
    // The same density and sheet as the PDF printer below.
    const PageMetrics metrics = PageMetrics::letterAt(1200);
    size_t pages = 0;
    for (auto _ : state) {
        PageLayout::Result result =
            PageLayout::paginate(document, TTextOptions(), [&] { return metrics; });
        pages = result.pages.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["pages"] = double(pages);
}

void BM_PaginateRichEdit(benchmark::State& state)
{
    QTextEdit editor;
    fillLongRoster(*editor.document(), kPages);
    TPreviewPrinter printer;
    for (auto _ : state)
        printer.PaginateRichEdit(&editor);
    state.counters["pages"] = double(printer.PageCount());
}

void BM_QtPrintToPdf(benchmark::State& state)
{
    QTextDocument document;
    fillLongRoster(document, kPages);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(dir.filePath(QStringLiteral("roster.pdf")));
    for (auto _ : state)
        document.print(&printer);
}

} // namespace

BENCHMARK(BM_PageLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPrintToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaginateRichEdit)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
