#pragma once
// The general beam: 1 to 10 spans of any lengths, a cantilever at either end, the ends of the
// spans pinned or fixed, inner supports pinned, and any number of point loads, line loads,
// trapezoidal loads and moments, each permanent (G) or variable (Q). Variable loads are placed
// span by span where that is worse: every result is the envelope over all patterns of the
// spans and cantilevers loaded or not. Solved exactly (Macaulay terms over the whole beam, the
// support conditions as a small linear system solved with Eigen), with equilibrium checked on
// every solve. The window, the finder, the report, the project file and the command line all
// call `berechnen`.
//
// Positions x are measured in mm from the beam's left end (the tip of the left cantilever where
// there is one); the supports stand at the ends of the spans. Units as everywhere in the
// program: F in N, line loads in N/m, moments in N·mm (clockwise positive), σ and E in N/mm²,
// I in cm⁴, W in cm³, mass in kg/m. Results: forces in N (reactions upward positive), moments
// in N·mm (sagging positive), deflections in mm (downward positive), W erf. in cm³. The sign
// convention of the lines is that of Biegelinien.
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace Traegerrechnung {

inline constexpr int MaxFelder = 10;
inline constexpr double MinLaenge = 1.0; // mm: the shortest span or cantilever

enum class Lager { Gelenkig, Eingespannt };
enum class Lastart { Einzellast, Streckenlast, Trapezlast, Moment };
enum class Einwirkung { Staendig, Veraenderlich }; // G, Q

// One row of the load table. Which fields count depends on the kind: Einzellast F at x,
// Streckenlast q from von to bis, Trapezlast q1 → q2 from von to bis, Moment M at x.
struct Last {
    Lastart art = Lastart::Einzellast;
    Einwirkung einwirkung = Einwirkung::Staendig;
    QString kategorie = QStringLiteral("A"); // of a variable load: the key of its ψ factors
    double F = 0; // N, downward positive
    double q = 0; // N/m
    double q1 = 0, q2 = 0; // N/m at von and at bis
    double M = 0; // N·mm, clockwise positive
    double x = 0; // mm
    double von = 0, bis = 0; // mm

    bool operator==(const Last&) const = default;
};

struct Eingabe {
    std::vector<double> felder; // span lengths, mm
    double kragarm_links = 0, kragarm_rechts = 0; // mm, 0 = none
    Lager lager_links = Lager::Gelenkig, lager_rechts = Lager::Gelenkig;
    std::vector<Last> lasten;
    double Sigma_Zul = 0; // N/mm²
    int grenze = 0; // L/f ≥ grenze; 0: no deflection limit
    double E = 0; // N/mm²; 0 with I = 0: no deflections
    double I = 0; // cm⁴
    double W = 0; // cm³ of the profile; 0: no profile chosen
    double Masse = 0; // kg/m; counts only with `eigengewicht`
    bool eigengewicht = false;
    // Positions (mm) where the results must show values besides the ones the calculation
    // chooses, e.g. a point the user asks for; they become stations.
    std::vector<double> stellen;
};

// What is wrong with an input and where: the table ("Felder" or "Lasten", empty for the other
// inputs), its row (1-based; 0 for none) and the field, for the window to mark the cell.
struct Eingabefehler {
    QString tabelle;
    int zeile = 0;
    QString feld;
    QString text; // the whole German message, naming row and field
    QString grund; // the same without the place, for a caller that names it in its own terms
};

// The first fault of the input, or none. Nothing is computed from an input with a fault.
std::optional<Eingabefehler> pruefen(const Eingabe& e);

// Total length of the beam in mm, and the positions of its supports from left to right.
double Gesamtlaenge(const Eingabe& e);
std::vector<double> Stuetzen(const Eingabe& e);

struct Lagerkraft {
    double x = 0; // mm
    double min = 0, max = 0; // N, upward positive
    bool eingespannt = false;
    double M_min = 0, M_max = 0; // fixed support: the moment just inside the span, N·mm
};

// A support whose reaction turns downward under some pattern of the variable loads: the beam
// lifts off there unless it is anchored.
struct Abheben {
    std::size_t lager = 0; // index into Ergebnis::lager, from the left
    double x = 0; // mm
    double min = 0; // N, the least reaction (below 0)
};

struct Extremwert {
    double x = 0;
    double wert = 0;
};

// A span or a cantilever with its greatest deflection (by magnitude, over all patterns).
struct Abschnitt {
    QString name; // "Feld 1", "Kragarm links", ...
    double von = 0, bis = 0; // mm
    double L_Grenze = 0; // the length the limit L/f refers to: the span, twice a cantilever
    double f = 0; // mm, with its sign (downward positive)
    double x = 0; // where it lies
    double L_f = 0; // L_Grenze / |f|; 0 where f = 0
    double ausnutzung = 0; // |f| / (L_Grenze / grenze); 0 without a limit
};

// The envelope sampled along the beam, for the diagrams; at a support or a point load the
// station appears twice (left and right of the jump).
struct Station {
    double x = 0;
    double M_min = 0, M_max = 0; // N·mm
    double V_min = 0, V_max = 0; // N
    double w_min = 0, w_max = 0; // mm
};

struct Ergebnis {
    std::vector<Lagerkraft> lager;
    std::vector<Abheben> abheben; // the supports that lift off, from the left; empty: none
    Extremwert M_max, M_min; // N·mm
    Extremwert V_betrag_max; // N, the value with its sign
    double W_erf = 0; // cm³
    bool mitDurchbiegung = false; // E and I known
    std::vector<Abschnitt> abschnitte;
    std::vector<Station> stationen;
    double ausnutzung = 0; // |W erf.| / W; 0 without a profile
    std::vector<Nachweis::Urteil> urteile; // bending, then the deflection of each span and cantilever
    bool erfuellt = false; // every verdict that can be judged holds, and there is one
    double gleichgewicht_rest = 0; // greatest relative residual of ΣV and ΣM over the solves
    Rechenweg::Schritte schritte;
};

// The spans and cantilevers from left to right (only their names, ends and L_Grenze filled in).
std::vector<Abschnitt> Abschnitte(const Eingabe& e);

// The input of one pattern of the variable loads: those on the spans and cantilevers whose bit
// is set in `muster` (bit i: Abschnitte(e)[i]) made permanent, cut at the supports, the others
// left off. A report can show the governing pattern with it; the envelope of `berechnen` is
// the same as the extremes over all patterns.
Eingabe Stellung(const Eingabe& e, unsigned muster);

// The whole calculation. An input with a fault throws Plattform::Fehler with the text of
// `pruefen`. Without the steps the rest is the same. `NurBemessung` (the finder, which checks
// many profiles) gives only the reactions, M max and M min, W erf. with the utilisation and the
// deflection of each span and cantilever, each the same to the last bit: no stations, no V, no
// verdicts (`urteile` empty, `erfuellt` false).
enum class Umfang { MitRechenweg, OhneRechenweg, NurBemessung };
Ergebnis berechnen(const Eingabe& e, Umfang umfang = Umfang::MitRechenweg);

// One beam for many profiles (the finder): solved once without the self-weight and once under
// a uniform load of 1 N/mm. A profile's self-weight g adds g times that line to the permanent
// one (it changes no pattern) and its deflections scale with 1/(E·I), so neither needs a new
// solve. `M_betrag` and `f_betrag` are the greatest values at the stations alone, lower bounds
// of the exact extremes (which may lie between stations) for a quick refusal; `rechnen` gives
// the exact result of `berechnen` without the steps.
class Profilreihe {
public:
    explicit Profilreihe(const Eingabe& e); // a checked input; its own I, W and mass do not count
    ~Profilreihe();
    Profilreihe(const Profilreihe&) = delete;
    Profilreihe& operator=(const Profilreihe&) = delete;

    double M_betrag(double g) const; // N·mm for a self-weight g in N/mm
    double f_betrag(std::size_t abschnitt, double g, double EI) const; // mm; EI in N·mm²
    // The result for the input with a profile's I, W and mass (the beam and loads as given to
    // the constructor), never with the steps.
    Ergebnis rechnen(const Eingabe& mitProfil, Umfang umfang = Umfang::OhneRechenweg);

private:
    struct Wert {
        double min, max, eins; // the envelope and the unit load's value
    };
    struct Loesungen;
    static double groesster(const std::vector<Wert>& werte, double g);
    std::vector<Wert> m_M;
    std::vector<std::vector<Wert>> m_w; // E·I·w, per span and cantilever
    std::unique_ptr<Loesungen> m_loesungen;
};

// One beam under many combinations of its actions (the checks with partial factors): solved
// once per load group (the permanent loads with the self-weight; the variable loads of each
// category on each span and cantilever), as the beam is linear. A combination puts a factor on
// the permanent loads and one on each category; its result is the envelope over the span
// patterns of the beam with every load times its factor, as `berechnen` gives it with
// `NurBemessung` (to rounding), without a new solve.
class Einwirkungsreihe {
public:
    explicit Einwirkungsreihe(const Eingabe& e); // a checked input
    ~Einwirkungsreihe();
    Einwirkungsreihe(const Einwirkungsreihe&) = delete;
    Einwirkungsreihe& operator=(const Einwirkungsreihe&) = delete;

    // The categories of the variable loads, in the order of their first load.
    const std::vector<QString>& kategorien() const { return m_kategorien; }
    // The result for γG on the permanent loads and faktoren[k] on the loads of kategorien()[k];
    // with the deflections only where `mitDurchbiegung` (and E·I given).
    Ergebnis kombinieren(double gammaG, const std::vector<double>& faktoren, bool mitDurchbiegung);

private:
    struct Loesungen;
    std::vector<QString> m_kategorien;
    std::unique_ptr<Loesungen> m_loesungen;
};

} // namespace Traegerrechnung
