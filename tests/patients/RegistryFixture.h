#pragma once
// The patient store and panel over a fresh temporary program folder, with scripted dialogs.
#include "common/Cp1251.h"
#include "patients/PatientPanel.h"
#include "support/FakeDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace trelon::test {

inline QByteArray cp1251(const QString& text) {
    return toCp1251(text).value();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        texts.FolderNotWritable = QStringLiteral("В эту папку или файл нельзя записать!");
        texts.DeletingPatient = QStringLiteral("Удаляется пациент");
        paths.ProgramDir = tmp.path() + QLatin1Char('/');
        // The user's remembered data folder of this test only.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path() + QStringLiteral("/.config")));
        store = std::make_unique<PatientStore>(paths, texts, dialogs);
        panel = std::make_unique<PatientPanel>(*store, texts, dialogs);
    }
    // Every error box must be one the test asked for.
    void TearDown() override {
        if (!errorsExpected) {
            EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        }
    }

    QString dir() const { return paths.ProgramDir; }
    QString people() const { return dir() + QStringLiteral("People.txt"); }

    // Program folder as data folder with People.txt holding bytes, list loaded.
    void start(const QByteArray& peopleBytes) {
        writeBytes(people(), peopleBytes);
        ASSERT_TRUE(store->SetUpDataFolder({}));
        ASSERT_TRUE(panel->LoadPatientList());
    }
    void add(const QString& name) {
        panel->setNewName(name);
        panel->addPatient();
    }
    int indexOf(const QString& name) const {
        return static_cast<int>(panel->listItems().indexOf(name));
    }

    QTemporaryDir tmp;
    Paths paths;
    SharedTexts texts;
    FakeDialogs dialogs;
    std::unique_ptr<PatientStore> store;
    std::unique_ptr<PatientPanel> panel;
    bool errorsExpected = false;
};

} // namespace trelon::test
