#pragma once
// The positions of the open project as a table for the tab "Positionen": number, title, kind,
// profile, main result, utilisation and verdict, each row computed with the core calculations
// when its position changes (not when it is drawn). Its edits are the steps that the project's
// undo history runs forwards and backwards: insert, replace, delete, swap with a neighbour, set
// the numbers and the head.
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

    // A whole project, as read from a file.
    void setzen(const Projekt::Daten& projekt);
    const Projekt::Daten& projekt() const { return m_projekt; }
    const Projekt::Position& position(int zeile) const { return m_projekt.positionen.at(zeile); }
    const Positionsrechnung::Ergebnis& ergebnis(int zeile) const { return m_ergebnisse.at(zeile); }

    void kopfSetzen(const Projekt::Kopf& kopf);
    // Inserts the position so that it is row `zeile`.
    void einfuegen(int zeile, const Projekt::Position& p);
    void ersetzen(int zeile, const Projekt::Position& p);
    void loeschen(int zeile);
    // Swaps the row with its neighbour above (-1) or below (+1); false at either end.
    bool verschieben(int zeile, int richtung);
    // The numbers of all rows, in the order of the table.
    void nummernSetzen(const QStringList& nummern);

private:
    Projekt::Daten m_projekt;
    QList<Positionsrechnung::Ergebnis> m_ergebnisse;
};
