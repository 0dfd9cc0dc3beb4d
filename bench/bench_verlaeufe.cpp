// Opening the "Verläufe" window after a calculation: the first opening (the window and its
// charts are created) against every later one (a new calculation, then the window shows it),
// each until the window is drawn. One frame at 60 Hz is 16.7 ms of work.
// Usage: bench_verlaeufe [runs] (default 30). The program directory whose Daten/ is loaded is
// the folder of the trabex executable.
#include "Median.h"
#include "core/app/Unit1.h"
#include "gui/Main.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_verlauf.h"
#include "gui/platform/Oberflaeche.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TDLG_Biegung1* dialog() { return U_bieg1::DLG_Biegung1; }

// A calculation of case 5 with the load `last`, as the user presses both buttons.
void rechnen(int last)
{
    dialog()->Felder.E_Last->setText(QString::number(last));
    dialog()->Felder.B_Berechnen_W->click();
    dialog()->Felder.B_Berechnung_f->click();
}

// Presses "Verläufe" and waits until the window has been drawn; milliseconds.
double oeffnen()
{
    QElapsedTimer uhr;
    uhr.start();
    dialog()->B_Verlaeufe->click();
    QWidget* fenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("DLG_Verlaeufe"))
            fenster = w;
    fenster->grab(); // lays out and paints the window and its three charts
    return uhr.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Plattform::Anwendung anwendung(argc, argv);
    const int laeufe = argc > 1 ? std::max(3, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    Main::Programmverzeichnis_Setzen(QCoreApplication::applicationDirPath() + QStringLiteral("/../"));
    Main::Programmstart();
    Unit1::Akt_Belastungsfall = 5;
    Unit1::E = 210000;
    Unit1::I = 1943;
    Unit1::W = 194.3;
    Plattform::aktivieren(dialog());
    dialog()->Felder.E_Laenge->setText(QStringLiteral("4000"));
    dialog()->Felder.E_SigmaZul->setText(QStringLiteral("120"));
    dialog()->Felder.E_x->setText(QStringLiteral("1000"));
    dialog()->Felder.E_I->setText(QStringLiteral("1943"));

    rechnen(5000);
    const double erstes = oeffnen();
    QWidget* fenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("DLG_Verlaeufe"))
            fenster = w;
    // The user closed the window, computes again and opens it: the charts are refilled then.
    std::vector<double> geschlossen, offen, rechnungOffen;
    for (int k = 0; k < laeufe; ++k) {
        fenster->hide();
        rechnen(5000 + 100 * (k + 1));
        geschlossen.push_back(oeffnen());
    }
    // The window stays open: each calculation refills it, opening only raises and draws it.
    for (int k = 0; k < laeufe; ++k) {
        QElapsedTimer uhr;
        uhr.start();
        rechnen(9000 + 100 * (k + 1));
        rechnungOffen.push_back(uhr.nsecsElapsed() / 1e6);
        offen.push_back(oeffnen());
    }
    std::printf("\"Verläufe\" nach einer Rechnung öffnen, bis das Fenster gezeichnet ist (Median von %d Läufen):\n", laeufe);
    std::printf("  erstes Öffnen (Fenster und Diagramme neu):                %8.2f ms\n", erstes);
    std::printf("  Fenster war geschlossen, Diagramme neu gefüllt:           %8.2f ms\n", median(geschlossen));
    std::printf("  Fenster war offen (schon von der Rechnung gefüllt):       %8.2f ms\n", median(offen));
    std::printf("  Rechnung (beide Knöpfe) bei offenem Fenster:              %8.2f ms\n", median(rechnungOffen));
    std::printf("  Ziel: späteres Öffnen <= 16,7 ms (ein Bild bei 60 Hz)\n");
    std::fflush(stdout);
    std::_Exit(0); // tearing down is not part of the measurement
}
