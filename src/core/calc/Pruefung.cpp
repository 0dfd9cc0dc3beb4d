#include "core/calc/Pruefung.h"

#include "core/calc/Rechenweg.h"

namespace Pruefung {

Ungueltig::Ungueltig(Eingabe eingabe, const QString& text)
    : Plattform::Fehler(Art::Allgemein, text)
    , m_eingabe(eingabe)
{
}

QString Name(Eingabe eingabe)
{
    switch (eingabe) {
    case Eingabe::F:
        return QStringLiteral("Last F");
    case Eingabe::L:
        return QStringLiteral("Länge L");
    case Eingabe::x:
        return QStringLiteral("Stelle x");
    case Eingabe::Sigma_Zul:
        return QStringLiteral("σzul");
    case Eingabe::S:
        return QStringLiteral("Gewünschte Sicherheit");
    case Eingabe::E:
        return QStringLiteral("Elastizitätsmodul E");
    case Eingabe::I:
        return QStringLiteral("Trägheitsmoment I");
    case Eingabe::A:
        return QStringLiteral("Querschnittsfläche A");
    }
    return QString();
}

void positiv(Eingabe eingabe, double wert)
{
    if (!(wert > 0.0))
        throw Ungueltig(eingabe, QStringLiteral("%1 muss größer als 0 sein (ist %2)").arg(Name(eingabe), Rechenweg::zahl(wert)));
}

} // namespace Pruefung
