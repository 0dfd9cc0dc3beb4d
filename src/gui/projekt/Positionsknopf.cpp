#include "gui/projekt/Positionsknopf.h"

#include "core/app/Unit1.h"
#include "core/platform/Meldungen.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Profilabgleich.h"
#include "gui/Main.h"
#include "gui/calc/Rechendialog.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Positionsknopf {

namespace {

struct Eintrag {
    Dialogteil teil;
    std::optional<TProjektstand::Schluessel> schluessel;
};

QHash<QWidget*, Eintrag>& eintraege()
{
    static QHash<QWidget*, Eintrag> alle;
    return alle;
}

Abfrage& abfrage()
{
    static Abfrage antwort; // empty: the dialog
    return antwort;
}

TProjektstand& projekt()
{
    if (!Projektstand::Projekt)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Es ist kein Projekt geöffnet."));
    return *Projektstand::Projekt;
}

bool gebunden(const Eintrag& e) { return e.schluessel && Projektstand::Projekt && Projektstand::Projekt->zeile(*e.schluessel); }

void Knopf_Auffrischen(const Eintrag& e)
{
    e.teil.knopf->setText(gebunden(e) ? Aktualisieren : Uebernehmen);
    e.teil.knopf->setToolTip(gebunden(e)
            ? QStringLiteral("Schreibt die Eingaben dieses Dialogs in die Position zurück, aus der er geöffnet wurde.")
            : QStringLiteral("Speichert die Eingaben dieses Dialogs als neue Position des Projekts."));
}

void Alle_Auffrischen()
{
    for (const Eintrag& e : std::as_const(eintraege()))
        Knopf_Auffrischen(e);
}

std::optional<Kennung> fragenMitDialog(const Kennung& vorschlag)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("DLG_Position"));
    dialog.setWindowTitle(QStringLiteral("Als Position übernehmen"));
    auto* form = new QFormLayout(&dialog);
    auto* nr = new QLineEdit(vorschlag.nr, &dialog);
    nr->setObjectName(QStringLiteral("E_Nr"));
    auto* titel = new QLineEdit(vorschlag.titel, &dialog);
    titel->setObjectName(QStringLiteral("E_Titel"));
    titel->setMinimumWidth(320);
    form->addRow(QStringLiteral("Nummer:"), nr);
    form->addRow(QStringLiteral("Titel:"), titel);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Übernehmen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(knoepfe);
    titel->setFocus();
    titel->selectAll();
    if (Plattform::modalDazwischen(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return Kennung {nr->text(), titel->text()};
}

std::optional<Kennung> Kennung_Fragen(const Kennung& vorschlag)
{
    return abfrage() ? abfrage()(vorschlag) : fragenMitDialog(vorschlag);
}

// The dialog's inputs into its position, or a new position with the number and title the user
// gives. A field that is no number is named and nothing is stored.
void Klick(Eintrag& e)
{
    TProjektstand& p = projekt();
    Projekt::Position neu;
    try {
        neu = e.teil.lesen();
    } catch (const Plattform::Fehler& f) {
        Plattform::fehler(QStringLiteral("Die Eingaben können nicht als Position gespeichert werden.\n%1").arg(f.text()));
        return;
    }
    if (gebunden(e)) {
        const Projekt::Position alt = *p.position(*e.schluessel);
        neu.nr = alt.nr;
        neu.titel = alt.titel;
        p.ersetzen(*e.schluessel, neu);
        return;
    }
    const auto kennung = Kennung_Fragen({Projekt::NaechsteNummer(p.daten()), Projekt::Artname(neu.art, neu.fall)});
    if (!kennung)
        return;
    neu.nr = kennung->nr.trimmed();
    neu.titel = kennung->titel.trimmed();
    e.schluessel = p.hinzufuegen(neu);
    Knopf_Auffrischen(e);
}

Eintrag* fuerDialog(Lastfaelle::Dialog art)
{
    for (Eintrag& e : eintraege())
        if (e.teil.art == art)
            return &e;
    return nullptr;
}

// The dialog of the position's kind and case; none for a case no dialog serves.
Eintrag* fuerPosition(const Projekt::Position& p)
{
    const Lastfaelle::Lastfall* fall = nullptr;
    switch (p.art) {
    case Projekt::Art::Biegung:
        fall = Lastfaelle::lastfall(Lastfaelle::Familie::Biegung, p.fall);
        break;
    case Projekt::Art::Knickung:
        fall = Lastfaelle::lastfall(Lastfaelle::Familie::Knickung, p.fall);
        break;
    case Projekt::Art::Scherung:
        fall = Lastfaelle::lastfall(Lastfaelle::Familie::Scherung, 0);
        break;
    case Projekt::Art::Traeger:
        return fuerDialog(Lastfaelle::Dialog::Traeger);
    }
    return fall ? fuerDialog(fall->dialog) : nullptr;
}

} // namespace

void Kein_Fall()
{
    throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
        QStringLiteral("Der Dialog ist für keinen seiner Lastfälle geöffnet: bitte den Lastfall im Hauptfenster wählen."));
}

void Anmelden(const Dialogteil& teil)
{
    QFont klein = teil.knopf->font(); // the longest caption of the button columns
    klein.setPixelSize(13);
    teil.knopf->setFont(klein);
    Bausteine::schriftEinpassen(teil.knopf, {Uebernehmen, Aktualisieren}); // smaller still in a narrow column
    Eintrag& e = eintraege()[teil.dialog];
    e = {teil, std::nullopt};
    QWidget* dialog = teil.dialog;
    QObject::connect(teil.knopf, &QPushButton::clicked, teil.dialog,
        [dialog] { Plattform::geschuetzt([dialog] { Klick(eintraege()[dialog]); }); });
    QObject::connect(teil.dialog, &QObject::destroyed, [dialog] { eintraege().remove(dialog); });
    if (TProjektstand* p = Projektstand::Projekt) { // a position deleted or another project: the tie goes
        QObject::connect(p->modell(), &QAbstractItemModel::rowsRemoved, teil.dialog, [] { Alle_Auffrischen(); });
        QObject::connect(p->modell(), &QAbstractItemModel::modelReset, teil.dialog, [] { Alle_Auffrischen(); });
    }
    Knopf_Auffrischen(e);
}

Abfrage setzeAbfrage(Abfrage neu)
{
    Abfrage vorher = abfrage();
    abfrage() = std::move(neu);
    return vorher;
}

void Oeffnen(TProjektstand::Schluessel schluessel)
{
    const auto p = projekt().position(schluessel);
    if (!p)
        return;
    Eintrag* e = fuerPosition(*p);
    if (!e)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
            QStringLiteral("Pos. %1 (%2) wird nicht in einem der Rechendialoge geöffnet.").arg(p->nr, Projekt::Artname(*p)));
    Positionszustand::einsetzen(*p);
    Main::Mainform->L_Mat->setText(Unit1::Sorte); // the chosen material is the position's now
    e->schluessel = schluessel;
    Knopf_Auffrischen(*e);
    e->teil.zeigen(*p);
    Main::Dialog_Zeigen(e->teil.dialog);
    const QString abweichung = Profilabgleich::Abweichung(*p, Unit1::Profildat);
    if (!abweichung.isEmpty())
        Plattform::information(abweichung);
}

void Loesen(QWidget* dialog)
{
    const auto e = eintraege().find(dialog);
    if (e == eintraege().end())
        return;
    e->schluessel.reset();
    Knopf_Auffrischen(*e);
}

std::optional<TProjektstand::Schluessel> Gebunden(QWidget* dialog)
{
    const auto e = eintraege().constFind(dialog);
    if (e == eintraege().cend() || !gebunden(*e))
        return std::nullopt;
    return e->schluessel;
}

} // namespace Positionsknopf
