#pragma once
// "Passendes Profil": the list of library profiles that hold for the calculation of a bending
// dialog, the general beam or the buckling dialog, per family the lightest one, sorted by mass per metre, with the
// families that cannot hold at the end. A profile taken here ("Übernehmen" or a double click)
// becomes the chosen one exactly as in the profile selection.
#include "core/calc/Profilsuche.h"
#include "core/calc/Traegersuche.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TDLG_Passendes_Profil : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Passendes_Profil(QWidget* eltern = nullptr);

    // Shows the list for the task modally; true when a profile was taken.
    bool Biegung_Zeigen(const Profilsuche::Biegeaufgabe& aufgabe, const Eurocode::Biegeaufgabe& eurocode);
    bool Knickung_Zeigen(const Profilsuche::Knickaufgabe& aufgabe, const Eurocode::Knickaufgabe& eurocode);
    bool Traeger_Zeigen(const Traegersuche::Aufgabe& aufgabe);

    void Suchen(); // fills the list for the task and the options shown
    void B_AlleClick();
    void B_UebernehmenClick();

    QLabel* L_Aufgabe;
    QRadioButton* RB_Optimal;
    QRadioButton* RB_Quer;
    QComboBox* CB_Grenze;
    QComboBox* CB_Kriterium; // the classic check or the one with partial factors
    QTableWidget* SG_Profile;
    QPushButton* B_Alle;
    QPushButton* B_Uebernehmen;
    QPushButton* B_Schliessen;

private:
    void Aufbauen();
    bool Zeigen(bool knickung);
    void Zeilen_Fuellen(const Profilsuche::Ergebnis& ergebnis);
    QString Aufgabentext() const;
    bool nachEurocode() const;

    bool m_knickung = false;
    bool m_traeger = false; // the general beam (bending with its own task)
    Traegersuche::Aufgabe m_traegeraufgabe;
    bool m_alle = false;
    Profilsuche::Biegeaufgabe m_biegung;
    Profilsuche::Knickaufgabe m_knick;
    // The same tasks for the check with partial factors, from the shared state as the dialog's
    // second verdict reads it.
    Eurocode::Biegeaufgabe m_ecBiegung;
    Eurocode::Knickaufgabe m_ecKnick;
    std::vector<Profilsuche::Kandidat> m_zeilen; // the rows that can be taken, in list order
};

namespace U_passend {

extern Plattform::Einmalfenster<TDLG_Passendes_Profil> DLG_Passendes_Profil;

bool Biegung(const Profilsuche::Biegeaufgabe& aufgabe, const Eurocode::Biegeaufgabe& eurocode);
bool Knickung(const Profilsuche::Knickaufgabe& aufgabe, const Eurocode::Knickaufgabe& eurocode);
// The general beam: its input checked by the caller.
bool Traeger(const Traegersuche::Aufgabe& aufgabe);

} // namespace U_passend
