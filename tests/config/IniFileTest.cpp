#include "config/IniFile.h"

#include "config/ConfigTestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace trelon;
using namespace trelon::test;

namespace {

QString unableToWrite(const QString& path) {
    return QStringLiteral("Unable to write to ") + QFileInfo(path).absoluteFilePath();
}

} // namespace

TEST(IniFileRead, SectionsAndKeysIgnoreLetterCaseCyrillicToo) {
    const IniFile ini = IniFile::fromBytes(iniBytes({
        QStringLiteral("[Default]"),
        QStringLiteral("MM_500Pixel=150"),
        QStringLiteral("[Форма]"),
        QStringLiteral("Кнопка=Ёлка"),
        QStringLiteral("ColorЯ=7"),
    }));
    EXPECT_EQ(ini.value(QStringLiteral("default"), QStringLiteral("mm_500pixel")),
              QStringLiteral("150"));
    EXPECT_EQ(ini.value(QStringLiteral("DEFAULT"), QStringLiteral("MM_500PIXEL")),
              QStringLiteral("150"));
    EXPECT_EQ(ini.value(QStringLiteral("ФОРМА"), QStringLiteral("кнопка")), QStringLiteral("Ёлка"));
    EXPECT_EQ(ini.value(QStringLiteral("форма"), QStringLiteral("COLORя")), QStringLiteral("7"));
    EXPECT_FALSE(ini.value(QStringLiteral("Default"), QStringLiteral("Кнопка")));
    EXPECT_FALSE(ini.value(QStringLiteral("Форма"), QStringLiteral("MM_500Pixel")));
}

TEST(IniFileRead, TrimsBlanksAndOnePairOfEnclosingQuotes) {
    const IniFile ini = IniFile::fromBytes(iniBytes({
        QStringLiteral("  [ S ]  "),
        QStringLiteral("  spaced \t=\t  two words  "),
        QStringLiteral("double=\"  kept inside  \""),
        QStringLiteral("single='x'"),
        QStringLiteral("twice=\"\"x\"\""),
        QStringLiteral("mixed=\"x'"),
        QStringLiteral("lone=\""),
        QStringLiteral("inner=a\"b\"c"),
        QStringLiteral("empty="),
        QStringLiteral("blank=   "),
        QStringLiteral("eq=a=b"),
    }));
    const QString s = QStringLiteral("s");
    EXPECT_EQ(ini.value(s, QStringLiteral("spaced")), QStringLiteral("two words"));
    EXPECT_EQ(ini.value(s, QStringLiteral("double")), QStringLiteral("  kept inside  "));
    EXPECT_EQ(ini.value(s, QStringLiteral("single")), QStringLiteral("x"));
    EXPECT_EQ(ini.value(s, QStringLiteral("twice")), QStringLiteral("\"x\""));
    EXPECT_EQ(ini.value(s, QStringLiteral("mixed")), QStringLiteral("\"x'"));
    EXPECT_EQ(ini.value(s, QStringLiteral("lone")), QStringLiteral("\""));
    EXPECT_EQ(ini.value(s, QStringLiteral("inner")), QStringLiteral("a\"b\"c"));
    EXPECT_EQ(ini.value(s, QStringLiteral("empty")), QString());
    EXPECT_TRUE(ini.value(s, QStringLiteral("empty")).has_value());
    EXPECT_EQ(ini.value(s, QStringLiteral("blank")), QString());
    EXPECT_EQ(ini.value(s, QStringLiteral("eq")), QStringLiteral("a=b"));
}

TEST(IniFileRead, CutsValuesTo2047CharactersAfterRemovingQuotes) {
    const QString longValue(3000, QLatin1Char('x'));
    const QString exact(2047, QLatin1Char('y'));
    const IniFile ini = IniFile::fromBytes(iniBytes({
        QStringLiteral("[S]"),
        QStringLiteral("long=") + longValue,
        QStringLiteral("quoted=\"") + exact + QStringLiteral("\""),
    }));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("long")), longValue.left(2047));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("quoted")), exact);
}

TEST(IniFileRead, FirstOccurrenceWinsAndStrayLinesAreIgnored) {
    const IniFile ini = IniFile::fromBytes(iniBytes({
        QStringLiteral("orphan=before any section"),
        QStringLiteral("[S]"),
        QStringLiteral("key=first"),
        QStringLiteral("no equals sign here"),
        QStringLiteral("; comment=not a key"),
        QStringLiteral("KEY=second"),
        QStringLiteral("[Other]"),
        QStringLiteral("late=other"),
        QStringLiteral("[s]"),
        QStringLiteral("key=third"),
        QStringLiteral("late=repeated section"),
    }));
    const QString s = QStringLiteral("S");
    EXPECT_EQ(ini.value(s, QStringLiteral("key")), QStringLiteral("first"));
    EXPECT_EQ(ini.value(s, QStringLiteral("late")), QStringLiteral("repeated section"));
    EXPECT_FALSE(ini.value(s, QStringLiteral("no equals sign here")));
    EXPECT_FALSE(ini.value(s, QStringLiteral("; comment")));
    EXPECT_FALSE(ini.value(QString(), QStringLiteral("orphan")));
    EXPECT_EQ(ini.read(s, QStringLiteral("missing"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_EQ(ini.read(QStringLiteral("none"), QStringLiteral("key"), QStringLiteral("def")),
              QStringLiteral("def"));
}

TEST(IniFileRead, AcceptsBareLineFeedsAndAnUnterminatedLastLine) {
    const IniFile ini = IniFile::fromBytes("[S]\na=1\r\nb=2");
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("b")), QStringLiteral("2"));
}

// A file saved as UTF-8 with a byte order mark, with CR-only and mixed line ends: its first
// section is read (a calibrated scale must not fall back to the default) and a rewrite keeps
// the mark and every other byte, adding no second section.
TEST(IniFileWrite, AByteOrderMarkAndCrOnlyLineEndsAreReadAndKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Class.ini"));
    const QByteArray before = "\xEF\xBB\xBF[Default]\rMM_500Pixel=160\rkp=2\r\n";
    writeBytes(path, before);
    EXPECT_EQ(IniFile::load(path).value(QStringLiteral("Default"), QStringLiteral("kp")),
              QStringLiteral("2"));
    ASSERT_TRUE(IniFile::writeKey(path, QStringLiteral("Default"), QStringLiteral("MM_500Pixel"),
                                  QStringLiteral("150"))
                    .ok());
    EXPECT_EQ(readBytes(path), QByteArray("\xEF\xBB\xBF[Default]\rMM_500Pixel=150\rkp=2\r\n"));
}

TEST(IniFileRead, MissingOrUnreadableFileReadsAsEmpty) {
    QTemporaryDir dir;
    const IniFile missing = IniFile::load(dir.filePath(QStringLiteral("none.ini")));
    EXPECT_FALSE(missing.value(QStringLiteral("Default"), QStringLiteral("a")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    const IniFile folder = IniFile::load(dir.filePath(QStringLiteral("folder.ini")));
    EXPECT_EQ(folder.read(QStringLiteral("Default"), QStringLiteral("a"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniFileWrite, ChangesAValueInPlaceAndKeepsEveryOtherByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Class.ini"));
    // "Настройки" and "Дом" in raw Windows-1251, a tab, a bare LF line and no final line end.
    const QByteArray before = "; \xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8\r\n"
                              "\r\n"
                              "[default]\r\n"
                              "  mm_500pixel \t= 145\r\n"
                              "Dom=\xc4\xee\xec\n"
                              "\r\n"
                              "[Other]\r\n"
                              "MM_500Pixel=1";
    writeBytes(path, before);
    ASSERT_TRUE(IniFile::writeKey(path, QStringLiteral("Default"), QStringLiteral("MM_500Pixel"),
                                  QStringLiteral("150"))
                    .ok());
    QByteArray expected = before;
    expected.replace("  mm_500pixel \t= 145\r\n", "  mm_500pixel=150\r\n");
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(IniFile::load(path).value(QStringLiteral("Other"), QStringLiteral("MM_500Pixel")),
              QStringLiteral("1"));
}

TEST(IniFileWrite, AddsNewKeysAtTheEndOfTheirSection) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Class.ini"));
    writeBytes(path, "[Default]\r\nA=1\r\n\r\n[Other]\r\nB=2");
    ASSERT_TRUE(IniFile::writeKeys(path, QStringLiteral("DEFAULT"),
                                   {{QStringLiteral("New1"), QStringLiteral("x")},
                                    {QStringLiteral("a"), QStringLiteral("9")},
                                    {QStringLiteral("New2"), QStringLiteral("")}})
                    .ok());
    EXPECT_EQ(readBytes(path),
              QByteArray("[Default]\r\nA=9\r\nNew1=x\r\nNew2=\r\n\r\n[Other]\r\nB=2"));

    // A key of the last section goes after its unterminated last line.
    ASSERT_TRUE(
        IniFile::writeKey(path, QStringLiteral("Other"), QStringLiteral("C"), QStringLiteral("3"))
            .ok());
    EXPECT_EQ(readBytes(path),
              QByteArray("[Default]\r\nA=9\r\nNew1=x\r\nNew2=\r\n\r\n[Other]\r\nB=2\r\nC=3\r\n"));
}

TEST(IniFileWrite, AddsAMissingSectionAndCreatesAMissingFile) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("Lang.ini"));
    writeBytes(existing, "[ColorForm]\r\nTitle=x");
    ASSERT_TRUE(IniFile::writeKey(existing, QStringLiteral("Default"), QStringLiteral("Key"),
                                  QStringLiteral("v"))
                    .ok());
    EXPECT_EQ(readBytes(existing), QByteArray("[ColorForm]\r\nTitle=x\r\n[Default]\r\nKey=v\r\n"));

    const QString created = dir.filePath(QStringLiteral("Class.ini"));
    ASSERT_TRUE(IniFile::writeKey(created, QStringLiteral("Default"), QStringLiteral("Имя"),
                                  QStringLiteral("Ёж"))
                    .ok());
    EXPECT_EQ(readBytes(created), QByteArray("[Default]\r\n\xc8\xec\xff=\xa8\xe6\r\n"));
    EXPECT_EQ(IniFile::load(created).value(QStringLiteral("default"), QStringLiteral("ИМЯ")),
              QStringLiteral("Ёж"));
}

TEST(IniFileWrite, RefusesTextThatWouldNotReadBackAndLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Class.ini"));
    const QByteArray before = "[Default]\r\nA=1\r\n";
    writeBytes(path, before);
    const QString section = QStringLiteral("Default");
    const QList<QPair<QString, QString>> refused = {
        {QStringLiteral("A"), QStringLiteral("\u4E2D")},      // no Windows-1251 form
        {QStringLiteral("A"), QStringLiteral("1\r\n[Evil]")}, // would add a line
        {QStringLiteral("B=C"), QStringLiteral("1")},         // '=' in the key
        {QStringLiteral(" A"), QStringLiteral("1")},          // reads back as another key
        {QStringLiteral(""), QStringLiteral("1")},
        {QStringLiteral("[A]"), QStringLiteral("1")},
    };
    for (const auto& [key, value] : refused) {
        const FileResult result = IniFile::writeKeys(
            path, section, {{QStringLiteral("Good"), QStringLiteral("2")}, {key, value}});
        EXPECT_EQ(result.error, unableToWrite(path)) << key.toStdString();
    }
    EXPECT_FALSE(
        IniFile::writeKey(path, QStringLiteral("a]b"), QStringLiteral("k"), QStringLiteral("v"))
            .ok());
    EXPECT_EQ(readBytes(path), before);
}

TEST(IniFileWrite, UnwritablePlacesReportTheFullPath) {
    QTemporaryDir dir;
    // A folder that is really a regular file.
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    writeBytes(plainFile, "x");
    const QString underFile = plainFile + QStringLiteral("/Class.ini");
    EXPECT_EQ(IniFile::writeKey(underFile, QStringLiteral("Default"), QStringLiteral("A"),
                                QStringLiteral("1"))
                  .error,
              unableToWrite(underFile));
    EXPECT_EQ(readBytes(plainFile), QByteArray("x"));

    // The file name is taken by a folder.
    const QString folder = dir.filePath(QStringLiteral("Class.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Class.ini")));
    EXPECT_EQ(IniFile::writeKey(folder, QStringLiteral("Default"), QStringLiteral("A"),
                                QStringLiteral("1"))
                  .error,
              unableToWrite(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A relative path is reported in full.
    const QString relative = QStringLiteral("no-such-folder-for-ini-test/Class.ini");
    const FileResult result =
        IniFile::writeKey(relative, QStringLiteral("Default"), QStringLiteral("A"), {});
    EXPECT_EQ(result.error, unableToWrite(relative));
    EXPECT_TRUE(QFileInfo(result.error.mid(19)).isAbsolute());
}
