#pragma once
// Building blocks of the windows: every window places its controls at fixed pixel positions,
// names them (objectName) as the program documents them and uses the same colours. These
// helpers keep that in one place instead of in every dialog.
#include <QColor>
#include <QSize>
#include <QString>

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

// A fixed-size dialog with a client area of breite × hoehe, teal background, programme font.
void dialograhmen(QDialog* dialog, const QString& name, const QString& titel, int breite, int hoehe);
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

} // namespace Bausteine
