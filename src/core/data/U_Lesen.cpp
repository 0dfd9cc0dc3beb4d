#include "core/data/U_Lesen.h"

#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"

namespace U_Lesen {

namespace {
// A field can be a whole 10 MB line; the message shows only its beginning.
constexpr int maxGezeigt = 40;

QString gezeigt(const QString& feld) { return feld.size() > maxGezeigt ? feld.left(maxGezeigt) + QStringLiteral("…") : feld; }

QString ort(const QString& datei, int zeile, int spalte)
{
    return QStringLiteral(" (Datei %1, Zeile %2, Spalte %3)").arg(datei).arg(zeile).arg(spalte);
}
} // namespace

bool Leerzeile(const QString& zeile)
{
    for (const QChar c : zeile)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    return true;
}

double Zahl_Lesen(const QString& feld, const QString& datei, int zeile, int spalte)
{
    if (const auto wert = Zahlen::versuchenDatei(feld))
        return *wert;
    const QString text = Plattform::Fehler::konvertierung(gezeigt(feld)).text() + ort(datei, zeile, spalte);
    throw Plattform::Fehler(Plattform::Fehler::Art::Konvertierung, text);
}

QString Wertfehlertext(const QString& feld, const QString& grund, const QString& datei, int zeile, int spalte)
{
    return QStringLiteral("'%1' ist kein zulässiger Wert, %2").arg(gezeigt(feld), grund) + ort(datei, zeile, spalte);
}

void Wert_Ablehnen(const QString& feld, const QString& grund, const QString& datei, int zeile, int spalte)
{
    throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, Wertfehlertext(feld, grund, datei, zeile, spalte));
}

void Ueberzaehlige_Melden(const QString& datei, int ausgelassen, const QString& was, int platz)
{
    if (ausgelassen <= 0)
        return;
    const QString zeilen
        = ausgelassen == 1 ? QStringLiteral("1 Zeile wurde") : QStringLiteral("%1 Zeilen wurden").arg(ausgelassen);
    Plattform::warnung(QStringLiteral("Die Datei %1 enthält mehr %2, als das Programm aufnehmen kann (höchstens %3). "
                                      "%4 nicht gelesen.")
                           .arg(datei, was)
                           .arg(platz)
                           .arg(zeilen));
}

} // namespace U_Lesen
