#include "core/calc/Traegersuche.h"

#include "core/calc/Biegerechnung.h"
#include "core/platform/Fehler.h"

#include <cmath>
#include <exception>

namespace Traegersuche {

namespace {

using Profilsuche::Kandidat;
using Traegerrechnung::Eingabe;

Eingabe mitProfil(const Aufgabe& a, const Kandidat& k)
{
    Eingabe e = a.traeger;
    e.I = k.I;
    e.W = k.W;
    e.Masse = k.Masse;
    return e;
}

// Self-weight in N/mm that the candidate adds to the beam.
double eigengewicht(const Aufgabe& a, const Kandidat& k)
{
    return a.traeger.eigengewicht ? Biegerechnung::Eigengewicht(k.Masse) / 1000.0 : 0.0;
}

// False only for a candidate that cannot hold: the bounds at the stations already exceed W or
// a deflection limit (with a margin for the rounding of the bound against the full check).
bool kannHalten(const Aufgabe& a, const Traegerrechnung::Profilreihe& s,
    const std::vector<Traegerrechnung::Abschnitt>& abschnitte, const Kandidat& k)
{
    constexpr double Spiel = 1.0 + 1e-9;
    const Eingabe& e = a.traeger;
    const double g = eigengewicht(a, k);
    if (s.M_betrag(g) / e.Sigma_Zul / 1000.0 > k.W * Spiel)
        return false;
    const double EI = e.E * k.I * 10000.0;
    if (e.grenze <= 0 || !(EI > 0))
        return true;
    for (std::size_t z = 0; z < abschnitte.size(); ++z)
        if (s.f_betrag(z, g, EI) * e.grenze > abschnitte[z].L_Grenze * Spiel)
            return false;
    return true;
}

// The full check with the result of the beam with the candidate; false where there is none
// (a profile the beam cannot be computed with does not hold).
template <typename Rechnung> bool pruefen(const Aufgabe& aufgabe, Kandidat& k, Rechnung rechnen)
{
    if (!(k.W > 0))
        return false;
    Traegerrechnung::Ergebnis r;
    try {
        r = rechnen(mitProfil(aufgabe, k));
    } catch (const std::exception&) {
        return false;
    }
    k.Werf = r.W_erf;
    k.Ausnutzung = Nachweis::Ausnutzung(r.W_erf, k.W);
    k.mitF = r.mitDurchbiegung;
    // The deflection shown is that of the span or cantilever nearest its limit (without a
    // limit the greatest).
    double massgebend = -1;
    for (const Traegerrechnung::Abschnitt& a : r.abschnitte) {
        const double anteil = aufgabe.traeger.grenze > 0 ? a.ausnutzung : std::fabs(a.f);
        if (anteil > massgebend) {
            massgebend = anteil;
            k.f = a.f;
        }
    }
    if (r.W_erf > k.W)
        return false;
    if (aufgabe.traeger.grenze <= 0)
        return true;
    if (!r.mitDurchbiegung)
        return false; // a limit that cannot be checked does not hold
    for (const Traegerrechnung::Abschnitt& a : r.abschnitte)
        if (!Nachweis::Durchbiegung_haelt(a.L_Grenze, a.f, aufgabe.traeger.grenze))
            return false;
    return true;
}

} // namespace

bool haelt(const Aufgabe& aufgabe, Kandidat& k)
{
    return pruefen(
        aufgabe, k, [](const Eingabe& e) { return Traegerrechnung::berechnen(e, Traegerrechnung::Umfang::OhneRechenweg); });
}

Profilsuche::Ergebnis Suche(const Unit1::TProfilbibliothek& bibliothek, const Aufgabe& aufgabe, bool alle)
{
    // I, W and the mass come from each candidate: the input is checked without them.
    // I, W and the mass come from each candidate: the input is checked with neutral ones (a
    // ticked self-weight is a load whatever the profile weighs).
    Eingabe geprueft = aufgabe.traeger;
    geprueft.I = geprueft.W = 0;
    geprueft.Masse = geprueft.eigengewicht ? 1.0 : 0.0;
    if (const auto f = Traegerrechnung::pruefen(geprueft))
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, f->text);
    Traegerrechnung::Profilreihe reihe(geprueft);
    const auto abschnitte = Traegerrechnung::Abschnitte(geprueft);
    auto rechnen = [&reihe](const Eingabe& e) { return reihe.rechnen(e, Traegerrechnung::Umfang::NurBemessung); };
    return Profilsuche::Suche(bibliothek, aufgabe.ausrichtung, aufgabe.Gamma, alle,
        [&](Kandidat& k) { return kannHalten(aufgabe, reihe, abschnitte, k) && pruefen(aufgabe, k, rechnen); });
}

} // namespace Traegersuche
