#include "core/calc/Profilsuche.h"

#include "core/calc/Knickformeln.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Pruefung.h"
#include "core/sections/Querschnittswerte.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numbers>
#include <numeric>

namespace Profilsuche {

namespace {

using Unit1::TProfilbibliothek;
using Unit1::TProfilrecord;

const QString Leer = QStringLiteral("LEER");

bool leichter(const Kandidat& a, const Kandidat& b) { return a.Masse != b.Masse ? a.Masse < b.Masse : a.A < b.A; }

// The families and profiles as the profile selection lists them: up to the first free entry,
// at most 40 families of 150 profiles.
int familienzahl(const TProfilbibliothek& b)
{
    int n = 0;
    while (n < Unit1::Max_Familie && b[n][0].Art != Leer)
        ++n;
    return n;
}

int profilzahl(const Unit1::TProfildat& f)
{
    int n = 0;
    while (n < Unit1::Max_Profil && f[n].Art != Leer)
        ++n;
    return n;
}

Kandidat kandidat(const TProfilbibliothek& b, int familie, int nr, Ausrichtung ausrichtung, double Gamma)
{
    const TProfilrecord& p = b[familie][nr];
    Kandidat k;
    k.familie = familie;
    k.nr = nr;
    k.art = p.Art;
    k.name = p.Name;
    const bool optimal = ausrichtung == Ausrichtung::Optimal;
    k.W = optimal ? p.Wmax : p.Wmin;
    k.I = optimal ? p.Imax : p.Imin;
    k.A = p.A;
    k.Masse = Querschnittswerte::Masse(p.A, Gamma);
    return k;
}

// Walks every family, lightest profile first, and keeps the profiles that hold.
template <typename Pruefung>
Ergebnis suchen(const TProfilbibliothek& b, Ausrichtung ausrichtung, double Gamma, bool alle, Pruefung haelt)
{
    Ergebnis e;
    const int familien = familienzahl(b);
    for (int f = 0; f < familien; ++f) {
        std::vector<Kandidat> kandidaten;
        for (int y = 0, n = profilzahl(b[f]); y < n; ++y)
            kandidaten.push_back(kandidat(b, f, y, ausrichtung, Gamma));
        std::stable_sort(kandidaten.begin(), kandidaten.end(), leichter);
        std::vector<Kandidat> treffer;
        for (Kandidat& k : kandidaten) {
            if (!haelt(k))
                continue;
            treffer.push_back(k);
            if (!alle)
                break;
        }
        e.familien.push_back(std::move(treffer));
        e.familiennamen.push_back(b[f][0].Art);
    }
    return e;
}

} // namespace

std::vector<Kandidat> Ergebnis::leichteste() const
{
    std::vector<Kandidat> l;
    for (const auto& f : familien)
        if (!f.empty())
            l.push_back(f.front());
    std::stable_sort(l.begin(), l.end(), leichter);
    return l;
}

std::vector<Kandidat> Ergebnis::alle() const
{
    std::vector<Kandidat> l;
    for (const auto& f : familien)
        l.insert(l.end(), f.begin(), f.end());
    std::stable_sort(l.begin(), l.end(), leichter);
    return l;
}

QStringList Ergebnis::ohneTreffer() const
{
    QStringList l;
    for (std::size_t i = 0; i < familien.size(); ++i)
        if (familien[i].empty())
            l.push_back(familiennamen[int(i)]);
    return l;
}

namespace {

// Certain refusals before the full check, so that a search over the whole library stays within
// a frame. Without the self-weight W erf. is the same for every candidate and is computed once.
// With it, the moment and deflection lines are linear in the weight: the case's lines and
// those of a unit uniform load, sampled once, give for each candidate a lower bound of its
// greatest |M| and |w| (the greatest over the samples). A candidate refused by a lower bound
// cannot hold; every other one gets the full check, the same computation as the dialog's.
class Vorpruefung {
public:
    explicit Vorpruefung(const Biegeaufgabe& a)
        : m_aufgabe(a)
    {
        const Biegerechnung::Aufgabe& r = a.rechnung;
        if (!r.eigengewicht) {
            try {
                m_Werf = Biegerechnung::Werf(r).wert;
            } catch (const std::exception&) {
                m_rechenbar = false; // the case cannot be computed: nothing holds
            }
            return;
        }
        try {
            // EI = 1: the deflection lines give EI·w.
            Biegelinien::Eingaben e = r.e;
            e.E = 1.0;
            e.I = 1e-4;
            const Biegelinien::Linien last = Biegelinien::Fall_Linien(r.fall, e);
            const double L = last.traeger().laenge;
            const Biegelinien::Linien eins(last.traeger(), {}, {{0.0, L, 1.0, 1.0}}, 1.0);
            const std::vector<double> k = last.Knickstellen();
            constexpr int Stuecke = 32;
            for (std::size_t s = 0; s + 1 < k.size(); ++s)
                for (int i = 0; i <= Stuecke; ++i) {
                    const double x = k[s] + (k[s + 1] - k[s]) * i / Stuecke;
                    m_M.push_back({last.M(x), eins.M(x)});
                    m_w.push_back({last.w(x), eins.w(x)});
                }
        } catch (const std::exception&) {
            m_rechenbar = false;
        }
    }

    bool rechenbar() const { return m_rechenbar; }

    // False only when the candidate cannot hold.
    bool kannHalten(const Kandidat& k) const
    {
        constexpr double Spiel = 1.0 + 1e-9; // rounding of the bound against the full check
        if (!m_aufgabe.rechnung.eigengewicht)
            return std::fabs(m_Werf) <= k.W;
        const double q = Biegerechnung::Eigengewicht(k.Masse) / 1000.0;
        const double Wmin = groesster(m_M, q) / m_aufgabe.rechnung.Sigma_Zul / 1000.0;
        if (Wmin > k.W * Spiel)
            return false;
        const double EI = m_aufgabe.rechnung.e.E * k.I * 10000.0;
        if (m_aufgabe.grenze <= 0 || !(EI > 0))
            return true;
        return groesster(m_w, q) / EI * m_aufgabe.grenze <= m_aufgabe.rechnung.e.L * Spiel;
    }

    // W erf. without the self-weight (the same for every candidate).
    double Werf() const { return m_Werf; }

private:
    static double groesster(const std::vector<std::pair<double, double>>& werte, double q)
    {
        double m = 0;
        for (const auto& [last, eins] : werte)
            m = std::max(m, std::fabs(last + q * eins));
        return m;
    }

    const Biegeaufgabe& m_aufgabe;
    bool m_rechenbar = true;
    double m_Werf = 0;
    std::vector<std::pair<double, double>> m_M, m_w; // (case, unit load) at the samples
};

bool pruefen(const Biegeaufgabe& aufgabe, const Vorpruefung* vor, Kandidat& k)
{
    if (!(k.W > 0))
        return false;
    if (vor && (!vor->rechenbar() || !vor->kannHalten(k)))
        return false;
    Biegerechnung::Aufgabe r = aufgabe.rechnung;
    r.e.I = k.I;
    r.Masse = k.Masse;
    try {
        k.Werf = vor && !r.eigengewicht ? vor->Werf() : Biegerechnung::Werf(r).wert;
        k.Ausnutzung = Nachweis::Ausnutzung(k.Werf, k.W);
        if (std::fabs(k.Werf) > k.W)
            return false;
    } catch (const std::exception&) {
        return false; // a profile the formulas cannot take does not hold
    }
    try {
        k.f = Biegerechnung::fd(r).wert;
        k.mitF = true;
    } catch (const std::exception&) {
        return aufgabe.grenze <= 0; // without a limit the deflection is only shown
    }
    if (aufgabe.grenze > 0) // the deflection governs where it uses more of its limit L/n
        k.Ausnutzung = std::max(k.Ausnutzung, Nachweis::Ausnutzung(k.f, r.e.L / aufgabe.grenze));
    return Nachweis::Durchbiegung_haelt(r.e.L, k.f, aufgabe.grenze);
}

} // namespace

bool Biegung_haelt(const Biegeaufgabe& aufgabe, Kandidat& k) { return pruefen(aufgabe, nullptr, k); }

namespace {

// The actual safety in plain arithmetic, without the checked and recorded formulas: a candidate
// whose safety falls clearly short here is refused without the full check (which notes its
// steps and costs far more); any other one gets the full check.
bool kannReichen(const Knickaufgabe& a, const Kandidat& k, double Lk)
{
    if (!(k.I > 0 && k.A > 0 && a.F > 0))
        return true; // let the full check decide
    const double lambda = Lk / std::sqrt(k.I / k.A) / 100.0;
    const double sigmaK = a.GrenzSchlankheit > lambda
        ? a.Tetmaier1 - a.Tetmaier2 * lambda
        : a.E * k.I * 10000.0 * std::numbers::pi * std::numbers::pi / (Lk * Lk * k.A);
    const double Sk = std::min(sigmaK, a.Sigma_P) / (a.F / k.A);
    constexpr double Spiel = 1.0 - 1e-9;
    return Sk >= std::max(a.Sk_gewuenscht, 1.0) * Spiel;
}

} // namespace

bool Knickung_haelt(const Knickaufgabe& a, Kandidat& k)
{
    if (const auto Lk = Knickformeln::Knicklaenge(a.fall, a.L); Lk && !kannReichen(a, k, *Lk))
        return false;
    Knickrechnung::Aufgabe r = a;
    r.I = k.I;
    r.A = k.A;
    const Knickrechnung::Ergebnis e = Knickrechnung::Sicherheit(r);
    if (!e.gelungen())
        return false;
    k.Schlankheitsgrad = e.Schlankheitsgrad;
    k.tetmajer = e.formel == Knickrechnung::Formel::Tetmajer;
    k.Sigma_K = e.Sigma_K;
    k.Sk = e.Sk;
    return e.urteil == Knickformeln::Urteil::Erreicht || e.urteil == Knickformeln::Urteil::Keins;
}

QString Ablehnung(const Biegeaufgabe& aufgabe)
{
    using Pruefung::Eingabe;
    try {
        Pruefung::positiv(Eingabe::L, aufgabe.rechnung.e.L);
        Pruefung::positiv(Eingabe::Sigma_Zul, aufgabe.rechnung.Sigma_Zul);
        if (aufgabe.grenze > 0)
            Pruefung::positiv(Eingabe::E, aufgabe.rechnung.e.E);
    } catch (const Pruefung::Ungueltig& f) {
        return f.text();
    }
    return QString();
}

QString Ablehnung(const Knickaufgabe& aufgabe)
{
    using Pruefung::Eingabe;
    if (Knickrechnung::ohneProportionalitaetsgrenze(aufgabe))
        return Knickrechnung::Fehlertext(Knickrechnung::Fehlerart::KeineProportionalitaetsgrenze);
    try {
        Pruefung::positiv(Eingabe::F, aufgabe.F);
        Pruefung::positiv(Eingabe::L, aufgabe.L);
        Pruefung::positiv(Eingabe::S, aufgabe.Sk_gewuenscht);
        Pruefung::positiv(Eingabe::E, aufgabe.E);
    } catch (const Pruefung::Ungueltig& f) {
        return f.text();
    }
    return QString();
}

Ergebnis Suche(const TProfilbibliothek& bibliothek, Ausrichtung ausrichtung, double Gamma, bool alle,
    const std::function<bool(Kandidat&)>& haelt)
{
    return suchen(bibliothek, ausrichtung, Gamma, alle, haelt);
}

Ergebnis Biegung(const TProfilbibliothek& bibliothek, const Biegeaufgabe& aufgabe, bool alle)
{
    if (!Ablehnung(aufgabe).isEmpty())
        return {};
    const Vorpruefung vor(aufgabe);
    return suchen(bibliothek, aufgabe.ausrichtung, aufgabe.Gamma, alle, [&](Kandidat& k) { return pruefen(aufgabe, &vor, k); });
}

Ergebnis Knickung(const TProfilbibliothek& bibliothek, const Knickaufgabe& aufgabe, bool alle)
{
    if (!Ablehnung(aufgabe).isEmpty())
        return {};
    // Buckling takes the minor axis: the orientation across gives Imin.
    return suchen(bibliothek, Ausrichtung::Quer, aufgabe.Gamma, alle, [&](Kandidat& k) { return Knickung_haelt(aufgabe, k); });
}

Ergebnis Eurocode_Biegung(
    const TProfilbibliothek& bibliothek, const Eurocode::Biegeaufgabe& aufgabe, Ausrichtung ausrichtung, double Gamma, bool alle)
{
    return suchen(bibliothek, ausrichtung, Gamma, alle, [&](Kandidat& k) {
        Eurocode::Biegeaufgabe a = aufgabe;
        a.W = k.W;
        a.Masse = k.Masse;
        a.e.I = k.I;
        const Eurocode::Urteil u = Eurocode::Biegung(a).urteil;
        k.Ausnutzung = u.eta;
        return u.moeglich && u.erfuellt;
    });
}

Ergebnis Eurocode_Knickung(const TProfilbibliothek& bibliothek, const Eurocode::Knickaufgabe& aufgabe, double Gamma, bool alle)
{
    // A column buckles about its minor axis: the orientation across gives Imin and its curve.
    return suchen(bibliothek, Ausrichtung::Quer, Gamma, alle, [&](Kandidat& k) {
        Eurocode::Knickaufgabe a = aufgabe;
        a.I = k.I;
        a.A = k.A;
        a.knicklinie = bibliothek[k.familie][k.nr].Knicklinie_min;
        const Eurocode::Urteil u = Eurocode::Knicken(a).urteil;
        k.Ausnutzung = u.eta;
        return u.moeglich && u.erfuellt;
    });
}

} // namespace Profilsuche
