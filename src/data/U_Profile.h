#pragma once
// The profile library: the family index "Profile.csv" and the family files, read into
// Profildat at start-up.
#include "core/Unit1.h"

namespace U_Profile {

// Start-up step: loads the index and every family file named in it.
void Profilbibliothek_Lesen();

} // namespace U_Profile
