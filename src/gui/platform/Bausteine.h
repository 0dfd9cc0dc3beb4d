#pragma once
// Building blocks of the windows: every window places its controls at fixed pixel positions,
// names them (objectName) as the program documents them and uses the same colours. These
// helpers keep that in one place instead of in every dialog.
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace Bausteine {

inline const QColor Teal(0x00, 0x80, 0x80); // dialog background
inline const QColor Rot(0xFF, 0x00, 0x00); // value labels
inline const QColor Gelb(0xFF, 0xFF, 0x00); // headings
inline const QColor Aqua(0x00, 0xFF, 0xFF); // grid title rows

// Arial, 16 pixels, bold: the font of the main window and the dialogs.
void programmschrift(QWidget* w);
void hintergrund(QWidget* w, const QColor& farbe);

// A dialog designed with a client area of breite × hoehe, teal background, programme font. Its
// controls are placed on the dialog; when it is first shown they move onto its surface
// (flaeche), and every showing fits it to its screen (einpassen).
void dialograhmen(QDialog* dialog, const QString& name, const QString& titel, int breite, int hoehe);
// The surface of a dialog of dialograhmen: its design size, the controls at their design places,
// in a scroll area that fills the dialog. Made on the first call or the first showing, which
// move the dialog's controls onto it (as does every later call and showing, for controls placed
// on the dialog since).
QWidget* flaeche(QDialog* dialog);
// Fits a dialog of dialograhmen to the screen it is on: where the screen has room for its design
// size with the window manager's frame, it keeps exactly that size and cannot be resized, as it
// was designed; else it opens as large as the screen allows, can be resized between a small
// minimum and its design size, and its surface scrolls. Its frame is moved inside the screen's
// available area.
void einpassen(QDialog* dialog);
// Gives a resizable window the size `groesse` where its screen has room for it, else the room
// there is (the available area less the window manager's frame), and centres it: a window
// larger than a small screen scrolls or shrinks instead of reaching past its edges.
void aufBildschirm(QWidget* fenster, QSize groesse);

QLabel* label(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite = -1, int hoehe = -1);
// An output label with red background.
QLabel* wertlabel(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe);
// A heading label with yellow background.
QLabel* ueberschrift(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite = -1, int hoehe = -1);
QLineEdit* feld(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe);
QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe);
// Buttons with the standard pictures of the platform.
enum class Symbol { Keins, Hilfe, Abbrechen, OK, Schliessen, Speichern };
QPushButton* symbolknopf(
    QWidget* eltern, const QString& name, const QString& text, Symbol symbol, int x, int y, int breite, int hoehe);
// A raised panel.
QFrame* panel(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);

// The width a control has for its text in its present style: a button's beside its icon, the
// edit field of a drop-down list, a label's inside its frame, margin and indent.
int textraum(const QWidget* steuerelement);
// Where a control keeps its designed width, its font is made smaller (down to `kleinste`
// pixels) until the widest of `texte` fits its textraum, and again when the style changes:
// a caption is never cut. A control whose texts fit keeps its font.
void schriftEinpassen(QWidget* steuerelement, const QStringList& texte, int kleinste = 10);

} // namespace Bausteine
