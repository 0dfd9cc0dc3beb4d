#include "gui/data/Tab_Einwirkungen.h"

#include "core/app/Programmzustand.h"
#include "core/data/U_Einwirkungen.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Bausteine.h"

#include <QLabel>
#include <QPushButton>

namespace {

bool istFaktorspalte(int spalte) { return spalte >= 3; }

QString Zellenfehler(int spalte, const QString& zelle)
{
    if (istFaktorspalte(spalte)) {
        const QString zahl = SGcomp::Zahlfehler(zelle);
        if (!zahl.isEmpty())
            return zahl;
    }
    return SGcomp::Unzulaessig(zelle, U_Einwirkungen::Zellenfehler(spalte, zelle));
}

} // namespace

TTab_Einwirkungen::TTab_Einwirkungen()
{
    using namespace Bausteine;
    using Plattform::handler;
    setObjectName(QStringLiteral("TS_Einwirkungen"));
    L_Einwirkungen = label(this, QStringLiteral("L_Einwirkungen"),
        QStringLiteral("Kategorien der veränderlichen Einwirkungen mit ihren Kombinationsbeiwerten ψ0, ψ1 und ψ2 "
                       "(Datei Einwirkungen.csv). Die Kategorie ist der Schlüssel, den Positionen speichern; "
                       "das Zeichen nennt sie in den Kombinationen."),
        6, 4, 987, 48);
    L_Einwirkungen->setWordWrap(true);
    SG_Einwirkungen = new TEStringGrid(U_Einwirkungen::Spalten, 2, this);
    SG_Einwirkungen->setObjectName(QStringLiteral("SG_Einwirkungen"));
    SG_Einwirkungen->setGeometry(6, 58, 987, 447);
    SG_Einwirkungen->setDefaultColWidth(90);
    B_Neue_Zeile = knopf(this, QStringLiteral("B_Neue_Zeile"), QStringLiteral("Neue Zeile"), 6, 530, 180, 35);
    B_Zeile_Loeschen = knopf(this, QStringLiteral("B_Zeile_Loeschen"), QStringLiteral("Zeile Löschen"), 212, 530, 180, 35);
    B_Speichern
        = symbolknopf(this, QStringLiteral("B_Speichern"), QStringLiteral("Speichern"), Symbol::Speichern, 4, 578, 180, 35);
    B_Zuruecksetzen = knopf(this, QStringLiteral("B_Zuruecksetzen"), QStringLiteral("Zurücksetzen"), 212, 578, 180, 35);

    connect(B_Neue_Zeile, &QPushButton::clicked, this, handler(this, &TTab_Einwirkungen::B_Neue_ZeileClick));
    connect(B_Zeile_Loeschen, &QPushButton::clicked, this, handler(this, &TTab_Einwirkungen::B_Zeile_LoeschenClick));
    connect(B_Speichern, &QPushButton::clicked, this, handler(this, &TTab_Einwirkungen::B_SpeichernClick));
    connect(B_Zuruecksetzen, &QPushButton::clicked, this, handler(this, &TTab_Einwirkungen::B_ZuruecksetzenClick));
}

// Without a file the grid holds the title line to start from; a save then creates the file.
void TTab_Einwirkungen::Grid_Laden()
{
    if (Textdatei::existiert(Main::Datendir, U_Einwirkungen::Dateiname)) {
        SG_Einwirkungen->LoadFromFile(Main::Datendir + U_Einwirkungen::Dateiname);
    } else {
        SG_Einwirkungen->Daten().Zeilen_Uebernehmen({U_Einwirkungen::Kopfzeile});
        SG_Einwirkungen->Daten().setGeaendert(false);
    }
    SG_Einwirkungen->Titelzeile_Halten();
    SG_Einwirkungen->setColWidths(2, 420);
}

bool TTab_Einwirkungen::Schliessen_Erlaubt()
{
    return SGcomp::Aenderungen_Klaeren(SG_Einwirkungen->Geaendert(),
        QStringLiteral("Die Einwirkungen haben ungespeicherte Änderungen. Sollen sie gespeichert werden?"),
        [this] { return Speichern(); });
}

void TTab_Einwirkungen::B_Neue_ZeileClick()
{
    SG_Einwirkungen->setRowCount(SG_Einwirkungen->RowCount() + 1);
    SG_Einwirkungen->Titelzeile_Halten();
}

void TTab_Einwirkungen::B_Zeile_LoeschenClick() { SG_Einwirkungen->DeleteLine(SG_Einwirkungen->Row()); }

void TTab_Einwirkungen::B_ZuruecksetzenClick() { Grid_Laden(); }

void TTab_Einwirkungen::B_SpeichernClick() { Speichern(); }

// One box per bad cell, column by column and top to bottom, as the other editors check.
bool TTab_Einwirkungen::Zellen_Gueltig()
{
    int fehler = SGcomp::Zellen_Pruefen(SG_Einwirkungen->Daten(), 0, Zellenfehler);
    const QString zeilenfehler = SGcomp::Zeilenzahlfehler(SGcomp::Datenzeilen(SG_Einwirkungen->Daten()),
        U_Einwirkungen::Max_Kategorien, QStringLiteral("Die Datei ") + U_Einwirkungen::Dateiname,
        QStringLiteral("Kategorien"));
    if (!zeilenfehler.isEmpty()) {
        Plattform::fehler(zeilenfehler);
        ++fehler;
    }
    return fehler == 0;
}

bool TTab_Einwirkungen::Speichern()
{
    if (!Zellen_Gueltig())
        return false;
    SGcomp::Zahlzellen_Angleichen(SG_Einwirkungen->Daten(), istFaktorspalte);
    try {
        SG_Einwirkungen->SaveToFile(Main::Datendir + U_Einwirkungen::Dateiname);
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(QStringLiteral("Die Einwirkungen wurden nicht gespeichert: %1\n"
                                         "Die bisherige Datei ist unverändert, Ihre Änderungen bleiben in der Tabelle.")
                              .arg(f.text()));
        return false;
    }
    // The file is written; a key given twice is refused by the reader, which says so.
    Plattform::geschuetzt([] { U_Einwirkungen::Kategorien_Laden(Main::Datendir); });
    return true;
}
