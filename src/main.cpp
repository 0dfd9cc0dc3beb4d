// Trabex: strength of simple beams and columns. Without arguments the program window; with
// --berechnen a project file is computed without a window, on Qt's offscreen platform, so it
// runs where there is no display. The whole report (--pdf) draws its diagrams with widgets
// and so needs a QApplication, still on the offscreen platform.
#include "gui/Main.h"
#include "core/platform/Fehler.h"
#include "core/platform/Sprache.h"
#include "core/projekt/Kommandozeile.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/report/Gesamtbericht.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

// Qt's own warnings ("QPainter::begin(): Returned false", a missing XDG_RUNTIME_DIR) are not the
// command line's to pass on: it says what failed in its own words and its exit status. Only a
// fatal one, after which Qt ends the program, is shown.
void qtMeldung(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// --pdf after a run of --berechnen (whose Kommandozeile::Bibliothek_Laden set the data folder):
// the report of the run's project and results, a failure told in the command line's words; the
// run's status, or Kommandozeile::Fehler when the report cannot be printed or written.
Kommandozeile::Status berichtSchreiben(const QString& datei, const Kommandozeile::Lauf& lauf, QTextStream& fehler)
{
    // The report is printed before the file is written: a failure of the printing (a load-case
    // picture that cannot be read) is told as what it is, one of the file as the PDF's.
    try {
        Gesamtbericht::Als_PDF(datei, lauf.projekt, lauf.ergebnisse);
    } catch (const Plattform::Fehler& f) {
        const bool zielDatei = f.art() == Plattform::Fehler::Art::Datei && f.dateiname() == datei;
        fehler << (zielDatei ? Kommandozeile::Schreibfehler(QStringLiteral("PDF"), datei) : Kommandozeile::Fehlertext(f))
               << Qt::endl;
        return Kommandozeile::Fehler;
    }
    return lauf.status;
}

int ohneFenster(int argc, char* argv[], const Kommandozeile::Aufruf& aufruf)
{
    qInstallMessageHandler(qtMeldung);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> anwendung
        = aufruf.pdf.isEmpty() ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    Sprache::Zahlen_Deutsch_ohne_Sprachwahl(); // the lines on standard output as the window shows numbers
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    switch (aufruf.was) {
    case Kommandozeile::Aufruf::Was::Hilfe:
        aus << Kommandozeile::Hilfetext();
        return 0;
    case Kommandozeile::Aufruf::Was::Version:
        aus << "Trabex " TRABEX_VERSION "\n";
        return 0;
    case Kommandozeile::Aufruf::Was::Berechnen: {
        Kommandozeile::Bibliothek_Laden(QCoreApplication::applicationDirPath(), fehler);
        const auto umfang = aufruf.pdf.isEmpty() ? Positionsrechnung::Umfang::Ergebnisse : Positionsrechnung::Umfang::Bericht;
        const Kommandozeile::Lauf lauf = Kommandozeile::berechnen(aufruf.projekt, aufruf.json, aus, fehler, umfang);
        if (aufruf.pdf.isEmpty() || !lauf.gelesen)
            return lauf.status;
        return berichtSchreiben(aufruf.pdf, lauf, fehler);
    }
    default:
        fehler << aufruf.fehler << '\n' << Kommandozeile::Hilfetext();
        return Kommandozeile::Fehler;
    }
}

int mitFenster(int argc, char* argv[], const QString& projekt)
{
    Plattform::Anwendung anwendung(argc, argv);
    Plattform::Nachrichtenfenster nachrichten;
    Plattform::setzeAusgabe(&nachrichten);
    Main::Programmstart();
    Main::Mainform->show();
    if (!projekt.isEmpty())
        Main::Projekt_Oeffnen(projekt);
    const int ergebnis = anwendung.exec();
    Main::Programmende();
    Plattform::setzeAusgabe(nullptr);
    return ergebnis;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    const Kommandozeile::Aufruf aufruf = Kommandozeile::auswerten(argumente);
    return Kommandozeile::ohneFenster(aufruf) ? ohneFenster(argc, argv, aufruf) : mitFenster(argc, argv, aufruf.projekt);
}
