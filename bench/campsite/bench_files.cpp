// Campsite files of 10,000 objects (about 70 MB): parsing, reading into
// objects, writing and saving. Peak memory of reading a file is measured in a
// fresh process of this program ("--read-file FILE").
#include "campsitefile.h"
#include "campsitefixture.h"
#include "campsitestream.h"
#include "objectstreamreader.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

// Reading a file from disk into objects, in a fresh process: time and peak memory.
void BM_ReadFilePeakMemory(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("large.gnd");
    {
        const QList<CampsiteObject> objects = BenchCampsite::objects();
        CampsiteFile::save(fileName, BenchCampsite::pointers(objects));
    }
    const QByteArray path = fileName.toLocal8Bit();
    double peakMB = 0;
    for (auto _ : state) {
        char self[] = "/proc/self/exe";
        char option[] = "--read-file";
        char* argv[] = {self, option, const_cast<char*>(path.constData()), nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the reading process");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the reading process failed");
            return;
        }
        peakMB = std::max(peakMB, double(usage.ru_maxrss) / 1024.0);
    }
    const double fileMB = double(QFileInfo(fileName).size()) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = peakMB;
    state.counters["peak_per_file_size"] = peakMB / fileMB;
}
BENCHMARK(BM_ReadFilePeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The process that BM_ReadFilePeakMemory measures.
int readFile(const char* fileName)
{
    const QString name = QString::fromLocal8Bit(fileName);
    Collector collector;
    CampsiteFile::readObjects(name, CampsiteFile::readContents(name), collector);
    return collector.objects.size() == 10000 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--read-file")
        return readFile(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
