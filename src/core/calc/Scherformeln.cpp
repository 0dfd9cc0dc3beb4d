#include "core/calc/Scherformeln.h"

#include "core/calc/Rechenweg.h"
#include "core/platform/Fliesskomma.h"

namespace Scherformeln {

double Aerf(double F, double Sigma_Zul)
{
    const double a = Fliesskomma::teile(F, Sigma_Zul);
    Rechenweg::schritt(QStringLiteral("Erforderliche Querschnittsfläche"), QStringLiteral("A erf = F / σzul"),
        {{QStringLiteral("F"), F, QStringLiteral("N")}, {QStringLiteral("σzul"), Sigma_Zul, QStringLiteral("N/mm²")}}, a,
        QStringLiteral("mm²"));
    return a;
}

} // namespace Scherformeln
