// The generated program folder: every file the program names exists, the file formats are
// the ones Windows programs read, the base palette keeps the entries pictures land in, and
// the sounds are short and audible.
#include "AssetReading.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trelon::assets::testing {
namespace {

// Quoted names of pictures and sounds in the program's sources.
QSet<QString> namesInSources() {
    static const QRegularExpression quoted(QStringLiteral(R"re("([^"\\/]+\.(bmp|wav|png))")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> names;
    const QString root = QStringLiteral(TRELON_SOURCE_DIR);
    for (const QString& folder : {QStringLiteral("/src"), QStringLiteral("/app")}) {
        QDirIterator it(root + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : quoted.globalMatch(text))
                names.insert(match.captured(1));
        }
    }
    return names;
}

TEST(AssetFiles, EveryPictureAndSoundNamedInTheSourcesExists) {
    // Settings hold these two sound names but no procedure ever plays them.
    const QSet<QString> neverOpened = {QStringLiteral("Ping.Wav"), QStringLiteral("Pong.Wav")};
    const QSet<QString> names = namesInSources();
    // The picture tables of the procedures alone name more than fifty files.
    ASSERT_GT(names.size(), 50);
    for (const QString& name : names) {
        if (neverOpened.contains(name))
            continue;
        EXPECT_TRUE(existsIgnoringCase(programDir(), name)) << name.toStdString();
    }
}

TEST(AssetFiles, EveryGeneratedFileAndCaseAliasExists) {
    for (const AssetFile& file : kAssetFiles)
        EXPECT_FALSE(readAsset(file.name).isEmpty()) << file.name;
    for (const std::string_view alias : kCaseAliases)
        EXPECT_FALSE(readAsset(alias).isEmpty()) << alias;
}

TEST(AssetFiles, NoTwoGeneratedNamesDifferOnlyInCase) {
    // They would be one file for the program's case-insensitive lookup.
    QSet<QString> seen;
    for (const AssetFile& file : kAssetFiles) {
        const QString lower = toQString(file.name).toLower();
        EXPECT_FALSE(seen.contains(lower)) << file.name;
        seen.insert(lower);
    }
}

TEST(AssetFiles, GeneratorWritesTheSameBytesOnEveryRun) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(TRELON_TOOLS_DIR "/make_assets"),
                    {dir.path(), dir.filePath(QStringLiteral("sheet.png"))});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const AssetFile& file : kAssetFiles) {
        QFile again(dir.filePath(toQString(file.name)));
        ASSERT_TRUE(again.open(QIODevice::ReadOnly)) << file.name;
        EXPECT_EQ(again.readAll(), readAsset(file.name)) << file.name;
    }
}

TEST(Bitmaps, AreUncompressedBottomUpWithTheStandardInfoHeader) {
    for (const AssetFile& file : kAssetFiles) {
        if (!file.name.ends_with(".bmp"))
            continue;
        const QByteArray bytes = readAsset(file.name);
        const BmpHeader h = parseBmp(bytes);
        SCOPED_TRACE(std::string(file.name));
        EXPECT_EQ(h.fileSize, static_cast<quint32>(bytes.size()));
        EXPECT_EQ(h.infoSize, 40u);
        EXPECT_GT(h.width, 0);
        EXPECT_GT(h.height, 0);
        EXPECT_EQ(h.compression, 0u);
        EXPECT_EQ(h.bitCount, file.role == Role::BasePalette ? 8 : 24);
        const int stride = ((h.width * h.bitCount + 31) / 32) * 4;
        EXPECT_EQ(h.pixelOffset + static_cast<quint32>(stride * h.height), h.fileSize);
        // Bottom-up rows: the first stored row is the picture's last one.
        const QImage picture = loadAsset(file.name);
        ASSERT_EQ(picture.size(), QSize(h.width, h.height));
        if (h.bitCount == 24) {
            const QRgb lastRowFirst = picture.pixel(0, h.height - 1);
            const auto at = static_cast<int>(h.pixelOffset);
            EXPECT_EQ(static_cast<quint8>(bytes[at]), qBlue(lastRowFirst));
            EXPECT_EQ(static_cast<quint8>(bytes[at + 2]), qRed(lastRowFirst));
        }
    }
}

TEST(BasePalette, KeepsBlackRedBlueAndWhiteWherePicturesLandInThem) {
    // Read as the display set-up reads it: file header, 40-byte info header, 1024 bytes of
    // blue-green-red-reserved quads.
    const QByteArray bytes = readAsset("lake.bmp");
    ASSERT_GE(bytes.size(), 14 + 40 + 1024);
    const BmpHeader h = parseBmp(bytes);
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_LE(h.bitCount, 8);
    EXPECT_TRUE(h.coloursUsed == 0 || h.coloursUsed == 256) << h.coloursUsed;
    auto entry = [&](int i) {
        const int at = 54 + 4 * i;
        return qRgb(static_cast<quint8>(bytes[at + 2]), static_cast<quint8>(bytes[at + 1]),
                    static_cast<quint8>(bytes[at]));
    };
    EXPECT_EQ(entry(0), qRgb(0, 0, 0));
    EXPECT_EQ(entry(249), qRgb(255, 0, 0));
    EXPECT_EQ(entry(252), qRgb(0, 0, 255));
    EXPECT_EQ(entry(255), qRgb(255, 255, 255));
    // No other entry duplicates the four, so a picture colour has one nearest entry.
    for (int i = 1; i < 255; ++i) {
        if (i == 249 || i == 252)
            continue;
        for (const QRgb c : {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)})
            EXPECT_NE(entry(i), c) << "entry " << i;
    }
}

TEST(ShellPictures, SplashPicturesGlyphAndCursorHaveTheirSizes) {
    EXPECT_EQ(loadAsset("Splash1.bmp").size(), QSize(169, 130));
    EXPECT_EQ(loadAsset("Splash2.bmp").size(), QSize(190, 212));

    const QImage glyph = QImage::fromData(readAsset("AddGlyph.png"));
    ASSERT_FALSE(glyph.isNull());
    EXPECT_TRUE(glyph.hasAlphaChannel());
    EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0); // corner shows the button through
    EXPECT_EQ(qAlpha(glyph.pixel(glyph.width() / 2, glyph.height() / 2)), 255);

    const QImage cursor = QImage::fromData(readAsset("ZEP_CUR.png"));
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    EXPECT_TRUE(cursor.hasAlphaChannel());
    EXPECT_EQ(qAlpha(cursor.pixel(0, 0)), 255); // the hot spot is the arrow's tip
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
}

TEST(Sounds, ArePcmWavUnderASecondAndAudible) {
    for (const AssetFile& file : filesOfRole(Role::Sound)) {
        SCOPED_TRACE(std::string(file.name));
        const QByteArray bytes = readAsset(file.name);
        ASSERT_GE(bytes.size(), 44);
        EXPECT_TRUE(bytes.startsWith("RIFF"));
        EXPECT_EQ(le32(bytes, 4), static_cast<quint32>(bytes.size() - 8));
        EXPECT_EQ(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(le16(bytes, 20), 1);  // PCM
        EXPECT_EQ(le16(bytes, 22), 1);  // mono
        EXPECT_EQ(le16(bytes, 34), 16); // bits per sample
        const quint32 rate = le32(bytes, 24);
        EXPECT_EQ(le32(bytes, 28), rate * 2);
        ASSERT_EQ(bytes.mid(36, 4), QByteArray("data"));
        const quint32 dataSize = le32(bytes, 40);
        ASSERT_EQ(dataSize + 44, static_cast<quint32>(bytes.size()));
        const double seconds = dataSize / 2.0 / rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 1.0);
        int peak = 0;
        for (quint32 i = 0; i < dataSize / 2; ++i)
            peak = std::max(peak, std::abs(static_cast<qint16>(le16(bytes, 44 + 2 * i))));
        EXPECT_GT(peak, 32768 / 4);    // clearly audible
        EXPECT_LT(peak, 32767 * 0.95); // and not clipped
        // Starts and ends near silence, so playback does not click.
        EXPECT_LT(std::abs(static_cast<qint16>(le16(bytes, 44))), 2000);
        EXPECT_LT(std::abs(static_cast<qint16>(le16(bytes, bytes.size() - 2))), 2000);
    }
}

} // namespace
} // namespace trelon::assets::testing
