#include "data/Tab_Werkstoffauswahl.h"

#include "core/Main.h"
#include "explain/U_Hilfe.h"
#include "platform/Bausteine.h"
#include "platform/Meldungen.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TTab_Werkstoffauswahl::TTab_Werkstoffauswahl()
{
    using namespace Bausteine;
    setObjectName(QStringLiteral("TS_Werkstoffauswahl"));
    LB_Material = new QListWidget(this);
    LB_Material->setObjectName(QStringLiteral("LB_Material"));
    LB_Material->setGeometry(8, 40, 257, 574);
    L_Name = wertlabel(this, QStringLiteral("L_Name"), QString(), 580, 69, 150, 22);
    L_SigmaB = label(this, QStringLiteral("L_SigmaB"), QStringLiteral("SigmaB"), 330, 109);
    L_SigmaBA = wertlabel(this, QStringLiteral("L_SigmaBA"), QString(), 580, 111, 150, 22);
    L_SigmaP = label(this, QStringLiteral("L_SigmaP"), QStringLiteral("SigmaP"), 330, 151);
    L_SigmaPA = wertlabel(this, QStringLiteral("L_SigmaPA"), QString(), 580, 154, 150, 22);
    L_E = label(this, QStringLiteral("L_E"), QStringLiteral("E - Modul [N/mm2] :"), 330, 193);
    L_EA = wertlabel(this, QStringLiteral("L_EA"), QString(), 580, 196, 150, 22);
    L_Grenzschlankheit = wertlabel(this, QStringLiteral("L_Grenzschlankheit"), QString(), 580, 238, 150, 22);
    L_Gamma = wertlabel(this, QStringLiteral("L_Gamma"), QString(), 580, 281, 150, 22);
    L_Art = wertlabel(this, QStringLiteral("L_Art"), QString(), 580, 333, 150, 22);
    L_SigmaD = wertlabel(this, QStringLiteral("L_SigmaD"), QString(), 580, 373, 150, 22);
    L_SigmaZ = wertlabel(this, QStringLiteral("L_SigmaZ"), QString(), 580, 413, 150, 22);
    L_SigmaS = wertlabel(this, QStringLiteral("L_SigmaS"), QString(), 580, 453, 150, 22);
    B_Beenden = symbolknopf(this, QStringLiteral("B_Beenden"), QStringLiteral("Programmende"), Symbol::Abbrechen, 832, 493, 160, 45);
    B_Hilfe_Mat = symbolknopf(this, QStringLiteral("B_Hilfe_Mat"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 833, 554, 160, 45);
    connect(B_Beenden, &QPushButton::clicked, this, [] { Main::Mainform->close(); });
    connect(B_Hilfe_Mat, &QPushButton::clicked, this,
            [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Werkstoffauswahl); }); });
}

void TTab_Werkstoffauswahl::Materialdatenbank_Lesen() {}

void TTab_Werkstoffauswahl::PC_1Enter() {}

void TTab_Werkstoffauswahl::Liste_Fuellen() {}

void TTab_Werkstoffauswahl::LB_MaterialClick() {}
