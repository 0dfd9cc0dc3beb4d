#include "core/platform/Zahlen.h"

#include "core/platform/Fehler.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace Zahlen {

namespace {

bool istBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Rewrites a number in locale notation into C notation, or returns an empty string when the
// text is not such a number. Hand-written so that no thousands separator, no "inf"/"nan" and no
// hexadecimal form slips through. `istDezimal` tells which characters separate the decimals.
template <class Dezimal> QByteArray inCNotation(const QString& text, Dezimal istDezimal)
{
    qsizetype a = 0, b = text.size();
    while (a < b && istBlank(text[a]))
        ++a;
    while (b > a && istBlank(text[b - 1]))
        --b;
    QByteArray c;
    qsizetype i = a;
    if (i < b && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        c += char(text[i++].unicode());
    int ziffern = 0;
    while (i < b && text[i].isDigit() && text[i].unicode() < 128) {
        c += char(text[i++].unicode());
        ++ziffern;
    }
    if (i < b && istDezimal(text[i])) {
        c += '.';
        ++i;
        while (i < b && text[i].isDigit() && text[i].unicode() < 128) {
            c += char(text[i++].unicode());
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return {};
    if (i < b && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        c += 'e';
        ++i;
        if (i < b && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            c += char(text[i++].unicode());
        int expZiffern = 0;
        while (i < b && text[i].isDigit() && text[i].unicode() < 128) {
            c += char(text[i++].unicode());
            ++expZiffern;
        }
        if (expZiffern == 0)
            return {};
    }
    if (i != b)
        return {};
    return c;
}

QChar dezimalzeichen()
{
    const QString p = QLocale().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.at(0);
}

// std::from_chars reads C notation whatever the C library's locale is. The application object
// sets that locale from the environment, and strtod would then want a decimal comma on a German
// desktop and reject every number of the data files.
std::optional<double> ausCNotation(const QByteArray& c)
{
    if (c.isEmpty())
        return std::nullopt;
    const char* anfang = c.constData() + (c.startsWith('+') ? 1 : 0);
    const char* ende = c.constData() + c.size();
    double wert = 0;
    const auto [stelle, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler == std::errc::result_out_of_range && c.contains("e-"))
        return c.startsWith('-') ? -0.0 : 0.0; // below the smallest double, as strtod gives it
    if (fehler != std::errc() || stelle != ende || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

} // namespace

std::optional<double> versuchen(const QString& text)
{
    const QChar dezimal = dezimalzeichen();
    return ausCNotation(inCNotation(text, [dezimal](QChar c) { return c == dezimal; }));
}

std::optional<double> versuchenDatei(const QString& text)
{
    return ausCNotation(inCNotation(text, [](QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('.'); }));
}

double lesen(const QString& text)
{
    if (const auto wert = versuchen(text))
        return *wert;
    throw Plattform::Fehler::konvertierung(text);
}

QString fixiert(double wert, int nachkomma, int stellen)
{
    if (std::isnan(wert))
        return QStringLiteral("NAN");
    if (std::isinf(wert))
        return wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const QChar dezimal = dezimalzeichen();

    // First the value rounded to `stellen` significant digits, as decimal digits: 3.925 (stored
    // as 3.92499999…) becomes 3925000 × 10^-6, so the second rounding below sees the decimal
    // value the user typed or expects, not its binary neighbour.
    const QString e = QString::number(std::abs(wert), 'e', stellen - 1);
    int exponent = e.mid(e.indexOf(QLatin1Char('e')) + 1).toInt();
    QString ziffern = e.left(e.indexOf(QLatin1Char('e'))).remove(QLatin1Char('.'));
    const bool negativ = wert < 0;
    if (wert == 0.0)
        exponent = 0;

    if (wert != 0.0 && exponent + 1 > stellen) {
        const QString mantisse = ziffern.left(1) + dezimal + ziffern.mid(1);
        return QStringLiteral("%1%2E%3%4")
            .arg(negativ ? QStringLiteral("-") : QString(), mantisse, exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
            .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    }

    // Then to `nachkomma` decimals, half away from zero, on those digits. Digit k weighs
    // 10^(exponent - k); the first `behalten` of them reach the last decimal shown.
    const int behalten = exponent + 1 + nachkomma;
    if (behalten < int(ziffern.size())) {
        const bool aufrunden = behalten >= 0 && ziffern[behalten] >= QLatin1Char('5');
        ziffern = ziffern.left(std::max(behalten, 0));
        if (aufrunden) {
            int k = int(ziffern.size()) - 1;
            while (k >= 0 && ziffern[k] == QLatin1Char('9'))
                ziffern[k--] = QLatin1Char('0');
            if (k >= 0) {
                ziffern[k] = QChar(ziffern[k].unicode() + 1);
            } else { // 9.99… became 10.0…, or nothing kept became one unit of the last decimal
                ziffern.prepend(QLatin1Char('1'));
                ++exponent;
            }
        }
    }
    // Lay the digits out: integer part, point, decimals, padded with zeros.
    const int vorkomma = exponent + 1;
    QString ganz, bruch;
    for (int k = 0; k < vorkomma; ++k)
        ganz += k < ziffern.size() ? ziffern[k] : QLatin1Char('0');
    if (ganz.isEmpty())
        ganz = QStringLiteral("0");
    for (int k = 0; k < nachkomma; ++k) {
        const int index = vorkomma + k;
        bruch += (index >= 0 && index < ziffern.size()) ? ziffern[index] : QLatin1Char('0');
    }
    const bool null = !std::any_of(ziffern.begin(), ziffern.end(), [](QChar c) { return c != QLatin1Char('0'); });
    QString text = (negativ && !null ? QStringLiteral("-") : QString()) + ganz;
    if (nachkomma > 0)
        text += dezimal + bruch;
    return text;
}

} // namespace Zahlen
