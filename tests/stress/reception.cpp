#include "tests/stress/reception.h"

#include "ui/control.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/mouse_router.h"

#include <QAction>
#include <QMenu>
#include <QWindow>
#include <utility>
#include <vector>

namespace stress {

namespace {

int inputDepthCount = 0;
std::vector<QPointer<QWidget>> firstReceivers;   // of the input events being delivered, innermost last
std::vector<Watch*> watches;                     // alive, newest last

// What a watch looks for in an event: kInputs for an input event it ignores, -1 for no input.
// A key that is a menu command's shortcut reaches the focused control as an override request
// only; the command then runs instead of the control's own use of the key.
int inputOf(const QEvent* e)
{
    static constexpr std::pair<QEvent::Type, int> inputs[] = {
        {QEvent::MouseButtonPress, Watch::Press},   {QEvent::MouseButtonDblClick, Watch::Press},
        {QEvent::MouseMove, Watch::Move},           {QEvent::KeyPress, Watch::Key},
        {QEvent::ShortcutOverride, Watch::Key},     {QEvent::InputMethod, Watch::Key},
        {QEvent::Close, Watch::Close},              {QEvent::Resize, Watch::Resize},
        {QEvent::MouseButtonRelease, Watch::kInputs}, {QEvent::KeyRelease, Watch::kInputs},
        {QEvent::Shortcut, Watch::kInputs},
    };
    for (const auto& [type, in] : inputs)
        if (e->type() == type)
            return in;
    return -1;
}

// A control's own widget (not a part of it, such as a list's edit field).
ui::ControlBase* controlWidget(const QWidget* w)
{
    ui::ControlBase* c = ui::controlOf(w);
    return c && c->widget() == w ? c : nullptr;
}

// Whether `w` is `target` or a part of it that is no control of its own.
bool partOf(const QWidget* w, const QWidget* target)
{
    for (const QWidget* x = w; x; x = x->parentWidget()) {
        if (x == target)
            return true;
        if (controlWidget(x) || x->isWindow())
            return false;   // another control, or the window
    }
    return false;
}

// Sees every link of an input event's delivery. It must come before the mouse router among
// the application's filters (the newest runs first): the router ends the delivery of what
// it takes.
class Hook : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (watches.empty() || firstReceivers.empty())
            return false;
        const int in = inputOf(e);
        auto* w = qobject_cast<QWidget*>(obj);
        QWidget* first = firstReceivers.back();
        if (in < 0 || in == Watch::kInputs || !w || !first)
            return false;
        if (w == first)
            watches.back()->handedTo(w, Watch::Input(in));
        else if (w->isAncestorOf(first))
            watches.back()->passedOn(w, Watch::Input(in));
        return false;
    }
};

} // namespace

bool Application::notify(QObject* receiver, QEvent* e)
{
    // The windows' timers tick when the driver says, not by the machine's clock.
    if (e->type() == QEvent::Timer && qobject_cast<ui::TimerControl*>(receiver))
        return true;
    if (inputOf(e) < 0)
        return QApplication::notify(receiver, e);
    // Qt hands a window system's event to the window (a QWindow) first, which then hands it
    // to a widget through here; passing it on to the widget's parents happens inside.
    auto* w = qobject_cast<QWidget*>(receiver);
    if (w)
        firstReceivers.emplace_back(w);
    ++inputDepthCount;
    const bool done = QApplication::notify(receiver, e);
    --inputDepthCount;
    if (w)
        firstReceivers.pop_back();
    return done;
}

int Application::inputDepth() { return inputDepthCount; }

QRect aimableArea(QWidget* w)
{
    if (!w)
        return {};
    QWidget* top = w->window();
    auto inTop = [top](QWidget* x) { return QRect(x->mapTo(top, QPoint(0, 0)), x->size()); };
    // Whatever of the widget its parents show, inside the window as the window system has it
    // now, and for a control inside the client area (the menu bar lies above it).
    QRect area = top->rect();
    for (QWidget* p = w; p != top; p = p->parentWidget())
        area &= inTop(p);
    if (QWindow* handle = top->windowHandle())
        area &= QRect(QPoint(0, 0), handle->size());
    if (auto* f = qobject_cast<ui::Form*>(top); f && (w == &f->client() || f->client().isAncestorOf(w)))
        area &= inTop(&f->client());
    return area.translated(-w->mapTo(top, QPoint(0, 0)));
}

bool aimable(QWidget* w, QPoint p)
{
    // Qt Test moves an event aimed at a window's very corner to the window's middle.
    return aimableArea(w).contains(p) && w->mapTo(w->window(), p) != QPoint(0, 0);
}

bool onTop(QWidget* w, QPoint p)
{
    QWidget* top = w->window();
    QWidget* hit = top->childAt(w->mapTo(top, p));
    return aimable(w, p) && partOf(hit ? hit : top, w);
}

QString describe(const QWidget* w)
{
    auto name = [](const QWidget* x) {
        return x->objectName().isEmpty() ? QString::fromLatin1(x->metaObject()->className()) : x->objectName();
    };
    return name(w->window()) + QLatin1Char('.') + name(w);
}

Watch::Watch(QWidget* target, Scope scope)
    : target_(target), scope_(scope)
{
    [[maybe_unused]] static const bool hooked = [] {
        ui::installMouseRouter();
        qApp->installEventFilter(new Hook(qApp));
        return true;
    }();
    watches.push_back(this);
}

Watch::~Watch() { std::erase(watches, this); }

void Watch::command(QAction* item, QMenu* menu)
{
    opened_ = !menu;
    if (menu)
        QObject::connect(menu, &QMenu::aboutToShow, &links_, [this] { opened_ = true; });
    if (item)
        QObject::connect(item, &QAction::triggered, &links_, [this] { ran_ = true; });
}

bool Watch::aimedAt(QWidget* w, Input in) const
{
    if (!target_)
        return false;
    // A window's close and resize are the window's own: a control's resize is no window's.
    if (in == Close || in == Resize)
        return w == target_;
    if (scope_ == Scope::Inside)
        return w == target_ || target_->isAncestorOf(w);
    return partOf(w, target_);
}

void Watch::handedTo(QWidget* w, Input in)
{
    if (in == Press && pressWentTo_.isEmpty())
        pressWentTo_ = describe(w);
    if (!aimedAt(w, in))
        return;
    if (target_->isEnabled())
        got_[in] = true;
    else if (in == Press)
        pressedDisabled_ = true;
}

// A press on a disabled control. Qt hands a press to the widget under the pointer whatever
// its state; a disabled widget does not act on it, and Qt passes it on to its containers
// (a disabled button keeps it, so that nothing behind it is clicked through), where the
// mouse router raises a container's own MouseDown and Click. So the press counts as the
// disabled control's when no enabled container it went on to acts on a press or a click,
// as the bare area of the flotation window does; the window itself only passes it on.
void Watch::passedOn(QWidget* w, Input in)
{
    if (in != Press || !pressedDisabled_ || !w->isEnabled())
        return;
    if (ui::ControlBase* c = controlWidget(w); c && (c->on.MouseDown || c->on.Click))
        takenElsewhere_ = true;
}

bool Watch::reached(Kind k) const
{
    const bool commandRan = ran_ && opened_;
    switch (k) {
    case Kind::DisabledClick: return pressedDisabled_ && !takenElsewhere_;
    case Kind::PointerMoves: return got_[Move];
    // The click into the box, and at least one of the keys, if any were sent.
    case Kind::TypeInTextBox:
    case Kind::TypeInList:
    case Kind::EnterInList:
    case Kind::RadiusBoxEdit:
    case Kind::Clipboard: return got_[Press] && (!keysSent_ || got_[Key]);
    case Kind::Menu: return commandRan;
    case Kind::CloseBox: return got_[Close];
    case Kind::Resize: return got_[Resize];
    // "Salir", its menu command or the launcher's close box.
    case Kind::EndProgram: return got_[Press] || got_[Close] || commandRan;
    default: return got_[Press];
    }
}

} // namespace stress
