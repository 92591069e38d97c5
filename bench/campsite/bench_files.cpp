// Campsite files of 10,000 objects (about 70 MB): parsing, reading into
// objects, writing and saving; opening one in the window and painting the
// layout area, and saving the window's layout. Peak memory is measured in a
// fresh process of this program ("--read-file FILE", "--open-file FILE").
#include "Unit1.h"
#include "campsitefile.h"
#include "campsitefixture.h"
#include "campsitestream.h"
#include "dsn8register.h"
#include "dsnstage.h"
#include "layouttransfer.h"
#include "objectstreamreader.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <QProcess>

#include <cstdio>

namespace {

class Collector final : public CampsiteReadTarget {
public:
    QList<CampsiteObject> objects;
    QString nameForReadObject(const QString& storedName, CampsiteObject::Kind) override
    {
        return storedName;
    }
    void addReadObject(CampsiteObject object) override { objects.append(std::move(object)); }
};

const QByteArray& largeStream()
{
    static const QByteArray stream = [] {
        const QList<CampsiteObject> objects = BenchCampsite::objects();
        return CampsiteStream::write(BenchCampsite::pointers(objects));
    }();
    return stream;
}

// Walks the stream without creating anything: the object stream parser alone.
void BM_ParseStream(benchmark::State& state)
{
    const QByteArray& stream = largeStream();
    for (auto _ : state) {
        ObjectStreamReader reader(stream);
        int entries = 0;
        while (!reader.atEndOfList()) {
            reader.readSignature();
            reader.readPrefix();
            benchmark::DoNotOptimize(reader.readShortString());
            benchmark::DoNotOptimize(reader.readShortString());
            reader.skipObjectRecordBody();
            ++entries;
        }
        reader.readEndOfList();
        benchmark::DoNotOptimize(entries);
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.counters["file_MB"] = double(stream.size()) / 1e6;
}
BENCHMARK(BM_ParseStream)->Unit(benchmark::kMillisecond);

// The stream read into campsite objects, pictures shared.
void BM_ReadObjects(benchmark::State& state)
{
    const QByteArray& stream = largeStream();
    for (auto _ : state) {
        Collector collector;
        CampsiteStream::read(stream, collector, CampsiteStream::Mode::File);
        benchmark::DoNotOptimize(collector.objects.size());
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}
BENCHMARK(BM_ReadObjects)->Unit(benchmark::kMillisecond);

void BM_WriteStream(benchmark::State& state)
{
    const QList<CampsiteObject> objects = BenchCampsite::objects();
    const QList<const CampsiteObject*> pointers = BenchCampsite::pointers(objects);
    for (auto _ : state)
        benchmark::DoNotOptimize(CampsiteStream::write(pointers));
    state.SetBytesProcessed(state.iterations() * largeStream().size());
}
BENCHMARK(BM_WriteStream)->Unit(benchmark::kMillisecond);

// Saving to a file: the stream and the atomic save.
void BM_SaveFile(benchmark::State& state)
{
    const QList<CampsiteObject> objects = BenchCampsite::objects();
    const QList<const CampsiteObject*> pointers = BenchCampsite::pointers(objects);
    QTemporaryDir folder;
    const QString fileName = folder.filePath("large.gnd");
    for (auto _ : state)
        CampsiteFile::save(fileName, pointers);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The large campsite saved to a file of its own, once.
const QString& largeFile()
{
    static QTemporaryDir folder;
    static const QString fileName = [] {
        const QString name = folder.filePath("large.gnd");
        const QList<CampsiteObject> objects = BenchCampsite::objects();
        CampsiteFile::save(name, BenchCampsite::pointers(objects));
        return name;
    }();
    return fileName;
}

// Runs this program with \a option and the large file in a fresh process:
// its time, and the peak memory it reports, as counters.
void measureInFreshProcess(benchmark::State& state, const char* option)
{
    double peakMB = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {QLatin1String(option), largeFile()});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            state.SkipWithError("the measured process failed");
            return;
        }
        peakMB = std::max(peakMB, process.readAllStandardOutput().trimmed().toDouble() / 1024.0);
    }
    const double fileMB = double(QFileInfo(largeFile()).size()) / (1024.0 * 1024.0);
    state.counters["file_MB"] = fileMB;
    state.counters["peak_MB"] = peakMB;
    state.counters["peak_per_file_size"] = peakMB / fileMB;
}

// The measured process's peak resident memory in kB (VmHWM), printed for the benchmark.
int reportPeakMemory(int result)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            std::printf("%s\n", line.mid(6).trimmed().split(' ').front().constData());
    }
    return result;
}

// Reading the file into objects, without a window (whole process).
void BM_ReadFilePeakMemory(benchmark::State& state)
{
    measureInFreshProcess(state, "--read-file");
}
BENCHMARK(BM_ReadFilePeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The window started, the file opened into its layout area and painted (whole process).
void BM_OpenAndPaintPeakMemory(benchmark::State& state)
{
    measureInFreshProcess(state, "--open-file");
}
BENCHMARK(BM_OpenAndPaintPeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The window alone, started and painted empty: what the two above include besides the file.
void BM_EmptyWindowPeakMemory(benchmark::State& state)
{
    measureInFreshProcess(state, "--empty-window");
}
BENCHMARK(BM_EmptyWindowPeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

TForm1& window()
{
    static TForm1* form = [] {
        auto* form = new TForm1;
        form->show();
        return form;
    }();
    return *form;
}

// Opening the file in the window (replacing the 10,000 objects of the last
// open) and painting the layout area.
void BM_OpenAndPaint(benchmark::State& state)
{
    TForm1& form = window();
    QImage screen(form.DsnStage1->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        form.openCampsite(largeFile());
        form.DsnStage1->render(&screen);
    }
    if (form.Dsn8Register1->objects().size() != 10000)
        state.SkipWithError("not all objects were opened");
}
BENCHMARK(BM_OpenAndPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Save" of the window's 10,000 objects.
void BM_SaveLayout(benchmark::State& state)
{
    TForm1& form = window();
    form.openCampsite(largeFile());
    QTemporaryDir folder;
    const QString fileName = folder.filePath("saved.gnd");
    for (auto _ : state)
        LayoutTransfer(*form.Dsn8Register1, *form.DsnStage1).Save(fileName);
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond)->UseRealTime();

// The process that BM_ReadFilePeakMemory measures.
int readFile(const char* fileName)
{
    const QString name = QString::fromLocal8Bit(fileName);
    Collector collector;
    CampsiteFile::readObjects(name, CampsiteFile::readContents(name), collector);
    return collector.objects.size() == 10000 ? 0 : 1;
}

// The processes that BM_OpenAndPaintPeakMemory and BM_EmptyWindowPeakMemory measure.
int openAndPaint(const char* fileName)
{
    TForm1 form;
    form.show();
    if (fileName)
        form.openCampsite(QString::fromLocal8Bit(fileName));
    QImage screen(form.DsnStage1->size(), QImage::Format_RGB32);
    form.DsnStage1->render(&screen);
    return form.Dsn8Register1->objects().size() == (fileName ? 10000 : 0) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == "--read-file")
        return reportPeakMemory(readFile(argv[2]));
    QApplication application(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--open-file")
        return reportPeakMemory(openAndPaint(argv[2]));
    if (argc == 3 && std::string(argv[1]) == "--empty-window")
        return reportPeakMemory(openAndPaint(nullptr));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
