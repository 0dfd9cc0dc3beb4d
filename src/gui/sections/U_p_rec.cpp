#include "gui/sections/U_p_rec.h"

#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Formbilder.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/sections/Querschnittsdialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace U_p_rec {

Plattform::Einmalfenster<TDLG_Profil_Rechnen> DLG_Profil_Rechnen;

} // namespace U_p_rec

using Unit1::TAkt_Profil;
using Zahlen::fixiert;

namespace {

// Captions of the inputs per shape; an empty caption hides the input with its label.
struct Formeingaben {
    QString E1, E2, E3;
};

Formeingaben eingaben(TAkt_Profil form)
{
    const QString durchmesser = QStringLiteral("Durchmesser [mm]");
    const QString wand = QStringLiteral("Wanddicke [mm]");
    const QString breite = QStringLiteral("Breite [mm]");
    const QString hoehe = QStringLiteral("Höhe [mm]");
    switch (form) {
    case TAkt_Profil::Rundstahl:
        return {durchmesser, {}, {}};
    case TAkt_Profil::Rohr:
        return {durchmesser, wand, {}};
    case TAkt_Profil::Vierkant:
        return {breite, hoehe, {}};
    case TAkt_Profil::Formrohr:
        return {breite, hoehe, wand};
    }
    return {};
}

const QStringList Hinweis = {
    QStringLiteral("Achtung bei unsymmetrischen Profilen:"),
    QString(),
    QStringLiteral("Bitte beachten Sie, dass die Festigkeitswerte "),
    QStringLiteral("so berechnet werden wie das Profil in der "),
    QStringLiteral("Zeichnung dargestellt wird."),
    QStringLiteral("Das heißt bei einem rechteckigen Profil mit "),
    QStringLiteral("den Maßen 10x50mm, dass die Eingabe B= "),
    QStringLiteral("10mm H= 50mm das höhere "),
    QStringLiteral("Widerstandsmoment ergibt."),
    QString(),
    QStringLiteral("Bitte beachten sie auch dass für die "),
    QStringLiteral("Knickberechnung immer das niedrigere "),
    QStringLiteral("Trägheitsmoment zu wählen ist "),
};

// The picture of "Berechnen": a pocket calculator.
QPixmap rechnerbild()
{
    constexpr int kante = 40;
    QPixmap bild(kante, kante);
    bild.fill(Qt::transparent);
    QPainter m(&bild);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(Qt::black, 1.5));
    m.setBrush(QColor(0x50, 0x50, 0x58));
    m.drawRoundedRect(QRectF(7, 2, 26, 36), 3, 3);
    m.setBrush(QColor(0xc8, 0xe6, 0xc8));
    m.drawRect(QRectF(11, 6, 18, 8));
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::white);
    for (int zeile = 0; zeile < 3; ++zeile)
        for (int spalte = 0; spalte < 3; ++spalte)
            m.drawRect(QRectF(11 + spalte * 6.5, 18 + zeile * 6.5, 4.5, 4.5));
    return bild;
}

double zentimeter(const QLineEdit* feld) { return Querschnittswerte::inZentimeter(Zahlen::lesen(feld->text())); }

} // namespace

TDLG_Profil_Rechnen::TDLG_Profil_Rechnen(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Profil_Rechnen"), QStringLiteral("Profil berechnen"), 988, 619);
    Eingaben_Bauen();
    Ergebnisse_Bauen();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(516, 8, 464, 378); // as high as the two panels beside it
    Memo1->setPlainText(Hinweis.join(QLatin1Char('\n')));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    const auto knoepfe = Querschnittsdialog::einrichten(
        this, QStringLiteral("HelpBtn"), {[this] { FormActivate(); }, [this] { HelpBtnClick(); }, [this] { OKBtnClick(); }});
    HelpBtn = knoepfe.Hilfe;
    CancelBtn = knoepfe.Abbrechen;
    OKBtn = knoepfe.OK;
    Alt = knoepfe.Alt;
}

void TDLG_Profil_Rechnen::Eingaben_Bauen()
{
    using namespace Bausteine;
    Panel4 = panel(this, QStringLiteral("Panel4"), 8, 8, 500, 170);
    L_E1 = label(Panel4, QStringLiteral("L_E1"), QString(), 16, 24, 190, 26);
    E_E1 = feld(Panel4, QStringLiteral("E_E1"), QString(), 210, 20, 150, 32);
    L_E2 = label(Panel4, QStringLiteral("L_E2"), QString(), 16, 74, 190, 26);
    E_E2 = feld(Panel4, QStringLiteral("E_E2"), QString(), 210, 70, 150, 32);
    L_E3 = label(Panel4, QStringLiteral("L_E3"), QString(), 16, 124, 190, 26);
    E_E3 = feld(Panel4, QStringLiteral("E_E3"), QString(), 210, 120, 150, 32);
    Bild = label(Panel4, QStringLiteral("Bild"), QString(), 398, 40, 65, 65);
    Bild->setAlignment(Qt::AlignCenter);
}

void TDLG_Profil_Rechnen::Ergebnisse_Bauen()
{
    using namespace Bausteine;
    Panel3 = panel(this, QStringLiteral("Panel3"), 8, 186, 500, 200);
    L_W = label(Panel3, QStringLiteral("L_W"), QStringLiteral("W [cm3]"), 16, 22, 140, 26);
    L_Waus = wertlabel(Panel3, QStringLiteral("L_Waus"), QStringLiteral("0"), 160, 18, 170, 32);
    L_I = label(Panel3, QStringLiteral("L_I"), QStringLiteral("I [cm4]"), 16, 66, 140, 26);
    L_Iaus = wertlabel(Panel3, QStringLiteral("L_Iaus"), QStringLiteral("0"), 160, 62, 170, 32);
    L_A = label(Panel3, QStringLiteral("L_A"), QStringLiteral("A [mm2]"), 16, 110, 140, 26);
    L_Aaus = wertlabel(Panel3, QStringLiteral("L_Aaus"), QStringLiteral("0"), 160, 106, 170, 32);
    Label2 = label(Panel3, QStringLiteral("Label2"), QStringLiteral("Masse [Kg/m]"), 16, 154, 140, 26);
    L_Masse = wertlabel(Panel3, QStringLiteral("L_Masse"), QStringLiteral("0"), 160, 150, 170, 32);
    for (QLabel* wert : {L_Waus, L_Iaus, L_Aaus, L_Masse})
        wert->setIndent(6);

    B_Berechnen = new QToolButton(Panel3);
    B_Berechnen->setObjectName(QStringLiteral("B_Berechnen"));
    B_Berechnen->setText(QStringLiteral("Berechnen"));
    B_Berechnen->setIcon(rechnerbild());
    B_Berechnen->setIconSize(QSize(40, 40));
    B_Berechnen->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    B_Berechnen->setGeometry(350, 56, 134, 86);
    connect(B_Berechnen, &QToolButton::clicked, this, Plattform::handler(this, &TDLG_Profil_Rechnen::B_BerechnenClick));
}

void TDLG_Profil_Rechnen::FormActivate()
{
    Alt->aufnehmen();
    // The inputs come before the picture: a missing picture must not leave the captions of
    // another shape over the fields.
    Eingaben_Einrichten();
    L_W->setText(QStringLiteral("W [cm3]"));
    L_I->setText(QStringLiteral("I [cm4]"));
    L_A->setText(QStringLiteral("A [mm2]"));
    Bild_Laden();
}

void TDLG_Profil_Rechnen::Eingaben_Einrichten()
{
    const Formeingaben f = eingaben(Unit1::Akt_Profil);
    const struct {
        QLabel* label;
        QLineEdit* feld;
        const QString& text;
    } zeilen[] = {{L_E1, E_E1, f.E1}, {L_E2, E_E2, f.E2}, {L_E3, E_E3, f.E3}};
    for (const auto& z : zeilen) {
        z.label->setText(z.text);
        z.label->setVisible(!z.text.isEmpty());
        z.feld->setVisible(!z.text.isEmpty());
    }
}

void TDLG_Profil_Rechnen::Bild_Laden()
{
    Bild->clear();
    const QString pfad = Textdatei::finden(Main::Datendir, Formbilder::Dateiname(Unit1::Akt_Profil));
    QPixmap bild;
    if (!bild.loadFromData(Textdatei::lesenRoh(pfad)))
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Die Datei ist kein lesbares Bild."));
    if (bild.width() > Bild->width() || bild.height() > Bild->height())
        bild = bild.scaled(Bild->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Bild->setPixmap(bild);
}

void TDLG_Profil_Rechnen::B_BerechnenClick()
{
    const auto kopie = Querschnittswerte::Gewaehltes_Profil::aufnehmen();
    try {
        Berechnen();
    } catch (const Plattform::Fehler&) {
        L_Waus->setText(QStringLiteral("0"));
        L_Iaus->setText(QStringLiteral("0"));
        kopie.wiederherstellen();
        Plattform::piep();
    }
}

void TDLG_Profil_Rechnen::Berechnen()
{
    namespace Q = Querschnittswerte;
    const QString x = QStringLiteral(" x ");
    Q::Werte werte;
    switch (Unit1::Akt_Profil) {
    case TAkt_Profil::Rundstahl:
        Unit1::ProfilArt = QStringLiteral("Rundstahl");
        Unit1::ProfilName = QStringLiteral("Dm ") + E_E1->text();
        D = zentimeter(E_E1);
        werte = Q::Rundstahl(D);
        break;
    case TAkt_Profil::Rohr:
        Unit1::ProfilArt = QStringLiteral("Rohr");
        Unit1::ProfilName = QStringLiteral("Dm ") + E_E1->text() + x + E_E2->text();
        D = zentimeter(E_E1);
        s = zentimeter(E_E2);
        werte = Q::Rohr(D, s);
        break;
    case TAkt_Profil::Vierkant:
        Unit1::ProfilArt = QStringLiteral("Rechteckprofil");
        Unit1::ProfilName = E_E1->text() + x + E_E2->text();
        B = zentimeter(E_E1);
        H = zentimeter(E_E2);
        werte = Q::Vierkant(B, H);
        break;
    case TAkt_Profil::Formrohr:
        Unit1::ProfilArt = QStringLiteral("Formrohr");
        Unit1::ProfilName = E_E1->text() + x + E_E2->text() + x + E_E3->text();
        B = zentimeter(E_E1);
        H = zentimeter(E_E2);
        s = zentimeter(E_E3);
        werte = Q::Formrohr(B, H, s);
        break;
    }
    Unit1::W = werte.W;
    Unit1::I = werte.I;
    Unit1::A = werte.A;
    Unit1::Profilachse = Unit1::TProfilachse::Keine;
    L_Waus->setText(fixiert(Unit1::W, 2));
    L_Iaus->setText(fixiert(Unit1::I, 2));
    L_Aaus->setText(fixiert(Unit1::A, 2));
    Unit1::Masse = Q::Masse(Unit1::A, Unit1::Gamma);
    L_Masse->setText(fixiert(Unit1::Masse, 2));
}

void TDLG_Profil_Rechnen::OKBtnClick() { done(QDialog::Accepted); }

void TDLG_Profil_Rechnen::HelpBtnClick() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Profil_rechnen); }
