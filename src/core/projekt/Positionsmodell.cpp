#include "core/projekt/Positionsmodell.h"

#include "core/platform/Zahlen.h"

using Zahlen::fixiert;

namespace {

QString profiltext(const Projekt::Position& p)
{
    if (!p.mitProfil)
        return QStringLiteral("–");
    return p.profil.ausrichtung == Projekt::Ausrichtung::Quer ? p.profil.name + QStringLiteral(" (quer)") : p.profil.name;
}

QString nachweistext(const Positionsrechnung::Ergebnis& e)
{
    if (e.fehler.isEmpty() && !e.nachgewiesen)
        return QStringLiteral("kein Profil");
    return Positionsrechnung::Verdikt(e);
}

} // namespace

Positionsmodell::Positionsmodell(QObject* eltern)
    : QAbstractTableModel(eltern)
{
}

int Positionsmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_projekt.positionen.size());
}

int Positionsmodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : Spaltenzahl; }

QVariant Positionsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount() || (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole))
        return {};
    const Projekt::Position& p = position(index.row());
    const Positionsrechnung::Ergebnis& e = ergebnis(index.row());
    switch (static_cast<Spalte>(index.column())) {
    case Nr:
        return p.nr;
    case Titel:
        return p.titel;
    case Art:
        return Projekt::Artname(p);
    case Profil:
        return profiltext(p);
    case Ergebnis:
        return Positionsrechnung::Hauptergebnis(p, e);
    case Ausnutzung:
        return e.ausnutzung ? fixiert(*e.ausnutzung * 100.0, 1) + QStringLiteral(" %") : QStringLiteral("–");
    case Nachweis:
        return nachweistext(e);
    case Spaltenzahl:
        break;
    }
    return {};
}

QVariant Positionsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    switch (static_cast<Spalte>(abschnitt)) {
    case Nr:
        return QStringLiteral("Nr.");
    case Titel:
        return QStringLiteral("Titel");
    case Art:
        return QStringLiteral("Art");
    case Profil:
        return QStringLiteral("Profil");
    case Ergebnis:
        return QStringLiteral("Ergebnis");
    case Ausnutzung:
        return QStringLiteral("Ausnutzung");
    case Nachweis:
        return QStringLiteral("Nachweis");
    case Spaltenzahl:
        break;
    }
    return {};
}

void Positionsmodell::setzen(const Projekt::Daten& projekt)
{
    beginResetModel();
    m_projekt = projekt;
    m_ergebnisse = Positionsrechnung::rechnen(m_projekt);
    endResetModel();
}

void Positionsmodell::kopfSetzen(const Projekt::Kopf& kopf) { m_projekt.kopf = kopf; }

void Positionsmodell::einfuegen(int zeile, const Projekt::Position& p)
{
    beginInsertRows({}, zeile, zeile);
    m_projekt.positionen.insert(zeile, p);
    m_ergebnisse.insert(zeile, Positionsrechnung::rechnen(p));
    endInsertRows();
}

void Positionsmodell::ersetzen(int zeile, const Projekt::Position& p)
{
    m_projekt.positionen[zeile] = p;
    m_ergebnisse[zeile] = Positionsrechnung::rechnen(p);
    emit dataChanged(index(zeile, 0), index(zeile, Spaltenzahl - 1));
}

void Positionsmodell::loeschen(int zeile)
{
    beginRemoveRows({}, zeile, zeile);
    m_projekt.positionen.removeAt(zeile);
    m_ergebnisse.removeAt(zeile);
    endRemoveRows();
}

bool Positionsmodell::verschieben(int zeile, int richtung)
{
    const int ziel = zeile + richtung;
    if (zeile < 0 || zeile >= rowCount() || ziel < 0 || ziel >= rowCount() || ziel == zeile)
        return false;
    // beginMoveRows counts the destination before the move: one further down when moving down.
    beginMoveRows({}, zeile, zeile, {}, richtung > 0 ? ziel + 1 : ziel);
    m_projekt.positionen.move(zeile, ziel);
    m_ergebnisse.move(zeile, ziel);
    endMoveRows();
    return true;
}

void Positionsmodell::nummernSetzen(const QStringList& nummern)
{
    for (qsizetype i = 0; i < m_projekt.positionen.size() && i < nummern.size(); ++i)
        m_projekt.positionen[i].nr = nummern.at(i);
    if (rowCount() > 0)
        emit dataChanged(index(0, Nr), index(rowCount() - 1, Nr));
}
