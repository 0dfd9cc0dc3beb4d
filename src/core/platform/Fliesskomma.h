#pragma once
// Checked floating point. The calculation dialogs guard their arithmetic and rely on a division
// by zero, an invalid operation and an overflow being raised as errors instead of carrying on
// as infinities or NaN. Every formula therefore divides, takes roots and logarithms through
// these functions and passes intermediate results through pruefe().
#include <cmath>

namespace Fliesskomma {

// Throws Ueberlauf for ±inf and UngueltigeOperation for NaN; returns x otherwise.
double pruefe(double x);
// a / b: b = 0 throws DivisionDurchNull (UngueltigeOperation for 0 / 0); overflow throws.
double teile(double a, double b);
// √x: x < 0 throws UngueltigeOperation.
double wurzel(double x);
// ln x: x = 0 throws DivisionDurchNull, x < 0 UngueltigeOperation.
double ln(double x);
// e^x with overflow check.
double exp(double x);
// grundwert^n computed as e^(n·ln grundwert): defined only for grundwert > 0; a base of 0 or
// below raises a floating-point error, on which the calling dialogs rely.
double potenz(double grundwert, double n);

} // namespace Fliesskomma
