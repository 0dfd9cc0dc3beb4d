#include "core/calc/Rechenweg.h"

#include <cmath>

#include <QLocale>

namespace Rechenweg {

namespace {
Aufzeichnung* laufend = nullptr;
}

void Protokoll::setzen(const QString& ueberschrift, const Schritte& schritte)
{
    for (auto& teil : teile)
        if (teil.first == ueberschrift) {
            teil.second = schritte;
            return;
        }
    teile.append({ueberschrift, schritte});
}

QString Protokoll::text() const
{
    QString t = titel + QLatin1Char('\n');
    for (const auto& [ueberschrift, schritte] : teile) {
        t += QLatin1Char('\n') + ueberschrift + QLatin1Char('\n');
        int nr = 1;
        for (const Schritt& s : schritte) {
            t += QStringLiteral("%1. %2: %3").arg(nr++).arg(s.was, s.formel);
            if (!s.eingesetzt.isEmpty())
                t += QLatin1Char(' ') + s.eingesetzt;
            if (!s.ergebnis.isEmpty())
                t += QStringLiteral(" = ") + s.ergebnis;
            t += QLatin1Char('\n');
        }
    }
    return t;
}

Aufzeichnung::Aufzeichnung()
    : m_vorher(laufend)
{
    laufend = this;
}

Aufzeichnung::~Aufzeichnung() { laufend = m_vorher; }

bool aktiv() { return laufend != nullptr; }

Schritte aufzeichnen(const std::function<void()>& rechnung)
{
    Schritte schritte;
    // The own recording ends before its steps go to the one around it.
    const auto weitergeben = [&schritte] {
        for (const Schritt& s : schritte)
            notieren(s);
    };
    try {
        Aufzeichnung eigene;
        struct Sichern {
            const Aufzeichnung& a;
            Schritte& ziel;
            ~Sichern() { ziel = a.schritte(); }
        } sichern {eigene, schritte};
        rechnung();
    } catch (...) {
        weitergeben();
        throw;
    }
    weitergeben();
    return schritte;
}

void notieren(const Schritt& schritt)
{
    if (laufend)
        laufend->m_schritte.append(schritt);
}

void notieren(const QString& was, const QString& formel, const QString& eingesetzt, const QString& ergebnis)
{
    notieren(Schritt {was, formel, eingesetzt, ergebnis});
}

void notieren(
    const QString& was, const QString& formel, const QString& eingesetzt, const Rechnung& rechnung, const QString& einheit)
{
    notieren(Schritt {was, formel, eingesetzt, wert(rechnung.ergebnis, einheit), rechnung});
}

QString zahl(double wert)
{
    QLocale ort; // the user's separator, no thousands separators (as the dialogs show numbers)
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    // Seven significant digits; moments in N·mm and I in mm⁴ reach eight digits and more, and
    // are written out (10309420 N·mm) rather than in exponent form (1,030942E+07).
    const double betrag = std::fabs(wert);
    if (betrag >= 1e7 && betrag < 1e15) {
        const double stelle = std::pow(10.0, std::floor(std::log10(betrag)) - 6);
        return ort.toString(std::round(wert / stelle) * stelle, 'f', 0);
    }
    return ort.toString(wert, 'g', 7);
}

QString wert(double w, const QString& einheit) { return einheit.isEmpty() ? zahl(w) : zahl(w) + QLatin1Char(' ') + einheit; }

QString einsetzen(const QString& formel, const Groessen& werte)
{
    static const QString Potenzen = QStringLiteral("²³⁴");
    QString ergebnis;
    for (int i = 0; i < formel.size();) {
        bool ersetzt = false;
        for (const auto& [symbol, zahl, einheit] : werte) {
            if (!formel.mid(i).startsWith(symbol))
                continue;
            const int nach = i + int(symbol.size());
            // A letter glued to the symbol belongs to a word ("max"), not to the symbol.
            const bool wortteil = symbol.size() == 1
                && ((nach < formel.size() && formel[nach].isLetter()) || (i > 0 && formel[i - 1].isLetter()));
            if (wortteil)
                continue;
            const bool potenz = nach < formel.size() && Potenzen.contains(formel[nach]);
            const QString text = wert(zahl, einheit);
            // A power applies to the whole value with its unit, and a minus sign stays readable.
            const bool klammern = potenz || text.startsWith(QLatin1Char('-')) || text.startsWith(QChar(0x2212));
            ergebnis += klammern ? QLatin1Char('(') + text + QLatin1Char(')') : text;
            i = nach;
            ersetzt = true;
            break;
        }
        if (!ersetzt)
            ergebnis += formel[i++];
    }
    return ergebnis;
}

void schritt(const QString& was, const QString& formel, const Groessen& werte, double ergebnis, const QString& einheit)
{
    if (!aktiv())
        return;
    const int gleich = int(formel.indexOf(QStringLiteral(" = ")));
    const QString rechts = gleich < 0 ? formel : formel.mid(gleich + 3);
    notieren(was, formel, QStringLiteral("= ") + einsetzen(rechts, werte), Rechnung {rechts, werte, ergebnis}, einheit);
}

} // namespace Rechenweg
