#pragma once
// Computing a position with the same core functions as its dialog, and the results of a whole
// project: the results file "trabex-ergebnisse" (docs/PROJEKTDATEI.md) and one line per
// position as the command line prints it. Units as in Projekt.h.
#include "core/app/Unit1.h"
#include "core/calc/Eurocode.h"
#include "core/data/U_Einwirkungen.h"
#include "core/projekt/Projekt.h"

#include <QByteArray>
#include <optional>

namespace Positionsrechnung {

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

    // The general beam: its whole result (W erf. is also in W_erf above).
    std::optional<Traegerrechnung::Ergebnis> traeger;

    // The check with partial factors beside the classic one (none for shear, nor where the
    // classic calculation failed): its verdict, and a column's or a beam's figures.
    std::optional<Eurocode::Urteil> ec3;
    std::optional<Eurocode::Knickergebnis> ec3_knicken;
    std::optional<Eurocode::Biegeergebnis> ec3_biegung;
};

// Computes the position; the check with partial factors takes what the position does not give
// (fy, the kind of the material, the profile's buckling curve) from the library's entries of
// the same names, and the factors of the actions from `kategorien`.
Ergebnis rechnen(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat,
    const std::vector<Eurocode::Kategorie>& kategorien = U_Einwirkungen::Kategorien);

// The results of the project's positions in their order.
QList<Ergebnis> rechnen(const Projekt::Daten& projekt);

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
