#pragma once
// A project of a static calculation: its head and its numbered positions. A position is the
// input of one calculation dialog with a number and a title; it keeps its own material and
// profile values, so that a project computes the same on a machine whose library differs.
//
// Units as the dialogs show them: forces in N (line loads in N/m), lengths in mm, stresses and
// E in N/mm², W in cm³, I in cm⁴, A in mm², the mass in kg/m.
#include "core/calc/Traegereinheiten.h"
#include "core/calc/Traegerrechnung.h"

#include <QList>
#include <QString>
#include <vector>

namespace Projekt {

enum class Art { Biegung, Knickung, Scherung, Traeger };

// "biegung", "knickung", "scherung", "traeger": the kind as the project file writes it.
QString Artschluessel(Art art);
// "Biegung Fall 5", "Knickung Fall 2", "Scherung", "Träger": the kind as the user reads it.
QString Artname(Art art, int fall);

struct Werkstoff {
    QString name;
    double E = 0;
    double sigma_p = 0; // proportional limit σP
    double lambda_0 = 0; // limit slenderness λ0
    double tetmajer_a = 0; // σK = a − b · λ
    double tetmajer_b = 0;
    double fy = 0; // yield strength, N/mm²; 0: none given (the library's holds)

    bool operator==(const Werkstoff&) const = default;
};

enum class Ausrichtung { Optimal, Quer };

struct Profil {
    QString name;
    double W = 0;
    double I = 0;
    double A = 0;
    double masse = 0;
    Ausrichtung ausrichtung = Ausrichtung::Optimal;
    // The buckling curve ("a0" … "d") about the axis the profile was taken with; empty: none
    // given (the library's holds).
    QString knicklinie {};

    bool operator==(const Profil&) const = default;
};

// The general beam's spans, supports and loads; its σzul, limit, self-weight, E and profile are
// the position's own fields, as for bending.
struct Traeger {
    std::vector<double> felder; // span lengths, mm
    double kragarm_links = 0, kragarm_rechts = 0; // mm, 0 = none
    Traegerrechnung::Lager lager_links = Traegerrechnung::Lager::Gelenkig;
    Traegerrechnung::Lager lager_rechts = Traegerrechnung::Lager::Gelenkig;
    std::vector<Traegerrechnung::Last> lasten;
    // The units the window showed the beam in and the report prints it in; the values above
    // stay in N, mm, N/m.
    Traegereinheiten::System einheiten = Traegereinheiten::System::N_mm;

    bool operator==(const Traeger&) const = default;
};

struct Position {
    QString nr;
    QString titel;
    Art art = Art::Biegung;
    int fall = 0; // the main window's case: 1–13 bending, 1–4 buckling, none for shear
    double last = 0; // F in N, or q in N/m for the line-load cases
    double laenge = 0;
    double abstand = 0; // a of cases 4, 8, 9, 12
    double x = 0; // the place of W erf. at x; 0 for none
    double sigma_zul = 0;
    double sicherheit = 0; // desired buckling safety
    Werkstoff werkstoff;
    bool mitProfil = false;
    Profil profil;
    bool eigengewicht = false;
    int grenze = 0; // deflection limit L/f ≥ grenze; 0 for none
    // The classic load as an action for the checks with partial factors: G or Q (default) and a
    // variable load's category key ("A" … "E", "Schnee", "Wind").
    Traegerrechnung::Einwirkung einwirkung = Traegerrechnung::Einwirkung::Veraenderlich;
    QString kategorie = QStringLiteral("A");
    Traeger traeger; // Art::Traeger only

    bool operator==(const Position&) const = default;
};

// The kind as the user reads it, with the general beam's spans: "Träger, 2 Felder".
QString Artname(const Position& p);

// The general beam's input of a position of that kind: its beam with the position's σzul,
// limit, self-weight, E and (where it has one) the profile's W, I and mass.
Traegerrechnung::Eingabe Traegereingabe(const Position& p);

struct Kopf {
    QString bezeichnung;
    QString adresse; // address or building
    QString bearbeiter;
    QString datum;

    bool operator==(const Kopf&) const = default;
};

struct Daten {
    Kopf kopf;
    QList<Position> positionen;

    bool operator==(const Daten&) const = default;
};

// The first whole number above every numeric position number ("1", "2", …), as a text.
QString NaechsteNummer(const Daten& projekt);

} // namespace Projekt
