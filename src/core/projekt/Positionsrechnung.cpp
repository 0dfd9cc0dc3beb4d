#include "core/projekt/Positionsrechnung.h"

#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickformeln.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Scherformeln.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace Positionsrechnung {

using namespace Projekt;
using Plattform::Fehler;
using Zahlen::fixiert;

namespace {

bool haelt(Nachweis::Zustand z) { return z != Nachweis::Zustand::NichtErfuellt; }

void biegung(const Position& p, Ergebnis& e)
{
    Biegerechnung::Aufgabe a;
    a.fall = p.fall;
    a.e = {p.last, p.laenge, p.abstand, p.werkstoff.E, p.profil.I};
    a.Sigma_Zul = p.sigma_zul;
    a.Masse = p.profil.masse;
    a.eigengewicht = p.eigengewicht;
    e.W_erf = Biegerechnung::Werf(a).wert;
    if (p.x != 0 && Biegerechnung::hatStelle(p.fall))
        e.W_x_erf = Biegerechnung::Wxerf(a, p.x);
    if (!p.mitProfil)
        return;
    e.nachgewiesen = true;
    e.ausnutzung = Nachweis::Ausnutzung(e.W_erf, p.profil.W);
    e.f = Biegerechnung::fd(a).wert;
    if (*e.f != 0)
        e.L_f = p.laenge / std::fabs(*e.f);
    e.erfuellt = haelt(Nachweis::Biegung(e.W_erf, p.profil.W).zustand)
        && haelt(Nachweis::Durchbiegung(p.laenge, *e.f, p.grenze).zustand);
}

// Buckling as the dialog computes it: I erf. by Euler; with a profile the slenderness decides
// between Euler and Tetmajer's line, and the safety is judged against the desired one.
void knickung(const Position& p, Ergebnis& e)
{
    const Werkstoff& w = p.werkstoff;
    const double Lk = *Knickformeln::Knicklaenge(p.fall, p.laenge);
    e.I_erf = Knickformeln::Ierf(p.sicherheit, p.last, Lk, w.E);
    if (!p.mitProfil)
        return;
    if (w.sigma_p == 0)
        throw Fehler(
            Fehler::Art::Allgemein, QStringLiteral("Es ist keine Proportionalitätsgrenze in der Datenbank (werkstoff.sigma_p)."));
    const double I = p.profil.I;
    const double A = p.profil.A;
    const double lambda = Knickformeln::Schlankheitsgrad(Lk, I, A);
    double sigma_k = Knickformeln::Sigma_K_Euler(w.E, I, Lk, A);
    e.formel = QStringLiteral("Euler");
    if (w.lambda_0 > lambda) {
        if (w.tetmajer_a == 0 || w.tetmajer_b == 0)
            throw Fehler(Fehler::Art::Allgemein,
                QStringLiteral("Es ist keine Tetmayerformel in der Datenbank (werkstoff.tetmajer_a, werkstoff.tetmajer_b)."));
        sigma_k = Knickformeln::Sigma_K_Tetmajer(w.tetmajer_a, w.tetmajer_b, lambda);
        e.formel = QStringLiteral("Tetmajer");
    }
    e.lambda = lambda;
    e.sigma_k = sigma_k;
    e.sicherheit = Knickformeln::Sicherheit(sigma_k, w.sigma_p, p.last, A);
    e.nachgewiesen = true;
    e.ausnutzung = Fliesskomma::teile(p.sicherheit, *e.sicherheit);
    const auto urteil = Knickformeln::Knickurteil(*e.sicherheit, p.sicherheit);
    e.erfuellt = urteil == Knickformeln::Urteil::Erreicht || urteil == Knickformeln::Urteil::Keins;
}

void scherung(const Position& p, Ergebnis& e)
{
    e.A_erf = Scherformeln::Aerf(p.last, p.sigma_zul);
    if (!p.mitProfil)
        return;
    e.nachgewiesen = true;
    e.ausnutzung = Nachweis::Ausnutzung(e.A_erf, p.profil.A);
    e.erfuellt = haelt(Nachweis::Abscherung(e.A_erf, p.profil.A).zustand);
}

void optional(QJsonObject& o, const QString& schluessel, const std::optional<double>& wert)
{
    if (wert)
        o.insert(schluessel, *wert);
}

QJsonObject alsJson(const Position& p, const Ergebnis& e)
{
    QJsonObject o {
        {QStringLiteral("nr"), p.nr}, {QStringLiteral("titel"), p.titel}, {QStringLiteral("art"), Artschluessel(p.art)}};
    if (p.art != Art::Scherung)
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
    }
    return o;
}

} // namespace

Ergebnis rechnen(const Position& p)
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
        }
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
        return QStringLiteral("W erf. = %1 cm³").arg(fixiert(e.W_erf, 2));
    case Art::Knickung:
        return e.sicherheit ? QStringLiteral("Sk = %1").arg(fixiert(*e.sicherheit, 2))
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

QString Zeile(const Position& p, const Ergebnis& e)
{
    return QStringLiteral("Pos. %1 %2 | %3 | %4 | %5")
        .arg(p.nr, p.titel, Artname(p.art, p.fall), Hauptergebnis(p, e), Verdikt(e));
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

} // namespace Positionsrechnung
