#include "review/ResultsReview.h"

#include "config/LoadSettings.h"
#include "registry/ProcedureRegistry.h"
#include "results/ResultsExport.h"
#include "state/SharedState.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

const QString kSection = QStringLiteral("RezultForm");

} // namespace

ResultsReview::ResultsReview(SharedState& state, Dialogs& dialogs)
    : state_(state), dialogs_(dialogs) {
    const LangFile lang = LangFile::load(state_.paths.ProgramDir);
    titles_ = TableTitles::fromLang(lang);
    axisTitles_.x = lang.ReadText(kSection, QStringLiteral("GraphX"), axisTitles_.x);
    axisTitles_.y = lang.ReadText(kSection, QStringLiteral("GraphY"), axisTitles_.y);
    table_.titles = ResultsColumnTitles(table_.procedure, titles_);
}

bool ResultsReview::open() {
    state_.SessionAborted = false;
    filters_.contrast = 0;
    filters_.allDistances = true;
    filters_.direction = 0;
    for (const ProcedureEntry& entry : procedureEntries()) {
        if (entry.results.choice && entry.results.choice->resetsOnOpen) {
            filters_.*entry.results.choice->field = 0;
        }
    }
    if (state_.session.ProcedureNumber < 1 || state_.session.ProcedureNumber > 4) {
        state_.session.IsDiagnostics = 1;
        state_.session.ProcedureNumber = 1;
    }
    return showProcedure();
}

bool ResultsReview::chooseGroup(bool diagnostics) {
    state_.session.IsDiagnostics = diagnostics ? 1 : 0;
    if (state_.session.ProcedureNumber < 1 || state_.session.ProcedureNumber > 4) {
        state_.session.ProcedureNumber = 1;
    }
    return showProcedure();
}

bool ResultsReview::chooseProcedure(int number) {
    state_.session.ProcedureNumber = static_cast<std::uint16_t>(std::clamp(number, 1, 4));
    return showProcedure();
}

bool ResultsReview::showProcedure() {
    if (format().choice && format().choice->resetsOnShow) {
        filters_.*format().choice->field = 0;
    }
    table_ = {};
    table_.procedure = procedure();
    table_.titles = ResultsColumnTitles(table_.procedure, titles_);
    if (!resultsFileExists()) {
        return false;
    }
    refill();
    return true;
}

void ResultsReview::refill() {
    ResultsReading reading = ReadRecordsNewestFirst(state_.paths.ResultsFilePath);
    table_ = FillResultsTable(procedure(), reading.records, state_.session.PatientNumber, filters_,
                              titles_);
    readBytes_ = std::move(reading.bytes);
    if (!reading.ok()) {
        dialogs_.error(caption(), reading.error);
    }
}

ProcedureKind ResultsReview::procedure() const {
    // A number outside 1..4 shows the first procedure of the group.
    const int number = state_.session.ProcedureNumber;
    return procedureKindOf(state_.session.IsDiagnostics == 1 ? 1 : 0,
                           number >= 1 && number <= 4 ? number : 1);
}

const ResultsFormat& ResultsReview::format() const {
    return procedureEntry(procedure())->results;
}

QString ResultsReview::patientLabel() const {
    return QStringLiteral(" N%1   %2")
        .arg(state_.session.PatientNumber)
        .arg(state_.session.PatientName);
}

PrintHeading ResultsReview::printHeading() const {
    return {state_.session.PatientName, caption()};
}

bool ResultsReview::deleteRows(int top, int bottom) {
    const int first = std::max(1, std::min(top, bottom));
    const int last = std::min(table_.rowCount(), std::max(top, bottom));
    if (first > last || !dialogs_.confirm(state_.texts.DeleteSelectedQuestion)) {
        return false;
    }
    std::vector<RecordBytes> removed;
    for (int row = first; row <= last; ++row) {
        const int position = table_.rows[static_cast<std::size_t>(row - 1)].position - 1;
        const auto read =
            std::find_if(readBytes_.begin(), readBytes_.end(),
                         [&](const auto& bytes) { return bytes.position == position; });
        if (read != readBytes_.end()) {
            removed.push_back(*read);
        }
    }
    const RecordRemoval result = RemoveReadRecords(state_.paths.ResultsFilePath, removed);
    if (!result.error.isEmpty()) {
        dialogs_.error(caption(), result.error);
    } else if (result.stale) {
        dialogs_.information(QStringLiteral("Результаты изменены в другой копии программы и "
                                            "прочитаны заново. Ничего не удалено: выберите "
                                            "строки ещё раз."));
    }
    refill();
    return result.error.isEmpty() && !result.stale;
}

GraphData ResultsReview::graph(int selectionTop, int selectionBottom) const {
    return BuildGraphData(table_, filters_, selectionTop, selectionBottom);
}

void ResultsReview::exportText() {
    if (!ResultsExportable(table_)) {
        return;
    }
    const QString path = ResultsExportPath(state_.paths.DataDir, state_.session.PatientNumber);
    const FileResult result =
        ExportResultsText(path, ResultsExportBlock(state_.session.PatientName, table_));
    if (!result.ok()) {
        dialogs_.information(result.error);
    }
}

GraphSettingValues ResultsReview::graphSettings() const {
    const Settings& s = state_.settings;
    auto thousandths = [](double width) { return static_cast<int>(std::lround(width * 1000)); };
    return {thousandths(s.WidthLine1), thousandths(s.WidthLine2), thousandths(s.WidthLine3),
            s.SizeFontX, s.SizeFontY};
}

void ResultsReview::applyGraphSettings(const GraphSettingValues& values) {
    Settings& s = state_.settings;
    s.WidthLine1 = values[0] / 1000.0;
    s.WidthLine2 = values[1] / 1000.0;
    s.WidthLine3 = values[2] / 1000.0;
    s.SizeFontX = values[3];
    s.SizeFontY = values[4];
}

void ResultsReview::writeGraphSettings(const GraphSettingValues& values) {
    if (!dialogs_.confirm(QStringLiteral("Записать параметры печати графика в файл настроек?"))) {
        return;
    }
    static const QStringList keys = {QStringLiteral("WidthLine1"), QStringLiteral("WidthLine2"),
                                     QStringLiteral("WidthLine3"), QStringLiteral("SizeFontX"),
                                     QStringLiteral("SizeFontY")};
    IniKeyValues pairs;
    for (int i = 0; i < kGraphSettingCount; ++i) {
        pairs.append({keys[i], QString::number(values[static_cast<std::size_t>(i)])});
    }
    const FileResult result = WriteSettings(state_.paths.ProgramDir, pairs);
    if (!result.ok()) {
        dialogs_.error(caption(), result.error);
    }
}

bool ResultsReview::resultsFileExists() const {
    return QFileInfo(state_.paths.ResultsFilePath).isFile();
}

} // namespace trelon
