#include "gui/data/Tab_Profileditor.h"

#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "core/data/U_Lesen.h"
#include "core/data/U_Profile.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Bausteine.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace {

const QString Kopfzeile = QStringLiteral("Art;Name;Wmax;Wmin;Imax;Imin;A;") + U_Profile::Titel_Knicklinien.join(QLatin1Char(';'));
constexpr int Max_Profilname = 8;

// The clipboard's nine slots in the order of the grid columns 0 to 8.
QString Unit1::S_Profilrecord::*const Profilslots[9] = {&Unit1::S_Profilrecord::Art, &Unit1::S_Profilrecord::Name,
    &Unit1::S_Profilrecord::Wmax, &Unit1::S_Profilrecord::Wmin, &Unit1::S_Profilrecord::Imax, &Unit1::S_Profilrecord::Imin,
    &Unit1::S_Profilrecord::A, &Unit1::S_Profilrecord::Knicklinie_max, &Unit1::S_Profilrecord::Knicklinie_min};

bool istKnicklinienspalte(int spalte)
{
    return spalte == U_Profile::Spalte_Knicklinie_max || spalte == U_Profile::Spalte_Knicklinie_min;
}

// The other data files of the folder (the materials, the index of the families, the categories of
// actions) have editors or readers of their own: the list shows the profile families only.
bool istFamilie(const QString& datei)
{
    for (const QString& andere : {QStringLiteral("Material.csv"), U_Profile::Indexname, U_Einwirkungen::Dateiname})
        if (datei.compare(andere, Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

// The number cells of a family: W, I and A; its buckling curves are letters.
bool istZahlspalte(int spalte) { return spalte >= 2 && !istKnicklinienspalte(spalte); }

} // namespace

TTab_Profileditor::TTab_Profileditor()
{
    using namespace Bausteine;
    using Plattform::handler;
    setObjectName(QStringLiteral("TS_Profileditor"));
    Label8 = ueberschrift(this, QStringLiteral("Label8"), QStringLiteral("Neues Profil erzeugen:"), 14, 12, 200, 22);
    Label9 = label(this, QStringLiteral("Label9"), QStringLiteral("Profilname:"), 222, 14, 96, 22);
    E_neuer_Profilname = feld(this, QStringLiteral("E_neuer_Profilname"), QString(), 320, 8, 153, 27);
    Label12 = label(this, QStringLiteral("Label12"), QStringLiteral(".CSV"), 478, 14, 50, 22);
    B_Profil_Erzeugen
        = symbolknopf(this, QStringLiteral("B_Profil_Erzeugen"), QStringLiteral("Profil erzeugen"), Symbol::OK, 532, 8, 239, 31);
    Label10 = ueberschrift(this, QStringLiteral("Label10"), QStringLiteral("Vorhandenes Profil editieren:"), 12, 50, 262, 22);
    LB_Profil = new QListWidget(this);
    LB_Profil->setObjectName(QStringLiteral("LB_Profil"));
    LB_Profil->setGeometry(12, 84, 175, 403);
    LB_Profil->setUniformItemSizes(true);
    LB_Profil->setStyleSheet(QStringLiteral("QListWidget::item { height: 19px; }"));
    SG_Profil = new TEStringGrid(7, 2, this);
    SG_Profil->setObjectName(QStringLiteral("SG_Profil"));
    SG_Profil->setGeometry(202, 84, 791, 405);
    SG_Profil->setDefaultColWidth(110);
    B_Neue_Zeile2 = knopf(this, QStringLiteral("B_Neue_Zeile2"), QStringLiteral("Neue Zeile"), 14, 530, 180, 35);
    B_Leerzeile2 = knopf(this, QStringLiteral("B_Leerzeile2"), QStringLiteral("Leerzeile Einfügen"), 214, 530, 180, 35);
    B_Zeile_Loeschen2 = knopf(this, QStringLiteral("B_Zeile_Loeschen2"), QStringLiteral("Zeile Löschen"), 413, 530, 180, 35);
    B_Kopierte_Zeile_Einfuegen2 = knopf(
        this, QStringLiteral("B_Kopierte_Zeile_Einfuegen2"), QStringLiteral("Kopierte Zeile Einfügen"), 613, 530, 180, 35);
    B_Zeile_Kopieren2 = knopf(this, QStringLiteral("B_Zeile_Kopieren2"), QStringLiteral("Zeile Kopieren"), 812, 530, 180, 35);
    B_Profil_Speichern = symbolknopf(
        this, QStringLiteral("B_Profil_Speichern"), QStringLiteral("Speichern"), Symbol::Speichern, 214, 576, 180, 35);
    B_Profil_Zuruecksetzen
        = knopf(this, QStringLiteral("B_Profil_Zuruecksetzen"), QStringLiteral("Zurücksetzen"), 413, 578, 180, 35);
    B_Hilfe_Profil
        = symbolknopf(this, QStringLiteral("B_Hilfe_Profil"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 613, 578, 180, 35);
    BitBtn10
        = symbolknopf(this, QStringLiteral("BitBtn10"), QStringLiteral("Programmende"), Symbol::Abbrechen, 812, 578, 180, 35);

    connect(B_Profil_Erzeugen, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Profil_ErzeugenClick));
    connect(LB_Profil, &QListWidget::currentRowChanged, this, [this] {
        if (!m_auswahlDurchProgramm)
            Plattform::geschuetzt([this] { LB_ProfilClick(); });
    });
    connect(B_Neue_Zeile2, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Neue_Zeile2Click));
    connect(B_Leerzeile2, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Leerzeile2Click));
    connect(B_Zeile_Loeschen2, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Zeile_Loeschen2Click));
    connect(B_Kopierte_Zeile_Einfuegen2, &QPushButton::clicked, this,
        handler(this, &TTab_Profileditor::B_Kopierte_Zeile_Einfuegen2Click));
    connect(B_Zeile_Kopieren2, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Zeile_Kopieren2Click));
    connect(B_Profil_Speichern, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Profil_SpeichernClick));
    connect(B_Profil_Zuruecksetzen, &QPushButton::clicked, this, handler(this, &TTab_Profileditor::B_Profil_ZuruecksetzenClick));
    connect(BitBtn10, &QPushButton::clicked, this, [this] { window()->close(); });
    connect(B_Hilfe_Profil, &QPushButton::clicked, this,
        [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Profildatei); }); });
}

// ---- The file list -------------------------------------------------------------------------

void TTab_Profileditor::Verzeichnis_Setzen(const QString& verzeichnis)
{
    m_verzeichnis = verzeichnis;
    Liste_Lesen();
}

// Every family file, i.e. every file whose name ends in ".CSV" in any case except the other data
// files, sorted by name without regard to case. The file shown in the grid stays selected, so
// that a save still knows its file.
void TTab_Profileditor::Liste_Lesen()
{
    QStringList namen;
    for (const QString& name : QDir(m_verzeichnis).entryList(QDir::Files))
        if (name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && istFamilie(name))
            namen.append(name);
    std::sort(
        namen.begin(), namen.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_auswahlDurchProgramm = true;
    LB_Profil->clear();
    LB_Profil->addItems(namen);
    m_auswahlDurchProgramm = false;
    Auswaehlen(m_datei);
}

void TTab_Profileditor::Auswaehlen(const QString& datei)
{
    const auto treffer = LB_Profil->findItems(datei, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    m_auswahlDurchProgramm = true;
    LB_Profil->setCurrentRow(datei.isEmpty() || treffer.isEmpty() ? -1 : LB_Profil->row(treffer.first()));
    m_auswahlDurchProgramm = false;
}

void TTab_Profileditor::Datei_Laden(const QString& datei)
{
    SG_Profil->LoadFromFile(m_verzeichnis + datei);
    SG_Profil->Titelzeile_Halten();
    m_datei = datei;
    // A family file from before the buckling curves shows their columns, empty, to be filled in.
    SGcomp::Spalten_Ergaenzen(SG_Profil->Daten(), U_Profile::Spalte_Knicklinie_max, U_Profile::Titel_Knicklinien);
}

void TTab_Profileditor::Erste_Datei_Laden()
{
    if (LB_Profil->count() > 0) {
        const QString erste = LB_Profil->item(0)->text();
        Auswaehlen(erste);
        Datei_Laden(erste);
    }
    SG_Profil->setColWidths(0, 180);
    SG_Profil->setColWidths(1, 100);
}

// Another file was selected: unsaved edits of the shown one are saved, discarded or kept (the
// selection then goes back to the shown file).
void TTab_Profileditor::LB_ProfilClick()
{
    const QListWidgetItem* gewaehlt = LB_Profil->currentItem();
    if (!gewaehlt)
        return;
    const QString datei = gewaehlt->text();
    const bool weiter = SGcomp::Aenderungen_Klaeren(SG_Profil->Geaendert() && !m_datei.isEmpty(),
        QStringLiteral("Die Profildatei %1 hat ungespeicherte Änderungen. Sollen sie gespeichert werden?").arg(m_datei),
        [this] { return Speichern(); });
    if (!weiter) {
        Auswaehlen(m_datei);
        return;
    }
    try {
        Datei_Laden(datei);
    } catch (...) {
        Auswaehlen(m_datei); // the list goes on naming the file the grid shows
        throw;
    }
    Auswaehlen(datei);
}

void TTab_Profileditor::B_Profil_ZuruecksetzenClick()
{
    const QListWidgetItem* gewaehlt = LB_Profil->currentItem();
    if (gewaehlt)
        Datei_Laden(gewaehlt->text());
}

bool TTab_Profileditor::Schliessen_Erlaubt()
{
    return SGcomp::Aenderungen_Klaeren(SG_Profil->Geaendert() && !m_datei.isEmpty(),
        QStringLiteral("Die Profildatei %1 hat ungespeicherte Änderungen. Sollen sie gespeichert werden?").arg(m_datei),
        [this] { return Speichern(); });
}

// ---- Creating a family ---------------------------------------------------------------------

bool TTab_Profileditor::Profilname_Gueltig(const QString& name)
{
    if (name.isEmpty() || name.size() > Max_Profilname)
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'_' || u == u'-';
    });
}

void TTab_Profileditor::B_Profil_ErzeugenClick()
{
    const QString name = E_neuer_Profilname->text();
    if (!Profilname_Gueltig(name)) {
        Plattform::fehler(QStringLiteral("Der Profilname \u201E%1\u201C ist nicht zulässig. Erlaubt sind 1 bis 8 Zeichen: "
                                         "Buchstaben A bis Z ohne Umlaute, Ziffern, Unterstrich (_) und Bindestrich (-).")
                              .arg(Unit1::kurz(name, 40)));
        return;
    }
    if (Textdatei::existiert(m_verzeichnis, name + QStringLiteral(".CSV"))) {
        Plattform::fehler(QStringLiteral("Die Datei existiert bereits!"));
        return;
    }
    if (!Familie_Anlegen(name))
        return;
    Plattform::information(QStringLiteral("Sie können die neue Datei nun mit Daten füllen. Bevor Sie sie verwenden, muss das "
                                          "Programm neu gestartet werden!"));
    Liste_Lesen();
}

// The index is read before anything is written, and the new file is removed again when the
// index cannot be written: a failure leaves neither a stray file nor a half-made index. A full
// index refuses the family with a message; false then, and nothing is written.
bool TTab_Profileditor::Familie_Anlegen(const QString& name)
{
    const QString indexdatei = Textdatei::finden(m_verzeichnis, QStringLiteral("PROFILE.CSV"));
    Unit1::Memo = Textdatei::lesen(indexdatei);
    while (!Unit1::Memo.isEmpty() && Unit1::Memo.last().trimmed().isEmpty())
        Unit1::Memo.removeLast();
    const auto familien = std::count_if(
        Unit1::Memo.cbegin(), Unit1::Memo.cend(), [](const QString& zeile) { return !U_Lesen::Leerzeile(zeile); });
    if (familien >= Unit1::Max_Familie) {
        Plattform::fehler(QStringLiteral("Die Profilliste Profile.csv ist voll: sie kann höchstens %1 Profildateien aufnehmen. "
                                         "Es wurde nichts angelegt.")
                              .arg(Unit1::Max_Familie));
        return false;
    }
    const QString familiendatei = m_verzeichnis + name + QStringLiteral(".CSV");
    Textdatei::schreiben(familiendatei, {Kopfzeile});
    Unit1::Memo.append(name + QStringLiteral(".CSV"));
    try {
        Textdatei::schreiben(indexdatei, Unit1::Memo);
    } catch (...) {
        QFile::remove(familiendatei);
        throw;
    }
    return true;
}

// ---- Rows ----------------------------------------------------------------------------------

// A new row starts with the type text of the row above, when there is a data row above it.
void TTab_Profileditor::B_Neue_Zeile2Click()
{
    SG_Profil->setRowCount(SG_Profil->RowCount() + 1);
    SG_Profil->Titelzeile_Halten();
    const int neu = SG_Profil->RowCount() - 1;
    if (SG_Profil->RowCount() > 2)
        SG_Profil->setCells(0, neu, SG_Profil->Cells(0, neu - 1));
}

void TTab_Profileditor::B_Leerzeile2Click()
{
    SG_Profil->InsertLine(SG_Profil->Datenzeile());
    SG_Profil->Titelzeile_Halten();
}

void TTab_Profileditor::B_Zeile_Loeschen2Click() { SG_Profil->DeleteLine(SG_Profil->Row()); }

void TTab_Profileditor::B_Zeile_Kopieren2Click()
{
    const QStringList zellen = SG_Profil->Zeile_Lesen(SG_Profil->Datenzeile(), 9);
    for (int k = 0; k < 9; ++k)
        Unit1::Profilzeile.*Profilslots[k] = zellen[k];
}

void TTab_Profileditor::B_Kopierte_Zeile_Einfuegen2Click()
{
    if (SG_Profil->RowCount() < 2)
        return; // only the title row: nothing to overwrite
    QStringList zellen;
    for (const auto slot : Profilslots)
        zellen.append(Unit1::Profilzeile.*slot);
    SG_Profil->Zeile_Schreiben(SG_Profil->Datenzeile(), zellen);
}

// ---- Saving --------------------------------------------------------------------------------

void TTab_Profileditor::B_Profil_SpeichernClick()
{
    if (Speichern())
        Plattform::information(
            QStringLiteral("Sie geänderten bzw neuen Daten stehen erst nach dem Neustart des Programms zur Verfügung!"));
}

// W, I and A must also be above 0, as the library refuses them otherwise; a buckling curve is
// one of the curves or empty.
bool TTab_Profileditor::Zellen_Gueltig()
{
    int fehler = SGcomp::Zellen_Pruefen(SG_Profil->Daten(), 2, [](int spalte, const QString& zelle) {
        if (istKnicklinienspalte(spalte))
            return SGcomp::Unzulaessig(zelle, U_Profile::Knicklinienfehler(zelle));
        return SGcomp::Wertzellenfehler(zelle, [spalte](double wert) { return U_Profile::Wertfehler(spalte, wert); });
    });
    const QString zeilenfehler = SGcomp::Zeilenzahlfehler(SGcomp::Datenzeilen(SG_Profil->Daten()), Unit1::Max_Profil,
        QStringLiteral("Die Datei ") + m_datei, QStringLiteral("Profile"));
    if (!zeilenfehler.isEmpty()) {
        Plattform::fehler(zeilenfehler);
        ++fehler;
    }
    return fehler == 0;
}

bool TTab_Profileditor::Speichern()
{
    if (m_datei.isEmpty() || !LB_Profil->currentItem()) {
        Plattform::fehler(QStringLiteral("Es ist keine Profildatei ausgewählt. Bitte wählen Sie links die Datei, "
                                         "die Sie bearbeiten; es wurde nichts gespeichert."));
        return false;
    }
    if (!Zellen_Gueltig())
        return false;
    // Numbers are stored in the locale's notation, whichever separator was typed, as the
    // program has always written them (the loaders read either separator).
    SGcomp::Zahlzellen_Angleichen(SG_Profil->Daten(), istZahlspalte);
    try {
        SG_Profil->SaveToFile(m_verzeichnis + m_datei);
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(QStringLiteral("Die Profildatei %1 wurde nicht gespeichert: %2\n"
                                         "Die bisherige Datei ist unverändert, Ihre Änderungen bleiben in der Tabelle.")
                              .arg(m_datei, f.text()));
        return false;
    }
    return true;
}
