#include "core/app/Unit1.h"

#include "core/platform/Fliesskomma.h"

namespace Unit1 {

TMatdat Matdat;
TProfilbibliothek Profildat;
TProfildateinamenarray Profildateinamenarray;
TStr_Liste Str_Liste;
QStringList Memo;
S_Matrecord Materialzeile;
S_Profilrecord Profilzeile;

int Akt_Belastungsfall = 0;
TAkt_Profil Akt_Profil = TAkt_Profil::Rundstahl;
QString Sorte;
double Sigma_Zul = 0, Sigma_B = 0, Sigma_P = 0, E = 0, GrenzSchlankheit = 0, Gamma = 0;
double Sigma_K = 0, Schlankheitsgrad = 0;
double W = 0, I = 0, A = 0, Masse = 0;
QString ProfilArt, ProfilName;
TProfilachse Profilachse = TProfilachse::Keine;
TProfilrecord Bibliotheksprofil;
TProfilachse Biegeachse = TProfilachse::Imax;
TProfilachse Knickachse = TProfilachse::Imin;
double F = 0, L = 0, Lk = 0, Sk = 0, Sk_gewuenscht = 0, Abstand_a = 0, Abstand_b = 0, Lx = 0;
double fd = 0, Werf = 0, Wxerf = 0, Ierf = 0, Aerf = 0;
bool Last_Staendig = false;
QString Last_Kategorie = QStringLiteral("A");

Matrecord Freies_Material()
{
    Matrecord m;
    m.Sorte = QStringLiteral("LEER");
    m.Art = QStringLiteral("Leer");
    return m;
}

TProfilrecord Freies_Profil()
{
    TProfilrecord p;
    p.Art = QStringLiteral("LEER");
    p.Name = QStringLiteral("LEER");
    return p;
}

void Programminit()
{
    ProfilArt = QStringLiteral("Keines gewählt");
    ProfilName = QStringLiteral("Keiner gewählt");
    Profilachse = TProfilachse::Keine;
    Bibliotheksprofil = {};
    Biegeachse = TProfilachse::Imax;
    Knickachse = TProfilachse::Imin;
    W = I = A = Masse = 0;
    Matdat.fill(Freies_Material());
    for (TProfildat& familie : Profildat)
        familie.fill(Freies_Profil());
}

void Zustand_Zuruecksetzen()
{
    Matdat.fill(Matrecord {});
    Profildat.fill(TProfildat {});
    Profildateinamenarray.fill(QString());
    Str_Liste.fill(QString());
    Memo.clear();
    Materialzeile = {};
    Profilzeile = {};
    Akt_Belastungsfall = 0;
    Akt_Profil = TAkt_Profil::Rundstahl;
    Sorte.clear();
    ProfilArt.clear();
    ProfilName.clear();
    Profilachse = TProfilachse::Keine;
    Bibliotheksprofil = {};
    Biegeachse = TProfilachse::Imax;
    Knickachse = TProfilachse::Imin;
    Sigma_Zul = Sigma_B = Sigma_P = E = GrenzSchlankheit = Gamma = 0;
    Sigma_K = Schlankheitsgrad = 0;
    W = I = A = Masse = 0;
    F = L = Lk = Sk = Sk_gewuenscht = Abstand_a = Abstand_b = Lx = 0;
    fd = Werf = Wxerf = Ierf = Aerf = 0;
    Last_Staendig = false;
    Last_Kategorie = QStringLiteral("A");
}

void Zeile_Zerlegen(const QString& Zeile, TStr_Liste& Stringliste, int max_Eintrag)
{
    const int zuLeeren = std::clamp(max_Eintrag, 0, Max_Str_Liste + 1);
    for (int k = 0; k < zuLeeren; ++k)
        Stringliste[k].clear();
    int slot = 0;
    qsizetype anfang = 0;
    const qsizetype n = Zeile.size();
    for (qsizetype i = 0; i <= n && slot <= Max_Str_Liste; ++i) {
        if (i < n && Zeile[i] != QLatin1Char(';'))
            continue;
        Stringliste[slot] += QStringView(Zeile).mid(anfang, i - anfang);
        ++slot;
        anfang = i + 1;
    }
}

bool Zahl(const QString& Eingabe)
{
    qsizetype i = 0;
    const qsizetype n = Eingabe.size();
    auto ziffer = [&](qsizetype k) { return k < n && Eingabe[k] >= QLatin1Char('0') && Eingabe[k] <= QLatin1Char('9'); };
    while (i < n && Eingabe[i] == QLatin1Char(' '))
        ++i;
    if (i < n && (Eingabe[i] == QLatin1Char('+') || Eingabe[i] == QLatin1Char('-')))
        ++i;
    int ziffern = 0;
    while (ziffer(i)) {
        ++i;
        ++ziffern;
    }
    if (i < n && Eingabe[i] == QLatin1Char('.')) {
        ++i;
        while (ziffer(i)) {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < n && (Eingabe[i] == QLatin1Char('e') || Eingabe[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (Eingabe[i] == QLatin1Char('+') || Eingabe[i] == QLatin1Char('-')))
            ++i;
        if (!ziffer(i))
            return false;
        while (ziffer(i))
            ++i;
    }
    return i == n;
}

} // namespace Unit1
