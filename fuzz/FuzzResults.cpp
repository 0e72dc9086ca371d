// The 288-byte result record and the results file: decoding any bytes, reading, removing from
// and appending to a file of any content.
#include "RecordChecks.h"
#include "results/ResultsFile.h"

using namespace trelon;

namespace {

void checkFile(const QByteArray& bytes, std::uint8_t pattern) {
    const QString path = fuzz::scratchFolder() + QStringLiteral("7.dat");
    FUZZ_CHECK(fuzz::writeFile(path, bytes));
    const int whole = static_cast<int>(bytes.size() / kResultRecordSize);

    const ResultsReading reading = ReadRecordsNewestFirst(path);
    FUZZ_CHECK(reading.ok() && static_cast<int>(reading.records.size()) == whole);

    // Removal keeps exactly the chosen whole records, in order; a torn tail goes.
    const auto keep = [pattern](int position) { return ((pattern >> (position % 8)) & 1) != 0; };
    FUZZ_CHECK(RemoveRecords(path, keep).ok());
    QByteArray expected;
    for (int position = 0; position < whole; ++position) {
        if (keep(position)) {
            expected += bytes.mid(position * kResultRecordSize, kResultRecordSize);
        }
    }
    FUZZ_CHECK(fuzz::readFile(path) == expected);

    // An append after a torn tail lands on the record boundary.
    FUZZ_CHECK(fuzz::writeFile(path, bytes));
    ResultRecord record;
    record.ObjectNumber = pattern;
    FUZZ_CHECK(AppendResult(path, record).ok());
    const QByteArray appended = fuzz::readFile(path);
    FUZZ_CHECK(appended == bytes.left(whole * kResultRecordSize) + EncodeResultRecord(record));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    fuzz::checkRecord(bytes.left(kResultRecordSize));
    fuzz::checkRecord(bytes);
    checkFile(bytes, size > 0 ? data[0] : 0);
    return 0;
}
