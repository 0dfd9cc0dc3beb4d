#pragma once
// Date texts of the grid's "DATUM" sort: "YYYY", "MM?YYYY" and "DD?MM?YYYY" (any separator),
// and the integer keys they are compared by.
#include <QString>
#include <optional>

namespace U_Zeit {

struct Datum {
    int Jahr = 0;
    int Monat = 0;
    int Tag = 0;
};

// The date a text stands for, or nothing when its length, its parts or the calendar rule it.
// Years 1 to 9999 of the Gregorian calendar.
std::optional<Datum> Datum_Lesen(const QString& text);

// Day number counted from 30 December 1899 as day 0 (negative before it); -1 for an invalid
// text, so -1 is ambiguous for 29.12.1899: use Datum_Lesen to tell a date from no date.
long long Tagesnummer(const QString& text);

// The sort key: minutes from 1 January 1900, 00:00, to the start of the day, counting every
// year divisible by 4 (1900 included) as a leap year. The keys rise with the calendar. Dates
// before 1900 get negative keys by the same count. -1 for an invalid text. A date after
// 24 December 5982 does not fit 32 bits and throws the overflow error.
qint32 Datumsschluessel(const QString& text);

} // namespace U_Zeit
