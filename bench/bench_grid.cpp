// Loading, sorting by a numeric column ("ZAHL") and saving a grid file, against a plain C++
// baseline doing the same work (read lines, split, sort by the parsed number, write). Each
// run is a fresh process of this program, so that its peak memory is its own.
//
//   bench_grid            runs everything and prints the table
//   bench_grid raster|basis|leer FILE   one run (used by the table)
#include "core/grid/SGcomp.h"
#include "core/platform/Meldungen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Spalten = 11;
constexpr int Zahlspalte = 1;

void dateiErzeugen(const QString& pfad, int zeilen)
{
    QRandomGenerator zufall(20261210);
    QByteArray text = "NAME;ZAHL;Wmax;Wmin;Imax;Imin;A;Art;SigmaD;SigmaZ;SigmaS\r\n";
    for (int r = 0; r < zeilen; ++r) {
        const double wert = double(zufall.bounded(1000000)) / 100.0; // duplicates happen
        text += "Profil " + QByteArray::number(r) + ';' + QByteArray::number(wert, 'f', 2);
        for (int c = 2; c < Spalten; ++c)
            text += ';' + QByteArray::number(zufall.bounded(100000));
        text += "\r\n";
    }
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        std::exit(2);
}

// The program's way: the grid's own load, "ZAHL" sort and save.
void rasterLauf(const QString& pfad)
{
    Plattform::Meldungsrekorder stumm;
    SGcomp::TRaster raster;
    raster.setFixedRows(1);
    raster.LoadFromFile(pfad);
    raster.setFixedRows(1);
    raster.sort(QStringLiteral("ZAHL"), Zahlspalte);
    raster.SaveToFile(pfad + QStringLiteral(".raster"));
    if (!stumm.meldungen.isEmpty())
        std::exit(3);
}

// The plain way: lines, fields, a sort by the parsed number, lines out.
void basisLauf(const QString& pfad)
{
    std::ifstream ein(pfad.toStdString(), std::ios::binary);
    std::string zeile;
    std::vector<std::vector<std::string>> zeilen;
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        std::vector<std::string> felder;
        std::size_t anfang = 0;
        for (std::size_t i = 0; i <= zeile.size(); ++i)
            if (i == zeile.size() || zeile[i] == ';') {
                felder.emplace_back(zeile, anfang, i - anfang);
                anfang = i + 1;
            }
        zeilen.push_back(std::move(felder));
    }
    std::vector<std::pair<double, std::size_t>> schluessel;
    schluessel.reserve(zeilen.size());
    for (std::size_t r = 1; r < zeilen.size(); ++r)
        schluessel.emplace_back(std::strtod(zeilen[r][Zahlspalte].c_str(), nullptr), r);
    std::sort(schluessel.begin(), schluessel.end());
    std::ofstream aus((pfad + QStringLiteral(".basis")).toStdString(), std::ios::binary);
    auto schreiben = [&](const std::vector<std::string>& felder) {
        for (std::size_t c = 0; c < felder.size(); ++c) {
            if (c > 0)
                aus << ';';
            aus << felder[c];
        }
        aus << "\r\n";
    };
    schreiben(zeilen[0]);
    for (const auto& [wert, r] : schluessel)
        schreiben(zeilen[r]);
}

struct Messung {
    double sekunden;
    long spitzeKB;
};

// Runs one mode in a fresh process; its wall time and peak resident memory.
Messung messen(const char* programm, const char* modus, const QString& pfad)
{
    QElapsedTimer uhr;
    uhr.start();
    const pid_t kind = fork();
    if (kind == 0) {
        execl(programm, programm, modus, pfad.toLocal8Bit().constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage nutzung {};
    wait4(kind, &status, 0, &nutzung);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "Lauf %s fehlgeschlagen (%d)\n", modus, status);
        std::exit(1);
    }
    return {double(uhr.nsecsElapsed()) / 1e9, nutzung.ru_maxrss};
}

// Best of five runs: the machine is shared, the minimum is the least disturbed.
Messung besteVonFuenf(const char* programm, const char* modus, const QString& pfad)
{
    Messung beste = messen(programm, modus, pfad);
    for (int k = 0; k < 4; ++k) {
        const Messung m = messen(programm, modus, pfad);
        beste.sekunden = std::min(beste.sekunden, m.sekunden);
        beste.spitzeKB = std::min(beste.spitzeKB, m.spitzeKB);
    }
    return beste;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc == 3) {
        const QString modus = QString::fromLocal8Bit(argv[1]);
        const QString pfad = QString::fromLocal8Bit(argv[2]);
        if (modus == QLatin1String("raster"))
            rasterLauf(pfad);
        else if (modus == QLatin1String("basis"))
            basisLauf(pfad);
        return 0; // "leer": the start-up alone, subtracted from both
    }

    QTemporaryDir ordner;
    std::printf("Raster laden, nach ZAHL sortieren, speichern; %d Spalten\n", Spalten);
    std::printf(
        "%8s | %10s %10s %7s | %10s %10s %7s\n", "Zeilen", "Raster s", "Basis s", "Zeit x", "Raster MB", "Basis MB", "Speich x");
    double zeitRaster[2] = {}, zeitBasis[2] = {};
    int k = 0;
    for (const int zeilen : {10000, 100000}) {
        const QString pfad = ordner.path() + QStringLiteral("/g%1.csv").arg(zeilen);
        dateiErzeugen(pfad, zeilen);
        const Messung leer = besteVonFuenf(argv[0], "leer", pfad);
        const Messung raster = besteVonFuenf(argv[0], "raster", pfad);
        const Messung basis = besteVonFuenf(argv[0], "basis", pfad);
        // The memory of the work itself: the peak above what the bare process start takes.
        const double rasterMB = double(raster.spitzeKB - leer.spitzeKB) / 1024.0;
        const double basisMB = double(basis.spitzeKB - leer.spitzeKB) / 1024.0;
        std::printf("%8d | %10.3f %10.3f %7.2f | %10.1f %10.1f %7.2f\n", zeilen, raster.sekunden - leer.sekunden,
            basis.sekunden - leer.sekunden, (raster.sekunden - leer.sekunden) / (basis.sekunden - leer.sekunden), rasterMB,
            basisMB, rasterMB / basisMB);
        zeitRaster[k] = raster.sekunden - leer.sekunden;
        zeitBasis[k] = basis.sekunden - leer.sekunden;
        ++k;
    }
    std::printf("Wachstum 10 000 -> 100 000 Zeilen: Raster %.1f x, Basis %.1f x (n log n: %.1f x)\n",
        zeitRaster[1] / zeitRaster[0], zeitBasis[1] / zeitBasis[0], 10.0 * std::log(100000.0) / std::log(10000.0));
    return 0;
}
