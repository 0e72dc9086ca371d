#pragma once
// Properties of the 288-byte result record, shared by the file and in-memory harnesses.
#include "FuzzCheck.h"
#include "results/ResultRecordCodec.h"

namespace trelon::fuzz {

// Exactly 288 bytes decode, and a decoded record encodes to bytes that decode and encode to
// themselves.
inline void checkRecord(const QByteArray& bytes) {
    const std::optional<ResultRecord> decoded = DecodeResultRecord(bytes);
    FUZZ_CHECK(decoded.has_value() == (bytes.size() == kResultRecordSize));
    if (!decoded) {
        return;
    }
    const QByteArray encoded = EncodeResultRecord(*decoded);
    FUZZ_CHECK(encoded.size() == kResultRecordSize);
    const std::optional<ResultRecord> again = DecodeResultRecord(encoded);
    FUZZ_CHECK(again.has_value() && EncodeResultRecord(*again) == encoded);
}

} // namespace trelon::fuzz
