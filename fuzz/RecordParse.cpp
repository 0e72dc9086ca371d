// The 288-byte result record in memory: the input as it is, its first record, and the input
// filled up with zeros to a whole record.
#include "RecordChecks.h"
#include "results/ResultsFile.h"

using namespace trelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    fuzz::checkRecord(bytes);
    fuzz::checkRecord(bytes.left(kResultRecordSize));
    fuzz::checkRecord(bytes.leftJustified(kResultRecordSize, '\0', true));
    FUZZ_CHECK(RecordCountForSize(bytes.size()) ==
               static_cast<int>(bytes.size() / kResultRecordSize));
    return 0;
}
