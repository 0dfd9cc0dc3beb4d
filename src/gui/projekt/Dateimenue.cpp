#include "gui/projekt/Dateimenue.h"

#include "core/app/Programmzustand.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Positionsrechnung.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/projekt/Projektkopf.h"
#include "gui/projekt/Projektstand.h"
#include "gui/report/Gesamtbericht.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

constexpr int Zuletzt_Anzahl = 5;
const QString Zuletzt_Datei = QStringLiteral("Projekte.INI");
const QString Filter = QStringLiteral("Trabex-Projekte (*.trabex);;Alle Dateien (*)");

TDateimenue::Dateiwahl& dateiwahl()
{
    static TDateimenue::Dateiwahl wahl; // empty: the file dialog
    return wahl;
}

QString mitDialog(bool speichern, const QString& vorschlag)
{
    QString pfad;
    Plattform::zwischenfenster([&] {
        QWidget* eltern = QApplication::activeWindow();
        pfad = speichern ? QFileDialog::getSaveFileName(eltern, QStringLiteral("Projekt speichern unter"), vorschlag, Filter)
                         : QFileDialog::getOpenFileName(eltern, QStringLiteral("Projekt öffnen"), vorschlag, Filter);
    });
    return pfad;
}

QString waehlen(bool speichern, const QString& vorschlag)
{
    return dateiwahl() ? dateiwahl()(speichern, vorschlag) : mitDialog(speichern, vorschlag);
}

QAction* aktion(QMenu* menue, const char* name, const QString& text, QKeySequence::StandardKey taste = QKeySequence::UnknownKey)
{
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    if (taste != QKeySequence::UnknownKey)
        a->setShortcuts(taste);
    return a;
}

} // namespace

TDateimenue::TDateimenue(QWidget* fenster, TProjektstand* projekt)
    : QObject(fenster)
    , m_fenster(fenster)
    , m_projekt(projekt)
{
    MM_Menue = new QMenuBar(fenster);
    MM_Menue->setObjectName(QStringLiteral("MM_Menue"));
    M_Datei = MM_Menue->addMenu(QStringLiteral("&Datei"));
    M_Datei->setObjectName(QStringLiteral("M_Datei"));
    A_Neu = aktion(M_Datei, "A_Neu", QStringLiteral("&Neu"), QKeySequence::New);
    A_Oeffnen = aktion(M_Datei, "A_Oeffnen", QStringLiteral("Ö&ffnen …"), QKeySequence::Open);
    A_Speichern = aktion(M_Datei, "A_Speichern", QStringLiteral("&Speichern"), QKeySequence::Save);
    A_Speichern_unter = aktion(M_Datei, "A_Speichern_unter", QStringLiteral("Speichern &unter …"), QKeySequence::SaveAs);
    M_Datei->addSeparator();
    A_Projektkopf = aktion(M_Datei, "A_Projektkopf", QStringLiteral("Projekt&kopf …"));
    A_Gesamtbericht = aktion(M_Datei, "A_Gesamtbericht", QStringLiteral("&Gesamtbericht drucken …"), QKeySequence::Print);
    m_zuletztTrenner = M_Datei->addSeparator();
    M_Datei->addSeparator();
    A_Beenden = aktion(M_Datei, "A_Beenden", QStringLiteral("&Beenden"), QKeySequence::Quit);
    for (QAction* a : M_Datei->actions()) // the window's shortcuts, wherever its focus is
        a->setShortcutContext(Qt::WindowShortcut);

    using Plattform::geschuetzt;
    connect(A_Neu, &QAction::triggered, this, [this] { geschuetzt([this] { A_NeuClick(); }); });
    connect(A_Oeffnen, &QAction::triggered, this, [this] { geschuetzt([this] { A_OeffnenClick(); }); });
    connect(A_Speichern, &QAction::triggered, this, [this] { geschuetzt([this] { A_SpeichernClick(); }); });
    connect(A_Speichern_unter, &QAction::triggered, this, [this] { geschuetzt([this] { A_Speichern_unterClick(); }); });
    connect(A_Gesamtbericht, &QAction::triggered, this, [this] { geschuetzt([this] { A_GesamtberichtClick(); }); });
    connect(A_Projektkopf, &QAction::triggered, this, [this] { geschuetzt([this] { Projektkopf::Bearbeiten(m_fenster); }); });
    connect(A_Beenden, &QAction::triggered, m_fenster, &QWidget::close);
    connect(m_projekt, &TProjektstand::stand_Geaendert, this, &TDateimenue::Titel_Zeigen);
    Titel_Zeigen();
}

// The project computed once, with the steps its report prints, then printed.
void TDateimenue::A_GesamtberichtClick()
{
    const Projekt::Daten& daten = m_projekt->daten();
    Gesamtbericht::Drucken(m_fenster, daten, Positionsrechnung::rechnen(daten, Positionsrechnung::Umfang::Bericht));
}

void TDateimenue::Titel_Zeigen()
{
    m_fenster->setWindowTitle(QStringLiteral("Trabex – %1[*]").arg(m_projekt->Dateiname()));
    m_fenster->setWindowModified(m_projekt->geaendert());
}

bool TDateimenue::Aenderungen_Klaeren()
{
    if (!Positionsknopf::Alle_Klaeren()) // a dialog's edit of a position first: it may change the project
        return false;
    const QString frage
        = QStringLiteral("Das Projekt „%1“ hat Änderungen, die nicht gespeichert sind. Sollen sie gespeichert werden?")
              .arg(m_projekt->Dateiname());
    return SGcomp::Aenderungen_Klaeren(m_projekt->geaendert(), frage, [this] { return A_SpeichernClick(); });
}

void TDateimenue::A_NeuClick()
{
    if (Aenderungen_Klaeren())
        m_projekt->neu();
}

void TDateimenue::A_OeffnenClick()
{
    if (!Aenderungen_Klaeren())
        return;
    const QString pfad = waehlen(false, m_projekt->pfad().isEmpty() ? m_zuletzt.value(0) : m_projekt->pfad());
    if (!pfad.isEmpty())
        Oeffnen(pfad, false);
}

bool TDateimenue::Oeffnen(const QString& pfad, bool fragen)
{
    if (fragen && !Aenderungen_Klaeren())
        return false;
    try {
        m_projekt->laden(pfad);
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(f.text());
        return false;
    }
    Zuletzt_Merken(m_projekt->pfad());
    return true;
}

bool TDateimenue::A_SpeichernClick()
{
    if (m_projekt->pfad().isEmpty())
        return A_Speichern_unterClick();
    return Speichern_Nach(m_projekt->pfad());
}

bool TDateimenue::A_Speichern_unterClick()
{
    const QString vorschlag = m_projekt->pfad().isEmpty() ? QStringLiteral("Projekt.trabex") : m_projekt->pfad();
    QString pfad = waehlen(true, vorschlag);
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".trabex");
    return Speichern_Nach(pfad);
}

bool TDateimenue::Speichern_Nach(const QString& pfad)
{
    try {
        m_projekt->speichern(pfad);
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(QStringLiteral("Das Projekt wurde nicht gespeichert.\n%1").arg(f.text()));
        return false;
    }
    Zuletzt_Merken(m_projekt->pfad());
    return true;
}

void TDateimenue::Zuletzt_Laden()
{
    m_zuletzt.clear();
    if (Textdatei::existiert(Main::Datendir, Zuletzt_Datei))
        for (const QString& zeile : Textdatei::lesen(Textdatei::finden(Main::Datendir, Zuletzt_Datei)))
            if (!zeile.trimmed().isEmpty() && !m_zuletzt.contains(zeile.trimmed()) && m_zuletzt.size() < Zuletzt_Anzahl)
                m_zuletzt.append(zeile.trimmed());
    Zuletzt_Zeigen();
}

void TDateimenue::Zuletzt_Merken(const QString& pfad)
{
    m_zuletzt.removeAll(pfad);
    m_zuletzt.prepend(pfad);
    while (m_zuletzt.size() > Zuletzt_Anzahl)
        m_zuletzt.removeLast();
    Zuletzt_Zeigen();
    Zuletzt_Speichern();
}

// A list that cannot be kept (read-only data) is only lost for the next run; no message.
void TDateimenue::Zuletzt_Speichern() const
{
    const QString datei = Textdatei::finden(Main::Datendir, Zuletzt_Datei);
    if (!Textdatei::schreibgeschuetzt(datei))
        Plattform::geschuetzt([&] { Textdatei::schreiben(datei, m_zuletzt); });
}

void TDateimenue::Zuletzt_Zeigen()
{
    qDeleteAll(A_Zuletzt);
    A_Zuletzt.clear();
    QAction* davor = M_Datei->actions().at(M_Datei->actions().indexOf(m_zuletztTrenner) + 1);
    for (qsizetype i = 0; i < m_zuletzt.size(); ++i) {
        const QString pfad = m_zuletzt.at(i);
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(pfad).fileName()), M_Datei);
        a->setObjectName(QStringLiteral("A_Zuletzt%1").arg(i + 1));
        a->setToolTip(pfad);
        a->setStatusTip(pfad);
        M_Datei->insertAction(davor, a);
        connect(a, &QAction::triggered, this, [this, pfad] { Plattform::geschuetzt([&] { Zuletzt_Waehlen(pfad); }); });
        A_Zuletzt.append(a);
    }
    M_Datei->setToolTipsVisible(true);
}

void TDateimenue::Zuletzt_Waehlen(const QString& pfad)
{
    if (!QFileInfo(pfad).isFile()) {
        Plattform::information(
            QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste der letzten Dateien genommen.").arg(pfad));
        m_zuletzt.removeAll(pfad);
        Zuletzt_Zeigen();
        Zuletzt_Speichern();
        return;
    }
    Oeffnen(pfad);
}

TDateimenue::Dateiwahl TDateimenue::setzeDateiwahl(Dateiwahl wahl)
{
    Dateiwahl vorher = dateiwahl();
    dateiwahl() = std::move(wahl);
    return vorher;
}
