#include "core/projekt/Positionsrechnung.h"

#include "core/projekt/Positionszustand.h"
#include "core/projekt/Profilabgleich.h"

#include "core/app/Lastfaelle.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickrechnung.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Pruefung.h"
#include "core/calc/Scherrechnung.h"
#include "core/calc/Traegerrechnung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Querschnittswerte.h"

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

// A bending calculation that fails as the position's fault: an input without meaning and a
// refusal name their input, any other failure is an arithmetic one.
template <typename Rechnung> void biegerechnung(Rechnung rechnung)
{
    try {
        rechnung();
    } catch (const Fehler& f) {
        if (dynamic_cast<const Pruefung::Ungueltig*>(&f) || f.art() == Fehler::Art::Allgemein)
            throw;
        scheitern(QStringLiteral("Rechenfehler: %1").arg(f.text()));
    }
}

// What the library knows of the position's material and profile, for what the position does
// not give itself.
struct Bibliothek {
    const Unit1::TMatdat& matdat;
    const Unit1::TProfilbibliothek& profile;
    const std::vector<Eurocode::Kategorie>& kategorien;
    Umfang umfang;
};

// --- The check with partial factors ----------------------------------------------------------

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

// The dialog's self-weight box is off (and unusable) without a profile with a mass.
bool mitEigengewicht(const Position& p) { return p.eigengewicht && p.mitProfil && p.profil.masse > 0; }

Eurocode::Biegeaufgabe biegeaufgabe(const Position& p, const Bibliothek& b)
{
    Eurocode::Biegeaufgabe a;
    a.fall = p.fall;
    a.e = {p.last, p.laenge, p.abstand, p.werkstoff.E, p.profil.I};
    a.Masse = p.profil.masse;
    a.eigengewicht = mitEigengewicht(p);
    a.W = p.mitProfil ? p.profil.W : 0.0;
    a.last = ecLast(p, b);
    a.werkstoff = ecWerkstoff(p, b);
    return a;
}

Eurocode::Knickaufgabe knickaufgabe(const Position& p, const Bibliothek& b)
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
    return a;
}

// --- The calculations of each kind ------------------------------------------------------------

// Bending as the dialog computes it; with a profile the deflection and both verdicts.
void biegung(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    Bericht& s = e.bericht.emplace();
    biegerechnung([&] { Biegung_W(p, s); });
    e.W_erf = s.werte.Werf;
    if (Biegerechnung::hatStelle(p.fall) && p.x != 0)
        e.W_x_erf = s.werte.Wxerf;
    e.erfuellt = haelt(s.nachweis->zustand);
    if (p.mitProfil) {
        biegerechnung([&] { Biegung_f(p, s); });
        e.nachgewiesen = true;
        e.ausnutzung = p.profil.W > 0 ? Nachweis::Ausnutzung(s.werte.Werf, p.profil.W) : 0.0;
        e.f = s.werte.fd;
        if (s.werte.fd != 0)
            e.L_f = Biegerechnung::L_durch_f(p.laenge, s.werte.fd);
        const Nachweis::Urteil f = Nachweis::Durchbiegung(p.laenge, s.werte.fd, p.grenze);
        e.erfuellt = e.erfuellt && haelt(f.zustand);
    }
    e.ec3_biegung = Biegung_Eurocode(p, s, b.matdat, b.profile, b.kategorien);
    e.ec3 = e.ec3_biegung->urteil;
}

// Buckling as the dialog computes it: I erf. by Euler; with a profile the slenderness decides
// between Euler and Tetmajer's line, and the safety is judged against the desired one.
void knickung(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    Bericht& s = e.bericht.emplace();
    const Knickrechnung::Traegheit t = Knickung_Ierf(p, s);
    if (!t.gelungen)
        scheitern(t.fehler);
    e.I_erf = t.Ierf;
    if (p.mitProfil) {
        const Knickrechnung::Ergebnis r = Knickung_Sicherheit(p, s);
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
    // The dialog checks with partial factors after the safety, with a profile only; the results
    // file has the check's reason without one.
    Bericht ohne;
    e.ec3_knicken = Knickung_Eurocode(p, p.mitProfil ? s : ohne, b.matdat, b.profile, b.kategorien);
    e.ec3 = e.ec3_knicken->urteil;
}

void scherung(const Position& p, const Bibliothek&, Ergebnis& e)
{
    Bericht& s = e.bericht.emplace();
    Scherung_Aerf(p, s);
    e.A_erf = s.werte.Aerf;
    if (p.mitProfil) {
        e.nachgewiesen = true;
        e.ausnutzung = p.profil.A > 0 ? Nachweis::Ausnutzung(s.werte.Aerf, p.profil.A) : 0.0;
        e.erfuellt = haelt(s.nachweis->zustand);
    }
}

// The general beam through the window's calculation; a verdict without a profile is open.
void traeger(const Position& p, const Bibliothek& b, Ergebnis& e)
{
    const auto umfang
        = b.umfang == Umfang::Bericht ? Traegerrechnung::Umfang::MitRechenweg : Traegerrechnung::Umfang::OhneRechenweg;
    Traegerrechnung::Ergebnis r = Traegerrechnung::berechnen(Traegereingabe(p), umfang);
    e.W_erf = r.W_erf;
    e.erfuellt = std::all_of(r.urteile.begin(), r.urteile.end(), [](const Nachweis::Urteil& u) { return haelt(u.zustand); });
    if (p.mitProfil) {
        e.nachgewiesen = true;
        e.ausnutzung = r.ausnutzung;
    }
    e.traeger = std::move(r);
    e.ec3_traeger = Eurocode_Traeger(p, b.matdat, b.kategorien);
    e.ec3_biegung = e.ec3_traeger->biegung;
    e.ec3 = e.ec3_biegung->urteil;
}

QJsonObject eurocodeJson(const Ergebnis& e)
{
    const Eurocode::Urteil& u = *e.ec3;
    if (!u.moeglich)
        return {{QStringLiteral("moeglich"), false}, {QStringLiteral("grund"), u.text}};
    QJsonObject o {{QStringLiteral("moeglich"), true}, {QStringLiteral("eta"), u.eta}, {QStringLiteral("erfuellt"), u.erfuellt},
        {QStringLiteral("kombination"), u.kombination},
        {QStringLiteral("nicht_untersucht"), QJsonArray::fromStringList(u.nichtUntersucht)}};
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

// --- The calculations one by one ----------------------------------------------------------------

namespace {

// The inputs of page 1 as the position gives them.
void eingaben(const Position& p, Berichtsinhalt::Werte& w)
{
    w.fall = p.art == Art::Scherung || p.art == Art::Traeger ? 0 : p.fall;
    w.F = p.last;
    w.L = p.laenge;
    w.a = p.abstand;
    w.x = p.x;
    w.sigma_zul = p.sigma_zul;
    w.sk_gewuenscht = p.sicherheit;
}

QString falltitel(Lastfaelle::Familie familie, int fall)
{
    const Lastfaelle::Lastfall* lf = Lastfaelle::lastfall(familie, fall);
    return lf ? lf->titel.toString() : QString();
}

} // namespace

Biegerechnung::Aufgabe Biegeaufgabe(const Position& p)
{
    Biegerechnung::Aufgabe a;
    a.fall = p.fall;
    a.e = {p.last, p.laenge, p.abstand, p.werkstoff.E, p.profil.I};
    a.Sigma_Zul = p.sigma_zul;
    a.Masse = p.profil.masse;
    a.eigengewicht = mitEigengewicht(p);
    a.x = p.x;
    a.W = p.mitProfil ? p.profil.W : 0.0;
    a.grenze = p.grenze;
    return a;
}

Knickrechnung::Aufgabe Knickaufgabe(const Position& p)
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
    return a;
}

void Biegung_W(const Position& p, Bericht& b)
{
    const Biegerechnung::Aufgabe a = Biegeaufgabe(p);
    eingaben(p, b.werte);
    b.rechenweg.titel = falltitel(Lastfaelle::Familie::Biegung, p.fall);
    // W erf. and its note are kept at once: a failure of W erf. at x leaves them, as the dialog
    // shows them.
    b.rechenweg.setzen(Berichtsinhalt::Teil_W, Rechenweg::aufzeichnen([&] {
        const Biegerechnung::Wert w = Biegerechnung::Werf(a);
        b.werte.Werf = w.wert;
        b.hinweis_W = Berichtsinhalt::Hinweis_W(p.fall, w);
        if (Biegerechnung::hatStelle(p.fall))
            b.werte.Wxerf = Biegerechnung::Wxerf(a, p.x);
    }));
    b.nachweis = Nachweis::Biegung(b.werte.Werf, a.W);
    b.eigengewicht = a.eigengewicht ? Biegerechnung::Eigengewicht(a.Masse) : 0.0;
    Biegelinien::Diagramm d {p.fall, a.e, std::nullopt, b.eigengewicht};
    if (Biegerechnung::hatStelle(p.fall) && p.x > 0 && p.x <= p.laenge)
        d.x = p.x;
    b.biegelinie = d;
}

void Biegung_f(const Position& p, Bericht& b)
{
    const Biegerechnung::Aufgabe a = Biegeaufgabe(p);
    b.nachweis_f.reset();
    Biegerechnung::Wert f;
    b.rechenweg.setzen(Berichtsinhalt::Teil_f, Rechenweg::aufzeichnen([&] { f = Biegerechnung::fd(a); }));
    b.werte.F = p.last;
    b.werte.L = p.laenge;
    b.werte.a = p.abstand;
    b.werte.fd = f.wert;
    b.hinweis_f = Berichtsinhalt::Hinweis_f(a, f);
    // No verdict on the deflection of a section too weak to carry the load (its dialog shows none).
    if (std::fabs(b.werte.Werf) <= a.W)
        b.nachweis_f = Nachweis::Durchbiegung(p.laenge, f.wert, p.grenze);
    if (b.biegelinie)
        b.biegelinie->eingaben = a.e;
}

Knickrechnung::Traegheit Knickung_Ierf(const Position& p, Bericht& b)
{
    const Knickrechnung::Aufgabe a = Knickaufgabe(p);
    b.rechenweg.titel = falltitel(Lastfaelle::Familie::Knickung, p.fall);
    const Knickrechnung::Traegheit t = Knickrechnung::Ierf(a);
    b.rechenweg.setzen(Berichtsinhalt::Teil_Ierf, t.schritte);
    if (t.gelungen) {
        eingaben(p, b.werte);
        b.werte.Ierf = t.Ierf;
        b.formel = QStringLiteral("Die Berechnung von Ierf erfolgt nach Euler");
    }
    return t;
}

Knickrechnung::Ergebnis Knickung_Sicherheit(const Position& p, Bericht& b)
{
    const Knickrechnung::Aufgabe a = Knickaufgabe(p);
    const Knickrechnung::Ergebnis r = Knickrechnung::Sicherheit(a);
    b.rechenweg.setzen(Berichtsinhalt::Teil_Knicksicherheit, r.schritte);
    // Without Tetmajer's line Euler's values stand, with the fault.
    if (r.gelungen() || r.fehlerart == Knickrechnung::Fehlerart::KeineTetmajerformel) {
        b.werte.F = p.last;
        b.werte.L = p.laenge;
        b.werte.sigma_k = r.Sigma_K;
        b.werte.sk = r.Sk;
        b.werte.schlankheit = r.Schlankheitsgrad;
    }
    if (!r.gelungen())
        return r;
    b.werte.sk_gewuenscht = r.Sk_gewuenscht; // the report prints the safety this check used
    b.formel = r.formeltext();
    b.nachweis_knicken.reset();
    if (const QString text = r.urteilstext(); !text.isEmpty())
        b.nachweis_knicken = Nachweis::Urteil {
            r.urteil == Knickformeln::Urteil::Erreicht ? Nachweis::Zustand::Erfuellt : Nachweis::Zustand::NichtErfuellt, text};
    b.knicklinie = Knickrechnung::Linie(a, &r);
    return r;
}

void Scherung_Aerf(const Position& p, Bericht& b)
{
    const double A = p.mitProfil ? p.profil.A : 0.0;
    b.rechenweg.titel = falltitel(Lastfaelle::Familie::Scherung, 0);
    double Aerf = 0;
    b.rechenweg.setzen(Berichtsinhalt::Teil_Aerf, Rechenweg::aufzeichnen([&] {
        Aerf = Scherrechnung::Aerf({p.last, p.sigma_zul, A});
    }));
    eingaben(p, b.werte);
    b.werte.Aerf = Aerf;
    Scherung_Urteilen(A, b);
}

void Scherung_Urteilen(double A, Bericht& b) { b.nachweis = Nachweis::Abscherung(b.werte.Aerf, A); }

Eurocode::Biegeaufgabe Eurocode_Biegeaufgabe(const Position& p, const Unit1::TMatdat& matdat,
    const Unit1::TProfilbibliothek& bibliothek, const std::vector<Eurocode::Kategorie>& kategorien)
{
    return biegeaufgabe(p, {matdat, bibliothek, kategorien, Umfang::Ergebnisse});
}

Eurocode::Knickaufgabe Eurocode_Knickaufgabe(const Position& p, const Unit1::TMatdat& matdat,
    const Unit1::TProfilbibliothek& bibliothek, const std::vector<Eurocode::Kategorie>& kategorien)
{
    return knickaufgabe(p, {matdat, bibliothek, kategorien, Umfang::Ergebnisse});
}

Eurocode::Biegeergebnis Biegung_Eurocode(const Position& p, Bericht& b, const Unit1::TMatdat& matdat,
    const Unit1::TProfilbibliothek& bibliothek, const std::vector<Eurocode::Kategorie>& kategorien)
{
    const Eurocode::Biegeergebnis r = Eurocode::Biegung(Eurocode_Biegeaufgabe(p, matdat, bibliothek, kategorien));
    b.rechenweg.setzen(Berichtsinhalt::Eurocodeteil, r.schritte);
    b.eurocode = r.urteil;
    return r;
}

Eurocode::Knickergebnis Knickung_Eurocode(const Position& p, Bericht& b, const Unit1::TMatdat& matdat,
    const Unit1::TProfilbibliothek& bibliothek, const std::vector<Eurocode::Kategorie>& kategorien)
{
    const Eurocode::Knickergebnis r = Eurocode::Knicken(Eurocode_Knickaufgabe(p, matdat, bibliothek, kategorien));
    b.rechenweg.setzen(Berichtsinhalt::Eurocodeteil, r.schritte);
    b.eurocode = r.urteil;
    return r;
}

QStringList Nachweiszeilen(Art art, const Bericht& b)
{
    QStringList zeilen;
    for (const auto* urteil : {&b.nachweis, &b.nachweis_f})
        if (*urteil)
            zeilen.append((*urteil)->text);
    if (b.eurocode) {
        zeilen.append(Berichtsinhalt::Eurocodezeilen(*b.eurocode));
        if (art == Art::Biegung)
            zeilen.append(Berichtsinhalt::Elastischer_Widerstand);
    }
    return zeilen;
}

Rechenweg::Schritte Nachweise_Vorweg(Art art, const Bericht& b)
{
    Rechenweg::Schritte vorweg {Berichtsinhalt::Eigengewicht(art == Art::Biegung ? b.eigengewicht : 0.0)};
    if (b.nachweis_knicken)
        vorweg.append({QStringLiteral("Nachweis Knicksicherheit"), b.nachweis_knicken->text, {}, {}});
    return vorweg;
}

void Nachweise_Eintragen(Art art, const Bericht& b, Rechenweg::Protokoll& protokoll)
{
    Berichtsinhalt::Protokollieren(protokoll, Nachweise_Vorweg(art, b), Nachweiszeilen(art, b));
}

void Auswahl_Eintragen(
    const Position& p, Berichtsinhalt::Werte& w, const Unit1::TMatdat& matdat, const Unit1::TProfilbibliothek& bibliothek)
{
    w.sorte = Unit1::kurz(p.werkstoff.name, 20);
    w.mitWerkstoff = !p.werkstoff.name.isEmpty();
    w.E = p.werkstoff.E;
    w.sigma_b = 0;
    w.grenzschlankheit = 0;
    if (const Unit1::Matrecord* m = Positionszustand::Materialeintrag(w.sorte, matdat)) {
        w.sigma_b = m->SigmaB;
        w.grenzschlankheit = m->GrenzSchlankheit;
    }
    if (p.art == Art::Knickung)
        w.grenzschlankheit = p.werkstoff.lambda_0;
    const Querschnittswerte::Gewaehltes_Profil q = Positionszustand::Querschnitt(p, bibliothek);
    w.profilart = q.ProfilArt;
    w.profilname = q.ProfilName;
    w.W = q.W;
    w.I = q.I;
    w.A = q.A;
    w.achse = Querschnittswerte::Achsentext(q.Profilachse);
}

Ergebnis rechnen(const Position& p, const Unit1::TMatdat& matdat, const Unit1::TProfilbibliothek& bibliothek,
    const std::vector<Eurocode::Kategorie>& kategorien, Umfang umfang)
{
    Ergebnis e;
    try {
        const Bibliothek b {matdat, bibliothek, kategorien, umfang};
        switch (p.art) {
        case Art::Biegung:
            biegung(p, b, e);
            break;
        case Art::Knickung:
            knickung(p, b, e);
            break;
        case Art::Scherung:
            scherung(p, b, e);
            break;
        case Art::Traeger:
            traeger(p, b, e);
            break;
        }
        Bericht& s = e.bericht ? *e.bericht : e.bericht.emplace();
        Auswahl_Eintragen(p, s.werte, matdat, bibliothek);
        if (p.art != Art::Traeger)
            Nachweise_Eintragen(p.art, s, s.rechenweg);
    } catch (const Fehler& f) {
        e = Ergebnis {};
        e.fehler = f.text();
        e.erfuellt = false;
    }
    return e;
}

QList<Ergebnis> rechnen(const Daten& projekt, Umfang umfang)
{
    QList<Ergebnis> ergebnisse;
    ergebnisse.reserve(projekt.positionen.size());
    for (const Position& p : projekt.positionen)
        ergebnisse.append(rechnen(p, Unit1::Matdat, Unit1::Profildat, U_Einwirkungen::Kategorien, umfang));
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
    return Eurocode::Traeger(
        {Traegereingabe(p), kategorien, ecWerkstoff(p, {matdat, Unit1::Profildat, kategorien, Umfang::Ergebnisse})});
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
