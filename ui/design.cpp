#include "ui/design.h"

#include <QHash>

namespace ui {

namespace {

// A control with a caption, built in its container and placed.
template <class C>
C* captioned(Container* c, const Name& n, double left, double top, double width, double height, const QString& caption)
{
    auto* x = place<C>(c, n, left, top, width, height);
    x->setCaption(caption);
    return x;
}

ScrollBar* scrollBar(Qt::Orientation o, Container* c, const Name& n, double left, double top, double width,
                     double height, ScrollRange range, int value)
{
    auto* b = new ScrollBar(o, c, n.text, n.index);
    b->Move(left, top, width, height);
    b->setRange(range.min, range.max, range.smallChange, range.largeChange);
    b->setValue(value);
    return b;
}

PictureBox* borderedBox(Container* c, const Name& n, double left, double top, double width, double height,
                        bool flat)
{
    auto* p = new PictureBox(c, n.text, n.index);
    // The border first: it decides the inner area the place is measured against.
    p->setBorder(true, flat);
    p->Move(left, top, width, height);
    return p;
}

} // namespace

Label* label(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption)
{
    return captioned<Label>(c, n, left, top, width, height, caption);
}

Label* label(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption, const QFont& font)
{
    Label* l = label(c, n, left, top, width, height, caption);
    l->setFont(font);
    return l;
}

Label* readout(Container* c, const Name& n, double left, double top, double width, double height,
               const QString& caption)
{
    Label* l = label(c, n, left, top, width, height, caption);
    l->setBackColor(kWindowBackground);
    l->setBorder(true);
    return l;
}

CommandButton* button(Container* c, const Name& n, double left, double top, double width, double height,
                      const QString& caption)
{
    return captioned<CommandButton>(c, n, left, top, width, height, caption);
}

Frame* frame(Container* c, const Name& n, double left, double top, double width, double height,
             const QString& caption)
{
    return captioned<Frame>(c, n, left, top, width, height, caption);
}

OptionButton* option(Container* c, const Name& n, double left, double top, double width, double height,
                     const QString& caption)
{
    return captioned<OptionButton>(c, n, left, top, width, height, caption);
}

ScrollBar* hScrollBar(Container* c, const Name& n, double left, double top, double width, double height,
                      ScrollRange range, int value)
{
    return scrollBar(Qt::Horizontal, c, n, left, top, width, height, range, value);
}

ScrollBar* vScrollBar(Container* c, const Name& n, double left, double top, double width, double height,
                      ScrollRange range, int value)
{
    return scrollBar(Qt::Vertical, c, n, left, top, width, height, range, value);
}

PictureBox* flatBox(Container* c, const Name& n, double left, double top, double width, double height)
{
    return borderedBox(c, n, left, top, width, height, true);
}

PictureBox* sunkenBox(Container* c, const Name& n, double left, double top, double width, double height)
{
    return borderedBox(c, n, left, top, width, height, false);
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

void tabIndexes(std::initializer_list<TabStop> stops)
{
    for (const TabStop& s : stops)
        s.control->setTabIndex(s.index);
}

void tabIndexesInOrder(std::initializer_list<ControlBase*> controls)
{
    int i = 0;
    for (ControlBase* c : controls)
        c->setTabIndex(i++);
}

QIcon sharedIcon(const QString& image)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(image);
    if (it == icons.constEnd())
        it = icons.insert(image, QIcon(image));
    return *it;
}

} // namespace ui
