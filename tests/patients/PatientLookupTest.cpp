#include "patients/RegistryFixture.h"

using namespace trelon;
using namespace trelon::test;

namespace {
// File order differs from the list order: Петров (1) comes first in the file.
const QString kPeople = QStringLiteral("Петров\r\n1\r\nАндреев\r\n2\r\nСидоров\r\n3\r\n"
                                       "Кузнецов\r\n5\r\nБорисов\r\n7\r\n");
} // namespace

class PatientLookupTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        start(cp1251(kPeople));
    }
};

TEST_F(PatientLookupTest, LoadingSelectsTheFirstSortedNameAndShowsItsNumber) {
    EXPECT_EQ(registry->listItems().first(), QStringLiteral("Андреев"));
    EXPECT_EQ(registry->selectedIndex(), 0);
    EXPECT_EQ(registry->editAllText(), QStringLiteral("2"));
    EXPECT_EQ(registry->MaxPatientNumber(), 7);
    EXPECT_EQ(registry->PatientCount(), 5);
}

TEST_F(PatientLookupTest, TypedNumberSelectsThePatientWithThatNumberText) {
    registry->EditAllChange(QStringLiteral("3"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Сидоров"));
    registry->EditAllChange(QStringLiteral("7"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Борисов"));
    EXPECT_EQ(registry->editAllText(), QStringLiteral("7"));
}

TEST_F(PatientLookupTest, NumberAboveTheHighestJumpsToTheFirstPatientInFileOrder) {
    registry->EditAllChange(QStringLiteral("8"));
    EXPECT_EQ(registry->editAllText(), QStringLiteral("1"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Петров"));
}

TEST_F(PatientLookupTest, NumberTextMatchingNobodyLeavesNoPatientSelected) {
    registry->EditAllChange(QStringLiteral("3"));
    // "07" is not the text "7"; the selection must not keep Сидоров beside number 7.
    registry->EditAllChange(QStringLiteral("07"));
    EXPECT_EQ(registry->selectedIndex(), -1);
    EXPECT_EQ(registry->listText(), QString());
    EXPECT_EQ(registry->editAllText(), QStringLiteral("07"));
    // A deleted number (4) and the number after the count (6) select nobody either.
    registry->EditAllChange(QStringLiteral("5"));
    registry->EditAllChange(QStringLiteral("4"));
    EXPECT_EQ(registry->selectedIndex(), -1);
    registry->EditAllChange(QStringLiteral("5"));
    registry->EditAllChange(QStringLiteral("6"));
    EXPECT_EQ(registry->selectedIndex(), -1);
    // An empty field is left alone while the operator types.
    registry->EditAllChange(QStringLiteral("5"));
    registry->EditAllChange(QString());
    EXPECT_EQ(registry->listText(), QStringLiteral("Кузнецов"));
}

TEST_F(PatientLookupTest, NonIntegerNumberShowsAConversionErrorAndChangesNothingElse) {
    errorsExpected = true;
    registry->EditAllChange(QStringLiteral("3"));
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral(" 3"), QStringLiteral("-")}) {
        registry->EditAllChange(text);
        EXPECT_EQ(registry->listText(), QStringLiteral("Сидоров"));
    }
    ASSERT_EQ(dialogs.errors.size(), 3);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("ТРЕЛОН-2|\"abc\" не является целым числом."));
    EXPECT_FALSE(registry->selectedPatientNumber().has_value());
    EXPECT_EQ(dialogs.errors.size(), 4);
}

TEST_F(PatientLookupTest, PickingANameShowsItsNumberAndEnablesResults) {
    registry->ComboBox2Change(
        static_cast<int>(registry->listItems().indexOf(QStringLiteral("Кузнецов"))));
    EXPECT_EQ(registry->editAllText(), QStringLiteral("5"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Кузнецов"));
    EXPECT_TRUE(registry->resultsEnabled());
    registry->ComboBox2Change(-1);
    EXPECT_FALSE(registry->resultsEnabled());
    EXPECT_EQ(registry->listText(), QString());
    registry->ComboBox2Change(99);
    EXPECT_EQ(registry->selectedIndex(), -1);
}

TEST_F(PatientLookupTest, SelectingANameIsExactAndKeepsTheSelectionWithoutAMatch) {
    registry->SelectPatientName(QStringLiteral("Сидоров"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Сидоров"));
    registry->SelectPatientName(QStringLiteral("сидоров"));
    EXPECT_EQ(registry->listText(), QStringLiteral("Сидоров"));
}

TEST_F(PatientLookupTest, ResultsFilesUseTheDecimalNumberOrTheCommonFile) {
    EXPECT_EQ(registry->commonResultsFile(), dir() + QStringLiteral("RezClass.dat"));
    EXPECT_EQ(registry->patientResultsFile(12), dir() + QStringLiteral("Rezults/12.dat"));

    registry->EditAllChange(QStringLiteral("07"));
    const std::optional<int> number = registry->selectedPatientNumber();
    ASSERT_EQ(number, 7);
    EXPECT_EQ(registry->patientResultsFile(*number), dir() + QStringLiteral("Rezults/7.dat"));

    ASSERT_TRUE(QDir(dir()).mkdir(QStringLiteral("rezults")));
    writeBytes(dir() + QStringLiteral("rezults/12.DAT"), {});
    writeBytes(dir() + QStringLiteral("rezclass.DAT"), {});
    EXPECT_EQ(registry->patientResultsFile(12), dir() + QStringLiteral("rezults/12.DAT"));
    EXPECT_EQ(registry->commonResultsFile(), dir() + QStringLiteral("rezclass.DAT"));
}

TEST_F(RegistryTest, ListSortsByLocaleIgnoringCaseWithATotalOrder) {
    start(cp1251(QStringLiteral("Жуков\r\n1\r\nиванов\r\n2\r\nЁжиков\r\n3\r\nИванов\r\n4\r\n"
                                "Евдокимов\r\n5\r\nИванова\r\n6\r\nанна\r\n7\r\n")));
    EXPECT_EQ(
        registry->listItems(),
        (QStringList{QStringLiteral("анна"), QStringLiteral("Евдокимов"), QStringLiteral("Ёжиков"),
                     QStringLiteral("Жуков"), QStringLiteral("Иванов"), QStringLiteral("иванов"),
                     QStringLiteral("Иванова")}));
}

TEST_F(RegistryTest, DropDownCountFromTheWindowGeometry) {
    EXPECT_EQ(registry->dropDownCount(768, 4, 60, 24), 26);
    EXPECT_EQ(registry->dropDownCount(100, 4, 60, 24), 1);
    EXPECT_EQ(registry->dropDownCount(768, 4, 60, 0), 1);
}
