#pragma once
// Pieces that the four calculation dialogs share: the sketch of the load case, the material and
// profile box, the button column down the left edge, the input and output rows of the panels,
// the beep guard of the calculations and the printer set-up dialog.
#include "core/app/Lastfaelle.h"
#include "core/app/Unit1.h"
#include "core/calc/Pruefung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/report/Berichtsinhalt.h"
#include "gui/platform/Bausteine.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

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

// Entry routine of a dialog for the case it serves: its window title, its sketch and, where the
// case names one, the caption of the load field. A missing picture is one failed step of the
// set-up: the sketch stays empty and the caption is set all the same.
void Fall_Zeigen(QWidget* dialog, QLabel* Image1, const QString& Datendir, const Lastfaelle::Lastfall& fall,
    Plattform::Teilschritte& schritte, QLabel* L_Last = nullptr);

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
    QLabel* L_Achse = nullptr; // beside L_Iaus: the axis of I, where the box shows it
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
    bool achse = false; // name the axis of I ("Imin", "Imax") beside its value
};

// Builds the box right of the picture, from (x, y), `breite` wide.
Profilbox Profilbox_Bauen(QWidget* eltern, const Profilboxtexte& texte, int x, int y, int breite);
// Material name, profile family and name, W, I, A and mass from the shared state (fixed 7/2),
// and the axis of I where the box names it.
void Profilbox_Anzeigen(const Profilbox& box);
// "Imax", "Imin", or nothing for a computed or typed-in section.
QString Achsenname(Unit1::TProfilachse achse);

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

// A field whose text is no number; its text names the field by its caption
// ("Länge L: 'abc' ist keine Zahl").
class Eingabefehler : public Plattform::Fehler {
public:
    explicit Eingabefehler(QLineEdit* feld);
    QLineEdit* feld() const { return m_feld; }

private:
    QLineEdit* m_feld;
};

// A field that only shows a value of the shared state (grey, read-only): no calculation reads it.
void Nur_Anzeige(QLineEdit* feld);

// The number in an edit field (locale notation); a text that is no number throws Eingabefehler.
double Wert(QLineEdit* feld);
// The set-up's refresh of a field from the shared state: `wert` in fixed 7/2, unless the field
// holds that number already as the user typed it ("120" for 120,00), so that a refresh that
// changes no value clears no results through the field's change handler.
void Feld_Auffrischen(QLineEdit* feld, double wert);
// Puts `wert` into an edit field as the user would type it, to the last digit: the field reads
// back the same number (a position opened in its dialog computes what it stored).
void Eingabe_Setzen(QLineEdit* feld, double wert);
// The edit field of an input in a calculation dialog; none where the dialog has no field for it.
QLineEdit* Feld(QWidget* dialog, Pruefung::Eingabe eingabe);
// The caption of a field without its unit and colon: "Länge L [mm]" gives "Länge L".
QString Feldname(const QLineEdit* feld);

// What may have made a calculation fail, looked at once it has failed: the first divisor that
// is 0, else the first value that must be above 0 (a power base, a length) and is not.
struct Ursachen {
    QList<std::pair<QString, double>> teiler;
    QList<std::pair<QString, double>> positiv;
};
// The short German text naming the cause of an arithmetic failure.
QString Ursache(const Plattform::Fehler& fehler, const Ursachen& ursachen);

// The line under the panels of the bending and shear dialogs that names why a calculation
// failed; hidden while there is nothing to say.
QLabel* Fehlerzeile(QWidget* dialog, int x, int y, int breite, int hoehe);
// Runs a calculation of the bending and shear dialogs. A failure sounds the default beep and,
// because most desktops have no audible bell, is also marked until the next edit or
// calculation: a field that is no number is framed in red and named in L_Fehler; any other
// failure frames `ergebnisse` and names its cause. Returns false when it failed.
bool mitPiep(QLabel* L_Fehler, const QList<QWidget*>& ergebnisse, const std::function<Ursachen()>& ursachen,
    const std::function<void()>& rechnung);
// Marks `feld` (framed in red) as the cause of a refused calculation and names it in L_Fehler,
// as mitPiep marks a field; the caller sounds the beep.
void Fehler_Markieren(QLabel* L_Fehler, QWidget* feld, const QString& text);
// Takes the marking of a failed calculation away (a field was edited, a calculation starts).
void Markierung_Loeschen(QLabel* L_Fehler);
bool markiert(const QWidget* w);

// What a calculation of a dialog read from the shared state besides its own fields, and what it
// left there. The set-up of a dialog keeps its results while nothing it read has changed (the
// user only looked at the diagrams, the steps, the formula or the help), and puts the inputs and
// results of its calculation back into the shared state, which another dialog may have
// overwritten meanwhile: the report prints what the dialog shows.
class Rechenstand {
public:
    // `achse`: the axis the dialog reads a library profile about; none where it reads no W or I.
    explicit Rechenstand(const Unit1::TProfilachse* achse = nullptr);
    // After each calculation, failed or not.
    void aufnehmen();
    // After the dialog itself has taken a newly chosen profile into account: its results stay.
    void profilAufnehmen();
    // Set-up: true when the results stay; then the shared inputs and results are those of the
    // dialog's last calculation again. False (results to be cleared) before any calculation and
    // after the case, the material with its values, the profile with its values or the axis
    // changed.
    bool behalten() const;
    // A calculation was taken and nothing it read has changed since.
    bool unveraendert() const;

    // The case, the material and the profile, compared field by field.
    struct Gelesen {
        int fall = 0;
        QList<double> zahlen;
        QStringList texte;
        bool operator==(const Gelesen&) const = default;
    };

private:
    Gelesen lesen() const;

    const Unit1::TProfilachse* m_achse;
    std::optional<Gelesen> m_gelesen;
    QList<double> m_werte; // F, L, Lx, a, σzul, Lk, desired safety and the results
};

// The material record a calculation reads besides the shared values (fy, kind, σP, Tetmajer's
// line): the opened position's, else the entry selected in the main window's material list;
// none while nothing is selected.
const Unit1::Matrecord* Gewaehlter_Werkstoff();

// The numbers of a dialog's report page: those of its last calculation `gerechnet`, with the
// case of the shared number and the material (with σzul) and the section as the material list
// and the profile selection chose them (I as the deflection last read it).
Berichtsinhalt::Werte Seitenwerte(const Berichtsinhalt::Werte& gerechnet);

// The printer set-up dialog of a calculation dialog, created on first use on the printer that
// all reports share. `name` is its object name, one of its own for each dialog.
QPrintDialog* Drucksetup(QPrintDialog*& dialog, QWidget* eltern, const QString& name);

} // namespace Rechendialog
