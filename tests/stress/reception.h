// How the stress run counts: what each event was aimed at, and whether Qt really handed it
// there. The application's notify hook and an application-wide event filter see which
// widget Qt hands each input event to first (the one under the pointer, pressed, grabbing
// or focused) and where Qt passes it on to when that widget does not take it.
#pragma once

#include "tests/stress/stress_driver.h"

#include <QRect>

class QAction;
class QMenu;

namespace stress {

// The part of `w`, in its own pixels, that its window at its current size shows inside the
// client area; empty when a window made very small hides all of it.
QRect aimableArea(QWidget* w);
// Whether a pointer event at `p` (pixels of `w`) lands where the window shows `w`...
bool aimable(QWidget* w, QPoint p);
// ...and on `w` itself, not on a control that lies over it or inside it.
bool onTop(QWidget* w, QPoint p);
// "window.control", for the log.
QString describe(const QWidget* w);

// One event of the run: what it was aimed at and what of it arrived there. The newest watch
// alive (events nest inside a handler's yielding loop) notes each input event Qt hands on.
class Watch {
public:
    // The target itself or a part of it that is no control (a list's edit field); or
    // anything inside the target, its controls included.
    enum class Scope { Control, Inside };
    // A null target is reached by nothing.
    explicit Watch(QWidget* target, Scope scope = Scope::Control);
    ~Watch();
    Watch(const Watch&) = delete;

    // The typing kinds' keys, sent after their click to wherever the focus is.
    void keySent() { keysSent_ = true; }
    // A menu command: the item it runs, and its menu (null for a command on the bar itself).
    void command(QAction* item, QMenu* menu);
    bool reached(Kind k) const;
    // Where Qt handed the first press, for the log.
    const QString& pressWentTo() const { return pressWentTo_; }

    enum Input { Press, Move, Key, Close, Resize, kInputs };
    // Qt handed `in` to `w` first, or passed it on to `w` from there.
    void handedTo(QWidget* w, Input in);
    void passedOn(QWidget* w, Input in);

private:
    bool aimedAt(QWidget* w, Input in) const;

    QPointer<QWidget> target_;
    Scope scope_;
    bool got_[kInputs] = {};        // reached the target while it was enabled
    bool pressedDisabled_ = false;  // the press went first to the target while it was disabled
    bool takenElsewhere_ = false;   // ... and Qt passed it on to a control that acts on it
    bool keysSent_ = false;
    bool opened_ = false, ran_ = false;   // the command's menu opened; the command ran
    QObject links_;                       // ends the command's connections with the watch
    QString pressWentTo_;
};

} // namespace stress
