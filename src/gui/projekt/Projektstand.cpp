#include "gui/projekt/Projektstand.h"

#include "core/projekt/Projektdatei.h"

#include <QFileInfo>

namespace Projektstand {
TProjektstand* Projekt = nullptr;
} // namespace Projektstand

TProjektstand::TProjektstand(QObject* eltern)
    : QObject(eltern)
{
    connect(&m_modell, &Positionsmodell::geaendertGeaendert, this, &TProjektstand::stand_Geaendert);
}

TProjektstand::~TProjektstand()
{
    if (Projektstand::Projekt == this)
        Projektstand::Projekt = nullptr;
}

QString TProjektstand::Dateiname() const { return m_pfad.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(m_pfad).fileName(); }

void TProjektstand::uebernehmen(const Projekt::Daten& daten, const QString& pfad)
{
    // The keys before the model: whoever its reset reaches finds the old keys gone.
    m_schluessel.clear();
    for (qsizetype i = 0; i < daten.positionen.size(); ++i)
        m_schluessel.append(neuerSchluessel()); // keys of the project before are never reused
    m_pfad = pfad;
    m_modell.setzen(daten);
    emit stand_Geaendert();
}

void TProjektstand::neu() { uebernehmen({}, {}); }

void TProjektstand::laden(const QString& pfad)
{
    const Projekt::Daten daten = Projektdatei::laden(pfad); // throws before anything changed
    uebernehmen(daten, QFileInfo(pfad).absoluteFilePath());
}

void TProjektstand::speichern(const QString& pfad)
{
    Projektdatei::speichern(daten(), pfad); // throws: the mark stays
    m_pfad = QFileInfo(pfad).absoluteFilePath();
    m_modell.gespeichert();
    emit stand_Geaendert();
}

void TProjektstand::kopfSetzen(const Projekt::Kopf& kopf)
{
    if (kopf != daten().kopf)
        m_modell.kopfSetzen(kopf);
}

TProjektstand::Schluessel TProjektstand::hinzufuegen(const Projekt::Position& p)
{
    const Schluessel s = neuerSchluessel();
    m_schluessel.append(s);
    m_modell.hinzufuegen(p);
    return s;
}

bool TProjektstand::ersetzen(Schluessel schluessel, const Projekt::Position& p)
{
    const auto z = zeile(schluessel);
    if (!z)
        return false;
    m_modell.ersetzen(*z, p);
    return true;
}

std::optional<int> TProjektstand::zeile(Schluessel schluessel) const
{
    const qsizetype z = m_schluessel.indexOf(schluessel);
    return z < 0 ? std::nullopt : std::optional<int>(int(z));
}

std::optional<Projekt::Position> TProjektstand::position(Schluessel schluessel) const
{
    const auto z = zeile(schluessel);
    return z ? std::optional<Projekt::Position>(m_modell.position(*z)) : std::nullopt;
}

void TProjektstand::loeschen(int zeile)
{
    m_schluessel.removeAt(zeile);
    m_modell.loeschen(zeile);
}

int TProjektstand::duplizieren(int zeile)
{
    const int neu = m_modell.duplizieren(zeile);
    m_schluessel.insert(neu, neuerSchluessel());
    return neu;
}

bool TProjektstand::verschieben(int zeile, int richtung)
{
    if (!m_modell.verschieben(zeile, richtung))
        return false;
    m_schluessel.swapItemsAt(zeile, zeile + richtung);
    return true;
}

void TProjektstand::neuNummerieren() { m_modell.neuNummerieren(); }
