#pragma once
// The program's number conventions. Numbers are read and shown with the decimal separator of
// the default locale (QLocale()), so the same code serves German and English users.
#include <QString>
#include <optional>

namespace Zahlen {

// Reads a number: blanks around it are ignored, an optional sign, digits with the locale's
// decimal separator, an optional exponent 'E'/'e'. No thousands separators. Anything else
// throws the conversion error "'%s' ist kein gültiger Gleitkommawert".
double lesen(const QString& text);
std::optional<double> versuchen(const QString& text);

// A number of a data file: the same notation, but with either ',' or '.' as the decimal
// separator whatever the locale, so that files written under one locale load under every
// other. The program never writes thousands separators, so the comma is never one.
std::optional<double> versuchenDatei(const QString& text);

// Fixed notation with the locale's separator: the value is rounded to `stellen` significant
// digits and shown with exactly `nachkomma` decimals (digits past the significant ones are 0).
// A value with more than `stellen` digits before the point is shown in exponent form,
// e.g. "1,234568E+08". fixiert(v, 2) is the "fixed 7/2" form, fixiert(v, 4) "fixed 7/4".
QString fixiert(double wert, int nachkomma, int stellen = 7);

} // namespace Zahlen
