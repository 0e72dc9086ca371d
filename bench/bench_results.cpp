// The results screen's work on large files: filling the table from a results file of mixed
// procedures (reading included), and drawing a graph of 1,000 sessions. Storing one result
// as the stimulus window does: the data folder's lock, the check of the patient's name and
// number against a list of 10,000 patients, the append flushed to disk.
#include "common/Cp1251.h"
#include "common/DataFolderLock.h"
#include "results/ResultsFile.h"
#include "results/ResultsGraph.h"
#include "results/ResultsGraphDraw.h"
#include "results/ResultsTable.h"
#include "support/ResultsGenerator.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

QString writtenResults(const QTemporaryDir& dir, int count) {
    const QString path = dir.filePath(QStringLiteral("%1.dat").arg(count));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(trelon::test::generatedResultsFile(count, 1, QStringLiteral("Ковалёва")));
    }
    return path;
}

void BM_StoreOneResultWithTheLock(benchmark::State& state) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("Rezults"));
    QString list;
    for (int n = 1; n <= 10'000; ++n) {
        list += QStringLiteral("Иванов %1\r\n%2\r\n").arg(n * 7919 % 100003).arg(n);
    }
    QFile people(dir.filePath(QStringLiteral("People.txt")));
    if (people.open(QIODevice::WriteOnly)) {
        people.write(trelon::toCp1251(list).value_or(QByteArray()));
        people.close();
    }
    trelon::ResultRecord record;
    record.PatientNumber = 5000;
    record.PatientName = QStringLiteral("Иванов %1").arg(5000 * 7919 % 100003);
    const QString path = dir.filePath(QStringLiteral("Rezults/5000.dat"));
    for (auto _ : state) {
        if (!trelon::AppendResult(path, record).ok()) {
            state.SkipWithError("the result was not stored");
            break;
        }
    }
}
BENCHMARK(BM_StoreOneResultWithTheLock)->Unit(benchmark::kMillisecond);

// The lock alone: the part of every change that two copies of the program add.
void BM_TakeAndReleaseTheLock(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        const trelon::DataFolderLock lock(dir.path());
        benchmark::DoNotOptimize(lock.locked());
    }
}
BENCHMARK(BM_TakeAndReleaseTheLock)->Unit(benchmark::kMicrosecond);

void BM_FillTableFromFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writtenResults(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const trelon::ResultsReading reading = trelon::ReadRecordsNewestFirst(path);
        const trelon::ResultsTable table =
            trelon::FillResultsTable(trelon::ProcedureKind::TrenKosogl, reading.records, 1, {});
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_FillTableFromFile)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_DrawGraphOf1000Sessions(benchmark::State& state) {
    std::vector<trelon::StoredRecord> records;
    for (int i = 0; i < 8000; ++i) {
        records.push_back({i, trelon::test::generatedResult(i, 1, QStringLiteral("Ковалёва"))});
    }
    std::reverse(records.begin(), records.end());
    const trelon::ResultsTable table =
        trelon::FillResultsTable(trelon::ProcedureKind::DiagKosogl, records, 1, {});
    QImage image(1240, 460, QImage::Format_RGB32);
    for (auto _ : state) {
        const trelon::GraphData graph = trelon::BuildGraphData(table, {});
        QPainter painter(&image);
        const auto points = trelon::DrawResultsGraph(painter, image.size(), graph);
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["sessions"] = static_cast<double>(table.rowCount());
}
BENCHMARK(BM_DrawGraphOf1000Sessions)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
