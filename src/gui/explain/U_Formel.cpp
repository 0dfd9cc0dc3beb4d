#include "gui/explain/U_Formel.h"

#include "core/app/Lastfallbild.h"
#include "core/app/Programmzustand.h"
#include "core/explain/Formeltafel.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace U_Formel {

Plattform::Einmalfenster<TDLG_Formel> DLG_Formel;

void Formel_Zeigen(int index)
{
    Main::Formelindex = index;
    Plattform::modal(DLG_Formel);
}

} // namespace U_Formel

namespace {

const QSize Flaeche(1517, 714); // the viewer's layout
const QSize Box2(657, 681);
const QSize Box3(553, 681);

// A picture of the data directory; a missing or unreadable file is a file error.
QImage bildLaden(const QString& name)
{
    const QString pfad = Textdatei::finden(Main::Datendir, name);
    QImageReader leser(pfad);
    QImage bild = leser.read();
    if (bild.isNull())
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Das Bild kann nicht gelesen werden (%1).").arg(leser.errorString()));
    return bild;
}

// Shows a picture in a box of fixed size: at its own size when it fits, else scaled down
// keeping its proportions; top left in the box either way.
void inBox(QLabel* box, const QImage& bild)
{
    const QSize groesse = Formeltafel::angezeigt(bild.size(), box->size());
    const QImage gezeigt = groesse == bild.size() ? bild : bild.scaled(groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(QPixmap::fromImage(gezeigt));
}

} // namespace

TDLG_Formel::TDLG_Formel(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Formel"), QStringLiteral("DLG_Formel"), Flaeche.width(), Flaeche.height());
    // Wider than most screens: fitted to the screen at once, its controls on the surface that
    // scrolls in the smaller window.
    W_Flaeche = Bausteine::flaeche(this);
    Bausteine::einpassen(this);
    QWidget* f = W_Flaeche;

    Image1 = Bausteine::label(f, QStringLiteral("Image1"), QString(), 16, 12);
    const QImage skizze = Lastfallbild::bild(Lastfallbild::Fall::Biegung1, QSize(256, 128));
    Image1->setPixmap(QPixmap::fromImage(skizze));
    Image1->resize(skizze.size());
    Image2 = Bausteine::label(f, QStringLiteral("Image2"), QString(), 288, 16, Box2.width(), Box2.height());
    Image3 = Bausteine::label(f, QStringLiteral("Image3"), QString(), 952, 16, Box3.width(), Box3.height());
    for (QLabel* box : {Image1, Image2, Image3})
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    B_Abbruch = Bausteine::symbolknopf(
        f, QStringLiteral("B_Abbruch"), QStringLiteral("Abbrechen"), Bausteine::Symbol::Abbrechen, 24, 638, 249, 55);
    connect(B_Abbruch, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Formel::B_AbbruchClick));
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Formel::FormActivate()
{
    const auto eintrag = Formeltafel::eintrag(Main::Formelindex);
    if (!eintrag)
        return;
    setWindowTitle(eintrag->titel);
    // Each picture on its own: one that cannot be read stays empty, the others are shown, and
    // the failures come in one report.
    Plattform::Teilschritte schritte;
    Image1->clear();
    schritte.ausfuehren([&] {
        const QImage skizze = bildLaden(eintrag->skizze);
        Image1->setPixmap(QPixmap::fromImage(skizze));
        Image1->resize(skizze.size());
    });
    Image2->clear();
    schritte.ausfuehren([&] { inBox(Image2, bildLaden(eintrag->formel)); });
    Image3->clear();
    schritte.ausfuehren([&] { inBox(Image3, bildLaden(eintrag->einheiten)); });
    schritte.berichten();
}

void TDLG_Formel::B_AbbruchClick() { reject(); }
