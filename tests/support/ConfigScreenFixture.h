#pragma once
// A program folder of its own (lake.bmp and a Class.ini the test writes), the settings loaded
// from it and the display taken: what the calibration and additional parameters screens need.
#include "config/ConfigTestFiles.h"
#include "config/LoadSettings.h"
#include "state/SharedState.h"
#include "stimulus/DisplaySetup.h"
#include "support/FakeDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trelon::test {

// Lines given as UTF-8 literals.
inline QStringList utf8Lines(std::initializer_list<const char*> lines) {
    QStringList result;
    for (const char* line : lines) {
        result << QString::fromUtf8(line);
    }
    return result;
}

class ConfigScreenFixture : public ::testing::Test {
protected:
    static constexpr QSize kScreen{1024, 768};

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.paths.ProgramDir = dir.path() + QLatin1Char('/');
        ASSERT_TRUE(QFile::copy(QStringLiteral(TRELON_PROGRAM_DIR "/lake.bmp"),
                                dir.filePath(QStringLiteral("lake.bmp"))));
        ASSERT_TRUE(StartDisplay(state.display, state.roles, state.PaletteShift,
                                 state.paths.ProgramDir, kScreen)
                        .ok);
    }

    // Writes Class.ini from lines and loads the settings from it, as the start does.
    void startWith(const QStringList& lines) {
        original = iniBytes(lines);
        writeBytes(iniPath(), original);
        ASSERT_TRUE(LoadSettings(state.settings, state.paths.ProgramDir).ok());
    }
    QString iniPath() const { return dir.filePath(QStringLiteral("Class.ini")); }
    QByteArray stored() const { return readBytes(iniPath()); }

    QTemporaryDir dir;
    SharedState state;
    FakeDialogs dialogs;
    QByteArray original; // the Class.ini bytes the test started with
};

} // namespace trelon::test
