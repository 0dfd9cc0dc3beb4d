#include "gui/report/U_Printgr.h"

#include "core/platform/Fehler.h"
#include "core/report/Seitengeometrie.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <memory>

namespace U_Printgr {

int PgWidth = 0;
int PgMiddle = 0;
int PgHeight = 0;

namespace {

std::unique_ptr<QPrinter> t_printer;
QPrinter* t_drucker = nullptr; // printer of the job in progress
std::unique_ptr<QPainter> t_maler; // painter of the job in progress
int t_seite = 0;
int t_seitenzahl = 0;

// The printer font: nominal size and font resolution as in SetFontSize, style as set.
int t_nenngroesse = 10;
int t_schriftaufloesung = 72;
bool t_fett = false;
bool t_unterstrichen = false;

QPainter& maler()
{
    if (!t_maler)
        throw Plattform::Fehler(
            Plattform::Fehler::Art::UngueltigeOperation, QStringLiteral("Es ist kein Druckauftrag begonnen."));
    return *t_maler;
}

// Puts the printer font on the painter. The font is sized in drawing units (0.01 mm), so the
// mapping scales it with everything else and its size on paper does not depend on the dpi.
// The face is Arial (or its metric twin): the reports' 46 mm label column is measured for
// it, and a wider default face would run the longest labels into the value column.
void schriftSetzen()
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(qMax(1, Seitengeometrie::Schrifthoehe(t_nenngroesse, t_schriftaufloesung)));
    schrift.setBold(t_fett);
    schrift.setUnderline(t_unterstrichen);
    if (t_maler)
        t_maler->setFont(schrift);
}

bool inDatei(const QPrinter& drucker) { return drucker.outputFormat() == QPrinter::PdfFormat; }

Plattform::Fehler beginnfehler(const QPrinter& drucker)
{
    if (inDatei(drucker) && drucker.outputFileName().isEmpty())
        return Plattform::Fehler(
            Plattform::Fehler::Art::Datei, QStringLiteral("Für den Druck in eine PDF-Datei ist keine Datei gewählt."));
    if (inDatei(drucker))
        return Plattform::Fehler::datei(drucker.outputFileName(), QStringLiteral("Die Datei kann nicht geschrieben werden."));
    return Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
        QStringLiteral("Der Druckauftrag kann auf dem Drucker „%1“ nicht begonnen werden.").arg(drucker.printerName()));
}

void aufraeumen()
{
    t_maler.reset();
    t_drucker = nullptr;
}

} // namespace

QPrinter& Printer()
{
    if (!t_printer) {
        t_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The printer lives for the run; it goes with the application object, before the
        // platform's print support is torn down.
        qAddPostRoutine([] { t_printer.reset(); });
    }
    return *t_printer;
}

bool Printing(const QPrinter& drucker) { return drucker.printerState() == QPrinter::Active || drucker.paintingActive(); }

void BeginDocEx(const QString& JobName, QPrinter& drucker)
{
    if (t_maler)
        throw Plattform::Fehler(
            Plattform::Fehler::Art::UngueltigeOperation, QStringLiteral("Es läuft bereits ein Druckauftrag."));
    // Everything that can fail on the printer's figures is done before the job begins.
    const int dx = drucker.logicalDpiX();
    const int dy = drucker.logicalDpiY();
    const int breite = Seitengeometrie::Seitenbreite(drucker.width(), dx);
    const int hoehe = Seitengeometrie::Seitenbreite(drucker.height(), dy); // same arithmetic downwards
    const QTransform abbildung = Seitengeometrie::Abbildung(dx, dy);

    // Qt leaves a PDF printer without a file name stuck in its active state after a failed
    // begin, so that case is refused before.
    if (inDatei(drucker) && drucker.outputFileName().isEmpty())
        throw beginnfehler(drucker);
    drucker.setDocName(JobName);
    auto neu = std::make_unique<QPainter>();
    if (!neu->begin(&drucker))
        throw beginnfehler(drucker);
    neu->setWorldTransform(abbildung);
    neu->setRenderHint(QPainter::SmoothPixmapTransform);
    t_maler = std::move(neu);
    t_drucker = &drucker;
    t_seite = 1;
    t_seitenzahl = 0;
    PgHeight = hoehe;
    PgWidth = breite;
    PgMiddle = PgWidth / 2;
    t_schriftaufloesung = dy;
    t_fett = false;
    t_unterstrichen = false;
    schriftSetzen();
}

void BeginDocEx(const QString& JobName) { BeginDocEx(JobName, Printer()); }

void EndDoc()
{
    QPrinter* drucker = t_drucker;
    const bool beendet = maler().end();
    aufraeumen();
    if (!beendet || drucker->printerState() == QPrinter::Error)
        throw Plattform::Fehler(inDatei(*drucker) ? Plattform::Fehler::Art::Datei : Plattform::Fehler::Art::Allgemein,
            QStringLiteral("Der Druckauftrag ist fehlgeschlagen."));
}

void Abort()
{
    if (!t_maler)
        return;
    QPrinter* drucker = t_drucker;
    const bool abgebrochen = drucker->abort();
    if (t_maler->isActive())
        t_maler->end();
    aufraeumen();
    // A PDF cannot be aborted: ending it writes the half page, which must not pass for a
    // report, so the file is removed.
    if (!abgebrochen && inDatei(*drucker))
        QFile::remove(drucker->outputFileName());
}

QPainter& Canvas() { return maler(); }

int PageNumber() { return t_seite; }

void NewPage()
{
    if (!t_drucker || !t_drucker->newPage())
        throw Plattform::Fehler(
            Plattform::Fehler::Art::Allgemein, QStringLiteral("Die nächste Seite kann nicht begonnen werden."));
    ++t_seite;
}

void SetPageCount(int anzahl) { t_seitenzahl = anzahl; }

int PageCount() { return t_seitenzahl; }

void SetFontSize(int AFontSize)
{
    t_nenngroesse = Seitengeometrie::Nenngroesse(AFontSize, t_schriftaufloesung);
    schriftSetzen();
}

void SetFontSize_mm(double mm) { SetFontSize(Seitengeometrie::Punkte_aus_mm(mm)); }

void SetFontStyle(bool fett, bool unterstrichen)
{
    t_fett = fett;
    t_unterstrichen = unterstrichen;
    schriftSetzen();
}

int FontSize() { return t_nenngroesse; }

void TextOut(int x, int y, const QString& text)
{
    QPainter& m = maler();
    m.drawText(x, y + m.fontMetrics().ascent(), text);
}

int TextWidth(const QString& text) { return maler().fontMetrics().horizontalAdvance(text); }

QString Passend(const QString& text, int breite)
{
    if (TextWidth(text) <= breite)
        return text;
    const QString ellipse = QStringLiteral(" …");
    QStringList woerter = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (woerter.size() > 1) {
        woerter.removeLast();
        // "Umbau, …" reads as a list cut short; the comma before the cut goes.
        QString kurz = woerter.join(QLatin1Char(' '));
        while (!kurz.isEmpty() && QStringLiteral(",;:-–").contains(kurz.back()))
            kurz.chop(1);
        if (TextWidth(kurz + ellipse) <= breite)
            return kurz + ellipse;
    }
    return maler().fontMetrics().elidedText(text, Qt::ElideRight, breite);
}

QStringList Zeilen(const QString& text, int breite, int hoechstens)
{
    QStringList zeilen;
    QString zeile;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (TextWidth(laenger) <= breite) {
            zeile = laenger;
            continue;
        }
        if (!zeile.isEmpty())
            zeilen.append(zeile);
        zeile = wort;
        while (zeile.size() > 1 && TextWidth(zeile) > breite) {
            qsizetype n = zeile.size() - 1;
            while (n > 1 && TextWidth(zeile.left(n)) > breite)
                --n;
            zeilen.append(zeile.left(n));
            zeile = zeile.mid(n);
        }
    }
    zeilen.append(zeile);
    if (zeilen.size() > hoechstens) {
        const QString rest = QStringList(zeilen.mid(hoechstens - 1)).join(QLatin1Char(' '));
        zeilen = zeilen.mid(0, hoechstens - 1);
        zeilen.append(Passend(rest, breite));
    }
    return zeilen;
}

void StretchDraw(const QRect& rechteck, const QImage& bild) { maler().drawImage(rechteck, bild); }

} // namespace U_Printgr
