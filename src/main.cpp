// Trabex: strength of simple beams and columns.
#include "core/Main.h"
#include "platform/Oberflaeche.h"

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
