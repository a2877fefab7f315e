#include "ui/design.h"

namespace ui {

Label* label(Container* c, const QString& name, double left, double top, double width, double height,
             const QString& caption, int index)
{
    auto* l = new Label(c, name, index);
    l->Move(left, top, width, height);
    l->setCaption(caption);
    return l;
}

Line* line(Container* c, const QString& name, double x1, double y1, double x2, double y2, int width, int index)
{
    auto* l = new Line(c, name, index);
    l->setBorderWidth(width);
    l->setEnds(x1, y1, x2, y2);
    return l;
}

Shape* shape(Container* c, const QString& name, double left, double top, double width, double height)
{
    auto* s = new Shape(c, name);
    s->Move(left, top, width, height);
    return s;
}

Shape* filledShape(Container* c, const QString& name, double left, double top, double width, double height,
                   Color fill)
{
    Shape* s = shape(c, name, left, top, width, height);
    s->setFilled(true);
    s->setFillColor(fill);
    return s;
}

} // namespace ui
