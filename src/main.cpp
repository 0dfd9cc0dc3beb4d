// Trabex: strength of simple beams and columns.
#include "gui/Main.h"
#include "gui/platform/Oberflaeche.h"

int main(int argc, char* argv[])
{
    Plattform::Anwendung anwendung(argc, argv);
    Plattform::Nachrichtenfenster nachrichten;
    Plattform::setzeAusgabe(&nachrichten);
    Main::Programmstart();
    Main::Mainform->show();
    const int ergebnis = anwendung.exec();
    Main::Programmende();
    Plattform::setzeAusgabe(nullptr);
    return ergebnis;
}
