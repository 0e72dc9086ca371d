// People.txt in memory: reading any bytes, the write-back of a deletion and of an addition.
#include "PeopleChecks.h"

using namespace trelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    fuzz::checkPeopleParsing(bytes);
    fuzz::checkPeopleAddedBytes(bytes, QStringLiteral("Новый пациент"));
    return 0;
}
