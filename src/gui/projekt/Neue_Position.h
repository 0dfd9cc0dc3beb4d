#pragma once
// "Neu" on the tab "Positionen": a small dialog that asks which calculation the new position
// is, bending with its load case 1–13, buckling with its Euler case 1–4, shear or the general
// beam, and shows the sketch of the choice.
#include "core/projekt/Projekt.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;

class TDLG_Neue_Position : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Neue_Position(QWidget* eltern = nullptr);

    struct Wahl {
        Projekt::Art art = Projekt::Art::Biegung;
        int fall = 1; // 1–13 bending, 1–4 buckling; 0 for shear and the general beam
    };
    void Zeigen(const Wahl& wahl);
    Wahl Gewaehlt() const;

    QComboBox* CB_Art;
    QComboBox* CB_Fall; // the cases of the kind; disabled for shear and the general beam
    QLabel* Image1; // the sketch of the case

private:
    void CB_ArtChange();
    void Skizze_Zeigen();
};

namespace Neue_Position {

using Wahl = TDLG_Neue_Position::Wahl;

// Asks for the kind and case, the last choice preselected; none when cancelled.
std::optional<Wahl> Fragen(QWidget* eltern);

// Tests answer instead of the dialog (an empty one means the dialog); returns the one before.
using Abfrage = std::function<std::optional<Wahl>()>;
Abfrage setzeAbfrage(Abfrage abfrage);

} // namespace Neue_Position
