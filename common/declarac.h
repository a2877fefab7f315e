// Global variables shared by the windows.
#pragma once

#include "ui/colors.h"

namespace DECLARAC {

// Colour of the spin buttons' press box; the splash sets it before any simulation exists.
inline ui::Color colorPulsado = 0;

} // namespace DECLARAC
