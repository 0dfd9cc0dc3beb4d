#pragma once
// The steel checks with partial factors beside the classic ones: the loads as actions,
// permanent (G) or variable (Q) of a category with its combination factor ψ0, combined for the
// ultimate limit state (γG = 1,35, or 1,0 where that is worse, one factor for all permanent
// loads; γQ = 1,5 on the leading variable action, 1,5·ψ0 on the others, each in turn leading)
// and for deflections (characteristic: G + Q lead + ψ0·Q others). Resistances with the yield
// strength fy of the material: bending elastically, M c,Rd = W · fy / γM0; flexural buckling
// with the buckling curve of the profile about the axis it was taken with,
// N b,Rd = χ · A · fy / γM1. Each check is one function from a plain input record to a plain
// result record; the dialogs, the reports, the finder, the project file and the command line
// call the same ones.
//
// Units as in the classic calculations: F in N (line loads in N/m), L in mm, E and fy in N/mm²,
// I in cm⁴, W in cm³, A in mm²; results in N, mm and N·mm.
#include "core/calc/Biegelinien.h"
#include "core/calc/Rechenweg.h"
#include "core/calc/Traegerrechnung.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace Eurocode {

inline constexpr double GammaG = 1.35; // permanent actions, unfavourable
inline constexpr double GammaG_guenstig = 1.0; // permanent actions where that is worse
inline constexpr double GammaQ = 1.5;
inline constexpr double GammaM0 = 1.0; // resistance of the cross-section
inline constexpr double GammaM1 = 1.1; // resistance to buckling

// --- Buckling curves -----------------------------------------------------------------------

// The names of the curves, "a0" to "d".
const QStringList& Knicklinien();
// The imperfection factor α of a curve (0,13 … 0,76); none for a name that is no curve.
std::optional<double> Imperfektionsbeiwert(const QString& knicklinie);
// The reduction factor χ for the relative slenderness λ̄ ≥ 0 on the curve of α: 1 up to
// λ̄ = 0,2, else 1 / (Φ + √(Φ² − λ̄²)) with Φ = 0,5·[1 + α·(λ̄ − 0,2) + λ̄²], at most 1.
double Abminderungsbeiwert(double lambda_quer, double alpha);

// --- Actions -------------------------------------------------------------------------------

// A category of variable actions with its factors, as the data file of the categories gives it.
struct Kategorie {
    QString kuerzel {}; // "A" … "E", "Schnee", "Wind": what the project file stores
    QString zeichen {}; // how a combination names it: "Q Kat. A", "S", "W"
    QString bezeichnung {}; // "Nutzlast Kategorie A: Wohn- und Aufenthaltsräume"
    double psi0 = 0, psi1 = 0, psi2 = 0;
};

// The category `kuerzel` of `kategorien`, or none.
std::optional<Kategorie> Kategorie_Finden(const std::vector<Kategorie>& kategorien, const QString& kuerzel);

using Traegerrechnung::Einwirkung;

// The one load of a classic dialog.
struct Last {
    Einwirkung einwirkung = Einwirkung::Veraenderlich;
    Kategorie kategorie; // for a variable load
};

// What the checks need of the material: fy from the material database, its kind ("Holz",
// "Kunststoff" and "Metall"; empty where unknown) and its name for the messages.
struct Werkstoff {
    QString name;
    QString art;
    double fy = 0; // N/mm²; 0: none
};

// --- Results -------------------------------------------------------------------------------

// The verdict of a check: η = E d / R d against 1, with the governing combination. Where a
// datum is missing, `moeglich` is false and `text` says what is missing; there is no verdict.
struct Urteil {
    bool moeglich = false;
    double eta = 0;
    bool erfuellt = false;
    QString kombination; // "1,35·G + 1,5·Q Kat. A + 1,5·0,5·S"
    // "Nachweis nach DIN EN 1993-1-1: η = 0,87 ≤ 1 erfüllt", or
    // "Nachweis nach DIN EN 1993-1-1 nicht möglich: keine Streckgrenze fy für „C24“".
    QString text;
    // What the verdict did not check and assumed instead, each a sentence that says so; every
    // line of the verdict carries them.
    QStringList nichtUntersucht;
};

// The assumption of every bending verdict until lateral-torsional buckling is checked.
inline const QString Kippen_Nicht_Untersucht
    = QStringLiteral("Biegedrillknicken nicht untersucht: Druckgurt als seitlich gehalten angenommen");

// The verdict line for η.
QString Urteilstext(double eta);

struct Knickergebnis {
    Urteil urteil;
    double N_Ed = 0; // N
    double L_cr = 0; // mm
    double N_cr = 0; // N
    double lambda_quer = 0;
    QString knicklinie;
    double alpha = 0, Phi = 0, chi = 0;
    double N_b_Rd = 0; // N
    Rechenweg::Schritte schritte;
};

struct Biegeergebnis {
    Urteil urteil;
    double M_Ed = 0; // N·mm, magnitude
    double x = 0; // where it lies, mm (in the case's own measure; the general beam from its left end)
    double M_c_Rd = 0; // N·mm
    Rechenweg::Schritte schritte;
};

// --- The checks ----------------------------------------------------------------------------

// Flexural buckling of a column of Euler case 1..4 under the compressive load F.
struct Knickaufgabe {
    int fall = 0;
    double F = 0; // N, characteristic
    double L = 0; // mm
    double E = 0, I = 0, A = 0; // N/mm², cm⁴ about the axis the profile was taken with, mm²
    Last last;
    Werkstoff werkstoff;
    QString knicklinie; // the profile's curve about that axis; empty: none
};
Knickergebnis Knicken(const Knickaufgabe& a);

// Bending of a classic load case: its load, and the profile's self-weight as a permanent load.
struct Biegeaufgabe {
    int fall = 0;
    Biegelinien::Eingaben e; // F (N or N/m as the case reads it), L, a; E and I do not count
    double Masse = 0; // kg/m; counts only with `eigengewicht`
    bool eigengewicht = false;
    double W = 0; // cm³ of the profile; 0: none chosen
    Last last;
    Werkstoff werkstoff;
};
Biegeergebnis Biegung(const Biegeaufgabe& a);

// The general beam: each load G or Q with its category (Traegerrechnung::Last::kategorie),
// placed span by span where worse. `traeger` is a checked input; its σzul and limit are those
// of the classic check, and its W that of the profile.
struct Traegeraufgabe {
    Traegerrechnung::Eingabe traeger;
    std::vector<Kategorie> kategorien; // the table the load categories are looked up in
    Werkstoff werkstoff;
};

struct Traegerergebnis {
    Biegeergebnis biegung;
    // Deflections under the characteristic combinations, greatest per span and cantilever,
    // and their verdicts against the limit of the input (none without E·I).
    std::vector<Traegerrechnung::Abschnitt> abschnitte;
    std::vector<QString> abschnittskombination; // the combination that governs each of them
    std::vector<Nachweis::Urteil> durchbiegung;
    int kombinationen = 0; // how many combinations were solved
};
Traegerergebnis Traeger(const Traegeraufgabe& a);

} // namespace Eurocode
