#pragma once
// Properties of People.txt that hold for any bytes, shared by the file and in-memory harnesses.
#include "FuzzCheck.h"
#include "common/PeopleFile.h"
#include "common/StrictNumbers.h"

#include <algorithm>
#include <climits>

namespace trelon::fuzz {

inline bool sameEntries(const std::vector<PatientEntry>& a, const std::vector<PatientEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.number == y.number;
    });
}

// A list that reads names the file on error, has numbers that are integers with the highest as
// maxNumber, and reads back the same after the write-back a deletion makes.
inline void checkPeopleParsing(const QByteArray& bytes) {
    const PeopleFile parsed = parsePeopleFile(QStringLiteral("People.txt"), bytes);
    if (!parsed.error.isEmpty()) {
        FUZZ_CHECK(parsed.error.contains(QStringLiteral("People.txt")));
        return;
    }
    int highest = 0;
    for (const PatientEntry& entry : parsed.entries) {
        const std::optional<int> number = strToInt(entry.number);
        FUZZ_CHECK(number.has_value());
        highest = std::max(highest, *number);
    }
    FUZZ_CHECK(parsed.maxNumber == highest);
    if (const std::optional<QByteArray> again = peopleFileBytes(parsed.entries)) {
        const PeopleFile reread = parsePeopleFile(QStringLiteral("People.txt"), *again);
        FUZZ_CHECK(reread.error.isEmpty());
        FUZZ_CHECK(sameEntries(reread.entries, parsed.entries));
    }
}

// The bytes an addition writes read as the old list plus the new patient, last.
inline void checkPeopleAddedBytes(const QByteArray& bytes, const QString& name) {
    const PeopleFile before = parsePeopleFile(QStringLiteral("People.txt"), bytes);
    if (!before.error.isEmpty() || before.maxNumber == INT_MAX) {
        return;
    }
    const std::optional<QByteArray> after =
        peopleFileWithPatient(bytes, name, before.maxNumber + 1);
    FUZZ_CHECK(after.has_value() && after->startsWith(bytes));
    const PeopleFile added = parsePeopleFile(QStringLiteral("People.txt"), *after);
    FUZZ_CHECK(added.error.isEmpty());
    FUZZ_CHECK(added.entries.size() == before.entries.size() + 1);
    FUZZ_CHECK(std::equal(
        before.entries.begin(), before.entries.end(), added.entries.begin(),
        [](const auto& x, const auto& y) { return x.name == y.name && x.number == y.number; }));
    FUZZ_CHECK(added.entries.back().name == name);
    FUZZ_CHECK(added.maxNumber == before.maxNumber + 1);
}

} // namespace trelon::fuzz
