#pragma once
// What the buckling dialog computes, as plain records: the required moment of inertia by Euler,
// and the buckling safety of a chosen section by Euler or, below the limit slenderness λ0, by
// Tetmajer's line, with its verdict. The dialog, the profile finder, the reports and the
// buckling curve take the same records, so that they cannot disagree.
//
// Units as in Knickformeln: F in N, L in mm, E and stresses in N/mm², I in cm⁴, A in mm².
#include "core/calc/Knickformeln.h"
#include "core/calc/Knickspannungslinie.h"
#include "core/calc/Rechenweg.h"

#include <QString>

namespace Knickrechnung {

struct Aufgabe {
    int fall = 0; // Euler case 1..4
    double F = 0; // compressive load, N
    double L = 0; // mm
    double Sk_gewuenscht = 0;
    double E = 0, I = 0, A = 0; // N/mm², cm⁴, mm²
    QString material;
    double Sigma_P = 0, GrenzSchlankheit = 0; // of the material: N/mm², –
    double Tetmaier1 = 0, Tetmaier2 = 0; // Tetmajer's line σK = a − b · λ, N/mm²
};

enum class Fehlerart {
    Keiner,
    KeineProportionalitaetsgrenze, // the material has no σP: nothing is computed
    KeineTetmajerformel, // λ < λ0 and the material has no Tetmajer line
    Rechenfehler // an input without meaning or an arithmetic failure; `fehler` names it
};

enum class Formel { Euler, Tetmajer };

// The required moment of inertia.
struct Traegheit {
    bool gelungen = false;
    QString fehler; // German, naming the input; empty on success
    double Lk = 0; // mm
    double Ierf = 0; // cm⁴
    Rechenweg::Schritte schritte;
};

// The buckling safety. On a failure the values computed before it stay filled in (without a
// Tetmajer line: Euler's σK, the safety and λ).
struct Ergebnis {
    Fehlerart fehlerart = Fehlerart::Keiner;
    QString fehler; // German, naming the input or value; empty on success
    double Lk = 0; // mm
    double i = 0; // radius of gyration, mm
    double Schlankheitsgrad = 0; // λ
    Formel formel = Formel::Euler;
    double Sigma_K = 0, Sigma_vorh = 0; // N/mm²
    bool mitSigmaP = false; // the safety is σP / σ vorh., as σK lies above σP
    double Sk = 0;
    double Sk_gewuenscht = 0; // the safety the check used
    Knickformeln::Urteil urteil = Knickformeln::Urteil::Keins;
    Rechenweg::Schritte schritte;

    bool gelungen() const { return fehlerart == Fehlerart::Keiner; }
    // "Euler" or "Tetmajer".
    QString formelname() const;
    // "Die Formel nach Euler ist gültig", "Es wird mit der Tetmajer-Formel gerechnet", with a note
    // where the safety is taken with σP.
    QString formeltext() const;
    // "Achtung: Der Träger wird versagen", ...; empty when the safety equals the desired one.
    QString urteilstext() const;
};

// The texts of the two failures of the material data, as the dialog shows them.
QString Fehlertext(Fehlerart art);

Traegheit Ierf(const Aufgabe& a);
Ergebnis Sicherheit(const Aufgabe& a);
// The buckling curve of the task's material with the allowable line of its desired safety, and
// the column where a check has placed it.
Knickspannungslinie::Daten Linie(const Aufgabe& a, const Ergebnis* e);
// The refusal that comes before any input is looked at: the material has no σP.
bool ohneProportionalitaetsgrenze(const Aufgabe& a);

} // namespace Knickrechnung
