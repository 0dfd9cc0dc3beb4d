#include "core/calc/Biegerechnung.h"

#include "core/app/Lastfaelle.h"
#include "core/calc/Biegeformeln.h"
#include "core/calc/Pruefung.h"
#include "core/calc/Rechenweg.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"

#include <cmath>
#include <optional>

namespace Biegerechnung {

namespace {

using Biegelinien::Linien;
using Plattform::Fehler;
using Rechenweg::wert;

// A position found on a line lies exactly on a support or an end when it is one of the
// sample points there; an interior extreme never comes that close.
bool bei(double x, double stelle, double laenge) { return std::fabs(x - stelle) <= 1e-9 * laenge; }

QString mm(double v) { return wert(v, QStringLiteral("mm")); }

// A negative deflection is the beam lifting under an uplifting load: the steps state what the
// dialog then shows, the magnitude and its direction.
void richtungNotieren(double f)
{
    if (Rechenweg::aktiv() && f < 0)
        Rechenweg::notieren(QStringLiteral("Richtung der Durchbiegung nach oben"),
            QStringLiteral("f < 0: der Träger biegt sich nach oben, gezeigt wird |f|"), QStringLiteral("|%1|").arg(mm(f)),
            Rechenweg::Rechnung {QStringLiteral("|f|"), {{QStringLiteral("f"), f, QStringLiteral("mm")}}, std::fabs(f)},
            QStringLiteral("mm"));
}

// The superposition the steps print: the case's value at x plus the self-weight's; a
// deflection is shown as its magnitude.
Rechenweg::Rechnung summe(const QString& groesse, const QString& einheit, double last, double gesamt, bool betrag = false)
{
    const QString ausdruck = QStringLiteral("%1 Last + %1 g").arg(groesse);
    return {betrag ? QLatin1Char('|') + ausdruck + QLatin1Char('|') : ausdruck,
        {{groesse + QStringLiteral(" Last"), last, einheit}, {groesse + QStringLiteral(" g"), gesamt - last, einheit}},
        betrag ? std::fabs(gesamt) : gesamt};
}

// The operands of W = M / σzul / 1000.
Rechenweg::Groessen widerstand(double M, double Sigma_Zul)
{
    return {{QStringLiteral("M"), M, QStringLiteral("N·mm")}, {QStringLiteral("σzul"), Sigma_Zul, QStringLiteral("N/mm²")}};
}

// The inputs of the case and the self-weight that joins its load; σzul where W is computed.
void eigengewichtNotieren(const Aufgabe& a, double g, std::optional<double> Sigma_Zul)
{
    if (!Rechenweg::aktiv())
        return;
    Biegeformeln::Eingaben_Notieren(
        a.fall, a.e.F, a.e.L, Biegeformeln::hatAbstand(a.fall) ? std::optional<double>(a.e.a) : std::nullopt, Sigma_Zul);
    Rechenweg::notieren(QStringLiteral("Eigengewicht des Profils"), QStringLiteral("g = Masse · 9,81 N/kg"),
        QStringLiteral("= %1 · 9,81 N/kg").arg(wert(a.Masse, QStringLiteral("kg/m"))),
        {QStringLiteral("Masse · 9,81"), {{QStringLiteral("Masse"), a.Masse, QStringLiteral("kg/m")}}, g}, QStringLiteral("N/m"));
    Rechenweg::schritt(QStringLiteral("Eigengewicht in N/mm"), QStringLiteral("q g = g / 1000"),
        {{QStringLiteral("g"), g, QStringLiteral("N/m")}}, g / 1000.0, QStringLiteral("N/mm"));
    Rechenweg::notieren(QStringLiteral("Belastung"),
        QStringLiteral("Last des Lastfalls und Eigengewicht q g über den ganzen Träger (Überlagerung)"), QString(), QString());
}

// The lines of the case alone and with the self-weight, for the steps that show the sum.
struct Linienpaar {
    Linien last;
    Linien summe;
    double g = 0; // N/m
};

Linienpaar linien(const Aufgabe& a)
{
    const double g = Eigengewicht(a.Masse);
    Linien last = Biegelinien::Fall_Linien(a.fall, a.e);
    Linien summe = last.mitGleichlast(g / 1000.0);
    return {std::move(last), std::move(summe), g};
}

double Werf_Formel(const Aufgabe& a, bool& erstes)
{
    const auto& e = a.e;
    switch (a.fall) {
    case 4:
        return Biegeformeln::Werf4(e.F, e.L, e.a, a.Sigma_Zul);
    case 8:
        return Biegeformeln::Werf8(e.F, e.a, a.Sigma_Zul);
    case 9:
    case 12: {
        const auto w
            = a.fall == 9 ? Biegeformeln::Werf9(e.F, e.L, e.a, a.Sigma_Zul) : Biegeformeln::Werf12(e.F, e.L, e.a, a.Sigma_Zul);
        erstes = w.erstes;
        return w.wert;
    }
    default:
        return Biegeformeln::Werf(a.fall, e.F, e.L, a.Sigma_Zul);
    }
}

void W_Pruefen(const Aufgabe& a)
{
    Pruefung::positiv(Pruefung::Eingabe::L, a.e.L);
    Pruefung::positiv(Pruefung::Eingabe::Sigma_Zul, a.Sigma_Zul);
}

void f_Pruefen(const Aufgabe& a)
{
    Pruefung::positiv(Pruefung::Eingabe::L, a.e.L);
    Pruefung::positiv(Pruefung::Eingabe::E, a.e.E);
    Pruefung::positiv(Pruefung::Eingabe::I, a.e.I);
}

double fd_Formel(const Aufgabe& a, bool& erstes)
{
    const auto& e = a.e;
    switch (a.fall) {
    case 4:
        return Biegeformeln::fd4(e.F, e.L, e.a, e.E, e.I);
    case 8:
    case 9: {
        const auto f = a.fall == 8 ? Biegeformeln::fd8(e.F, e.L, e.a, e.E, e.I) : Biegeformeln::fd9(e.F, e.L, e.a, e.E, e.I);
        erstes = f.erstes;
        return f.wert;
    }
    case 12:
        return Biegeformeln::fd12(e.F, e.L, e.a, e.E, e.I);
    default:
        return Biegeformeln::fd(a.fall, e.F, e.L, e.E, e.I);
    }
}

} // namespace

double Eigengewicht(double Masse) { return Fliesskomma::pruefe(Masse * Erdbeschleunigung); }

bool hatStelle(int fall)
{
    const auto* f = Lastfaelle::lastfall(Lastfaelle::Familie::Biegung, fall);
    return f && f->xZeile;
}

Wert Werf(const Aufgabe& a)
{
    W_Pruefen(a);
    Wert w;
    if (!a.eigengewicht) {
        w.wert = Werf_Formel(a, w.erstes);
        return w;
    }
    const Linienpaar p = linien(a);
    eigengewichtNotieren(a, p.g, a.Sigma_Zul);
    const Biegelinien::Extremwert m = p.summe.M_Extreme().massgebend();
    const double L = p.summe.traeger().laenge;
    w.x = m.x;
    w.wert = std::fabs(Biegeformeln::Widerstandsmoment(m.wert, a.Sigma_Zul));
    if (a.fall == 9) // the supports govern, else mid-span
        w.erstes = bei(m.x, a.e.a, L) || bei(m.x, L - a.e.a, L);
    else if (a.fall == 12) // under F, else the fixed end
        w.erstes = !bei(m.x, L, L);
    if (Rechenweg::aktiv()) {
        const double mLast = p.last.M(m.x);
        Rechenweg::notieren(QStringLiteral("Größtes Biegemoment aus Last und Eigengewicht"),
            QStringLiteral("M max = größtes |M Last(x) + M g(x)| über den ganzen Träger"),
            QStringLiteral("bei x = %1: %2 + %3")
                .arg(mm(m.x), wert(mLast, QStringLiteral("N·mm")), wert(m.wert - mLast, QStringLiteral("N·mm"))),
            summe(QStringLiteral("M"), QStringLiteral("N·mm"), mLast, m.wert), QStringLiteral("N·mm"));
        Rechenweg::notieren(QStringLiteral("Erforderliches Widerstandsmoment (mm³ → cm³)"),
            QStringLiteral("W erf = |M max| / σzul / 1000"),
            QStringLiteral("= %1 / %2 / 1000")
                .arg(wert(std::fabs(m.wert), QStringLiteral("N·mm")), wert(a.Sigma_Zul, QStringLiteral("N/mm²"))),
            {QStringLiteral("M / σzul / 1000"), widerstand(std::fabs(m.wert), a.Sigma_Zul), w.wert}, QStringLiteral("cm³"));
    }
    return w;
}

double Wxerf(const Aufgabe& a, double x)
{
    W_Pruefen(a);
    const auto& e = a.e;
    if (!a.eigengewicht) {
        switch (a.fall) {
        case 4:
            return Biegeformeln::Wxerf4(e.F, e.L, e.a, x, a.Sigma_Zul);
        case 9:
            return Biegeformeln::Wxerf9(e.F, e.L, e.a, x, a.Sigma_Zul);
        default:
            return Biegeformeln::Wxerf(a.fall, e.F, e.L, x, a.Sigma_Zul);
        }
    }
    if (x == 0.0 || x > e.L)
        return 0.0;
    if (x < 0.0)
        throw Fehler(Fehler::Art::Allgemein, QStringLiteral("Die Stelle x liegt außerhalb des Trägers."));
    const Linienpaar p = linien(a);
    const double M = p.summe.M(x);
    const double w = std::fabs(Biegeformeln::Widerstandsmoment(M, a.Sigma_Zul));
    if (Rechenweg::aktiv()) {
        const double mLast = p.last.M(x);
        Rechenweg::notieren(QStringLiteral("Biegemoment an der Stelle x aus Last und Eigengewicht"),
            QStringLiteral("M(x) = M Last(x) + M g(x)"),
            QStringLiteral("= %1 + %2").arg(wert(mLast, QStringLiteral("N·mm")), wert(M - mLast, QStringLiteral("N·mm"))),
            summe(QStringLiteral("M"), QStringLiteral("N·mm"), mLast, M), QStringLiteral("N·mm"));
        Rechenweg::notieren(QStringLiteral("Erforderliches Widerstandsmoment bei x"),
            QStringLiteral("W erf bei x = |M / σzul / 1000|"),
            QStringLiteral("= |%1 / %2 / 1000|").arg(wert(M, QStringLiteral("N·mm")), wert(a.Sigma_Zul, QStringLiteral("N/mm²"))),
            {QStringLiteral("|M / σzul / 1000|"), widerstand(M, a.Sigma_Zul), w}, QStringLiteral("cm³"));
    }
    return w;
}

Wert fd(const Aufgabe& a)
{
    f_Pruefen(a);
    Wert f;
    if (!a.eigengewicht) {
        f.wert = fd_Formel(a, f.erstes);
        richtungNotieren(f.wert);
        return f;
    }
    // E·I of 0 (no material, no I) is a division by zero as in the formulas; a negative one
    // has no bending line.
    const double EI = Fliesskomma::pruefe(a.e.E * a.e.I);
    if (EI == 0.0)
        throw Fehler::divisionDurchNull();
    if (EI < 0.0)
        throw Fehler::ungueltigeOperation();
    const Linienpaar p = linien(a);
    eigengewichtNotieren(a, p.g, std::nullopt);
    const Biegelinien::Extremwert w = p.summe.w_Extreme().massgebend();
    const double L = p.summe.traeger().laenge;
    f.x = w.x;
    f.wert = w.wert;
    if (a.fall == 8 || a.fall == 9) // mid-span governs, else the free ends
        f.erstes = !bei(w.x, 0.0, L) && !bei(w.x, L, L);
    if (Rechenweg::aktiv()) {
        const double wLast = p.last.w(w.x);
        Rechenweg::schritt(QStringLiteral("Trägheitsmoment in mm⁴"), QStringLiteral("I = I[cm⁴] · 10000"),
            {{QStringLiteral("I[cm⁴]"), a.e.I, QStringLiteral("cm⁴")}}, a.e.I * 10000.0, QStringLiteral("mm⁴"));
        Biegeformeln::Elastizitaetsmodul_Notieren(a.e.E);
        Rechenweg::notieren(QStringLiteral("Größte Durchbiegung aus Last und Eigengewicht"),
            QStringLiteral("f = größtes |w Last(x) + w g(x)| über den ganzen Träger"),
            QStringLiteral("bei x = %1: %2 + %3").arg(mm(w.x), mm(wLast), mm(w.wert - wLast)),
            summe(QStringLiteral("w"), QStringLiteral("mm"), wLast, w.wert, true), QStringLiteral("mm"));
    }
    richtungNotieren(f.wert);
    return f;
}

namespace {

QString Fehlertext(const Fehler& f)
{
    if (dynamic_cast<const Pruefung::Ungueltig*>(&f) || f.art() == Fehler::Art::Allgemein)
        return f.text();
    return QStringLiteral("Rechenfehler: %1").arg(f.text());
}

void W_Rechnen(const Aufgabe& a, Ergebnis& r)
{
    try {
        r.Werf = Werf(a);
        if (hatStelle(a.fall) && a.x != 0.0)
            r.Wxerf = Wxerf(a, a.x);
        r.gelungen = true;
    } catch (const Fehler& f) {
        r.fehler = Fehlertext(f);
        Rechenweg::notieren(QStringLiteral("Abbruch"), r.fehler, QString(), QString());
        return;
    }
    if (a.W > 0)
        r.Ausnutzung = Nachweis::Ausnutzung(r.Werf.wert, a.W);
    r.biegung = Nachweis::Biegung(r.Werf.wert, a.W);
}

void f_Rechnen(const Aufgabe& a, Ergebnis& r)
{
    try {
        r.f = fd(a);
    } catch (const Fehler& f) {
        r.fehlerDurchbiegung = Fehlertext(f);
        Rechenweg::notieren(QStringLiteral("Abbruch"), r.fehlerDurchbiegung, QString(), QString());
        return;
    }
    if (r.f->wert != 0.0)
        r.L_durch_f = a.e.L / std::fabs(r.f->wert);
    r.durchbiegung = Nachweis::Durchbiegung(a.e.L, r.f->wert, a.grenze);
}

} // namespace

Ergebnis rechnen(const Aufgabe& a)
{
    Ergebnis r;
    r.schritte = Rechenweg::aufzeichnen([&] {
        W_Rechnen(a, r);
        f_Rechnen(a, r);
    });
    return r;
}

QString Durchbiegung_Text(double fd, int stellen)
{
    const QString betrag = Zahlen::fixiert(std::fabs(fd), stellen);
    return fd < 0 ? betrag + QStringLiteral(" nach oben") : betrag;
}

double L_durch_f(double L, double fd) { return Fliesskomma::teile(L, std::fabs(fd)); }

} // namespace Biegerechnung
