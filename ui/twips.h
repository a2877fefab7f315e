// The unit controls are placed in: a twip, a twentieth of a printer's point, 15 to a pixel
// on a 96-dots-per-inch screen.
#pragma once

#include <algorithm>
#include <cmath>

namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

// Places beyond this many twips from the corner are drawn there: far outside any window, and
// still well inside what pixel arithmetic in ints can hold.
inline constexpr double kTwipsLimit = 1.0e8;

// Twips to the nearest whole pixel, halves rounding up. Defined for every value: beyond the
// limit it stops at the limit, and a value that is no number gives 0.
inline int toPixels(double twips)
{
    if (std::isnan(twips))
        return 0;
    return static_cast<int>(std::floor(std::clamp(twips, -kTwipsLimit, kTwipsLimit) / kTwipsPerPixel + 0.5));
}
inline double toTwips(double pixels) { return pixels * kTwipsPerPixel; }

} // namespace ui
