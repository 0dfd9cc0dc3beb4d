// A project of 1,000 positions computed from its file as `trabex --berechnen … --json …` does:
// read the file, compute every position, write the results file. The budget is 1 s; the
// baseline is the same file read and a file of the same size written without computing, the
// part no calculation can save. The positions cycle through the 13 bending cases (every other
// one with the self-weight, the slow road over the beam lines), the 4 buckling cases and shear.
//
//   bench_projekt [Positionen] [Wiederholungen]
#include "Median.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Kommandozeile.h"
#include "core/projekt/Projektdatei.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr double Budget_ms = 1000.0;

Projekt::Position position(int i)
{
    Projekt::Position p;
    p.nr = QString::number(i + 1);
    p.titel = QStringLiteral("Position %1").arg(i + 1);
    p.werkstoff = {QStringLiteral("S235JR"), 210000, 192, 104, 310, 1.14};
    p.mitProfil = true;
    p.profil = {QStringLiteral("IPE 200"), 194.3, 1943, 2848, 22.4, Projekt::Ausrichtung::Optimal};
    switch (i % 3) {
    case 0:
        p.art = Projekt::Art::Biegung;
        p.fall = 1 + (i / 3) % 13;
        p.last = 2000 + i;
        p.laenge = 4000;
        p.abstand = 1000;
        p.x = 1500;
        p.sigma_zul = 160;
        p.eigengewicht = (i / 3) % 2 == 0;
        p.grenze = 300;
        break;
    case 1:
        p.art = Projekt::Art::Knickung;
        p.fall = 1 + (i / 3) % 4;
        p.last = 50000 + 10 * i;
        p.laenge = 1000 + i;
        p.sicherheit = 3;
        break;
    default:
        p.art = Projekt::Art::Scherung;
        p.last = 20000 + i;
        p.sigma_zul = 80;
        break;
    }
    return p;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int wiederholungen = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    QTemporaryDir ordner;
    const QString projekt = ordner.filePath(QStringLiteral("gross.trabex"));
    const QString ergebnis = ordner.filePath(QStringLiteral("ergebnis.json"));
    Projekt::Daten d;
    for (int i = 0; i < anzahl; ++i)
        d.positionen.append(position(i));
    Projektdatei::speichern(d, projekt);

    QString zeilen;
    QString meldungen;
    int status = -1;
    const double ganz = median_ms(wiederholungen, [&] {
        zeilen.clear();
        meldungen.clear();
        QTextStream aus(&zeilen);
        QTextStream fehler(&meldungen);
        status = Kommandozeile::berechnen(projekt, ergebnis, aus, fehler).status;
    });
    const QByteArray ergebnisse = Textdatei::lesenRoh(ergebnis);
    const double basis = median_ms(wiederholungen, [&] {
        QJsonDocument::fromJson(Textdatei::lesenRoh(projekt));
        Textdatei::schreibenRoh(ergebnis, ergebnisse);
    });
    if (status != Kommandozeile::Erfuellt && status != Kommandozeile::NichtErfuellt) {
        std::fprintf(stderr, "Status %d:\n%s\n", status, qPrintable(meldungen));
        return 1;
    }
    std::printf("%d Positionen (%lld Byte Projekt, %lld Byte Ergebnisse), Median aus %d Läufen:\n", anzahl,
        static_cast<long long>(Textdatei::lesenRoh(projekt).size()), static_cast<long long>(ergebnisse.size()), wiederholungen);
    std::printf("  lesen, rechnen, Ergebnisse schreiben: %8.1f ms (Budget %.0f ms: %s)\n", ganz, Budget_ms,
        ganz <= Budget_ms ? "eingehalten" : "ÜBERSCHRITTEN");
    std::printf("  nur Dateien lesen und schreiben:      %8.1f ms\n", basis);
    return ganz <= Budget_ms ? 0 : 1;
}
