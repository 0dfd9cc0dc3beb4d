#include "calc/Scherformeln.h"

#include "platform/Fliesskomma.h"

namespace Scherformeln {

double Aerf(double F, double Sigma_Zul) { return Fliesskomma::teile(F, Sigma_Zul); }

} // namespace Scherformeln
