#include "patients/RegistryFixture.h"
#include "support/FileWriteFaults.h"

#include <QFileInfo>
#include <unistd.h>

using namespace trelon;
using namespace trelon::test;

namespace {
const QString kIvanov = QStringLiteral("Иванов Иван");
const QByteArray kFour = "A\r\n1\r\nB\r\n2\r\nC\r\n3\r\nD\r\n4\r\n";
} // namespace

class PatientListTest : public RegistryTest {};

TEST_F(PatientListTest, EmptyListGivesNumberOneToTheFirstPatient) {
    start({});
    EXPECT_TRUE(panel->listItems().isEmpty());
    EXPECT_EQ(panel->MaxPatientNumber(), 0);
    EXPECT_EQ(panel->numberText(), QStringLiteral("0"));
    EXPECT_FALSE(panel->addEnabled());

    add(kIvanov);
    EXPECT_EQ(readBytes(people()), cp1251(kIvanov) + "\r\n1\r\n");
    EXPECT_EQ(static_cast<unsigned char>(readBytes(people()).at(0)), 0xC8); // "И" in Windows-1251
    EXPECT_EQ(panel->numberText(), QStringLiteral("1"));
    EXPECT_EQ(panel->selectedName(), kIvanov);
    EXPECT_EQ(panel->MaxPatientNumber(), 1);
    EXPECT_EQ(panel->newNameText(), QString());
    EXPECT_FALSE(panel->addEnabled());
    EXPECT_EQ(panel->requestedFocus(), PatientPanel::Focus::PatientList);
}

TEST_F(PatientListTest, AddingSelectsTheNewPatientAmongOthers) {
    start(cp1251(QStringLiteral("Яковлев\r\n1\r\nАндреев\r\n2\r\n")));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Андреев")); // first of the sorted items
    EXPECT_EQ(panel->numberText(), QStringLiteral("2"));

    add(QStringLiteral("Петров"));
    EXPECT_EQ(panel->listItems(), (QStringList{QStringLiteral("Андреев"), QStringLiteral("Петров"),
                                               QStringLiteral("Яковлев")}));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Петров"));
    EXPECT_EQ(panel->numberText(), QStringLiteral("3"));
    EXPECT_EQ(panel->PatientCount(), 3);
}

TEST_F(PatientListTest, ExactDuplicateIsRefusedButOtherCaseIsAnotherPatient) {
    start(cp1251(kIvanov + QStringLiteral("\r\n1\r\n")));
    const QByteArray before = readBytes(people());

    add(kIvanov);
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Такой пациент уже существует.")});
    EXPECT_EQ(panel->requestedFocus(), PatientPanel::Focus::NewName);
    EXPECT_EQ(readBytes(people()), before);
    EXPECT_EQ(panel->newNameText(), kIvanov);

    add(kIvanov.toUpper());
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(readBytes(people()), before + cp1251(kIvanov.toUpper()) + "\r\n2\r\n");
    EXPECT_EQ(panel->selectedName(), kIvanov.toUpper());
}

TEST_F(PatientListTest, NamesTheFileCannotHoldAreRefusedAndNothingIsWritten) {
    start("A\r\n1\r\n");
    add(QStringLiteral("Ivanov \u4E2D\u4E2D"));
    add(QStringLiteral("Two\nLines"));
    add(QStringLiteral("Two\rLines"));
    ASSERT_EQ(dialogs.informations.size(), 3);
    EXPECT_EQ(dialogs.informations[0],
              QStringLiteral("Имя содержит символы, которые нельзя сохранить: \u4E2D"));
    EXPECT_TRUE(dialogs.informations[1].contains(QStringLiteral("перевод строки")));
    EXPECT_EQ(dialogs.informations[2], dialogs.informations[1]);
    EXPECT_EQ(panel->requestedFocus(), PatientPanel::Focus::NewName);
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\n"));
    EXPECT_EQ(panel->PatientCount(), 1);
}

TEST_F(PatientListTest, ReadingToleratesLoneLineFeedsAndAMissingFinalLineEnd) {
    start("A\n1\r\nB b\r\n2");
    ASSERT_EQ(panel->PatientCount(), 2);
    EXPECT_EQ(panel->patients()[1].name, QStringLiteral("B b"));
    EXPECT_EQ(panel->patients()[1].number, QStringLiteral("2"));
    // The new name must not be glued to the unended last line.
    add(QStringLiteral("C"));
    EXPECT_EQ(readBytes(people()), QByteArray("A\n1\r\nB b\r\n2\r\nC\r\n3\r\n"));
}

// Lists edited on other systems: CR-only and mixed line ends are line ends, and a huge bad
// line is quoted by its first 40 characters only (the box stays within the screen).
TEST_F(PatientListTest, CrOnlyLineEndsReadAndAHugeBadLineIsQuotedShort) {
    start("A\r1\rB\n2\r\nC\r3");
    ASSERT_EQ(panel->PatientCount(), 3);
    EXPECT_EQ(panel->MaxPatientNumber(), 3);
    add(QStringLiteral("D"));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r1\rB\n2\r\nC\r3\r\nD\r\n4\r\n"));

    errorsExpected = true;
    writeBytes(people(), "A\r1\rB\r" + QByteArray(2'000'000, '7') + "x\r");
    EXPECT_FALSE(panel->LoadPatientList());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("строка 4")));
    EXPECT_LT(dialogs.errors[0].size(), people().size() + 150);
}

// "  Тестов  " would look like "Тестов" in the list: blanks around a name go; a name of blanks
// only or with a control character is refused.
TEST_F(PatientListTest, NamesAreTrimmedAndBlankOrControlNamesRefused) {
    start("A\r\n1\r\n");
    add(QStringLiteral("   "));
    add(QStringLiteral("Tab\tName"));
    add(QStringLiteral("Bell\x07"));
    EXPECT_EQ(dialogs.informations.size(), 3);
    add(QStringLiteral("  A  "));
    EXPECT_EQ(dialogs.informations.size(), 4); // the same name as A
    add(QStringLiteral(" B "));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nB\r\n2\r\n"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("B"));
}

TEST_F(PatientListTest, BadNumberLineNamesFileAndLineAndKeepsTheOldList) {
    start("A\r\n1\r\nB\r\n2\r\n");
    const QStringList itemsBefore = panel->listItems();
    errorsExpected = true;

    const QByteArray bad = "A\r\n1\r\nB\r\n2\r\nC\r\nx3\r\n";
    writeBytes(people(), bad);
    EXPECT_FALSE(panel->LoadPatientList());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(people())) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("строка 6")));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("\"x3\" не является целым числом.")));
    EXPECT_EQ(panel->listItems(), itemsBefore);
    EXPECT_EQ(panel->PatientCount(), 2);
    EXPECT_EQ(panel->MaxPatientNumber(), 2);
    EXPECT_EQ(readBytes(people()), bad);

    for (const QByteArray& broken : {QByteArray("A\r\n1\r\n 2\r\n"), QByteArray("A\r\n1 2\r\n")}) {
        writeBytes(people(), broken);
        EXPECT_FALSE(panel->LoadPatientList()) << broken.constData();
    }
    EXPECT_TRUE(dialogs.errors[1].contains(QStringLiteral("строка 3")));
    EXPECT_TRUE(dialogs.errors[2].contains(QStringLiteral("строка 2")));

    // Blanks around the digits are read past; the number text is kept without them.
    writeBytes(people(), "A\r\n 1\r\nB\r\n\t7 \r\n");
    ASSERT_TRUE(panel->LoadPatientList());
    EXPECT_EQ(panel->patients().back().number, QStringLiteral("7"));
    EXPECT_EQ(panel->MaxPatientNumber(), 7);
}

TEST_F(PatientListTest, NameWithoutNumberLineIsAnErrorEvenAsATrailingBlankLine) {
    start({});
    errorsExpected = true;
    writeBytes(people(), cp1251(QStringLiteral("A\r\n1\r\nБорисов\r\n")));
    EXPECT_FALSE(panel->LoadPatientList());
    writeBytes(people(), "A\r\n1\r\n\r\n");
    EXPECT_FALSE(panel->LoadPatientList());
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("строка 3")));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Борисов")));
    EXPECT_TRUE(dialogs.errors[1].contains(QStringLiteral("строка 3")));
    EXPECT_TRUE(panel->listItems().isEmpty());
}

TEST_F(PatientListTest, MissingPeopleFileIsReportedByName) {
    start({});
    errorsExpected = true;
    ASSERT_TRUE(QFile::remove(people()));
    EXPECT_FALSE(panel->LoadPatientList());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(people()));
}

TEST_F(PatientListTest, FailedAppendIsReportedAndChangesNothing) {
    start("A\r\n1\r\n");
    errorsExpected = true;
    paths.PeopleFilePath = dir() + QStringLiteral("no-such-folder/People.txt");
    add(QStringLiteral("B"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(paths.PeopleFilePath));
    EXPECT_EQ(panel->PatientCount(), 1);
    EXPECT_EQ(panel->newNameText(), QStringLiteral("B")); // kept for another try
}

TEST_F(PatientListTest, DeletingTheThirdOfFourKeepsTheHighestNumber) {
    start(kFour);
    panel->pickListItem(indexOf(QStringLiteral("C")));
    ASSERT_EQ(panel->numberText(), QStringLiteral("3"));
    panel->DeleteSelectedPatient();

    EXPECT_EQ(dialogs.confirmations, QStringList{QStringLiteral("Удаляется пациент - C")});
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nB\r\n2\r\nD\r\n4\r\n"));
    EXPECT_EQ(panel->listItems(),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D")}));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("A"));
    add(QStringLiteral("E"));
    EXPECT_EQ(panel->numberText(), QStringLiteral("5"));
}

TEST_F(PatientListTest, DeletingTheHighestLetsItsNumberBeUsedAgain) {
    start("A\r\n1\r\nB\r\n2\r\nD\r\n4\r\n");
    panel->pickListItem(indexOf(QStringLiteral("D")));
    panel->DeleteSelectedPatient();
    EXPECT_EQ(panel->MaxPatientNumber(), 2);
    add(QStringLiteral("E"));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nB\r\n2\r\nE\r\n3\r\n"));
}

TEST_F(PatientListTest, DeletionRewritesTheListWithCrLfLineEnds) {
    start(cp1251(QStringLiteral("Ёлкин\n1\r\nB\r\n2")));
    ASSERT_TRUE(panel->DeletePatient(2, QStringLiteral("B")));
    EXPECT_EQ(readBytes(people()), cp1251(QStringLiteral("Ёлкин\r\n1\r\n")));
    EXPECT_EQ(panel->PatientCount(), 1);
}

// Another copy of the program deleted B and gave number 2 to C: neither deleting "B" nor
// opening its results may touch C; the list is read again and the operator told.
TEST_F(PatientListTest, AStaleSelectionTouchesNobodyAndReloadsTheList) {
    start("A\r\n1\r\nB\r\n2\r\n");
    panel->pickListItem(indexOf(QStringLiteral("B")));
    writeBytes(people(), "A\r\n1\r\nC\r\n2\r\n");
    EXPECT_FALSE(panel->confirmSelection());
    EXPECT_EQ(indexOf(QStringLiteral("C")), 1);
    panel->pickListItem(indexOf(QStringLiteral("A")));
    EXPECT_TRUE(panel->confirmSelection());

    EXPECT_FALSE(panel->DeletePatient(2, QStringLiteral("B")));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nC\r\n2\r\n"));
    EXPECT_EQ(dialogs.informations.size(), 2);
}

TEST_F(PatientListTest, DeletionAsksFirstAndDoesNothingWithoutAnAnswerOrASelection) {
    start(kFour);
    dialogs.confirmAnswers = {false};
    panel->DeleteSelectedPatient();
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(readBytes(people()), kFour);

    panel->pickListItem(-1);
    panel->DeleteSelectedPatient();
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(readBytes(people()), kFour);
}

TEST_F(PatientListTest, DeletionReplacesTheFileInsteadOfTruncatingIt) {
    start(kFour);
    // A second name for the old file keeps the old content when the file is replaced whole;
    // an in-place truncate and rewrite would change it.
    const QString oldName = dir() + QStringLiteral("old-link.txt");
    ASSERT_EQ(
        ::link(QFile::encodeName(people()).constData(), QFile::encodeName(oldName).constData()), 0);
    ASSERT_TRUE(panel->DeletePatient(2, QStringLiteral("B")));
    EXPECT_EQ(readBytes(oldName), kFour);
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nC\r\n3\r\nD\r\n4\r\n"));
}

TEST_F(PatientListTest, FailedDeletionIsReportedAndLeavesFileAndTableAlone) {
    start(kFour);
    errorsExpected = true;
    // The replacement is written beside the file first; a failed write of it stops it.
    FileWriteFaults::watch(dir());
    FileWriteFaults::reset();
    FileWriteFaults::arm(1, FileWriteFaults::Action::Fail, ENOSPC);
    EXPECT_FALSE(panel->DeletePatient(2, QStringLiteral("B")));
    FileWriteFaults::reset();
    FileWriteFaults::watch(QString());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(people()));
    EXPECT_EQ(readBytes(people()), kFour);
    EXPECT_EQ(panel->PatientCount(), 4);
}

TEST_F(PatientListTest, AListThatCannotBeReadTakesNobodyAndDeletesNobody) {
    errorsExpected = true;
    for (const QByteArray& broken : {QByteArray("A\r\n1\r\nB\r\ntwo\r\nC\r\n3\r\n"),
                                     QByteArray("A\r\n1\r\n\r\n"), QByteArray("\x01\x02garbage")}) {
        writeBytes(people(), broken);
        ASSERT_TRUE(store->SetUpDataFolder({}));
        EXPECT_FALSE(panel->LoadPatientList());
        dialogs.errors.clear();
        add(QStringLiteral("New"));
        EXPECT_FALSE(panel->DeletePatient(1, QStringLiteral("A")));
        ASSERT_EQ(dialogs.errors.size(), 2) << broken.constData();
        for (const QString& error : dialogs.errors) {
            EXPECT_TRUE(error.contains(people()) && error.contains(QStringLiteral("строка")))
                << error.toStdString();
        }
        EXPECT_EQ(readBytes(people()), broken);
    }
}

TEST_F(PatientListTest, ANumberWhoseResultsHoldRecordsIsNeverGivenAgain) {
    start("A\r\n1\r\n");
    ASSERT_TRUE(store->EnsureResultsFolder().ok());
    writeBytes(store->patientResultsFile(2), QByteArray(288, 'r')); // a deleted patient's
    writeBytes(store->patientResultsFile(3), QByteArray());         // no records: free
    add(QStringLiteral("B"));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n1\r\nB\r\n3\r\n"));
    EXPECT_EQ(panel->numberText(), QStringLiteral("3"));
}

TEST_F(PatientListTest, NoNumberPastTheLargestIsGiven) {
    start("A\r\n2147483647\r\n");
    errorsExpected = true;
    add(QStringLiteral("B"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("2147483647")));
    EXPECT_EQ(readBytes(people()), QByteArray("A\r\n2147483647\r\n"));
}
