#include "gui/calc/Nachweiszeile.h"

#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "core/platform/Zahlen.h"
#include "core/report/Berichtsinhalt.h"
#include "gui/platform/Bausteine.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>

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

void Hinweis_Zeigen(QLabel* zeile, const QString& text)
{
    if (text.isEmpty()) {
        Leeren(zeile);
        return;
    }
    zeile->setText(text);
    Bausteine::hintergrund(zeile, Warnfarbe);
}

void Eurocode_Zeigen(QLabel* zeile, const Eurocode::Urteil& urteil)
{
    zeile->setText(Eurocodetext(urteil));
    Bausteine::hintergrund(zeile, !urteil.moeglich ? Neutral : urteil.erfuellt ? Gruen : Bausteine::Rot);
}

void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, std::initializer_list<const QLabel*> zeilen)
{
    QStringList texte;
    for (const QLabel* zeile : zeilen)
        texte.append(zeile->text());
    Protokollieren(protokoll, std::move(vorweg), texte);
}

namespace {

const QString Staendig = QStringLiteral("ständig (G)");
const QString Veraenderlich = QStringLiteral("veränderlich (Q)");

} // namespace

Einwirkungswahl Einwirkungswahl_Bauen(QWidget* eltern, int x, int y, int breite, const std::function<void()>& geaendert)
{
    const int hoehe = 28, beschriftung = 100, einwirkung = 170, kategorieBeschriftung = 86;
    Einwirkungswahl w;
    Bausteine::label(eltern, QStringLiteral("L_Einwirkung"), QStringLiteral("Einwirkung:"), x, y + 4, beschriftung - 6, 22);
    w.CB_Einwirkung = new QComboBox(eltern);
    w.CB_Einwirkung->setObjectName(QStringLiteral("CB_Einwirkung"));
    w.CB_Einwirkung->setGeometry(x + beschriftung, y, einwirkung, hoehe);
    w.CB_Einwirkung->addItems({Staendig, Veraenderlich});
    Bausteine::schriftEinpassen(w.CB_Einwirkung, {Staendig, Veraenderlich});
    const int kx = x + beschriftung + einwirkung + 14;
    Bausteine::label(
        eltern, QStringLiteral("L_Kategorie"), QStringLiteral("Kategorie:"), kx, y + 4, kategorieBeschriftung - 6, 22);
    w.CB_Kategorie = new QComboBox(eltern);
    w.CB_Kategorie->setObjectName(QStringLiteral("CB_Kategorie"));
    w.CB_Kategorie->setGeometry(kx + kategorieBeschriftung, y, x + breite - kx - kategorieBeschriftung, hoehe);
    w.CB_Einwirkung->setToolTip(QStringLiteral("Die Last als ständige (G) oder veränderliche (Q) Einwirkung: bestimmt die "
                                               "Teilsicherheitsbeiwerte des Nachweises nach DIN EN 1993-1-1."));
    Einwirkungswahl_Auffrischen(w);
    QObject::connect(w.CB_Einwirkung, &QComboBox::currentIndexChanged, eltern, [w, geaendert](int index) {
        Unit1::Last_Staendig = index == 0;
        w.CB_Kategorie->setEnabled(!Unit1::Last_Staendig);
        geaendert();
    });
    QObject::connect(w.CB_Kategorie, &QComboBox::currentIndexChanged, eltern, [w, geaendert](int index) {
        Unit1::Last_Kategorie = w.CB_Kategorie->itemData(index).toString();
        geaendert();
    });
    return w;
}

bool Einwirkungswahl_Auffrischen(const Einwirkungswahl& wahl)
{
    const QSignalBlocker stumm1(wahl.CB_Einwirkung);
    const QSignalBlocker stumm2(wahl.CB_Kategorie);
    const int einwirkung = Unit1::Last_Staendig ? 0 : 1;
    const bool anders = wahl.CB_Einwirkung->currentIndex() != einwirkung
        || wahl.CB_Kategorie->currentData().toString() != Unit1::Last_Kategorie;
    // The table as it stands now (the data editor may have changed it); a category of a project
    // file that the table lacks is shown by its key, not replaced.
    wahl.CB_Kategorie->clear();
    for (const Eurocode::Kategorie& k : U_Einwirkungen::Kategorien)
        wahl.CB_Kategorie->addItem(k.bezeichnung, k.kuerzel);
    if (wahl.CB_Kategorie->findData(Unit1::Last_Kategorie) < 0)
        wahl.CB_Kategorie->addItem(Unit1::Last_Kategorie, Unit1::Last_Kategorie);
    wahl.CB_Einwirkung->setCurrentIndex(einwirkung);
    wahl.CB_Kategorie->setCurrentIndex(wahl.CB_Kategorie->findData(Unit1::Last_Kategorie));
    wahl.CB_Kategorie->setEnabled(!Unit1::Last_Staendig);
    // The descriptions are data: the longest of the table as it stands decides the font.
    QStringList texte;
    for (int i = 0; i < wahl.CB_Kategorie->count(); ++i)
        texte.append(wahl.CB_Kategorie->itemText(i));
    Bausteine::schriftEinpassen(wahl.CB_Kategorie, texte);
    return anders;
}

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
