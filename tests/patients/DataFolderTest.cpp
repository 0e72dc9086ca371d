#include "config/UserFiles.h"
#include "patients/RegistryFixture.h"

#include <QFileInfo>

using namespace trelon;
using namespace trelon::test;

namespace {

// Root ignores permission bits, so an unwritable folder is made from paths that no user can
// write through: a "folder" below a regular file, or one whose People.txt is a folder.
QString folderBelowFile(const QString& base) {
    writeBytes(base + QStringLiteral("/plain-file"), "x");
    return base + QStringLiteral("/plain-file/data/");
}

} // namespace

class DataFolderTest : public RegistryTest {};

TEST_F(DataFolderTest, WritableProgramFolderBecomesTheDataFolder) {
    writeBytes(dir() + QStringLiteral("people.TXT"), "A\r\n1\r\n"); // found regardless of case
    int splashHidden = 0;
    ASSERT_TRUE(store->SetUpDataFolder([&] { ++splashHidden; }));

    EXPECT_EQ(paths.DataDir, dir());
    EXPECT_EQ(paths.PeopleFilePath, dir() + QStringLiteral("people.TXT"));
    EXPECT_EQ(readBytes(paths.PeopleFilePath), QByteArray("A\r\n1\r\n"));
    EXPECT_FALSE(QFileInfo::exists(dir() + QStringLiteral("People.txt")));
    EXPECT_EQ(readBytes(dir() + QStringLiteral("~~1~~.~~~")), QByteArray("1"));
    EXPECT_FALSE(QFileInfo::exists(dir() + QStringLiteral("RezClass.dat")));
    EXPECT_EQ(splashHidden, 0);
    EXPECT_TRUE(dialogs.folderRequests.isEmpty());
}

TEST_F(DataFolderTest, MissingPeopleFileIsCreatedEmptyWithItsExactName) {
    writeBytes(dir() + QStringLiteral("~~1~~.~~~"), "old scratch");
    ASSERT_TRUE(store->SetUpDataFolder({}));
    EXPECT_EQ(readBytes(dir() + QStringLiteral("People.txt")), QByteArray());
    EXPECT_EQ(readBytes(dir() + QStringLiteral("~~1~~.~~~")), QByteArray("1"));
    ASSERT_TRUE(panel->LoadPatientList());
    EXPECT_TRUE(panel->listItems().isEmpty());
    EXPECT_EQ(panel->selectedIndex(), -1);
}

TEST_F(DataFolderTest, UnwritableProgramFolderAsksForAFolderAndCancelEndsTheProgram) {
    paths.ProgramDir = folderBelowFile(tmp.path());
    int splashHidden = 0;
    EXPECT_FALSE(store->SetUpDataFolder([&] { ++splashHidden; }));
    EXPECT_EQ(splashHidden, 1);
    EXPECT_EQ(dialogs.folderRequests, QStringList{proposedDataFolder()});
    // Told why first: the reason names the folder.
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(paths.ProgramDir));
    EXPECT_TRUE(paths.DataDir.isEmpty());
}

TEST_F(DataFolderTest, UnwritableChosenFolderIsRefusedAndTheDialogComesBack) {
    paths.ProgramDir = folderBelowFile(tmp.path());
    const QString bad = tmp.path() + QStringLiteral("/bad");
    const QString good = tmp.path() + QStringLiteral("/good"); // chosen without a final '/'
    ASSERT_TRUE(QDir().mkpath(bad + QStringLiteral("/People.txt")));
    ASSERT_TRUE(QDir().mkpath(good));
    writeBytes(good + QStringLiteral("/RezClass.dat"), QByteArray(288, '\x07'));
    dialogs.folderAnswers = {bad, good};
    int splashHidden = 0;

    ASSERT_TRUE(store->SetUpDataFolder([&] { ++splashHidden; }));

    ASSERT_EQ(dialogs.informations.size(), 2);
    EXPECT_EQ(dialogs.informations[1], texts.FolderNotWritable);
    EXPECT_EQ(dialogs.folderRequests, (QStringList{proposedDataFolder(), proposedDataFolder()}));
    EXPECT_GE(splashHidden, 1);
    EXPECT_EQ(paths.DataDir, good + QLatin1Char('/'));
    EXPECT_EQ(paths.PeopleFilePath, good + QStringLiteral("/People.txt"));
    EXPECT_EQ(paths.ResultsFilePath, good + QStringLiteral("/RezClass.dat"));
    EXPECT_EQ(readBytes(good + QStringLiteral("/People.txt")), QByteArray());
    EXPECT_EQ(readBytes(good + QStringLiteral("/~~1~~.~~~")), QByteArray("1"));
    // An existing common results file is opened, not emptied.
    EXPECT_EQ(readBytes(good + QStringLiteral("/RezClass.dat")), QByteArray(288, '\x07'));

    // The next start takes the chosen folder without asking; once it is gone, the dialog
    // starts there.
    Paths next;
    next.ProgramDir = paths.ProgramDir;
    PatientStore nextStore(next, texts, dialogs);
    ASSERT_TRUE(nextStore.SetUpDataFolder({}));
    EXPECT_EQ(next.DataDir, good + QLatin1Char('/'));
    EXPECT_EQ(dialogs.folderRequests.size(), 2);
    ASSERT_TRUE(QDir(good).removeRecursively());
    EXPECT_FALSE(nextStore.SetUpDataFolder({}));
    EXPECT_EQ(dialogs.folderRequests.last(), good + QLatin1Char('/'));
}

TEST_F(DataFolderTest, ChosenFolderGetsAnEmptyCommonResultsFile) {
    paths.ProgramDir = folderBelowFile(tmp.path());
    const QString chosen = tmp.path() + QStringLiteral("/chosen/");
    ASSERT_TRUE(QDir().mkpath(chosen));
    dialogs.folderAnswers = {chosen};
    ASSERT_TRUE(store->SetUpDataFolder({}));
    EXPECT_EQ(paths.DataDir, chosen);
    EXPECT_EQ(readBytes(chosen + QStringLiteral("RezClass.dat")), QByteArray());
    EXPECT_EQ(store->commonResultsFile(), chosen + QStringLiteral("RezClass.dat"));
}

TEST_F(DataFolderTest, ResultsFolderIsCreatedOnceAndFoundRegardlessOfCase) {
    ASSERT_TRUE(store->SetUpDataFolder({}));
    ASSERT_TRUE(store->EnsureResultsFolder().ok());
    EXPECT_TRUE(QFileInfo(dir() + QStringLiteral("Rezults")).isDir());
    ASSERT_TRUE(store->EnsureResultsFolder().ok());

    QTemporaryDir other;
    paths.DataDir = other.path() + QLatin1Char('/');
    ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("REZULTS")));
    ASSERT_TRUE(store->EnsureResultsFolder().ok());
    EXPECT_EQ(QDir(other.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("REZULTS")});
    EXPECT_EQ(store->patientResultsFile(12), paths.DataDir + QStringLiteral("REZULTS/12.dat"));
}

TEST_F(DataFolderTest, ResultsFolderThatCannotBeCreatedNamesIt) {
    ASSERT_TRUE(store->SetUpDataFolder({}));
    writeBytes(dir() + QStringLiteral("Rezults"), "a file in the way");
    const FileResult result = store->EnsureResultsFolder();
    EXPECT_EQ(result.error, QStringLiteral("Cannot create ") + dir() + QStringLiteral("Rezults"));
}
