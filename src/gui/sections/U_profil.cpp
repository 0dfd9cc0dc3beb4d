#include "gui/sections/U_profil.h"

#include "core/platform/Fehler.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Formbilder.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/sections/Querschnittsdialog.h"
#include "gui/sections/U_e_prof.h"
#include "gui/sections/U_p_rec.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace U_profil {

Plattform::Einmalfenster<TDLG_Profil> DLG_Profil;

void Aussuchen(Unit1::TProfilachse& achse)
{
    // The shared profile as the calling dialog reads it, so that "Abbrechen" restores that.
    Querschnittswerte::Ausrichten(achse);
    DLG_Profil->Ausrichtung_Setzen(achse == Unit1::TProfilachse::Imin);
    Plattform::modal(DLG_Profil);
    if (Unit1::Profilachse != Unit1::TProfilachse::Keine)
        achse = Unit1::Profilachse;
}

} // namespace U_profil

using namespace Unit1;
using Zahlen::fixiert;

namespace {

const QString Leer = QStringLiteral("LEER");

// The lists show at most 40 families and 150 profiles of a family: the last slot of each table
// stays free as the end marker.
constexpr int Gelistete_Familien = Max_Familie;
constexpr int Gelistete_Profile = Max_Profil;

} // namespace

TDLG_Profil::TDLG_Profil(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Profil"), QStringLiteral("Profil aussuchen"), 992, 619);
    Listenauswahl_Bauen();

    using namespace Bausteine;
    Panel3 = panel(this, QStringLiteral("Panel3"), 496, 8, 488, 214);
    Label9 = ueberschrift(Panel3, QStringLiteral("Label9"), QStringLiteral("Auswahl berechneter Profile"), 8, 8, 472, 26);
    Label9->setAlignment(Qt::AlignCenter);
    B_Formrohr = Formknopf(QStringLiteral("B_Formrohr"), TAkt_Profil::Formrohr, 8, 44);
    B_Formrohr->setToolTip(QStringLiteral("Formrohr"));
    B_Vierkant = Formknopf(QStringLiteral("B_Vierkant"), TAkt_Profil::Vierkant, 132, 44);
    B_Vierkant->setToolTip(QStringLiteral("Rechteckprofil"));
    B_Rundstahl = Formknopf(QStringLiteral("B_Rundstahl"), TAkt_Profil::Rundstahl, 256, 44);
    B_Rundstahl->setToolTip(QStringLiteral("Rundstahl"));
    B_Rohr = Formknopf(QStringLiteral("B_Rohr"), TAkt_Profil::Rohr, 380, 44);
    B_Rohr->setToolTip(QStringLiteral("Rohr"));
    B_Profil_Definieren
        = knopf(Panel3, QStringLiteral("B_Profil_Definieren"), QStringLiteral("Eigenes Profil eingeben"), 8, 158, 472, 44);
    connect(B_Formrohr, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Profil::B_FormrohrClick));
    connect(B_Vierkant, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Profil::B_VierkantClick));
    connect(B_Rundstahl, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Profil::B_RundstahlClick));
    connect(B_Rohr, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Profil::B_RohrClick));
    connect(B_Profil_Definieren, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Profil::B_Profil_DefinierenClick));

    Gewaehlt_Bauen();

    const auto knoepfe = Querschnittsdialog::einrichten(
        this, QStringLiteral("B_Hilfe"), {[this] { FormActivate(); }, [this] { B_HilfeClick(); }, [this] { OKBtnClick(); }});
    B_Hilfe = knoepfe.Hilfe;
    CancelBtn = knoepfe.Abbrechen;
    OKBtn = knoepfe.OK;
    Alt = knoepfe.Alt;
}

// Left half: the families, their profiles and the beam orientation.
void TDLG_Profil::Listenauswahl_Bauen()
{
    using namespace Bausteine;
    Panel2 = panel(this, QStringLiteral("Panel2"), 8, 8, 480, 548);
    Label7 = ueberschrift(Panel2, QStringLiteral("Label7"), QStringLiteral("Auswahl eines Standardprofiles"), 8, 8, 464, 26);
    Label7->setAlignment(Qt::AlignCenter);
    LB_Profilart = new QListWidget(Panel2);
    LB_Profilart->setObjectName(QStringLiteral("LB_Profilart"));
    LB_Profilart->setGeometry(8, 44, 280, 360);
    LB_Profil = new QListWidget(Panel2);
    LB_Profil->setObjectName(QStringLiteral("LB_Profil"));
    LB_Profil->setGeometry(296, 44, 176, 360);

    GroupBox1 = new QGroupBox(QStringLiteral("Trägerausrichtung"), Panel2);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 414, 464, 92);
    RB_Optimal = new QRadioButton(QStringLiteral("Träger in optimaler Ausrichtung"), GroupBox1);
    RB_Optimal->setObjectName(QStringLiteral("RB_Optimal"));
    RB_Optimal->setGeometry(12, 28, 440, 26);
    RB_Optimal->setChecked(true);
    RB_Quer = new QRadioButton(QStringLiteral("Träger quer zur optimalen Ausrichtung"), GroupBox1);
    RB_Quer->setObjectName(QStringLiteral("RB_Quer"));
    RB_Quer->setGeometry(12, 58, 440, 26);
    Label11 = label(Panel2, QStringLiteral("Label11"), QStringLiteral("Achtung : Bei Knickung Imin wählen !"), 8, 514, 464, 26);

    // A click counts also when it hits the item already selected (taking the list profile back
    // after a computed one); the arrow keys select as well.
    connect(LB_Profilart, &QListWidget::clicked, this, Plattform::handler(this, &TDLG_Profil::LB_ProfilartClick));
    connect(LB_Profilart, &QListWidget::doubleClicked, this, Plattform::handler(this, &TDLG_Profil::LB_ProfilartClick));
    connect(LB_Profilart, &QListWidget::currentRowChanged, this, Plattform::handler(this, &TDLG_Profil::LB_ProfilartClick));
    connect(LB_Profil, &QListWidget::clicked, this, Plattform::handler(this, &TDLG_Profil::LB_ProfilClick));
    connect(LB_Profil, &QListWidget::currentRowChanged, this, Plattform::handler(this, &TDLG_Profil::LB_ProfilClick));
    // Choosing an orientation takes the selected profile in it, so that the panel "Gewähltes
    // Profil" always shows what the caller receives.
    const auto ausrichtung = [this](bool gewaehlt) {
        if (gewaehlt)
            Plattform::geschuetzt([this] { LB_ProfilClick(); });
    };
    connect(RB_Optimal, &QRadioButton::toggled, this, ausrichtung);
    connect(RB_Quer, &QRadioButton::toggled, this, ausrichtung);
}

// Bottom right: the panel "Gewähltes Profil".
void TDLG_Profil::Gewaehlt_Bauen()
{
    using namespace Bausteine;
    Panel1 = panel(this, QStringLiteral("Panel1"), 496, 230, 488, 326);
    Label8 = ueberschrift(Panel1, QStringLiteral("Label8"), QStringLiteral("Gewähltes Profil"), 8, 8, 472, 26);
    Label8->setAlignment(Qt::AlignCenter);
    // Each caption has the height of its value, so that both texts sit on one line.
    const auto beschriftung = [this](const char* name, const char* text, int x, int y) {
        return Bausteine::label(Panel1, QString::fromLatin1(name), QString::fromUtf8(text), x, y, 104, 30);
    };
    Label5 = beschriftung("Label5", "Profilart:", 12, 56);
    L_Profilart = wertlabel(Panel1, QStringLiteral("L_Profilart"), QString(), 122, 56, 354, 30);
    Label3 = beschriftung("Label3", "Name:", 12, 104);
    L_Profilname = wertlabel(Panel1, QStringLiteral("L_Profilname"), QString(), 122, 104, 354, 30);
    Label1 = beschriftung("Label1", "W [cm3]", 12, 184);
    L_W = wertlabel(Panel1, QStringLiteral("L_W"), QString(), 122, 184, 120, 30);
    Label10 = beschriftung("Label10", "A [mm2]", 248, 184);
    L_A = wertlabel(Panel1, QStringLiteral("L_A"), QString(), 362, 184, 114, 30);
    Label2 = beschriftung("Label2", "I [cm4]", 12, 240);
    L_I = wertlabel(Panel1, QStringLiteral("L_I"), QString(), 122, 240, 120, 30);
    Label6 = beschriftung("Label6", "Masse [Kg/m]", 248, 240);
    L_Masse = wertlabel(Panel1, QStringLiteral("L_Masse"), QString(), 362, 240, 114, 30);
    for (QLabel* wert : {L_Profilart, L_Profilname, L_W, L_A, L_I, L_Masse})
        wert->setIndent(6);
}

QPushButton* TDLG_Profil::Formknopf(const QString& name, TAkt_Profil form, int x, int y)
{
    QPushButton* knopf = Bausteine::knopf(Panel3, name, QString(), x, y, 100, 100);
    constexpr int kante = 84;
    QPixmap bild(kante, kante);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Formbilder::zeichnen(maler, form, QRectF(0, 0, kante, kante));
    knopf->setIcon(bild);
    knopf->setIconSize(QSize(kante, kante));
    return knopf;
}

void TDLG_Profil::FormActivate()
{
    Alt->aufnehmen();
    OKBtn->setFocus();
    {
        const QSignalBlocker sperre(LB_Profilart);
        LB_Profilart->clear();
        for (int x = 0; x < Gelistete_Familien; ++x) {
            LB_Profilart->addItem(Profildat[x][0].Art);
            if (Profildat[x + 1][0].Art == Leer)
                break;
        }
        LB_Profilart->setCurrentRow(0);
    }
    LB_ProfilartClick();
}

void TDLG_Profil::LB_ProfilartClick()
{
    const int x = LB_Profilart->currentRow();
    if (x < 0)
        return;
    {
        const QSignalBlocker sperre(LB_Profil);
        LB_Profil->clear();
        for (int y = 0; y < Gelistete_Profile; ++y) {
            LB_Profil->addItem(Profildat[x][y].Name);
            if (Profildat[x][y + 1].Art == Leer)
                break;
        }
        LB_Profil->setCurrentRow(0);
    }
    LB_ProfilClick();
}

void TDLG_Profil::LB_ProfilClick()
{
    if (LB_Profilart->currentRow() < 0 || LB_Profil->currentRow() < 0)
        return;
    Querschnittswerte::Gewaehltes_Profil::ausBibliothek(Eintrag(), RB_Optimal->isChecked()).wiederherstellen();
    Dlg_Schreiben();
}

void TDLG_Profil::Dlg_Schreiben()
{
    if (LB_Profilart->currentRow() < 0 || LB_Profil->currentRow() < 0)
        return;
    const TProfilrecord& e = Eintrag();
    const bool optimal = RB_Optimal->isChecked();
    L_Profilname->setText(e.Name);
    L_Profilart->setText(e.Art);
    L_W->setText(fixiert(optimal ? e.Wmax : e.Wmin, 2));
    L_I->setText(fixiert(optimal ? e.Imax : e.Imin, 2));
    L_A->setText(fixiert(e.A, 2));
    L_Masse->setText(fixiert(Querschnittswerte::Masse(e.A, Gamma), 2));
}

void TDLG_Profil::Dlg_Schreiben2()
{
    L_W->setText(fixiert(W, 2));
    L_I->setText(fixiert(I, 2));
    L_A->setText(fixiert(A, 2));
    L_Profilname->setText(ProfilName);
    L_Profilart->setText(ProfilArt);
    L_Masse->setText(fixiert(Masse, 2));
}

bool TDLG_Profil::Quer() const { return RB_Quer->isChecked(); }

void TDLG_Profil::Ausrichtung_Setzen(bool quer)
{
    const QSignalBlocker sperre1(RB_Optimal);
    const QSignalBlocker sperre2(RB_Quer);
    (quer ? RB_Quer : RB_Optimal)->setChecked(true);
}

const TProfilrecord& TDLG_Profil::Eintrag() const
{
    const int x = LB_Profilart->currentRow();
    const int y = LB_Profil->currentRow();
    if (x < 0 || x > Max_Familie)
        throw Plattform::Fehler::listenindex(x);
    if (y < 0 || y > Max_Profil)
        throw Plattform::Fehler::listenindex(y);
    return Profildat[x][y];
}

void TDLG_Profil::Form_Berechnen(TAkt_Profil form)
{
    Akt_Profil = form;
    Plattform::modal(U_p_rec::DLG_Profil_Rechnen);
    Dlg_Schreiben2();
}

void TDLG_Profil::B_FormrohrClick() { Form_Berechnen(TAkt_Profil::Formrohr); }
void TDLG_Profil::B_VierkantClick() { Form_Berechnen(TAkt_Profil::Vierkant); }
void TDLG_Profil::B_RundstahlClick() { Form_Berechnen(TAkt_Profil::Rundstahl); }
void TDLG_Profil::B_RohrClick() { Form_Berechnen(TAkt_Profil::Rohr); }

void TDLG_Profil::B_Profil_DefinierenClick()
{
    Plattform::modal(U_e_prof::Dlg_Eigenes_Profil);
    Dlg_Schreiben2();
}

void TDLG_Profil::OKBtnClick() { done(QDialog::Accepted); }

void TDLG_Profil::B_HilfeClick() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Profil_aussuchen); }
