// The program's clock, yielding to the event loop, the end of the program and the fonts.
#pragma once

#include <QFont>
#include <QLocale>
#include <functional>

namespace ui {

// Seconds on a monotonic clock: waits measured with it end on time across midnight.
double clockSeconds();
// Tests replace the clock (an empty function restores the real one).
void setClockForTests(std::function<double()> clock);

// Handles every pending event of every window, then returns (handlers run nested in it).
// Does nothing once the program is ending.
void DoEvents();

// Waits without yielding until the clock has advanced by more than `seconds`.
// A clock that went backwards counts as elapsed.
void busyWait(double seconds);

// Ends the program at once: every window is hidden and unloaded, the main loop quits, and
// every yielding loop sees ending() and stops.
void End();
bool ending();
// Tests: forget that the program ended.
void resetEndingForTests();

// The dialog font of the windows, "MS Sans Serif" at a point size, rendered with a free
// metric-compatible substitute at 96 dots per inch.
QFont msSansSerif(double points, bool bold = false);

// The decimal separator numbers are shown with in a locale, as one character.
char decimalSeparatorOf(const QLocale& locale);

// The look every window shares (classic grey palette, Fusion style, the dialog font).
void applyApplicationLook();

} // namespace ui
