#include "core/calc/Eurocode.h"

#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickformeln.h"
#include "core/calc/Pruefung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Eurocode {

namespace {

using Plattform::Fehler;
using Rechenweg::Groessen;
using Rechenweg::zahl;

const QString Nachweisname = QStringLiteral("Nachweis nach DIN EN 1993-1-1");
const QString N = QStringLiteral("N");
const QString Nmm = QStringLiteral("N·mm");
const QString Nmm2 = QStringLiteral("N/mm²");
const QString Mm = QStringLiteral("mm");

// A datum the check cannot do without is missing: the check stops with a line saying which.
class Fehlt : public Fehler {
public:
    explicit Fehlt(const QString& was)
        : Fehler(Fehler::Art::Allgemein, was)
    {
    }
};

void notieren(const QString& was, const QString& aussage) { Rechenweg::notieren(was, aussage, QString(), QString()); }

Urteil nichtMoeglich(const QString& grund)
{
    Urteil u;
    u.text = Nachweisname + QStringLiteral(" nicht möglich: ") + grund;
    notieren(QStringLiteral("Abbruch"), u.text);
    return u;
}

// Runs a check; a missing datum or an input without meaning ends it with the line that says so.
template <typename Ergebnis, typename Rechnung> Ergebnis pruefen(Rechnung rechnung)
{
    Ergebnis e;
    e.schritte = Rechenweg::aufzeichnen([&] {
        try {
            rechnung(e);
        } catch (const Fehlt& f) {
            e.urteil = nichtMoeglich(f.text());
        } catch (const Pruefung::Ungueltig& f) {
            e.urteil = nichtMoeglich(f.text());
        } catch (const Fehler& f) {
            // A refusal of the beam names its input; any other failure is an arithmetic one.
            e.urteil = nichtMoeglich(f.art() == Fehler::Art::Allgemein ? f.text() : QStringLiteral("Rechenfehler: ") + f.text());
        }
    });
    return e;
}

// fy of a steel; wood, plastics and a material without fy have none.
double streckgrenze(const Werkstoff& w)
{
    if (!(w.fy > 0) || !std::isfinite(w.fy))
        throw Fehlt(QStringLiteral("keine Streckgrenze fy für „%1“").arg(w.name));
    if (!w.art.isEmpty() && w.art != QStringLiteral("Metall"))
        throw Fehlt(QStringLiteral("„%1“ ist kein Stahl (%2)").arg(w.name, w.art));
    return w.fy;
}

void kategoriePruefen(const Last& l)
{
    if (l.einwirkung == Einwirkung::Veraenderlich && l.kategorie.zeichen.isEmpty())
        throw Fehlt(QStringLiteral("keine Kombinationsbeiwerte für die Kategorie „%1“").arg(l.kategorie.kuerzel));
}

// η = E d / R d with its verdict and the governing combination.
Urteil urteilen(
    const QString& Ed_name, double Ed, const QString& Rd_name, double Rd, const QString& einheit, const QString& kombination)
{
    Urteil u;
    u.moeglich = true;
    u.eta = Fliesskomma::teile(Ed, Rd);
    u.erfuellt = u.eta <= 1.0;
    u.kombination = kombination;
    u.text = Urteilstext(u.eta);
    Rechenweg::schritt(QStringLiteral("Ausnutzung"), QStringLiteral("η = %1 / %2").arg(Ed_name, Rd_name),
        {{Ed_name, Ed, einheit}, {Rd_name, Rd, einheit}}, u.eta, QString());
    notieren(QStringLiteral("Urteil"), u.text);
    return u;
}

// A bending verdict checks the cross-section only: it says that it assumes the compression
// flange held against lateral-torsional buckling.
void kippenAnnehmen(Urteil& u)
{
    u.nichtUntersucht.append(Kippen_Nicht_Untersucht);
    notieren(QStringLiteral("Nicht untersucht"), Kippen_Nicht_Untersucht);
}

// --- Combinations ----------------------------------------------------------------------------

// One combination: the factor on the permanent loads and on each category of variable loads.
struct Kombination {
    double gammaG = 1.0;
    std::vector<std::pair<Kategorie, double>> faktoren; // in the order of the categories
    QString text;

    double faktor(const QString& kuerzel) const
    {
        for (const auto& [k, f] : faktoren)
            if (k.kuerzel == kuerzel)
                return f;
        return 0.0;
    }
};

// "1,35·G + 1,5·Q Kat. A + 1,5·0,5·S" (ultimate) or "G + Q Kat. A + 0,5·S" (characteristic).
QString kombinationstext(bool mitG, double gammaG, const std::vector<Kategorie>& kategorien, std::size_t leit, double gammaQ)
{
    QStringList teile;
    auto mal = [](double f, const QString& was) { return f == 1.0 ? was : zahl(f) + QStringLiteral("·") + was; };
    // In a design combination the factor 1,0 on G is written out: it is the favourable one.
    if (mitG)
        teile << (gammaQ != 1.0 && gammaG == 1.0 ? QLocale().toString(1.0, 'f', 1) + QStringLiteral("·G")
                                                 : mal(gammaG, QStringLiteral("G")));
    if (leit < kategorien.size())
        teile << mal(gammaQ, kategorien[leit].zeichen);
    for (std::size_t k = 0; k < kategorien.size(); ++k)
        if (k != leit && kategorien[k].psi0 > 0)
            teile << (gammaQ == 1.0 ? mal(kategorien[k].psi0, kategorien[k].zeichen)
                                    : zahl(gammaQ) + QStringLiteral("·") + mal(kategorien[k].psi0, kategorien[k].zeichen));
    return teile.join(QStringLiteral(" + "));
}

// Every combination of the actions: each category leading in turn, with each factor on the
// permanent loads that `gammaGs` offers. Without variable loads, the permanent ones alone.
std::vector<Kombination> kombinationen(
    bool mitG, const std::vector<Kategorie>& kategorien, const std::vector<double>& gammaGs, double gammaQ)
{
    std::vector<Kombination> alle;
    const std::size_t leitende = std::max<std::size_t>(kategorien.size(), 1);
    for (std::size_t leit = 0; leit < leitende; ++leit)
        for (const double gammaG : gammaGs) {
            Kombination k;
            k.gammaG = gammaG;
            for (std::size_t j = 0; j < kategorien.size(); ++j)
                k.faktoren.push_back({kategorien[j], j == leit ? gammaQ : gammaQ * kategorien[j].psi0});
            k.text = kombinationstext(mitG, gammaG, kategorien, leit, gammaQ);
            alle.push_back(k);
            if (kategorien.empty())
                break; // the permanent loads alone: the greater factor governs
        }
    return alle;
}

QString einwirkungstext(const Last& l)
{
    if (l.einwirkung == Einwirkung::Staendig)
        return QStringLiteral("ständig (G)");
    return QStringLiteral("veränderlich, %1 (%2, ψ0 = %3)")
        .arg(l.kategorie.bezeichnung, l.kategorie.zeichen, zahl(l.kategorie.psi0));
}

// --- Bending of a classic case -----------------------------------------------------------------

// The moment line of the case's load times fF and the self-weight times fG.
struct Biegemoment {
    double M = 0, x = 0, M_F = 0, M_g = 0; // the extreme, where, and the parts at x (unfactored)
};

Biegemoment biegemoment(const Biegeaufgabe& a, double fF, double fG)
{
    Biegelinien::Eingaben last = a.e;
    last.E = last.I = 0; // no deflection line needed
    const Biegelinien::Linien F = Biegelinien::Fall_Linien(a.fall, last);
    last.F = a.e.F * fF;
    const double g = a.eigengewicht ? Biegerechnung::Eigengewicht(a.Masse) / 1000.0 : 0.0; // N/mm
    const Biegelinien::Linien summe = Biegelinien::Fall_Linien(a.fall, last).mitGleichlast(fG * g);
    const Biegelinien::Extremwert m = summe.M_Extreme().massgebend();
    const double M_F = F.M(m.x);
    return {std::fabs(m.wert), m.x, M_F, fG > 0 ? (m.wert - fF * M_F) / fG : 0.0};
}

void biegungRechnen(const Biegeaufgabe& a, Biegeergebnis& r)
{
    Pruefung::positiv(Pruefung::Eingabe::L, a.e.L);
    const double fy = streckgrenze(a.werkstoff);
    kategoriePruefen(a.last);
    if (!(a.W > 0))
        throw Fehlt(QStringLiteral("kein Profil gewählt"));
    notieren(QStringLiteral("Einwirkung"), QStringLiteral("Last F: ") + einwirkungstext(a.last));

    const bool staendig = a.last.einwirkung == Einwirkung::Staendig;
    const bool mitG = staendig || a.eigengewicht;
    std::vector<Kategorie> kategorien;
    if (!staendig)
        kategorien.push_back(a.last.kategorie);
    // With an uplifting variable load the self-weight helps: then 1,0 on it can be worse.
    const std::vector<double> gammaGs
        = staendig || !a.eigengewicht ? std::vector {GammaG} : std::vector {GammaG, GammaG_guenstig};
    // A variable load is only taken where it is unfavourable: beside the self-weight it may also
    // be left off (an uplift smaller than the weight).
    std::vector<Kombination> alle = kombinationen(mitG, kategorien, gammaGs, GammaQ);
    if (!staendig && a.eigengewicht)
        alle.push_back(kombinationen(true, {}, {GammaG}, GammaQ).front());
    Biegemoment best;
    Kombination massgebend;
    for (const Kombination& k : alle) {
        const double fF = staendig ? k.gammaG : k.faktor(a.last.kategorie.kuerzel);
        const Biegemoment m = biegemoment(a, fF, a.eigengewicht ? k.gammaG : 0.0);
        if (massgebend.text.isEmpty() || m.M > best.M) {
            best = m;
            massgebend = k;
        }
    }
    notieren(QStringLiteral("Maßgebende Kombination"), massgebend.text);
    const QString gF = staendig ? QStringLiteral("γG") : QStringLiteral("γQ");
    const double fF = staendig ? massgebend.gammaG : massgebend.faktor(a.last.kategorie.kuerzel);
    if (a.eigengewicht)
        Rechenweg::schritt(
            QStringLiteral("Bemessungsmoment aus Last und Eigengewicht bei x = %1").arg(Rechenweg::wert(best.x, Mm)),
            QStringLiteral("M Ed = |γG · M g + %1 · M F|").arg(gF),
            {{QStringLiteral("γG"), massgebend.gammaG, {}}, {gF, fF, {}}, {QStringLiteral("M g"), best.M_g, Nmm},
                {QStringLiteral("M F"), best.M_F, Nmm}},
            best.M, Nmm);
    else
        Rechenweg::schritt(QStringLiteral("Bemessungsmoment"), QStringLiteral("M Ed = |%1 · M F|").arg(gF),
            {{gF, fF, {}}, {QStringLiteral("M F"), best.M_F, Nmm}}, best.M, Nmm);
    r.M_Ed = best.M;
    r.x = best.x;
    notieren(QStringLiteral("Beanspruchbarkeit"),
        QStringLiteral("elastisch, mit dem Widerstandsmoment W des Profils (W el; keine plastischen Reserven)"));
    r.M_c_Rd = a.W * 1000.0 * fy / GammaM0; // cm³ → mm³
    Rechenweg::schritt(QStringLiteral("Momententragfähigkeit (cm³ → mm³)"), QStringLiteral("M c,Rd = W · 1000 · fy / γM0"),
        {{QStringLiteral("W"), a.W, QStringLiteral("cm³")}, {QStringLiteral("fy"), fy, Nmm2},
            {QStringLiteral("γM0"), GammaM0, {}}},
        r.M_c_Rd, Nmm);
    r.urteil = urteilen(QStringLiteral("M Ed"), r.M_Ed, QStringLiteral("M c,Rd"), r.M_c_Rd, Nmm, massgebend.text);
    kippenAnnehmen(r.urteil);
}

// --- The general beam ----------------------------------------------------------------------------

// The categories of the variable loads in the order of their first load.
std::vector<Kategorie> lastkategorien(const Traegeraufgabe& a)
{
    std::vector<Kategorie> k;
    for (std::size_t i = 0; i < a.traeger.lasten.size(); ++i) {
        const Traegerrechnung::Last& l = a.traeger.lasten[i];
        if (l.einwirkung != Einwirkung::Veraenderlich)
            continue;
        if (std::any_of(k.begin(), k.end(), [&](const Kategorie& c) { return c.kuerzel == l.kategorie; }))
            continue;
        const auto gefunden = Kategorie_Finden(a.kategorien, l.kategorie);
        if (!gefunden)
            throw Fehlt(QStringLiteral("Last %1: keine Kombinationsbeiwerte für die Kategorie „%2“").arg(i + 1).arg(l.kategorie));
        k.push_back(*gefunden);
    }
    return k;
}

bool hatStaendige(const Traegerrechnung::Eingabe& e)
{
    return (e.eigengewicht && e.Masse > 0) || std::any_of(e.lasten.begin(), e.lasten.end(), [](const Traegerrechnung::Last& l) {
        return l.einwirkung == Einwirkung::Staendig;
    });
}

// The beam solved once per load group, made on first use: a beam that cannot be solved throws
// only where it is needed, after the data the check names first.
class Reihe {
public:
    explicit Reihe(const Traegerrechnung::Eingabe& e)
        : m_e(e)
    {
    }
    // The envelope of the beam with every load times its factor in the combination.
    Traegerrechnung::Ergebnis kombinieren(const Kombination& k, bool mitDurchbiegung)
    {
        if (!m_reihe) {
            if (const auto f = Traegerrechnung::pruefen(m_e))
                throw Fehler(Fehler::Art::Allgemein, f->text);
            m_reihe.emplace(m_e);
        }
        std::vector<double> faktoren;
        for (const QString& kuerzel : m_reihe->kategorien())
            faktoren.push_back(k.faktor(kuerzel));
        return m_reihe->kombinieren(k.gammaG, faktoren, mitDurchbiegung);
    }

private:
    const Traegerrechnung::Eingabe& m_e;
    std::optional<Traegerrechnung::Einwirkungsreihe> m_reihe;
};

void traegerBiegung(
    const Traegeraufgabe& a, const std::vector<Kategorie>& kategorien, Reihe& reihe, Biegeergebnis& r, int& anzahl)
{
    const double fy = streckgrenze(a.werkstoff);
    if (!(a.traeger.W > 0))
        throw Fehlt(QStringLiteral("kein Profil gewählt"));
    const bool mitG = hatStaendige(a.traeger);
    const std::vector<double> gammaGs
        = mitG && !kategorien.empty() ? std::vector {GammaG, GammaG_guenstig} : std::vector {GammaG};
    QString massgebend;
    for (const Kombination& k : kombinationen(mitG, kategorien, gammaGs, GammaQ)) {
        const auto e = reihe.kombinieren(k, false);
        ++anzahl;
        const bool oben = e.M_max.wert >= -e.M_min.wert;
        const double M = oben ? e.M_max.wert : -e.M_min.wert;
        if (massgebend.isEmpty() || M > r.M_Ed) {
            r.M_Ed = M;
            r.x = oben ? e.M_max.x : e.M_min.x;
            massgebend = k.text;
        }
    }
    notieren(QStringLiteral("Kombinationen"),
        QStringLiteral("%1 Kombinationen, veränderliche Lasten feldweise in ungünstigster Stellung").arg(anzahl));
    notieren(QStringLiteral("Maßgebende Kombination"), massgebend);
    Rechenweg::notieren(QStringLiteral("Größtes Bemessungsmoment bei x = %1").arg(Rechenweg::wert(r.x, Mm)),
        QStringLiteral("M Ed = |M| der maßgebenden Kombination"), QStringLiteral("= |%1|").arg(Rechenweg::wert(r.M_Ed, Nmm)),
        {QStringLiteral("|M|"), {{QStringLiteral("M"), r.M_Ed, Nmm}}, r.M_Ed}, Nmm);
    notieren(QStringLiteral("Beanspruchbarkeit"),
        QStringLiteral("elastisch, mit dem Widerstandsmoment W des Profils (W el; keine plastischen Reserven)"));
    r.M_c_Rd = a.traeger.W * 1000.0 * fy / GammaM0;
    Rechenweg::schritt(QStringLiteral("Momententragfähigkeit (cm³ → mm³)"), QStringLiteral("M c,Rd = W · 1000 · fy / γM0"),
        {{QStringLiteral("W"), a.traeger.W, QStringLiteral("cm³")}, {QStringLiteral("fy"), fy, Nmm2},
            {QStringLiteral("γM0"), GammaM0, {}}},
        r.M_c_Rd, Nmm);
    r.urteil = urteilen(QStringLiteral("M Ed"), r.M_Ed, QStringLiteral("M c,Rd"), r.M_c_Rd, Nmm, massgebend);
    kippenAnnehmen(r.urteil);
}

// Deflections under the characteristic combinations: the greatest of each span and cantilever.
void traegerDurchbiegung(const Traegeraufgabe& a, const std::vector<Kategorie>& kategorien, Reihe& reihe, Traegerergebnis& t)
{
    if (!(a.traeger.E > 0 && a.traeger.I > 0))
        return;
    for (const Kombination& k : kombinationen(hatStaendige(a.traeger), kategorien, {1.0}, 1.0)) {
        const auto e = reihe.kombinieren(k, true);
        ++t.kombinationen;
        if (t.abschnitte.empty()) {
            t.abschnitte = e.abschnitte;
            t.abschnittskombination.assign(e.abschnitte.size(), k.text);
            continue;
        }
        for (std::size_t i = 0; i < e.abschnitte.size(); ++i)
            if (std::fabs(e.abschnitte[i].f) > std::fabs(t.abschnitte[i].f)) {
                t.abschnitte[i] = e.abschnitte[i];
                t.abschnittskombination[i] = k.text;
            }
    }
    for (std::size_t i = 0; i < t.abschnitte.size(); ++i) {
        const auto& b = t.abschnitte[i];
        Nachweis::Urteil u = Nachweis::Durchbiegung(b.L_Grenze, b.f, a.traeger.grenze);
        u.text = QStringLiteral("%1 (%2) – %3").arg(b.name, t.abschnittskombination[i], u.text);
        t.durchbiegung.push_back(u);
        notieren(QStringLiteral("Durchbiegung, charakteristische Kombination"), u.text);
    }
}

} // namespace

const QStringList& Knicklinien()
{
    static const QStringList namen {
        QStringLiteral("a0"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    return namen;
}

std::optional<double> Imperfektionsbeiwert(const QString& knicklinie)
{
    static constexpr double alpha[] = {0.13, 0.21, 0.34, 0.49, 0.76};
    const auto i = Knicklinien().indexOf(knicklinie);
    return i < 0 ? std::nullopt : std::optional(alpha[i]);
}

double Abminderungsbeiwert(double lambda_quer, double alpha)
{
    if (lambda_quer <= 0.2)
        return 1.0;
    const double Phi = 0.5 * (1.0 + alpha * (lambda_quer - 0.2) + lambda_quer * lambda_quer);
    return std::min(1.0, 1.0 / (Phi + std::sqrt(Phi * Phi - lambda_quer * lambda_quer)));
}

std::optional<Kategorie> Kategorie_Finden(const std::vector<Kategorie>& kategorien, const QString& kuerzel)
{
    for (const Kategorie& k : kategorien)
        if (k.kuerzel == kuerzel)
            return k;
    return std::nullopt;
}

QString Urteilstext(double eta)
{
    const bool haelt = eta <= 1.0;
    return QStringLiteral("%1: η = %2 %3 1 %4")
        .arg(Nachweisname, Zahlen::fixiert(eta, 2), haelt ? QStringLiteral("≤") : QStringLiteral(">"),
            haelt ? QStringLiteral("erfüllt") : QStringLiteral("nicht erfüllt"));
}

Knickergebnis Knicken(const Knickaufgabe& a)
{
    return pruefen<Knickergebnis>([&a](Knickergebnis& r) {
        const double fy = streckgrenze(a.werkstoff);
        if (a.knicklinie.isEmpty())
            throw Fehlt(QStringLiteral("keine Knicklinie für das Profil"));
        const auto alpha = Imperfektionsbeiwert(a.knicklinie);
        if (!alpha)
            throw Fehlt(QStringLiteral("„%1“ ist keine Knicklinie (a0, a, b, c oder d)").arg(a.knicklinie));
        kategoriePruefen(a.last);
        std::optional<double> beta;
        {
            Rechenweg::Aufzeichnung stumm; // β alone, without the classic step
            beta = Knickformeln::Knicklaenge(a.fall, 1.0);
        }
        if (!beta)
            throw Fehlt(QStringLiteral("es gibt keinen Eulerfall %1").arg(a.fall));
        for (const auto& [eingabe, wert] : {std::pair {Pruefung::Eingabe::F, a.F}, {Pruefung::Eingabe::L, a.L},
                 {Pruefung::Eingabe::E, a.E}, {Pruefung::Eingabe::I, a.I}, {Pruefung::Eingabe::A, a.A}})
            Pruefung::positiv(eingabe, wert);

        notieren(QStringLiteral("Einwirkung"), QStringLiteral("Druckkraft F: ") + einwirkungstext(a.last));
        const bool staendig = a.last.einwirkung == Einwirkung::Staendig;
        const QString gamma = staendig ? QStringLiteral("γG") : QStringLiteral("γQ");
        const double f = staendig ? GammaG : GammaQ;
        const QString kombination = staendig ? QStringLiteral("%1·G").arg(zahl(GammaG))
                                             : QStringLiteral("%1·%2").arg(zahl(GammaQ), a.last.kategorie.zeichen);
        notieren(QStringLiteral("Kombination"), kombination);
        r.N_Ed = Fliesskomma::pruefe(f * a.F);
        Rechenweg::schritt(QStringLiteral("Bemessungswert der Druckkraft"), QStringLiteral("N Ed = %1 · F").arg(gamma),
            {{gamma, f, {}}, {QStringLiteral("F"), a.F, N}}, r.N_Ed, N);
        r.L_cr = Fliesskomma::pruefe(*beta * a.L);
        Rechenweg::schritt(QStringLiteral("Knicklänge (Eulerfall %1)").arg(a.fall), QStringLiteral("L cr = β · L"),
            {{QStringLiteral("β"), *beta, {}}, {QStringLiteral("L"), a.L, Mm}}, r.L_cr, Mm);
        r.N_cr
            = Fliesskomma::teile(Fliesskomma::pruefe(std::numbers::pi * std::numbers::pi * a.E * a.I * 10000.0), r.L_cr * r.L_cr);
        Rechenweg::schritt(QStringLiteral("Ideale Verzweigungslast (I: cm⁴ → mm⁴)"),
            QStringLiteral("N cr = π² · E · I · 10000 / L cr²"),
            {{QStringLiteral("L cr"), r.L_cr, Mm}, {QStringLiteral("E"), a.E, Nmm2},
                {QStringLiteral("I"), a.I, QStringLiteral("cm⁴")}},
            r.N_cr, N);
        r.lambda_quer = std::sqrt(Fliesskomma::teile(a.A * fy, r.N_cr));
        Rechenweg::schritt(QStringLiteral("Bezogener Schlankheitsgrad"), QStringLiteral("λ̄ = √(A · fy / N cr)"),
            {{QStringLiteral("N cr"), r.N_cr, N}, {QStringLiteral("fy"), fy, Nmm2},
                {QStringLiteral("A"), a.A, QStringLiteral("mm²")}},
            r.lambda_quer, QString());
        r.knicklinie = a.knicklinie;
        r.alpha = *alpha;
        notieren(QStringLiteral("Knicklinie"), QStringLiteral("Knicklinie %1: α = %2").arg(a.knicklinie, zahl(r.alpha)));
        r.Phi = 0.5 * (1.0 + r.alpha * (r.lambda_quer - 0.2) + r.lambda_quer * r.lambda_quer);
        r.chi = Abminderungsbeiwert(r.lambda_quer, r.alpha);
        if (r.lambda_quer <= 0.2) {
            notieren(QStringLiteral("Abminderungsbeiwert"), QStringLiteral("λ̄ ≤ 0,2: χ = 1, kein Knicken"));
        } else {
            const Groessen werte {{QStringLiteral("λ̄"), r.lambda_quer, {}}, {QStringLiteral("α"), r.alpha, {}}};
            Rechenweg::schritt(
                QStringLiteral("Hilfswert"), QStringLiteral("Φ = 0,5 · (1 + α · (λ̄ − 0,2) + λ̄²)"), werte, r.Phi, QString());
            Rechenweg::schritt(QStringLiteral("Abminderungsbeiwert"), QStringLiteral("χ = min(1, 1 / (Φ + √(Φ² − λ̄²)))"),
                {{QStringLiteral("λ̄"), r.lambda_quer, {}}, {QStringLiteral("Φ"), r.Phi, {}}}, r.chi, QString());
        }
        r.N_b_Rd = Fliesskomma::pruefe(r.chi * a.A * fy / GammaM1);
        Rechenweg::schritt(QStringLiteral("Biegeknicktragfähigkeit"), QStringLiteral("N b,Rd = χ · A · fy / γM1"),
            {{QStringLiteral("γM1"), GammaM1, {}}, {QStringLiteral("χ"), r.chi, {}},
                {QStringLiteral("A"), a.A, QStringLiteral("mm²")}, {QStringLiteral("fy"), fy, Nmm2}},
            r.N_b_Rd, N);
        r.urteil = urteilen(QStringLiteral("N Ed"), r.N_Ed, QStringLiteral("N b,Rd"), r.N_b_Rd, N, kombination);
    });
}

Biegeergebnis Biegung(const Biegeaufgabe& a)
{
    return pruefen<Biegeergebnis>([&a](Biegeergebnis& r) { biegungRechnen(a, r); });
}

Traegerergebnis Traeger(const Traegeraufgabe& a)
{
    Traegerergebnis t;
    std::optional<std::vector<Kategorie>> kategorien;
    Reihe reihe(a.traeger);
    t.biegung = pruefen<Biegeergebnis>([&](Biegeergebnis& r) {
        kategorien = lastkategorien(a);
        traegerBiegung(a, *kategorien, reihe, r, t.kombinationen);
    });
    // The deflections need no steel data, only the categories of the loads.
    if (!kategorien)
        return t;
    t.biegung.schritte += Rechenweg::aufzeichnen([&] {
        try {
            traegerDurchbiegung(a, *kategorien, reihe, t);
        } catch (const Fehler&) {
            // The beam cannot be solved: the bending check has said so already.
        }
    });
    return t;
}

} // namespace Eurocode
