#include "results/ResultRecordCodec.h"
#include "common/Cp1251.h"

#include <QByteArray>
#include <cstring>
#include <gtest/gtest.h>

using namespace trelon;

namespace {

// Hand-written little-endian bytes, independent of the encoder.
void putBytes(QByteArray& bytes, int offset, std::initializer_list<int> values) {
    int i = offset;
    for (const int v : values) {
        bytes[i++] = static_cast<char>(v);
    }
}

void putText(QByteArray& bytes, int offset, const QByteArray& cp1251) {
    bytes[offset] = static_cast<char>(cp1251.size());
    for (int i = 0; i < cp1251.size(); ++i) {
        bytes[offset + 1 + i] = cp1251[i];
    }
}

ResultRecord sampleRecord() {
    ResultRecord r;
    r.PatientNumber = 0x01020304;
    r.PatientName = QStringLiteral("Иванов");
    r.ObjectName = QStringLiteral("Кольцо");
    r.SessionDate = 46363.0;
    r.IsDiagnostics = 1;
    r.ProcedureNumber = 2;
    r.ObjectNumber = 0x0304;
    r.ObjectSize = 1.5;
    r.DistanceCm = 100.0;
    r.FilterPosition = 2;
    r.ContrastLevel = 3;
    r.ValueX = -2.5;
    r.ValueY = 0.25;
    r.FlickerVariant = 0xABCD;
    r.FlickerHz = 125;
    r.StepPixels = -1;
    r.PauseSeconds = 15;
    r.MoveInterval = 0x7FFFFFFF;
    r.WorkMode = 315;
    r.SignText = QStringLiteral("+");
    for (int k = 0; k < 8; ++k) {
        r.MarkPoints[k] = {100 + k, -(200 + k)};
        r.DirectionValues[k] = 0.5 * (k + 1);
    }
    return r;
}

} // namespace

TEST(ResultRecordCodec, PutsEveryFieldAtItsOffsetLittleEndian) {
    QByteArray expected(288, '\0');
    putBytes(expected, 0, {0x04, 0x03, 0x02, 0x01});
    // "Иванов" in Windows-1251: C8 E2 E0 ED EE E2
    putText(expected, 4, QByteArray("\xC8\xE2\xE0\xED\xEE\xE2"));
    // "Кольцо": CA EE EB FC F6 EE
    putText(expected, 55, QByteArray("\xCA\xEE\xEB\xFC\xF6\xEE"));
    putBytes(expected, 72, {0x00, 0x00, 0x00, 0x00, 0x60, 0xA3, 0xE6, 0x40}); // 46363.0
    putBytes(expected, 80, {0x01});
    putBytes(expected, 82, {0x02, 0x00});
    putBytes(expected, 84, {0x04, 0x03});
    putBytes(expected, 88, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}); // 1.5
    putBytes(expected, 96, {0, 0, 0, 0, 0, 0, 0x59, 0x40}); // 100.0
    putBytes(expected, 104, {0x02, 0, 0, 0});
    putBytes(expected, 108, {0x03, 0, 0, 0});
    putBytes(expected, 120, {0, 0, 0, 0, 0, 0, 0x04, 0xC0}); // -2.5
    putBytes(expected, 128, {0, 0, 0, 0, 0, 0, 0xD0, 0x3F}); // 0.25
    putBytes(expected, 136, {0xCD, 0xAB});
    putBytes(expected, 138, {0x7D, 0x00});
    putBytes(expected, 140, {0xFF, 0xFF, 0xFF, 0xFF});
    putBytes(expected, 144, {0x0F, 0, 0, 0});
    putBytes(expected, 148, {0xFF, 0xFF, 0xFF, 0x7F});
    putBytes(expected, 152, {0x3B, 0x01, 0, 0}); // 315
    putText(expected, 156, QByteArray("+"));
    for (int k = 0; k < 8; ++k) {
        const int x = 100 + k;
        const unsigned y = static_cast<unsigned>(-(200 + k));
        putBytes(expected, 160 + 8 * k, {x, 0, 0, 0});
        putBytes(expected, 164 + 8 * k,
                 {static_cast<int>(y & 0xFF), static_cast<int>((y >> 8) & 0xFF), 0xFF, 0xFF});
    }
    // 0.5 .. 4.0 in steps of 0.5: the upper two bytes of each double.
    const int high[8][2] = {{0xE0, 0x3F}, {0xF0, 0x3F}, {0xF8, 0x3F}, {0x00, 0x40},
                            {0x04, 0x40}, {0x08, 0x40}, {0x0C, 0x40}, {0x10, 0x40}};
    for (int k = 0; k < 8; ++k) {
        putBytes(expected, 224 + 8 * k + 6, {high[k][0], high[k][1]});
    }

    const QByteArray bytes = EncodeResultRecord(sampleRecord());
    ASSERT_EQ(bytes.size(), 288);
    for (int i = 0; i < 288; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(expected[i]))
            << "byte " << i;
    }
}

TEST(ResultRecordCodec, DefaultRecordIsAllZero) {
    EXPECT_EQ(EncodeResultRecord(ResultRecord{}), QByteArray(288, '\0'));
}

TEST(ResultRecordCodec, RoundTripsEveryField) {
    const ResultRecord original = sampleRecord();
    const auto decoded = DecodeResultRecord(EncodeResultRecord(original));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, original);
}

TEST(ResultRecordCodec, StringsAreCutToTheirCapacity) {
    ResultRecord r;
    r.PatientName = QString(50, QChar(0x0416)); // 50 × "Ж": stored whole
    r.ObjectName = QStringLiteral("Звезда в круге");
    r.SignText = QStringLiteral("+++++");
    QByteArray bytes = EncodeResultRecord(r);
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 50);
    EXPECT_EQ(bytes.mid(5, 50), QByteArray(50, '\xC6'));
    EXPECT_EQ(static_cast<unsigned char>(bytes[55]), 12);
    EXPECT_EQ(bytes[68], '\0'); // padding after the caption stays zero
    EXPECT_EQ(static_cast<unsigned char>(bytes[156]), 3);

    const auto decoded = DecodeResultRecord(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->PatientName, r.PatientName);
    EXPECT_EQ(decoded->ObjectName, QStringLiteral("Звезда в кру"));
    EXPECT_EQ(decoded->SignText, QStringLiteral("+++"));

    r.PatientName += QStringLiteral("Ы"); // 51 characters: the last is cut
    bytes = EncodeResultRecord(r);
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 50);
    EXPECT_EQ(bytes[55], '\x0C'); // the caption's length byte right after is untouched
}

TEST(ResultRecordCodec, CharactersWithoutWindows1251FormBecomeQuestionMarks) {
    ResultRecord r;
    r.PatientName = QStringLiteral("Ли \u4E2D\U0001F600!");
    const QByteArray bytes = EncodeResultRecord(r);
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 6);
    EXPECT_EQ(bytes.mid(5, 6), QByteArray("\xCB\xE8 ?"
                                          "?!"));
}

TEST(ResultRecordCodec, DecodingClampsLengthBytesAndIgnoresGarbage) {
    QByteArray bytes(288, '\0');
    bytes[4] = static_cast<char>(255); // name length beyond its capacity of 50
    for (int i = 5; i < 55; ++i) {
        bytes[i] = 'a';
    }
    bytes[55] = static_cast<char>(200); // caption length beyond 12; must not read past it
    for (int i = 56; i < 72; ++i) {
        bytes[i] = 'b'; // caption, then padding holding rubbish
    }
    bytes[156] = 2;
    bytes[157] = '+';
    bytes[158] = '+';
    bytes[159] = 'x';                               // after the sign's characters: ignored
    putBytes(bytes, 112, {1, 2, 3, 4, 5, 6, 7, 8}); // reserved

    const auto decoded = DecodeResultRecord(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->PatientName, QString(50, QLatin1Char('a')));
    EXPECT_EQ(decoded->ObjectName, QString(12, QLatin1Char('b')));
    EXPECT_EQ(decoded->SignText, QStringLiteral("++"));
    EXPECT_EQ(decoded->SessionDate, 0.0);
    EXPECT_EQ(decoded->ValueX, 0.0);
}

TEST(ResultRecordCodec, RefusesBytesOfAnotherSize) {
    EXPECT_FALSE(DecodeResultRecord(QByteArray(287, '\0')).has_value());
    EXPECT_FALSE(DecodeResultRecord(QByteArray(289, '\0')).has_value());
    EXPECT_FALSE(DecodeResultRecord(QByteArray()).has_value());
}
