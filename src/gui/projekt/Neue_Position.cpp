#include "gui/projekt/Neue_Position.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Lastfallbild.h"
#include "core/calc/Traegerskizze.h"
#include "gui/platform/Oberflaeche.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace {

using Projekt::Art;

constexpr QSize Skizzengroesse(260, 130);

// The kinds in the order of the list.
constexpr Art Arten[] = {Art::Biegung, Art::Knickung, Art::Scherung, Art::Traeger};

std::optional<Lastfaelle::Familie> familie(Art art)
{
    switch (art) {
    case Art::Biegung:
        return Lastfaelle::Familie::Biegung;
    case Art::Knickung:
        return Lastfaelle::Familie::Knickung;
    case Art::Scherung:
    case Art::Traeger:
        break;
    }
    return std::nullopt;
}

QString artText(Art art)
{
    switch (art) {
    case Art::Biegung:
        return QStringLiteral("Biegung");
    case Art::Knickung:
        return QStringLiteral("Knickung");
    case Art::Scherung:
        return QStringLiteral("Scherung");
    case Art::Traeger:
        break;
    }
    return QStringLiteral("Träger mit beliebigen Lasten (Durchlaufträger)");
}

Neue_Position::Abfrage& abfrage()
{
    static Neue_Position::Abfrage antwort; // empty: the dialog
    return antwort;
}

TDLG_Neue_Position::Wahl& letzteWahl()
{
    static TDLG_Neue_Position::Wahl wahl;
    return wahl;
}

} // namespace

TDLG_Neue_Position::TDLG_Neue_Position(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("DLG_Neue_Position"));
    setWindowTitle(QStringLiteral("Neue Position"));
    auto* form = new QFormLayout(this);
    CB_Art = new QComboBox(this);
    CB_Art->setObjectName(QStringLiteral("CB_Art"));
    for (Art a : Arten)
        CB_Art->addItem(artText(a));
    CB_Fall = new QComboBox(this);
    CB_Fall->setObjectName(QStringLiteral("CB_Fall"));
    CB_Fall->setMinimumWidth(420);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(Skizzengroesse);
    Image1->setAlignment(Qt::AlignCenter);
    form->addRow(QStringLiteral("Art:"), CB_Art);
    form->addRow(QStringLiteral("Lastfall:"), CB_Fall);
    form->addRow(QString(), Image1);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Dialog öffnen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(knoepfe);
    connect(CB_Art, &QComboBox::currentIndexChanged, this, Plattform::handler(this, &TDLG_Neue_Position::CB_ArtChange));
    connect(CB_Fall, &QComboBox::currentIndexChanged, this, Plattform::handler(this, &TDLG_Neue_Position::Skizze_Zeigen));
    CB_ArtChange();
}

void TDLG_Neue_Position::Zeigen(const Wahl& wahl)
{
    CB_Art->setCurrentIndex(int(std::find(std::begin(Arten), std::end(Arten), wahl.art) - std::begin(Arten)));
    CB_ArtChange();
    if (CB_Fall->isEnabled())
        CB_Fall->setCurrentIndex(std::max(0, CB_Fall->findData(wahl.fall)));
}

TDLG_Neue_Position::Wahl TDLG_Neue_Position::Gewaehlt() const
{
    const Art art = Arten[std::max(0, CB_Art->currentIndex())];
    return {art, CB_Fall->isEnabled() ? CB_Fall->currentData().toInt() : 0};
}

// The cases of the kind, each as its button's tooltip names it ("Fall 5: Aufgelegter Träger mit
// Gleichlast"); shear and the general beam have none to choose.
void TDLG_Neue_Position::CB_ArtChange()
{
    const QSignalBlocker stumm(CB_Fall);
    CB_Fall->clear();
    const auto f = familie(Arten[std::max(0, CB_Art->currentIndex())]);
    for (const Lastfaelle::Lastfall& fall : Lastfaelle::alle())
        if (f && fall.familie == *f)
            CB_Fall->addItem(Lastfaelle::tooltip(fall), fall.nr);
    CB_Fall->setEnabled(f.has_value());
    Skizze_Zeigen();
}

void TDLG_Neue_Position::Skizze_Zeigen()
{
    const Wahl w = Gewaehlt();
    QImage bild;
    if (w.art == Art::Traeger)
        bild = Traegerskizze::bild(
            Traegerskizze::Knopfbeispiel(), Skizzengroesse, Traegereinheiten::System::N_mm, Traegerskizze::Stil::Knopf);
    else if (const auto* fall = Lastfaelle::lastfall(familie(w.art).value_or(Lastfaelle::Familie::Scherung), w.fall))
        bild = Lastfallbild::bild(fall->skizze, Skizzengroesse);
    Image1->setPixmap(QPixmap::fromImage(bild));
}

namespace Neue_Position {

std::optional<Wahl> Fragen(QWidget* eltern)
{
    if (abfrage())
        return abfrage()();
    TDLG_Neue_Position dialog(eltern);
    dialog.Zeigen(letzteWahl());
    if (Plattform::modal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    letzteWahl() = dialog.Gewaehlt();
    return letzteWahl();
}

Abfrage setzeAbfrage(Abfrage neu)
{
    Abfrage vorher = abfrage();
    abfrage() = std::move(neu);
    return vorher;
}

} // namespace Neue_Position
