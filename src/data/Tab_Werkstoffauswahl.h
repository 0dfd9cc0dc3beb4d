#pragma once
// Tab "Werkstoffauswahl" of the main window: the material list and the values of the chosen
// material. Other dialogs read L_Art, L_SigmaS and LB_Material directly.
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TTab_Werkstoffauswahl : public QWidget {
    Q_OBJECT
public:
    TTab_Werkstoffauswahl();

    // Start-up step: reads "Material.csv" into Matdat (with the notice for the old layout) and
    // shows and chooses entry 0.
    void Materialdatenbank_Lesen();
    // Fills LB_Material when the tab control first takes the focus.
    void PC_1Enter();
    // Empties LB_Material and fills it again from Matdat (entry 0 up to the first "LEER"), then
    // selects the first entry without choosing it.
    void Liste_Fuellen();
    // A click in the list: the selected material becomes the chosen one.
    void LB_MaterialClick();

    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label31 = nullptr;
    QListWidget* LB_Material = nullptr;
    QLabel* L_Name = nullptr;
    QLabel* L_SigmaB = nullptr;
    QLabel* L_SigmaBA = nullptr;
    QLabel* L_SigmaP = nullptr;
    QLabel* L_SigmaPA = nullptr;
    QLabel* L_E = nullptr;
    QLabel* L_EA = nullptr;
    QLabel* L_Grenzschlankheit = nullptr;
    QLabel* L_Gamma = nullptr;
    QLabel* L_Art = nullptr;
    QLabel* L_SigmaD = nullptr;
    QLabel* L_SigmaZ = nullptr;
    QLabel* L_SigmaS = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* B_Beenden = nullptr;
    QPushButton* B_Hilfe_Mat = nullptr;

private:
    // The three steps of choosing entry p; the start-up and a click run them in different order.
    void Material_Anzeigen(int p);
    void Material_Uebernehmen(int p);
    void Zulaessige_Spannung_Setzen();
    QLabel* L_Mat() const;
};
