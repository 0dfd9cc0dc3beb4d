#include "core/projekt/Positionszustand.h"

#include "core/calc/Nachweis.h"
#include "core/data/U_Einwirkungen.h"
#include "core/projekt/Profilabgleich.h"
#include "core/sections/Querschnittswerte.h"

#include <optional>

namespace Positionszustand {

using namespace Projekt;

namespace {

std::optional<Unit1::Matrecord> Positionswerkstoff;
// The orientation of a position's section of its own (which the shared state, having no axis for
// it, cannot hold), for as long as that section is the chosen one.
struct EigenerQuerschnitt {
    QString name;
    double W = 0, A = 0;
    Ausrichtung ausrichtung = Ausrichtung::Optimal;
    QString knicklinie;
};
std::optional<EigenerQuerschnitt> Eigener;

const QString KeinProfilart = QStringLiteral("Keines gewählt");
const QString KeinProfilname = QStringLiteral("Keiner gewählt");

// The material as the list's choice would leave it, with the values the position keeps: E for
// every kind, σP, λ0 and Tetmajer's line where the position is a column (a beam or a pin keeps
// none of them, so those of the table stay).
Unit1::Matrecord Werkstoff(const Position& p, const Unit1::TMatdat& matdat)
{
    const QString name = Unit1::kurz(p.werkstoff.name, 20);
    const Unit1::Matrecord* eintrag = Materialeintrag(name, matdat);
    Unit1::Matrecord m = eintrag ? *eintrag : Unit1::Matrecord {};
    m.Sorte = name;
    m.E = p.werkstoff.E;
    if (p.art == Art::Knickung) {
        m.SigmaP = p.werkstoff.sigma_p;
        m.GrenzSchlankheit = p.werkstoff.lambda_0;
        m.Tetmaier1 = p.werkstoff.tetmajer_a;
        m.Tetmaier2 = p.werkstoff.tetmajer_b;
    }
    if (p.werkstoff.fy > 0) // the position's fy holds over the table's
        m.fy = p.werkstoff.fy;
    return m;
}

void Werkstoff_Einsetzen(const Unit1::Matrecord& m)
{
    Unit1::Sorte = m.Sorte;
    Unit1::E = m.E;
    Unit1::Sigma_B = m.SigmaB;
    Unit1::Sigma_P = m.SigmaP;
    Unit1::GrenzSchlankheit = m.GrenzSchlankheit;
    Unit1::Gamma = m.Gamma;
    Positionswerkstoff = m;
}

Unit1::TProfilachse Achse(Ausrichtung a)
{
    return a == Ausrichtung::Quer ? Unit1::TProfilachse::Imin : Unit1::TProfilachse::Imax;
}

// The section of the position as the profile selection leaves it; a section of its own also
// into `eigener`, where given.
Querschnittswerte::Gewaehltes_Profil querschnitt(
    const Position& p, const Unit1::TProfilbibliothek& bibliothek, std::optional<EigenerQuerschnitt>* eigener)
{
    if (!p.mitProfil)
        return {0, 0, 0, 0, KeinProfilart, KeinProfilname, Unit1::TProfilachse::Keine, {}};
    const Profil& eigen = p.profil;
    const Unit1::TProfilrecord* eintrag = Profilabgleich::Bibliothekseintrag(eigen.name, bibliothek);
    const Unit1::TProfilachse achse = Achse(eigen.ausrichtung);
    if (eintrag) {
        auto gewaehlt = Querschnittswerte::Gewaehltes_Profil::ausBibliothek(*eintrag, achse == Unit1::TProfilachse::Imax);
        // Only the library's very values: the dialogs turn a library profile by its record. A
        // column's position may keep no W, which it does not read.
        if ((eigen.W == 0 || gewaehlt.W == eigen.W) && gewaehlt.I == eigen.I && gewaehlt.A == eigen.A) {
            gewaehlt.Masse = eigen.masse;
            if (!eigen.knicklinie.isEmpty()) // the position's curve holds over the library's
                (achse == Unit1::TProfilachse::Imax ? gewaehlt.Bibliotheksprofil.Knicklinie_max
                                                    : gewaehlt.Bibliotheksprofil.Knicklinie_min)
                    = eigen.knicklinie;
            return gewaehlt;
        }
    }
    const QString art = eintrag ? eintrag->Art : QStringLiteral("Eigenes Profil");
    if (eigener)
        *eigener = EigenerQuerschnitt {Unit1::kurz(eigen.name, 15), eigen.W, eigen.A, eigen.ausrichtung, eigen.knicklinie};
    return {eigen.W, eigen.I, eigen.A, eigen.masse, art, Unit1::kurz(eigen.name, 15), Unit1::TProfilachse::Keine, {}};
}

// Bending and the general beam judge a deflection limit.
bool biegt(const Position& p) { return p.art == Art::Biegung || p.art == Art::Traeger; }

// The classic dialogs with one load judge it as an action.
bool hatEinwirkung(const Position& p) { return p.art == Art::Biegung || p.art == Art::Knickung; }

// The section of its own that a position put into the state, while it is the chosen one.
const EigenerQuerschnitt* eigenerGewaehlt()
{
    using namespace Unit1;
    return Eigener && Profilachse == TProfilachse::Keine && Eigener->name == ProfilName && Eigener->W == W && Eigener->A == A
        ? &*Eigener
        : nullptr;
}

void Ergebnisse_Loeschen()
{
    using namespace Unit1;
    Werf = Wxerf = fd = Ierf = Aerf = 0;
    Sigma_K = Sk = Schlankheitsgrad = Lk = 0;
}

} // namespace

void einsetzen(const Position& p, const Unit1::TMatdat& matdat, const Unit1::TProfilbibliothek& bibliothek)
{
    using namespace Unit1;
    // Shear has one case and the general beam none.
    Akt_Belastungsfall = p.art == Art::Biegung || p.art == Art::Knickung ? p.fall : 0;
    if (!p.werkstoff.name.isEmpty()) // a pin of an older file keeps no material: the chosen one stays
        Werkstoff_Einsetzen(Werkstoff(p, matdat));
    Eigener.reset();
    const Querschnittswerte::Gewaehltes_Profil profil = querschnitt(p, bibliothek, &Eigener);
    profil.wiederherstellen();
    if (profil.Profilachse != TProfilachse::Keine) // the axis the position's dialog turns it to
        (p.art == Art::Knickung ? Knickachse : Biegeachse) = profil.Profilachse;
    F = p.last;
    L = p.laenge;
    Abstand_a = p.abstand;
    Abstand_b = p.laenge - p.abstand;
    Lx = p.x;
    Sigma_Zul = p.sigma_zul;
    if (p.art == Art::Knickung && p.sigma_zul == 0) // a column keeps none: the material's, as the list sets it
        Sigma_Zul = Zulaessige_Spannung(Sigma_B, Positionswerkstoff->Art);
    Sk_gewuenscht = p.sicherheit;
    if (biegt(p))
        Nachweis::Durchbiegungsgrenze = p.grenze;
    if (hatEinwirkung(p)) {
        Last_Staendig = p.einwirkung == Traegerrechnung::Einwirkung::Staendig;
        Last_Kategorie = p.kategorie;
    }
    Ergebnisse_Loeschen();
}

Querschnittswerte::Gewaehltes_Profil Querschnitt(const Position& p, const Unit1::TProfilbibliothek& bibliothek)
{
    return querschnitt(p, bibliothek, nullptr);
}

const Unit1::Matrecord* Werkstoffeintrag(int gewaehlterEintrag, const Unit1::TMatdat& matdat)
{
    if (Positionswerkstoff)
        return &*Positionswerkstoff;
    if (gewaehlterEintrag < 0 || gewaehlterEintrag > Unit1::Max_Material)
        return nullptr;
    return &matdat[std::size_t(gewaehlterEintrag)];
}

void Werkstoff_Vergessen() { Positionswerkstoff.reset(); }

Position aufnehmen(const Position& eingaben, const Unit1::Matrecord* werkstoff)
{
    using namespace Unit1;
    Position p = eingaben;
    p.werkstoff = {Sorte, E, 0, 0, 0, 0};
    if (p.art == Art::Knickung) {
        p.werkstoff.lambda_0 = GrenzSchlankheit;
        if (werkstoff) {
            p.werkstoff.sigma_p = werkstoff->SigmaP;
            p.werkstoff.tetmajer_a = werkstoff->Tetmaier1;
            p.werkstoff.tetmajer_b = werkstoff->Tetmaier2;
        }
    }
    p.mitProfil = ProfilName != KeinProfilname && (W != 0 || I != 0 || A != 0 || Masse != 0);
    p.profil = {};
    if (p.mitProfil)
        p.profil = {ProfilName, W, I, A, Masse, Profilachse == TProfilachse::Imin ? Ausrichtung::Quer : Ausrichtung::Optimal};
    if (p.mitProfil) {
        if (const EigenerQuerschnitt* eigen = eigenerGewaehlt())
            p.profil.ausrichtung = eigen->ausrichtung;
        p.profil.knicklinie = Knicklinie();
    }
    if (p.art != Art::Scherung)
        p.werkstoff.fy = Eurocode_Werkstoff(werkstoff).fy;
    p.grenze = biegt(p) ? Nachweis::Durchbiegungsgrenze : 0;
    p.einwirkung = Traegerrechnung::Einwirkung::Veraenderlich;
    p.kategorie = QStringLiteral("A");
    if (hatEinwirkung(p)) {
        p.einwirkung = Last_Staendig ? Traegerrechnung::Einwirkung::Staendig : Traegerrechnung::Einwirkung::Veraenderlich;
        p.kategorie = Last_Kategorie;
    }
    return p;
}

const Unit1::Matrecord* Materialeintrag(const QString& name, const Unit1::TMatdat& matdat)
{
    for (std::size_t k = 0; k < matdat.size(); ++k) {
        if (k > 0 && matdat[k].Sorte == QStringLiteral("LEER"))
            break;
        if (matdat[k].Sorte == name)
            return &matdat[k];
    }
    return nullptr;
}

QString Knicklinie()
{
    using namespace Unit1;
    switch (Profilachse) {
    case TProfilachse::Imax:
        return Bibliotheksprofil.Knicklinie_max;
    case TProfilachse::Imin:
        return Bibliotheksprofil.Knicklinie_min;
    case TProfilachse::Keine:
        break;
    }
    const EigenerQuerschnitt* eigen = eigenerGewaehlt();
    return eigen ? eigen->knicklinie : QString();
}

Eurocode::Werkstoff Eurocode_Werkstoff(const Unit1::Matrecord* werkstoff)
{
    if (!werkstoff)
        werkstoff = Positionswerkstoff ? &*Positionswerkstoff : Materialeintrag(Unit1::Sorte);
    return {Unit1::Sorte, werkstoff ? werkstoff->Art : QString(), werkstoff ? werkstoff->fy : 0.0};
}

Eurocode::Last Eurocode_Last(bool staendig, const QString& kategorie, const std::vector<Eurocode::Kategorie>& kategorien)
{
    Eurocode::Last l;
    l.einwirkung = staendig ? Traegerrechnung::Einwirkung::Staendig : Traegerrechnung::Einwirkung::Veraenderlich;
    l.kategorie = Eurocode::Kategorie_Finden(kategorien, kategorie).value_or(Eurocode::Kategorie {kategorie});
    return l;
}

} // namespace Positionszustand
