#include "core/calc/Biegeformeln.h"

#include "core/app/Lastfaelle.h"
#include "core/calc/Rechenweg.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"

#include <cmath>
#include <optional>

namespace Biegeformeln {

namespace {

using Fliesskomma::potenz;
using Fliesskomma::pruefe;
using Fliesskomma::teile;

// A line load typed in N/m acts as q in N/mm.
double streckenlast(double F) { return teile(F, 1000.0); }

// The constant of case 6 as the program has always used it (2/(9·√3) = 0.12830005981…).
constexpr double Faktor6 = 0.1283000603805744;

// Cases 3, 7 and 10 are symmetric about mid-span: their moment formula holds for the left half,
// so a point of the right half is taken at its distance from the right support.
double gespiegelt(double x, double L) { return x > L / 2.0 ? L - x : x; }

// --- The written-out calculation -----------------------------------------------------------
// Each public function notes its steps with the values it has just computed; nothing is
// computed a second time for the text.

using Rechenweg::schritt;
using Werte = Rechenweg::Groessen;

// The symbols of the formulas with the values of this calculation.
Werte symbole(double F, double L, double Sigma_Zul = 0, double x = 0, double a = 0)
{
    const QString N = QStringLiteral("N"), mm = QStringLiteral("mm");
    return {{QStringLiteral("σzul"), Sigma_Zul, QStringLiteral("N/mm²")}, {QStringLiteral("F"), F, N},
        {QStringLiteral("q"), F / 1000.0, QStringLiteral("N/mm")}, {QStringLiteral("L"), L, mm}, {QStringLiteral("x"), x, mm},
        {QStringLiteral("a"), a, mm}, {QStringLiteral("b"), L - a, mm}};
}

void hinweis(const QString& was, const QString& text) { Rechenweg::notieren(was, text, QString(), QString()); }

// F of a line load, typed in N/m.
Rechenweg::Groesse streckenlastF(double F) { return {QStringLiteral("F"), F, QStringLiteral("N/m")}; }

bool streckenlastfall(int fall)
{
    const auto* f = Lastfaelle::lastfall(Lastfaelle::Familie::Biegung, fall);
    return f && f->art == Lastfaelle::Lastart::Streckenlast;
}

QString mm(double v) { return Rechenweg::wert(v, QStringLiteral("mm")); }
QString spannung(double v) { return Rechenweg::wert(v, QStringLiteral("N/mm²")); }

const QString Nmm = QStringLiteral("N·mm");
const QString cm3 = QStringLiteral("cm³");

// Section modulus from a moment, with the conversion mm³ → cm³ written out.
void wNotieren(const QString& was, const QString& formel, double M, double Sigma_Zul, double W)
{
    schritt(was, formel, {{QStringLiteral("M"), M, Nmm}, {QStringLiteral("σzul"), Sigma_Zul, QStringLiteral("N/mm²")}}, W, cm3);
}

// E·I in N·mm² with I converted from cm⁴ to mm⁴, noted before a deflection.
void steifigkeitNotieren(double E, double I)
{
    schritt(QStringLiteral("Trägheitsmoment in mm⁴"), QStringLiteral("I = I[cm⁴] · 10000"),
        {{QStringLiteral("I[cm⁴]"), I, QStringLiteral("cm⁴")}}, I * 10000.0, QStringLiteral("mm⁴"));
    Elastizitaetsmodul_Notieren(E);
}

void fNotieren(const QString& was, double D, double E, double I, double f)
{
    schritt(was, QStringLiteral("f = D / (E · I)"),
        {{QStringLiteral("D"), D, QStringLiteral("N·mm³")}, {QStringLiteral("E"), E, QStringLiteral("N/mm²")},
            {QStringLiteral("I"), I * 10000.0, QStringLiteral("mm⁴")}},
        f, QStringLiteral("mm"));
}

QString formelMmax(int fall)
{
    switch (fall) {
    case 1:
        return QStringLiteral("M max = F · L");
    case 2:
        return QStringLiteral("M max = q · L² / 2");
    case 3:
        return QStringLiteral("M max = F · L / 4");
    case 5:
    case 13:
        return QStringLiteral("M max = q · L · L / 8");
    case 6:
        return QStringLiteral("M max = 0,1283001 · F · L");
    case 7:
        return QStringLiteral("M max = F · L / 6");
    case 10:
        return QStringLiteral("M max = F · L / 8");
    case 11:
        return QStringLiteral("M max = q · L · L / 12");
    default:
        return {};
    }
}

QString formelMx(int fall)
{
    switch (fall) {
    case 1:
        return QStringLiteral("M(x) = F · x");
    case 2:
        return QStringLiteral("M(x) = q · x² / 2");
    case 3:
        return QStringLiteral("M(x) = F · x / 2");
    case 5:
        return QStringLiteral("M(x) = q · L · x / 2 · (1 − x / L)");
    case 6:
        return QStringLiteral("M(x) = F · x / 3 · (1 − x² / L²)");
    case 7:
        return QStringLiteral("M(x) = F · x · (0,5 − 2/3 · x² / L²)");
    case 10:
        return QStringLiteral("M(x) = F · L / 2 · (x / L − 0,25)");
    case 11:
        return QStringLiteral("M(x) = q · L · L / 2 · (x² / L² + 1/6 − x / L)");
    case 13:
        return QStringLiteral("M(x) = q · x / 8 · (3 · L − 4 · x)");
    default:
        return {};
    }
}

QString formelD(int fall)
{
    switch (fall) {
    case 1:
        return QStringLiteral("D = F · L³ / 3");
    case 2:
        return QStringLiteral("D = q · L⁴ / 8");
    case 3:
        return QStringLiteral("D = F · L³ / 48");
    case 5:
        return QStringLiteral("D = 5 · q · L⁴ / 384");
    case 6:
        return QStringLiteral("D = 0,01304 · F · L³");
    case 7:
        return QStringLiteral("D = F · L³ / 60");
    case 10:
        return QStringLiteral("D = F · L³ / 192");
    case 11:
        return QStringLiteral("D = q · L⁴ / 384");
    case 13:
        return QStringLiteral("D = q · L⁴ / 185");
    default:
        return {};
    }
}

// The governing of two values is the one of larger magnitude: a negative load (uplift) makes
// both negative, and a signed comparison would pick the smaller. The result keeps its sign.
Massgebend groesserer(double erstes, double zweites)
{
    return std::fabs(erstes) >= std::fabs(zweites) ? Massgebend {erstes, true} : Massgebend {zweites, false};
}

} // namespace

double Widerstandsmoment(double M, double Sigma_Zul) { return teile(teile(M, Sigma_Zul), 1000.0); }

double Durchbiegung(double D, double E, double I) { return teile(teile(D, pruefe(E * I)), 10000.0); }

double M_max(int fall, double F, double L)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return pruefe(F * L); // cantilever, force at the end
    case 2:
        return teile(q * potenz(L, 2), 2.0); // cantilever, line load
    case 3:
        return teile(F * L, 4.0); // simply supported, force at mid-span
    case 5:
        return teile(q * L * L, 8.0); // simply supported, line load
    case 6:
        return pruefe(Faktor6 * F * L); // load rising to the right
    case 7:
        return teile(F * L, 6.0); // triangular load peaking at mid-span
    case 10:
        return teile(F * L, 8.0); // fixed both ends, force at mid-span
    case 11:
        return teile(q * L * L, 12.0); // fixed both ends, line load
    case 13:
        return teile(q * L * L, 8.0); // fixed and propped, line load
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double M_x(int fall, double F, double L, double x)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return pruefe(F * x);
    case 2:
        return teile(q * potenz(x, 2), 2.0);
    case 3:
        return teile(F * gespiegelt(x, L), 2.0);
    case 5:
        return pruefe(teile(q * L * x, 2.0) * (1.0 - teile(x, L)));
    case 6:
        return pruefe(teile(F * x, 3.0) * (1.0 - teile(potenz(x, 2), potenz(L, 2))));
    case 7: {
        const double s = gespiegelt(x, L);
        if (s == 0.0)
            return 0.0; // the support itself
        return pruefe(F * s * (0.5 - 2.0 / 3.0 * teile(potenz(s, 2), potenz(L, 2))));
    }
    case 10:
        return pruefe(teile(F * L, 2.0) * (teile(gespiegelt(x, L), L) - 0.25));
    case 11:
        return pruefe(teile(q * L * L, 2.0) * (teile(potenz(x, 2), potenz(L, 2)) + (1.0 / 6.0 - teile(x, L))));
    case 13:
        return pruefe(teile(0.001 * F * x, 8.0) * (3.0 * L - 4.0 * x));
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double D(int fall, double F, double L)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return teile(F * potenz(L, 3), 3.0);
    case 2:
        return teile(q * potenz(L, 4), 8.0);
    case 3:
        return teile(F * potenz(L, 3), 48.0);
    case 5:
        return teile(5.0 * q * potenz(L, 4), 384.0);
    case 6:
        return pruefe(0.01304 * F * potenz(L, 3));
    case 7:
        return teile(F * potenz(L, 3), 60.0);
    case 10:
        return teile(F * potenz(L, 3), 192.0);
    case 11:
        return teile(q * potenz(L, 4), 384.0);
    case 13:
        return teile(q * potenz(L, 4), 185.0);
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double Werf(int fall, double F, double L, double Sigma_Zul)
{
    Eingaben_Notieren(fall, F, L, {}, Sigma_Zul);
    const double M = M_max(fall, F, L);
    schritt(QStringLiteral("Größtes Biegemoment"), formelMmax(fall), symbole(F, L), M, Nmm);
    const double w = Widerstandsmoment(M, Sigma_Zul);
    const bool betrag = fall == 7 || fall == 13;
    wNotieren(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"),
        betrag ? QStringLiteral("W erf = |M / σzul / 1000|") : QStringLiteral("W erf = M / σzul / 1000"), M, Sigma_Zul,
        betrag ? std::fabs(w) : w);
    return betrag ? std::fabs(w) : w;
}

double Wxerf(int fall, double F, double L, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L) {
        hinweis(
            QStringLiteral("Stelle x"), QStringLiteral("x = %1 liegt nicht im Träger (0 < x ≤ L): W erf bei x = 0").arg(mm(x)));
        return 0.0;
    }
    const double M = M_x(fall, F, L, x);
    const bool spiegel = (fall == 3 || fall == 7 || fall == 10) && x > L / 2.0;
    if (spiegel)
        hinweis(QStringLiteral("Stelle x"),
            QStringLiteral("x = %1 liegt rechts der Mitte: gerechnet mit dem Abstand vom rechten Auflager, x = L − x = %2")
                .arg(mm(x), mm(L - x)));
    schritt(QStringLiteral("Biegemoment an der Stelle x"), formelMx(fall), symbole(F, L, Sigma_Zul, spiegel ? L - x : x), M, Nmm);
    const double w = std::fabs(Widerstandsmoment(M, Sigma_Zul));
    wNotieren(QStringLiteral("Erforderliches Widerstandsmoment bei x"), QStringLiteral("W erf bei x = |M / σzul / 1000|"), M,
        Sigma_Zul, w);
    return w;
}

double fd(int fall, double F, double L, double E, double I)
{
    Eingaben_Notieren(fall, F, L);
    steifigkeitNotieren(E, I);
    const double d = D(fall, F, L);
    schritt(QStringLiteral("Durchbiegungszähler"), formelD(fall), symbole(F, L), d, QStringLiteral("N·mm³"));
    const double f = Durchbiegung(d, E, I);
    fNotieren(QStringLiteral("Durchbiegung"), d, E, I, f);
    return f;
}

// --- Case 4 --------------------------------------------------------------------------------

namespace {

// Which of two candidates governs, with both values.
void wahlNotieren(const QString& was, const QString& erstes, double w1, const QString& zweites, double w2, const QString& einheit,
    bool erstesGilt, const QString& regel)
{
    if (!Rechenweg::aktiv())
        return;
    hinweis(was,
        QStringLiteral("%1 = %2, %3 = %4; %5: maßgebend ist %6")
            .arg(erstes, Rechenweg::wert(w1, einheit), zweites, Rechenweg::wert(w2, einheit), regel,
                erstesGilt ? erstes : zweites));
}

// The governing deflection of cases 8 and 9, noted with both candidates.
Massgebend durchbiegungWaehlen(double mitte, double rand)
{
    const Massgebend f = groesserer(mitte, rand);
    wahlNotieren(QStringLiteral("Maßgebende Durchbiegung"), QStringLiteral("f Mitte"), mitte, QStringLiteral("f Rand"), rand,
        QStringLiteral("mm"), f.erstes, QStringLiteral("|f Mitte| ≥ |f Rand|?"));
    return f;
}

} // namespace

double Werf4(double F, double L, double a, double Sigma_Zul)
{
    Eingaben_Notieren(4, F, L, a, Sigma_Zul);
    const double b = L - a;
    schritt(QStringLiteral("Abstand b"), QStringLiteral("b = L − a"), symbole(F, L, Sigma_Zul, 0, a), b, QStringLiteral("mm"));
    const double w = teile(teile(F * b * a, pruefe(L * Sigma_Zul)), 1000.0);
    schritt(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"),
        QStringLiteral("W erf = F · b · a / (L · σzul) / 1000"), symbole(F, L, Sigma_Zul, 0, a), w, cm3);
    return w;
}

double Wxerf4(double F, double L, double a, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L) {
        hinweis(
            QStringLiteral("Stelle x"), QStringLiteral("x = %1 liegt nicht im Träger (0 < x ≤ L): W erf bei x = 0").arg(mm(x)));
        return 0.0;
    }
    const double b = L - a;
    // Left of the load the moment rises with x, right of it it falls to 0 at the far support.
    const bool links = x <= a;
    const double M = links ? teile(F * b * x, L) : teile(F * a * (L - x), L);
    schritt(QStringLiteral("Biegemoment an der Stelle x"),
        links ? QStringLiteral("M(x) = F · b · x / L") : QStringLiteral("M(x) = F · a · (L − x) / L"),
        symbole(F, L, Sigma_Zul, x, a), M, Nmm);
    const double w = std::fabs(Widerstandsmoment(M, Sigma_Zul));
    wNotieren(QStringLiteral("Erforderliches Widerstandsmoment bei x"), QStringLiteral("W erf bei x = |M / σzul / 1000|"), M,
        Sigma_Zul, w);
    return w;
}

double fd4(double F, double L, double a, double E, double I)
{
    Eingaben_Notieren(4, F, L, a);
    steifigkeitNotieren(E, I);
    const double b = L - a;
    const double d = teile(potenz(a, 2) * F * potenz(b, 2), 3.0 * L);
    schritt(QStringLiteral("Durchbiegungszähler (unter der Last)"), QStringLiteral("D = a² · F · b² / (3 · L)"),
        symbole(F, L, 0, 0, a), d, QStringLiteral("N·mm³"));
    const double f = Durchbiegung(d, E, I);
    fNotieren(QStringLiteral("Durchbiegung unter der Last"), d, E, I, f);
    return f;
}

// --- Case 8 --------------------------------------------------------------------------------

double Werf8(double F, double a, double Sigma_Zul)
{
    if (Rechenweg::aktiv())
        hinweis(QStringLiteral("Eingaben"),
            QStringLiteral("Kraft F = %1, a = %2, σzul = %3")
                .arg(Rechenweg::wert(F, QStringLiteral("N")), mm(a), spannung(Sigma_Zul)));
    const double w = std::fabs(Widerstandsmoment(F * a, Sigma_Zul));
    schritt(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"), QStringLiteral("W erf = |F · a / σzul / 1000|"),
        symbole(F, 0, Sigma_Zul, 0, a), w, cm3);
    return w;
}

Massgebend fd8(double F, double L, double a, double E, double I)
{
    Eingaben_Notieren(8, F, L, a);
    steifigkeitNotieren(E, I);
    const double dRand = pruefe(teile(potenz(a, 2) * F, 3.0) * (3.0 * L / 2.0 + a));
    schritt(QStringLiteral("Zähler an den Trägerrändern"), QStringLiteral("D Rand = a² · F / 3 · (3 · L / 2 + a)"),
        symbole(F, L, 0, 0, a), dRand, QStringLiteral("N·mm³"));
    const double rand = Durchbiegung(dRand, E, I);
    fNotieren(QStringLiteral("Durchbiegung an den Trägerrändern (f Rand)"), dRand, E, I, rand);
    const double dMitte = teile(potenz(L, 2) * F * a, 8.0);
    schritt(QStringLiteral("Zähler in Trägermitte (nach oben)"), QStringLiteral("D Mitte = L² · F · a / 8"),
        symbole(F, L, 0, 0, a), dMitte, QStringLiteral("N·mm³"));
    const double mitte = Durchbiegung(dMitte, E, I);
    fNotieren(QStringLiteral("Durchbiegung in Trägermitte (f Mitte)"), dMitte, E, I, mitte);
    return durchbiegungWaehlen(mitte, rand);
}

// --- Case 9 --------------------------------------------------------------------------------

Massgebend Werf9(double F, double L, double a, double Sigma_Zul)
{
    Eingaben_Notieren(9, F, L, a, Sigma_Zul);
    const double q = streckenlast(F);
    const Werte werte = symbole(F, L, Sigma_Zul, 0, a);
    const double Werf1 = teile(pruefe(q * L / 2.0 * (L / 4.0 - a)), Sigma_Zul); // mid-span
    schritt(QStringLiteral("Widerstandsmoment aus dem Moment in Trägermitte"),
        QStringLiteral("W erf1 = q · L / 2 · (L / 4 − a) / σzul"), werte, Werf1, QStringLiteral("mm³"));
    const double Werf2 = teile(potenz(a, 2) * q, 2.0 * Sigma_Zul); // supports
    schritt(QStringLiteral("Widerstandsmoment aus dem Moment am Auflager"), QStringLiteral("W erf2 = a² · q / (2 · σzul)"), werte,
        Werf2, QStringLiteral("mm³"));
    const Massgebend w = groesserer(teile(Werf2, 1000.0), teile(Werf1, 1000.0));
    wahlNotieren(QStringLiteral("Maßgebender Querschnitt"), QStringLiteral("W erf2 (Auflager)"), Werf2,
        QStringLiteral("W erf1 (Trägermitte)"), Werf1, QStringLiteral("mm³"), w.erstes, QStringLiteral("|W erf2| ≥ |W erf1|?"));
    schritt(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"),
        w.erstes ? QStringLiteral("W erf = W erf2 / 1000") : QStringLiteral("W erf = W erf1 / 1000"),
        {{QStringLiteral("W erf2"), Werf2, QStringLiteral("mm³")}, {QStringLiteral("W erf1"), Werf1, QStringLiteral("mm³")}},
        w.wert, cm3);
    return w;
}

double Wxerf9(double F, double L, double a, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L) {
        hinweis(
            QStringLiteral("Stelle x"), QStringLiteral("x = %1 liegt nicht im Träger (0 < x ≤ L): W erf bei x = 0").arg(mm(x)));
        return 0.0;
    }
    const double q = streckenlast(F);
    double M;
    QString formel;
    double xFormel = x;
    if (x <= a) {
        M = teile(potenz(x, 2) * q, 2.0); // left overhang
        formel = QStringLiteral("M(x) = x² · q / 2");
    } else if (x >= L - a) {
        // Right overhang, measured from the free end; the end itself carries nothing.
        const double s = L - x;
        M = s == 0.0 ? 0.0 : teile(q * potenz(s, 2), 2.0);
        formel = QStringLiteral("M(x) = q · x² / 2");
        xFormel = s;
        hinweis(QStringLiteral("Stelle x"),
            QStringLiteral("x = %1 liegt im rechten Kragarm: gerechnet mit dem Abstand vom freien Ende, x = L − x = %2")
                .arg(mm(x), mm(s)));
    } else {
        M = pruefe(q * L * x * 0.5 * ((1.0 - teile(a, x)) - teile(x, L))); // between the supports
        formel = QStringLiteral("M(x) = q · L · x · 0,5 · ((1 − a / x) − x / L)");
    }
    schritt(QStringLiteral("Biegemoment an der Stelle x"), formel, symbole(F, L, Sigma_Zul, xFormel, a), M, Nmm);
    const double w = std::fabs(Widerstandsmoment(M, Sigma_Zul));
    wNotieren(QStringLiteral("Erforderliches Widerstandsmoment bei x"), QStringLiteral("W erf bei x = |M / σzul / 1000|"), M,
        Sigma_Zul, w);
    return w;
}

Massgebend fd9(double F, double L, double a, double E, double I)
{
    Eingaben_Notieren(9, F, L, a);
    steifigkeitNotieren(E, I);
    const double q = streckenlast(F);
    const double l = L - 2.0 * a; // span between the supports
    Werte werte = symbole(F, L, 0, 0, a);
    werte.prepend(streckenlastF(F));
    schritt(QStringLiteral("Stützweite"), QStringLiteral("l = L − 2 · a"), werte, l, QStringLiteral("mm"));
    werte.append({QStringLiteral("l"), l, QStringLiteral("mm")});
    // Mid-span: the span sags under q (5·q·l⁴/384) and the overhang moments q·a²/2 lift it
    // (q·a²·l²/16 = 24·q·a²·l²/384).
    const double dMitte = teile(pruefe(q * potenz(l, 2) * (5.0 * potenz(l, 2) - 24.0 * potenz(a, 2))), 384.0);
    schritt(QStringLiteral("Zähler in Trägermitte"), QStringLiteral("D Mitte = q · l² · (5 · l² − 24 · a²) / 384"), werte, dMitte,
        QStringLiteral("N·mm³"));
    const double mitte = Durchbiegung(dMitte, E, I);
    fNotieren(QStringLiteral("Durchbiegung in Trägermitte (f Mitte)"), dMitte, E, I, mitte);
    // Free ends: the overhang as a cantilever plus its rotation at the support.
    const double rand
        = teile(pruefe(teile(potenz(l, 4) * F, pruefe(24.0 * E * I * 1000.0))
                    * ((3.0 * teile(potenz(a, 4), potenz(l, 4)) + 6.0 * teile(potenz(a, 3), potenz(l, 3))) - teile(a, l))),
            10000.0);
    werte.append({QStringLiteral("E"), E, QStringLiteral("N/mm²")});
    werte.append({QStringLiteral("I"), I * 10000.0, QStringLiteral("mm⁴")});
    schritt(QStringLiteral("Durchbiegung an den Trägerrändern (f Rand)"),
        QStringLiteral("f Rand = l⁴ · F / (24 · E · I · 1000) · (3 · a⁴ / l⁴ + 6 · a³ / l³ − a / l)"), werte, rand,
        QStringLiteral("mm"));
    return durchbiegungWaehlen(mitte, rand);
}

// --- Case 12 -------------------------------------------------------------------------------

Massgebend Werf12(double F, double L, double a, double Sigma_Zul)
{
    Eingaben_Notieren(12, F, L, a, Sigma_Zul);
    const Werte werte = symbole(F, L, Sigma_Zul, 0, a);
    const double L2 = potenz(L, 2);
    const double Werf1 = teile(pruefe(F * a * (L2 - potenz(a, 2))), pruefe(2.0 * L2 * Sigma_Zul)); // fixed end
    schritt(QStringLiteral("Widerstandsmoment aus dem Moment im Festlager"),
        QStringLiteral("W erf1 = F · a · (L² − a²) / (2 · L² · σzul)"), werte, Werf1, QStringLiteral("mm³"));
    const double Werf2 = teile(pruefe((teile(potenz(a, 3), potenz(L, 3)) + (2.0 - 3.0 * teile(a, L))) * (F * a / 2.0)),
        Sigma_Zul); // under the load
    schritt(QStringLiteral("Widerstandsmoment aus dem Moment unter F"),
        QStringLiteral("W erf2 = (a³ / L³ + 2 − 3 · a / L) · F · a / 2 / σzul"), werte, Werf2, QStringLiteral("mm³"));
    const Massgebend w = groesserer(teile(Werf2, 1000.0), teile(Werf1, 1000.0));
    wahlNotieren(QStringLiteral("Maßgebender Querschnitt"), QStringLiteral("W erf2 (unter F)"), Werf2,
        QStringLiteral("W erf1 (Festlager)"), Werf1, QStringLiteral("mm³"), w.erstes, QStringLiteral("|W erf2| ≥ |W erf1|?"));
    const double betrag = std::fabs(w.wert);
    schritt(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"),
        w.erstes ? QStringLiteral("W erf = |W erf2 / 1000|") : QStringLiteral("W erf = |W erf1 / 1000|"),
        {{QStringLiteral("W erf2"), Werf2, QStringLiteral("mm³")}, {QStringLiteral("W erf1"), Werf1, QStringLiteral("mm³")}},
        betrag, cm3);
    return {betrag, w.erstes};
}

double fd12(double F, double L, double a, double E, double I)
{
    Eingaben_Notieren(12, F, L, a);
    steifigkeitNotieren(E, I);
    const double b = L - a;
    const double d = pruefe(teile(potenz(b, 3) * F * potenz(a, 2), 12.0 * potenz(L, 3)) * (4.0 * L - b));
    schritt(QStringLiteral("Durchbiegungszähler (unter der Last)"), QStringLiteral("D = b³ · F · a² / (12 · L³) · (4 · L − b)"),
        symbole(F, L, 0, 0, a), d, QStringLiteral("N·mm³"));
    const double f = Durchbiegung(d, E, I);
    fNotieren(QStringLiteral("Durchbiegung unter der Last"), d, E, I, f);
    return f;
}

void Eingaben_Notieren(int fall, double F, double L, std::optional<double> a, std::optional<double> Sigma_Zul)
{
    if (!Rechenweg::aktiv())
        return;
    const QString last = streckenlastfall(fall)
        ? QStringLiteral("Streckenlast F = %1").arg(Rechenweg::wert(F, QStringLiteral("N/m")))
        : fall == 6 || fall == 7 ? QStringLiteral("Gesamtlast F = %1").arg(Rechenweg::wert(F, QStringLiteral("N")))
                                 : QStringLiteral("Kraft F = %1").arg(Rechenweg::wert(F, QStringLiteral("N")));
    QString text = last + QStringLiteral(", L = ") + mm(L);
    if (a)
        text += QStringLiteral(", a = ") + mm(*a);
    if (Sigma_Zul)
        text += QStringLiteral(", σzul = ") + spannung(*Sigma_Zul);
    hinweis(QStringLiteral("Eingaben"), text);
    if (streckenlastfall(fall))
        schritt(QStringLiteral("Streckenlast in N/mm"), QStringLiteral("q = F / 1000"), {streckenlastF(F)}, F / 1000.0,
            QStringLiteral("N/mm"));
}

bool hatAbstand(int fall) { return Lastfaelle::biegefall(fall, &Lastfaelle::Lastfall::abstand); }

void Elastizitaetsmodul_Notieren(double E)
{
    if (Rechenweg::aktiv())
        hinweis(QStringLiteral("Elastizitätsmodul"), QStringLiteral("E = ") + spannung(E));
}

} // namespace Biegeformeln
