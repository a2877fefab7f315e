// Pointer and keyboard input delivered through a window, as a window system delivers it:
// Qt's own dispatch picks the pressed widget, honours grabs, the enabled state, shortcuts
// and where a combo box sends its keys. Positions are given in a widget's own pixels and
// mapped into its top-level window.
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace input {

inline QWindow* windowOf(QWidget* w)
{
    QWidget* top = w->window();
    if (!top->windowHandle())
        qFatal("%s is not shown: it has no window to deliver input through", qPrintable(top->objectName()));
    return top->windowHandle();
}

// A point of `w` in its top-level window's coordinates.
inline QPoint inWindow(QWidget* w, QPoint at) { return w->mapTo(w->window(), at); }

inline void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
{
    QTest::mousePress(windowOf(w), b, m, inWindow(w, at));
}

inline void release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
{
    QTest::mouseRelease(windowOf(w), b, m, inWindow(w, at));
}

// Moves the pointer (with whatever buttons are held) onto a point of `w`.
inline void move(QWidget* w, QPoint at) { QTest::mouseMove(windowOf(w), inWindow(w, at)); }

inline void click(QWidget* w, QPoint at = QPoint(4, 4), Qt::MouseButton b = Qt::LeftButton,
                  Qt::KeyboardModifiers m = {})
{
    move(w, at);
    QTest::mouseClick(windowOf(w), b, m, inWindow(w, at));
}

inline void doubleClick(QWidget* w, QPoint at = QPoint(4, 4), Qt::MouseButton b = Qt::LeftButton)
{
    move(w, at);
    QTest::mouseDClick(windowOf(w), b, {}, inWindow(w, at));
}

// Presses on `from` at `grab`, moves a little, then over `to` at `at`, and lets go there.
inline void drag(QWidget* from, QPoint grab, QWidget* to, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    move(from, grab);
    press(from, grab, b);
    move(from, grab + QPoint(1, 1));
    move(to, at);
    release(to, at, b);
}

// Keys go to the window that holds `w`, and there to whatever has the focus.
inline void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(windowOf(w), k, m); }
// Qt Test types text into a window one character at a time (it has no keyClicks for one).
inline void keys(QWidget* w, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(windowOf(w), c.toLatin1());
}

// Gives `w` the keyboard focus, as a click or Tab would.
inline void focus(QWidget* w)
{
    w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

// Text an input method commits (a dead key then a letter), sent to the focus object as the
// platform's input context sends it.
inline void commit(const QString& text)
{
    QObject* target = QGuiApplication::focusObject();
    if (!target)
        qFatal("no focus object to commit text to");
    QInputMethodEvent ev;
    ev.setCommitString(text);
    QCoreApplication::sendEvent(target, &ev);
}

} // namespace input
