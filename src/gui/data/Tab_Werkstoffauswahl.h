#pragma once
// Tab "Werkstoffauswahl" of the main window: the material list and the values of the chosen
// material. Other windows go through the functions below, not through the tab's controls.
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TTab_Werkstoffauswahl;

namespace Tab_Werkstoffauswahl {
// The tab of the running program (the main window has the only one); null while there is none.
extern TTab_Werkstoffauswahl* TS_Werkstoffauswahl;
} // namespace Tab_Werkstoffauswahl

class TTab_Werkstoffauswahl : public QWidget {
    Q_OBJECT
public:
    TTab_Werkstoffauswahl();
    ~TTab_Werkstoffauswahl() override;

    // The row selected in the list (the buckling dialog reads that material); -1 when none.
    int Gewaehlter_Eintrag() const;
    // The kind and σS of the chosen material as the tab shows them (empty kind in the old
    // layout); the shear dialog takes wood's allowable stress from them.
    QString Gezeigte_Art() const;
    QString Gezeigtes_SigmaS() const;
    // After the material editor saved: the captions back, the list filled again and entry 0
    // chosen completely, as a click in the list chooses it.
    void Ersten_Eintrag_Waehlen();

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
    QPlainTextEdit* Memo1 = nullptr; // a fixed note on the tab, not the loaders' Unit1::Memo
    QPushButton* B_Beenden = nullptr;
    QPushButton* B_Hilfe_Mat = nullptr;

signals:
    // The name of the material now shown; the main window repeats it on its first tab.
    void Sorte_Gezeigt(const QString& sorte);

private:
    // The three steps of choosing entry p; the start-up and a click run them in different order.
    void Material_Anzeigen(int p);
    void Material_Uebernehmen(int p);
    void Zulaessige_Spannung_Setzen();
};
