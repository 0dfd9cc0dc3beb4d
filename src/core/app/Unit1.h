#pragma once
// The state that the main window and every dialog share: the record types, the material table,
// the profile library, the line buffers of the loaders and the calculation state. Filled at
// start-up and afterwards changed only by user actions; the one channel between the windows.
#include <QString>
#include <QStringList>
#include <array>

namespace Unit1 {

// A short text of n characters keeps the first n characters of what is assigned.
inline QString kurz(const QString& text, int n) { return text.left(n); }

struct Matrecord {
    QString Sorte; // short text (20)
    double E = 0;
    double SigmaB = 0;
    double SigmaP = 0;
    double GrenzSchlankheit = 0;
    double Tetmaier1 = 0;
    double Tetmaier2 = 0;
    double Gamma = 0;
    QString Art;
    double SigmaD = 0;
    double SigmaZ = 0;
    double SigmaS = 0;
    double fy = 0; // yield strength for thicknesses up to 40 mm, N/mm²; 0 when the file gives none
};

// The allowable stress the material list's choice sets: σB over 1.625 for wood, over 3 for any
// other kind (and for a table without kinds).
inline double Zulaessige_Spannung(double SigmaB, const QString& art)
{
    return SigmaB / (art == QStringLiteral("Holz") ? 1.625 : 3.0);
}

// Clipboard of the material editor's row copy: grid columns 0..11 in order (column 11 is fy).
struct S_Matrecord {
    QString Sorte; // short text (20)
    QString E, SigmaB, SigmaP, GrenzSchlankheit, Tetmaier1, Tetmaier2, Gamma, Art, SigmaD, SigmaZ, SigmaS;
};

struct TProfilrecord {
    QString Art; // short text (30)
    QString Name; // short text (15)
    double Wmax = 0; // cm³
    double Wmin = 0; // cm³
    double Imax = 0; // cm⁴
    double Imin = 0; // cm⁴
    double A = 0; // mm²
    // Buckling curve ("a0", "a", "b", "c" or "d") about the axis of Imax and of Imin; empty where
    // the family file gives none.
    QString Knicklinie_max {}, Knicklinie_min {};
};

// Clipboard of the profile editor's row copy: grid columns 0..8 in order.
struct S_Profilrecord {
    QString Art, Name, Wmax, Wmin, Imax, Imin, A, Knicklinie_max, Knicklinie_min;
};

enum class TAkt_Profil { Rundstahl = 0, Rohr = 1, Vierkant = 2, Formrohr = 3 };

// The axis of a library profile whose W and I the shared section holds; none for a computed or
// typed-in section, which has only the one value.
enum class TProfilachse { Keine, Imax, Imin };

constexpr int Max_Material = 200; // Matdat 0..200
constexpr int Max_Familie = 40; // Profildat 0..40
constexpr int Max_Profil = 150; // TProfildat 0..150
constexpr int Max_Str_Liste = 11; // Str_Liste 0..11

using TMatdat = std::array<Matrecord, Max_Material + 1>;
using TProfildat = std::array<TProfilrecord, Max_Profil + 1>;
using TProfilbibliothek = std::array<TProfildat, Max_Familie + 1>;
using TProfildateinamenarray = std::array<QString, Max_Familie + 1>;
using TStr_Liste = std::array<QString, Max_Str_Liste + 1>;

extern TMatdat Matdat;
extern TProfilbibliothek Profildat;
extern TProfildateinamenarray Profildateinamenarray;
extern TStr_Liste Str_Liste;
extern QStringList Memo; // line buffer shared by all loaders
extern S_Matrecord Materialzeile;
extern S_Profilrecord Profilzeile;

// Calculation state (units as in the comments).
extern int Akt_Belastungsfall; // 1..13 bending, 1..4 buckling, 0 shear
extern TAkt_Profil Akt_Profil;
extern QString Sorte; // short text (20)
extern double Sigma_Zul; // N/mm²
extern double Sigma_B; // N/mm²
extern double Sigma_P; // N/mm²
extern double E; // N/mm²
extern double GrenzSchlankheit; // –
extern double Gamma; // kg/dm³
extern double Sigma_K; // N/mm²
extern double Schlankheitsgrad; // –
extern double W; // cm³
extern double I; // cm⁴
extern double A; // mm²
extern double Masse; // kg/m
extern QString ProfilArt;
extern QString ProfilName;
extern TProfilachse Profilachse;
// The library profile whose W and I the shared section holds (while Profilachse is not Keine),
// and the axis each kind of dialog reads it about: a beam in the orientation chosen for bending
// (optimal unless chosen otherwise there), a column about its weak axis unless the buckling
// dialog's own selection chose the other. Each dialog derives W and I from the record by its
// axis when it becomes active.
extern TProfilrecord Bibliotheksprofil;
extern TProfilachse Biegeachse;
extern TProfilachse Knickachse;
extern double F; // N, or N/m for a line load
extern double L; // mm
extern double Lk; // mm
extern double Sk; // –
extern double Sk_gewuenscht; // –
extern double Abstand_a; // mm
extern double Abstand_b; // mm
extern double Lx; // mm
extern double fd; // mm
// The action of the classic dialogs' one load for the checks with partial factors: permanent
// (G) or variable (Q, the default), and the key of a variable load's category ("A" … "E",
// "Schnee", "Wind"; "A" by default).
extern bool Last_Staendig;
extern QString Last_Kategorie;
extern double Werf; // cm³
extern double Wxerf; // cm³
extern double Ierf; // cm⁴
extern double Aerf; // mm²

// Free table entries: "LEER" ends the lists, every number 0.
Matrecord Freies_Material();
TProfilrecord Freies_Profil();

// Marks every table entry free and sets the cross-section to "none chosen".
void Programminit();
// Every global back to 0 or empty and the tables free, as at program start (tests use it).
void Zustand_Zuruecksetzen();

// Splits Zeile at every ';' into Stringliste[0], [1], ... after clearing slots
// 0..max_Eintrag-1. A field beyond a cleared slot is appended to what its slot held; fields
// from the thirteenth on have no slot and are ignored. An empty line yields empty slots.
void Zeile_Zerlegen(const QString& Zeile, TStr_Liste& Stringliste, int max_Eintrag);

// True when the whole of Eingabe is a number in point notation (leading blanks, sign, digits,
// point, exponent); the editors' cell check.
bool Zahl(const QString& Eingabe);

} // namespace Unit1
