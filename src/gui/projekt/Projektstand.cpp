#include "gui/projekt/Projektstand.h"

#include "core/projekt/Projektdatei.h"

#include <QFileInfo>
#include <QUndoCommand>

namespace Projektstand {
TProjektstand* Projekt = nullptr;
} // namespace Projektstand

namespace {

// A step of the history as two functions; the history is linear, so a row a step names is
// the same row when it is undone or redone.
class Schritt : public QUndoCommand {
public:
    Schritt(const QString& text, std::function<void()> tun, std::function<void()> zuruecknehmen)
        : QUndoCommand(text)
        , m_tun(std::move(tun))
        , m_zuruecknehmen(std::move(zuruecknehmen))
    {
    }
    void redo() override { m_tun(); }
    void undo() override { m_zuruecknehmen(); }

private:
    std::function<void()> m_tun, m_zuruecknehmen;
};

} // namespace

TProjektstand::TProjektstand(QObject* eltern)
    : QObject(eltern)
{
    connect(&m_verlauf, &QUndoStack::cleanChanged, this, &TProjektstand::stand_Geaendert);
}

TProjektstand::~TProjektstand()
{
    if (Projektstand::Projekt == this)
        Projektstand::Projekt = nullptr;
}

QString TProjektstand::Dateiname() const { return m_pfad.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(m_pfad).fileName(); }

QString TProjektstand::Name(const Projekt::Position& p) { return QStringLiteral("Position %1").arg(p.nr); }

void TProjektstand::uebernehmen(const Projekt::Daten& daten, const QString& pfad)
{
    m_verlauf.clear(); // the steps of another project cannot be undone in this one
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
    m_verlauf.setClean();
    emit stand_Geaendert();
}

void TProjektstand::ausfuehren(const QString& text, std::function<int()> tun, std::function<int()> zuruecknehmen)
{
    m_verlauf.push(new Schritt(
        text, [this, tun] { emit bearbeitet(tun()); }, [this, zuruecknehmen] { emit bearbeitet(zuruecknehmen()); }));
}

int TProjektstand::einfuegen(int zeile, const Projekt::Position& p, Schluessel s)
{
    m_schluessel.insert(zeile, s); // before the model's signal reaches the dialogs tied to it
    m_modell.einfuegen(zeile, p);
    return zeile;
}

int TProjektstand::entfernen(int zeile)
{
    m_schluessel.removeAt(zeile);
    m_modell.loeschen(zeile);
    return std::min(zeile, m_modell.rowCount() - 1);
}

int TProjektstand::vertauschen(int zeile, int richtung)
{
    m_modell.verschieben(zeile, richtung);
    m_schluessel.swapItemsAt(zeile, zeile + richtung);
    return zeile + richtung;
}

void TProjektstand::kopfSetzen(const Projekt::Kopf& kopf)
{
    const Projekt::Kopf alt = daten().kopf;
    if (kopf == alt)
        return;
    ausfuehren(
        QStringLiteral("Projektkopf ändern"),
        [this, kopf] {
            m_modell.kopfSetzen(kopf);
            return -1;
        },
        [this, alt] {
            m_modell.kopfSetzen(alt);
            return -1;
        });
}

TProjektstand::Schluessel TProjektstand::hinzufuegen(const Projekt::Position& p)
{
    const Schluessel s = neuerSchluessel();
    const int z = m_modell.rowCount();
    ausfuehren(
        Name(p) + QStringLiteral(" hinzufügen"), [this, z, p, s] { return einfuegen(z, p, s); },
        [this, z] { return entfernen(z); });
    return s;
}

bool TProjektstand::ersetzen(Schluessel schluessel, const Projekt::Position& p, const QString& was)
{
    const auto z = zeile(schluessel);
    if (!z)
        return false;
    const Projekt::Position alt = m_modell.position(*z);
    if (p == alt)
        return true;
    auto setzen = [this, z = *z](const Projekt::Position& q) {
        m_modell.ersetzen(z, q);
        return z;
    };
    ausfuehren(
        was.isEmpty() ? Name(alt) + QStringLiteral(" ändern") : was, [setzen, p] { return setzen(p); },
        [setzen, alt] { return setzen(alt); });
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
    const Projekt::Position p = m_modell.position(zeile);
    const Schluessel s = m_schluessel.at(zeile); // undone, the position is the same one again
    ausfuehren(
        Name(p) + QStringLiteral(" löschen"), [this, zeile] { return entfernen(zeile); },
        [this, zeile, p, s] { return einfuegen(zeile, p, s); });
}

int TProjektstand::duplizieren(int zeile)
{
    const Projekt::Position& original = m_modell.position(zeile);
    Projekt::Position kopie = original;
    kopie.nr = Projekt::NaechsteNummer(daten());
    const Schluessel s = neuerSchluessel();
    ausfuehren(
        Name(original) + QStringLiteral(" duplizieren"), [this, zeile, kopie, s] { return einfuegen(zeile + 1, kopie, s); },
        [this, zeile] {
            entfernen(zeile + 1);
            return zeile;
        });
    return zeile + 1;
}

bool TProjektstand::verschieben(int zeile, int richtung)
{
    const int ziel = zeile + richtung;
    if (zeile < 0 || zeile >= m_modell.rowCount() || ziel < 0 || ziel >= m_modell.rowCount() || ziel == zeile)
        return false;
    ausfuehren(
        Name(m_modell.position(zeile))
            + (richtung < 0 ? QStringLiteral(" nach oben schieben") : QStringLiteral(" nach unten schieben")),
        [this, zeile, richtung] { return vertauschen(zeile, richtung); },
        [this, ziel, richtung] { return vertauschen(ziel, -richtung); });
    return true;
}

void TProjektstand::neuNummerieren()
{
    QStringList alt, neu;
    for (qsizetype i = 0; i < daten().positionen.size(); ++i) {
        alt << daten().positionen.at(i).nr;
        neu << QString::number(i + 1);
    }
    if (alt == neu)
        return;
    auto setzen = [this](const QStringList& nummern) {
        m_modell.nummernSetzen(nummern);
        return -1;
    };
    ausfuehren(
        QStringLiteral("Positionen neu nummerieren"), [setzen, neu] { return setzen(neu); },
        [setzen, alt] { return setzen(alt); });
}
