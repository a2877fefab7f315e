#include "ui/controls.h"

#include "ui/form.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace ui {

void setWidgetBackColor(QWidget* w, Color c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, toQColor(c));
    p.setColor(QPalette::Button, toQColor(c));
    p.setColor(QPalette::Base, toQColor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setWidgetForeColor(QWidget* w, Color c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(c));
    p.setColor(QPalette::ButtonText, toQColor(c));
    p.setColor(QPalette::Text, toQColor(c));
    w->setPalette(p);
}

namespace {

// The character code a key press carries, as key filters see it: 0 for keys that type
// nothing (arrows, Delete, function keys).
int keyAsciiOf(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;   // Delete edits the text without typing a character
    default: break;
    }
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    const QString t = e->text();
    if (t.isEmpty())
        return 0;
    const char16_t u = t.at(0).unicode();
    if ((u < 32 && u != 8 && u != 13 && u != 27) || u == 127)
        return 0;
    return u <= 255 ? int(u) : int('?');
}

// Runs a control's key filter; true when the key must be discarded. A filter that yields may
// see its window unloaded under it: the key then goes nowhere further either.
bool keyDiscarded(ControlBase& c, QKeyEvent* e)
{
    if (!c.on.KeyPress)
        return false;
    int key = keyAsciiOf(e);
    if (key == 0)
        return false;
    const WindowGuard window(c.widget());
    c.on.KeyPress(key);
    return key == 0 || !window.loaded();
}

// Keys that change a text without typing a character (Delete, cutting, pasting, undoing).
bool editsWithoutTyping(const QKeyEvent* e)
{
    static const QKeySequence::StandardKey kEditing[] = {
        QKeySequence::Delete,           QKeySequence::Cut,              QKeySequence::Paste,
        QKeySequence::Undo,             QKeySequence::Redo,             QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
    };
    for (QKeySequence::StandardKey k : kEditing)
        if (e->matches(k))
            return true;
    return e->key() == Qt::Key_Delete;
}

// Text that reaches a control other than by single keys (composed by an input method, pasted,
// dropped) is handed on as key presses, one character at a time, so that it meets the same
// key filter as typed text.
void typeEach(ControlBase& control, const QString& text, const std::function<void(QKeyEvent*)>& type)
{
    const WindowGuard window(control.widget());
    for (const QChar ch : text) {
        if (!window.loaded())
            return;
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        type(&key);
    }
}

// Text an input method commits (a dead key and a letter) is typed character by character;
// what is left of the event (the text being composed) goes to `base`.
void commitAsKeys(ControlBase& control, QInputMethodEvent* e, const std::function<void(QInputMethodEvent*)>& base,
                  const std::function<void(QKeyEvent*)>& type)
{
    const QString text = e->commitString();
    if (text.isEmpty()) {
        base(e);
        return;
    }
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    base(&rest);
    e->accept();
    typeEach(control, text, type);
}

// Letting go of the middle button pastes the window system's selection where the button was
// pressed; into a field with a key filter, it is typed instead.
bool isMiddleRelease(const QEvent* ev)
{
    return ev->type() == QEvent::MouseButtonRelease && static_cast<const QMouseEvent*>(ev)->button() == Qt::MiddleButton;
}

QString clipboardText(QClipboard::Mode mode = QClipboard::Clipboard) { return QGuiApplication::clipboard()->text(mode); }

} // namespace

// ---------------------------------------------------------------------------------------

Label::Label(Container* container, const QString& name, int index)
    : QLabel(container->containerWidget()), ControlBase(this, container, name, index)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void Label::setBorder(bool singleLine)
{
    setFrameStyle(singleLine ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(1);
}

// ---------------------------------------------------------------------------------------

TextBox::TextBox(Container* container, const QString& name, int index)
    : QLineEdit(container->containerWidget()), ControlBase(this, container, name, index)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (on.Change)
            on.Change();
    });
}

void TextBox::setText(const QString& text)
{
    const QString before = QLineEdit::text();
    const bool typing = hasFocus();
    const int caret = cursorPosition();
    QLineEdit::setText(text);
    // A long value must not show only its tail: a reader would take "…000000.00" for a
    // small number.
    setCursorPosition(typing ? std::min(caret, int(QLineEdit::text().size())) : 0);
    if (QLineEdit::text() != before && on.Change)
        on.Change();
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    if (keyDiscarded(*this, e)) {
        e->accept();
        return;
    }
    // A paste the filter let by, or that types no character (Shift+Insert), is typed.
    if (on.KeyPress && e->matches(QKeySequence::Paste)) {
        e->accept();
        typeIn(clipboardText());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TextBox::typeIn(const QString& text)
{
    typeEach(*this, text, [this](QKeyEvent* key) { keyPressEvent(key); });
}

void TextBox::inputMethodEvent(QInputMethodEvent* e)
{
    commitAsKeys(
        *this, e, [this](QInputMethodEvent* rest) { QLineEdit::inputMethodEvent(rest); },
        [this](QKeyEvent* key) { keyPressEvent(key); });
}

void TextBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (on.KeyPress && isMiddleRelease(e) && !isReadOnly()) {
        e->accept();
        deselect();
        typeIn(clipboardText(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TextBox::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    // Its Paste is the one item that pastes: with a key filter, it types. (Qt connects it by
    // name or, in later versions, by pointer.)
    for (QAction* a : menu->actions())
        if (on.KeyPress
            && (disconnect(a, SIGNAL(triggered()), this, SLOT(paste()))
                || disconnect(a, &QAction::triggered, this, &QLineEdit::paste)))
            connect(a, &QAction::triggered, this, [this] { typeIn(clipboardText()); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

// Dropped text would skip the key filter: a box with one takes no drops.
void TextBox::dragEnterEvent(QDragEnterEvent* e)
{
    if (on.KeyPress) {
        e->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(e);
}

TextArea::TextArea(Container* container, const QString& name, int index)
    : QPlainTextEdit(container->containerWidget()), ControlBase(this, container, name, index)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TextArea::setText(const QString& text)
{
    if (text == toPlainText())
        return;
    setPlainText(text);
    if (on.Change)
        on.Change();
}

// ---------------------------------------------------------------------------------------

ComboBox::ComboBox(Container* container, const QString& name, int index)
    : QComboBox(container->containerWidget()), ControlBase(this, container, name, index)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    QLineEdit* edit = lineEdit();
    edit->installEventFilter(this);
    view()->installEventFilter(this);
    // Text reaches the field only through the keyboard, where the key filter rules.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (on.Change)
            on.Change();
    });
    // Only a pick from the list, the arrow keys or the wheel choose an item: Enter and leaving
    // the field with a text that happens to name an item choose nothing.
    disconnect(edit, &QLineEdit::returnPressed, this, nullptr);
    disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int i) {
        lineEdit()->setText(itemText(i));
        if (on.Click)
            on.Click();
    });
}

QString ComboBox::Text() const { return lineEdit()->text(); }

void ComboBox::AddItem(const QString& item)
{
    const QString text = Text();
    addItem(item);
    if (Text() != text)
        lineEdit()->setText(text);
}

void ComboBox::setText(const QString& text)
{
    const QString before = Text();
    const int i = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        setCurrentIndex(i);
    lineEdit()->setText(text);
    if (Text() != before && on.Change)
        on.Change();
}

void ComboBox::showPopup()
{
    QComboBox::showPopup();
    // The list opens on the item the box's text names, or on none.
    if (ListIndex() < 0 && view()->selectionModel())
        view()->selectionModel()->clear();
}

int ComboBox::ListIndex() const
{
    return findText(Text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ComboBox::setListIndex(int i)
{
    if (i < 0 || i >= count())
        return;
    setCurrentIndex(i);
    lineEdit()->setText(itemText(i));
    if (on.Click)
        on.Click();
}

// Keys typed into the list reach its text field through the combo box itself (the field
// hands its focus to the box); the field's own key events come when it is driven directly.
// A list with a key filter takes no edit that the filter does not see.
bool ComboBox::keyRefused(QKeyEvent* e)
{
    return keyDiscarded(*this, e) || (on.KeyPress && editsWithoutTyping(e));
}

void ComboBox::keyPressEvent(QKeyEvent* e)
{
    if (keyRefused(e)) {
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void ComboBox::inputMethodEvent(QInputMethodEvent* e)
{
    commitAsKeys(
        *this, e, [this](QInputMethodEvent* rest) { QComboBox::inputMethodEvent(rest); },
        [this](QKeyEvent* key) { keyPressEvent(key); });
}

bool ComboBox::eventFilter(QObject* obj, QEvent* ev)
{
    if (obj == lineEdit()) {
        if (ev->type() == QEvent::KeyPress && keyRefused(static_cast<QKeyEvent*>(ev)))
            return true;
        if (on.KeyPress && isMiddleRelease(ev)) {
            typeEach(*this, clipboardText(QClipboard::Selection), [this](QKeyEvent* key) { keyPressEvent(key); });
            return true;
        }
    } else if (obj == view() && on.KeyPress) {
        // The dropped-down list takes the keys; a typed character would pick the item it begins.
        // It meets the key filter first. Enter and Escape type nothing here: they choose and close.
        if (ev->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(ev);
            const int code = keyAsciiOf(key);
            return code != 13 && code != 27 && keyDiscarded(*this, key);
        }
        // Enter with no item marked closes the list (Qt would keep it open).
        if (ev->type() == QEvent::ShortcutOverride && keyAsciiOf(static_cast<QKeyEvent*>(ev)) == 13
            && !view()->currentIndex().isValid()) {
            hidePopup();
            return true;
        }
        if (ev->type() == QEvent::InputMethod) {
            const QPointer<QAbstractItemView> list = view();
            typeEach(*this, static_cast<QInputMethodEvent*>(ev)->commitString(), [list](QKeyEvent* key) {
                if (list)
                    QCoreApplication::sendEvent(list, key);
            });
            return true;
        }
    }
    return QComboBox::eventFilter(obj, ev);
}

// ---------------------------------------------------------------------------------------

CommandButton::CommandButton(Container* container, const QString& name, int index)
    : QPushButton(container->containerWidget()), ControlBase(this, container, name, index)
{
    // Enter presses the button that holds the focus, as space does.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, [this] {
        if (on.Click)
            on.Click();
    });
}

OptionButton::OptionButton(Container* container, const QString& name, int index)
    : QRadioButton(container->containerWidget()), ControlBase(this, container, name, index)
{
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        settleTabStop();
        if (on.Click)
            on.Click();
    });
}

std::vector<OptionButton*> OptionButton::group() const
{
    std::vector<OptionButton*> out;
    if (!container())
        return {const_cast<OptionButton*>(this)};
    for (ControlBase* c : container()->controls())
        if (auto* o = dynamic_cast<OptionButton*>(c))
            out.push_back(o);
    std::stable_sort(out.begin(), out.end(), [](const OptionButton* a, const OptionButton* b) { return a->tabsBefore(*b); });
    return out;
}

void OptionButton::settleTabStop()
{
    const std::vector<OptionButton*> g = group();
    OptionButton* stop = g.front();
    for (OptionButton* o : g)
        if (o->isChecked())
            stop = o;
    for (OptionButton* o : g)
        o->setFocusPolicy(o == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool OptionButton::focusNextPrevChild(bool next)
{
    for (OptionButton* o : group())
        o->setFocusPolicy(Qt::ClickFocus);
    const bool moved = QRadioButton::focusNextPrevChild(next);
    settleTabStop();
    return moved;
}

void OptionButton::keyPressEvent(QKeyEvent* e)
{
    int step = 0;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Down:
    case Qt::Key_Right: step = 1; break;
    default: QRadioButton::keyPressEvent(e); return;
    }
    e->accept();
    // The next button of the group that can be chosen, going round at either end.
    const std::vector<OptionButton*> g = group();
    const int n = int(g.size());
    const int here = int(std::find(g.begin(), g.end(), this) - g.begin());
    for (int k = 1; k < n; ++k) {
        OptionButton* next = g[std::size_t(((here + step * k) % n + n) % n)];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            next->setChecked(true);
            return;
        }
    }
}

CheckBox::CheckBox(Container* container, const QString& name, int index)
    : QCheckBox(container->containerWidget()), ControlBase(this, container, name, index)
{
    connect(this, &QCheckBox::toggled, this, [this] {
        if (on.Click)
            on.Click();
    });
}

Frame::Frame(Container* container, const QString& name, int index)
    : QGroupBox(container->containerWidget()), ControlBase(this, container, name, index)
{
    setAutoFillBackground(true);
}

void Frame::setBackColor(Color c)
{
    back_ = toQColor(c);
    setWidgetBackColor(this, c);
    update();
}

// The classic frame, painted here rather than through a style sheet (which would stop the
// controls inside from taking their window's font): a thin grey line whose top runs through
// the middle of the caption, on the frame's own back colour.
void Frame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRect(0, top, width() - 1, height() - top - 1));
    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect text(9, 0, fm.horizontalAdvance(caption), fm.height());
    p.fillRect(text.adjusted(-2, 0, 2, 0), back_);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
}

// ---------------------------------------------------------------------------------------

Image::Image(Container* container, const QString& name, int index)
    : QWidget(container->containerWidget()), ControlBase(this, container, name, index)
{
}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!picture_.isNull()) {
        setWidth(toTwips(picture_.width()) / std::abs(this->container()->twipsPerUnitX()));
        setHeight(toTwips(picture_.height()) / std::abs(this->container()->twipsPerUnitY()));
    }
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

// ---------------------------------------------------------------------------------------

Shape::Shape(Container* container, const QString& name, int index)
    : QWidget(container->containerWidget()), ControlBase(this, container, name, index)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int bw = std::max(1, borderWidth_);
    const qreal half = bw / 2.0;
    QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (kind_ == ShapeKind::Square || kind_ == ShapeKind::Circle || kind_ == ShapeKind::RoundedSquare) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    p.setRenderHint(QPainter::Antialiasing, kind_ != ShapeKind::Rectangle && kind_ != ShapeKind::Square);
    p.setPen(QPen(toQColor(border_), bw));
    p.setBrush(filled_ ? QBrush(toQColor(fill_)) : Qt::NoBrush);
    switch (kind_) {
    case ShapeKind::Rectangle:
    case ShapeKind::Square: p.drawRect(r); break;
    case ShapeKind::Oval:
    case ShapeKind::Circle: p.drawEllipse(r); break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
        const qreal radius = std::min(r.width(), r.height()) / 6;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    }
}

// ---------------------------------------------------------------------------------------

Line::Line(Container* container, const QString& name, int index)
    : QWidget(container->containerWidget()), ControlBase(this, container, name, index)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    const double v[4] = {x1, y1, x2, y2};
    for (int i = 0; i < 4; ++i) {
        p_[i] = static_cast<float>(v[i]);
        tw_[i] = (i % 2 == 0) ? container()->toTwipsX(p_[i]) : container()->toTwipsY(p_[i]);
    }
    placeWidget();
}

void Line::setEnd(int i, double v)
{
    p_[i] = static_cast<float>(v);
    tw_[i] = (i % 2 == 0) ? container()->toTwipsX(p_[i]) : container()->toTwipsY(p_[i]);
    placeWidget();
}

void Line::rescale()
{
    for (int i = 0; i < 4; ++i)
        p_[i] = static_cast<float>((i % 2 == 0) ? container()->fromTwipsX(tw_[i]) : container()->fromTwipsY(tw_[i]));
}

void Line::placeWidget()
{
    if (!container())
        return;
    const QPoint o = container()->innerOrigin();
    auto px = [](double tw) { return double(toPixels(tw)); };
    const double x1 = px(tw_[0]), y1 = px(tw_[1]), x2 = px(tw_[2]), y2 = px(tw_[3]);
    const int pad = width_ / 2 + 1;
    const int left = int(std::min(x1, x2)) - pad, top = int(std::min(y1, y2)) - pad;
    const int right = int(std::max(x1, x2)) + pad, bottom = int(std::max(y1, y2)) + pad;
    setGeometry(o.x() + left, o.y() + top, right - left + 1, bottom - top + 1);
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(toQColor(color_), std::max(1, width_), Qt::SolidLine, Qt::SquareCap));
    const QPoint o = container()->innerOrigin() - pos();
    auto px = [](double tw) { return double(toPixels(tw)); };
    p.drawLine(QPointF(px(tw_[0]) + o.x(), px(tw_[1]) + o.y()), QPointF(px(tw_[2]) + o.x(), px(tw_[3]) + o.y()));
}

// ---------------------------------------------------------------------------------------

ScrollBar::ScrollBar(Qt::Orientation orientation, Container* container, const QString& name, int index)
    : QScrollBar(orientation, container->containerWidget()), ControlBase(this, container, name, index)
{
    // A tab stop, and a click on it takes the focus, as on the classic platform.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) {
        if (writing_)
            return;
        if (isSliderDown()) {
            if (on.Scroll)
                on.Scroll();
            return;
        }
        committed_ = v;
        if (on.Change)
            on.Change();
    });
    connect(this, &QScrollBar::sliderReleased, this, [this] {
        if (value() == committed_)
            return;
        committed_ = value();
        if (on.Change)
            on.Change();
    });
}

void ScrollBar::keyPressEvent(QKeyEvent* e)
{
    SliderAction action = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: action = SliderSingleStepSub; break;
    case Qt::Key_Down:
    case Qt::Key_Right: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
    triggerAction(action);
}

// The bar that holds the focus shows it with a dotted outline inside its thumb.
void ScrollBar::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, this);
    if (thumb.width() < 6 || thumb.height() < 6)
        return;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(thumb.adjusted(2, 2, -3, -3));
}

void ScrollBar::setRange(int min, int max, int smallChange, int largeChange)
{
    writing_ = true;
    QScrollBar::setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    writing_ = false;
    committed_ = value();
}

void ScrollBar::setValue(int v)
{
    v = std::clamp(v, minimum(), maximum());
    if (v == value())
        return;
    writing_ = true;
    QScrollBar::setValue(v);
    writing_ = false;
    committed_ = v;
    if (on.Change)
        on.Change();
}

TimerControl::TimerControl(QObject* form, const QString& name, int intervalMs)
    : QTimer(form)
{
    setObjectName(name);
    setInterval(intervalMs);
    connect(this, &QTimer::timeout, this, [this] {
        if (onTimer)
            onTimer();
    });
}

} // namespace ui
