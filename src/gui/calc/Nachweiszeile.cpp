#include "gui/calc/Nachweiszeile.h"

#include "core/platform/Zahlen.h"
#include "core/report/Berichtsinhalt.h"
#include "gui/platform/Bausteine.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace Nachweiszeile {

QLabel* Bauen(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
{
    QLabel* zeile = Bausteine::label(eltern, name, QString(), x, y, breite, hoehe);
    zeile->setWordWrap(true);
    zeile->setIndent(4);
    Leeren(zeile);
    return zeile;
}

void Zeigen(QLabel* zeile, const Nachweis::Urteil& urteil)
{
    zeile->setText(urteil.text);
    switch (urteil.zustand) {
    case Nachweis::Zustand::Erfuellt:
        Bausteine::hintergrund(zeile, Gruen);
        break;
    case Nachweis::Zustand::NichtErfuellt:
        Bausteine::hintergrund(zeile, Bausteine::Rot);
        break;
    case Nachweis::Zustand::Offen:
    case Nachweis::Zustand::KeinProfil:
        Bausteine::hintergrund(zeile, Neutral);
        break;
    }
}

void Leeren(QLabel* zeile)
{
    zeile->clear();
    zeile->setAutoFillBackground(false);
}

void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, std::initializer_list<const QLabel*> zeilen)
{
    QStringList texte;
    for (const QLabel* zeile : zeilen)
        texte.append(zeile->text());
    Protokollieren(protokoll, std::move(vorweg), texte);
}

void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, const QStringList& zeilen)
{
    for (const QString& text : zeilen) {
        const qsizetype doppelpunkt = text.indexOf(QStringLiteral(": "));
        if (doppelpunkt > 0) // "Nachweis Biegung: …" is the step's name and its statement
            vorweg.append({text.left(doppelpunkt), text.mid(doppelpunkt + 2), QString(), QString()});
    }
    // First, so that the verdicts stand on the second page right under the diagrams; the
    // verdicts of an earlier state go. Page 1 prints the same part.
    const QString& ueberschrift = Berichtsinhalt::Nachweisteil;
    protokoll.teile.removeIf([&](const auto& teil) { return teil.first == ueberschrift; });
    if (!vorweg.isEmpty())
        protokoll.teile.prepend({ueberschrift, vorweg});
}

Rechenweg::Schritt Eigengewicht(double g)
{
    return {QStringLiteral("Eigengewicht"),
        g > 0 ? QStringLiteral("berücksichtigt (g = %1 N/m)").arg(Zahlen::fixiert(g, 2)) : QStringLiteral("nicht berücksichtigt"),
        {}, {}};
}

Rechenweg::Schritt OhneEigengewicht() { return Eigengewicht(0); }

QComboBox* Grenzenwahl(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
{
    auto* wahl = new QComboBox(eltern);
    wahl->setObjectName(name);
    wahl->setGeometry(x, y, breite, hoehe);
    for (int grenze : Nachweis::Grenzen)
        wahl->addItem(Nachweis::Grenzentext(grenze), grenze);
    Grenzenwahl_Auffrischen(wahl);
    QObject::connect(wahl, &QComboBox::currentIndexChanged, wahl,
        [wahl](int index) { Nachweis::Durchbiegungsgrenze = wahl->itemData(index).toInt(); });
    return wahl;
}

void Grenzenwahl_Auffrischen(QComboBox* wahl)
{
    const QSignalBlocker stumm(wahl);
    const int grenze = Nachweis::Durchbiegungsgrenze;
    // A limit of a project file that the list does not offer is shown as it is, not replaced.
    if (wahl->findData(grenze) < 0 && grenze > 0)
        wahl->addItem(Nachweis::Grenzentext(grenze), grenze);
    wahl->setCurrentIndex(std::max(0, wahl->findData(grenze)));
}

} // namespace Nachweiszeile
