#pragma once
// The positions of the open project as a table for the tab "Positionen": number, title, kind,
// profile, main result, utilisation and verdict, each row computed with the core calculations
// when its position changes (not when it is drawn). It also keeps the project's edits: delete,
// duplicate, move, renumber, and whether there are changes not yet saved.
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"

#include <QAbstractTableModel>

class Positionsmodell : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Spalte { Nr, Titel, Art, Profil, Ergebnis, Ausnutzung, Nachweis, Spaltenzahl };

    explicit Positionsmodell(QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

    // A whole project, as read from a file: nothing is changed yet.
    void setzen(const Projekt::Daten& projekt);
    const Projekt::Daten& projekt() const { return m_projekt; }
    const Projekt::Position& position(int zeile) const { return m_projekt.positionen.at(zeile); }
    const Positionsrechnung::Ergebnis& ergebnis(int zeile) const { return m_ergebnisse.at(zeile); }

    void kopfSetzen(const Projekt::Kopf& kopf);
    // Appends the position; its row.
    int hinzufuegen(const Projekt::Position& p);
    void ersetzen(int zeile, const Projekt::Position& p);
    void loeschen(int zeile);
    // A copy with the next free number right after the row; its row.
    int duplizieren(int zeile);
    // Swaps the row with its neighbour above (-1) or below (+1); false at either end.
    bool verschieben(int zeile, int richtung);
    // Numbers 1, 2, 3, … in the order of the table.
    void neuNummerieren();

    bool geaendert() const { return m_geaendert; }
    void gespeichert();

signals:
    // The unsaved-changes state has changed.
    void geaendertGeaendert(bool geaendert);

private:
    void aendern();

    Projekt::Daten m_projekt;
    QList<Positionsrechnung::Ergebnis> m_ergebnisse;
    bool m_geaendert = false;
};
