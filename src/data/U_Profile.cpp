#include "data/U_Profile.h"

namespace U_Profile {

void Profilbibliothek_Lesen() {}

} // namespace U_Profile
