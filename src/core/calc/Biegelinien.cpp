#include "core/calc/Biegelinien.h"

#include "core/platform/Fehler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace Biegelinien {

namespace {

using Plattform::Fehler;

Fehler ungueltig(const QString& grund) { return Fehler(Fehler::Art::Allgemein, grund); }

// Samples per segment between two kinks before the extremes are refined: the lines are
// polynomials of at most fifth degree there, so a few dozen points separate their extremes.
constexpr int Stichproben = 48;

// Golden-section search for the maximum of f on [a, b] (f unimodal there).
double goldenerSchnitt(const std::function<double(double)>& f, double a, double b)
{
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = f(c), fd = f(d);
    for (int k = 0; k < 80 && b - a > 1e-13 * std::max(1.0, std::abs(a) + std::abs(b)); ++k) {
        if (fc >= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - r * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + r * (b - a);
            fd = f(d);
        }
    }
    return fc >= fd ? c : d;
}

// Solves A·u = b by Gaussian elimination with partial pivoting on rows and columns scaled to 1,
// since the unknowns (EI·w0 against a reaction) differ by many orders of magnitude.
bool gleichungenLoesen(std::vector<std::vector<double>> A, std::vector<double> b, std::vector<double>& u)
{
    const std::size_t n = b.size();
    std::vector<double> spalte(n, 1.0);
    for (std::size_t j = 0; j < n; ++j) {
        double m = 0;
        for (std::size_t i = 0; i < n; ++i)
            m = std::max(m, std::abs(A[i][j]));
        if (m == 0)
            return false;
        spalte[j] = m;
        for (std::size_t i = 0; i < n; ++i)
            A[i][j] /= m;
    }
    for (std::size_t i = 0; i < n; ++i) {
        double m = 0;
        for (double v : A[i])
            m = std::max(m, std::abs(v));
        if (m == 0)
            return false;
        for (double& v : A[i])
            v /= m;
        b[i] /= m;
    }
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        for (std::size_t i = c + 1; i < n; ++i)
            if (std::abs(A[i][c]) > std::abs(A[p][c]))
                p = i;
        if (std::abs(A[p][c]) < 1e-11)
            return false; // the supports do not hold the beam
        std::swap(A[c], A[p]);
        std::swap(b[c], b[p]);
        for (std::size_t i = c + 1; i < n; ++i) {
            const double f = A[i][c] / A[c][c];
            for (std::size_t k = c; k < n; ++k)
                A[i][k] -= f * A[c][k];
            b[i] -= f * b[c];
        }
    }
    u.assign(n, 0.0);
    for (std::size_t i = n; i-- > 0;) {
        double s = b[i];
        for (std::size_t k = i + 1; k < n; ++k)
            s -= A[i][k] * u[k];
        u[i] = s / A[i][i];
    }
    for (std::size_t j = 0; j < n; ++j)
        u[j] /= spalte[j];
    return true;
}

} // namespace

Extremwert Extremwerte::massgebend() const { return std::abs(kleinster.wert) > std::abs(groesster.wert) ? kleinster : groesster; }

Linien::Linien(Traeger traeger, std::vector<Einzellast> kraefte, std::vector<Streckenlast> lasten, double EI)
    : m_traeger(std::move(traeger))
    , m_kraefte(std::move(kraefte))
    , m_lasten(std::move(lasten))
    , m_EI(EI)
{
    loesen();
}

Linien Linien::mitGleichlast(double q) const
{
    std::vector<Streckenlast> lasten = m_lasten;
    lasten.push_back({0.0, m_traeger.laenge, q, q});
    return Linien(m_traeger, m_kraefte, std::move(lasten), m_EI);
}

// Σ c·<x − p>ⁿ differentiated (1), as it is (0), or integrated from 0 once (−1) or twice (−2).
// At x = p a step <x − p>⁰ counts from the right unless the left limit is asked for.
double Linien::summe(double x, int ableitung, bool linksGrenzwert) const
{
    double s = 0;
    for (const Term& t : m_M) {
        const double h = x - t.p;
        if (h < 0)
            continue;
        const int k = t.n - ableitung;
        if (k < 0)
            continue;
        double faktor = 1;
        if (ableitung == 1)
            faktor = t.n;
        else if (ableitung == -1)
            faktor = 1.0 / (t.n + 1);
        else if (ableitung == -2)
            faktor = 1.0 / ((t.n + 1) * (t.n + 2));
        if (h == 0) {
            if (k == 0 && !linksGrenzwert)
                s += t.c * faktor;
            continue;
        }
        double hk = 1; // hᵏ for the small whole powers of the terms; std::pow costs far more
        for (int i = 0; i < k; ++i)
            hk *= h;
        s += t.c * faktor * hk;
    }
    return s;
}

void Linien::loesen()
{
    const Traeger& t = m_traeger;
    const double Lg = t.laenge;
    if (!(Lg > 0) || !std::isfinite(Lg))
        throw ungueltig(QStringLiteral("Die Länge des Trägers muss größer als 0 sein."));
    auto aufTraeger = [Lg](double x) { return x >= 0 && x <= Lg; };
    for (double s : t.stuetzen)
        if (!aufTraeger(s))
            throw ungueltig(QStringLiteral("Ein Auflager liegt außerhalb des Trägers."));
    for (const Einzellast& k : m_kraefte)
        if (!aufTraeger(k.x) || !std::isfinite(k.F))
            throw ungueltig(QStringLiteral("Eine Last liegt außerhalb des Trägers."));
    for (const Streckenlast& q : m_lasten)
        if (!aufTraeger(q.von) || !aufTraeger(q.bis) || q.bis < q.von || !std::isfinite(q.q_von) || !std::isfinite(q.q_bis))
            throw ungueltig(QStringLiteral("Eine Last liegt außerhalb des Trägers."));

    // The loads as moment terms.
    std::vector<Term> last;
    for (const Einzellast& k : m_kraefte)
        last.push_back({-k.F, k.x, 1});
    for (const Streckenlast& q : m_lasten) {
        if (q.bis == q.von)
            continue;
        const double steigung = (q.q_bis - q.q_von) / (q.bis - q.von);
        last.push_back({-q.q_von / 2.0, q.von, 2});
        last.push_back({-steigung / 6.0, q.von, 3});
        last.push_back({q.q_bis / 2.0, q.bis, 2});
        last.push_back({steigung / 6.0, q.bis, 3});
    }

    // Unknowns: EI·w0, EI·θ0, M0, V0 at x = 0 and one reaction per intermediate support. Each
    // support condition is linear in them, so the system is built column by column.
    const std::size_t n = 4 + t.stuetzen.size();
    auto mitUnbekannten = [&](const std::vector<double>& u, bool mitLast) {
        m_M = mitLast ? last : std::vector<Term> {};
        m_M.push_back({u[2], 0.0, 0});
        m_M.push_back({u[3], 0.0, 1});
        for (std::size_t j = 0; j < t.stuetzen.size(); ++j)
            m_M.push_back({u[4 + j], t.stuetzen[j], 1});
        m_EIw0 = u[0];
        m_EItheta0 = u[1];
    };
    auto EIw = [&](double x) { return m_EIw0 + m_EItheta0 * x - summe(x, -2, false); };
    auto EItheta = [&](double x) { return m_EItheta0 - summe(x, -1, false); };
    auto bedingungen = [&](const std::vector<double>& u, bool mitLast) {
        mitUnbekannten(u, mitLast);
        std::vector<double> r;
        switch (t.links) { // the unknowns at x = 0 themselves
        case Rand::Frei:
            r = {u[2], u[3]};
            break;
        case Rand::Gelenk:
            r = {u[0], u[2]};
            break;
        case Rand::Eingespannt:
            r = {u[0], u[1]};
            break;
        }
        switch (t.rechts) {
        case Rand::Frei: // a force standing on the free end is part of the balance
            r.push_back(summe(Lg, 0, false));
            r.push_back(summe(Lg, 1, false));
            break;
        case Rand::Gelenk:
            r.push_back(EIw(Lg));
            r.push_back(summe(Lg, 0, false));
            break;
        case Rand::Eingespannt:
            r.push_back(EIw(Lg));
            r.push_back(EItheta(Lg));
            break;
        }
        for (double s : t.stuetzen)
            r.push_back(EIw(s));
        return r;
    };
    const std::vector<double> null(n, 0.0);
    const std::vector<double> r0 = bedingungen(null, true);
    std::vector<std::vector<double>> A(n, std::vector<double>(n, 0.0));
    for (std::size_t j = 0; j < n; ++j) {
        std::vector<double> e(n, 0.0);
        e[j] = 1.0;
        const std::vector<double> rj = bedingungen(e, false);
        for (std::size_t i = 0; i < n; ++i)
            A[i][j] = rj[i];
    }
    std::vector<double> b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = -r0[i];
    std::vector<double> u;
    if (!gleichungenLoesen(A, b, u))
        throw ungueltig(QStringLiteral("Die Auflager halten den Träger nicht."));
    mitUnbekannten(u, true);
}

double Linien::V(double x) const { return summe(x, 1, false); }

double Linien::V_links(double x) const { return summe(x, 1, true); }

double Linien::M(double x) const { return summe(x, 0, false); }

double Linien::Neigung(double x) const
{
    if (!hatDurchbiegung())
        return 0;
    return (m_EItheta0 - summe(x, -1, false)) / m_EI;
}

double Linien::w(double x) const
{
    if (!hatDurchbiegung())
        return 0;
    return (m_EIw0 + m_EItheta0 * x - summe(x, -2, false)) / m_EI;
}

std::vector<double> Linien::Knickstellen() const
{
    std::vector<double> x {0.0, m_traeger.laenge};
    x.insert(x.end(), m_traeger.stuetzen.begin(), m_traeger.stuetzen.end());
    for (const Einzellast& k : m_kraefte)
        x.push_back(k.x);
    for (const Streckenlast& q : m_lasten) {
        x.push_back(q.von);
        x.push_back(q.bis);
    }
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end()), x.end());
    return x;
}

Extremwerte Linien::extreme(double (Linien::*f)(double) const, bool sprungstellen) const
{
    Extremwerte e;
    bool erster = true;
    auto pruefen = [&](double x, double v) {
        if (erster || v > e.groesster.wert)
            e.groesster = {x, v};
        if (erster || v < e.kleinster.wert)
            e.kleinster = {x, v};
        erster = false;
    };
    const std::vector<double> k = Knickstellen();
    for (std::size_t s = 0; s + 1 < k.size(); ++s) {
        const double a = k[s], b = k[s + 1];
        // Inside the segment the line is smooth; at its right end a jump of V is taken from the left.
        auto wert = [&](double x) { return x >= b && sprungstellen ? V_links(b) : (this->*f)(x); };
        std::array<double, Stichproben + 1> xs {}, vs {};
        for (int i = 0; i <= Stichproben; ++i) {
            xs[i] = i == Stichproben ? b : a + (b - a) * i / Stichproben;
            vs[i] = wert(xs[i]);
            pruefen(xs[i], vs[i]);
        }
        for (int i = 1; i < Stichproben; ++i) {
            for (const double richtung : {1.0, -1.0}) {
                if (richtung * vs[i] >= richtung * vs[i - 1] && richtung * vs[i] >= richtung * vs[i + 1]
                    && vs[i - 1] != vs[i + 1]) {
                    const double x = goldenerSchnitt([&](double t) { return richtung * (this->*f)(t); }, xs[i - 1], xs[i + 1]);
                    pruefen(x, (this->*f)(x));
                }
            }
        }
    }
    return e;
}

Extremwerte Linien::V_Extreme() const { return extreme(&Linien::V, true); }

Extremwerte Linien::M_Extreme() const { return extreme(&Linien::M, false); }

Extremwerte Linien::w_Extreme() const
{
    if (!hatDurchbiegung())
        return {};
    return extreme(&Linien::w, false);
}

Linien Fall_Linien(int fall, const Eingaben& e)
{
    const double F = e.F, L = e.L, a = e.a;
    if (!std::isfinite(F) || !std::isfinite(L) || !std::isfinite(a))
        throw ungueltig(QStringLiteral("Die Eingaben sind keine endlichen Zahlen."));
    if (!(L > 0))
        throw ungueltig(QStringLiteral("Die Länge L muss größer als 0 sein."));
    const double q = F / 1000.0; // a line load typed in N/m acts as N/mm
    const double EI = e.E > 0 && e.I > 0 ? e.E * e.I * 10000.0 : 0.0; // I: cm⁴ → mm⁴
    auto aZwischen0undL = [&] {
        if (!(a >= 0 && a <= L))
            throw ungueltig(QStringLiteral("Der Abstand a muss zwischen 0 und L liegen."));
    };
    Traeger t;
    t.laenge = L;
    std::vector<Einzellast> k;
    std::vector<Streckenlast> s;
    switch (fall) {
    case 1: // cantilever, force at the free end x = 0, wall at x = L
    case 2:
        t.links = Rand::Frei;
        t.rechts = Rand::Eingespannt;
        if (fall == 1)
            k = {{0.0, F}};
        else
            s = {{0.0, L, q, q}};
        break;
    case 3:
        k = {{L / 2.0, F}};
        break;
    case 4:
        aZwischen0undL();
        k = {{a, F}};
        break;
    case 5:
        s = {{0.0, L, q, q}};
        break;
    case 6: // total load F rising from 0 to 2·F/L
        s = {{0.0, L, 0.0, 2.0 * F / L}};
        break;
    case 7: // total load F, peak 2·F/L at mid-span
        s = {{0.0, L / 2.0, 0.0, 2.0 * F / L}, {L / 2.0, L, 2.0 * F / L, 0.0}};
        break;
    case 8: // supports L apart, overhangs a, forces at both free ends
        if (!(a >= 0))
            throw ungueltig(QStringLiteral("Der Abstand a darf nicht negativ sein."));
        t.laenge = L + 2.0 * a;
        t.links = t.rechts = Rand::Frei;
        t.stuetzen = {a, a + L};
        k = {{0.0, F}, {t.laenge, F}};
        break;
    case 9: // length L, supports a from both ends
        if (!(a >= 0 && a < L / 2.0))
            throw ungueltig(QStringLiteral("Der Abstand a muss mindestens 0 und kleiner als L/2 sein."));
        t.links = t.rechts = Rand::Frei;
        t.stuetzen = {a, L - a};
        s = {{0.0, L, q, q}};
        break;
    case 10:
    case 11:
        t.links = t.rechts = Rand::Eingespannt;
        if (fall == 10)
            k = {{L / 2.0, F}};
        else
            s = {{0.0, L, q, q}};
        break;
    case 12: // simply supported at x = 0, fixed at x = L, force a from the support
    case 13:
        t.rechts = Rand::Eingespannt;
        if (fall == 12) {
            aZwischen0undL();
            k = {{a, F}};
        } else {
            s = {{0.0, L, q, q}};
        }
        break;
    default:
        throw Fehler::listenindex(fall);
    }
    return Linien(t, k, s, EI);
}

bool xVonRechts(int fall) { return fall == 1 || fall == 2; }

} // namespace Biegelinien
