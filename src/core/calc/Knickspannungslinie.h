#pragma once
// The buckling curve of a material: the buckling stress σK over the slenderness ratio λ, by
// Euler's hyperbola σK = π²·E/λ² from the limit slenderness λ0 on and by Tetmajer's line
// σK = Tetmaier1 − Tetmaier2·λ below it, with the proportional limit σP and the allowable line
// σK/S for the desired safety S; and where a column falls on it. Units: N/mm², λ without unit.
#include <QString>

namespace Knickspannungslinie {

struct Daten {
    QString material;
    double E = 0;
    double Sigma_P = 0;
    double Lambda0 = 0; // limit slenderness of the material
    double Tetmaier1 = 0, Tetmaier2 = 0;
    double S = 0; // desired safety; 0 or less: no allowable line
    // The column of the last safety check, when there is one.
    bool mitStuetze = false;
    double Lambda = 0;
    double Sigma_K = 0;
    double Sigma_vorh = 0;
};

// The dialog counts a line with either coefficient 0 as missing.
bool hatTetmajer(const Daten& d);
double Euler(double E, double Lambda); // π²·E/λ²; 0 for λ ≤ 0
// σK of the curve at λ: Euler from λ0 on, Tetmajer below (Euler where there is no line).
double SigmaK(const Daten& d, double Lambda);
// The region of the column on the curve, in words.
QString Bereich(const Daten& d);
// Range of λ worth drawing: up to 1.5 × the greater of λ0 and the column's λ, at least 200.
double LambdaMax(const Daten& d);

} // namespace Knickspannungslinie
