#include "config/LangText.h"

#include "config/ConfigTestFiles.h"

#include <QTemporaryDir>

using namespace trelon;
using namespace trelon::test;

namespace {

const QString kColorForm = QStringLiteral("ColorForm");
const QString kSpecialForm = QStringLiteral("SpecialForm");

} // namespace

TEST(LangText, WithoutTheFileEveryTextIsItsDefault) {
    QTemporaryDir dir;
    const LangFile lang = LangFile::load(dir.path());
    EXPECT_EQ(lang.ReadText(kColorForm, QStringLiteral("HighContrast"), QStringLiteral("Записать")),
              QStringLiteral("Записать"));
    EXPECT_EQ(lang.ReadText(kColorForm, QStringLiteral("Exit"), QStringLiteral("Выход")),
              QStringLiteral("Выход"));
    EXPECT_EQ(ReadText(dir.path(), kSpecialForm, QStringLiteral("Title"),
                       QStringLiteral("Дополнительные параметры")),
              QStringLiteral("Дополнительные параметры"));
}

TEST(LangText, PresentKeysWinEvenWhenEmptyAndMissingOnesFallBack) {
    QTemporaryDir dir;
    // Lower-case file name, section and key; the Russian text in raw Windows-1251 bytes.
    writeBytes(dir.filePath(QStringLiteral("lang.ini")),
               "[colorform]\r\n"
               "Title=\r\n"
               "radiobuttonredblue=\xca\xf0\xe0\xf1\xed\xee-\xf1\xe8\xed\xe8\xe5\r\n"
               "Exit=  \"Close\"  \r\n"
               "[SpecialForm]\r\n"
               "Cancel=Back\r\n");
    const LangFile lang = LangFile::load(dir.path() + QStringLiteral("/"));
    EXPECT_EQ(lang.ReadText(kColorForm, QStringLiteral("Title"), QStringLiteral("Настройка цвета")),
              QString());
    EXPECT_EQ(lang.ReadText(kColorForm, QStringLiteral("RadioButtonRedBlue"), QStringLiteral("x")),
              QStringLiteral("Красно-синие"));
    // Exit of the calibration screen does not reach the additional parameters screen.
    EXPECT_EQ(lang.ReadText(kColorForm, QStringLiteral("Exit"), QStringLiteral("Выход")),
              QStringLiteral("Close"));
    EXPECT_EQ(lang.ReadText(kSpecialForm, QStringLiteral("Exit"), QStringLiteral("Применить")),
              QStringLiteral("Применить"));
    EXPECT_EQ(
        lang.ReadText(kColorForm, QStringLiteral("Cancel"), QStringLiteral("Отказ от изменений")),
        QStringLiteral("Отказ от изменений"));
    EXPECT_EQ(ReadText(dir.path(), kSpecialForm, QStringLiteral("CANCEL"), QStringLiteral("Отказ")),
              QStringLiteral("Back"));
    EXPECT_EQ(ReadText(dir.path(), QStringLiteral("ParamForm"), QStringLiteral("BitBtnSaveParam"),
                       QStringLiteral("Записать параметры...")),
              QStringLiteral("Записать параметры..."));
}

TEST(LangText, CyrillicSectionsAndKeysIgnoreLetterCase) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("Lang.ini")),
               iniBytes({QStringLiteral("[Экран]"), QStringLiteral("Ёлка=Зелёная")}));
    EXPECT_EQ(ReadText(dir.path(), QStringLiteral("ЭКРАН"), QStringLiteral("ёЛКА"), QString()),
              QStringLiteral("Зелёная"));
}
