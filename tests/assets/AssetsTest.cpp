// The generated program folder: every picture and sound the sources name exists, and each
// generated file loads in the format and size the program reads.
#include "make_assets/AssetManifest.h"

#include "common/FileSystem.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace trelon::assets {
namespace {

QString toQString(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QByteArray readAsset(std::string_view name) {
    QFile file(resolvePath(QStringLiteral(TRELON_PROGRAM_DIR), toQString(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le(const QByteArray& bytes, int offset, int size) {
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<quint8>(bytes.at(offset + i));
    }
    return v;
}

// Quoted names of pictures and sounds in the program's sources.
QStringList namesInSources() {
    static const QRegularExpression quoted(QStringLiteral(R"re("([^"\\/]+\.(bmp|wav|png))")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& folder : {QStringLiteral("/src"), QStringLiteral("/app")}) {
        QDirIterator it(QStringLiteral(TRELON_SOURCE_DIR) + folder,
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly)) {
                for (const auto& match : quoted.globalMatch(QString::fromUtf8(file.readAll()))) {
                    names << match.captured(1);
                }
            }
        }
    }
    return names;
}

TEST(Assets, EveryNamedFileExistsAndLoadsInTheFormatTheProgramReads) {
    // Settings hold these two sound names but no procedure ever plays them.
    const QStringList neverOpened = {QStringLiteral("Ping.Wav"), QStringLiteral("Pong.Wav")};
    const QStringList names = namesInSources();
    ASSERT_GT(names.size(), 50); // the procedures' picture tables alone name more
    for (const QString& name : names) {
        EXPECT_TRUE(neverOpened.contains(name) ||
                    existsIgnoringCase(QStringLiteral(TRELON_PROGRAM_DIR), name))
            << name.toStdString();
    }
    for (const std::string_view alias : kCaseAliases) {
        EXPECT_FALSE(readAsset(alias).isEmpty()) << alias;
    }

    for (const AssetFile& file : kAssetFiles) {
        SCOPED_TRACE(std::string(file.name));
        const QByteArray bytes = readAsset(file.name);
        ASSERT_GE(bytes.size(), 54);
        if (file.role == Role::Sound) {
            // 16-bit mono PCM, shorter than a second.
            ASSERT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 8) == QByteArray("WAVEfmt "));
            EXPECT_EQ(le(bytes, 20, 2), 1u);
            EXPECT_EQ(le(bytes, 22, 2), 1u);
            EXPECT_EQ(le(bytes, 34, 2), 16u);
            ASSERT_EQ(bytes.mid(36, 4), QByteArray("data"));
            EXPECT_EQ(le(bytes, 40, 4) + 44, static_cast<quint32>(bytes.size()));
            EXPECT_LT(le(bytes, 40, 4) / 2, le(bytes, 24, 4));
            continue;
        }
        const QImage picture = QImage::fromData(bytes);
        ASSERT_FALSE(picture.isNull());
        if (file.name.ends_with(".png")) {
            EXPECT_TRUE(picture.hasAlphaChannel());
            if (file.role == Role::Cursor) {
                EXPECT_EQ(picture.size(), QSize(32, 32));
            }
            continue;
        }
        // Uncompressed Windows bitmaps with the 40-byte header: 8-bit for the base palette,
        // 24-bit for every picture.
        ASSERT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(le(bytes, 2, 4), static_cast<quint32>(bytes.size()));
        EXPECT_EQ(le(bytes, 14, 4), 40u);
        EXPECT_EQ(le(bytes, 28, 2), file.role == Role::BasePalette ? 8u : 24u);
        EXPECT_EQ(le(bytes, 30, 4), 0u);
        if (file.role == Role::TwoPart || file.role == Role::TwoPartFusion) {
            // Angle measurement refuses pictures taller than half the screen.
            EXPECT_LE(picture.height(), 768 / 3);
            EXPECT_LE(picture.width(), 1024 / 4);
        }
    }
    EXPECT_EQ(QImage::fromData(readAsset("Splash1.bmp")).size(), QSize(169, 130));
    EXPECT_EQ(QImage::fromData(readAsset("Splash2.bmp")).size(), QSize(190, 212));
}

} // namespace
} // namespace trelon::assets
