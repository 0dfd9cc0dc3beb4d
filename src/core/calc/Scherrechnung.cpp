#include "core/calc/Scherrechnung.h"

#include "core/calc/Pruefung.h"
#include "core/calc/Scherformeln.h"
#include "core/platform/Fehler.h"

namespace Scherrechnung {

double Aerf(const Aufgabe& a)
{
    // A shear force of 0 or below would give an area of 0 or a negative one.
    Pruefung::positiv(Pruefung::Eingabe::F, a.F);
    Pruefung::positiv(Pruefung::Eingabe::Sigma_Zul, a.Sigma_Zul);
    return Scherformeln::Aerf(a.F, a.Sigma_Zul);
}

Ergebnis rechnen(const Aufgabe& a)
{
    Ergebnis r;
    r.schritte = Rechenweg::aufzeichnen([&] {
        try {
            r.Aerf = Aerf(a);
            r.gelungen = true;
        } catch (const Plattform::Fehler& f) {
            r.fehler = f.text();
            Rechenweg::notieren(QStringLiteral("Abbruch"), r.fehler, QString(), QString());
            return;
        }
        if (a.A > 0)
            r.Ausnutzung = Nachweis::Ausnutzung(r.Aerf, a.A);
        r.nachweis = Nachweis::Abscherung(r.Aerf, a.A);
    });
    return r;
}

} // namespace Scherrechnung
