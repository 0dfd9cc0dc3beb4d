#pragma once
// The project open in the window: its positions (as the table of the tab "Positionen" shows
// them), the file it came from or was last saved to, and whether it has changes not yet saved.
// Every edit of the project goes through here, so that each position keeps a key for the run:
// a dialog opened from a position writes its inputs back to that position even after the table
// was sorted, and learns when the position is gone.
#include "core/projekt/Positionsmodell.h"
#include "core/projekt/Projekt.h"

#include <QObject>
#include <QString>
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
    bool geaendert() const { return m_modell.geaendert(); }
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

    void kopfSetzen(const Projekt::Kopf& kopf);
    Schluessel hinzufuegen(const Projekt::Position& p);
    // False when the position of the key is gone (deleted, or another project opened).
    bool ersetzen(Schluessel schluessel, const Projekt::Position& p);
    std::optional<int> zeile(Schluessel schluessel) const;
    std::optional<Projekt::Position> position(Schluessel schluessel) const;
    Schluessel schluessel(int zeile) const { return m_schluessel.at(zeile); }
    void loeschen(int zeile);
    int duplizieren(int zeile);
    bool verschieben(int zeile, int richtung);
    void neuNummerieren();

signals:
    // The file or the unsaved-changes mark changed: the title bar follows.
    void stand_Geaendert();

private:
    void uebernehmen(const Projekt::Daten& daten, const QString& pfad);
    Schluessel neuerSchluessel() { return ++m_letzter; }

    Positionsmodell m_modell;
    QList<Schluessel> m_schluessel; // one per row of the model, in its order
    Schluessel m_letzter = 0;
    QString m_pfad;
};

namespace Projektstand {
// The project of the running program (the main window owns it); null while there is none.
extern TProjektstand* Projekt;
} // namespace Projektstand
