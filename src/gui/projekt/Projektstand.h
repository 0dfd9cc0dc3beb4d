#pragma once
// The project open in the window: its positions (as the table of the tab "Positionen" shows
// them), the file it came from or was last saved to, and its undo history. Every edit of the
// project goes through here and becomes a step of that history, named for the menu
// ("Position 3 löschen"); the project has changes not yet saved while the history is away from
// the state last saved or opened. Each position keeps a key for the run: a dialog opened from a
// position writes its inputs back to that position even after the table was sorted, learns
// when the position is gone, and finds it again when its deletion is undone.
#include "core/projekt/Positionsmodell.h"
#include "core/projekt/Projekt.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

class TProjektstand : public QObject {
    Q_OBJECT
public:
    using Schluessel = quint64;

    explicit TProjektstand(QObject* eltern = nullptr);
    ~TProjektstand() override;

    Positionsmodell* modell() { return &m_modell; }
    const Projekt::Daten& daten() const { return m_modell.projekt(); }
    QString pfad() const { return m_pfad; }
    bool geaendert() const { return !m_verlauf.isClean(); }
    // The undo history ("Bearbeiten": Rückgängig, Wiederholen).
    QUndoStack* verlauf() { return &m_verlauf; }
    // "Garage.trabex", or "Unbenannt" for a project never saved.
    QString Dateiname() const;

    // An empty project without a file.
    void neu();
    // The project of the file; a file that cannot be read throws its message and leaves the open
    // project as it was.
    void laden(const QString& pfad);
    // Writes the project to `pfad`, which becomes its file; a failure throws and keeps the mark
    // of unsaved changes.
    void speichern(const QString& pfad);

    // The edits, each a step of the history; one that changes nothing is none.
    void kopfSetzen(const Projekt::Kopf& kopf);
    Schluessel hinzufuegen(const Projekt::Position& p);
    // False when the position of the key is gone (deleted, or another project opened). `was`
    // names the step; empty: "Position 3 ändern".
    bool ersetzen(Schluessel schluessel, const Projekt::Position& p, const QString& was = {});
    std::optional<int> zeile(Schluessel schluessel) const;
    std::optional<Projekt::Position> position(Schluessel schluessel) const;
    Schluessel schluessel(int zeile) const { return m_schluessel.at(zeile); }
    void loeschen(int zeile);
    // A copy with the next free number right after the row; its row.
    int duplizieren(int zeile);
    // Swaps the row with its neighbour above (-1) or below (+1); false at either end.
    bool verschieben(int zeile, int richtung);
    // Numbers 1, 2, 3, … in the order of the table.
    void neuNummerieren();

    // "Position 3", as the steps name a position.
    static QString Name(const Projekt::Position& p);

signals:
    // The file or the unsaved-changes mark changed: the title bar follows.
    void stand_Geaendert();
    // A step was done, undone or redone; `zeile` is the row it concerns, which the table
    // selects (-1: no row, the selection stays).
    void bearbeitet(int zeile);

private:
    void uebernehmen(const Projekt::Daten& daten, const QString& pfad);
    Schluessel neuerSchluessel() { return ++m_letzter; }
    // A step: `tun` now and on redo, `zuruecknehmen` on undo, each reporting its row.
    void ausfuehren(const QString& text, std::function<int()> tun, std::function<int()> zuruecknehmen);
    // The edits of rows and keys together, which the steps run.
    int einfuegen(int zeile, const Projekt::Position& p, Schluessel s);
    int entfernen(int zeile);
    int vertauschen(int zeile, int richtung);

    Positionsmodell m_modell;
    QList<Schluessel> m_schluessel; // one per row of the model, in its order
    Schluessel m_letzter = 0;
    QString m_pfad;
    QUndoStack m_verlauf;
};

namespace Projektstand {
// The project of the running program (the main window owns it); null while there is none.
extern TProjektstand* Projekt;
} // namespace Projektstand
