#include "results/ResultRecordCodec.h"

#include "common/Cp1251.h"

#include <algorithm>
#include <bit>

namespace trelon {

namespace {

// Byte offsets of the fields; the gaps between them are padding or reserved.
constexpr int kPatientNumberAt = 0;
constexpr int kPatientNameAt = 4;
constexpr int kObjectNameAt = 55;
constexpr int kSessionDateAt = 72;
constexpr int kIsDiagnosticsAt = 80;
constexpr int kProcedureNumberAt = 82;
constexpr int kObjectNumberAt = 84;
constexpr int kObjectSizeAt = 88;
constexpr int kDistanceCmAt = 96;
constexpr int kFilterPositionAt = 104;
constexpr int kContrastLevelAt = 108;
constexpr int kValueXAt = 120;
constexpr int kValueYAt = 128;
constexpr int kFlickerVariantAt = 136;
constexpr int kFlickerHzAt = 138;
constexpr int kStepPixelsAt = 140;
constexpr int kPauseSecondsAt = 144;
constexpr int kMoveIntervalAt = 148;
constexpr int kWorkModeAt = 152;
constexpr int kSignTextAt = 156;
constexpr int kMarkPointsAt = 160;
constexpr int kDirectionValuesAt = 224;

static_assert(kDirectionValuesAt + 8 * 8 == kResultRecordSize);

// Little-endian writes into a zero-filled record.
class Writer {
public:
    explicit Writer(QByteArray& bytes) : bytes_(bytes) {}

    void unsignedAt(int offset, std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }
    void u8(int offset, std::uint8_t value) { unsignedAt(offset, value, 1); }
    void u16(int offset, std::uint16_t value) { unsignedAt(offset, value, 2); }
    void i32(int offset, std::int32_t value) {
        unsignedAt(offset, static_cast<std::uint32_t>(value), 4);
    }
    void f64(int offset, double value) {
        unsignedAt(offset, std::bit_cast<std::uint64_t>(value), 8);
    }
    void shortString(int offset, const QString& text, int capacity) {
        const QByteArray characters = encodeReplacing(text).left(capacity);
        u8(offset, static_cast<std::uint8_t>(characters.size()));
        for (int i = 0; i < characters.size(); ++i) {
            bytes_[offset + 1 + i] = characters[i];
        }
    }

private:
    // Windows-1251 bytes of text, one per character; a character (or surrogate pair) with
    // no Windows-1251 form becomes '?'.
    static QByteArray encodeReplacing(const QString& text) {
        if (const auto whole = toCp1251(text)) {
            return *whole;
        }
        QByteArray result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            qsizetype length = 1;
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                length = 2;
            }
            const auto one = toCp1251(text.mid(i, length));
            result += one && one->size() == 1 ? *one : QByteArray("?");
            i += length - 1;
        }
        return result;
    }

    QByteArray& bytes_;
};

// Little-endian reads from a record of full size.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    std::uint64_t unsignedAt(int offset, int size) const {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i) {
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[offset + i]))
                     << (8 * i);
        }
        return value;
    }
    std::uint8_t u8(int offset) const { return static_cast<std::uint8_t>(unsignedAt(offset, 1)); }
    std::uint16_t u16(int offset) const {
        return static_cast<std::uint16_t>(unsignedAt(offset, 2));
    }
    std::int32_t i32(int offset) const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(unsignedAt(offset, 4)));
    }
    double f64(int offset) const { return std::bit_cast<double>(unsignedAt(offset, 8)); }
    QString shortString(int offset, int capacity) const {
        const int length = std::min<int>(u8(offset), capacity);
        return fromCp1251(bytes_.mid(offset + 1, length));
    }

private:
    const QByteArray& bytes_;
};

} // namespace

QByteArray EncodeResultRecord(const ResultRecord& record) {
    QByteArray bytes(kResultRecordSize, '\0');
    Writer w(bytes);
    w.i32(kPatientNumberAt, record.PatientNumber);
    w.shortString(kPatientNameAt, record.PatientName, kPatientNameCapacity);
    w.shortString(kObjectNameAt, record.ObjectName, kObjectNameCapacity);
    w.f64(kSessionDateAt, record.SessionDate);
    w.u8(kIsDiagnosticsAt, record.IsDiagnostics);
    w.u16(kProcedureNumberAt, record.ProcedureNumber);
    w.u16(kObjectNumberAt, record.ObjectNumber);
    w.f64(kObjectSizeAt, record.ObjectSize);
    w.f64(kDistanceCmAt, record.DistanceCm);
    w.i32(kFilterPositionAt, record.FilterPosition);
    w.i32(kContrastLevelAt, record.ContrastLevel);
    w.f64(kValueXAt, record.ValueX);
    w.f64(kValueYAt, record.ValueY);
    w.u16(kFlickerVariantAt, record.FlickerVariant);
    w.u16(kFlickerHzAt, record.FlickerHz);
    w.i32(kStepPixelsAt, record.StepPixels);
    w.i32(kPauseSecondsAt, record.PauseSeconds);
    w.i32(kMoveIntervalAt, record.MoveInterval);
    w.i32(kWorkModeAt, record.WorkMode);
    w.shortString(kSignTextAt, record.SignText, kSignTextCapacity);
    for (int k = 0; k < 8; ++k) {
        w.i32(kMarkPointsAt + 8 * k, record.MarkPoints[k].x);
        w.i32(kMarkPointsAt + 8 * k + 4, record.MarkPoints[k].y);
        w.f64(kDirectionValuesAt + 8 * k, record.DirectionValues[k]);
    }
    return bytes;
}

std::optional<ResultRecord> DecodeResultRecord(const QByteArray& bytes) {
    if (bytes.size() != kResultRecordSize) {
        return std::nullopt;
    }
    const Reader r(bytes);
    ResultRecord record;
    record.PatientNumber = r.i32(kPatientNumberAt);
    record.PatientName = r.shortString(kPatientNameAt, kPatientNameCapacity);
    record.ObjectName = r.shortString(kObjectNameAt, kObjectNameCapacity);
    record.SessionDate = r.f64(kSessionDateAt);
    record.IsDiagnostics = r.u8(kIsDiagnosticsAt);
    record.ProcedureNumber = r.u16(kProcedureNumberAt);
    record.ObjectNumber = r.u16(kObjectNumberAt);
    record.ObjectSize = r.f64(kObjectSizeAt);
    record.DistanceCm = r.f64(kDistanceCmAt);
    record.FilterPosition = r.i32(kFilterPositionAt);
    record.ContrastLevel = r.i32(kContrastLevelAt);
    record.ValueX = r.f64(kValueXAt);
    record.ValueY = r.f64(kValueYAt);
    record.FlickerVariant = r.u16(kFlickerVariantAt);
    record.FlickerHz = r.u16(kFlickerHzAt);
    record.StepPixels = r.i32(kStepPixelsAt);
    record.PauseSeconds = r.i32(kPauseSecondsAt);
    record.MoveInterval = r.i32(kMoveIntervalAt);
    record.WorkMode = r.i32(kWorkModeAt);
    record.SignText = r.shortString(kSignTextAt, kSignTextCapacity);
    for (int k = 0; k < 8; ++k) {
        record.MarkPoints[k].x = r.i32(kMarkPointsAt + 8 * k);
        record.MarkPoints[k].y = r.i32(kMarkPointsAt + 8 * k + 4);
        record.DirectionValues[k] = r.f64(kDirectionValuesAt + 8 * k);
    }
    return record;
}

} // namespace trelon
