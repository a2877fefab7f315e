// Colours as the windows describe them: 32-bit values laid out as &H00BBGGRR&.
#pragma once

#include <QColor>
#include <cstdint>

namespace ui {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The classic 16-colour palette: 0 black ... 7 light grey, 8 dark grey ... 15 bright white.
Color QBColor(int index);

inline QColor toQColor(Color c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline Color fromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// The button face of the classic look, used as the default background of windows and controls.
constexpr Color kButtonFace = RGB(192, 192, 192);
constexpr Color kWindowBackground = RGB(255, 255, 255);

} // namespace ui
