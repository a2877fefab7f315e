// The unit controls are placed in: a twip, a twentieth of a printer's point, 15 to a pixel
// on a 96-dots-per-inch screen.
#pragma once

#include <cmath>

namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to the nearest whole pixel, halves rounding up.
inline int toPixels(double twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5)); }
inline double toTwips(double pixels) { return pixels * kTwipsPerPixel; }

} // namespace ui
