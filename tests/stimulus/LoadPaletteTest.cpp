#include "stimulus/PaletteRoutines.h"

#include "support/DisplayTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace trelon {
namespace {

using test::makeDevice;

PaletteEntry rgb(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), 0};
}

// An 8-bit picture whose colour table entry i is (i, 2i, 255 - i) for count entries.
QImage indexedPicture(int count) {
    QImage image(4, 4, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < count; ++i) {
        table.append(qRgb(i, (2 * i) & 0xFF, 255 - i));
    }
    image.setColorTable(table);
    image.fill(0);
    return image;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class LoadPaletteTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    PaletteTable load(const QString& name) {
        DisplayResult result = DisplayResult::Generic;
        auto palette = DDLoadPalette(*device, dir.path(), name, &result);
        EXPECT_EQ(result, DisplayResult::Ok);
        EXPECT_NE(palette, nullptr);
        return palette ? palette->entries() : PaletteTable{};
    }

    QTemporaryDir dir;
    std::shared_ptr<DisplayDevice> device = makeDevice();
};

TEST(DefaultPaletteTest, ThreeThreeTwoTable) {
    const PaletteTable table = defaultPaletteTable();
    EXPECT_EQ(table[0], rgb(0, 0, 0));
    EXPECT_EQ(table[255], rgb(255, 255, 255));
    EXPECT_EQ(table[0b10010110], rgb(4 * 255 / 7, 5 * 255 / 7, 2 * 255 / 3));
    EXPECT_EQ(table[3], rgb(0, 0, 255));
    EXPECT_EQ(table[224], rgb(255, 0, 0));
}

TEST_F(LoadPaletteTest, MissingFileGivesTheDefaultTable) {
    EXPECT_EQ(load(QStringLiteral("lake.bmp")), defaultPaletteTable());
}

TEST_F(LoadPaletteTest, EightBitBitmapGivesItsColourTableWithRedAndBlueInPlace) {
    ASSERT_TRUE(indexedPicture(256).save(path(QStringLiteral("Lake.BMP")), "BMP"));
    const QByteArray bytes = readAll(path(QStringLiteral("Lake.BMP")));
    ASSERT_EQ(bytes.at(14), 40);                                 // an ordinary 40-byte info header
    const PaletteTable table = load(QStringLiteral("lake.bmp")); // letter case ignored
    EXPECT_EQ(table[0], rgb(0, 0, 255));
    EXPECT_EQ(table[100], rgb(100, 200, 155));
    EXPECT_EQ(table[255], rgb(255, 254, 0));
}

TEST_F(LoadPaletteTest, ShortColourTableReplacesOnlyItsEntries) {
    // Sixteen colours (a 4-bit or an 8-bit file with 16 used colours): the rest stays 3-3-2.
    ASSERT_TRUE(indexedPicture(16).save(path(QStringLiteral("small.bmp")), "BMP"));
    const PaletteTable table = load(QStringLiteral("small.bmp"));
    EXPECT_EQ(table[15], rgb(15, 30, 240));
    EXPECT_EQ(table[16], defaultPaletteTable()[16]);
    EXPECT_EQ(table[255], rgb(255, 255, 255));
}

TEST_F(LoadPaletteTest, TwentyFourBitBitmapKeepsTheDefault) {
    QImage image(3, 3, QImage::Format_RGB888);
    image.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(image.save(path(QStringLiteral("deep.bmp")), "BMP"));
    EXPECT_EQ(load(QStringLiteral("deep.bmp")), defaultPaletteTable());
}

TEST_F(LoadPaletteTest, TruncatedBitmapReadsOnlyTheEntriesPresent) {
    ASSERT_TRUE(indexedPicture(256).save(path(QStringLiteral("full.bmp")), "BMP"));
    const QByteArray bytes = readAll(path(QStringLiteral("full.bmp")));
    // Headers and ten and a half colour quads.
    writeAll(path(QStringLiteral("cut.bmp")), bytes.left(54 + 42));
    PaletteTable table = load(QStringLiteral("cut.bmp"));
    EXPECT_EQ(table[9], rgb(9, 18, 246));
    EXPECT_EQ(table[10], defaultPaletteTable()[10]);
    // Cut inside the info header: nothing usable.
    writeAll(path(QStringLiteral("stub.bmp")), bytes.left(30));
    EXPECT_EQ(load(QStringLiteral("stub.bmp")), defaultPaletteTable());
    writeAll(path(QStringLiteral("empty.bmp")), QByteArray());
    EXPECT_EQ(load(QStringLiteral("empty.bmp")), defaultPaletteTable());
}

TEST(BitmapTableTest, HeaderRulesForFilesAndResources) {
    QByteArray bytes(14 + 108 + 4 * 256, '\0');
    auto put32 = [&bytes](int offset, quint32 value) {
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    put32(14, 108); // a larger info header
    bytes[14 + 14] = 8;
    put32(14 + 32, 0x7FFFFFFF); // absurd used-colour count: capped
    for (int i = 0; i < 256; ++i) {
        bytes[14 + 108 + 4 * i] = static_cast<char>(i); // blue
        bytes[14 + 108 + 4 * i + 2] = 7;                // red
    }
    // A file must have exactly the 40-byte header; a resource may have a larger one.
    EXPECT_EQ(paletteTableFromBitmap(bytes, false), defaultPaletteTable());
    const PaletteTable table = paletteTableFromBitmap(bytes, true);
    EXPECT_EQ(table[0], rgb(7, 0, 0));
    EXPECT_EQ(table[200], rgb(7, 0, 200));

    // Used-colour count 0 and 1 bit per pixel: two entries.
    put32(14, 40);
    bytes[14 + 14] = 1;
    put32(14 + 32, 0);
    const PaletteTable twoColours = paletteTableFromBitmap(bytes, false);
    EXPECT_EQ(twoColours[0], rgb(0, 0, 0)); // quads now start at offset 54
    EXPECT_EQ(twoColours[1], rgb(0, 0, 0));
    EXPECT_EQ(twoColours[2], defaultPaletteTable()[2]);
}

TEST_F(LoadPaletteTest, FailedCreationGivesNoPaletteAndItsCode) {
    DisplayFailures forced;
    forced.createPalette = true;
    device->setForcedFailures(forced);
    DisplayResult result = DisplayResult::Ok;
    EXPECT_EQ(DDLoadPalette(*device, dir.path(), QStringLiteral("lake.bmp"), &result), nullptr);
    EXPECT_EQ(result, DisplayResult::OutOfMemory);
}

} // namespace
} // namespace trelon
