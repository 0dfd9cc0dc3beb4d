#pragma once
// Pieces that the four calculation dialogs share: the sketch of the load case, the material and
// profile box, the button column down the left edge, the input and output rows of the panels,
// the beep guard of the calculations and the printer set-up dialog.
#include "platform/Bausteine.h"

#include <QColor>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;
class QWidget;

namespace Rechendialog {

// Grey of the buckling dialog's output fields (the system colour of inactive captions).
inline const QColor Grau(0xC0, 0xC0, 0xC0);

// Loads the sketch `name` from the data directory (name matched without regard to case) and
// shows it in Image1 scaled to fit, keeping its proportions. A missing or unreadable file
// leaves Image1 empty and throws the file error.
void Bild_Laden(QLabel* Image1, const QString& Datendir, const QString& name);

// The material name and the data of the chosen profile.
struct Profilbox {
    QLabel* L_Material = nullptr; // L_Material or L_Sorte
    QLabel* L_Profilart = nullptr;
    QLabel* L_Profil = nullptr;
    QLabel* L_W = nullptr;
    QLabel* L_Waus = nullptr; // none in the buckling dialog
    QLabel* L_I = nullptr;
    QLabel* L_Iaus = nullptr;
    QLabel* L_A = nullptr;
    QLabel* L_Aaus = nullptr;
    QLabel* L_Maus = nullptr;
};

// Names and captions of a dialog's box; an empty W caption leaves the W row out.
struct Profilboxtexte {
    QString materialName; // "L_Material" or "L_Sorte"
    QString ueberschrift; // heading of the profile data (Label9)
    QString profiltyp; // caption of Label5
    QString profil; // caption of Label6
    QString W, I, A; // initial captions of L_W, L_I, L_A
    QString masseName; // name of the mass caption label
    QColor wertfarbe = Bausteine::Rot;
};

// Builds the box right of the picture, from (x, y), `breite` wide.
Profilbox Profilbox_Bauen(QWidget* eltern, const Profilboxtexte& texte, int x, int y, int breite);
// Material name, profile family and name, W, I, A and mass from the shared state (fixed 7/2).
void Profilbox_Anzeigen(const Profilbox& box);

struct Knopfangabe {
    QString name;
    QString text;
    Bausteine::Symbol symbol = Bausteine::Symbol::Keins;
};
// Buttons down the left edge from (x, y), one below the other every `abstand` pixels.
QList<QPushButton*> Knopfspalte(
    QWidget* eltern, std::initializer_list<Knopfangabe> knoepfe, int x, int y, int breite, int hoehe, int abstand);

// A row of a calculation panel: caption at the left, edit or output label at `feldX`.
QLineEdit* Eingabezeile(QWidget* panel, const QString& labelname, const QString& text, const QString& feldname, int y, int feldX,
    int feldbreite, QLabel** beschriftung = nullptr);
QLabel* Ausgabezeile(QWidget* panel, const QString& labelname, const QString& text, const QString& wertname, int y, int feldX,
    int feldbreite, const QColor& farbe = Bausteine::Rot, QLabel** beschriftung = nullptr);

// The number in an edit field (locale notation); throws the conversion error.
double Wert(const QLineEdit* feld);

// Runs a calculation of the bending and shear dialogs: any failure ends it with the default
// beep and nothing more. Returns false when it failed.
bool mitPiep(const std::function<void()>& rechnung);

// The printer set-up dialog of a calculation dialog, created on first use.
QPrintDialog* Drucksetup(QPrintDialog*& dialog, QWidget* eltern);

} // namespace Rechendialog
