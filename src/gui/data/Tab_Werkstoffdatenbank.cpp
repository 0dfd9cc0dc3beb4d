#include "gui/data/Tab_Werkstoffdatenbank.h"

#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/data/U_Material.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Bausteine.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString Materialdatei = QStringLiteral("Material.csv");
constexpr int Spalte_Art = 7;

// The clipboard's twelve slots in the order of the grid columns 0 to 11.
QString Unit1::S_Matrecord::*const Materialslots[12] = {&Unit1::S_Matrecord::Sorte, &Unit1::S_Matrecord::E,
    &Unit1::S_Matrecord::SigmaB, &Unit1::S_Matrecord::SigmaP, &Unit1::S_Matrecord::GrenzSchlankheit,
    &Unit1::S_Matrecord::Tetmaier1, &Unit1::S_Matrecord::Tetmaier2, &Unit1::S_Matrecord::Gamma, &Unit1::S_Matrecord::Art,
    &Unit1::S_Matrecord::SigmaD, &Unit1::S_Matrecord::SigmaZ, &Unit1::S_Matrecord::SigmaS};

bool istZahlspalte(int spalte) { return spalte >= 1 && spalte != Spalte_Art; }

// A number cell: first its notation, then whether the value can be physical. fy may stay
// empty: the material then has none.
QString Wertzellenfehler(int spalte, const QString& zelle)
{
    if (spalte == U_Material::Spalte_fy && zelle.trimmed().isEmpty())
        return {};
    return SGcomp::Wertzellenfehler(zelle, [spalte](double wert) { return U_Material::Wertfehler(spalte, wert); });
}

QString Artfehler(const QString& zelle)
{
    if (zelle == QLatin1String("Holz") || zelle == QLatin1String("Metall") || zelle == QLatin1String("Kunststoff"))
        return {};
    return QStringLiteral("Die Werkstoffart ") + SGcomp::Zahlzelle_Punktform(zelle)
        + QStringLiteral(" ist nicht zulässig, zulässige Eingaben sind Holz, Metall oder Kunststoff");
}

} // namespace

TTab_Werkstoffdatenbank::TTab_Werkstoffdatenbank()
{
    using namespace Bausteine;
    using Plattform::handler;
    setObjectName(QStringLiteral("TS_Werkstoffdatenbank"));
    SG_Werkstoff = new TEStringGrid(8, 2, this);
    SG_Werkstoff->setObjectName(QStringLiteral("SG_Werkstoff"));
    SG_Werkstoff->setGeometry(6, 4, 987, 501);
    SG_Werkstoff->setDefaultColWidth(145);
    B_Neue_Zeile = knopf(this, QStringLiteral("B_Neue_Zeile"), QStringLiteral("Neue Zeile"), 6, 530, 180, 35);
    B_Einfuegen = knopf(this, QStringLiteral("B_Einfuegen"), QStringLiteral("Leerzeile Einfügen"), 212, 530, 180, 35);
    B_Zeile_Loeschen = knopf(this, QStringLiteral("B_Zeile_Loeschen"), QStringLiteral("Zeile Löschen"), 417, 530, 180, 35);
    B_Kopierte_Zeile_einfuegen
        = knopf(this, QStringLiteral("B_Kopierte_Zeile_einfuegen"), QStringLiteral("Kopierte Zeile Einfügen"), 623, 530, 180, 35);
    B_Zeile_Kopieren = knopf(this, QStringLiteral("B_Zeile_Kopieren"), QStringLiteral("Zeile Kopieren"), 820, 530, 180, 35);
    B_Speichern
        = symbolknopf(this, QStringLiteral("B_Speichern"), QStringLiteral("Speichern"), Symbol::Speichern, 4, 578, 180, 35);
    B_Konvertieren = knopf(this, QStringLiteral("B_Konvertieren"), QStringLiteral("Konvertieren"), 212, 578, 180, 35);
    B_Abbruch = knopf(this, QStringLiteral("B_Abbruch"), QStringLiteral("Zurücksetzen"), 415, 578, 180, 35);
    B_Hilfe = symbolknopf(this, QStringLiteral("B_Hilfe"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 617, 578, 180, 35);
    B_Ende = symbolknopf(this, QStringLiteral("B_Ende"), QStringLiteral("Programmende"), Symbol::Abbrechen, 820, 578, 180, 35);

    connect(B_Neue_Zeile, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_Neue_ZeileClick));
    connect(B_Einfuegen, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_EinfuegenClick));
    connect(B_Zeile_Loeschen, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_Zeile_LoeschenClick));
    connect(B_Kopierte_Zeile_einfuegen, &QPushButton::clicked, this,
        handler(this, &TTab_Werkstoffdatenbank::B_Kopierte_Zeile_einfuegenClick));
    connect(B_Zeile_Kopieren, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_Zeile_KopierenClick));
    connect(B_Speichern, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_SpeichernClick));
    connect(B_Konvertieren, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_KonvertierenClick));
    connect(B_Abbruch, &QPushButton::clicked, this, handler(this, &TTab_Werkstoffdatenbank::B_AbbruchClick));
    connect(B_Ende, &QPushButton::clicked, this, [this] { window()->close(); });
    connect(B_Hilfe, &QPushButton::clicked, this,
        [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Werkstoffdatei); }); });
}

void TTab_Werkstoffdatenbank::Grid_Laden()
{
    SG_Werkstoff->LoadFromFile(Main::Datendir + Materialdatei);
    SG_Werkstoff->Titelzeile_Halten();
    // A file of the 11-column layout from before fy shows the fy column, empty, to be filled in.
    SGcomp::Spalten_Ergaenzen(SG_Werkstoff->Daten(), Spalte_Art + 4, {U_Material::Titel_fy});
}

bool TTab_Werkstoffdatenbank::Schliessen_Erlaubt()
{
    return SGcomp::Aenderungen_Klaeren(SG_Werkstoff->Geaendert(),
        QStringLiteral("Die Materialdatenbank hat ungespeicherte Änderungen. Sollen sie gespeichert werden?"),
        [this] { return Speichern(); });
}

void TTab_Werkstoffdatenbank::B_Neue_ZeileClick()
{
    SG_Werkstoff->setRowCount(SG_Werkstoff->RowCount() + 1);
    SG_Werkstoff->Titelzeile_Halten();
}

void TTab_Werkstoffdatenbank::B_EinfuegenClick()
{
    SG_Werkstoff->InsertLine(SG_Werkstoff->Datenzeile());
    SG_Werkstoff->Titelzeile_Halten();
}

void TTab_Werkstoffdatenbank::B_Zeile_LoeschenClick() { SG_Werkstoff->DeleteLine(SG_Werkstoff->Row()); }

void TTab_Werkstoffdatenbank::B_Zeile_KopierenClick()
{
    const QStringList zellen = SG_Werkstoff->Zeile_Lesen(SG_Werkstoff->Datenzeile(), 12);
    for (int k = 0; k < 12; ++k)
        Unit1::Materialzeile.*Materialslots[k] = zellen[k];
    Unit1::Materialzeile.Sorte = Unit1::kurz(Unit1::Materialzeile.Sorte, 20);
}

void TTab_Werkstoffdatenbank::B_Kopierte_Zeile_einfuegenClick()
{
    if (SG_Werkstoff->RowCount() < 2)
        return; // only the title row: nothing to overwrite
    QStringList zellen;
    for (const auto slot : Materialslots)
        zellen.append(Unit1::Materialzeile.*slot);
    SG_Werkstoff->Zeile_Schreiben(SG_Werkstoff->Datenzeile(), zellen);
}

void TTab_Werkstoffdatenbank::B_AbbruchClick() { Grid_Laden(); }

void TTab_Werkstoffdatenbank::B_SpeichernClick() { Speichern(); }

// One box per bad cell, column by column and top to bottom: numbers that can be physical in
// every column from 1 on, the material kind in column 7. The table holds 200 materials, entry
// 200 ends the list; empty rows at the end are not saved and do not count.
bool TTab_Werkstoffdatenbank::Zellen_Gueltig()
{
    int fehler = SGcomp::Zellen_Pruefen(SG_Werkstoff->Daten(), 1, [](int spalte, const QString& zelle) {
        return spalte == Spalte_Art ? Artfehler(zelle) : Wertzellenfehler(spalte, zelle);
    });
    const QString zeilenfehler = SGcomp::Zeilenzahlfehler(SGcomp::Datenzeilen(SG_Werkstoff->Daten()), Unit1::Max_Material,
        QStringLiteral("Die Materialdatenbank"), QStringLiteral("Werkstoffe"));
    if (!zeilenfehler.isEmpty()) {
        Plattform::fehler(zeilenfehler);
        ++fehler;
    }
    return fehler == 0;
}

bool TTab_Werkstoffdatenbank::Speichern()
{
    if (!Zellen_Gueltig())
        return false;
    // Numbers are stored in the locale's notation, whichever separator was typed, as the
    // program has always written them (the loaders read either separator).
    SGcomp::Zahlzellen_Angleichen(SG_Werkstoff->Daten(), istZahlspalte);
    try {
        SG_Werkstoff->SaveToFile(Main::Datendir + Materialdatei);
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(QStringLiteral("Die Materialdatenbank wurde nicht gespeichert: %1\n"
                                         "Die bisherige Datei ist unverändert, Ihre Änderungen bleiben in der Tabelle.")
                              .arg(f.text()));
        return false;
    }
    // The file is written; a failure of reading it back is reported and does not undo that.
    Plattform::geschuetzt([this] {
        Materialien_Neu_Lesen();
        Ersten_Werkstoff_Waehlen();
    });
    return true;
}

// Rows deleted in the grid must not live on in Matdat: the reader frees the table first.
void TTab_Werkstoffdatenbank::Materialien_Neu_Lesen()
{
    Unit1::Memo = Textdatei::lesen(Textdatei::finden(Main::Datendir, QStringLiteral("Material.CSV")));
    U_Material::Material_Einlesen();
}

// Entry 0 becomes the chosen material completely, as a click in the list makes it: all its
// values, its kind and wood strengths, and the divisor of its kind for the allowable stress.
void TTab_Werkstoffdatenbank::Ersten_Werkstoff_Waehlen()
{
    if (TTab_Werkstoffauswahl* auswahl = Tab_Werkstoffauswahl::TS_Werkstoffauswahl)
        auswahl->Ersten_Eintrag_Waehlen();
}

void TTab_Werkstoffdatenbank::B_KonvertierenClick()
{
    if (Main::Materialdatenbankversion == 2) {
        Plattform::information(QStringLiteral("Die Datenbankversion ist bereits 2 "));
        return;
    }
    SG_Werkstoff->setColCount(U_Material::Spalte_fy + 1);
    const QStringList titel {QStringLiteral("Art"), QStringLiteral("SigmaD [N/mm²]"), QStringLiteral("SigmaZ [N/mm²]"),
        QStringLiteral("SigmaS [N/mm²]"), U_Material::Titel_fy};
    for (int k = 0; k < 5; ++k)
        SG_Werkstoff->setCells(7 + k, 0, titel[k]);
    for (int r = 1; r < SG_Werkstoff->RowCount(); ++r) {
        SG_Werkstoff->setCells(7, r, QStringLiteral("Metall"));
        for (int c = 8; c <= 10; ++c)
            SG_Werkstoff->setCells(c, r, QStringLiteral("0"));
    }
    Plattform::information(
        QStringLiteral("Die Materialdatenbank wurde konvertiert, bitte ändern Sie falls erforderlich die Eingaben "
                       "(Materialart sowie fehlende Werte bei Holz) und Speichern sie dann. Anschließend "
                       "starten Sie das Programm bitte neu ! "));
}
