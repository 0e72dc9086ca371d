#include "results/ResultsFormat.h"

#include "results/formats/DiagCvetotestResults.h"
#include "results/formats/DiagFuziaResults.h"
#include "results/formats/DiagKosoglResults.h"
#include "results/formats/DiagScotomaResults.h"
#include "results/formats/TrenBificsResults.h"
#include "results/formats/TrenCvetotestResults.h"
#include "results/formats/TrenKosoglResults.h"
#include "results/formats/TrenScotomaResults.h"

#include <array>

namespace trelon {

bool ResultsFormat::keeps(const ResultRecord&, const ResultsFilters&) const {
    return true;
}

RowValues ResultsFormat::rowValues(const ResultRecord& r, const ResultsFilters&) const {
    return {r.ValueX, 0, {r.ValueX}};
}

GraphLegend ResultsFormat::screenLegend(const ResultsFilters&) const {
    return {};
}

GraphLegend ResultsFormat::printLegend(const ResultsFilters& filters) const {
    return screenLegend(filters);
}

QString ResultsFormat::printTitle(const ResultsFilters&) const {
    return printedTitle;
}

const ResultsFormat& resultsFormatOf(ProcedureKind kind) {
    static const ResultsFormat none;
    // In the order of ProcedureKind.
    static const std::array<const ResultsFormat*, 9> formats = {&none,
                                                                &diagCvetotestResults(),
                                                                &diagKosoglResults(),
                                                                &diagScotomaResults(),
                                                                &diagFuziaResults(),
                                                                &trenScotomaResults(),
                                                                &trenKosoglResults(),
                                                                &trenBificsResults(),
                                                                &trenCvetotestResults()};
    const auto index = static_cast<std::size_t>(kind);
    return index < formats.size() ? *formats[index] : none;
}

} // namespace trelon
