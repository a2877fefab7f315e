// How the stress run counts: what each event was aimed at, and whether Qt really handed it
// there. The application's notify hook and an application-wide event filter see where every
// input event goes first (the widget under the pointer, the one pressed or grabbing, the one
// with the focus) and where Qt passes it on to when that widget does not take it.
#pragma once

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace stress {

// What the driver does, one kind per thing a user does.
enum class Kind {
    Click,
    DisabledClick,
    RightClick,
    DoubleClick,
    BackgroundClick,
    BackgroundBurst,
    PointerMoves,
    Drag,
    DragThenCloseBox,
    ScrollBarClick,
    ScrollBarThumb,
    TypeInTextBox,
    TypeInList,
    EnterInList,
    RadiusBoxEdit,
    Clipboard,
    Menu,
    CloseBox,
    Resize,
    LauncherPicture,
    EndProgram,
    Count
};
constexpr int kKinds = int(Kind::Count);
const char* kindName(Kind k);

// The application of a stress run: it knows when an input event is being handed to a
// widget, so that the driver can tell a handler's yielding loop (where new events belong)
// from Qt Test's own event processing between the parts of a gesture, and so that a Watch
// can tell where Qt handed an event first. It holds back the windows' timers: a seed then
// replays the same run however fast the machine is.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* e) override;
    // How many input events are being delivered, one inside the other.
    static int inputDepth();
};

// The part of `w`, in its own pixels, where a pointer event may be aimed: what of it lies
// inside its window's client area as far as the window, at its current size, shows that
// area. Empty when a window made very small hides all of it.
QRect aimableArea(QWidget* w);
// Whether a pointer event at `p` (pixels of `w`) lands where the window shows `w`...
bool aimable(QWidget* w, QPoint p);
// ...and on `w` itself, not on a control that lies over it or inside it.
bool onTop(QWidget* w, QPoint p);

// One event of the run: what it was aimed at and what of it arrived there. While a watch
// lives (the newest one, when events nest inside a handler's yielding loop), it notes each
// input event that Qt hands to a widget.
class Watch {
public:
    enum class Scope {
        Control,   // the target itself (or a part of it, a list's edit field), no control on it
        Inside,    // anywhere inside the target, its controls included
    };
    // A null target is allowed: the event can then reach nothing.
    explicit Watch(QWidget* target, Scope scope = Scope::Control);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // The typing kinds send keys after their click, to wherever the focus is.
    void keySent() { ++keysSent_; }
    // A menu command: the item it runs, and the menu it lies in (null for a command on the
    // menu bar itself).
    void command(QAction* item, QMenu* menu);

    // Whether the event got to its target as an event of kind `k` must.
    bool reached(Kind k) const;
    // The widget Qt handed the first press to ("window.control"), for the log.
    const QString& pressWentTo() const { return pressWentTo_; }

    // What an input is, for the hook.
    enum Input { Press, Move, Key, Close, Resize, kInputs };
    // The hook: Qt handed `in` to `w` first, or passed it on to `w` from the widget it
    // handed it to first.
    void handedTo(QWidget* w, Input in);
    void passedOn(QWidget* w, Input in);

private:
    bool aimedAt(QWidget* w, Input in) const;
    bool commandRan() const { return ran_ && (opened_ || !inMenu_); }

    QPointer<QWidget> target_;
    Scope scope_;
    bool got_[kInputs] = {};        // reached the target while it was enabled
    bool pressedDisabled_ = false;  // the press went first to the target while it was disabled
    bool takenElsewhere_ = false;   // ... and Qt passed it on to a control that acts on it
    int keysSent_ = 0;
    bool inMenu_ = false, opened_ = false, ran_ = false;
    QMetaObject::Connection openedLink_, ranLink_;
    QString pressWentTo_;
};

} // namespace stress
