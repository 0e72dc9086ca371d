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
    EXPECT_EQ(panel->listItems().first(), QStringLiteral("Андреев"));
    EXPECT_EQ(panel->selectedIndex(), 0);
    EXPECT_EQ(panel->numberText(), QStringLiteral("2"));
    EXPECT_EQ(panel->MaxPatientNumber(), 7);
    EXPECT_EQ(panel->PatientCount(), 5);
}

TEST_F(PatientLookupTest, TypedNumberSelectsThePatientWithThatNumberText) {
    panel->setNumberText(QStringLiteral("3"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Сидоров"));
    panel->setNumberText(QStringLiteral("7"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Борисов"));
    EXPECT_EQ(panel->numberText(), QStringLiteral("7"));
}

TEST_F(PatientLookupTest, NumberAboveTheHighestJumpsToTheFirstPatientInFileOrder) {
    panel->setNumberText(QStringLiteral("8"));
    EXPECT_EQ(panel->numberText(), QStringLiteral("1"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Петров"));
}

TEST_F(PatientLookupTest, NumberTextMatchingNobodyLeavesNoPatientSelected) {
    panel->setNumberText(QStringLiteral("3"));
    // "07" is not the text "7"; the selection must not keep Сидоров beside number 7.
    panel->setNumberText(QStringLiteral("07"));
    EXPECT_EQ(panel->selectedIndex(), -1);
    EXPECT_EQ(panel->selectedName(), QString());
    EXPECT_EQ(panel->numberText(), QStringLiteral("07"));
    // A deleted number (4) and the number after the count (6) select nobody either.
    panel->setNumberText(QStringLiteral("5"));
    panel->setNumberText(QStringLiteral("4"));
    EXPECT_EQ(panel->selectedIndex(), -1);
    panel->setNumberText(QStringLiteral("5"));
    panel->setNumberText(QStringLiteral("6"));
    EXPECT_EQ(panel->selectedIndex(), -1);
    // An empty field is left alone while the operator types.
    panel->setNumberText(QStringLiteral("5"));
    panel->setNumberText(QString());
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Кузнецов"));
}

TEST_F(PatientLookupTest, NonIntegerNumberShowsAConversionErrorAndChangesNothingElse) {
    errorsExpected = true;
    panel->setNumberText(QStringLiteral("3"));
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral(" 3"), QStringLiteral("-")}) {
        panel->setNumberText(text);
        EXPECT_EQ(panel->selectedName(), QStringLiteral("Сидоров"));
    }
    ASSERT_EQ(dialogs.errors.size(), 3);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("ТРЕЛОН-2|\"abc\" не является целым числом."));
    EXPECT_FALSE(panel->selectedPatientNumber().has_value());
    EXPECT_EQ(dialogs.errors.size(), 4);
}

TEST_F(PatientLookupTest, PickingANameShowsItsNumberAndEnablesResults) {
    panel->pickListItem(static_cast<int>(panel->listItems().indexOf(QStringLiteral("Кузнецов"))));
    EXPECT_EQ(panel->numberText(), QStringLiteral("5"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Кузнецов"));
    EXPECT_TRUE(panel->resultsEnabled());
    panel->pickListItem(-1);
    EXPECT_FALSE(panel->resultsEnabled());
    EXPECT_EQ(panel->selectedName(), QString());
    panel->pickListItem(99);
    EXPECT_EQ(panel->selectedIndex(), -1);
}

TEST_F(PatientLookupTest, SelectingANameIsExactAndKeepsTheSelectionWithoutAMatch) {
    panel->SelectPatientName(QStringLiteral("Сидоров"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Сидоров"));
    panel->SelectPatientName(QStringLiteral("сидоров"));
    EXPECT_EQ(panel->selectedName(), QStringLiteral("Сидоров"));
}

TEST_F(PatientLookupTest, ResultsFilesUseTheDecimalNumberOrTheCommonFile) {
    EXPECT_EQ(store->commonResultsFile(), dir() + QStringLiteral("RezClass.dat"));
    EXPECT_EQ(store->patientResultsFile(12), dir() + QStringLiteral("Rezults/12.dat"));

    panel->setNumberText(QStringLiteral("07"));
    const std::optional<int> number = panel->selectedPatientNumber();
    ASSERT_EQ(number, 7);
    EXPECT_EQ(store->patientResultsFile(*number), dir() + QStringLiteral("Rezults/7.dat"));

    ASSERT_TRUE(QDir(dir()).mkdir(QStringLiteral("rezults")));
    writeBytes(dir() + QStringLiteral("rezults/12.DAT"), {});
    writeBytes(dir() + QStringLiteral("rezclass.DAT"), {});
    EXPECT_EQ(store->patientResultsFile(12), dir() + QStringLiteral("rezults/12.DAT"));
    EXPECT_EQ(store->commonResultsFile(), dir() + QStringLiteral("rezclass.DAT"));
}

TEST_F(RegistryTest, ListSortsByLocaleIgnoringCaseWithATotalOrder) {
    start(cp1251(QStringLiteral("Жуков\r\n1\r\nиванов\r\n2\r\nЁжиков\r\n3\r\nИванов\r\n4\r\n"
                                "Евдокимов\r\n5\r\nИванова\r\n6\r\nанна\r\n7\r\n")));
    EXPECT_EQ(panel->listItems(), (QStringList{QStringLiteral("анна"), QStringLiteral("Евдокимов"),
                                               QStringLiteral("Ёжиков"), QStringLiteral("Жуков"),
                                               QStringLiteral("Иванов"), QStringLiteral("иванов"),
                                               QStringLiteral("Иванова")}));
}

TEST_F(RegistryTest, DropDownCountFromTheWindowGeometry) {
    EXPECT_EQ(panel->dropDownCount(768, 4, 60, 24), 26);
    EXPECT_EQ(panel->dropDownCount(100, 4, 60, 24), 1);
    EXPECT_EQ(panel->dropDownCount(768, 4, 60, 0), 1);
}
