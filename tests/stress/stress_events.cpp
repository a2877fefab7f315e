// The events of a stress run: what users do with the windows, delivered through each
// window's QWindow as a window system delivers it.
#include "tests/stress/stress_driver.h"
#include "tests/stress/reception.h"

#include "falling_spheres/declarac.h"
#include "falling_spheres/principa.h"
#include "falling_spheres/procedim.h"
#include "flotation/flotar.h"
#include "shell/brantel.h"
#include "tests/support/input.h"
#include "ui/canvas.h"
#include "ui/control.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <optional>

namespace stress {

namespace {

bool is(const QObject* o, const char* name) { return o && o->objectName() == QLatin1String(name); }

bool showing(const QWidget* w)
{
    const QWidget* top = w ? w->window() : nullptr;
    return top && top->isVisible() && top->windowHandle() && top->windowHandle()->isVisible();
}

std::vector<ui::Form*> shownForms()
{
    std::vector<ui::Form*> out;
    for (ui::Form* f : ui::allForms())
        if (f->alive() && showing(f))
            out.push_back(f);
    return out;
}

template <class F> F* shown()
{
    for (ui::Form* f : shownForms())
        if (auto* w = qobject_cast<F*>(f))
            return w;
    return nullptr;
}

// Lets the button go over `w` if it still shows there; else over the launcher, which lies
// under every window; else in the middle of the window that took the press, which is all
// that is left.
void letGo(QWidget* w, QPoint at, Qt::MouseButton b, QWindow* pressedOn)
{
    Brantel* launcher = shown<Brantel>();
    const QPoint middle = launcher ? aimableArea(&launcher->client()).center() : QPoint();
    if (showing(w) && aimable(w, at)) {
        input::release(w, at, b);
    } else if (launcher && aimable(&launcher->client(), middle)) {
        input::release(&launcher->client(), middle, b);
    } else if (pressedOn) {
        input::releaseIn(pressedOn, b);
    } else {
        QTestPrivate::qtestMouseButtons.setFlag(b, false);
    }
}

// Boxes, lists and scroll bars open their context menu on a right click, and a context
// menu runs an event loop of its own until it closes.
bool hasContextMenu(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QScrollBar*>(w) || qobject_cast<const QAbstractScrollArea*>(w);
}

// Every control of a window that shows and takes mouse events, enabled or not; with
// `enabled`, only those that are (or are not).
std::vector<QWidget*> controlsOf(ui::Form* f, std::optional<bool> enabled = {})
{
    std::vector<QWidget*> out;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        ui::ControlBase* c = ui::controlOf(w);
        if (c && c->widget() == w && c->container() && c->takesMouse() && w->isVisible()
            && (!enabled || w->isEnabled() == *enabled))
            out.push_back(w);
    }
    return out;
}

template <class T> std::vector<T*> ofKind(const std::vector<QWidget*>& ws)
{
    std::vector<T*> out;
    for (QWidget* w : ws)
        if (auto* t = qobject_cast<T*>(w))
            out.push_back(t);
    return out;
}

// Text boxes of a window, not the edit fields of its lists.
std::vector<QWidget*> textBoxes(const std::vector<QWidget*>& ws)
{
    std::vector<QWidget*> out;
    for (QWidget* w : ws)
        if (qobject_cast<ui::TextBox*>(w))
            out.push_back(w);
    return out;
}

const int kBoxKeys[] = {Qt::Key_0,     Qt::Key_1,      Qt::Key_2,      Qt::Key_5,         Qt::Key_9,
                        Qt::Key_A,     Qt::Key_X,      Qt::Key_E,      Qt::Key_Comma,     Qt::Key_Period,
                        Qt::Key_Minus, Qt::Key_Space,  Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete,
                        Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Home,      Qt::Key_End,
                        Qt::Key_Tab,   Qt::Key_Escape};

const int kListKeys[] = {Qt::Key_A,     Qt::Key_G,      Qt::Key_O,    Qt::Key_1,         Qt::Key_7,
                         Qt::Key_Space, Qt::Key_Comma,  Qt::Key_Period, Qt::Key_Backspace, Qt::Key_Delete,
                         Qt::Key_Up,    Qt::Key_Down,   Qt::Key_PageDown, Qt::Key_Home};

// What dead keys and an input method commit: accented letters, a lone accent, numbers.
const char* const kComposed[] = {"é", "á", "ñ", "ü", "´", "¨", "~", "^", "1,5", "0.05", "ç"};

const char* const kClipboard[] = {"2,5", "0.1", "Aceite", "Agua", "-3", "1e3", "", "xyz", "99999999999"};

} // namespace

bool Driver::startsLoop(const ui::Form* f, const QWidget* target) const
{
    // "INICIAR" runs a fall; a click on the flotation window's bare background sets the
    // block moving. Nothing else of the program yields (context menus aside).
    if (is(target, "Boton_Iniciar"))
        return true;
    return target == nullptr && is(f, "flotar");
}

ui::Form* Driver::someWindow()
{
    const std::vector<ui::Form*> forms = shownForms();
    // The launcher is always there; the simulations get most of the events.
    std::vector<ui::Form*> others;
    for (ui::Form* f : forms)
        if (!qobject_cast<Brantel*>(f))
            others.push_back(f);
    return !others.empty() && !chance(0.15) ? any(others) : any(forms);
}

QPoint Driver::somePoint(QWidget* w, bool press)
{
    const QRect area = aimableArea(w);
    for (int i = 0; i < 8 && !area.isEmpty(); ++i) {
        const QPoint p = area.topLeft() + QPoint(pick(area.width()), pick(area.height()));
        if (press ? onTop(w, p) : aimable(w, p))
            return p;
    }
    return QPoint(-1, -1);
}

// A point of the window's client area with no control on it, or (-1, -1).
QPoint Driver::bareSpot(ui::Form* f)
{
    for (int i = 0; i < 12; ++i) {
        const QPoint p = somePoint(&f->client());
        if (p.x() >= 0 && !f->client().controlAt(p))
            return p;
    }
    return QPoint(-1, -1);
}

bool Driver::send(Kind k)
{
    switch (k) {
    case Kind::Click:
    case Kind::RightClick: {
        ui::Form* f = someWindow();
        if (!f)
            return false;
        std::vector<QWidget*> targets;
        for (QWidget* w : controlsOf(f, true))
            // The launcher's "Salir" ends the program: that is an event of its own.
            if (!(qobject_cast<Brantel*>(f) && is(w, "Command1")) && !(calm_ && startsLoop(f, w))
                && !(calm_ && k == Kind::RightClick && hasContextMenu(w)))
                targets.push_back(w);
        return clickControl(k, f, any(targets), k == Kind::RightClick ? Qt::RightButton : Qt::LeftButton);
    }
    case Kind::DisabledClick: {
        // The press goes on to the control's container: not where that sets the block moving,
        // at the nesting limit.
        ui::Form* f = someWindow();
        if (!f || (calm_ && startsLoop(f, nullptr)))
            return false;
        return clickControl(k, f, any(controlsOf(f, false)), chance(0.8) ? Qt::LeftButton : Qt::RightButton);
    }
    case Kind::DoubleClick:
        return doubleClick(someWindow());
    case Kind::BackgroundClick:
        return clickBackground(k, someWindow());
    case Kind::BackgroundBurst: {
        // Mostly on the flotation window while its block moves: each click starts a motion
        // inside the running one.
        auto* fl = shown<flotar>();
        ui::Form* f = fl && chance(0.7) ? fl : someWindow();
        if (!f || (calm_ && startsLoop(f, nullptr)))
            return false;
        burstWindow_ = f;
        // Now and then a user hammers the background; the nesting limit cuts that short,
        // a run without one (a large MAX_NESTING) lets the motions pile up.
        burstLeft_ = f == fl && chance(0.03) ? 100 + pick(3000) : 2 + pick(6);
        note(QStringLiteral("[%1] burst of %2 background clicks on %3").arg(ticks_).arg(burstLeft_ + 1).arg(f->objectName()));
        return clickBackground(k, f);
    }
    case Kind::PointerMoves:
        return pointerMoves(someWindow());
    case Kind::Drag:
    case Kind::DragThenCloseBox: {
        ui::Form* f = someWindow();
        // Closing the launcher ends the program: that is an event of its own.
        if (!f || (k == Kind::DragThenCloseBox && qobject_cast<Brantel*>(f)))
            return false;
        auto pics = ofKind<ui::PictureBox>(controlsOf(f, true));
        // Mostly the things meant to be dragged: the weights and the block.
        std::vector<ui::PictureBox*> draggable;
        for (ui::PictureBox* p : pics)
            if (p->objectName().startsWith(QLatin1String("Pesa")) || is(p, "solido"))
                draggable.push_back(p);
        if (!draggable.empty() && (k == Kind::DragThenCloseBox || chance(0.8)))
            pics = draggable;
        return dragPicture(k, f, any(pics));
    }
    case Kind::ScrollBarClick: {
        ui::Form* f = someWindow();
        return f && scrollBarClick(f, any(ofKind<ui::ScrollBar>(controlsOf(f, true))));
    }
    case Kind::ScrollBarThumb:
        return scrollBarThumb(someWindow());
    case Kind::TypeInTextBox: {
        ui::Form* f = someWindow();
        return f && typeInto(k, f, any(textBoxes(controlsOf(f))));
    }
    case Kind::TypeInList:
    case Kind::EnterInList: {
        ui::Form* f = someWindow();
        return f && typeInto(k, f, any(ofKind<ui::ComboBox>(controlsOf(f))));
    }
    case Kind::RadiusBoxEdit: {
        principa* p = shown<principa>();
        return p && typeInto(k, p, p->Caja_radio);
    }
    case Kind::Clipboard: {
        ui::Form* f = someWindow();
        if (!f)
            return false;
        std::vector<QWidget*> boxes = textBoxes(controlsOf(f));
        for (QWidget* w : ofKind<ui::ComboBox>(controlsOf(f)))
            boxes.push_back(w);
        return typeInto(k, f, any(boxes));
    }
    case Kind::Menu:
        return menuCommand(k, someWindow());
    case Kind::CloseBox: {
        ui::Form* f = someWindow();
        // Closing the launcher ends the program: that is an event of its own.
        return f && !qobject_cast<Brantel*>(f) && closeBox(k, f);
    }
    case Kind::Resize:
        return resize(someWindow());
    case Kind::LauncherPicture:
        return launcherPicture();
    case Kind::EndProgram:
        return endProgram();
    case Kind::Count:
        break;
    }
    return false;
}

bool Driver::clickControl(Kind k, ui::Form* f, QWidget* target, Qt::MouseButton b)
{
    if (!f || !target || !showing(target))
        return false;
    const QPoint p = somePoint(target);
    if (p.x() < 0)
        return false;
    note(QStringLiteral("[%1] %2 %3 at %4,%5").arg(ticks_).arg(kindName(k), describe(target)).arg(p.x()).arg(p.y()));
    return clickAt(k, f, target, p, b);
}

bool Driver::clickBackground(Kind k, ui::Form* f)
{
    if (!f || (calm_ && startsLoop(f, nullptr)))
        return false;
    const QPoint p = bareSpot(f);
    if (p.x() < 0)
        return false;
    note(QStringLiteral("[%1] %2 on %3 at %4,%5").arg(ticks_).arg(kindName(k), f->objectName()).arg(p.x()).arg(p.y()));
    return clickAt(k, f, &f->client(), p, chance(0.85) ? Qt::LeftButton : Qt::RightButton);
}

// Anything may go during a gesture: a handler of the program or a nested event may unload
// a window, and the next part then finds nothing to go to.
QPointer<QWindow> Driver::pressAt(Kind k, ui::Form* f, QWidget* w, QPoint p, Qt::MouseButton b)
{
    const QString where = f->objectName();
    const Watch seen(w);
    QPointer<QWidget> guard(w);
    QPointer<QWindow> pressedOn = input::windowOf(w);
    input::move(w, p);
    if (guard)
        input::press(guard, p, b);
    tally(k, where, seen);
    return pressedOn;
}

QPoint Driver::wander(QWidget* w, QPoint from, int n)
{
    QPointer<QWidget> over(w);
    for (int i = n; i >= 0 && showing(over); --i) {
        const QPoint next = somePoint(over, false);
        if (next.x() < 0)
            continue;
        from = next;
        input::move(over, from);
    }
    return from;
}

bool Driver::clickAt(Kind k, ui::Form* f, QWidget* w, QPoint p, Qt::MouseButton b)
{
    QPointer<QWidget> guard(w);
    QPointer<QWindow> pressedOn = pressAt(k, f, w, p, b);
    // The release may start a fall or a settling motion: the next events arrive inside it.
    letGo(guard, p, b, pressedOn);
    return true;
}

bool Driver::doubleClick(ui::Form* f)
{
    if (!f)
        return false;
    std::vector<QWidget*> targets = controlsOf(f, true);
    if (!calm_ || !startsLoop(f, nullptr))
        targets.push_back(&f->client());
    QWidget* w = any(targets);
    if (!w || (calm_ && startsLoop(f, w)) || (qobject_cast<Brantel*>(f) && is(w, "Command1")))
        return false;
    const QPoint p = w == &f->client() ? bareSpot(f) : somePoint(w);
    if (p.x() < 0)
        return false;
    note(QStringLiteral("[%1] double click %2 at %3,%4").arg(ticks_).arg(describe(w)).arg(p.x()).arg(p.y()));
    const QString where = f->objectName();
    const Watch seen(w);
    // A double click can start a motion on its first release: the window may be gone after.
    input::doubleClick(w, p);
    return tally(Kind::DoubleClick, where, seen);
}

bool Driver::pointerMoves(ui::Form* f)
{
    if (!f || aimableArea(&f->client()).isEmpty())
        return false;
    const int n = 2 + pick(6);
    note(QStringLiteral("[%1] %2 pointer moves over %3").arg(ticks_).arg(n).arg(f->objectName()));
    const QString where = f->objectName();
    QPointer<QWidget> area(&f->client());
    // Over the bare area and over its controls alike.
    const Watch seen(area, Watch::Scope::Inside);
    for (int i = 0; i < n && showing(area); ++i) {
        const QPoint p = somePoint(area, false);
        if (p.x() >= 0)
            input::move(area, p);
    }
    return tally(Kind::PointerMoves, where, seen);
}

bool Driver::dragPicture(Kind k, ui::Form* f, QWidget* source)
{
    if (!f || !source || !showing(source))
        return false;
    const QPoint grab = somePoint(source);
    if (grab.x() < 0)
        return false;
    const Qt::MouseButton b = chance(0.85) ? Qt::LeftButton : Qt::RightButton;
    const QString where = f->objectName();
    note(QStringLiteral("[%1] %2 %3 from %4,%5").arg(ticks_).arg(kindName(k), describe(source)).arg(grab.x()).arg(grab.y()));
    QPointer<ui::Form> window(f);
    QPointer<QWidget> area(&f->client());
    QPointer<QWindow> pressedOn = pressAt(k, f, source, grab, b);
    const QPoint p = wander(area, grab, pick(5));
    if (k == Kind::DragThenCloseBox && showing(window)) {
        // The close box pressed with the weight still held: the window goes, and the button
        // comes up over whatever lies under the pointer then.
        note(QStringLiteral("    close box of %1 in the middle of the drag").arg(where));
        input::closeBox(window);
    }
    note(QStringLiteral("    release at %1,%2%3").arg(p.x()).arg(p.y()).arg(showing(area) ? QString() : QStringLiteral(" (window gone)")));
    letGo(area, p, b, pressedOn);
    return true;
}

bool Driver::scrollBarClick(ui::Form* f, ui::ScrollBar* s)
{
    // Arrows and track alike: a press and a release where the pointer falls.
    return clickControl(Kind::ScrollBarClick, f, s, Qt::LeftButton);
}

bool Driver::scrollBarThumb(ui::Form* f)
{
    if (!f)
        return false;
    ui::ScrollBar* s = any(ofKind<ui::ScrollBar>(controlsOf(f, true)));
    if (!s || !showing(s))
        return false;
    const QRect thumb = input::scrollBarPart(s, QStyle::SC_ScrollBarSlider);
    if (!thumb.isValid() || !onTop(s, thumb.center()))
        return false;
    note(QStringLiteral("[%1] drag thumb of %2").arg(ticks_).arg(describe(s)));
    QPointer<QWidget> bar(s);
    QPointer<QWindow> pressedOn = pressAt(Kind::ScrollBarThumb, f, s, thumb.center(), Qt::LeftButton);
    const QPoint p = wander(bar, thumb.center(), pick(4));
    letGo(bar, p, Qt::LeftButton, pressedOn);
    return true;
}

// A click into a text box or a list, then what the kind types there.
bool Driver::typeInto(Kind k, ui::Form* f, QWidget* box)
{
    if (!f || !box || !showing(box))
        return false;
    QPoint p = somePoint(box);
    if (auto* list = qobject_cast<ui::ComboBox*>(box); list && list->lineEdit()) {
        const QPoint field = somePoint(list->lineEdit());   // the edit field, not the arrow
        p = field.x() < 0 ? field : list->lineEdit()->mapTo(box, field);
    }
    if (p.x() < 0)
        return false;
    note(QStringLiteral("[%1] %2: click %3 at %4,%5").arg(ticks_).arg(kindName(k), describe(box)).arg(p.x()).arg(p.y()));
    const QString where = f->objectName();
    QPointer<QWidget> target(box);
    Watch seen(box);
    input::click(box, p);
    // A locked or disabled box keeps no focus: the keys go wherever the focus is, as they
    // would for a user, unless a key there could start a fall at the nesting limit.
    QWidget* focus = QApplication::focusWidget();
    if (calm_ && focus && startsLoop(nullptr, focus))
        return tally(k, where, seen);
    auto typeKey = [&](int key, Qt::KeyboardModifiers m = {}) {
        // Tab may have taken the focus on to "INICIAR", where Space would start a fall.
        if (!showing(target) || (calm_ && startsLoop(nullptr, QApplication::focusWidget())))
            return;
        note(QStringLiteral("    key %1%2").arg(m ? QStringLiteral("ctrl+") : QString()).arg(key, 0, 16));
        seen.keySent();
        input::key(target, Qt::Key(key), m);
    };
    switch (k) {
    case Kind::TypeInTextBox:
        for (int i = pick(4); i >= 0; --i)
            typeKey(kBoxKeys[pick(int(std::size(kBoxKeys)))]);
        break;
    case Kind::TypeInList:
        for (int i = pick(4); i >= 0; --i)
            typeKey(kListKeys[pick(int(std::size(kListKeys)))]);
        break;
    case Kind::EnterInList:
        typeKey(chance(0.8) ? Qt::Key_Return : Qt::Key_Enter);
        break;
    case Kind::RadiusBoxEdit:
        for (int i = pick(4); i >= 0 && showing(target); --i) {
            if (chance(0.4)) {
                const QString text = QString::fromUtf8(kComposed[pick(int(std::size(kComposed)))]);
                if (QGuiApplication::focusObject()) {
                    note(QStringLiteral("    composed '%1'").arg(text));
                    seen.keySent();
                    input::commit(text);
                }
            } else {
                static const int keys[] = {Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home,
                                           Qt::Key_End,    Qt::Key_Right,  Qt::Key_Left,      Qt::Key_Return,
                                           Qt::Key_0,      Qt::Key_5,      Qt::Key_Period,    Qt::Key_Comma};
                typeKey(keys[pick(int(std::size(keys)))]);
            }
        }
        break;
    case Kind::Clipboard: {
        if (chance(0.5))
            QGuiApplication::clipboard()->setText(QString::fromUtf8(kClipboard[pick(int(std::size(kClipboard)))]));
        static const int keys[] = {Qt::Key_V, Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_A, Qt::Key_Z};
        for (int i = pick(3); i >= 0; --i)
            typeKey(keys[pick(int(std::size(keys)))], Qt::ControlModifier);
        break;
    }
    default:
        break;
    }
    return tally(k, where, seen);
}

// Opens a menu of the window's menu bar with the pointer and clicks one of its items; a
// command on the bar itself runs on the first click. `only` restricts it to one item.
bool Driver::menuCommand(Kind k, ui::Form* f, const QString& only)
{
    if (!f)
        return false;
    auto* bar = f->findChild<QMenuBar*>();
    if (!bar || !showing(bar))
        return false;
    struct Choice {
        QAction* title;
        QAction* item;   // null: a command on the bar itself
    };
    std::vector<Choice> choices;
    for (QAction* t : bar->actions()) {
        if (!t->isVisible())
            continue;
        if (!t->menu()) {
            if (only.isEmpty() || t->objectName() == only)
                choices.push_back({t, nullptr});
            continue;
        }
        for (QAction* a : t->menu()->actions())
            if (!a->isSeparator() && !a->menu() && a->isVisible() && (only.isEmpty() || a->objectName() == only)
                // The launcher's way out ends the program: that is an event of its own.
                && !(only.isEmpty() && qobject_cast<Brantel*>(f) && a->objectName() == QLatin1String("menu_salir")))
                choices.push_back({t, a});
    }
    if (choices.empty())
        return false;
    const Choice c = choices[size_t(pick(int(choices.size())))];
    // The title, whole where the window at its size shows it: a bar cut off by a narrow window
    // opens no menu from a title it shows in part, and moves the titles that do not fit at all
    // behind its extension button.
    const QRect title = bar->actionGeometry(c.title);
    if (title.isEmpty() || !aimableArea(bar).contains(title) || !onTop(bar, title.center())
        || bar->childAt(title.center()) || bar->actionAt(title.center()) != c.title)
        return false;
    const QString where = f->objectName();
    note(QStringLiteral("[%1] menu %2 > %3").arg(ticks_).arg(describe(bar), c.item ? c.item->objectName() : c.title->objectName()));
    QPointer<QMenu> menu = c.title->menu();
    QPointer<QAction> item = c.item;
    Watch seen(bar);
    seen.command(c.item ? c.item : c.title, c.item ? menu.get() : nullptr);
    input::click(bar, title.center());
    if (!c.item)
        return tally(k, where, seen);
    const QRect place = menu && item ? menu->actionGeometry(item) : QRect();
    if (!showing(menu) || place.isEmpty()) {
        note(QStringLiteral("    (the menu did not open)"));
        return tally(k, where, seen);
    }
    if (onTop(menu, place.center()))
        input::click(menu, place.center());
    else
        note(QStringLiteral("    (the item lies outside its menu)"));
    // A disabled item leaves its menu open: Escape closes it, as a user would.
    if (showing(menu))
        input::key(menu, Qt::Key_Escape);
    return tally(k, where, seen);
}

bool Driver::closeBox(Kind k, ui::Form* f)
{
    if (!f || !showing(f))
        return false;
    note(QStringLiteral("[%1] close box %2").arg(ticks_).arg(f->objectName()));
    const QString where = f->objectName();
    const Watch seen(f);
    input::closeBox(f);
    return tally(k, where, seen);
}

bool Driver::resize(ui::Form* f)
{
    if (!f || !showing(f))
        return false;
    const QSize now = f->size();
    const QSize to(std::max(1, now.width() * (50 + pick(101)) / 100), std::max(1, now.height() * (50 + pick(101)) / 100));
    if (to == now)
        return false;   // no resize at all
    note(QStringLiteral("[%1] resize %2 from %3x%4 to %5x%6")
             .arg(ticks_)
             .arg(f->objectName())
             .arg(now.width())
             .arg(now.height())
             .arg(to.width())
             .arg(to.height()));
    const QString where = f->objectName();
    const Watch seen(f);
    input::resizeWindow(f, to);
    return tally(Kind::Resize, where, seen);
}

bool Driver::launcherPicture()
{
    Brantel* b = shown<Brantel>();
    if (!b)
        return false;
    QWidget* pics[] = {b->Picture1, b->Picture2, b->Picture3};
    return clickControl(Kind::LauncherPicture, b, pics[pick(3)], chance(0.5) ? Qt::LeftButton : Qt::RightButton);
}

bool Driver::endProgram()
{
    Brantel* b = shown<Brantel>();
    if (!b)
        return false;
    switch (pick(3)) {
    case 0:
        return clickControl(Kind::EndProgram, b, b->Command1, Qt::LeftButton);
    case 1:
        return menuCommand(Kind::EndProgram, b, QStringLiteral("menu_salir"));
    default:
        return closeBox(Kind::EndProgram, b);
    }
}

bool Driver::endALoop()
{
    if (auto* fl = shown<flotar>(); fl && Invariants::flotationMoving(*fl)) {
        switch (pick(3)) {
        case 0:
            return scrollBarClick(fl, chance(0.5) ? fl->HScroll1 : fl->HScroll2);
        case 1:
            return dragPicture(Kind::Drag, fl, fl->solido);
        default:
            return closeBox(Kind::CloseBox, fl);
        }
    }
    if (auto* p = shown<principa>(); p && PROCEDIM::ventanaEnCurso() == p) {
        QWidget* target = DECLARAC::pausa == 1 ? static_cast<QWidget*>(p->Boton_parar) : p->Command1;
        return clickControl(Kind::Click, p, target, Qt::LeftButton);
    }
    return false;
}

} // namespace stress
