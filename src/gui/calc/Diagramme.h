#pragma once
// The diagrams of the calculation windows: the shear-force, bending-moment and deflection lines
// of a bending case and the buckling curve of a material. One piece of code builds each chart;
// the window shows it, and the same chart is drawn into a PDF, a PNG and onto the printer.
#include "core/calc/Biegelinien.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Knickspannungslinie.h"
#include "core/calc/Traegereinheiten.h"
#include "core/calc/Traegerrechnung.h"

#include <QList>
#include <QString>
#include <optional>

class QChart;
class QPainter;
class QRectF;

namespace Diagramme {

// What the last bending calculation handed over: the case, its inputs and the chosen x.
using Biegedaten = Biegelinien::Diagramm;

enum class Groesse { Querkraft, Moment, Durchbiegung };

// The least height of a diagram on screen, in pixels: room for its title, its legend, the
// labels and title of the x axis and a plot area in which the title of the value axis fits.
inline constexpr int Mindesthoehe = 260;

// The lines of the case, or the reason why there are none.
struct Biegelinien_oder_Grund {
    std::optional<Biegelinien::Linien> linien;
    QString grund;
};
Biegelinien_oder_Grund linienBerechnen(const Biegedaten& d);

// The chart of one line: the line over the beam, its greatest and smallest values marked with
// value and position, the chosen x as a vertical line with the value there. The caller owns it.
QChart* Biegediagramm(const Biegedaten& d, const Biegelinien::Linien& l, Groesse g);
// The same in two steps, so that a window keeps its charts and only refills them: a chart with
// its axes and series but no data, and the data of one line put into such a chart.
QChart* Biegediagramm_Leer();
void Biegediagramm_Fuellen(QChart* c, const Biegedaten& d, const Biegelinien::Linien& l, Groesse g);
// Charts stacked one above the other over the same beam: each chart's left margin is widened
// by what its value labels are narrower than the widest, so that the plot areas, and with them
// every x, line up. The charts must be laid out (their plot areas known).
void buendig(const QList<QChart*>& charts);
// The buckling curve with the allowable line and the column marked.
QChart* Knickdiagramm(const Knickspannungslinie::Daten& d);

// The value of a line at x in the unit of its diagram (N, N·m, mm), and that unit's text.
double anzeigewert(const Biegelinien::Linien& l, Groesse g, double x);
QString einheit(Groesse g);
// "x = 1500,0 mm: V = …, M = …, f = …" for the pointer or the chosen x.
QString wertezeile(const Biegelinien::Linien& l, double x);
// The sign convention written under the diagrams.
QString vorzeichenhinweis();
// The note that replaces the deflection diagram while E or I is 0.
QString ohneDurchbiegungHinweis();

// The region of the column and, for a material without Tetmajer coefficients, the note.
QString Knickhinweis(const Knickspannungslinie::Daten& d);

// Draws the sketch and the three diagrams (or the buckling curve) into `rechteck` of any
// painter: window PNG, PDF and printer use this one function.
void Biegeblock_Zeichnen(QPainter& maler, const QRectF& rechteck, const Biegedaten& d);
void Knickblock_Zeichnen(QPainter& maler, const QRectF& rechteck, const Knickspannungslinie::Daten& d);

// The general beam: its record, its result (the envelope at the stations) and the units of its
// window, in which the diagrams show x, V and M (f always in mm).
struct Traegerdaten {
    Traegerrechnung::Eingabe eingabe;
    Traegerrechnung::Ergebnis ergebnis;
    Traegereinheiten::System einheiten = Traegereinheiten::System::N_mm;
    std::optional<Eurocode::Traegerergebnis> eurocode {}; // the check with partial factors beside
};
// The envelope of one line as a band between its smallest and greatest values at every x, the
// extremes marked with value and position; empty and filled as Biegediagramm_Leer/_Fuellen.
QChart* Traegerdiagramm_Leer();
void Traegerdiagramm_Fuellen(QChart* c, const Traegerdaten& d, Groesse g);
// The unit of a line of the general beam in the window's units.
QString traegereinheit(const Traegerdaten& d, Groesse g);
// "x = …: V = min … max, M = …, f = …" at the station nearest to x (mm).
QString traegerwertezeile(const Traegerdaten& d, double x);
// The sketch of the beam and the three envelopes, for window PNG, PDF and printer.
void Traegerblock_Zeichnen(QPainter& maler, const QRectF& rechteck, const Traegerdaten& d);

} // namespace Diagramme
