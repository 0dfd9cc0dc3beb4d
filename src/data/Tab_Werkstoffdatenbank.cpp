#include "data/Tab_Werkstoffdatenbank.h"

#include "core/Main.h"
#include "explain/U_Hilfe.h"
#include "platform/Bausteine.h"
#include "platform/Meldungen.h"

#include <QPushButton>

TTab_Werkstoffdatenbank::TTab_Werkstoffdatenbank()
{
    using namespace Bausteine;
    setObjectName(QStringLiteral("TS_Werkstoffdatenbank"));
    B_Hilfe = symbolknopf(this, QStringLiteral("B_Hilfe"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 617, 578, 180, 35);
    B_Ende = symbolknopf(this, QStringLiteral("B_Ende"), QStringLiteral("Programmende"), Symbol::Abbrechen, 820, 578, 180, 35);
    connect(B_Ende, &QPushButton::clicked, this, [] { Main::Mainform->close(); });
    connect(B_Hilfe, &QPushButton::clicked, this,
            [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Werkstoffdatei); }); });
}

void TTab_Werkstoffdatenbank::Grid_Laden() {}

bool TTab_Werkstoffdatenbank::Schliessen_Erlaubt() { return true; }
