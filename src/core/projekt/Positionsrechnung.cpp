#include "core/projekt/Positionsrechnung.h"

#include "core/projekt/Positionszustand.h"
#include "core/projekt/Profilabgleich.h"

#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickrechnung.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Scherrechnung.h"
#include "core/calc/Traegerrechnung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace Positionsrechnung {

using namespace Projekt;
using Plattform::Fehler;
using Zahlen::fixiert;

namespace {

bool haelt(Nachweis::Zustand z) { return z != Nachweis::Zustand::NichtErfuellt; }

[[noreturn]] void scheitern(const QString& text) { throw Fehler(Fehler::Art::Allgemein, text); }

// Bending as the dialog computes it; with a profile the deflection and both verdicts.
void biegung(const Position& p, Ergebnis& e)
{
    Biegerechnung::Aufgabe a;
    a.fall = p.fall;
    a.e = {p.last, p.laenge, p.abstand, p.werkstoff.E, p.profil.I};
    a.Sigma_Zul = p.sigma_zul;
    a.Masse = p.profil.masse;
    a.eigengewicht = p.eigengewicht;
    a.x = p.x;
    a.W = p.mitProfil ? p.profil.W : 0.0;
    a.grenze = p.grenze;
    const Biegerechnung::Ergebnis r = Biegerechnung::rechnen(a);
    if (!r.gelungen)
        scheitern(r.fehler);
    e.W_erf = r.Werf.wert;
    e.W_x_erf = r.Wxerf;
    if (!p.mitProfil)
        return;
    if (!r.f)
        scheitern(r.fehlerDurchbiegung);
    e.nachgewiesen = true;
    e.ausnutzung = r.Ausnutzung;
    e.f = r.f->wert;
    if (r.f->wert != 0)
        e.L_f = r.L_durch_f;
    e.erfuellt = haelt(r.biegung.zustand) && haelt(r.durchbiegung.zustand);
}

// Buckling as the dialog computes it: I erf. by Euler; with a profile the slenderness decides
// between Euler and Tetmajer's line, and the safety is judged against the desired one.
void knickung(const Position& p, Ergebnis& e)
{
    const Werkstoff& w = p.werkstoff;
    Knickrechnung::Aufgabe a;
    a.fall = p.fall;
    a.F = p.last;
    a.L = p.laenge;
    a.Sk_gewuenscht = p.sicherheit;
    a.E = w.E;
    a.I = p.profil.I;
    a.A = p.profil.A;
    a.material = w.name;
    a.Sigma_P = w.sigma_p;
    a.GrenzSchlankheit = w.lambda_0;
    a.Tetmaier1 = w.tetmajer_a;
    a.Tetmaier2 = w.tetmajer_b;
    const Knickrechnung::Traegheit t = Knickrechnung::Ierf(a);
    if (!t.gelungen)
        scheitern(t.fehler);
    e.I_erf = t.Ierf;
    if (!p.mitProfil)
        return;
    const Knickrechnung::Ergebnis r = Knickrechnung::Sicherheit(a);
    if (!r.gelungen())
        scheitern(r.fehler.isEmpty() ? Knickrechnung::Fehlertext(r.fehlerart) : r.fehler);
    e.lambda = r.Schlankheitsgrad;
    e.sigma_k = r.Sigma_K;
    e.formel = r.formelname();
    e.sicherheit = r.Sk;
    e.nachgewiesen = true;
    e.ausnutzung = Fliesskomma::teile(p.sicherheit, r.Sk);
    e.erfuellt = r.urteil == Knickformeln::Urteil::Erreicht || r.urteil == Knickformeln::Urteil::Keins;
}

void scherung(const Position& p, Ergebnis& e)
{
    const Scherrechnung::Ergebnis r = Scherrechnung::rechnen({p.last, p.sigma_zul, p.mitProfil ? p.profil.A : 0.0});
    if (!r.gelungen)
        scheitern(r.fehler);
    e.A_erf = r.Aerf;
    if (!p.mitProfil)
        return;
    e.nachgewiesen = true;
    e.ausnutzung = r.Ausnutzung;
    e.erfuellt = haelt(r.nachweis.zustand);
}

// The general beam through the window's calculation; a verdict without a profile is open.
void traeger(const Position& p, Ergebnis& e)
{
    Traegerrechnung::Ergebnis r = Traegerrechnung::berechnen(Traegereingabe(p), Traegerrechnung::Umfang::OhneRechenweg);
    e.W_erf = r.W_erf;
    e.erfuellt = std::all_of(r.urteile.begin(), r.urteile.end(), [](const Nachweis::Urteil& u) { return haelt(u.zustand); });
    if (p.mitProfil) {
        e.nachgewiesen = true;
        e.ausnutzung = r.ausnutzung;
    }
    e.traeger = std::move(r);
}

// --- The check with partial factors ----------------------------------------------------------

// What the library knows of the position's material and profile, for what the position does
// not give itself.
struct Bibliothek {
    const Unit1::TMatdat& matdat;
    const Unit1::TProfilbibliothek& profile;
    const std::vector<Eurocode::Kategorie>& kategorien;
};

Eurocode::Werkstoff ecWerkstoff(const Position& p, const Bibliothek& b)
{
    Eurocode::Werkstoff w {p.werkstoff.name, {}, p.werkstoff.fy};
    if (const Unit1::Matrecord* m = Positionszustand::Materialeintrag(Unit1::kurz(p.werkstoff.name, 20), b.matdat)) {
        w.art = m->Art;
        if (!(w.fy > 0))
            w.fy = m->fy;
    }
    return w;
}

// The profile's curve about the axis it was taken with: its own, else the library's.
QString knicklinie(const Position& p, const Bibliothek& b)
{
    if (!p.profil.knicklinie.isEmpty())
        return p.profil.knicklinie;
    const Unit1::TProfilrecord* eintrag = Profilabgleich::Bibliothekseintrag(p.profil.name, b.profile);
    if (!p.mitProfil || !eintrag)
        return {};
    return p.profil.ausrichtung == Ausrichtung::Quer ? eintrag->Knicklinie_min : eintrag->Knicklinie_max;
}

Eurocode::Last ecLast(const Position& p, const Bibliothek& b)
{
    return Positionszustand::Eurocode_Last(p.einwirkung == Traegerrechnung::Einwirkung::Staendig, p.kategorie, b.kategorien);
}

void ecKnickung(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    Eurocode::Knickaufgabe a;
    a.fall = p.fall;
    a.F = p.last;
    a.L = p.laenge;
    a.E = p.werkstoff.E;
    a.I = p.mitProfil ? p.profil.I : 0.0;
    a.A = p.mitProfil ? p.profil.A : 0.0;
    a.last = ecLast(p, b);
    a.werkstoff = ecWerkstoff(p, b);
    a.knicklinie = knicklinie(p, b);
    e.ec3_knicken = Eurocode::Knicken(a);
    e.ec3 = e.ec3_knicken->urteil;
}

void ecBiegung(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    Eurocode::Biegeaufgabe a;
    a.fall = p.fall;
    a.e = {p.last, p.laenge, p.abstand, p.werkstoff.E, p.profil.I};
    a.Masse = p.profil.masse;
    a.eigengewicht = p.eigengewicht;
    a.W = p.mitProfil ? p.profil.W : 0.0;
    a.last = ecLast(p, b);
    a.werkstoff = ecWerkstoff(p, b);
    e.ec3_biegung = Eurocode::Biegung(a);
    e.ec3 = e.ec3_biegung->urteil;
}

void ecTraeger(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    e.ec3_biegung = Eurocode_Traeger(p, b.matdat, b.kategorien).biegung;
    e.ec3 = e.ec3_biegung->urteil;
}

void eurocode(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    switch (p.art) {
    case Art::Biegung:
        ecBiegung(p, b, e);
        break;
    case Art::Knickung:
        ecKnickung(p, b, e);
        break;
    case Art::Traeger:
        ecTraeger(p, b, e);
        break;
    case Art::Scherung:
        break;
    }
}

QJsonObject eurocodeJson(const Ergebnis& e)
{
    const Eurocode::Urteil& u = *e.ec3;
    if (!u.moeglich)
        return {{QStringLiteral("moeglich"), false}, {QStringLiteral("grund"), u.text}};
    QJsonObject o {{QStringLiteral("moeglich"), true}, {QStringLiteral("eta"), u.eta}, {QStringLiteral("erfuellt"), u.erfuellt},
        {QStringLiteral("kombination"), u.kombination}};
    if (const auto& k = e.ec3_knicken) {
        o.insert(QStringLiteral("N_Ed"), k->N_Ed);
        o.insert(QStringLiteral("L_cr"), k->L_cr);
        o.insert(QStringLiteral("N_cr"), k->N_cr);
        o.insert(QStringLiteral("lambda_quer"), k->lambda_quer);
        o.insert(QStringLiteral("knicklinie"), k->knicklinie);
        o.insert(QStringLiteral("chi"), k->chi);
        o.insert(QStringLiteral("N_b_Rd"), k->N_b_Rd);
    }
    if (const auto& m = e.ec3_biegung) {
        o.insert(QStringLiteral("M_Ed"), m->M_Ed);
        o.insert(QStringLiteral("x"), m->x);
        o.insert(QStringLiteral("M_c_Rd"), m->M_c_Rd);
    }
    return o;
}

void optional(QJsonObject& o, const QString& schluessel, const std::optional<double>& wert)
{
    if (wert)
        o.insert(schluessel, *wert);
}

QJsonObject extremwert(const Traegerrechnung::Extremwert& w)
{
    return {{QStringLiteral("wert"), w.wert}, {QStringLiteral("x"), w.x}};
}

// Reactions, the supports that lift off, extremes, the deflection of each span and cantilever,
// and the equilibrium check.
void traegerJson(const Traegerrechnung::Ergebnis& r, QJsonObject& o)
{
    QJsonArray lager, felder;
    for (const Traegerrechnung::Lagerkraft& k : r.lager) {
        QJsonObject l {{QStringLiteral("x"), k.x}, {QStringLiteral("min"), k.min}, {QStringLiteral("max"), k.max}};
        if (k.eingespannt) {
            l.insert(QStringLiteral("M_min"), k.M_min);
            l.insert(QStringLiteral("M_max"), k.M_max);
        }
        lager.append(l);
    }
    for (const Traegerrechnung::Abschnitt& a : r.abschnitte) {
        QJsonObject f {{QStringLiteral("name"), a.name}};
        if (r.mitDurchbiegung) {
            f.insert(QStringLiteral("f"), a.f);
            f.insert(QStringLiteral("x"), a.x);
            if (a.f != 0)
                f.insert(QStringLiteral("L_f"), a.L_f);
        }
        felder.append(f);
    }
    o.insert(QStringLiteral("lager"), lager);
    QJsonArray abheben; // numbered as the window and the report name the supports
    for (const Traegerrechnung::Abheben& a : r.abheben)
        abheben.append(QJsonObject {{QStringLiteral("lager"), qint64(a.lager) + 1}, {QStringLiteral("min"), a.min}});
    o.insert(QStringLiteral("abheben"), abheben);
    o.insert(QStringLiteral("M_max"), extremwert(r.M_max));
    o.insert(QStringLiteral("M_min"), extremwert(r.M_min));
    o.insert(QStringLiteral("V_betrag_max"), std::fabs(r.V_betrag_max.wert));
    o.insert(QStringLiteral("felder"), felder);
    o.insert(QStringLiteral("gleichgewicht_rest"), r.gleichgewicht_rest);
}

QJsonObject alsJson(const Position& p, const Ergebnis& e)
{
    QJsonObject o {
        {QStringLiteral("nr"), p.nr}, {QStringLiteral("titel"), p.titel}, {QStringLiteral("art"), Artschluessel(p.art)}};
    if (p.art == Art::Biegung || p.art == Art::Knickung)
        o.insert(QStringLiteral("fall"), p.fall);
    if (!e.fehler.isEmpty()) {
        o.insert(QStringLiteral("fehler"), e.fehler);
        return o;
    }
    o.insert(QStringLiteral("verdikt_erfuellt"), e.erfuellt);
    optional(o, QStringLiteral("ausnutzung"), e.ausnutzung);
    switch (p.art) {
    case Art::Biegung:
        o.insert(QStringLiteral("W_erf"), e.W_erf);
        optional(o, QStringLiteral("W_x_erf"), e.W_x_erf);
        optional(o, QStringLiteral("f"), e.f);
        optional(o, QStringLiteral("L_f"), e.L_f);
        break;
    case Art::Knickung:
        o.insert(QStringLiteral("I_erf"), e.I_erf);
        optional(o, QStringLiteral("lambda"), e.lambda);
        optional(o, QStringLiteral("sigma_k"), e.sigma_k);
        if (!e.formel.isEmpty())
            o.insert(QStringLiteral("formel"), e.formel);
        optional(o, QStringLiteral("sicherheit"), e.sicherheit);
        break;
    case Art::Scherung:
        o.insert(QStringLiteral("A_erf"), e.A_erf);
        break;
    case Art::Traeger:
        o.insert(QStringLiteral("W_erf"), e.W_erf);
        traegerJson(*e.traeger, o);
        break;
    }
    if (e.ec3)
        o.insert(QStringLiteral("ec3"), eurocodeJson(e));
    return o;
}

} // namespace

Ergebnis rechnen(const Position& p, const Unit1::TMatdat& matdat, const Unit1::TProfilbibliothek& bibliothek,
    const std::vector<Eurocode::Kategorie>& kategorien)
{
    Ergebnis e;
    try {
        switch (p.art) {
        case Art::Biegung:
            biegung(p, e);
            break;
        case Art::Knickung:
            knickung(p, e);
            break;
        case Art::Scherung:
            scherung(p, e);
            break;
        case Art::Traeger:
            traeger(p, e);
            break;
        }
        eurocode(p, {matdat, bibliothek, kategorien}, e);
    } catch (const Fehler& f) {
        e = Ergebnis {};
        e.fehler = f.text();
        e.erfuellt = false;
    }
    return e;
}

QList<Ergebnis> rechnen(const Daten& projekt)
{
    QList<Ergebnis> ergebnisse;
    ergebnisse.reserve(projekt.positionen.size());
    for (const Position& p : projekt.positionen)
        ergebnisse.append(rechnen(p));
    return ergebnisse;
}

QString Hauptergebnis(const Position& p, const Ergebnis& e)
{
    if (!e.fehler.isEmpty())
        return e.fehler;
    switch (p.art) {
    case Art::Biegung:
    case Art::Traeger:
        return QStringLiteral("W erf. = %1 cm³").arg(fixiert(e.W_erf, 2));
    case Art::Knickung:
        return e.sicherheit ? QStringLiteral("ν = %1").arg(fixiert(*e.sicherheit, 2))
                            : QStringLiteral("I erf. = %1 cm⁴").arg(fixiert(e.I_erf, 2));
    case Art::Scherung:
        break;
    }
    return QStringLiteral("A erf. = %1 mm²").arg(fixiert(e.A_erf, 2));
}

QString Verdikt(const Ergebnis& e)
{
    if (!e.fehler.isEmpty())
        return QStringLiteral("Fehler");
    return e.erfuellt ? QStringLiteral("erfüllt") : QStringLiteral("nicht erfüllt");
}

Eurocode::Traegerergebnis Eurocode_Traeger(
    const Position& p, const Unit1::TMatdat& matdat, const std::vector<Eurocode::Kategorie>& kategorien)
{
    return Eurocode::Traeger({Traegereingabe(p), kategorien, ecWerkstoff(p, {matdat, Unit1::Profildat, kategorien})});
}

QString Eurocodeverdikt(const Ergebnis& e)
{
    if (!e.ec3)
        return {};
    if (!e.ec3->moeglich)
        return QStringLiteral("EC3: nicht möglich");
    return QStringLiteral("EC3: η = %1 %2")
        .arg(fixiert(e.ec3->eta, 2), e.ec3->erfuellt ? QStringLiteral("erfüllt") : QStringLiteral("nicht erfüllt"));
}

QString Zeile(const Position& p, const Ergebnis& e)
{
    QString zeile = QStringLiteral("Pos. %1 %2 | %3 | %4 | %5").arg(p.nr, p.titel, Artname(p), Hauptergebnis(p, e), Verdikt(e));
    if (const QString ec = Eurocodeverdikt(e); !ec.isEmpty())
        zeile += QStringLiteral(" | ") + ec;
    return zeile;
}

QByteArray Ergebnisdatei(const Daten& projekt, const QList<Ergebnis>& ergebnisse)
{
    QJsonArray liste;
    for (qsizetype i = 0; i < projekt.positionen.size(); ++i)
        liste.append(alsJson(projekt.positionen.at(i), ergebnisse.at(i)));
    const QJsonObject wurzel {{QStringLiteral("format"), QStringLiteral("trabex-ergebnisse")}, {QStringLiteral("version"), 1},
        {QStringLiteral("positionen"), liste}};
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

QByteArray Ablehnungsdatei(const QString& fehler)
{
    const QJsonObject wurzel {{QStringLiteral("format"), QStringLiteral("trabex-ergebnisse")}, {QStringLiteral("version"), 1},
        {QStringLiteral("fehler"), fehler}, {QStringLiteral("positionen"), QJsonArray()}};
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

} // namespace Positionsrechnung
