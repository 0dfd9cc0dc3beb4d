#pragma once
// A project of a static calculation: its head and its numbered positions. A position is the
// input of one calculation dialog with a number and a title; it keeps its own material and
// profile values, so that a project computes the same on a machine whose library differs.
//
// Units as the dialogs show them: forces in N (line loads in N/m), lengths in mm, stresses and
// E in N/mm², W in cm³, I in cm⁴, A in mm², the mass in kg/m.
#include <QList>
#include <QString>

namespace Projekt {

enum class Art { Biegung, Knickung, Scherung };

// "biegung", "knickung", "scherung": the kind as the project file writes it.
QString Artschluessel(Art art);
// "Biegung Fall 5", "Knickung Fall 2", "Scherung": the kind as the user reads it.
QString Artname(Art art, int fall);

struct Werkstoff {
    QString name;
    double E = 0;
    double sigma_p = 0; // proportional limit σP
    double lambda_0 = 0; // limit slenderness λ0
    double tetmajer_a = 0; // σK = a − b · λ
    double tetmajer_b = 0;

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

    bool operator==(const Profil&) const = default;
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

    bool operator==(const Position&) const = default;
};

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
