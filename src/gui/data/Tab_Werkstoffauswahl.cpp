#include "gui/data/Tab_Werkstoffauswahl.h"

#include "core/app/Unit1.h"
#include "core/data/U_Material.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QStringList Hinweiszeilen = {
    QStringLiteral("Achtung:"),
    QStringLiteral("Die Werte SigmaD, SigmaZ und SigmaS sind nur für "),
    QStringLiteral("den "),
    QStringLiteral("Werkstoff Holz gedacht da Holz anders als bei Stahl "),
    QStringLiteral("nicht "),
    QStringLiteral("soviel"),
    QStringLiteral(" Druck, Zug und Schubbelastung aushält als bei "),
    QStringLiteral("Biegung!"),
    QStringLiteral("Die Werte für Holz gelten ausserdem nur in "),
    QStringLiteral("Faserrichtung!!"),
    QStringLiteral("Quer zur Faserrichtung sollte man Holz nicht "),
    QStringLiteral("belasten da es "),
    QStringLiteral("dann nur sehr wenig aushält."),
    QString(),
};

// The note's lines are pieces of four sentences, cut where a narrow box once wrapped them;
// shown one per line they make lines of a single word. Pieced together into its paragraphs
// (a line ending in ':', '!' or '.' ends one), the note wraps to the box.
QString Hinweistext()
{
    QStringList absaetze;
    QString absatz;
    for (const QString& zeile : Hinweiszeilen) {
        absatz += zeile;
        const QString ende = zeile.trimmed();
        if (ende.endsWith(QLatin1Char(':')) || ende.endsWith(QLatin1Char('!')) || ende.endsWith(QLatin1Char('.'))) {
            absaetze << absatz.trimmed();
            absatz.clear();
        }
    }
    if (!absatz.trimmed().isEmpty())
        absaetze << absatz.trimmed();
    return absaetze.join(QLatin1Char('\n'));
}

const QString Versionshinweis
    = QStringLiteral("Sie haben noch eine alte Materialdatenbank, Sie können sie im Reiter Werkstoffdatenbank mit dem Button "
                     "Konvertieren in die neue Version umwandeln ");

QString zahl(double wert) { return Zahlen::fixiert(wert, 2); }

} // namespace

TTab_Werkstoffauswahl* Tab_Werkstoffauswahl::TS_Werkstoffauswahl = nullptr;

TTab_Werkstoffauswahl::~TTab_Werkstoffauswahl()
{
    if (Tab_Werkstoffauswahl::TS_Werkstoffauswahl == this)
        Tab_Werkstoffauswahl::TS_Werkstoffauswahl = nullptr;
}

TTab_Werkstoffauswahl::TTab_Werkstoffauswahl()
{
    Tab_Werkstoffauswahl::TS_Werkstoffauswahl = this;
    using namespace Bausteine;
    setObjectName(QStringLiteral("TS_Werkstoffauswahl"));
    programmschrift(this); // labels take their size from the font the main window gives them
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Materialauswahl:"), 12, 10);
    LB_Material = new QListWidget(this);
    LB_Material->setObjectName(QStringLiteral("LB_Material"));
    LB_Material->setGeometry(8, 40, 257, 574);
    LB_Material->setUniformItemSizes(true);
    LB_Material->setStyleSheet(QStringLiteral("QListWidget::item { height: 19px; }"));
    Label6 = label(this, QStringLiteral("Label6"), QStringLiteral("Akt Material:"), 328, 10);
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("Name :"), 328, 74);
    L_Name = wertlabel(this, QStringLiteral("L_Name"), QString(), 580, 69, 150, 22);
    L_SigmaB = label(this, QStringLiteral("L_SigmaB"), QStringLiteral("SigmaB"), 330, 109);
    L_SigmaBA = wertlabel(this, QStringLiteral("L_SigmaBA"), QString(), 580, 111, 150, 22);
    L_SigmaP = label(this, QStringLiteral("L_SigmaP"), QStringLiteral("SigmaP"), 330, 151);
    L_SigmaPA = wertlabel(this, QStringLiteral("L_SigmaPA"), QString(), 580, 154, 150, 22);
    L_E = label(this, QStringLiteral("L_E"), QStringLiteral("E - Modul [N/mm2] :"), 330, 193);
    L_EA = wertlabel(this, QStringLiteral("L_EA"), QString(), 580, 196, 150, 22);
    Label11 = label(this, QStringLiteral("Label11"), QStringLiteral("Grenzschlankheitsgrad"), 330, 236);
    L_Grenzschlankheit = wertlabel(this, QStringLiteral("L_Grenzschlankheit"), QString(), 580, 238, 150, 22);
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Spez. Gewicht [kg/dm³]"), 322, 278);
    L_Gamma = wertlabel(this, QStringLiteral("L_Gamma"), QString(), 580, 281, 150, 22);
    Label16 = label(this, QStringLiteral("Label16"), QStringLiteral("Art :"), 328, 330);
    L_Art = wertlabel(this, QStringLiteral("L_Art"), QString(), 580, 333, 150, 22);
    Label30 = label(this, QStringLiteral("Label30"), QStringLiteral("SigmaD :"), 328, 370);
    L_SigmaD = wertlabel(this, QStringLiteral("L_SigmaD"), QString(), 580, 373, 150, 22);
    Label29 = label(this, QStringLiteral("Label29"), QStringLiteral("SigmaZ :"), 328, 410);
    L_SigmaZ = wertlabel(this, QStringLiteral("L_SigmaZ"), QString(), 580, 413, 150, 22);
    Label31 = label(this, QStringLiteral("Label31"), QStringLiteral("SigmaS :"), 328, 450);
    L_SigmaS = wertlabel(this, QStringLiteral("L_SigmaS"), QString(), 580, 453, 150, 22);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(328, 488, 409, 137);
    Memo1->setPlainText(Hinweistext());
    Memo1->setReadOnly(true);
    // In the window's large bold face the note would not fit its box without a scroll bar.
    QFont schrift = Memo1->font();
    schrift.setBold(false);
    schrift.setPixelSize(13);
    Memo1->setFont(schrift);
    B_Beenden
        = symbolknopf(this, QStringLiteral("B_Beenden"), QStringLiteral("Programmende"), Symbol::Abbrechen, 832, 493, 160, 45);
    B_Hilfe_Mat = symbolknopf(this, QStringLiteral("B_Hilfe_Mat"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 833, 554, 160, 45);

    // Mouse and arrow keys both choose a material; a click on the entry already selected
    // chooses it again (after the editor's save the labels may show another one).
    connect(
        LB_Material, &QListWidget::currentRowChanged, this, Plattform::handler(this, &TTab_Werkstoffauswahl::LB_MaterialClick));
    connect(LB_Material, &QListWidget::itemClicked, this, Plattform::handler(this, &TTab_Werkstoffauswahl::LB_MaterialClick));
    connect(B_Beenden, &QPushButton::clicked, this, [this] { window()->close(); });
    connect(B_Hilfe_Mat, &QPushButton::clicked, this,
        [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Werkstoffauswahl); }); });
}

void TTab_Werkstoffauswahl::Materialdatenbank_Lesen()
{
    U_Material::Materialdatei_Lesen(Main::Datendir);
    if (Main::Materialdatenbankversion == 1)
        Plattform::information(Versionshinweis);
    U_Material::Material_Einlesen();
    Material_Anzeigen(0);
    Material_Uebernehmen(0);
    Zulaessige_Spannung_Setzen();
}

// Running it again (it is meant to run once) must not list every material twice.
void TTab_Werkstoffauswahl::PC_1Enter() { Liste_Fuellen(); }

void TTab_Werkstoffauswahl::Liste_Fuellen()
{
    const QSignalBlocker stumm(LB_Material); // selecting entry 0 is not a choice
    LB_Material->clear();
    LB_Material->addItem(Unit1::Matdat[0].Sorte);
    for (int p = 1; p <= Unit1::Max_Material && Unit1::Matdat[p].Sorte != QStringLiteral("LEER"); ++p)
        LB_Material->addItem(Unit1::Matdat[p].Sorte);
    LB_Material->setCurrentRow(0);
}

void TTab_Werkstoffauswahl::LB_MaterialClick()
{
    const int p = LB_Material->currentRow();
    if (p < 0)
        return; // nothing selected
    if (p > Unit1::Max_Material)
        throw Plattform::Fehler::listenindex(p);
    Material_Uebernehmen(p);
    Material_Anzeigen(p);
    Zulaessige_Spannung_Setzen();
}

void TTab_Werkstoffauswahl::Material_Uebernehmen(int p)
{
    const Unit1::Matrecord& m = Unit1::Matdat[p];
    Unit1::Sorte = m.Sorte;
    Unit1::Sigma_P = m.SigmaP;
    Unit1::Sigma_B = m.SigmaB;
    Unit1::E = m.E;
    Unit1::GrenzSchlankheit = m.GrenzSchlankheit;
    Unit1::Gamma = m.Gamma;
    Positionszustand::Werkstoff_Vergessen(); // the list's choice replaces an opened position's material
}

void TTab_Werkstoffauswahl::Material_Anzeigen(int p)
{
    const Unit1::Matrecord& m = Unit1::Matdat[p];
    L_Name->setText(m.Sorte);
    emit Sorte_Gezeigt(m.Sorte);
    L_SigmaPA->setText(zahl(m.SigmaP));
    L_SigmaBA->setText(zahl(m.SigmaB));
    L_EA->setText(zahl(m.E));
    L_Grenzschlankheit->setText(zahl(m.GrenzSchlankheit));
    L_Gamma->setText(zahl(m.Gamma));
    if (Main::Materialdatenbankversion == 2) {
        L_Art->setText(m.Art);
        L_SigmaD->setText(zahl(m.SigmaD));
        L_SigmaZ->setText(zahl(m.SigmaZ));
        L_SigmaS->setText(zahl(m.SigmaS));
    }
}

// The kind is taken from the label, as the shear dialog does: in the old layout it is empty and
// every material gets the metal divisor.
void TTab_Werkstoffauswahl::Zulaessige_Spannung_Setzen()
{
    Unit1::Sigma_Zul = Unit1::Zulaessige_Spannung(Unit1::Sigma_B, L_Art->text());
}

int TTab_Werkstoffauswahl::Gewaehlter_Eintrag() const { return LB_Material->currentRow(); }

QString TTab_Werkstoffauswahl::Gezeigte_Art() const { return L_Art->text(); }

QString TTab_Werkstoffauswahl::Gezeigtes_SigmaS() const { return L_SigmaS->text(); }

void TTab_Werkstoffauswahl::Ersten_Eintrag_Waehlen()
{
    L_SigmaP->setText(QStringLiteral("Sigma P [N/mm2] :"));
    L_SigmaB->setText(QStringLiteral("SigmaB [N/mm2] :"));
    L_E->setText(QStringLiteral("E - Modul [N/mm2] :"));
    L_SigmaP->adjustSize();
    L_SigmaB->adjustSize();
    Liste_Fuellen();
    LB_Material->setCurrentRow(0);
    LB_MaterialClick();
}
