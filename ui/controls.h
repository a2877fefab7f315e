// The intrinsic controls of the forms runtime, each on the matching Qt widget.
#pragma once

#include "ui/colors.h"
#include "ui/control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

// Caption and background colour, for the controls that show a caption.
#define UI_CAPTION_PROPERTIES(readText, writeText)                                               \
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)                                    \
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)                              \
public:                                                                                          \
    QString Caption() const { return readText(); }                                               \
    void setCaption(const QString& caption) { writeText(caption); }                              \
    ::ui::Color BackColor() const { return ::ui::fromQColor(palette().color(backgroundRole())); } \
    void setBackColor(::ui::Color c) { ::ui::setWidgetBackColor(this, c); }

namespace ui {

// Colours of a widget's background and text.
void setWidgetBackColor(QWidget* w, Color c);
void setWidgetForeColor(QWidget* w, Color c);

class Label : public QLabel, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    UI_CAPTION_PROPERTIES(text, setText)
public:
    Label(Container* container, const QString& name, int index = -1);
    void setForeColor(Color c) { setWidgetForeColor(this, c); }
    void setBorder(bool singleLine);
    bool windowless() const override { return true; }
};

class TextBox : public QLineEdit, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
public:
    TextBox(Container* container, const QString& name, int index = -1);
    QString Text() const { return QLineEdit::text(); }
    // Writing the text from code raises Change at once; MaxLength cuts what is written. A box
    // that does not hold the focus then shows its text from the first character; in the box
    // the user is typing in, the caret stays where it was.
    void setText(const QString& text);
    void setLocked(bool locked) { setReadOnly(locked); }
    bool clickOnRelease() const override { return false; }

protected:
    // A box with a key filter takes text only through it: composed, pasted (keys, context
    // menu, middle button) text is typed one character at a time, and drops are refused.
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;

private:
    void typeIn(const QString& text);
};

// A read-only box of several lines with word wrap and a vertical scroll bar.
class TextArea : public QPlainTextEdit, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
public:
    TextArea(Container* container, const QString& name, int index = -1);
    QString Text() const { return toPlainText(); }
    void setText(const QString& text);
    bool clickOnRelease() const override { return false; }
};

// A text field with a drop-down list. Click: an item was picked; Change: the text changed.
class ComboBox : public QComboBox, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(int ListCount READ ListCount)
public:
    ComboBox(Container* container, const QString& name, int index = -1);
    // Adding an item leaves the box's text as it was (Qt would show the first item added).
    void AddItem(const QString& item);
    QString List(int i) const { return itemText(i); }
    int ListCount() const { return count(); }
    QString Text() const;
    // Writing the text raises Change; the list index follows the text.
    void setText(const QString& text);
    // The item whose text is the box's text exactly, or -1.
    int ListIndex() const;
    // Selecting an item from code shows its text and raises Click.
    void setListIndex(int i);
    void showPopup() override;
    bool clickOnRelease() const override { return false; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    bool keyRefused(QKeyEvent* e);
};

class CommandButton : public QPushButton, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    UI_CAPTION_PROPERTIES(text, setText)
public:
    CommandButton(Container* container, const QString& name, int index = -1);
    bool clickOnRelease() const override { return false; }
};

// Option buttons in one container exclude each other; Click when one becomes selected.
// The group is one stop of the tab order, on its selected button; the arrow keys move
// within the group and select the button they reach.
class OptionButton : public QRadioButton, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    UI_CAPTION_PROPERTIES(text, setText)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
public:
    OptionButton(Container* container, const QString& name, int index = -1);
    bool Value() const { return isChecked(); }
    void setValue(bool v) { setChecked(v); }
    bool clickOnRelease() const override { return false; }
    // The option buttons of this one's container, in tab order.
    std::vector<OptionButton*> group() const;
    // Only the selected button of the group (or its first, when none is) is a tab stop.
    void settleTabStop();

protected:
    // A click anywhere in the control's rectangle chooses it, not only on circle and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void keyPressEvent(QKeyEvent* e) override;
    // Qt would make the button that last had the focus the group's tab stop; here the
    // selected one is, whichever had the focus.
    void focusInEvent(QFocusEvent* e) override { QWidget::focusInEvent(e); }
    // Tab leaves the group, from whichever of its buttons holds the focus.
    bool focusNextPrevChild(bool next) override;
};

// Value 0 (clear) or 1 (ticked); Click whenever the value changes.
class CheckBox : public QCheckBox, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    UI_CAPTION_PROPERTIES(text, setText)
    Q_PROPERTY(int Value READ Value WRITE setValue)
public:
    CheckBox(Container* container, const QString& name, int index = -1);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    bool clickOnRelease() const override { return false; }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A frame holds controls placed in twips from its corner.
class Frame : public QGroupBox, public ControlBase, public Container {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
public:
    Frame(Container* container, const QString& name, int index = -1);
    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
    Color BackColor() const { return fromQColor(back_); }
    void setBackColor(Color c);
    QWidget* containerWidget() override { return this; }
    double innerWidthTwips() const override { return widthTw_; }
    double innerHeightTwips() const override { return heightTw_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor back_ = toQColor(kButtonFace);
};

// A picture without a window of its own: transparent where it has no picture.
class Image : public QWidget, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
public:
    Image(Container* container, const QString& name, int index = -1);
    // Shows a picture; the image takes the picture's size.
    void setPicture(const QPixmap& picture);
    bool windowless() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
};

enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

// A shape painted on its container; it takes no mouse events.
class Shape : public QWidget, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(quint32 FillColor READ FillColor WRITE setFillColor)
public:
    Shape(Container* container, const QString& name, int index = -1);
    void setKind(ShapeKind k) { kind_ = k; update(); }
    Color FillColor() const { return fill_; }
    void setFillColor(Color c) { fill_ = c; update(); }
    void setFilled(bool solid) { filled_ = solid; update(); }
    void setBorderColor(Color c) { border_ = c; update(); }
    void setBorderWidth(int px) { borderWidth_ = px; update(); }
    bool takesMouse() const override { return false; }
    bool windowless() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    Color fill_ = 0, border_ = 0;
    bool filled_ = false;
    int borderWidth_ = 1;
};

// A straight line from (X1, Y1) to (X2, Y2) in its container's units; it takes no mouse events.
class Line : public QWidget, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
public:
    Line(Container* container, const QString& name, int index = -1);
    double X1() const { return p_[0]; }
    double Y1() const { return p_[1]; }
    double X2() const { return p_[2]; }
    double Y2() const { return p_[3]; }
    void setX1(double v) { setEnd(0, v); }
    void setY1(double v) { setEnd(1, v); }
    void setX2(double v) { setEnd(2, v); }
    void setY2(double v) { setEnd(3, v); }
    void setEnds(double x1, double y1, double x2, double y2);
    void setBorderWidth(int px) { width_ = px; placeWidget(); }
    void setBorderColor(Color c) { color_ = c; update(); }
    bool takesMouse() const override { return false; }
    bool windowless() const override { return true; }

protected:
    void paintEvent(QPaintEvent*) override;
    void placeWidget() override;
    void rescale() override;

private:
    void setEnd(int i, double v);
    float p_[4] = {0, 0, 0, 0};
    double tw_[4] = {0, 0, 0, 0};
    int width_ = 1;
    Color color_ = 0;
};

// Change: the value was set (arrow, track, thumb released, or code writing a new value);
// Scroll: the thumb is being dragged (Value follows the thumb).
class ScrollBar : public QScrollBar, public ControlBase {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int Min READ minimum)
    Q_PROPERTY(int Max READ maximum)
public:
    ScrollBar(Qt::Orientation orientation, Container* container, const QString& name, int index = -1);
    void setRange(int min, int max, int smallChange, int largeChange);
    int Value() const { return value(); }
    // A value outside Min .. Max is brought inside; an unchanged value raises nothing.
    void setValue(int v);
    bool clickOnRelease() const override { return false; }

protected:
    // With the focus, the arrow keys move by SmallChange, Page Up and Page Down by
    // LargeChange, Home and End to Min and Max, as the arrows and the track do.
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool writing_ = false;
    int committed_ = 0;
};

// Ticks every Interval milliseconds while enabled and its window is loaded.
class TimerControl : public QTimer {
    Q_OBJECT
public:
    TimerControl(QObject* form, const QString& name, int intervalMs);
    std::function<void()> onTimer;
};

} // namespace ui
