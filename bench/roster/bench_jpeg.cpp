// "Save all pages as Jpeg" for ten pages, against libjpeg-turbo alone encoding
// the same ten bitmaps with the same settings, in one run; and the export's
// peak memory, measured in a child process of its own.
#include "benchmain.h"
#include "pageexport.h"
#include "pagelayout.h"
#include "rosterfixture.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <jpeglib.h>

namespace {

constexpr int kPages = 10;

/// Ten pages against a 300 dpi letter printer, as the export sees them.
const PageLayout::Pages& tenPages()
{
    static const PageLayout::Pages pages = [] {
        QTextDocument document;
        fillLongRoster(document, kPages);
        PageLayout::Result result = PageLayout::paginate(document, TTextOptions(),
                                                         [] { return PageMetrics::letterAt(300); });
        result.pages.resize(kPages);
        return std::move(result.pages);
    }();
    return pages;
}

void BM_SaveAllPagesAsJpeg(benchmark::State& state)
{
    const PageLayout::Pages& pages = tenPages();
    QTemporaryDir dir;
    for (auto _ : state)
        PageExport::saveAllJpeg(pages, dir.filePath(QStringLiteral("roster.jpg")));
    state.counters["pages"] = double(pages.size());
}

void encodeAlone(const QImage& image, const QString& fileName)
{
    FILE* file = std::fopen(QFile::encodeName(fileName).constData(), "wb");
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

void BM_LibjpegAlone(benchmark::State& state)
{
    std::vector<QImage> bitmaps;
    for (const auto& page : tenPages())
        bitmaps.push_back(PageExport::bitmap(*page));
    QTemporaryDir dir;
    for (auto _ : state) {
        for (size_t i = 0; i < bitmaps.size(); ++i)
            encodeAlone(bitmaps[i], dir.filePath(QStringLiteral("alone%1.JPG").arg(i + 1)));
    }
    state.counters["pages"] = double(bitmaps.size());
}

/// Peak resident memory of one export, in a child that starts from the same state.
void BM_SaveAllPagesAsJpegPeakMemory(benchmark::State& state)
{
    const PageLayout::Pages& pages = tenPages();
    QTemporaryDir dir;
    const QSize sheet = pages.front()->metrics().sheetDots;
    const double bitmapMB = sheet.width() * double(sheet.height()) * 4 / (1024.0 * 1024.0);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    double peakMB = 0;
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            rusage start{};
            getrusage(RUSAGE_SELF, &start);
            PageExport::saveAllJpeg(pages, dir.filePath(QStringLiteral("peak.jpg")));
            rusage end{};
            getrusage(RUSAGE_SELF, &end);
            // The growth of the child's peak over what it inherited.
            const long grownKB = end.ru_maxrss - start.ru_maxrss;
            _exit(int(std::min<long>(grownKB / 1024, 250)));
        }
        int status = 0;
        waitpid(child, &status, 0);
        peakMB = std::max(peakMB, double(WEXITSTATUS(status)));
    }
    state.counters["peak_growth_MB"] = peakMB;
    state.counters["bitmap_MB"] = bitmapMB;
    state.counters["limit_MB"] = 2 * bitmapMB + 100;
}

} // namespace

BENCHMARK(BM_SaveAllPagesAsJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibjpegAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAllPagesAsJpegPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
