#include "calc/Scherformeln.h"

#include "calc/Rechenweg.h"
#include "platform/Fliesskomma.h"

namespace Scherformeln {

double Aerf(double F, double Sigma_Zul)
{
    using Rechenweg::wert;
    const double a = Fliesskomma::teile(F, Sigma_Zul);
    if (Rechenweg::aktiv())
        Rechenweg::notieren(QStringLiteral("Erforderliche Querschnittsfläche"), QStringLiteral("A erf = F / σzul"),
            QStringLiteral("= ")
                + Rechenweg::einsetzen(QStringLiteral("F / σzul"),
                    {{QStringLiteral("F"), wert(F, QStringLiteral("N"))},
                        {QStringLiteral("σzul"), wert(Sigma_Zul, QStringLiteral("N/mm²"))}}),
            wert(a, QStringLiteral("mm²")));
    return a;
}

} // namespace Scherformeln
