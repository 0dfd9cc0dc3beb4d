#pragma once
// Shear: the required cross-section for a force over the allowable stress. Units: F in N,
// stresses in N/mm², areas in mm². The division is checked and throws Plattform::Fehler.

namespace Scherformeln {

// Required area in mm² for the shear force F over the allowable stress.
double Aerf(double F, double Sigma_Zul);

} // namespace Scherformeln
