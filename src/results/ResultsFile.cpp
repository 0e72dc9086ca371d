#include "results/ResultsFile.h"

#include <QFileInfo>

namespace trelon {

FileResult EnsureResultsFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        return {};
    }
    return appendToFile(path, QByteArray());
}

} // namespace trelon
