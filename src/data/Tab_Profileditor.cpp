#include "data/Tab_Profileditor.h"

#include "core/Main.h"
#include "explain/U_Hilfe.h"
#include "platform/Bausteine.h"
#include "platform/Meldungen.h"

#include <QPushButton>

TTab_Profileditor::TTab_Profileditor()
{
    using namespace Bausteine;
    setObjectName(QStringLiteral("TS_Profileditor"));
    B_Hilfe_Profil = symbolknopf(this, QStringLiteral("B_Hilfe_Profil"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 613, 578, 180, 35);
    BitBtn10 = symbolknopf(this, QStringLiteral("BitBtn10"), QStringLiteral("Programmende"), Symbol::Abbrechen, 812, 578, 180, 35);
    connect(BitBtn10, &QPushButton::clicked, this, [] { Main::Mainform->close(); });
    connect(B_Hilfe_Profil, &QPushButton::clicked, this,
            [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Profildatei); }); });
}

void TTab_Profileditor::Verzeichnis_Setzen(const QString&) {}

void TTab_Profileditor::Erste_Datei_Laden() {}

bool TTab_Profileditor::Schliessen_Erlaubt() { return true; }
