#include "core/calc/Traegersuche.h"

#include "core/calc/Biegerechnung.h"
#include "core/platform/Fehler.h"

#include <algorithm>
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

// The deflection shown, with the length its L/f refers to: that of the span or cantilever
// nearest its limit (without a limit the greatest), as the window's verdict line takes it.
void massgebendeDurchbiegung(const std::vector<Traegerrechnung::Abschnitt>& abschnitte, int grenze, Kandidat& k)
{
    double massgebend = -1;
    for (const Traegerrechnung::Abschnitt& a : abschnitte) {
        const double anteil = grenze > 0 ? a.ausnutzung : std::fabs(a.f);
        if (anteil > massgebend) {
            massgebend = anteil;
            k.f = a.f;
            k.L_Grenze = a.L_Grenze;
        }
    }
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
    massgebendeDurchbiegung(r.abschnitte, aufgabe.traeger.grenze, k);
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

// The quick refusals of the check with partial factors. M Ed of the beam without the
// self-weight, less what a self-weight of 1 N/mm can take off it at most (1,35 times the
// greatest |M| of that load alone): M Ed(g) ≥ M Ed(0) − 1,35 · g · max |M 1|, as the governing
// combination and pattern without the self-weight reach at least that with it. The same for
// the characteristic deflection of each span and cantilever, as E·I·w (γ = 1 on G). Also says
// once what the check lacks for every profile (fy, a category's factors).
struct Schranke {
    double M_Ed0 = 0, M1 = 0; // N·mm; N·mm per N/mm
    std::vector<double> EIw0, EIw1; // per span and cantilever: N·mm³; N·mm³ per N/mm
};

Schranke eurocodeSchranke(const Aufgabe& a, const Eingabe& geprueft)
{
    Eingabe ohne = geprueft;
    ohne.eigengewicht = false;
    ohne.W = 1;
    ohne.I = ohne.E > 0 ? 1.0 : 0.0; // E·I of 1 cm⁴: the lines as E·I·w
    const double EI = ohne.E * ohne.I * 10000.0;
    const Eurocode::Traegerergebnis ohneG = Eurocode::Traeger({ohne, a.kategorien, a.werkstoff});
    if (!ohneG.biegung.urteil.moeglich)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, ohneG.biegung.urteil.text);
    Schranke s {ohneG.biegung.M_Ed, 0, {}, {}};
    for (const Traegerrechnung::Abschnitt& z : ohneG.abschnitte)
        s.EIw0.push_back(std::fabs(z.f) * EI);
    s.EIw1.assign(s.EIw0.size(), 0.0);
    if (a.traeger.eigengewicht) {
        Eingabe eins = ohne;
        Traegerrechnung::Last q;
        q.art = Traegerrechnung::Lastart::Streckenlast;
        q.q = 1000.0; // 1 N/mm in N/m
        q.bis = Traegerrechnung::Gesamtlaenge(eins);
        eins.lasten = {q};
        const auto r = Traegerrechnung::berechnen(eins, Traegerrechnung::Umfang::NurBemessung);
        s.M1 = std::max(std::fabs(r.M_max.wert), std::fabs(r.M_min.wert));
        for (std::size_t z = 0; z < s.EIw1.size() && z < r.abschnitte.size(); ++z)
            s.EIw1[z] = std::fabs(r.abschnitte[z].f) * EI;
    }
    return s;
}

// False only for a candidate below a bound: M c,Rd below that of M Ed, or a deflection limit
// below that of a span's deflection (with a margin for rounding).
bool eurocodeKannHalten(
    const Aufgabe& a, const Schranke& s, const std::vector<Traegerrechnung::Abschnitt>& abschnitte, const Kandidat& k)
{
    constexpr double Spiel = 1.0 + 1e-9;
    const double g = eigengewicht(a, k);
    const double M_c_Rd = k.W * 1000.0 * a.werkstoff.fy / Eurocode::GammaM0; // cm³ → mm³
    if (s.M_Ed0 - Eurocode::GammaG * g * s.M1 > M_c_Rd * Spiel)
        return false;
    const double EI = a.traeger.E * k.I * 10000.0;
    if (a.traeger.grenze <= 0 || !(EI > 0))
        return true;
    for (std::size_t z = 0; z < s.EIw0.size() && z < abschnitte.size(); ++z)
        if ((s.EIw0[z] - g * s.EIw1[z]) / EI * a.traeger.grenze > abschnitte[z].L_Grenze * Spiel)
            return false;
    return true;
}

} // namespace

bool haeltNachEurocode(const Aufgabe& aufgabe, Kandidat& k)
{
    if (!(k.W > 0))
        return false;
    const Eurocode::Traegerergebnis r = Eurocode::Traeger({mitProfil(aufgabe, k), aufgabe.kategorien, aufgabe.werkstoff});
    const Eurocode::Urteil& u = r.biegung.urteil;
    if (!u.moeglich)
        return false;
    k.Werf = r.biegung.M_Ed * Eurocode::GammaM0 / aufgabe.werkstoff.fy / 1000.0; // mm³ → cm³
    k.mitF = !r.abschnitte.empty();
    massgebendeDurchbiegung(r.abschnitte, aufgabe.traeger.grenze, k);
    k.Ausnutzung = u.eta;
    for (const Traegerrechnung::Abschnitt& a : r.abschnitte)
        k.Ausnutzung = std::max(k.Ausnutzung, a.ausnutzung);
    if (!u.erfuellt)
        return false;
    if (aufgabe.traeger.grenze <= 0)
        return true;
    return k.mitF && std::all_of(r.durchbiegung.begin(), r.durchbiegung.end(), [](const Nachweis::Urteil& d) {
        return d.zustand == Nachweis::Zustand::Erfuellt;
    });
}

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
    if (aufgabe.kriterium == Kriterium::Eurocode) {
        const Schranke schranke = eurocodeSchranke(aufgabe, geprueft);
        const auto abschnitte = Traegerrechnung::Abschnitte(geprueft);
        return Profilsuche::Suche(bibliothek, aufgabe.ausrichtung, aufgabe.Gamma, alle,
            [&](Kandidat& k) { return eurocodeKannHalten(aufgabe, schranke, abschnitte, k) && haeltNachEurocode(aufgabe, k); });
    }
    Traegerrechnung::Profilreihe reihe(geprueft);
    const auto abschnitte = Traegerrechnung::Abschnitte(geprueft);
    auto rechnen = [&reihe](const Eingabe& e) { return reihe.rechnen(e, Traegerrechnung::Umfang::NurBemessung); };
    return Profilsuche::Suche(bibliothek, aufgabe.ausrichtung, aufgabe.Gamma, alle,
        [&](Kandidat& k) { return kannHalten(aufgabe, reihe, abschnitte, k) && pruefen(aufgabe, k, rechnen); });
}

} // namespace Traegersuche
