#pragma once
// The window of the general beam: spans and ends, any loads, σzul, the deflection limit, the
// material and profile of the program and the self-weight; a sketch to scale; the envelope
// results of Traegerrechnung with the verdict lines; the diagrams and steps, the profile finder,
// the report, help and formula. Like the classic dialogs it exists once, is not modal, and
// keeps its results while the user only looks elsewhere.
#include "core/calc/Eurocode.h"
#include "core/calc/Traegereinheiten.h"
#include "core/calc/Traegerrechnung.h"
#include "core/projekt/Projekt.h"
#include "gui/calc/Biegedialog.h"
#include "gui/calc/Rechendialog.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;
class QTableWidget;

namespace U_traeger {

// What the window passes on as a position: the input record in the program's units with the
// names of the material and profile it was computed with.
struct Traegerposition {
    Traegerrechnung::Eingabe eingabe;
    QString werkstoff;
    QString profil;
};

// Columns of the load table.
enum Lastspalte {
    Spalte_Art,
    Spalte_Einwirkung,
    Spalte_Kategorie,
    Spalte_Wert,
    Spalte_q2,
    Spalte_x,
    Spalte_bis,
    Spalte_Einheit,
    Lastspalten
};

} // namespace U_traeger

class TDLG_Traeger : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Traeger(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
    void B_BerechnenClick();
    void EingabeChange(); // any input the calculation reads was edited
    void CB_EinheitenChange();
    void B_Feld_NeuClick();
    void B_Feld_LoeschenClick();
    void B_Last_NeuClick();
    void B_Last_LoeschenClick();
    void B_Profil_suchenClick();
    void B_Passendes_ProfilClick();
    void CB_GrenzeChange();
    void B_VerlaeufeClick();
    void B_DruckenClick();
    void B_FormelClick();
    void BitBtn1Click();
    void OKBtnClick();
    void HelpBtnClick();

    // The record the window would compute: the tables and fields read in the window's units
    // and converted, the profile and material of the shared state. A cell or field that is no
    // number throws Plattform::Fehler naming its table, row and field.
    U_traeger::Traegerposition Position() const;
    // Fills tables and fields from a record (values in the program's units, shown in the
    // window's); the material and profile stay those of the program, which the caller chooses.
    void Position_Setzen(const U_traeger::Traegerposition& position);

    // The window's inputs as a position of the open project, and a position shown and computed.
    Projekt::Position Position_Lesen() const;
    void Position_Zeigen(const Projekt::Position& p);
    // "Neu" on the tab "Positionen": one span of length 0, no cantilevers, pinned ends, no
    // loads, no self-weight; σzul and the limit as chosen; no results.
    void Eingaben_Leeren();

    Traegereinheiten::System Einheiten() const;
    // The last calculation shown, with the record it was computed from; none while cleared.
    const std::optional<Traegerrechnung::Ergebnis>& Ergebnis() const { return m_ergebnis; }

    QLabel* Image1; // the sketch
    Rechendialog::Profilbox Profil;
    QComboBox* CB_Einheiten;
    QTableWidget* SG_Felder;
    QPushButton* B_Feld_Neu;
    QPushButton* B_Feld_Loeschen;
    QLineEdit* E_Kragarm_Links;
    QLineEdit* E_Kragarm_Rechts;
    QComboBox* CB_Lager_Links;
    QComboBox* CB_Lager_Rechts;
    QTableWidget* SG_Lasten;
    QPushButton* B_Last_Neu;
    QPushButton* B_Last_Loeschen;
    QLabel* L_Momenthinweis;
    QLineEdit* E_SigmaZul;
    QComboBox* CB_Grenze;
    QCheckBox* ChB_Eigengewicht;
    QLabel* L_Eigengewicht;
    QLineEdit* E_E_Modul;
    QPushButton* B_Berechnen;
    QLabel* L_M_max;
    QLabel* L_M_min;
    QLabel* L_V_max;
    QLabel* L_Werf;
    QTableWidget* SG_Lager;
    QTableWidget* SG_Abschnitte;
    QLabel* L_Nachweis_W;
    QLabel* L_Nachweis_f;
    QLabel* L_Eurocode; // the verdict with partial factors beside the classic ones
    QLabel* L_Abheben; // the supports that lift off; empty while none does
    QLabel* L_Fehler;
    QPushButton* B_Formel;
    QPushButton* B_Profil_suchen;
    QPushButton* B_Drucken;
    QPushButton* B_Verlaeufe;
    QPushButton* B_Passendes_Profil;
    QComboBox* CB_Suchkriterium; // by which check "Passendes Profil" searches
    QPushButton* B_Position; // "Als Position übernehmen"
    QPushButton* BitBtn1; // "Hilfe"
    QPushButton* HelpBtn; // "Abbrechen": hides the dialog like OK
    QPushButton* OKBtn;
    QPrintDialog* Drucksetupdlg = nullptr;

protected:
    void changeEvent(QEvent* ereignis) override; // another style: the load table's columns fitted again

private:
    void Aufbauen();
    void Eingaben_Bauen(int x, int y);
    void Lasten_Bauen(int x, int y);
    void Rechnung_Bauen(int x, int y);
    void Ergebnisse_Bauen(int x, int y);
    void Verbinden();
    void Feldzeile_Anlegen(int zeile, const QString& text);
    void Lastzeile_Anlegen(int zeile, const Traegerrechnung::Last& last);
    void Lastart_Zeigen(int zeile);
    void Kopfzeilen_Zeigen();
    void Lastspalten_Einpassen();
    // Reads the window into `e`; the first cell or field that is no number, or none. For the
    // sketch (`nachsichtig`) a load with such a cell is left out and a length becomes NaN.
    std::optional<Traegerrechnung::Eingabefehler> Lesen(Traegerrechnung::Eingabe& e, bool nachsichtig = false) const;
    // The window read and checked; at the first fault a beep, the cell marked, and none.
    std::optional<Traegerrechnung::Eingabe> Geprueft_Lesen();
    void Markieren(const Traegerrechnung::Eingabefehler& fehler);
    void Markierung_Loeschen();
    void Skizze_Zeigen();
    void Ergebnisse_Zeigen();
    void Abschnitt_Charakteristisch_Zeigen(int zeile);
    void Ergebnisse_Leeren();
    void Verlauf_Melden();
    void Rechnen(const Traegerrechnung::Eingabe& e);
    Biegedialog::Felder Eigengewichtsfelder() const;

    Rechendialog::Rechenstand m_stand {&Unit1::Biegeachse};
    std::optional<Traegerrechnung::Ergebnis> m_ergebnis;
    std::optional<Eurocode::Traegerergebnis> m_eurocode; // of the same input
    Berichtsinhalt::Werte m_auswahl; // the material and the section it was computed with, for the report
    Traegerrechnung::Eingabe m_gerechnet; // the record of m_ergebnis
    Traegereinheiten::System m_einheiten = Traegereinheiten::System::N_mm;
    bool m_fuellen = false; // tables filled by the program: no edit of the user
};

namespace U_traeger {

extern Plattform::Einmalfenster<TDLG_Traeger> DLG_Traeger;

} // namespace U_traeger
