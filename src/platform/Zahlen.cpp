#include "platform/Zahlen.h"

#include "platform/Fehler.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace Zahlen {

namespace {

bool istBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Rewrites a number in locale notation into C notation, or returns an empty string when the
// text is not such a number. Hand-written so that no thousands separator, no "inf"/"nan" and no
// hexadecimal form slips through.
QByteArray inCNotation(const QString& text, QChar dezimal)
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
    if (i < b && text[i] == dezimal) {
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

} // namespace

std::optional<double> versuchen(const QString& text)
{
    const QByteArray c = inCNotation(text, dezimalzeichen());
    if (c.isEmpty())
        return std::nullopt;
    char* ende = nullptr;
    const double wert = std::strtod(c.constData(), &ende);
    if (ende != c.constData() + c.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
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
    if (wert == 0.0)
        wert = 0.0; // no "-0"

    // The exponent after rounding to `stellen` significant digits decides the form.
    const QString e = QString::number(wert, 'e', stellen - 1);
    const int exponent = e.mid(e.indexOf(QLatin1Char('e')) + 1).toInt();
    if (wert != 0.0 && exponent + 1 > stellen) {
        QString mantisse = e.left(e.indexOf(QLatin1Char('e')));
        mantisse.replace(QLatin1Char('.'), dezimal);
        return QStringLiteral("%1E%2%3")
            .arg(mantisse, exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
            .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    }

    QString text;
    const int signifikant = exponent + 1 + nachkomma;
    if (wert == 0.0 || signifikant <= stellen) {
        text = QString::number(wert, 'f', nachkomma);
    } else {
        // Fewer decimals than asked for carry significance; the rest is shown as zeros.
        const int genau = stellen - 1 - exponent;
        text = QString::number(wert, 'f', genau);
        if (genau == 0)
            text += QLatin1Char('.');
        text += QString(nachkomma - genau, QLatin1Char('0'));
    }
    // A negative value that rounds to zero is shown without its sign.
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 1 - (nachkomma > 0 ? 1 : 0))
        text.remove(0, 1);
    text.replace(QLatin1Char('.'), dezimal);
    return text;
}

} // namespace Zahlen
