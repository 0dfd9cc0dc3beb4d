// Start-up of Trabex against a bare Qt program that shows an empty tabbed window of the same
// size. Each run is a fresh process (so loading libraries and fonts counts), alternating the
// two kinds; the medians are compared. Usage: bench_start [runs] (default 15).
// The program directory whose Daten/ is loaded is the folder of the trabex executable.
#include "Median.h"
#include "gui/Main.h"
#include "gui/platform/Oberflaeche.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// Peak resident memory of this process in KiB.
long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Child: start, show, wait until the event queue is idle, print the peak memory, quit.
int kind(int argc, char* argv[], bool trabex, const QString& programmverzeichnis)
{
    Plattform::Anwendung anwendung(argc, argv);
    QWidget* fenster = nullptr;
    if (trabex) {
        Main::Programmverzeichnis_Setzen(programmverzeichnis);
        Main::Programmstart();
        fenster = Main::Mainform;
    } else {
        auto* tabs = new QTabWidget;
        tabs->resize(1008, 661);
        for (const char* t : {"Berechnungen", "Werkstoffauswahl", "Werkstoffdatenbank", "Profileditor"})
            tabs->addTab(new QWidget, QString::fromLatin1(t));
        fenster = tabs;
    }
    fenster->show();
    QTimer::singleShot(0, &anwendung, [] { QCoreApplication::exit(0); });
    anwendung.exec();
    std::printf("%ld\n", peakRssKiB());
    std::fflush(stdout);
    std::_Exit(0); // the measurement ends at idle; tearing down is not part of start-up
}

struct Messung {
    double ms;
    long kib;
};

Messung lauf(const QString& selbst, const QString& art, const QString& programmverzeichnis)
{
    QProcess p;
    QElapsedTimer uhr;
    uhr.start();
    p.start(selbst, {art, programmverzeichnis});
    p.waitForFinished(60000);
    const double ms = uhr.nsecsElapsed() / 1e6;
    return {ms, QString::fromLatin1(p.readAllStandardOutput()).trimmed().toLong()};
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && (qstrcmp(argv[1], "--trabex") == 0 || qstrcmp(argv[1], "--leer") == 0))
        return kind(argc, argv, qstrcmp(argv[1], "--trabex") == 0, QString::fromLocal8Bit(argv[2]));

    QCoreApplication anwendung(argc, argv);
    const int laeufe = argc > 1 ? std::max(3, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    const QString selbst = QCoreApplication::applicationFilePath();
    const QString programmverzeichnis = QCoreApplication::applicationDirPath() + QStringLiteral("/../");
    std::vector<double> zeitT, zeitL;
    std::vector<long> speicherT, speicherL;
    lauf(selbst, QStringLiteral("--trabex"), programmverzeichnis); // warm the file cache
    for (int k = 0; k < laeufe; ++k) {
        const Messung t = lauf(selbst, QStringLiteral("--trabex"), programmverzeichnis);
        const Messung l = lauf(selbst, QStringLiteral("--leer"), programmverzeichnis);
        zeitT.push_back(t.ms);
        speicherT.push_back(t.kib);
        zeitL.push_back(l.ms);
        speicherL.push_back(l.kib);
    }
    const double mt = median(zeitT), ml = median(zeitL);
    std::printf("Start-up, median of %d runs each (process start to idle main window):\n", laeufe);
    std::printf("  Trabex with delivered data: %8.1f ms, peak RSS %6ld KiB\n", mt, median(speicherT));
    std::printf("  bare Qt tabbed window:      %8.1f ms, peak RSS %6ld KiB\n", ml, median(speicherL));
    std::printf("  ratio (target <= 1.25):     %8.2f\n", mt / ml);
    return 0;
}
