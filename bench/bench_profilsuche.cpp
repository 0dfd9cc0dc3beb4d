// The profile finder over the whole delivered library, for bending case 5 (q = 5000 N/m,
// L = 4000 mm, σzul = 160 N/mm², S235, L/300) and buckling case 2, with and without the
// self-weight, lightest per family and all that hold. Each search is repeated and the median
// time is set against one frame at 60 Hz (16,7 ms), the budget of an answer that feels
// immediate; the baseline is a bare walk over the library that only compares W with W erf.
// Also prints the lists of case 5 for the closing note.
//
//   bench_profilsuche [Daten-Ordner] [Wiederholungen]
#include "Median.h"
#include "core/calc/Profilsuche.h"
#include "core/data/U_Profile.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double Frame_ms = 1000.0 / 60.0;

int profilzahl()
{
    int n = 0;
    for (const auto& familie : Unit1::Profildat)
        for (const auto& p : familie)
            n += p.Art != QStringLiteral("LEER");
    return n;
}

Profilsuche::Biegeaufgabe fall5(bool eigengewicht)
{
    Profilsuche::Biegeaufgabe a;
    a.rechnung.fall = 5;
    a.rechnung.e = {5000.0, 4000.0, 0.0, 210000.0, 0.0};
    a.rechnung.Sigma_Zul = 160.0;
    a.rechnung.eigengewicht = eigengewicht;
    a.grenze = 300;
    a.Gamma = 7.85;
    return a;
}

void liste(const char* titel, const Profilsuche::Ergebnis& e)
{
    std::printf("\n%s\n", titel);
    std::printf("  %-22s %-14s %9s %10s %11s %10s %9s %8s %7s\n", "Profiltyp", "Profil", "kg/m", "W cm3", "I cm4", "Werf cm3",
        "f mm", "L/f", "Ausn.%");
    for (const auto& k : e.leichteste())
        std::printf("  %-22s %-14s %9.2f %10.2f %11.2f %10.2f %9.4f %8.1f %7.1f\n", qPrintable(k.art), qPrintable(k.name),
            k.Masse, k.W, k.I, k.Werf, k.f, 4000.0 / k.f, k.Ausnutzung * 100.0);
    std::printf("  ohne passendes Profil: %s\n", qPrintable(e.ohneTreffer().join(QStringLiteral(", "))));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString daten = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TRABEX_DATEN);
    const int wiederholungen = argc > 2 ? std::max(1, std::atoi(argv[2])) : 51;
    Plattform::Meldungsrekorder still; // the loader's warnings go nowhere
    Unit1::Programminit();
    U_Profile::Profilbibliothek_Lesen(daten);
    std::printf("Bibliothek %s: %d Profile\n", qPrintable(daten), profilzahl());

    liste("Lastfall 5, q = 5000 N/m, L = 4000 mm, σzul = 160 N/mm², E = 210000 N/mm², γ = 7,85, L/300, ohne Eigengewicht",
        Profilsuche::Biegung(Unit1::Profildat, fall5(false), false));
    liste("dasselbe mit Eigengewicht", Profilsuche::Biegung(Unit1::Profildat, fall5(true), false));

    Profilsuche::Knickaufgabe knick;
    knick.fall = 2;
    knick.F = 100000.0;
    knick.L = 3000.0;
    knick.Sk_gewuenscht = 3.0;
    knick.E = 210000.0;
    knick.Sigma_P = 192.0;
    knick.GrenzSchlankheit = 103.9;
    knick.Tetmaier1 = 310.0;
    knick.Tetmaier2 = 1.14;
    knick.Gamma = 7.85;

    const double Werf = 5000.0 / 1000.0 * 4000.0 * 4000.0 / 8.0 / 160.0 / 1000.0;
    int treffer = 0;
    const double basis = median_ms(wiederholungen, [&] {
        treffer = 0;
        for (const auto& familie : Unit1::Profildat)
            for (const auto& p : familie)
                treffer += p.Art != QStringLiteral("LEER") && p.Wmax >= Werf;
    });

    struct Messung {
        const char* was;
        std::function<void()> lauf;
    };
    const std::vector<Messung> messungen {
        {"Biegung, leichtestes je Profilart, ohne Eigengewicht",
            [] { Profilsuche::Biegung(Unit1::Profildat, fall5(false), false); }},
        {"Biegung, alle passenden, ohne Eigengewicht", [] { Profilsuche::Biegung(Unit1::Profildat, fall5(false), true); }},
        {"Biegung, leichtestes je Profilart, mit Eigengewicht",
            [] { Profilsuche::Biegung(Unit1::Profildat, fall5(true), false); }},
        {"Biegung, alle passenden, mit Eigengewicht", [] { Profilsuche::Biegung(Unit1::Profildat, fall5(true), true); }},
        {"Knickung Fall 2, leichtestes je Profilart", [&] { Profilsuche::Knickung(Unit1::Profildat, knick, false); }},
        {"Knickung Fall 2, alle passenden", [&] { Profilsuche::Knickung(Unit1::Profildat, knick, true); }},
    };
    std::printf("\nMedian aus %d Läufen; ein Bild bei 60 Hz = %.1f ms\n", wiederholungen, Frame_ms);
    std::printf("  %-55s %9.3f ms  (Basis: nur W ≥ W erf. vergleichen, %d Treffer)\n", "Basis", basis, treffer);
    bool imRahmen = true;
    for (const Messung& m : messungen) {
        const double ms = median_ms(wiederholungen, m.lauf);
        imRahmen = imRahmen && ms <= Frame_ms;
        std::printf("  %-55s %9.3f ms  %5.1f %% eines Bildes\n", m.was, ms, ms / Frame_ms * 100.0);
    }
    std::printf("%s\n", imRahmen ? "Alle Suchen innerhalb eines Bildes." : "NICHT alle Suchen innerhalb eines Bildes.");
    return imRahmen ? 0 : 1;
}
