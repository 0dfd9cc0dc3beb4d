#pragma once
// Page set-up of a print job: the program's printer, the job with its painter, the mapping of
// drawing units to hundredths of a millimetre from the top-left corner of the printable area
// (y downwards), and printer fonts whose size on paper equals their point size.
//
// Calling order: BeginDocEx, then any number of font and drawing calls, then EndDoc (or Abort
// after a failure). The drawing calls require a job begun by BeginDocEx.
#include <QStringList>

class QImage;
class QPainter;
class QPrinter;
class QRect;
class QString;

namespace U_Printgr {

extern int PgWidth; // width of the printable area in 0.01 mm, set by BeginDocEx
extern int PgMiddle; // PgWidth div 2
extern int PgHeight; // height of the printable area in 0.01 mm, set by BeginDocEx

// The program's printer, created on first use and kept for the whole run. Every printer
// set-up dialog of the program is created on it, so that the printer and settings chosen in
// one dialog hold for every report, as with a system-wide printer.
QPrinter& Printer();

// True while a job runs on `drucker` (begun by this program or by anyone else).
bool Printing(const QPrinter& drucker);

// Opens a job titled JobName on `drucker` and sets up the mapping, PgWidth, PgMiddle and the
// font resolution. The font starts plain and at its previous nominal size. Throws when the
// job cannot begin (for instance an output file that cannot be written); no job is open then.
void BeginDocEx(const QString& JobName, QPrinter& drucker);
void BeginDocEx(const QString& JobName);

// Ends the job: the page goes to the printer. Throws when the printer reports a failure.
void EndDoc();
// Ends the job after a failure without leaving it half open; the printer drops what it can.
void Abort();

// Painter of the job in progress, drawing in 0.01 mm.
QPainter& Canvas();
int PageNumber();
// Starts the next page of the job.
void NewPage();
// Number of pages the job will have, when the report knows it before printing (0: unknown).
void SetPageCount(int anzahl);
int PageCount();

// The printer font: AFontSize points on paper (the sign is ignored) ...
void SetFontSize(int AFontSize);
// ... or the whole number of points nearest to `mm` millimetres.
void SetFontSize_mm(double mm);
void SetFontStyle(bool fett, bool unterstrichen);
// The font's nominal size as set by SetFontSize: (|points| × 2540) div font resolution.
int FontSize();

// Text placed by its top-left corner, and its width in the current font, in 0.01 mm.
void TextOut(int x, int y, const QString& text);
int TextWidth(const QString& text);
// The text as it fits into `breite` in the current font: whole, else cut after the last whole
// word that fits, with "…" (a first word too long for it is cut inside).
QString Passend(const QString& text, int breite);
// The text broken into lines of `breite` in the current font at its blanks (a word longer than
// a line inside it), at most `hoechstens` of them: a text that needs more ends the last with "…".
QStringList Zeilen(const QString& text, int breite, int hoechstens);
// The picture stretched to fill the rectangle.
void StretchDraw(const QRect& rechteck, const QImage& bild);

} // namespace U_Printgr
