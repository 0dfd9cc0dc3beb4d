#include "core/grid/U_Zeit.h"

#include "core/platform/Fehler.h"

#include <QDate>
#include <limits>

namespace U_Zeit {

namespace {

// A part of a date text is a decimal integer: leading blanks and a sign allowed, nothing else.
std::optional<int> ganzzahl(QStringView teil)
{
    qsizetype i = 0;
    while (i < teil.size() && teil[i] == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < teil.size() && (teil[i] == QLatin1Char('+') || teil[i] == QLatin1Char('-')))
        negativ = teil[i++] == QLatin1Char('-');
    if (i == teil.size())
        return std::nullopt;
    int wert = 0;
    for (; i < teil.size(); ++i) {
        const char16_t c = teil[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        wert = wert * 10 + (c - u'0'); // at most four digits: no overflow
    }
    return negativ ? -wert : wert;
}

// Days before 1 January of year j, counting from year 0 with every fourth year a leap year.
long long tageVorJahr(long long j) { return 365 * j + (j + 3) / 4; }

bool schaltjahrVereinfacht(int jahr) { return jahr % 4 == 0; }

} // namespace

std::optional<Datum> Datum_Lesen(const QString& text)
{
    const QStringView t(text);
    std::optional<int> tag = 1, monat = 1, jahr;
    switch (t.size()) {
    case 4:
        jahr = ganzzahl(t);
        break;
    case 7:
        monat = ganzzahl(t.mid(0, 2));
        jahr = ganzzahl(t.mid(3, 4));
        break;
    case 10:
        tag = ganzzahl(t.mid(0, 2));
        monat = ganzzahl(t.mid(3, 2));
        jahr = ganzzahl(t.mid(6, 4));
        break;
    default:
        return std::nullopt;
    }
    if (!tag || !monat || !jahr || *jahr < 1 || *jahr > 9999)
        return std::nullopt;
    if (!QDate::isValid(*jahr, *monat, *tag))
        return std::nullopt;
    return Datum {*jahr, *monat, *tag};
}

long long Tagesnummer(const QString& text)
{
    const auto d = Datum_Lesen(text);
    if (!d)
        return -1;
    return QDate(1899, 12, 30).daysTo(QDate(d->Jahr, d->Monat, d->Tag));
}

qint32 Datumsschluessel(const QString& text)
{
    const auto d = Datum_Lesen(text);
    if (!d)
        return -1;
    static constexpr int tageVorMonat[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    long long tage = tageVorJahr(d->Jahr) - tageVorJahr(1900) + tageVorMonat[d->Monat - 1] + d->Tag - 1;
    if (d->Monat > 2 && schaltjahrVereinfacht(d->Jahr))
        ++tage;
    const long long minuten = tage * 1440;
    if (minuten > std::numeric_limits<qint32>::max() || minuten < std::numeric_limits<qint32>::min())
        throw Plattform::Fehler::ueberlauf();
    return qint32(minuten);
}

} // namespace U_Zeit
