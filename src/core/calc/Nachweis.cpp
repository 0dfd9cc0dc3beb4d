#include "core/calc/Nachweis.h"

#include "core/platform/Zahlen.h"

#include <cmath>

namespace Nachweis {

using Zahlen::fixiert;

int Durchbiegungsgrenze = 0;

namespace {

const QString Erfuellt = QStringLiteral("erfüllt");
const QString NichtErfuellt = QStringLiteral("nicht erfüllt");

QString prozent(double anteil) { return fixiert(anteil * 100.0, 1) + QStringLiteral(" %"); }

// "<was>: |erf| = … ≤ vorh = …, Ausnutzung … % – erfüllt" and its opposite.
Urteil vergleich(
    const QString& was, const QString& erfName, double erf, const QString& vorhName, double vorh, const QString& einheit)
{
    if (!(vorh > 0))
        return {Zustand::KeinProfil, was + QStringLiteral(": kein Profil gewählt")};
    const bool haelt = std::fabs(erf) <= vorh;
    const QString text
        = QStringLiteral("%1: %2 = %3 %4 %5 %6 = %7 %4, Ausnutzung %8 – %9")
              .arg(was, erfName, fixiert(std::fabs(erf), 2), einheit, haelt ? QStringLiteral("≤") : QStringLiteral(">"), vorhName,
                  fixiert(vorh, 2), prozent(Ausnutzung(erf, vorh)), haelt ? Erfuellt : NichtErfuellt);
    return {haelt ? Zustand::Erfuellt : Zustand::NichtErfuellt, text};
}

} // namespace

QString Grenzentext(int grenze) { return grenze > 0 ? QStringLiteral("L/%1").arg(grenze) : QStringLiteral("keine"); }

double Ausnutzung(double erf, double vorh) { return std::fabs(erf) / vorh; }

bool Durchbiegung_haelt(double L, double fd, int grenze) { return grenze <= 0 || std::fabs(fd) * grenze <= L; }

Urteil Biegung(double Werf, double W)
{
    return vergleich(
        QStringLiteral("Nachweis Biegung"), QStringLiteral("|W erf.|"), Werf, QStringLiteral("W"), W, QStringLiteral("cm³"));
}

Urteil Durchbiegung(double L, double fd, int grenze)
{
    const QString was = QStringLiteral("Nachweis Durchbiegung");
    if (grenze <= 0)
        return {Zustand::Offen, was + QStringLiteral(": keine Grenze gewählt")};
    if (fd == 0) // nothing bends: no ratio to show
        return {Zustand::Erfuellt, was + QStringLiteral(": keine Durchbiegung – ") + Erfuellt};
    const bool haelt = Durchbiegung_haelt(L, fd, grenze);
    const QString lf = fd == 0 ? QStringLiteral("∞") : fixiert(L / std::fabs(fd), 2);
    const QString text
        = QStringLiteral("%1: L/f = %2 %3 %4 (f = %5 mm %6 L/%4 = %7 mm) – %8")
              .arg(was, lf, haelt ? QStringLiteral("≥") : QStringLiteral("<"), QString::number(grenze), fixiert(std::fabs(fd), 2),
                  haelt ? QStringLiteral("≤") : QStringLiteral(">"), fixiert(L / grenze, 2), haelt ? Erfuellt : NichtErfuellt);
    return {haelt ? Zustand::Erfuellt : Zustand::NichtErfuellt, text};
}

Urteil Abscherung(double Aerf, double A)
{
    return vergleich(
        QStringLiteral("Nachweis Abscherung"), QStringLiteral("A erf."), Aerf, QStringLiteral("A"), A, QStringLiteral("mm²"));
}

} // namespace Nachweis
