#include "gui/projekt/Positionsknopf.h"

#include "core/app/Unit1.h"
#include "core/platform/Meldungen.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Profilabgleich.h"
#include "gui/calc/Rechendialog.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
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
    // The inputs as the dialog read them when it last showed or stored its position: what
    // differs from them now is the user's edit (a plain comparison with the position would see
    // edits where the dialog only completes it, e.g. with the library's fy).
    std::optional<Projekt::Position> gezeigt;
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

Hauptfenster& hauptfenster()
{
    static Hauptfenster fenster;
    return fenster;
}

void Zeigen(QWidget* dialog)
{
    if (hauptfenster().zeigen)
        hauptfenster().zeigen(dialog);
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

// The dialog's inputs written back to its position, number and title kept.
void Zurueckschreiben(Eintrag& e, const Projekt::Position& gelesen)
{
    TProjektstand& p = projekt();
    const Projekt::Position alt = *p.position(*e.schluessel);
    Projekt::Position neu = gelesen;
    neu.nr = alt.nr;
    neu.titel = alt.titel;
    p.ersetzen(*e.schluessel, neu);
    e.gezeigt = gelesen;
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
        Zurueckschreiben(e, neu);
        return;
    }
    const auto kennung = Kennung_Fragen({Projekt::NaechsteNummer(p.daten()), Projekt::Artname(neu.art, neu.fall)});
    if (!kennung)
        return;
    const Projekt::Position gelesen = neu;
    neu.nr = kennung->nr.trimmed();
    neu.titel = kennung->titel.trimmed();
    e.schluessel = p.hinzufuegen(neu);
    e.gezeigt = gelesen;
    Knopf_Auffrischen(e);
}

// "Pos. 3 „Sturz“" of the position tied to the dialog.
QString Positionsname(const Eintrag& e)
{
    const Projekt::Position p = *projekt().position(*e.schluessel);
    return p.titel.isEmpty() ? QStringLiteral("Pos. %1").arg(p.nr) : QStringLiteral("Pos. %1 „%2“").arg(p.nr, p.titel);
}

// The inputs of a dialog tied to a position as it reads them now; none, with the reason, where
// a field is no number (or the dialog serves none of its cases any more).
struct Gelesen {
    std::optional<Projekt::Position> position;
    QString fehler;
};
Gelesen Lesen(const Eintrag& e)
{
    try {
        return {e.teil.lesen(), {}};
    } catch (const Plattform::Fehler& f) {
        return {std::nullopt, f.text()};
    }
}

bool unveraendert(const Eintrag& e, const Gelesen& g) { return g.position && e.gezeigt && *g.position == *e.gezeigt; }

Eintrag* angemeldet(Lastfaelle::Dialog art)
{
    for (Eintrag& e : eintraege())
        if (e.teil.art == art)
            return &e;
    return nullptr;
}

// The entry of a kind of dialog; a dialog not built yet is built through the main window.
Eintrag* fuerDialog(Lastfaelle::Dialog art)
{
    if (!angemeldet(art) && hauptfenster().dialog)
        hauptfenster().dialog(art);
    return angemeldet(art);
}

// The case of a kind: bending 1–13, buckling 1–4, shear's one; none for the general beam and
// for a number the kind does not have.
const Lastfaelle::Lastfall* Lastfall(Projekt::Art art, int fall)
{
    switch (art) {
    case Projekt::Art::Biegung:
        return Lastfaelle::lastfall(Lastfaelle::Familie::Biegung, fall);
    case Projekt::Art::Knickung:
        return Lastfaelle::lastfall(Lastfaelle::Familie::Knickung, fall);
    case Projekt::Art::Scherung:
        return Lastfaelle::lastfall(Lastfaelle::Familie::Scherung, 0);
    case Projekt::Art::Traeger:
        break;
    }
    return nullptr;
}

// The dialog of a kind and case; none for a case no dialog serves.
Eintrag* fuerFall(Projekt::Art art, int fall)
{
    if (art == Projekt::Art::Traeger)
        return fuerDialog(Lastfaelle::Dialog::Traeger);
    const Lastfaelle::Lastfall* f = Lastfall(art, fall);
    return f ? fuerDialog(f->dialog) : nullptr;
}

// The close box of a dialog asks before a changed input is lost.
class Schliesswaechter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::Close)
            return false;
        bool weiter = true;
        Plattform::geschuetzt([&] { weiter = Schliessen_Klaeren(static_cast<QWidget*>(objekt)); });
        if (weiter)
            return false;
        ereignis->ignore();
        return true;
    }
};

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
    e = {teil, std::nullopt, std::nullopt};
    QWidget* dialog = teil.dialog;
    QObject::connect(teil.knopf, &QPushButton::clicked, teil.dialog,
        [dialog] { Plattform::geschuetzt([dialog] { Klick(eintraege()[dialog]); }); });
    QObject::connect(teil.dialog, &QObject::destroyed, [dialog] { eintraege().remove(dialog); });
    if (TProjektstand* p = Projektstand::Projekt) { // a position deleted, restored or another project
        for (auto signal : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted})
            QObject::connect(p->modell(), signal, teil.dialog, [] { Alle_Auffrischen(); });
        QObject::connect(p->modell(), &QAbstractItemModel::modelReset, teil.dialog, [] { Alle_Auffrischen(); });
    }
    dialog->installEventFilter(new Schliesswaechter(dialog));
    Knopf_Auffrischen(e);
}

void setzeHauptfenster(Hauptfenster neu) { hauptfenster() = std::move(neu); }

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
    Eintrag* e = fuerFall(p->art, p->fall);
    if (!e)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
            QStringLiteral("Pos. %1 (%2) wird nicht in einem der Rechendialoge geöffnet.").arg(p->nr, Projekt::Artname(*p)));
    Positionszustand::einsetzen(*p);
    if (hauptfenster().werkstoffGewaehlt)
        hauptfenster().werkstoffGewaehlt(Unit1::Sorte);
    e->schluessel = schluessel;
    Knopf_Auffrischen(*e);
    e->teil.zeigen(*p);
    Zeigen(e->teil.dialog);
    e->gezeigt = Lesen(*e).position;
    const QString abweichung = Profilabgleich::Abweichung(*p, Unit1::Profildat);
    if (!abweichung.isEmpty())
        Plattform::information(abweichung);
}

void Neu(Projekt::Art art, int fall)
{
    Eintrag* e = fuerFall(art, fall);
    if (!e)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
            QStringLiteral("%1 wird nicht in einem der Rechendialoge berechnet.").arg(Projekt::Artname(art, fall)));
    QWidget* dialog = e->teil.dialog;
    e->teil.leeren();
    if (const Lastfaelle::Lastfall* f = Lastfall(art, fall)) {
        if (hauptfenster().fallWaehlen)
            hauptfenster().fallWaehlen(f->nr, dialog);
        return;
    }
    Loesen(dialog);
    Zeigen(dialog);
}

bool OK(QWidget* dialog)
{
    const auto e = eintraege().find(dialog);
    if (e == eintraege().end() || !gebunden(*e))
        return true;
    const Gelesen g = Lesen(*e);
    if (unveraendert(*e, g))
        return true;
    if (!g.position) {
        Plattform::fehler(QStringLiteral("Die Eingaben können nicht in %1 übernommen werden.\n%2\n"
                                         "Das Fenster bleibt offen: bitte die Eingabe berichtigen, "
                                         "oder „Abbrechen“ verwirft die Änderung.")
                              .arg(Positionsname(*e), g.fehler));
        return false;
    }
    Zurueckschreiben(*e, *g.position);
    return true;
}

bool Schliessen_Klaeren(QWidget* dialog)
{
    const auto e = eintraege().find(dialog);
    if (e == eintraege().end() || !dialog->isVisible() || !gebunden(*e))
        return true;
    const Gelesen g = Lesen(*e);
    if (unveraendert(*e, g))
        return true;
    const QString fenster = dialog->windowTitle();
    if (!g.position) {
        const QString frage = QStringLiteral("Die Eingaben im Fenster „%1“ weichen von %2 ab, können aber nicht übernommen "
                                             "werden:\n%3\nSollen sie verworfen werden?")
                                  .arg(fenster, Positionsname(*e), g.fehler);
        return SGcomp::Nachfragen(frage, false) == SGcomp::Antwort::Verwerfen;
    }
    const QString frage
        = QStringLiteral("Die Eingaben im Fenster „%1“ weichen von %2 ab. Sollen sie in die Position übernommen werden?")
              .arg(fenster, Positionsname(*e));
    switch (SGcomp::Nachfragen(frage, true, QStringLiteral("Übernehmen"))) {
    case SGcomp::Antwort::Speichern:
        Zurueckschreiben(*e, *g.position);
        return true;
    case SGcomp::Antwort::Verwerfen:
        return true;
    case SGcomp::Antwort::Bleiben:
        break;
    }
    return false;
}

bool Alle_Klaeren()
{
    for (QWidget* dialog : eintraege().keys())
        if (!Schliessen_Klaeren(dialog))
            return false;
    return true;
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
