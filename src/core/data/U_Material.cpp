#include "core/data/U_Material.h"

#include "core/app/U_Dallg.h"
#include "core/app/Unit1.h"
#include "core/data/U_Lesen.h"
#include "core/platform/Textdatei.h"

#include <cmath>
#include <numbers>

namespace U_Material {

using namespace Unit1;

namespace {

// λ0 = π·√(E/σP), the slenderness below which Euler's formula no longer holds.
double grenzschlankheit(double e, double sigmaP)
{
    if (sigmaP == 0)
        return 0;
    const double verhaeltnis = e / sigmaP;
    return verhaeltnis > 0 ? std::numbers::pi * std::sqrt(verhaeltnis) : 0;
}

// One data line, already split into Str_Liste; `zeile` is its line number in the file.
Matrecord materialAusFeldern(int version, int zeile)
{
    auto zahl = [&](int spalte) {
        const double wert = U_Lesen::Zahl_Lesen(Str_Liste[spalte], Dateiname, zeile, spalte + 1);
        if (const QString grund = Wertfehler(spalte, wert); !grund.isEmpty())
            U_Lesen::Wert_Ablehnen(Str_Liste[spalte], grund, Dateiname, zeile, spalte + 1);
        return wert;
    };
    Matrecord m = Freies_Material();
    m.Sorte = kurz(Str_Liste[0], 20);
    m.E = zahl(1);
    m.SigmaB = zahl(2);
    m.SigmaP = zahl(3);
    m.Tetmaier1 = zahl(4);
    m.Tetmaier2 = zahl(5);
    m.Gamma = zahl(6);
    m.GrenzSchlankheit = grenzschlankheit(m.E, m.SigmaP);
    if (version != 1) {
        m.Art = Str_Liste[7];
        m.SigmaD = zahl(8);
        m.SigmaZ = zahl(9);
        m.SigmaS = zahl(10);
        if (!U_Lesen::Leerzeile(Str_Liste[Spalte_fy]))
            m.fy = zahl(Spalte_fy);
    }
    return m;
}

// The name of a column whose value cannot be negative, else empty.
QString nichtNegativ(int spalte)
{
    switch (spalte) {
    case 2:
        return QStringLiteral("SigmaB");
    case 3:
        return QStringLiteral("SigmaP");
    case 6:
        return QStringLiteral("das spezifische Gewicht");
    case 8:
        return QStringLiteral("SigmaD");
    case 9:
        return QStringLiteral("SigmaZ");
    case 10:
        return QStringLiteral("SigmaS");
    default:
        return {};
    }
}

} // namespace

QString Wertfehler(int spalte, double wert)
{
    if (spalte == 1)
        return wert > 0 ? QString() : QStringLiteral("der E-Modul muss größer als 0 sein");
    if (spalte == Spalte_fy)
        return wert > 0 ? QString() : QStringLiteral("die Streckgrenze fy muss größer als 0 sein");
    const QString name = nichtNegativ(spalte);
    return name.isEmpty() || wert >= 0 ? QString() : name + QStringLiteral(" darf nicht negativ sein");
}

int Version_Bestimmen(const QString& kopfzeile) { return U_Dallg::Anz_CSV_Spalten(kopfzeile) == 7 ? 1 : 2; }

void Materialdatei_Lesen(const QString& datendir)
{
    Memo.clear();
    Memo = Textdatei::lesen(Textdatei::finden(datendir, QStringLiteral("Material.CSV")));
    Main::Materialdatenbankversion = Version_Bestimmen(Memo.value(0));
}

void Material_Einlesen(int version)
{
    Matdat.fill(Freies_Material());
    int eintrag = 0;
    int ausgelassen = 0;
    for (qsizetype x = 1; x < Memo.size(); ++x) {
        const QString& zeile = Memo[x];
        if (U_Lesen::Leerzeile(zeile))
            continue;
        // Entry Max_Material stays free: it ends the material list.
        if (eintrag >= Max_Material) {
            ++ausgelassen;
            continue;
        }
        Zeile_Zerlegen(zeile, Str_Liste, version == 1 ? 7 : Spalte_fy + 1);
        Matdat[eintrag] = materialAusFeldern(version, int(x + 1));
        ++eintrag;
    }
    U_Lesen::Ueberzaehlige_Melden(Dateiname, ausgelassen, QStringLiteral("Werkstoffe"), Max_Material);
}

} // namespace U_Material
