#pragma once
// The four Euler buckling cases with Tetmajer's line.
#include "core/calc/Knickrechnung.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Rechendialog.h"

#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;

class TDLG_Knickung : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Knickung(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
    void B_Berechnung_IClick();
    void B_Berechnung_KnicksicherheitClick();
    void E_LastChange();
    void B_ProfilClick();
    void B_Passendes_ProfilClick();
    void B_FormelClick();
    void BitBtn1Click();
    void B_DruckenClick();
    void B_KnicklinieClick();
    void OKBtnClick();
    // The inputs as a position, and a position put into the shared state shown and computed
    // (the button "Als Position übernehmen" and the tab "Positionen").
    Projekt::Position Position_Lesen();
    void Position_Zeigen(const Projekt::Position& p);
    // "Neu" on the tab "Positionen": the inputs of a new calculation, no results.
    void Eingaben_Leeren();
    void HelpBtnClick();

    QLabel* Image1;
    Rechendialog::Profilbox Profil; // L_Sorte, L_Profilart, L_Profil, L_Iaus, L_Aaus, L_Maus
    QLabel* L_Grenzschlankheit;
    QLabel* L_Knickfall; // the supports of the case in words
    QFrame* Panel1;
    QLineEdit* E_Last;
    QLineEdit* E_Laenge;
    QLineEdit* E_Sicherheit;
    QLabel* L_Ierf;
    QLabel* L_Formel;
    QPushButton* B_Berechnung_I;
    QPushButton* B_Passendes_Profil;
    QFrame* Panel3;
    QLineEdit* E_I; // shows the shared I; read-only, no calculation reads it
    QLineEdit* E_E_Modul; // shows the shared E; read-only likewise
    QLabel* L_Sigma_K;
    QLabel* L_Sigma_vorh;
    QLabel* L_SK;
    QLabel* L_Schlankheitsgrad;
    QPushButton* B_Berechnung_Knicksicherheit;
    QLabel* L_Warnung;
    // The load's action and the verdict with partial factors it reads.
    Nachweiszeile::Einwirkungswahl Einwirkung;
    QLabel* L_Eurocode;
    QPushButton* B_Formel;
    QPushButton* B_Profil;
    QPushButton* BitBtn1; // "Hilfe"
    QPushButton* B_Drucken;
    QPushButton* B_Knicklinie;
    QPushButton* HelpBtn; // "Abbrechen", not help: hides the dialog like OK
    QPushButton* OKBtn;
    QPushButton* B_Position;
    QPrintDialog* Drucksetupdlg3 = nullptr;
    Rechendialog::Rechenstand Stand {&Unit1::Knickachse};
    Positionsrechnung::Bericht Rechnung; // the record of the last calculations, which the report prints

    QString Programmdir;
    QString Datendir;

private:
    void Aufbauen();
    bool Knicksicherheit_Rechnen();
    void Eurocode_Rechnen();
    void Ergebnisse_Anzeigen(const Knickrechnung::Ergebnis& e);
    void Ergebnisse_Speichern();
    void Urteil_Zeigen();
    void Warnung_Leeren();
    void Eurocode_Leeren(); // the line and the record's verdict with partial factors
    void Profil_Zeigen();
    void Ergebnisse_Leeren();
    // The position of these inputs with the chosen material (σP and Tetmajer's line of
    // `werkstoff`; none: without them) and profile; the one a calculation computes has the inputs
    // as last read into the shared state.
    Projekt::Position Position_Bauen(double last, double laenge, double sicherheit, const Unit1::Matrecord* werkstoff) const;
    Projekt::Position Aufgabe(double sicherheit, const Unit1::Matrecord* werkstoff) const;
};

namespace U_knick {

extern Plattform::Einmalfenster<TDLG_Knickung> DLG_Knickung;

} // namespace U_knick
