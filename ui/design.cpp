#include "ui/design.h"

namespace ui {

Label* label(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption)
{
    auto* l = place<Label>(c, n, left, top, width, height);
    l->setCaption(caption);
    return l;
}

CommandButton* button(Container* c, const Name& n, double left, double top, double width, double height,
                      const QString& caption)
{
    auto* b = place<CommandButton>(c, n, left, top, width, height);
    b->setCaption(caption);
    return b;
}

PictureBox* flatBox(Container* c, const Name& n, double left, double top, double width, double height)
{
    auto* p = new PictureBox(c, n.text, n.index);
    // The border first: it decides the inner area the place is measured against.
    p->setBorder(true);
    p->Move(left, top, width, height);
    return p;
}

Shape* shape(Container* c, const Name& n, double left, double top, double width, double height)
{
    return place<Shape>(c, n, left, top, width, height);
}

Shape* filledShape(Container* c, const Name& n, double left, double top, double width, double height, Color fill)
{
    Shape* s = shape(c, n, left, top, width, height);
    s->setFilled(true);
    s->setFillColor(fill);
    return s;
}

Line* line(Container* c, const Name& n, double x1, double y1, double x2, double y2, int width)
{
    auto* l = new Line(c, n.text, n.index);
    l->setBorderWidth(width);
    l->setEnds(x1, y1, x2, y2);
    return l;
}

SpinButton* spinButton(Container* c, const Name& n, double left, double top, const QString& arrow)
{
    auto* s = new SpinButton(c, n.text, n.index);
    s->setArrow(left, top, QPixmap(arrow));
    return s;
}

} // namespace ui
