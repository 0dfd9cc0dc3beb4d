#pragma once
// The shear-force, bending-moment and deflection lines of a straight beam, V(x), M(x) and w(x),
// with the position and value of their extremes; and the beam of each of the thirteen bending
// load cases built from the inputs as the dialogs read them (F, L, a, E, I).
//
// Sign convention, the same on every diagram and in every step shown to the user:
//   - loads act downwards and are positive downwards;
//   - V is the shear force from the left: the sum of the forces on the part of the beam from
//     x = 0 up to the section, upwards positive (V = dM/dx);
//   - M is positive where the beam sags (tension at the bottom), so a cantilever carries a
//     negative moment;
//   - w is the deflection, downwards positive.
// x is measured as each load case measures it: from the free end in cases 1 and 2 (the sketch
// shows the wall on the left, so x runs from right to left there), from the beam end in cases 8
// and 9, from the support next to the load in case 4 and from the simply supported end in
// cases 12 and 13, otherwise from the left support.
//
// Units: x in mm, forces in N, line loads in N/mm, V in N, M in N·mm, w in mm; E in N/mm² and I
// in cm⁴ as the dialogs take them (E·I·10 000 in N·mm²).
//
// The lines are closed forms: every load contributes Macaulay terms c·<x − p>ⁿ to the moment,
// the reactions and end values of a statically indeterminate beam are found from the support
// conditions, and the slope and deflection are the exact integrals of those terms. Loads add:
// a line set with one more load (for instance the self-weight over the whole beam) is the sum
// of the lines of both.
#include <QString>
#include <optional>
#include <vector>

namespace Biegelinien {

enum class Rand { Frei, Gelenk, Eingespannt };

struct Traeger {
    double laenge = 0; // mm
    Rand links = Rand::Gelenk; // end at x = 0
    Rand rechts = Rand::Gelenk; // end at x = laenge
    std::vector<double> stuetzen; // intermediate supports (w = 0), mm from x = 0
};

struct Einzellast {
    double x = 0; // mm
    double F = 0; // N, downwards positive
};

// A line load varying linearly from q_von at `von` to q_bis at `bis` (N/mm, downwards positive).
struct Streckenlast {
    double von = 0, bis = 0;
    double q_von = 0, q_bis = 0;
};

struct Extremwert {
    double x = 0;
    double wert = 0;
};

// The greatest and the smallest value of a line; the one of greater magnitude is `massgebend`.
struct Extremwerte {
    Extremwert groesster;
    Extremwert kleinster;
    Extremwert massgebend() const;
};

class Linien {
public:
    Linien() = default;
    // EI in N·mm²; 0 means no deflection line (E or I not known). A beam that cannot carry its
    // loads (a mechanism) or a load outside the beam throws Plattform::Fehler with the reason.
    Linien(Traeger traeger, std::vector<Einzellast> kraefte, std::vector<Streckenlast> lasten, double EI);

    // A copy with one more line load q [N/mm] over the whole beam, on the same supports.
    Linien mitGleichlast(double q) const;

    const Traeger& traeger() const { return m_traeger; }
    const std::vector<Einzellast>& kraefte() const { return m_kraefte; }
    const std::vector<Streckenlast>& lasten() const { return m_lasten; }
    double EI() const { return m_EI; }
    bool hatDurchbiegung() const { return m_EI > 0; }

    // Shear just right of x (at x = laenge: with a force standing there) and just left of x; they
    // differ where a force or a support reaction acts.
    double V(double x) const;
    double V_links(double x) const;
    double M(double x) const;
    // Slope dw/dx and deflection; 0 without a deflection line.
    double Neigung(double x) const;
    double w(double x) const;

    // Positions where a line may have a kink or a jump: ends, supports, forces, load limits.
    std::vector<double> Knickstellen() const;

    Extremwerte V_Extreme() const;
    Extremwerte M_Extreme() const;
    Extremwerte w_Extreme() const; // both 0 without a deflection line

private:
    void loesen();
    Extremwerte extreme(double (Linien::*f)(double) const, bool sprungstellen) const;

    struct Term {
        double c; // coefficient
        double p; // start of the bracket
        int n; // power of <x − p>
    };
    // The moment as Macaulay terms, loads and solved unknowns together.
    double summe(double x, int ableitung, bool linksGrenzwert) const;

    Traeger m_traeger;
    std::vector<Einzellast> m_kraefte;
    std::vector<Streckenlast> m_lasten;
    double m_EI = 0;
    std::vector<Term> m_M; // moment terms
    double m_EIw0 = 0, m_EItheta0 = 0; // deflection and slope at x = 0, times EI
};

// The inputs of a bending case as the dialogs read them: F in N (cases 6 and 7: the total load;
// cases 2, 5, 9, 11, 13: the line load in N/m), L and a in mm, E in N/mm², I in cm⁴.
struct Eingaben {
    double F = 0, L = 0, a = 0, E = 0, I = 0;
};

// What the diagrams of a bending calculation draw: the case, its inputs and the chosen x.
struct Diagramm {
    int fall = 0;
    Eingaben eingaben;
    std::optional<double> x; // the position x of the dialog, when the case has one and it lies on the beam
    double eigengewicht = 0; // N/m of the profile over the whole beam, added to the case's load; 0: without
};

// The beam of load case 1..13 with its load. Inputs for which the case has no beam (L ≤ 0, a
// outside the range of the case) throw Plattform::Fehler with a German reason.
Linien Fall_Linien(int fall, const Eingaben& e);

// True for the cases whose x runs from the right end of the sketch to the left (1, 2).
bool xVonRechts(int fall);

} // namespace Biegelinien
