// Shorthands for building a window's controls from its design table. Every one takes the
// container, the control's name, then its place and size in the container's units, then what
// is particular to the kind of control.
#pragma once

#include "ui/canvas.h"
#include "ui/colors.h"
#include "ui/controls.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <initializer_list>

namespace ui {

// A control's name, with its index when it is an element of a control array: "Label1",
// {"m0", 2}.
struct Name {
    Name(const char* text, int index = -1) : text(QString::fromUtf8(text)), index(index) {}
    Name(QString text, int index = -1) : text(std::move(text)), index(index) {}
    QString text;
    int index = -1;
};

// Any control, built in its container and placed.
template <class C> C* place(Container* c, const Name& n, double left, double top, double width, double height)
{
    auto* x = new C(c, n.text, n.index);
    x->Move(left, top, width, height);
    return x;
}

Label* label(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption);
Label* label(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption, const QFont& font);
// A label that shows a value: white, with a sunken border.
Label* readout(Container* c, const Name& n, double left, double top, double width, double height,
               const QString& caption);
CommandButton* button(Container* c, const Name& n, double left, double top, double width, double height,
                      const QString& caption);
Frame* frame(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption);
OptionButton* option(Container* c, const Name& n, double left, double top, double width, double height,
                     const QString& caption);
// A scroll bar's Min, Max, SmallChange and LargeChange.
struct ScrollRange {
    int min, max, smallChange, largeChange;
};
// A scroll bar at its design value; built before its handlers are wired, it raises nothing.
ScrollBar* hScrollBar(Container* c, const Name& n, double left, double top, double width, double height,
                      ScrollRange range, int value);
ScrollBar* vScrollBar(Container* c, const Name& n, double left, double top, double width, double height,
                      ScrollRange range, int value);
// A picture box with the flat one-pixel border, or with the classic sunken edge.
PictureBox* flatBox(Container* c, const Name& n, double left, double top, double width, double height);
PictureBox* sunkenBox(Container* c, const Name& n, double left, double top, double width, double height);
// A shape outlined, or filled with a colour.
Shape* shape(Container* c, const Name& n, double left, double top, double width, double height);
Shape* filledShape(Container* c, const Name& n, double left, double top, double width, double height, Color fill);
// A line from (x1, y1) to (x2, y2), `width` pixels wide.
Line* line(Container* c, const Name& n, double x1, double y1, double x2, double y2, int width = 1);
// A spin button with its arrow picture, its corner at (left, top).
SpinButton* spinButton(Container* c, const Name& n, double left, double top, const QString& arrow);

// A window's icon, read from its image once and shared by every window that shows it. Under
// X, showing a window hands its icon to the server scaled, and the scaled copy is cached
// under the identity of the icon's picture: an icon read afresh for each window opened would
// add one more copy to the cache at every opening.
QIcon sharedIcon(const QString& image);

// The design's tab order, control by control with its TabIndex; the window links its focus
// chain from it when it loads.
struct TabStop {
    ControlBase* control;
    int index;
};
void tabIndexes(std::initializer_list<TabStop> stops);
// The same, for a design that numbers its controls in the order given, from 0.
void tabIndexesInOrder(std::initializer_list<ControlBase*> controls);

} // namespace ui
