#include "core/data/U_Profile.h"

#include "core/calc/Eurocode.h"
#include "core/data/U_Lesen.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"

#include <QFileInfo>
#include <optional>

namespace U_Profile {

using namespace Unit1;

namespace {

// The names of the number columns 2 to 6, as the header of a family file writes them.
const QString Zahlspalten[]
    = {QStringLiteral("Wmax"), QStringLiteral("Wmin"), QStringLiteral("Imax"), QStringLiteral("Imin"), QStringLiteral("A")};

// One data line, already split into Str_Liste; `zeile` is its line number in the file. A value
// that reads but cannot be physical gives no profile: `abgelehnt` then tells why.
std::optional<TProfilrecord> profilAusFeldern(const QString& datei, int zeile, QString& abgelehnt)
{
    double werte[7] = {};
    for (int spalte = 2; spalte <= 6; ++spalte) {
        werte[spalte] = U_Lesen::Zahl_Lesen(Str_Liste[spalte], datei, zeile, spalte + 1);
        if (const QString grund = Wertfehler(spalte, werte[spalte]); !grund.isEmpty()) {
            abgelehnt = U_Lesen::Wertfehlertext(Str_Liste[spalte], grund, datei, zeile, spalte + 1);
            return std::nullopt;
        }
    }
    for (const int spalte : {Spalte_Knicklinie_max, Spalte_Knicklinie_min})
        if (const QString grund = Knicklinienfehler(Str_Liste[spalte]); !grund.isEmpty()) {
            abgelehnt = U_Lesen::Wertfehlertext(Str_Liste[spalte], grund, datei, zeile, spalte + 1);
            return std::nullopt;
        }
    TProfilrecord p;
    p.Art = kurz(Str_Liste[0], 30);
    p.Name = kurz(Str_Liste[1], 15);
    p.Wmax = werte[2];
    p.Wmin = werte[3];
    p.Imax = werte[4];
    p.Imin = werte[5];
    p.A = werte[6] * 100; // cm² in the file, mm² in the program
    p.Knicklinie_max = Str_Liste[Spalte_Knicklinie_max].trimmed();
    p.Knicklinie_min = Str_Liste[Spalte_Knicklinie_min].trimmed();
    return p;
}

// One report for the rows of a family that were left out for impossible values.
void abgelehnteMelden(const QStringList& abgelehnt)
{
    if (abgelehnt.isEmpty())
        return;
    const QString schluss = abgelehnt.size() == 1
        ? QStringLiteral("Diese Zeile wird übersprungen; die übrigen Profile werden geladen.")
        : QStringLiteral("Diese %1 Zeilen werden übersprungen; die übrigen Profile werden geladen.").arg(abgelehnt.size());
    // A family of 150 bad rows must not fill the screen: the first few name the kind of fault.
    constexpr int gezeigt = 5;
    QStringList zeilen = abgelehnt.mid(0, gezeigt);
    if (abgelehnt.size() > gezeigt)
        zeilen << QStringLiteral("…");
    Plattform::fehlerbericht(zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n') + schluss);
}

// The lines of a file of the data directory. A name that leads to a folder (".", "..") is
// refused like a missing file instead of being read as an empty family.
QStringList dateiLesen(const QString& datendir, const QString& name)
{
    // No file system has names this long; a stray line of the index must not fill the message.
    constexpr int maxName = 255;
    if (name.size() > maxName)
        throw Plattform::Fehler::datei(kurz(name, 40) + QStringLiteral("…"), QStringLiteral("Der Name ist zu lang."));
    const QString pfad = Textdatei::finden(datendir, name);
    if (QFileInfo(pfad).isDir())
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Der Name bezeichnet ein Verzeichnis."));
    return Textdatei::lesen(pfad);
}

// The name an empty family is listed under: its file name without the extension.
QString familienname(const QString& datei)
{
    const QString name = kurz(QFileInfo(datei).completeBaseName(), 30);
    return name.isEmpty() ? Freies_Profil().Art : name;
}

// Family Nr from the file named in Profildateinamenarray[Nr]. A file that cannot be read or
// holds a bad number is reported with the reason and leaves the family free; false then.
bool familieLaden(const QString& datendir, int Nr)
{
    try {
        Memo.clear();
        Memo = dateiLesen(datendir, Profildateinamenarray[Nr]);
        Profil_Einlesen(Nr);
        return true;
    } catch (const Plattform::Fehler& f) {
        Profildat[Nr].fill(Freies_Profil());
        Plattform::fehlerbericht(
            f.text() + QStringLiteral("\nDiese Profilfamilie wird übersprungen; die übrigen werden geladen."));
        return false;
    }
}

} // namespace

QString Wertfehler(int spalte, double wert)
{
    if (spalte < 2 || spalte > 6 || wert > 0)
        return {};
    return Zahlspalten[spalte - 2] + QStringLiteral(" muss größer als 0 sein");
}

QString Knicklinienfehler(const QString& feld)
{
    const QString linie = feld.trimmed();
    if (linie.isEmpty() || Eurocode::Imperfektionsbeiwert(linie))
        return {};
    return QStringLiteral("die Knicklinie muss a0, a, b, c oder d sein");
}

void Profildateinamen_Lesen(TProfildateinamenarray& Dateinamenarray, int& Letzte_Zeile)
{
    int anzahl = 0;
    int ausgelassen = 0;
    for (const QString& zeile : std::as_const(Memo)) {
        if (U_Lesen::Leerzeile(zeile))
            continue;
        if (anzahl >= Max_Familie) {
            ++ausgelassen;
            continue;
        }
        Dateinamenarray[anzahl++] = zeile;
    }
    for (int k = anzahl; k <= Max_Familie; ++k)
        Dateinamenarray[k].clear();
    Letzte_Zeile = anzahl - 1;
    U_Lesen::Ueberzaehlige_Melden(Indexname, ausgelassen, QStringLiteral("Profilfamilien"), Max_Familie);
}

void Profil_Einlesen(int Nr)
{
    if (Nr < 0 || Nr > Max_Familie)
        throw Plattform::Fehler::listenindex(Nr);
    TProfildat& familie = Profildat[Nr];
    const QString& datei = Profildateinamenarray[Nr];
    familie.fill(Freies_Profil());
    int eintrag = 0;
    int ausgelassen = 0;
    QStringList abgelehnt;
    for (qsizetype x = 1; x < Memo.size(); ++x) {
        const QString& zeile = Memo[x];
        if (U_Lesen::Leerzeile(zeile))
            continue;
        // Entry Max_Profil stays free: it ends the profile list.
        if (eintrag >= Max_Profil) {
            ++ausgelassen;
            continue;
        }
        Zeile_Zerlegen(zeile, Str_Liste, Spalte_Knicklinie_min + 1);
        QString grund;
        if (const auto profil = profilAusFeldern(datei, int(x + 1), grund))
            familie[eintrag++] = *profil;
        else
            abgelehnt << grund;
    }
    if (eintrag == 0)
        familie[0].Art = familienname(datei);
    abgelehnteMelden(abgelehnt);
    U_Lesen::Ueberzaehlige_Melden(datei, ausgelassen, QStringLiteral("Profile"), Max_Profil);
}

void Profilbibliothek_Lesen(const QString& datendir)
{
    Memo = dateiLesen(datendir, Indexname);
    TProfildateinamenarray namen;
    int letzte = -1;
    Profildateinamen_Lesen(namen, letzte);
    int geladen = 0;
    for (int k = 0; k <= letzte; ++k) {
        Profildateinamenarray[geladen] = namen[k];
        if (familieLaden(datendir, geladen))
            ++geladen;
    }
    for (int k = geladen; k <= Max_Familie; ++k) {
        Profildateinamenarray[k].clear();
        Profildat[k].fill(Freies_Profil());
    }
}

} // namespace U_Profile
