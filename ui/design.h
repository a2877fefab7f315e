// Shorthands for building a window's controls from its design table.
#pragma once

#include "ui/colors.h"
#include "ui/controls.h"

namespace ui {

// A label placed in its container's units, with its caption.
Label* label(Container* c, const QString& name, double left, double top, double width, double height,
             const QString& caption, int index = -1);
// A line from (x1, y1) to (x2, y2), `width` pixels wide.
Line* line(Container* c, const QString& name, double x1, double y1, double x2, double y2, int width = 1,
           int index = -1);
// A shape placed in its container's units, outlined, or filled with a colour.
Shape* shape(Container* c, const QString& name, double left, double top, double width, double height);
Shape* filledShape(Container* c, const QString& name, double left, double top, double width, double height,
                   Color fill);

} // namespace ui
