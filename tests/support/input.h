// Pointer and keyboard input delivered through a window, as a window system delivers it:
// Qt's own dispatch picks the pressed widget, honours grabs, the enabled state, shortcuts
// and where a combo box sends its keys. Positions are given in a widget's own pixels and
// mapped into its top-level window.
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QStyleHints>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
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

// A press comes a while after the last one: two clicks join into a double click only through
// doubleClick(), even when the second comes from inside the handling of the first.
inline int apart() { return QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1; }

inline void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
{
    QTest::mousePress(windowOf(w), b, m, inWindow(w, at), apart());
}

inline void release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
{
    QTest::mouseRelease(windowOf(w), b, m, inWindow(w, at));
}

// Lets the button go in the middle of the window that took the press, when nothing of it is
// left to aim at.
inline void releaseIn(QWindow* window, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseRelease(window, b, {}, QPoint(window->width() / 2, window->height() / 2));
}

// Moves the pointer (with whatever buttons are held) onto a point of `w`.
inline void move(QWidget* w, QPoint at) { QTest::mouseMove(windowOf(w), inWindow(w, at)); }

inline void click(QWidget* w, QPoint at = QPoint(4, 4), Qt::MouseButton b = Qt::LeftButton,
                  Qt::KeyboardModifiers m = {})
{
    move(w, at);
    QTest::mouseClick(windowOf(w), b, m, inWindow(w, at), apart());
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

// Where a part of a scroll bar (an arrow, the track, the thumb) lies, in its own pixels.
inline QRect scrollBarPart(QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

// Keys go to the window that holds `w`, and there to whatever has the focus.
inline void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(windowOf(w), k, m); }
// Only the press of a key: its handler may close the window before a release could come.
inline void keyDown(QWidget* w, Qt::Key k) { QTest::keyPress(windowOf(w), k); }
// Each character pressed and let go in turn (the test library has no text overload for a window).
inline void keys(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        const Qt::Key k = c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, windowOf(w), k, QString(c), Qt::NoModifier);
    }
}

// Gives `w` the keyboard focus, as a click or Tab would.
inline void focus(QWidget* w)
{
    w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

// The title-bar close box: the window system asks the window to close. QWindow::close()
// hands the request to the platform window, which raises the same spontaneous close event
// as a window manager's delete request; QWidget::close() would skip the window system.
inline void closeBox(QWidget* w) { windowOf(w)->close(); }

// The window manager resizes the window from its frame.
inline void resizeWindow(QWidget* w, QSize size) { w->window()->resize(size); }

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
