#pragma once
// Computing a position with the same core functions as its dialog, and the results of a whole
// project: the results file "trabex-ergebnisse" (docs/PROJEKTDATEI.md) and one line per
// position as the command line prints it. Units as in Projekt.h.
//
// `rechnen` is the one calculation of a position: its result record holds every number that the
// results file, the command line's line and the report print, so that none of them computes
// anything of its own.
#include "core/app/Unit1.h"
#include "core/calc/Biegelinien.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Knickrechnung.h"
#include "core/calc/Knickspannungslinie.h"
#include "core/calc/Nachweis.h"
#include "core/data/U_Einwirkungen.h"
#include "core/projekt/Projekt.h"
#include "core/report/Berichtsinhalt.h"

#include <QByteArray>
#include <optional>

namespace Positionsrechnung {

// The report record of a position, as its dialog shows and prints it: the numbers of page 1,
// the notes and the formula line beside them, the verdicts, the steps of each calculation (the
// verdict lines as their first part "Nachweis") and what the diagrams draw. The general beam
// keeps only the material and the section here; its result holds the rest.
struct Bericht {
    Berichtsinhalt::Werte werte;
    QString hinweis_W, hinweis_f; // bending, the second dialog's cases (4, 8, 9, 12)
    QString formel; // buckling: "Die Berechnung von Ierf erfolgt nach Euler", or the formula the slenderness chose
    double eigengewicht = 0; // bending: the self-weight line load included, N/m
    std::optional<Nachweis::Urteil> nachweis; // bending: of W erf.; shear: of A erf.
    std::optional<Nachweis::Urteil> nachweis_f; // the deflection, where the section carries |W erf.|
    std::optional<Nachweis::Urteil> nachweis_knicken; // the safety against the desired one, where they differ
    std::optional<Eurocode::Urteil> eurocode;
    Rechenweg::Protokoll rechenweg;
    std::optional<Biegelinien::Diagramm> biegelinie; // bending
    std::optional<Knickspannungslinie::Daten> knicklinie; // buckling
};

struct Ergebnis {
    QString fehler; // empty when the position could be computed
    bool erfuellt = true; // no verdict fails (a verdict without a profile is open, not failed)
    bool nachgewiesen = false; // some verdict was judged (there is a profile)
    // required over present, ≤ 1 where it holds: |W erf.| / W, S gewünscht / Sk, A erf. / A
    std::optional<double> ausnutzung;

    // Bending and the general beam: W erf. and W erf. at x in cm³ (with the self-weight where it is switched on), the
    // deflection in mm, L/f. Those that need a profile or an x are left out without.
    double W_erf = 0;
    std::optional<double> W_x_erf;
    std::optional<double> f;
    std::optional<double> L_f;

    // Buckling: I erf. in cm⁴; with a profile λ, σK in N/mm², the formula and the safety.
    double I_erf = 0;
    std::optional<double> lambda;
    std::optional<double> sigma_k;
    QString formel; // "Euler" or "Tetmajer"
    std::optional<double> sicherheit;

    // Shear: A erf. in mm².
    double A_erf = 0;

    // The general beam: its whole result (W erf. is also in W_erf above), with its steps where
    // they were asked for, and its check with partial factors with the deflections of each span.
    std::optional<Traegerrechnung::Ergebnis> traeger;
    std::optional<Eurocode::Traegerergebnis> ec3_traeger;

    // The check with partial factors beside the classic one (none for shear, nor where the
    // classic calculation failed): its verdict, and a column's or a beam's figures.
    std::optional<Eurocode::Urteil> ec3;
    std::optional<Eurocode::Knickergebnis> ec3_knicken;
    std::optional<Eurocode::Biegeergebnis> ec3_biegung;

    // A classic position's report; none for the general beam and where there is a fault.
    std::optional<Bericht> bericht;
};

// Whether the general beam keeps the steps of its calculation, which only its report prints (a
// classic position always keeps its few).
enum class Umfang { Ergebnisse, Bericht };

// Computes the position; the check with partial factors takes what the position does not give
// (fy, the kind of the material, the profile's buckling curve) from the library's entries of
// the same names, and the factors of the actions from `kategorien`.
Ergebnis rechnen(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien, Umfang umfang = Umfang::Ergebnisse);

// The calculations of a classic position one by one, as its dialog's buttons run them: each
// computes from the position, writes its inputs, numbers, verdict and steps into the record `b`
// (the material and the section are the caller's: `rechnen` takes them from the position, a
// dialog from its selection) and notes its steps in a recording in progress too (the dialog's
// "Rechenweg"). Those of bending and shear throw Plattform::Fehler where the formulas cannot
// compute (Pruefung::Ungueltig naming the input), so that a dialog marks the input; those of
// buckling return the calculation's result with its fault.
Biegerechnung::Aufgabe Biegeaufgabe(const Projekt::Position& p);
Knickrechnung::Aufgabe Knickaufgabe(const Projekt::Position& p);
void Biegung_W(const Projekt::Position& p, Bericht& b);
// The deflection; judged where the section carries |W erf.| of the record.
void Biegung_f(const Projekt::Position& p, Bericht& b);
Knickrechnung::Traegheit Knickung_Ierf(const Projekt::Position& p, Bericht& b);
Knickrechnung::Ergebnis Knickung_Sicherheit(const Projekt::Position& p, Bericht& b);
void Scherung_Aerf(const Projekt::Position& p, Bericht& b);
// A (new) section's area against A erf. of the record.
void Scherung_Urteilen(double A, Bericht& b);
// The checks with partial factors: fy and the kind of the material and the profile's buckling
// curve are the position's, else those of the library's entries of the same names (the one
// place that decides them).
Eurocode::Biegeaufgabe Eurocode_Biegeaufgabe(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);
Eurocode::Knickaufgabe Eurocode_Knickaufgabe(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);
Eurocode::Biegeergebnis Biegung_Eurocode(const Projekt::Position& p, Bericht& b, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);
Eurocode::Knickergebnis Knickung_Eurocode(const Projekt::Position& p, Bericht& b, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);
// The verdict lines of the record as its dialog shows them: the classic ones, then that with
// partial factors (bending: with the line on the resistance it uses).
QStringList Nachweiszeilen(Projekt::Art art, const Bericht& b);
// The lines before them in the part "Nachweis" of the steps: whether the self-weight was
// included, and the verdict on the buckling safety.
Rechenweg::Schritte Nachweise_Vorweg(Projekt::Art art, const Bericht& b);
// Both as the first part "Nachweis" of `protokoll`, which page 1 of a report prints too.
void Nachweise_Eintragen(Projekt::Art art, const Bericht& b, Rechenweg::Protokoll& protokoll);
// The material and the section of `p` as page 1 prints them: σB and λ0 from the table entry of
// the material's name, the section as the profile selection leaves it for its dialog.
void Auswahl_Eintragen(const Projekt::Position& p, Berichtsinhalt::Werte& w, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat);

// The results of the project's positions in their order.
QList<Ergebnis> rechnen(const Projekt::Daten& projekt, Umfang umfang = Umfang::Ergebnisse);

// "W erf. = 28,73 cm³", "ν = 4,21" (the buckling safety by its textbook letter: an engineer reads
// "sk" as the buckling length), "A erf. = 250,00 mm²": the main result of its kind.
QString Hauptergebnis(const Projekt::Position& p, const Ergebnis& e);
// "erfüllt", "nicht erfüllt" or "Fehler".
QString Verdikt(const Ergebnis& e);
// The general beam's check with partial factors of a position of that kind, with the library's
// values where the position gives none, as `rechnen` computes it.
Eurocode::Traegerergebnis Eurocode_Traeger(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);

// "EC3: η = 0,87 erfüllt", "EC3: nicht möglich"; empty without the check.
QString Eurocodeverdikt(const Ergebnis& e);
// "Pos. 1 Sturz | Biegung Fall 5 | W erf. = 28,73 cm³ | erfüllt | EC3: η = 0,87 erfüllt", or
// the fault instead of the result.
QString Zeile(const Projekt::Position& p, const Ergebnis& e);

// The results file; `ergebnisse` belong to the project's positions in their order.
QByteArray Ergebnisdatei(const Projekt::Daten& projekt, const QList<Ergebnis>& ergebnisse);
// The results file of a project file that was refused: its message and no position, so that a
// script reading the file never finds the results of an earlier run under the same name.
QByteArray Ablehnungsdatei(const QString& fehler);

} // namespace Positionsrechnung
