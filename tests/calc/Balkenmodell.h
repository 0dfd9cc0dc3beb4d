#pragma once
// An independent beam calculation for checking the bending formulas: the bending line of a
// straight beam is integrated numerically from its left end (w'' = −M / EI) with the unknown
// end values and support reactions found from the boundary conditions, so that statically
// indeterminate beams (fixed, propped, overhanging) come out of the same few lines.
// Units: mm, N, N/mm; EI = 1, so a deflection is w / (E·I).
#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace Balkenmodell {

enum class Lager { Frei, Gelenk, Eingespannt };

struct Balken {
    double laenge = 0;
    Lager links = Lager::Gelenk;
    Lager rechts = Lager::Gelenk;
    std::vector<double> stuetzen; // intermediate supports (w = 0)
    std::vector<std::pair<double, double>> kraefte; // (position, force), downward positive
    std::function<double(double)> q; // line load in N/mm, downward positive
};

// Moment (sagging positive) and deflection (downward positive, for EI = 1) on a grid.
struct Verlauf {
    double h = 0;
    std::vector<double> M, w;
    double M_bei(double x) const { return M[index(x)]; }
    double w_bei(double x) const { return w[index(x)]; }
    std::size_t index(double x) const
    {
        const double k = x / h;
        if (std::abs(k - std::round(k)) > 1e-6)
            throw std::logic_error("position not on the grid");
        return std::size_t(std::llround(k));
    }
    double maxBetragM() const
    {
        double m = 0;
        for (double v : M)
            m = std::max(m, std::abs(v));
        return m;
    }
    double maxBetragW() const
    {
        double m = 0;
        for (double v : w)
            m = std::max(m, std::abs(v));
        return m;
    }
};

namespace detail {

// Unknowns: w0, θ0, M0, V0 at the left end, then one reaction per intermediate support.
inline Verlauf integrieren(
    const Balken& b, int n, const std::vector<double>& u, double lastfaktor, double* V_ende, std::vector<double>* theta)
{
    Verlauf v;
    v.h = b.laenge / n;
    v.M.assign(n + 1, 0);
    v.w.assign(n + 1, 0);
    std::vector<double> Vq(n + 1, 0), Mq(n + 1, 0), th(n + 1, 0);
    for (int k = 1; k <= n && b.q; ++k) {
        const double x0 = (k - 1) * v.h, x1 = k * v.h;
        Vq[k] = Vq[k - 1] + 0.5 * v.h * (b.q(x0) + b.q(x1));
        Mq[k] = Mq[k - 1] + 0.5 * v.h * (Vq[k - 1] + Vq[k]);
    }
    for (int k = 0; k <= n; ++k) {
        const double x = k * v.h;
        double m = u[2] + u[3] * x - lastfaktor * Mq[k];
        for (std::size_t j = 0; j < b.stuetzen.size(); ++j)
            m += u[4 + j] * std::max(0.0, x - b.stuetzen[j]);
        for (const auto& [p, kraft] : b.kraefte)
            m -= lastfaktor * kraft * std::max(0.0, x - p);
        v.M[k] = m;
    }
    th[0] = u[1];
    v.w[0] = u[0];
    for (int k = 1; k <= n; ++k) {
        th[k] = th[k - 1] - 0.5 * v.h * (v.M[k - 1] + v.M[k]);
        v.w[k] = v.w[k - 1] + 0.5 * v.h * (th[k - 1] + th[k]);
    }
    double V = u[3] - lastfaktor * Vq[n];
    for (std::size_t j = 0; j < b.stuetzen.size(); ++j)
        V += u[4 + j];
    for (const auto& [p, kraft] : b.kraefte)
        V -= lastfaktor * kraft;
    *V_ende = V;
    *theta = th;
    return v;
}

inline void bedingungen(const Balken& b, const Verlauf& v, double V_ende, const std::vector<double>& th, std::vector<double>& r)
{
    r.clear();
    const std::size_t n = v.M.size() - 1;
    auto rand = [&](Lager lager, std::size_t k, double V) {
        switch (lager) {
        case Lager::Frei:
            r.push_back(v.M[k]);
            r.push_back(V);
            break;
        case Lager::Gelenk:
            r.push_back(v.w[k]);
            r.push_back(v.M[k]);
            break;
        case Lager::Eingespannt:
            r.push_back(v.w[k]);
            r.push_back(th[k]);
            break;
        }
    };
    // The shear at the left end is the unknown V0 itself; at a free left end it must vanish.
    rand(b.links, 0, 0.0);
    if (b.links == Lager::Frei)
        r[1] = 0.0; // placeholder, replaced by the V0 row below
    rand(b.rechts, n, V_ende);
    for (double s : b.stuetzen)
        r.push_back(v.w_bei(s));
}

} // namespace detail

// Solves the beam on a grid of n intervals (load and support positions must be grid points).
inline Verlauf loesen(const Balken& b, int n = 4800)
{
    const std::size_t m = 4 + b.stuetzen.size();
    auto residuum = [&](const std::vector<double>& u, double lastfaktor) {
        double V_ende = 0;
        std::vector<double> th;
        const Verlauf v = detail::integrieren(b, n, u, lastfaktor, &V_ende, &th);
        std::vector<double> r;
        detail::bedingungen(b, v, V_ende, th, r);
        if (b.links == Lager::Frei)
            r[1] = u[3]; // V0 = 0
        return r;
    };
    const std::vector<double> null(m, 0.0);
    const std::vector<double> r0 = residuum(null, 1.0);
    std::vector<std::vector<double>> A(m, std::vector<double>(m + 1, 0.0));
    for (std::size_t j = 0; j < m; ++j) {
        std::vector<double> e(m, 0.0);
        e[j] = 1.0;
        const std::vector<double> rj = residuum(e, 0.0);
        for (std::size_t i = 0; i < m; ++i)
            A[i][j] = rj[i];
    }
    for (std::size_t i = 0; i < m; ++i)
        A[i][m] = -r0[i];
    // Gaussian elimination with partial pivoting.
    for (std::size_t c = 0; c < m; ++c) {
        std::size_t p = c;
        for (std::size_t i = c + 1; i < m; ++i)
            if (std::abs(A[i][c]) > std::abs(A[p][c]))
                p = i;
        std::swap(A[c], A[p]);
        if (A[c][c] == 0.0)
            throw std::logic_error("beam is a mechanism");
        for (std::size_t i = 0; i < m; ++i) {
            if (i == c)
                continue;
            const double f = A[i][c] / A[c][c];
            for (std::size_t k = c; k <= m; ++k)
                A[i][k] -= f * A[c][k];
        }
    }
    std::vector<double> u(m);
    for (std::size_t i = 0; i < m; ++i)
        u[i] = A[i][m] / A[i][i];
    double V_ende = 0;
    std::vector<double> th;
    return detail::integrieren(b, n, u, 1.0, &V_ende, &th);
}

} // namespace Balkenmodell
