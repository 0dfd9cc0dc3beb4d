#include "core/calc/Traegerrechnung.h"

#include "core/calc/Biegerechnung.h"
#include "core/platform/Fehler.h"

#include <Eigen/Dense>

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace Traegerrechnung {

namespace {

using Plattform::Fehler;
using Rechenweg::wert;

// --- Checking the input --------------------------------------------------------------------

QString mm(double v) { return wert(v, QStringLiteral("mm")); }

Eingabefehler fehler(const QString& tabelle, int zeile, const QString& feld, const QString& text)
{
    QString ort;
    if (tabelle == QStringLiteral("Felder") && zeile > 0)
        ort = QStringLiteral("Feld %1").arg(zeile);
    else if (tabelle == QStringLiteral("Lasten") && zeile > 0)
        ort = QStringLiteral("Last %1").arg(zeile);
    if (!feld.isEmpty())
        ort = ort.isEmpty() ? feld : ort + QStringLiteral(", ") + feld;
    return {tabelle, zeile, feld, ort.isEmpty() ? text : ort + QStringLiteral(": ") + text, text};
}

const QString KeineZahl = QStringLiteral("Der Wert ist keine endliche Zahl.");

// The fields a load of its kind uses: name and value, the positions last.
struct Lastfeld {
    QString name;
    double wert;
};

std::vector<Lastfeld> wertfelder(const Last& l)
{
    switch (l.art) {
    case Lastart::Einzellast:
        return {{QStringLiteral("F"), l.F}};
    case Lastart::Streckenlast:
        return {{QStringLiteral("q"), l.q}};
    case Lastart::Trapezlast:
        return {{QStringLiteral("q1"), l.q1}, {QStringLiteral("q2"), l.q2}};
    case Lastart::Moment:
        return {{QStringLiteral("M"), l.M}};
    }
    return {};
}

bool punktlast(const Last& l) { return l.art == Lastart::Einzellast || l.art == Lastart::Moment; }

std::optional<Eingabefehler> lastPruefen(const Last& l, int zeile, double Lg)
{
    const QString Lasten = QStringLiteral("Lasten");
    std::vector<Lastfeld> felder = wertfelder(l);
    if (punktlast(l))
        felder.push_back({QStringLiteral("x"), l.x});
    else
        felder.insert(felder.end(), {{QStringLiteral("von"), l.von}, {QStringLiteral("bis"), l.bis}});
    for (const auto& [name, w] : felder)
        if (!std::isfinite(w))
            return fehler(Lasten, zeile, name, KeineZahl);
    // The message is made only for a fault: the finder checks the beam once per profile.
    auto ausserhalb = [&](const QString& feld) {
        return fehler(Lasten, zeile, feld, QStringLiteral("Die Stelle liegt außerhalb des Trägers (0 bis %1).").arg(mm(Lg)));
    };
    auto aussen = [&](double x) { return x < 0.0 || x > Lg; };
    if (punktlast(l))
        return aussen(l.x) ? std::optional(ausserhalb(QStringLiteral("x"))) : std::nullopt;
    if (aussen(l.von))
        return ausserhalb(QStringLiteral("von"));
    if (aussen(l.bis))
        return ausserhalb(QStringLiteral("bis"));
    if (!(l.bis > l.von))
        return fehler(
            Lasten, zeile, QStringLiteral("bis"), QStringLiteral("Das Ende muss rechts vom Anfang liegen (bis > von)."));
    return std::nullopt;
}

std::optional<Eingabefehler> traegerPruefen(const Eingabe& e)
{
    const QString Felder = QStringLiteral("Felder");
    if (e.felder.empty())
        return fehler(Felder, 0, QString(),
            QStringLiteral("Es ist kein Feld eingegeben. Ein Träger ohne Feld hat keine zwei Lager und kann nicht tragen."));
    if (int(e.felder.size()) > MaxFelder)
        return fehler(Felder, MaxFelder + 1, QString(), QStringLiteral("Es sind höchstens %1 Felder möglich.").arg(MaxFelder));
    for (std::size_t i = 0; i < e.felder.size(); ++i) {
        if (!std::isfinite(e.felder[i]))
            return fehler(Felder, int(i) + 1, QStringLiteral("Länge"), KeineZahl);
        if (!(e.felder[i] > 0))
            return fehler(Felder, int(i) + 1, QStringLiteral("Länge"), QStringLiteral("Die Stützweite muss größer als 0 sein."));
        // Below a millimetre a span is a typing slip, and its stiffness swamps the others.
        if (e.felder[i] < MinLaenge)
            return fehler(Felder, int(i) + 1, QStringLiteral("Länge"),
                QStringLiteral("Die Stützweite muss mindestens 1 mm betragen."));
    }
    for (const auto& [name, laenge] : {std::pair {QStringLiteral("Kragarm links"), e.kragarm_links},
             std::pair {QStringLiteral("Kragarm rechts"), e.kragarm_rechts}}) {
        if (!std::isfinite(laenge))
            return fehler(Felder, 0, name, KeineZahl);
        if (laenge < 0)
            return fehler(Felder, 0, name, QStringLiteral("Die Länge darf nicht negativ sein."));
        if (laenge > 0 && laenge < MinLaenge)
            return fehler(Felder, 0, name, QStringLiteral("Ein Kragarm ist 0 (keiner) oder mindestens 1 mm lang."));
    }
    if (!std::isfinite(Gesamtlaenge(e)))
        return fehler(Felder, 0, QString(), QStringLiteral("Der Träger ist zu lang."));
    return std::nullopt;
}

// σzul, E, I, W, the mass and the limit: the inputs beside the tables.
std::optional<Eingabefehler> wertePruefen(const Eingabe& e)
{
    if (!std::isfinite(e.Sigma_Zul) || !(e.Sigma_Zul > 0))
        return fehler(QString(), 0, QStringLiteral("σzul"), QStringLiteral("Die zulässige Spannung muss größer als 0 sein."));
    const std::pair<QString, double> nichtNegativ[] = {{QStringLiteral("E"), e.E}, {QStringLiteral("I"), e.I},
        {QStringLiteral("W"), e.W}, {QStringLiteral("Masse"), e.eigengewicht ? e.Masse : 0.0}};
    for (const auto& [name, w] : nichtNegativ)
        if (!std::isfinite(w) || w < 0)
            return fehler(QString(), 0, name, QStringLiteral("Der Wert muss eine Zahl von mindestens 0 sein."));
    if (e.grenze < 0)
        return fehler(QString(), 0, QStringLiteral("L/f"), QStringLiteral("Die Grenze darf nicht negativ sein."));
    return std::nullopt;
}

// --- Loads in the solver's units ---------------------------------------------------------------

struct Kraft {
    double x, F; // mm, N downward
};
struct Paar {
    double x, M; // mm, N·mm clockwise
};
struct Linienlast {
    double a, b, q1, q2; // mm, N/mm downward
};

// The loads of one solve: the permanent ones, or the variable ones of one span or cantilever.
struct Lastgruppe {
    std::vector<Kraft> kraefte;
    std::vector<Paar> paare;
    std::vector<Linienlast> linien;
    bool leer() const { return kraefte.empty() && paare.empty() && linien.empty(); }
};

// The part of a line load that lies within [von, bis], or none.
std::optional<Linienlast> ausschnitt(const Linienlast& l, double von, double bis)
{
    const double a = std::max(l.a, von), b = std::min(l.b, bis);
    if (!(b > a))
        return std::nullopt;
    auto q = [&](double x) { return l.q1 + (l.q2 - l.q1) * (x - l.a) / (l.b - l.a); };
    return Linienlast {a, b, a == l.a ? l.q1 : q(a), b == l.b ? l.q2 : q(b)};
}

Linienlast linienlast(const Last& l)
{
    // N/m → N/mm
    return l.art == Lastart::Streckenlast ? Linienlast {l.von, l.bis, l.q / 1000.0, l.q / 1000.0}
                                          : Linienlast {l.von, l.bis, l.q1 / 1000.0, l.q2 / 1000.0};
}

// The span or cantilever a point load at x belongs to: the one on its right at a support, the
// last one at the beam's right end.
std::size_t abschnittBei(const std::vector<Abschnitt>& b, double x)
{
    std::size_t i = 0;
    while (i + 1 < b.size() && x >= b[i].bis)
        ++i;
    return i;
}

// The permanent group first, then one group per span and cantilever with its variable loads
// (a line load over several of them is cut at the supports; a load on a support belongs to the
// part on its right, at the right end to the last). With `kategorien` the variable loads of
// each category apart: group 1 + k·(spans and cantilevers) + i holds those of kategorien[k].
std::vector<Lastgruppe> lastgruppen(
    const Eingabe& e, const std::vector<Abschnitt>& b, const std::vector<QString>* kategorien = nullptr)
{
    std::vector<Lastgruppe> g(b.size() * (kategorien ? kategorien->size() : 1) + 1);
    const double Lg = b.back().bis;
    if (e.eigengewicht && e.Masse > 0) {
        const double q = Biegerechnung::Eigengewicht(e.Masse) / 1000.0;
        g[0].linien.push_back({0.0, Lg, q, q});
    }
    for (const Last& l : e.lasten) {
        const bool staendig = l.einwirkung == Einwirkung::Staendig;
        const std::size_t erste = kategorien && !staendig
            ? std::size_t(std::find(kategorien->begin(), kategorien->end(), l.kategorie) - kategorien->begin()) * b.size() + 1
            : 1;
        auto bereichBei = [&](double x) { return abschnittBei(b, x) + erste; };
        if (l.art == Lastart::Einzellast)
            g[staendig ? 0 : bereichBei(l.x)].kraefte.push_back({l.x, l.F});
        else if (l.art == Lastart::Moment)
            g[staendig ? 0 : bereichBei(l.x)].paare.push_back({l.x, l.M});
        else if (staendig)
            g[0].linien.push_back(linienlast(l));
        else
            for (std::size_t i = 0; i < b.size(); ++i)
                if (const auto teil = ausschnitt(linienlast(l), b[i].von, b[i].bis))
                    g[i + erste].linien.push_back(*teil);
    }
    return g;
}

// --- Lines as polynomials between kinks ----------------------------------------------------
//
// The moment is a sum of Macaulay terms c·<x − p>ⁿ (n = 0 a couple, 1 a force, 2 and 3 a line
// load). Between two neighbouring kinks it is a cubic; E·I·w'' = −M gives the slope (quartic)
// and the deflection (quintic), continuous over the whole beam. Every solve shares the same
// kinks, so the lines of several solves add piece by piece.

using Polynom = std::array<double, 6>; // coefficients of t⁰ … t⁵, t measured from the piece's start

double wert(const Polynom& p, double t)
{
    double s = 0;
    for (int k = 5; k >= 0; --k)
        s = s * t + p[k];
    return s;
}

Polynom ableitung(const Polynom& p)
{
    Polynom d {};
    for (int k = 1; k < 6; ++k)
        d[k - 1] = k * p[k];
    return d;
}

Polynom& operator+=(Polynom& a, const Polynom& b)
{
    for (int k = 0; k < 6; ++k)
        a[k] += b[k];
    return a;
}

struct Term {
    double c, p;
    int n;
};

std::vector<Term> terme(const Lastgruppe& g)
{
    std::vector<Term> t;
    for (const Kraft& k : g.kraefte)
        t.push_back({-k.F, k.x, 1});
    for (const Paar& p : g.paare)
        t.push_back({p.M, p.x, 0});
    for (const Linienlast& l : g.linien) {
        // The load from a onward, and the same continued beyond b taken off again.
        const double k = (l.q2 - l.q1) / (l.b - l.a);
        t.push_back({-l.q1 / 2.0, l.a, 2});
        t.push_back({-k / 6.0, l.a, 3});
        t.push_back({l.q2 / 2.0, l.b, 2});
        t.push_back({k / 6.0, l.b, 3});
    }
    return t;
}

struct Stueck {
    Polynom M, EIth, EIw; // moment, E·I·slope, E·I·deflection
};

struct Linie {
    std::vector<Stueck> stuecke; // one per interval between neighbouring kinks
    std::vector<double> EIth_knick, EIw_knick; // at every kink
    double M_ende = 0, V_ende = 0; // right of the beam's right end: 0 when in equilibrium
};

// The line of the terms on the kinks (sorted, first 0, last the beam's end), starting from the
// given slope and deflection at x = 0.
Linie linie(std::vector<Term> t, const std::vector<double>& knicke, double EIth0, double EIw0)
{
    std::sort(t.begin(), t.end(), [](const Term& a, const Term& b) { return a.p < b.p; });
    Linie l;
    l.stuecke.reserve(knicke.size());
    std::array<double, 4> m {}; // the moment about the current kink
    double th = EIth0, w = EIw0;
    std::size_t j = 0;
    for (std::size_t i = 0; i < knicke.size(); ++i) {
        if (i > 0) { // Taylor shift of the cubic to the next kink
            const double h = knicke[i] - knicke[i - 1];
            m = {
                m[0] + h * (m[1] + h * (m[2] + h * m[3])), m[1] + h * (2.0 * m[2] + 3.0 * h * m[3]), m[2] + 3.0 * h * m[3], m[3]};
        }
        for (; j < t.size() && t[j].p <= knicke[i]; ++j)
            m[t[j].n] += t[j].c;
        l.EIth_knick.push_back(th);
        l.EIw_knick.push_back(w);
        if (i + 1 == knicke.size())
            break;
        Stueck s {};
        s.EIth[0] = th;
        s.EIw[0] = w;
        for (int k = 0; k < 4; ++k) {
            s.M[k] = m[k];
            s.EIth[k + 1] = -m[k] / (k + 1);
        }
        for (int k = 0; k < 5; ++k)
            s.EIw[k + 1] = s.EIth[k] / (k + 1);
        const double h = knicke[i + 1] - knicke[i];
        th = wert(s.EIth, h);
        w = wert(s.EIw, h);
        l.stuecke.push_back(s);
    }
    l.M_ende = m[0];
    l.V_ende = m[1];
    return l;
}

// --- The support conditions ------------------------------------------------------------------
//
// Unknowns: the reaction at every support, the moment at each fixed end, and E·I times slope
// and deflection at x = 0. Equations: w = 0 at every support, w' = 0 at each fixed end, and
// V = M = 0 right of the beam's end (ΣV = 0, ΣM = 0). Rows and columns are scaled by powers of
// the beam's length so that every entry is of order 1 whatever the units.

struct System {
    std::vector<double> stuetzen; // support positions
    std::vector<double> einspannungen; // positions of the fixed ends
    std::vector<std::size_t> stuetzeKnick, einspannungKnick; // their indices among the kinks
    double Lg = 0;
    Eigen::FullPivLU<Eigen::MatrixXd> lu;
    Eigen::VectorXd zeile, spalte; // scales: A_skaliert = diag(1/zeile) · A · diag(spalte)

    std::size_t unbekannte() const { return stuetzen.size() + einspannungen.size() + 2; }
};

double klammer(double d, int n) { return d > 0 ? std::pow(d, n) : 0.0; }

System system(const Eingabe& e, const std::vector<double>& knicke)
{
    System s;
    s.stuetzen = Stuetzen(e);
    s.Lg = Gesamtlaenge(e);
    if (e.lager_links == Lager::Eingespannt)
        s.einspannungen.push_back(s.stuetzen.front());
    if (e.lager_rechts == Lager::Eingespannt)
        s.einspannungen.push_back(s.stuetzen.back());
    auto knick = [&](double x) { return std::size_t(std::lower_bound(knicke.begin(), knicke.end(), x) - knicke.begin()); };
    for (double x : s.stuetzen)
        s.stuetzeKnick.push_back(knick(x));
    for (double x : s.einspannungen)
        s.einspannungKnick.push_back(knick(x));

    const auto ns = s.stuetzen.size(), nc = s.einspannungen.size(), n = s.unbekannte();
    const double L = s.Lg;
    Eigen::MatrixXd A = Eigen::MatrixXd::Zero(Eigen::Index(n), Eigen::Index(n));
    s.zeile.resize(Eigen::Index(n));
    s.spalte.resize(Eigen::Index(n));
    const auto th0 = Eigen::Index(ns + nc), w0 = th0 + 1;
    for (std::size_t j = 0; j < ns; ++j) { // w(s_j) = 0
        const auto r = Eigen::Index(j);
        for (std::size_t i = 0; i < ns; ++i)
            A(r, Eigen::Index(i)) = -klammer(s.stuetzen[j] - s.stuetzen[i], 3) / 6.0;
        for (std::size_t c = 0; c < nc; ++c)
            A(r, Eigen::Index(ns + c)) = -klammer(s.stuetzen[j] - s.einspannungen[c], 2) / 2.0;
        A(r, th0) = s.stuetzen[j];
        A(r, w0) = 1.0;
        s.zeile(r) = L * L * L;
    }
    for (std::size_t c = 0; c < nc; ++c) { // w'(fixed end) = 0
        const auto r = Eigen::Index(ns + c);
        for (std::size_t i = 0; i < ns; ++i)
            A(r, Eigen::Index(i)) = -klammer(s.einspannungen[c] - s.stuetzen[i], 2) / 2.0;
        for (std::size_t d = 0; d < nc; ++d)
            A(r, Eigen::Index(ns + d)) = -klammer(s.einspannungen[c] - s.einspannungen[d], 1);
        A(r, th0) = 1.0;
        s.zeile(r) = L * L;
    }
    for (std::size_t i = 0; i < ns; ++i) { // ΣV, ΣM about the right end
        A(th0, Eigen::Index(i)) = 1.0;
        A(w0, Eigen::Index(i)) = L - s.stuetzen[i];
    }
    for (std::size_t c = 0; c < nc; ++c)
        A(w0, Eigen::Index(ns + c)) = 1.0;
    s.zeile(th0) = 1.0;
    s.zeile(w0) = L;
    for (std::size_t i = 0; i < n; ++i)
        s.spalte(Eigen::Index(i)) = i < ns ? 1.0 : i < ns + nc ? L : i == ns + nc ? L * L : L * L * L;
    if (!A.allFinite() || !s.spalte.allFinite()) // lengths whose cubes overflow
        throw Fehler::ueberlauf();
    s.lu.compute(s.zeile.cwiseInverse().asDiagonal() * A * s.spalte.asDiagonal());
    if (!s.lu.isInvertible())
        throw Fehler(Fehler::Art::Allgemein, QStringLiteral("Der Träger ist verschieblich und kann die Lasten nicht tragen."));
    return s;
}

// The right-hand side of the loads of one group: their line on a beam without supports.
Eigen::VectorXd rechteSeite(const System& s, const Linie& last)
{
    const auto ns = s.stuetzen.size(), nc = s.einspannungen.size();
    Eigen::VectorXd b(Eigen::Index(s.unbekannte()));
    for (std::size_t j = 0; j < ns; ++j)
        b(Eigen::Index(j)) = -last.EIw_knick[s.stuetzeKnick[j]];
    for (std::size_t c = 0; c < nc; ++c)
        b(Eigen::Index(ns + c)) = -last.EIth_knick[s.einspannungKnick[c]];
    b(Eigen::Index(ns + nc)) = -last.V_ende;
    b(Eigen::Index(ns + nc + 1)) = -last.M_ende;
    return b.cwiseQuotient(s.zeile);
}

// The terms of the solved reactions and fixed-end moments.
std::vector<Term> lagerterme(const System& s, const Eigen::VectorXd& u)
{
    std::vector<Term> t;
    for (std::size_t i = 0; i < s.stuetzen.size(); ++i)
        t.push_back({u(Eigen::Index(i)), s.stuetzen[i], 1});
    for (std::size_t c = 0; c < s.einspannungen.size(); ++c)
        t.push_back({u(Eigen::Index(s.stuetzen.size() + c)), s.einspannungen[c], 0});
    return t;
}

// ΣV and ΣM about the left end of the loads against the reactions, each relative to the sum of
// the magnitudes that enter it.
double gleichgewichtsrest(const Lastgruppe& g, const System& s, const Eigen::VectorXd& u)
{
    double V = 0, Vbetrag = 0, M = 0, Mbetrag = 0; // downward, clockwise positive
    auto dazu = [&](double v, double m) {
        V += v;
        Vbetrag += std::fabs(v);
        M += m;
        Mbetrag += std::fabs(m);
    };
    for (const Kraft& k : g.kraefte)
        dazu(k.F, k.F * k.x);
    for (const Paar& p : g.paare)
        dazu(0.0, p.M);
    for (const Linienlast& l : g.linien)
        dazu((l.q1 + l.q2) / 2.0 * (l.b - l.a), (l.b - l.a) * (l.q1 * (2.0 * l.a + l.b) + l.q2 * (l.a + 2.0 * l.b)) / 6.0);
    for (std::size_t i = 0; i < s.stuetzen.size(); ++i)
        dazu(-u(Eigen::Index(i)), -u(Eigen::Index(i)) * s.stuetzen[i]);
    for (std::size_t c = 0; c < s.einspannungen.size(); ++c)
        dazu(0.0, u(Eigen::Index(s.stuetzen.size() + c)));
    const double rV = Vbetrag > 0 ? std::fabs(V) / Vbetrag : 0.0;
    const double rM = Mbetrag > 0 ? std::fabs(M) / Mbetrag : 0.0;
    return std::max(rV, rM);
}

// --- Envelope ----------------------------------------------------------------------------------

// The solved line of every group: [0] the permanent loads, then the variable ones that exist.
struct Loesung {
    std::vector<double> knicke;
    System sys;
    std::vector<Lastgruppe> gruppen;
    std::vector<Linie> linien;
    std::vector<Eigen::VectorXd> unbekannte;
    std::size_t huellgruppen = 0; // the groups of the envelope: the permanent one and the variable ones
    double rest = 0;
};

std::vector<double> knicke(const Eingabe& e, const std::vector<Lastgruppe>& gruppen)
{
    std::vector<double> k = Stuetzen(e);
    k.insert(k.end(), e.stellen.begin(), e.stellen.end());
    k.push_back(0.0);
    k.push_back(Gesamtlaenge(e));
    for (const Lastgruppe& g : gruppen) {
        for (const Kraft& f : g.kraefte)
            k.push_back(f.x);
        for (const Paar& p : g.paare)
            k.push_back(p.x);
        for (const Linienlast& l : g.linien)
            k.insert(k.end(), {l.a, l.b});
    }
    std::sort(k.begin(), k.end());
    k.erase(std::unique(k.begin(), k.end()), k.end());
    return k;
}

// Every group of `gruppen` solved on one system; the first `huellgruppen` make the envelope.
Loesung loesen(const Eingabe& e, std::vector<Lastgruppe> gruppen, std::size_t huellgruppen)
{
    Loesung l;
    l.gruppen = std::move(gruppen);
    l.huellgruppen = huellgruppen;
    l.knicke = knicke(e, l.gruppen);
    l.sys = system(e, l.knicke);
    const auto n = Eigen::Index(l.sys.unbekannte());
    Eigen::MatrixXd B(n, Eigen::Index(l.gruppen.size()));
    std::vector<std::vector<Term>> lastterme;
    for (std::size_t g = 0; g < l.gruppen.size(); ++g) {
        lastterme.push_back(terme(l.gruppen[g]));
        B.col(Eigen::Index(g)) = rechteSeite(l.sys, linie(lastterme.back(), l.knicke, 0.0, 0.0));
    }
    const Eigen::MatrixXd X = l.sys.lu.solve(B);
    for (std::size_t g = 0; g < l.gruppen.size(); ++g) {
        const Eigen::VectorXd u = X.col(Eigen::Index(g)).cwiseProduct(l.sys.spalte);
        std::vector<Term> t = lastterme[g];
        const auto lt = lagerterme(l.sys, u);
        t.insert(t.end(), lt.begin(), lt.end());
        l.linien.push_back(linie(std::move(t), l.knicke, u(n - 2), u(n - 1)));
        l.unbekannte.push_back(u);
        l.rest = std::max(l.rest, gleichgewichtsrest(l.gruppen[g], l.sys, u));
    }
    return l;
}

// `einheitslast`: one more group after those of the envelope, a uniform load of 1 N/mm over the
// whole beam, whose line scales to any self-weight.
Loesung loesen(const Eingabe& e, bool einheitslast = false)
{
    const auto b = Abschnitte(e);
    auto alle = lastgruppen(e, b);
    std::vector<Lastgruppe> gruppen {alle[0]}; // permanent, also when empty
    for (std::size_t i = 1; i < alle.size(); ++i)
        if (!alle[i].leer())
            gruppen.push_back(std::move(alle[i]));
    const std::size_t huellgruppen = gruppen.size();
    if (einheitslast)
        gruppen.push_back({{}, {}, {{0.0, b.back().bis, 1.0, 1.0}}});
    return loesen(e, std::move(gruppen), huellgruppen);
}

// The permanent value plus every variable part that makes it greater (oben) or smaller.
template <typename Wert> double huelle(std::size_t gruppen, bool oben, Wert wertVon)
{
    double s = wertVon(0);
    for (std::size_t g = 1; g < gruppen; ++g) {
        const double v = wertVon(g);
        if (oben ? v > 0 : v < 0)
            s += v;
    }
    return s;
}

// Both envelopes at once, each summed in the same order as `huelle`: [0] from below, [1] from above.
template <typename Wert> std::array<double, 2> huellen(std::size_t gruppen, Wert wertVon)
{
    const double v0 = wertVon(0);
    std::array<double, 2> s {v0, v0};
    for (std::size_t g = 1; g < gruppen; ++g) {
        const double v = wertVon(g);
        if (v > 0)
            s[1] += v;
        else if (v < 0)
            s[0] += v;
    }
    return s;
}

// A bound of a polynomial over [0, h] from above (oben) or below, as t^k ≥ 0 there, widened by
// far more than the rounding of any value `wert` gives in the interval.
double schranke(const Polynom& p, double h, bool oben)
{
    double s = p[0], betrag = std::fabs(p[0]), hk = 1.0;
    for (int k = 1; k < 6; ++k) {
        hk *= h;
        const double c = p[k] * hk;
        if (oben ? c > 0 : c < 0)
            s += c;
        betrag += std::fabs(c);
    }
    const double spiel = 1e-12 * betrag;
    return oben ? s + spiel : s - spiel;
}

// The values of the variable groups at the stations of every piece. They do not change with
// the profile (a profile changes only the permanent group), so the finder stores them once;
// they are the very numbers `wert` gives, and a result from them is the same to the last bit.
struct Stationswerte {
    enum Groesse { M, EIw, Groessen };
    // Of one quantity at one station: the groups whose value is above 0, then those below 0,
    // each in the order of the groups, from `anfang` on in `gruppe` and `wert`. The envelope adds
    // them in that order, as `huelle` does.
    struct Teile {
        std::size_t anfang = 0, hoch = 0, runter = 0;
    };
    std::vector<std::vector<double>> stellen; // per piece its stations t
    std::vector<std::size_t> erste; // per piece the index of its first station
    std::vector<Teile> teile; // [station][Groesse]
    std::vector<std::size_t> gruppe;
    std::vector<double> wert;

    // The values of groups 1, 2, … of the next quantity of the next station.
    template <typename Wert> void dazu(std::size_t gruppen, Wert wertVon)
    {
        Teile t {wert.size(), 0, 0};
        for (const bool hoch : {true, false})
            for (std::size_t g = 1; g < gruppen; ++g)
                if (const double v = wertVon(g); hoch ? v > 0 : v < 0) {
                    gruppe.push_back(g);
                    wert.push_back(v);
                    ++(hoch ? t.hoch : t.runter);
                }
        teile.push_back(t);
    }
};

// The lines of every group on piece i at its stations t: computed, or with the values of the
// variable groups that the finder has stored.
struct Abtastung {
    const Loesung& l;
    const Stationswerte* vorrat;
    std::size_t i;
    const std::vector<double>& t;
    std::vector<double>& wurzeln; // room for the roots a search finds, kept from piece to piece

    double permanent(Polynom Stueck::*gr, std::size_t j) const { return wert(l.linien[0].stuecke[i].*gr, t[j]); }

    const Stationswerte::Teile& teile(Stationswerte::Groesse welche, std::size_t j) const
    {
        return vorrat->teile[(vorrat->erste[i] + j) * Stationswerte::Groessen + welche];
    }

    // Both envelopes at station j: [0] from below, [1] from above.
    std::array<double, 2> beide(Polynom Stueck::*gr, Stationswerte::Groesse welche, std::size_t j) const
    {
        if (!vorrat)
            return huellen(l.huellgruppen, [&](std::size_t g) { return wert(l.linien[g].stuecke[i].*gr, t[j]); });
        const double v0 = permanent(gr, j);
        std::array<double, 2> s {v0, v0};
        const Stationswerte::Teile& te = teile(welche, j);
        for (std::size_t k = te.anfang; k < te.anfang + te.hoch; ++k)
            s[1] += vorrat->wert[k];
        for (std::size_t k = te.anfang + te.hoch; k < te.anfang + te.hoch + te.runter; ++k)
            s[0] += vorrat->wert[k];
        return s;
    }

    // The polynomial of the pattern that governs at station j: the permanent part plus the
    // variable parts that push the value the same way.
    Polynom muster(std::size_t j, bool oben, Polynom Stueck::*gr, Stationswerte::Groesse welche) const
    {
        Polynom p = l.linien[0].stuecke[i].*gr;
        auto dazu = [&](std::size_t g) { p += l.linien[g].stuecke[i].*gr; };
        if (vorrat) {
            const Stationswerte::Teile& te = teile(welche, j);
            const std::size_t von = oben ? te.anfang : te.anfang + te.hoch, zahl = oben ? te.hoch : te.runter;
            for (std::size_t k = von; k < von + zahl; ++k)
                dazu(vorrat->gruppe[k]);
        } else {
            for (std::size_t g = 1; g < l.huellgruppen; ++g)
                if (const double v = wert(l.linien[g].stuecke[i].*gr, t[j]); oben ? v > 0 : v < 0)
                    dazu(g);
        }
        return p;
    }
};

// The roots of a polynomial within (0, h) into r: where it changes sign between n sample
// points, each narrowed by bisection to the last bit.
void nullstellen(const Polynom& p, double h, int n, std::vector<double>& r)
{
    r.clear();
    double a = 0, fa = wert(p, 0.0);
    for (int k = 1; k <= n; ++k) {
        double b = h * k / n, fb = wert(p, b);
        if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) {
            double lo = a, hi = b, flo = fa;
            for (int it = 0; it < 200 && lo < hi; ++it) {
                const double mid = 0.5 * (lo + hi);
                if (mid <= lo || mid >= hi)
                    break;
                const double fm = wert(p, mid);
                if ((fm < 0) == (flo < 0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            r.push_back(0.5 * (lo + hi));
        }
        a = b;
        fa = fb;
    }
}

// Where the derivative of a cubic vanishes within (0, h), in closed form, into r.
void scheitel3(const Polynom& p, double h, std::vector<double>& r)
{
    const double a = 3.0 * p[3], b = 2.0 * p[2], c = p[1];
    r.clear();
    if (a == 0.0) {
        if (b != 0.0)
            r.push_back(-c / b);
    } else if (const double d = b * b - 4.0 * a * c; d >= 0) {
        // The stable pair of roots: no cancellation in −b ± √d.
        const double qq = -0.5 * (b + std::copysign(std::sqrt(d), b));
        r.push_back(qq != 0.0 ? qq / a : 0.0);
        if (qq != 0.0)
            r.push_back(c / qq);
    }
    std::erase_if(r, [h](double t) { return !(t > 0 && t < h); });
}

struct Kandidat {
    double x = 0, wert = 0;
};

// The extremes of the envelope of one quantity on piece i: the values at the stations t (the
// envelope from above and from below), then the governing pattern's polynomial taken at its own
// extreme inside the piece. `ausserhalb`: values below [0] and above [1] that some station
// reaches; a piece whose polynomial stays strictly within them cannot hold the extreme and is
// not searched (the result is the same, to the bit, as with every piece searched).
void verfeinern(const Abtastung& a, Polynom Stueck::*groesse, Stationswerte::Groesse welche,
    const std::array<std::span<const double>, 2>& werte, Kandidat& groesster, Kandidat& kleinster,
    const std::array<double, 2>* ausserhalb = nullptr)
{
    const Loesung& l = a.l;
    const std::size_t i = a.i;
    const std::vector<double>& t = a.t;
    const bool kubisch = welche == Stationswerte::M;
    const double x0 = l.knicke[i], h = l.knicke[i + 1] - x0;
    for (const bool oben : {true, false}) {
        Kandidat& k = oben ? groesster : kleinster;
        auto besser = [&](double v) { return oben ? v > k.wert : v < k.wert; };
        const std::span<const double> v = werte[oben];
        const auto beste
            = std::size_t((oben ? std::max_element(v.begin(), v.end()) : std::min_element(v.begin(), v.end())) - v.begin());
        if (besser(v[beste]))
            k = {x0 + t[beste], v[beste]};
        const Polynom p = a.muster(beste, oben, groesse, welche);
        if (ausserhalb && (oben ? schranke(p, h, true) < (*ausserhalb)[1] : schranke(p, h, false) > (*ausserhalb)[0]))
            continue;
        std::vector<double>& wurzeln = a.wurzeln;
        if (kubisch)
            scheitel3(p, h, wurzeln);
        else
            nullstellen(ableitung(p), h, int(t.size()) * 4, wurzeln);
        for (double r : wurzeln)
            if (const double w = wert(p, r); besser(w))
                k = {x0 + r, w};
    }
}

std::vector<double> stellen(double h, double Lg)
{
    const int n = std::clamp(int(std::ceil(200.0 * h / Lg)), 2, 40);
    std::vector<double> t;
    for (int j = 0; j <= n; ++j)
        t.push_back(h * j / n);
    return t;
}

// --- The result ------------------------------------------------------------------------------

void lagerkraefte(const Loesung& l, Ergebnis& r)
{
    const System& s = l.sys;
    const auto nG = l.huellgruppen;
    for (std::size_t i = 0; i < s.stuetzen.size(); ++i) {
        Lagerkraft k;
        k.x = s.stuetzen[i];
        auto R = [&](std::size_t g) { return l.unbekannte[g](Eigen::Index(i)); };
        k.min = huelle(nG, false, R);
        k.max = huelle(nG, true, R);
        const auto c = std::find(s.einspannungen.begin(), s.einspannungen.end(), k.x) - s.einspannungen.begin();
        if (std::size_t(c) < s.einspannungen.size() && (i == 0 || i + 1 == s.stuetzen.size())) {
            // The moment just inside the span: right of the left fixed end, left of the right one.
            k.eingespannt = true;
            const std::size_t knick = s.stuetzeKnick[i];
            const bool links = i == 0;
            auto M = [&](std::size_t g) {
                const Linie& li = l.linien[g];
                return links ? li.stuecke[knick].M[0] : wert(li.stuecke[knick - 1].M, l.knicke[knick] - l.knicke[knick - 1]);
            };
            k.M_min = huelle(nG, false, M);
            k.M_max = huelle(nG, true, M);
        }
        r.lager.push_back(k);
    }
}

// The supports whose least reaction is downward. A reaction that is 0 in exact arithmetic (a
// support under a pattern that loads nothing next to it) may come out as a rounding residue of
// either sign: only what lies below that residue, taken relative to the greatest reaction, lifts.
void abheben(Ergebnis& r)
{
    double groesste = 0;
    for (const Lagerkraft& k : r.lager)
        groesste = std::max({groesste, std::fabs(k.min), std::fabs(k.max)});
    const double rest = 1e-9 * groesste;
    for (std::size_t i = 0; i < r.lager.size(); ++i)
        if (r.lager[i].min < -rest)
            r.abheben.push_back({i, r.lager[i].x, r.lager[i].min});
}

// Stations, extremes of M and V, and the deflection of each span and cantilever. `vorrat`: the
// finder's stored values of the variable groups, or none. Without `mitStationen` neither the
// stations nor V (the finder needs only M and the deflections).
void verlaeufe(const Eingabe& e, const Loesung& l, Ergebnis& r, const Stationswerte* vorrat, bool mitStationen)
{
    const double EI = e.E * e.I * 10000.0; // I: cm⁴ → mm⁴
    r.mitDurchbiegung = EI > 0;
    const double zuMm = r.mitDurchbiegung ? 1.0 / EI : 0.0;
    const double Lg = l.knicke.back();
    const auto b = Abschnitte(e);
    constexpr double Unendlich = std::numeric_limits<double>::infinity();
    const Kandidat Unten {0.0, -Unendlich}, Oben {0.0, Unendlich}; // every value beats them
    std::vector<Kandidat> wGroesster(b.size(), Unten), wKleinster(b.size(), Oben);
    Kandidat Mg = Unten, Mk = Oben, Vg = Unten, Vk = Oben;
    const auto nG = l.huellgruppen;
    const std::size_t stuecke = l.knicke.size() - 1;
    // Per piece its stations and the envelope of E·I·w there ([0] from below, [1] from above),
    // kept for the search of the deflections, which starts once every station of a span is known.
    std::vector<std::vector<double>> eigeneStellen(vorrat ? 0 : stuecke);
    std::array<std::vector<double>, 2> w; // all pieces' stations one after the other
    std::vector<std::size_t> wAnfang(stuecke + 1, 0);
    std::vector<std::array<double, 2>> wStationen(b.size(), {Unendlich, -Unendlich}); // per span: least, greatest
    std::array<std::vector<double>, 2> M;
    std::vector<double> wurzeln;
    std::vector<Polynom> V(nG);
    auto stellenVon = [&](std::size_t i) -> const std::vector<double>& { return vorrat ? vorrat->stellen[i] : eigeneStellen[i]; };
    auto abschnittVon = [&](std::size_t i) { return abschnittBei(b, 0.5 * (l.knicke[i] + l.knicke[i + 1])); };
    auto wVon = [&](std::size_t i) {
        auto teil = [&](int oben) { return std::span<const double>(w[oben]).subspan(wAnfang[i], wAnfang[i + 1] - wAnfang[i]); };
        return std::array {teil(0), teil(1)};
    };
    for (std::size_t i = 0; i < stuecke; ++i) {
        const double x0 = l.knicke[i];
        if (!vorrat)
            eigeneStellen[i] = stellen(l.knicke[i + 1] - x0, Lg);
        const std::vector<double>& t = stellenVon(i);
        const Abtastung abtastung {l, vorrat, i, t, wurzeln};
        if (mitStationen)
            for (std::size_t g = 0; g < nG; ++g)
                V[g] = ableitung(l.linien[g].stuecke[i].M); // V = dM/dx
        for (auto* werte : {&M[0], &M[1]})
            werte->clear();
        for (std::size_t j = 0; j < t.size(); ++j) {
            const double tj = t[j];
            const auto Mh = abtastung.beide(&Stueck::M, Stationswerte::M, j);
            const auto wh = abtastung.beide(&Stueck::EIw, Stationswerte::EIw, j);
            for (const bool oben : {false, true}) {
                M[oben].push_back(Mh[oben]);
                w[oben].push_back(wh[oben]);
            }
            if (!mitStationen)
                continue;
            const auto Vh = huellen(nG, [&](std::size_t g) { return wert(V[g], tj); });
            const Station s {x0 + tj, Mh[0], Mh[1], Vh[0], Vh[1], wh[0] * zuMm, wh[1] * zuMm};
            if (s.V_max > Vg.wert)
                Vg = {s.x, s.V_max};
            if (s.V_min < Vk.wert)
                Vk = {s.x, s.V_min};
            r.stationen.push_back(s);
        }
        verfeinern(abtastung, &Stueck::M, Stationswerte::M, {M[0], M[1]}, Mg, Mk);
        wAnfang[i + 1] = w[0].size();
        const auto stueckW = wVon(i);
        auto& grenzen = wStationen[abschnittVon(i)];
        grenzen[0] = std::min(grenzen[0], *std::min_element(stueckW[0].begin(), stueckW[0].end()));
        grenzen[1] = std::max(grenzen[1], *std::max_element(stueckW[1].begin(), stueckW[1].end()));
    }
    if (r.mitDurchbiegung)
        for (std::size_t i = 0; i < stuecke; ++i) {
            const std::size_t z = abschnittVon(i);
            verfeinern({l, vorrat, i, stellenVon(i), wurzeln}, &Stueck::EIw, Stationswerte::EIw, wVon(i), wGroesster[z],
                wKleinster[z], &wStationen[z]);
        }
    r.M_max = {Mg.x, Mg.wert};
    r.M_min = {Mk.x, Mk.wert};
    if (mitStationen)
        r.V_betrag_max = Vg.wert >= -Vk.wert ? Extremwert {Vg.x, Vg.wert} : Extremwert {Vk.x, Vk.wert};
    for (std::size_t z = 0; z < b.size(); ++z) {
        Abschnitt a = b[z];
        // Without E·I no deflection was sought: f stays 0 (not the infinite start values).
        const Kandidat& f = !r.mitDurchbiegung          ? Kandidat {}
            : wGroesster[z].wert >= -wKleinster[z].wert ? wGroesster[z]
                                                        : wKleinster[z];
        a.f = f.wert * zuMm;
        a.x = f.x;
        a.L_f = a.f != 0 ? a.L_Grenze / std::fabs(a.f) : 0.0;
        a.ausnutzung = e.grenze > 0 ? std::fabs(a.f) * e.grenze / a.L_Grenze : 0.0;
        r.abschnitte.push_back(a);
    }
}

void urteilen(const Eingabe& e, Ergebnis& r)
{
    r.urteile.push_back(Nachweis::Biegung(r.W_erf, e.W));
    if (e.W > 0)
        r.ausnutzung = Nachweis::Ausnutzung(r.W_erf, e.W);
    if (r.mitDurchbiegung)
        for (const Abschnitt& a : r.abschnitte) {
            Nachweis::Urteil u = Nachweis::Durchbiegung(a.L_Grenze, a.f, e.grenze);
            u.text = a.name + QStringLiteral(" – ") + u.text;
            r.urteile.push_back(u);
        }
    const bool einesNicht = std::any_of(r.urteile.begin(), r.urteile.end(), [](const Nachweis::Urteil& u) {
        return u.zustand == Nachweis::Zustand::NichtErfuellt || u.zustand == Nachweis::Zustand::KeinProfil;
    });
    r.erfuellt = !einesNicht;
}

// --- The written-out calculation ---------------------------------------------------------------

QString lagerText(Lager l) { return l == Lager::Eingespannt ? QStringLiteral("eingespannt") : QStringLiteral("gelenkig"); }

QString stelle(double x) { return QStringLiteral("bei x = %1").arg(mm(x)); }

void notieren(
    Rechenweg::Schritte& s, const QString& was, const QString& formel, const QString& eingesetzt, const QString& ergebnis)
{
    s.append({was, formel, eingesetzt, ergebnis});
}

Rechenweg::Schritte schritte(const Eingabe& e, const Loesung& l, const Ergebnis& r)
{
    Rechenweg::Schritte s;
    QStringList traeger;
    for (double f : e.felder)
        traeger << mm(f);
    traeger = QStringList {QStringLiteral("Felder ") + traeger.join(QStringLiteral(", "))};
    if (e.kragarm_links > 0)
        traeger << QStringLiteral("Kragarm links ") + mm(e.kragarm_links);
    if (e.kragarm_rechts > 0)
        traeger << QStringLiteral("Kragarm rechts ") + mm(e.kragarm_rechts);
    traeger << QStringLiteral("Lager links %1, rechts %2, Zwischenlager gelenkig")
                   .arg(lagerText(e.lager_links), lagerText(e.lager_rechts));
    notieren(s, QStringLiteral("Träger"), traeger.join(QStringLiteral("; ")), QString(),
        QStringLiteral("Gesamtlänge %1").arg(mm(l.knicke.back())));
    if (e.eigengewicht && e.Masse > 0)
        notieren(s, QStringLiteral("Eigengewicht des Profils (ständig, über den ganzen Träger)"),
            QStringLiteral("g = Masse · 9,81 N/kg"),
            QStringLiteral("= %1 · 9,81 N/kg").arg(wert(e.Masse, QStringLiteral("kg/m"))),
            wert(Biegerechnung::Eigengewicht(e.Masse), QStringLiteral("N/m")));
    notieren(s, QStringLiteral("Lösung"),
        QStringLiteral("w = 0 an jedem Lager, w' = 0 an jeder Einspannung, ΣV = 0 und ΣM = 0: %1 Gleichungen")
            .arg(l.sys.unbekannte()),
        QStringLiteral("Biegelinie aus E · I · w'' = −M(x), Lasten als Föppl-Klammern"), QString());
    const auto variabel = l.huellgruppen - 1;
    notieren(s, QStringLiteral("Laststellungen"),
        QStringLiteral(
            "ständige Lasten immer; veränderliche feldweise ungünstig (jedes Feld und jeder Kragarm belastet oder nicht)"),
        QStringLiteral("%1 Abschnitte mit veränderlicher Last: %2 Stellungen, durch Überlagerung")
            .arg(variabel)
            .arg(std::pow(2.0, double(variabel))),
        QString());
    for (std::size_t i = 0; i < r.lager.size(); ++i) {
        const Lagerkraft& k = r.lager[i];
        notieren(s, QStringLiteral("Auflagerkraft A%1 %2").arg(i + 1).arg(stelle(k.x)), QStringLiteral("A min … A max"),
            QString(), QStringLiteral("%1 … %2").arg(wert(k.min, QStringLiteral("N")), wert(k.max, QStringLiteral("N"))));
        if (k.eingespannt)
            notieren(s, QStringLiteral("Einspannmoment %1").arg(stelle(k.x)), QStringLiteral("M min … M max"), QString(),
                QStringLiteral("%1 … %2").arg(wert(k.M_min, QStringLiteral("N·mm")), wert(k.M_max, QStringLiteral("N·mm"))));
    }
    notieren(s, QStringLiteral("Größtes Biegemoment"), QStringLiteral("M max, wo V = 0 oder an einem Knick"), stelle(r.M_max.x),
        wert(r.M_max.wert, QStringLiteral("N·mm")));
    notieren(s, QStringLiteral("Kleinstes Biegemoment"), QStringLiteral("M min"), stelle(r.M_min.x),
        wert(r.M_min.wert, QStringLiteral("N·mm")));
    notieren(s, QStringLiteral("Größte Querkraft"), QStringLiteral("|V| max"), stelle(r.V_betrag_max.x),
        wert(r.V_betrag_max.wert, QStringLiteral("N")));
    const double Mb = std::max(std::fabs(r.M_max.wert), std::fabs(r.M_min.wert));
    notieren(s, QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"), QStringLiteral("W erf = |M| max / σzul / 1000"),
        QStringLiteral("= %1 / %2 / 1000").arg(wert(Mb, QStringLiteral("N·mm")), wert(e.Sigma_Zul, QStringLiteral("N/mm²"))),
        wert(r.W_erf, QStringLiteral("cm³")));
    if (r.mitDurchbiegung) {
        notieren(s, QStringLiteral("Biegesteifigkeit"), QStringLiteral("E · I = E · I[cm⁴] · 10000"),
            QStringLiteral("= %1 · %2 · 10000").arg(wert(e.E, QStringLiteral("N/mm²")), wert(e.I, QStringLiteral("cm⁴"))),
            wert(e.E * e.I * 10000.0, QStringLiteral("N·mm²")));
        for (const Abschnitt& a : r.abschnitte)
            notieren(s, QStringLiteral("Größte Durchbiegung %1").arg(a.name), QStringLiteral("f = größtes |w(x)|, L/f = L / |f|"),
                QStringLiteral("%1, L = %2").arg(stelle(a.x), mm(a.L_Grenze)),
                QStringLiteral("%1, L/f = %2").arg(mm(a.f), a.f != 0 ? Rechenweg::zahl(a.L_f) : QStringLiteral("∞")));
    }
    notieren(s, QStringLiteral("Gleichgewichtskontrolle"),
        QStringLiteral("ΣV und ΣM um das linke Ende: Lasten gegen Lagerkräfte"),
        QStringLiteral("größter relativer Rest aller Lösungen"), QLocale().toString(r.gleichgewicht_rest, 'e', 1));
    return s;
}

// What the loads of `e` can produce at most, as scales of the solve's round-off: the sum of the
// load resultants F (N), the moment M they can cause over the beam (N·mm), the shear V a moment
// load can add over the shortest span, and the deflection w (mm) of M over the whole length.
struct Lastgroessen {
    double F = 0, M = 0, V = 0, w = 0;
};

Lastgroessen lastgroessen(const Eingabe& e)
{
    const double Lg = Gesamtlaenge(e);
    double F = 0, M = 0, Lmin = Lg;
    for (const Last& l : e.lasten) {
        switch (l.art) {
        case Lastart::Einzellast:
            F += std::fabs(l.F);
            break;
        case Lastart::Streckenlast:
            F += std::fabs(l.q) * (l.bis - l.von) / 1000.0;
            break;
        case Lastart::Trapezlast:
            F += 0.5 * (std::fabs(l.q1) + std::fabs(l.q2)) * (l.bis - l.von) / 1000.0;
            break;
        case Lastart::Moment:
            M += std::fabs(l.M);
            break;
        }
    }
    if (e.eigengewicht)
        F += Biegerechnung::Eigengewicht(e.Masse) / 1000.0 * Lg;
    for (double f : e.felder)
        Lmin = std::min(Lmin, f);
    for (double k : {e.kragarm_links, e.kragarm_rechts})
        if (k > 0)
            Lmin = std::min(Lmin, k);
    Lastgroessen g;
    g.F = F;
    g.M = F * Lg + M;
    g.V = F + M / Lmin;
    const double EI = e.E * e.I * 1.0e4; // cm⁴ → mm⁴
    g.w = EI > 0 ? g.M * Lg * Lg / EI : 0.0;
    return g;
}

// A result smaller than this share of what the loads can produce is the solve's round-off: a
// load that sits in a clamped support moves nothing and must read 0, not 9·10⁻⁷ N·mm with an
// L/f of 10¹⁶.
constexpr double Rundungsanteil = 1.0e-10;

void rundungNullen(const Eingabe& e, Ergebnis& r)
{
    const Lastgroessen g = lastgroessen(e);
    auto nullen = [](double& wert, double groesse) {
        if (std::isfinite(groesse) && std::fabs(wert) <= Rundungsanteil * groesse)
            wert = 0.0;
    };
    nullen(r.M_max.wert, g.M);
    nullen(r.M_min.wert, g.M);
    nullen(r.V_betrag_max.wert, g.V);
    for (Lagerkraft& k : r.lager) {
        nullen(k.min, g.V);
        nullen(k.max, g.V);
        nullen(k.M_min, g.M);
        nullen(k.M_max, g.M);
    }
    for (Station& s : r.stationen) {
        for (double* m : {&s.M_min, &s.M_max})
            nullen(*m, g.M);
        for (double* v : {&s.V_min, &s.V_max})
            nullen(*v, g.V);
        for (double* w : {&s.w_min, &s.w_max})
            nullen(*w, g.w);
    }
    for (Abschnitt& a : r.abschnitte) {
        nullen(a.f, g.w);
        if (a.f == 0) {
            a.L_f = 0.0;
            a.ausnutzung = 0.0;
        }
    }
}

// Everything but the steps from the solved lines; `NurBemessung` leaves out what the finder
// does not need.
Ergebnis ergebnis(const Eingabe& e, const Loesung& l, Umfang umfang, const Stationswerte* vorrat = nullptr)
{
    const bool ganz = umfang != Umfang::NurBemessung;
    Ergebnis r;
    r.gleichgewicht_rest = l.rest;
    lagerkraefte(l, r);
    abheben(r);
    verlaeufe(e, l, r, vorrat, ganz);
    rundungNullen(e, r);
    r.W_erf = std::max(std::fabs(r.M_max.wert), std::fabs(r.M_min.wert)) / e.Sigma_Zul / 1000.0; // mm³ → cm³
    // Inputs that are each finite can still overflow together; no number shown may be infinite.
    bool endlich = std::isfinite(r.W_erf) && std::isfinite(r.V_betrag_max.wert) && std::isfinite(r.gleichgewicht_rest);
    for (const Lagerkraft& k : r.lager)
        endlich = endlich && std::isfinite(k.min) && std::isfinite(k.max) && std::isfinite(k.M_min) && std::isfinite(k.M_max);
    for (const Abschnitt& a : r.abschnitte)
        endlich = endlich && std::isfinite(a.f);
    if (!endlich)
        throw Fehler::ueberlauf();
    if (ganz)
        urteilen(e, r);
    else if (e.W > 0)
        r.ausnutzung = Nachweis::Ausnutzung(r.W_erf, e.W);
    return r;
}

} // namespace

double Gesamtlaenge(const Eingabe& e)
{
    double L = e.kragarm_links + e.kragarm_rechts;
    for (double f : e.felder)
        L += f;
    return L;
}

std::vector<double> Stuetzen(const Eingabe& e)
{
    std::vector<double> s {e.kragarm_links};
    for (double f : e.felder)
        s.push_back(s.back() + f);
    return s;
}

std::vector<Abschnitt> Abschnitte(const Eingabe& e)
{
    std::vector<Abschnitt> b;
    auto dazu = [&b](const QString& name, double von, double laenge, double L_Grenze) {
        Abschnitt a;
        a.name = name;
        a.von = von;
        a.bis = von + laenge;
        a.L_Grenze = L_Grenze;
        b.push_back(a);
    };
    const std::vector<double> s = Stuetzen(e);
    if (e.kragarm_links > 0)
        dazu(QStringLiteral("Kragarm links"), 0.0, e.kragarm_links, 2.0 * e.kragarm_links);
    for (std::size_t i = 0; i < e.felder.size(); ++i)
        dazu(QStringLiteral("Feld %1").arg(i + 1), s[i], e.felder[i], e.felder[i]);
    if (e.kragarm_rechts > 0)
        dazu(QStringLiteral("Kragarm rechts"), s.back(), e.kragarm_rechts, 2.0 * e.kragarm_rechts);
    return b;
}

Eingabe Stellung(const Eingabe& e, unsigned muster)
{
    const auto b = Abschnitte(e);
    Eingabe s = e;
    s.lasten.clear();
    for (Last l : e.lasten) {
        const bool veraenderlich = l.einwirkung == Einwirkung::Veraenderlich;
        l.einwirkung = Einwirkung::Staendig;
        if (!veraenderlich || (punktlast(l) && (muster >> abschnittBei(b, l.x) & 1u))) {
            s.lasten.push_back(l);
            continue;
        }
        for (std::size_t t = 0; t < b.size() && !punktlast(l); ++t) {
            const auto teil = ausschnitt(linienlast(l), b[t].von, b[t].bis);
            if (!(muster >> t & 1u) || !teil)
                continue;
            Last stueck = l;
            stueck.art = Lastart::Trapezlast;
            stueck.von = teil->a;
            stueck.bis = teil->b;
            stueck.q1 = teil->q1 * 1000.0; // N/mm → N/m
            stueck.q2 = teil->q2 * 1000.0;
            s.lasten.push_back(stueck);
        }
    }
    return s;
}

std::optional<Eingabefehler> pruefen(const Eingabe& e)
{
    if (auto f = traegerPruefen(e))
        return f;
    const double Lg = Gesamtlaenge(e);
    for (std::size_t i = 0; i < e.lasten.size(); ++i)
        if (auto f = lastPruefen(e.lasten[i], int(i) + 1, Lg))
            return f;
    for (double x : e.stellen)
        if (!(x >= 0 && x <= Lg))
            return fehler(QString(), 0, QStringLiteral("x"),
                QStringLiteral("Die Stelle %1 liegt außerhalb des Trägers (0 bis %2).").arg(mm(x), mm(Lg)));
    if (e.lasten.empty() && !(e.eigengewicht && e.Masse > 0))
        return fehler(QStringLiteral("Lasten"), 0, QString(), QStringLiteral("Es ist keine Last eingegeben."));
    return wertePruefen(e);
}

Ergebnis berechnen(const Eingabe& e, Umfang umfang)
{
    if (const auto f = pruefen(e))
        throw Fehler(Fehler::Art::Allgemein, f->text);
    const Loesung l = loesen(e);
    Ergebnis r = ergebnis(e, l, umfang);
    if (umfang != Umfang::MitRechenweg)
        return r;
    r.schritte = schritte(e, l, r);
    for (const Rechenweg::Schritt& s : r.schritte)
        Rechenweg::notieren(s);
    return r;
}

// The shared solve, and its permanent line and unknowns without the self-weight.
struct Profilreihe::Loesungen {
    Loesung l;
    Linie ohneEigengewicht;
    Eigen::VectorXd unbekannteOhne;
    Stationswerte vorrat;
};

Profilreihe::Profilreihe(const Eingabe& e)
{
    Eingabe ohne = e;
    ohne.eigengewicht = false;
    m_loesungen = std::make_unique<Loesungen>(Loesungen {loesen(ohne, true), {}, {}, {}});
    const Loesung& l = m_loesungen->l;
    m_loesungen->ohneEigengewicht = l.linien[0];
    m_loesungen->unbekannteOhne = l.unbekannte[0];
    const std::size_t eins = l.huellgruppen; // the unit load's group
    const auto b = Abschnitte(e);
    m_w.resize(b.size());
    Stationswerte& vorrat = m_loesungen->vorrat;
    for (std::size_t i = 0; i + 1 < l.knicke.size(); ++i) {
        const std::size_t z = abschnittBei(b, 0.5 * (l.knicke[i] + l.knicke[i + 1]));
        vorrat.erste.push_back(vorrat.stellen.empty() ? 0 : vorrat.erste.back() + vorrat.stellen.back().size());
        vorrat.stellen.push_back(stellen(l.knicke[i + 1] - l.knicke[i], l.knicke.back()));
        for (double t : vorrat.stellen.back()) {
            auto an = [&](Polynom Stueck::*gr) {
                auto v = [&](std::size_t g) { return wert(l.linien[g].stuecke[i].*gr, t); };
                vorrat.dazu(eins, v);
                return Wert {huelle(eins, false, v), huelle(eins, true, v), v(eins)};
            };
            m_M.push_back(an(&Stueck::M)); // in the order of Stationswerte::Groesse
            m_w[z].push_back(an(&Stueck::EIw));
        }
    }
}

Profilreihe::~Profilreihe() = default;

double Profilreihe::groesster(const std::vector<Wert>& werte, double g)
{
    double b = 0;
    for (const Wert& w : werte)
        b = std::max({b, w.max + g * w.eins, -(w.min + g * w.eins)});
    return b;
}

double Profilreihe::M_betrag(double g) const { return groesster(m_M, g); }

double Profilreihe::f_betrag(std::size_t abschnitt, double g, double EI) const { return groesster(m_w[abschnitt], g) / EI; }

Ergebnis Profilreihe::rechnen(const Eingabe& mitProfil, Umfang umfang)
{
    if (const auto f = pruefen(mitProfil))
        throw Fehler(Fehler::Art::Allgemein, f->text);
    Loesung& l = m_loesungen->l;
    const double g = mitProfil.eigengewicht ? Biegerechnung::Eigengewicht(mitProfil.Masse) / 1000.0 : 0.0; // N/mm
    const Linie& eins = l.linien[l.huellgruppen];
    Linie& staendig = l.linien[0];
    for (std::size_t i = 0; i < staendig.stuecke.size(); ++i)
        for (Polynom Stueck::*gr : {&Stueck::M, &Stueck::EIth, &Stueck::EIw})
            for (int k = 0; k < 6; ++k)
                (staendig.stuecke[i].*gr)[k] = (m_loesungen->ohneEigengewicht.stuecke[i].*gr)[k] + g * (eins.stuecke[i].*gr)[k];
    l.unbekannte[0] = m_loesungen->unbekannteOhne + g * l.unbekannte[l.huellgruppen];
    return ergebnis(mitProfil, l, umfang == Umfang::NurBemessung ? umfang : Umfang::OhneRechenweg, &m_loesungen->vorrat);
}

} // namespace Traegerrechnung

namespace Traegerrechnung {

namespace {

// ziel = (erst ? 0 : ziel) + f · quelle, for every piece and every value of the line.
void dazu(Linie& ziel, const Linie& quelle, double f, bool erst)
{
    auto mal = [&](double& z, double q) { z = erst ? f * q : z + f * q; };
    for (std::size_t i = 0; i < ziel.stuecke.size(); ++i)
        for (Polynom Stueck::*gr : {&Stueck::M, &Stueck::EIth, &Stueck::EIw})
            for (int k = 0; k < 6; ++k)
                mal((ziel.stuecke[i].*gr)[k], (quelle.stuecke[i].*gr)[k]);
    for (std::size_t k = 0; k < ziel.EIth_knick.size(); ++k) {
        mal(ziel.EIth_knick[k], quelle.EIth_knick[k]);
        mal(ziel.EIw_knick[k], quelle.EIw_knick[k]);
    }
    mal(ziel.M_ende, quelle.M_ende);
    mal(ziel.V_ende, quelle.V_ende);
}

} // namespace

// The solved groups, and the lines of the combination at hand: [0] the permanent loads times
// γG, then per span and cantilever its variable loads each times the factor of its category.
struct Einwirkungsreihe::Loesungen {
    Eingabe mitDurchbiegung, ohneDurchbiegung;
    std::size_t abschnitte = 0;
    Loesung einzeln;
    Loesung kombination;
};

Einwirkungsreihe::Einwirkungsreihe(const Eingabe& e)
{
    for (const Last& l : e.lasten)
        if (l.einwirkung == Einwirkung::Veraenderlich
            && std::find(m_kategorien.begin(), m_kategorien.end(), l.kategorie) == m_kategorien.end())
            m_kategorien.push_back(l.kategorie);
    const auto b = Abschnitte(e);
    auto gruppen = lastgruppen(e, b, &m_kategorien);
    const std::size_t n = gruppen.size();
    m_loesungen = std::make_unique<Loesungen>(Loesungen {e, e, b.size(), loesen(e, std::move(gruppen), n), {}});
    m_loesungen->ohneDurchbiegung.E = m_loesungen->ohneDurchbiegung.I = 0;
    Loesung& k = m_loesungen->kombination;
    k = m_loesungen->einzeln;
    k.huellgruppen = b.size() + 1;
    k.gruppen.resize(k.huellgruppen); // only their count matters from here on
    k.linien.resize(k.huellgruppen);
    k.unbekannte.resize(k.huellgruppen);
    for (std::size_t i = 1; i < k.huellgruppen; ++i) { // the shape of a line; its values follow per combination
        k.linien[i] = k.linien[0];
        k.unbekannte[i] = k.unbekannte[0];
    }
}

Einwirkungsreihe::~Einwirkungsreihe() = default;

Ergebnis Einwirkungsreihe::kombinieren(double gammaG, const std::vector<double>& faktoren, bool mitDurchbiegung)
{
    const Loesung& e = m_loesungen->einzeln;
    Loesung& k = m_loesungen->kombination;
    const std::size_t nb = m_loesungen->abschnitte;
    dazu(k.linien[0], e.linien[0], gammaG, true);
    k.unbekannte[0] = gammaG * e.unbekannte[0];
    for (std::size_t i = 0; i < nb; ++i) {
        Linie& z = k.linien[i + 1];
        Eigen::VectorXd& u = k.unbekannte[i + 1];
        u.setZero();
        dazu(z, e.linien[0], 0.0, true);
        for (std::size_t c = 0; c < m_kategorien.size(); ++c) {
            const std::size_t g = 1 + c * nb + i;
            dazu(z, e.linien[g], faktoren[c], false);
            u += faktoren[c] * e.unbekannte[g];
        }
    }
    return ergebnis(mitDurchbiegung ? m_loesungen->mitDurchbiegung : m_loesungen->ohneDurchbiegung, k, Umfang::NurBemessung);
}

} // namespace Traegerrechnung
