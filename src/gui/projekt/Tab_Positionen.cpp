#include "gui/projekt/Tab_Positionen.h"

#include "core/app/Unit1.h"
#include "core/projekt/Profilabgleich.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Neue_Position.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/projekt/Projektkopf.h"
#include "gui/projekt/Projektstand.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

using Plattform::handler;

TTab_Positionen::TTab_Positionen(TProjektstand* projekt)
    : m_projekt(projekt)
{
    setObjectName(QStringLiteral("TS_Positionen"));
    Aufbauen();
    Auffrischen();
}

void TTab_Positionen::Aufbauen()
{
    using namespace Bausteine;
    L_Kopf = label(this, QStringLiteral("L_Kopf"), QString(), 10, 8, 800, 26);
    SG_Positionen = new QTableView(this);
    SG_Positionen->setObjectName(QStringLiteral("SG_Positionen"));
    SG_Positionen->setGeometry(10, 40, 800, 500);
    SG_Positionen->setModel(m_projekt->modell());
    SG_Positionen->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG_Positionen->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_Positionen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_Positionen->verticalHeader()->hide();
    SG_Positionen->horizontalHeader()->setStretchLastSection(true);
    QFont schrift = SG_Positionen->font(); // the table's many columns in the normal weight
    schrift.setBold(false);
    schrift.setPixelSize(14);
    SG_Positionen->setFont(schrift);
    const int breiten[] = {44, 130, 130, 110, 180, 100}; // "Nachweis" takes the rest
    for (int s = 0; s < 6; ++s)
        SG_Positionen->setColumnWidth(s, breiten[s]);
    L_Abgleich = label(this, QStringLiteral("L_Abgleich"), QString(), 10, 548, 800, 50);
    L_Abgleich->setWordWrap(true);
    L_Abgleich->setStyleSheet(QStringLiteral("color: #A05000;"));

    const int x = 824, breite = 172, hoehe = 40;
    int y = 40;
    auto knopfNeu = [&](const char* name, const QString& text, void (TTab_Positionen::*klick)()) {
        QPushButton* k = knopf(this, QString::fromLatin1(name), text, x, y, breite, hoehe);
        y += hoehe + 8;
        connect(k, &QPushButton::clicked, this, handler(this, klick));
        return k;
    };
    B_Neu = knopfNeu("B_Neu", QStringLiteral("Neu …"), &TTab_Positionen::B_NeuClick);
    B_Oeffnen = knopfNeu("B_Oeffnen", QStringLiteral("Öffnen"), &TTab_Positionen::B_OeffnenClick);
    B_Duplizieren = knopfNeu("B_Duplizieren", QStringLiteral("Duplizieren"), &TTab_Positionen::B_DuplizierenClick);
    B_Loeschen = knopfNeu("B_Loeschen", QStringLiteral("Löschen"), &TTab_Positionen::B_LoeschenClick);
    B_Nach_oben = knopfNeu("B_Nach_oben", QStringLiteral("Nach oben"), &TTab_Positionen::B_Nach_obenClick);
    B_Nach_unten = knopfNeu("B_Nach_unten", QStringLiteral("Nach unten"), &TTab_Positionen::B_Nach_untenClick);
    B_Neu_nummerieren
        = knopfNeu("B_Neu_nummerieren", QStringLiteral("Neu nummerieren"), &TTab_Positionen::B_Neu_nummerierenClick);
    y += 16;
    B_Projektkopf = knopfNeu("B_Projektkopf", QStringLiteral("Projektkopf …"), &TTab_Positionen::B_ProjektkopfClick);
    B_Bibliothekswerte
        = knopf(this, QStringLiteral("B_Bibliothekswerte"), QStringLiteral("Bibliothekswerte übernehmen"), 10, 548, 260, 40);
    QFont klein = B_Bibliothekswerte->font();
    klein.setPixelSize(14);
    B_Bibliothekswerte->setFont(klein);
    connect(B_Bibliothekswerte, &QPushButton::clicked, this, handler(this, &TTab_Positionen::B_BibliothekswerteClick));

    connect(SG_Positionen, &QTableView::doubleClicked, this, handler(this, &TTab_Positionen::B_OeffnenClick));
    connect(SG_Positionen->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { Auffrischen(); });
    Positionsmodell* m = m_projekt->modell();
    const auto auffrischen = [this] { Auffrischen(); };
    connect(m, &QAbstractItemModel::modelReset, this, auffrischen);
    connect(m, &QAbstractItemModel::rowsRemoved, this, auffrischen);
    connect(m, &QAbstractItemModel::rowsInserted, this, auffrischen);
    connect(m, &QAbstractItemModel::rowsMoved, this, auffrischen);
    connect(m, &QAbstractItemModel::dataChanged, this, auffrischen);
    connect(m_projekt, &TProjektstand::stand_Geaendert, this, auffrischen);
    connect(m_projekt->verlauf(), &QUndoStack::indexChanged, this, auffrischen); // the head line, after an undo too
    connect(m_projekt, &TProjektstand::bearbeitet, this, [this](int zeile) {
        if (zeile >= 0)
            Zeile_Waehlen(zeile);
    });
}

int TTab_Positionen::Gewaehlte_Zeile() const
{
    const QModelIndexList zeilen = SG_Positionen->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.first().row();
}

void TTab_Positionen::Zeile_Waehlen(int zeile)
{
    if (zeile < 0 || zeile >= m_projekt->modell()->rowCount()) {
        SG_Positionen->clearSelection();
        return;
    }
    SG_Positionen->selectRow(zeile);
}

void TTab_Positionen::Auffrischen()
{
    const int z = Gewaehlte_Zeile();
    const int zeilen = m_projekt->modell()->rowCount();
    for (QPushButton* k : {B_Oeffnen, B_Loeschen, B_Duplizieren})
        k->setEnabled(z >= 0);
    B_Nach_oben->setEnabled(z > 0);
    B_Nach_unten->setEnabled(z >= 0 && z + 1 < zeilen);
    B_Neu_nummerieren->setEnabled(zeilen > 0);
    L_Kopf->setText(Projektkopf::Zeile(m_projekt->daten().kopf));
    const QString abweichung
        = z >= 0 ? Profilabgleich::Abweichung(m_projekt->modell()->position(z), Unit1::Profildat) : QString();
    L_Abgleich->setText(abweichung);
    L_Abgleich->setGeometry(abweichung.isEmpty() ? QRect(10, 548, 800, 50) : QRect(280, 548, 530, 50));
    B_Bibliothekswerte->setVisible(!abweichung.isEmpty());
}

void TTab_Positionen::B_NeuClick()
{
    if (const auto wahl = Neue_Position::Fragen(window()))
        Positionsknopf::Neu(wahl->art, wahl->fall);
}

void TTab_Positionen::B_OeffnenClick()
{
    const int z = Gewaehlte_Zeile();
    if (z >= 0)
        Positionsknopf::Oeffnen(m_projekt->schluessel(z));
}

void TTab_Positionen::B_LoeschenClick()
{
    const int z = Gewaehlte_Zeile();
    if (z < 0)
        return;
    m_projekt->loeschen(z); // the row below is selected then, and the row again when it is undone
}

void TTab_Positionen::B_DuplizierenClick()
{
    const int z = Gewaehlte_Zeile();
    if (z >= 0)
        m_projekt->duplizieren(z);
}

void TTab_Positionen::Verschieben(int richtung)
{
    const int z = Gewaehlte_Zeile();
    if (z >= 0)
        m_projekt->verschieben(z, richtung);
}

void TTab_Positionen::B_Nach_obenClick() { Verschieben(-1); }

void TTab_Positionen::B_Nach_untenClick() { Verschieben(+1); }

void TTab_Positionen::B_Neu_nummerierenClick() { m_projekt->neuNummerieren(); }

// The position takes the library's values of its profile, in its orientation; the name, the
// mass and the orientation stay.
void TTab_Positionen::B_BibliothekswerteClick()
{
    const int z = Gewaehlte_Zeile();
    if (z < 0)
        return;
    Projekt::Position p = m_projekt->modell()->position(z);
    const auto neu = Profilabgleich::ausBibliothek(p, Unit1::Profildat);
    if (!neu)
        return;
    p.profil = *neu;
    m_projekt->ersetzen(m_projekt->schluessel(z), p, TProjektstand::Name(p) + QStringLiteral(": Bibliothekswerte übernehmen"));
}

void TTab_Positionen::B_ProjektkopfClick()
{
    if (Projektkopf::Bearbeiten(window()))
        Auffrischen();
}
