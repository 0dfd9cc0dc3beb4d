#include "core/platform/Fliesskomma.h"

#include "core/platform/Fehler.h"

namespace Fliesskomma {

using Plattform::Fehler;

double pruefe(double x)
{
    if (std::isnan(x))
        throw Fehler::ungueltigeOperation();
    if (std::isinf(x))
        throw Fehler::ueberlauf();
    return x;
}

double teile(double a, double b)
{
    pruefe(a);
    pruefe(b);
    if (b == 0.0) {
        if (a == 0.0)
            throw Fehler::ungueltigeOperation();
        throw Fehler::divisionDurchNull();
    }
    return pruefe(a / b);
}

double wurzel(double x)
{
    pruefe(x);
    if (x < 0.0)
        throw Fehler::ungueltigeOperation();
    return std::sqrt(x);
}

double ln(double x)
{
    pruefe(x);
    if (x == 0.0)
        throw Fehler::divisionDurchNull();
    if (x < 0.0)
        throw Fehler::ungueltigeOperation();
    return std::log(x);
}

double exp(double x) { return pruefe(std::exp(pruefe(x))); }

double potenz(double grundwert, double n) { return exp(pruefe(n * ln(grundwert))); }

} // namespace Fliesskomma
