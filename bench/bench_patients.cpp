// A long-used program: the patient list of 10,000 patients read at start, and one patient added
// to it (which reads the file again, replaces it whole and reads the list once more). Each
// patient has a results file, so finding the new number's file searches a folder of 10,000.
#include "patients/PatientPanel.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace trelon;

constexpr int kPatients = 10000;

class NoDialogs : public Dialogs {
public:
    void information(const QString&) override {}
    void error(const QString&, const QString&) override { std::abort(); }
    bool confirm(const QString&) override { return true; }
    std::optional<QString> chooseFolder(const QString&) override { return std::nullopt; }
};

// A program folder whose People.txt holds kPatients patients with Cyrillic surnames, each with
// a results file of one record.
class PatientFolder {
public:
    PatientFolder() {
        paths_.ProgramDir = dir_.path() + QLatin1Char('/');
        for (int n = 1; n <= kPatients; ++n) {
            list_ += "\xc8\xe2\xe0\xed\xee\xe2 " + QByteArray::number(n * 7919 % 100003) + "\r\n" +
                     QByteArray::number(n) + "\r\n";
        }
        reset();
        store_.SetUpDataFolder({});
        const QByteArray record(288, '\x01');
        for (int n = 1; n <= kPatients; ++n) {
            QFile results(store_.patientResultsFile(n));
            results.open(QIODevice::WriteOnly);
            results.write(record);
        }
    }
    void reset() {
        QFile file(paths_.ProgramDir + QStringLiteral("People.txt"));
        file.open(QIODevice::WriteOnly);
        file.write(list_);
    }
    PatientPanel& panel() { return panel_; }

private:
    QTemporaryDir dir_;
    Paths paths_;
    SharedTexts texts_;
    NoDialogs dialogs_;
    PatientStore store_{paths_, texts_, dialogs_};
    PatientPanel panel_{store_, texts_, dialogs_};
    QByteArray list_;
};

void BM_LoadTenThousandPatients(benchmark::State& state) {
    PatientFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(folder.panel().LoadPatientList());
    }
}
BENCHMARK(BM_LoadTenThousandPatients)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_AddOneToTenThousandPatients(benchmark::State& state) {
    PatientFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        folder.reset();
        folder.panel().LoadPatientList();
        state.ResumeTiming();
        folder.panel().setNewName(QStringLiteral("Новый пациент"));
        folder.panel().addPatient();
    }
}
BENCHMARK(BM_AddOneToTenThousandPatients)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
