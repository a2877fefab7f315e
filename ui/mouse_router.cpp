// The application-wide mouse router and manual drag and drop. Every mouse event Qt hands to
// a control's widget comes here first: it becomes the control's MouseDown, MouseMove, MouseUp,
// Click and DblClick, or, while a control is dragged, its DragOver and DragDrop.
#include "ui/mouse_router.h"

#include "ui/control.h"
#include "ui/form.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>

namespace ui {

namespace {

// The outline that follows the pointer while a control without a drag icon is dragged.
class DragOutline : public QWidget {
public:
    DragOutline()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    // Only the two-pixel frame is part of the window, so that the inside stays see-through
    // also where the window system cannot blend windows (it would show black there).
    void resizeEvent(QResizeEvent*) override
    {
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(2, 2, -2, -2))));
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(Qt::white);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

struct DragState {
    QPointer<QWidget> source;
    QPointer<QWidget> over;   // the control (or surface) last under the pointer
    QPoint grabOffset;        // pointer offset inside the source at the start
    bool cursorOverridden = false;
    DragOutline* outline = nullptr;
    QMetaObject::Connection sourceGone;
};

DragState& drag()
{
    static DragState state;
    return state;
}

int buttonCode(Qt::MouseButtons b)
{
    int code = 0;
    if (b & Qt::LeftButton) code |= vbLeftButton;
    if (b & Qt::RightButton) code |= vbRightButton;
    if (b & Qt::MiddleButton) code |= vbMiddleButton;
    return code;
}

int shiftCode(Qt::KeyboardModifiers m)
{
    int code = 0;
    if (m & Qt::ShiftModifier) code |= 1;
    if (m & Qt::ControlModifier) code |= 2;
    if (m & Qt::AltModifier) code |= 4;
    return code;
}

// The control or surface under a global point, inside the window of `from`.
ControlBase* targetAt(QWidget* from, QPoint global)
{
    QWidget* top = from ? from->window() : nullptr;
    if (!top)
        return nullptr;
    // The window's client area is the one control of the window without a container.
    for (QWidget* w : top->findChildren<QWidget*>()) {
        ControlBase* c = controlOf(w);
        if (!c || c->container() || c->widget() != w || !w->isVisible())
            continue;
        auto* area = dynamic_cast<Container*>(c);
        const QPoint local = w->mapFromGlobal(global);
        if (!area || !w->rect().contains(local))
            continue;
        ControlBase* hit = area->controlAt(local);
        return hit ? hit : c;
    }
    return nullptr;
}

QPointF unitsAt(ControlBase* c, QPoint global)
{
    return c->pixelToOwnUnits(c->widget()->mapFromGlobal(global));
}

void moveOutline(QPoint global)
{
    DragState& d = drag();
    if (d.outline)
        d.outline->move(global - d.grabOffset);
}

void dragMoved(QPoint global)
{
    DragState& d = drag();
    moveOutline(global);
    const QPointer<QWidget> source = d.source;
    ControlBase* src = controlOf(source);
    if (!src)
        return;
    const WindowGuard window(source);
    ControlBase* target = targetAt(source, global);
    const QPointer<QWidget> targetWidget = target ? target->widget() : nullptr;
    ControlBase* previous = controlOf(d.over);
    if (previous && previous != target && previous->on.DragOver) {
        const QPointF u = unitsAt(previous, global);
        previous->on.DragOver(*src, float(u.x()), float(u.y()), vbLeave);
        // A handler that yields may have ended the drag or the program, unloaded the window,
        // or begun another drag.
        if (!window.loaded() || d.source != source || (target && !targetWidget))
            return;
    }
    d.over = targetWidget;
    if (target && target->on.DragOver) {
        const QPointF u = unitsAt(target, global);
        target->on.DragOver(*src, float(u.x()), float(u.y()), target == previous ? vbOver : vbEnter);
    }
}

void endDrag()
{
    DragState& d = drag();
    QObject::disconnect(d.sourceGone);
    if (d.cursorOverridden)
        QApplication::restoreOverrideCursor();
    if (d.outline)
        d.outline->hide();
    if (d.source && QWidget::mouseGrabber() == d.source)
        d.source->releaseMouse();
    d.source = nullptr;
    d.over = nullptr;
    d.cursorOverridden = false;
}

void dragDropped(QPoint global)
{
    DragState& d = drag();
    QPointer<QWidget> sourceWidget = d.source;
    ControlBase* target = targetAt(d.source, global);
    QPointer<QWidget> targetWidget = target ? target->widget() : nullptr;
    endDrag();
    ControlBase* src = controlOf(sourceWidget);
    if (!src || !targetWidget || !target->on.DragDrop)
        return;
    const QPointF u = unitsAt(target, global);
    target->on.DragDrop(*src, float(u.x()), float(u.y()));
}

struct PressState {
    QPointer<QWidget> widget;
};

PressState& press()
{
    static PressState state;
    return state;
}

} // namespace

void ControlBase::Drag(int action)
{
    DragState& d = drag();
    if (action != 1) {
        if (action == 0 && d.source == self_)
            endDrag();
        return;
    }
    if (d.source || d.cursorOverridden)
        endDrag();
    d.source = self_;
    d.over = nullptr;
    // A source that goes away (its window unloaded) takes its drag with it: pointer and outline.
    d.sourceGone = QObject::connect(self_, &QObject::destroyed, [] { endDrag(); });
    const QPoint global = QCursor::pos();
    d.grabOffset = self_->mapFromGlobal(global);
    if (!dragIcon_.isNull()) {
        QApplication::setOverrideCursor(QCursor(dragIcon_, dragIcon_.width() / 2, dragIcon_.height() / 2));
        d.cursorOverridden = true;
    } else {
        if (!d.outline)
            d.outline = new DragOutline;
        d.outline->resize(self_->size());
        d.outline->show();
        moveOutline(global);
    }
    // The press that began the drag already holds the pointer for this control; an explicit
    // grab keeps it there on window systems that have one.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        self_->grabMouse();
}

bool dragInProgress() { return !drag().source.isNull(); }

void endDragsIn(QWidget* window)
{
    DragState& d = drag();
    if (d.source ? window->isAncestorOf(d.source) : d.cursorOverridden)
        endDrag();
}

class MouseRouter : public QObject {
public:
    using QObject::QObject;

private:
    // A key that is the shortcut of one of the window's menu commands runs the command,
    // whichever control has the focus (a text field would otherwise take Ctrl+V as Paste).
    static bool yieldToMenuShortcut(QWidget* focus, QKeyEvent* e)
    {
        if (!focus)
            return false;
        const QKeySequence pressed(e->keyCombination());
        for (const QAction* a : focus->window()->findChildren<QAction*>())
            if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == pressed) {
                e->ignore();
                return true;
            }
        return false;
    }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        const QEvent::Type t = ev->type();
        if (t == QEvent::ShortcutOverride)
            return yieldToMenuShortcut(qobject_cast<QWidget*>(obj), static_cast<QKeyEvent*>(ev));
        if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonRelease && t != QEvent::MouseMove
            && t != QEvent::MouseButtonDblClick)
            return false;
        // The window system's event first reaches the window, which hands it to the widget
        // under the pointer (or the one pressed, or grabbing); only that second delivery is
        // ours. Taking the first would leave Qt believing the pressed widget is still down.
        auto* w = qobject_cast<QWidget*>(obj);
        if (!w)
            return false;
        ControlBase* c = controlOf(w);
        auto* me = static_cast<QMouseEvent*>(ev);
        const QPoint global = me->globalPosition().toPoint();

        // While a control is dragged, moves and the release belong to the drag.
        if (dragInProgress()) {
            if (t == QEvent::MouseMove) {
                dragMoved(global);
                return true;
            }
            if (t == QEvent::MouseButtonRelease) {
                dragDropped(global);
                return true;
            }
            return true;
        }
        // Mouse events of the controls' own widgets end at the control: they never travel on
        // to the container, so a press on a label is no press on the window.
        if (!c || c->widget() != w)
            return false;
        // A disabled control takes no mouse events: Qt hands them on to its container.
        if (!w->isEnabled())
            return false;

        const QPointF u = c->pixelToOwnUnits(me->position().toPoint());
        const float x = float(u.x()), y = float(u.y());
        const int shift = shiftCode(me->modifiers());
        // Raises a handler, if the control has one; false when the control's window is no
        // longer loaded after it. A handler that yields may see the window unloaded and deleted
        // under it: then neither the control nor the window is touched again, and the event,
        // taken here, goes to no dead widget.
        const WindowGuard window(w);
        const auto raise = [&window](const auto& handler, auto... args) {
            if (!handler)
                return true;
            handler(args...);
            return window.loaded();
        };
        switch (t) {
        case QEvent::MouseButtonPress:
            press().widget = w;
            if (!raise(c->on.MouseDown, buttonCode(me->button()), shift, x, y))
                return true;
            // A press that began a drag is the drag's, not the widget's.
            return dragInProgress() || c->clickOnRelease();
        case QEvent::MouseMove:
            if (!raise(c->on.MouseMove, buttonCode(me->buttons()), shift, x, y))
                return true;
            return c->clickOnRelease();
        case QEvent::MouseButtonRelease: {
            const bool clicked = press().widget == w && w->rect().contains(me->position().toPoint())
                && (me->button() == Qt::LeftButton || me->button() == Qt::RightButton);
            press().widget = nullptr;
            if (!raise(c->on.MouseUp, buttonCode(me->button()), shift, x, y))
                return true;
            if (clicked && c->clickOnRelease() && !raise(c->on.Click))
                return true;
            return c->clickOnRelease();
        }
        case QEvent::MouseButtonDblClick:
            if (!raise(c->on.DblClick))
                return true;
            return c->clickOnRelease();
        default:
            return false;
        }
    }
};

void installMouseRouter()
{
    static MouseRouter* router = nullptr;
    if (!router) {
        router = new MouseRouter(qApp);
        qApp->installEventFilter(router);
    }
}

} // namespace ui
