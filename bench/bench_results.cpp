// The results screen's work on large files: filling the table from a results file of mixed
// procedures (reading included), and drawing a graph of 1,000 sessions.
#include "results/ResultsGraph.h"
#include "results/ResultsGraphDraw.h"
#include "results/ResultsTable.h"
#include "support/ResultsGenerator.h"

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
