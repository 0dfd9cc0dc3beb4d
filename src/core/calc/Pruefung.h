#pragma once
// Inputs a calculation refuses because they have no meaning: a length, an allowable stress, a
// column load or a safety of 0 or below, and E, I or A of 0 or below where the formula uses
// them. The refusal names the input, so that a dialog can mark its field and the finder, the
// project file and the command line can say why they computed nothing.
#include "core/platform/Fehler.h"

#include <QString>

namespace Pruefung {

// The inputs by the symbol the formulas use; the dialogs find their fields by it.
enum class Eingabe { F, L, x, Sigma_Zul, S, E, I, A };

class Ungueltig : public Plattform::Fehler {
public:
    Ungueltig(Eingabe eingabe, const QString& text);
    Eingabe eingabe() const { return m_eingabe; }

private:
    Eingabe m_eingabe;
};

// "Länge L", "σzul", ... as the messages name the input.
QString Name(Eingabe eingabe);
// Throws Ungueltig "<Name> muss größer als 0 sein (ist <wert>)" unless wert > 0.
void positiv(Eingabe eingabe, double wert);

} // namespace Pruefung
