#include "ui/canvas.h"

#include "ui/runtime.h"
#include "ui/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
constexpr double kLimitPx = 1.0e5;   // far-off points are drawn clipped, never overflowed
double clampPx(double v) { return std::isfinite(v) ? std::clamp(v, -kLimitPx, kLimitPx) : kLimitPx; }
} // namespace

Canvas::Canvas(QWidget* parentWidget, Container* container, const QString& name, int index)
    : QWidget(parentWidget), ControlBase(this, container, name, index)
{
    // What is drawn stays where it is when the surface grows: only the new area is painted.
    setAttribute(Qt::WA_StaticContents);
    resetImage(innerSize());
}

double Canvas::innerWidthTwips() const
{
    if (!container())
        return toTwips(width());
    return std::max(kTwipsPerPixel, widthTw_ - toTwips(2 * border_));
}

double Canvas::innerHeightTwips() const
{
    if (!container())
        return toTwips(height());
    return std::max(kTwipsPerPixel, heightTw_ - toTwips(2 * border_));
}

QPoint Canvas::innerOrigin() const { return {border_, border_}; }

QPointF Canvas::pixelToOwnUnits(QPoint px) const { return pixelToUnits(px); }

void Canvas::setBorder(bool singleLine, bool flat)
{
    look_ = !singleLine ? BorderLook::None : flat ? BorderLook::Flat : BorderLook::Sunken;
    border_ = look_ == BorderLook::None ? 0 : look_ == BorderLook::Flat ? 1 : 2;
    resetImage(innerSize());
    for (ControlBase* c : controls())
        c->Move(c->Left(), c->Top());
}

void Canvas::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    Cls();
}

void Canvas::setBackColor(Color c)
{
    back_ = c;
    Cls();
}

QSize Canvas::innerSize() const
{
    return {std::max(1, width() - 2 * border_), std::max(1, height() - 2 * border_)};
}

void Canvas::resetImage(QSize size)
{
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(toQColor(back_));
    if (!picture_.isNull()) {
        QPainter p(&image_);
        p.drawPixmap(0, 0, picture_);
    }
}

void Canvas::Cls()
{
    resetImage(innerSize());
    currentX_ = scale().left;
    currentY_ = scale().top;
    update();
}

void Canvas::resizeEvent(QResizeEvent*) { syncImageSize(); }

void Canvas::placeWidget()
{
    ControlBase::placeWidget();
    syncImageSize();
}

// Geometry changes of a hidden widget reach resizeEvent only when it is shown, so every
// drawing operation (points, lines, boxes and text all go through draw()) makes sure the
// image covers the inner area first. Until it is cleared the image only grows: what was
// drawn stays, also through a window made smaller and then larger again.
void Canvas::syncImageSize()
{
    // A window can be made far larger than any screen; the kept drawing stops at the size of
    // the desktop (beyond it the back colour shows), so that its memory stays bounded.
    const QSize desktop = screen() ? screen()->virtualSize() : QSize(4096, 4096);
    const QSize inner = innerSize().boundedTo(desktop.expandedTo(image_.size()));
    if (image_.width() >= inner.width() && image_.height() >= inner.height())
        return;
    const QImage old = image_;
    resetImage(inner.expandedTo(old.size()));
    QPainter p(&image_);
    p.drawImage(0, 0, old);
}

QPointF Canvas::toPixels(double x, double y) const
{
    const double px = toTwipsX(x) / kTwipsPerPixel;
    const double py = toTwipsY(y) / kTwipsPerPixel;
    return {std::floor(clampPx(px)), std::floor(clampPx(py))};
}

template <class F> void Canvas::draw(Color c, const QRectF& area, F&& op)
{
    syncImageSize();
    QPainter p(&image_);
    if (drawMode_ == vbInvert)
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(toQColor(c), drawWidth_, Qt::SolidLine, Qt::SquareCap));
    op(p);
    p.end();
    // Only what was drawn on needs repainting (the pen reaches past the ends).
    const int m = drawWidth_ + 1;
    update(area.normalized().toAlignedRect().adjusted(-m, -m, m + 1, m + 1).translated(border_, border_));
}

void Canvas::PSet(double x, double y, Color c)
{
    const QPointF pt = toPixels(x, y);
    draw(c, QRectF(pt, pt), [&](QPainter& p) { p.drawPoint(pt); });
    currentX_ = x;
    currentY_ = y;
}

void Canvas::LineTo(double x, double y, Color c)
{
    Line(currentX_, currentY_, x, y, c);
}

void Canvas::Line(double x1, double y1, double x2, double y2, Color c)
{
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    draw(c, QRectF(a, b), [&](QPainter& p) { p.drawLine(a, b); });
    currentX_ = x2;
    currentY_ = y2;
}

void Canvas::Box(double x1, double y1, double x2, double y2, Color c, bool filled)
{
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    const QRectF r = QRectF(a, b).normalized();
    draw(c, r, [&](QPainter& p) {
        if (filled)
            p.fillRect(r.adjusted(0, 0, 1, 1), toQColor(c));
        else
            p.drawRect(r);
    });
    currentX_ = x2;
    currentY_ = y2;
}

void Canvas::Print(const QString& text)
{
    const QPointF at = toPixels(currentX_, currentY_);
    const QFontMetrics fm(font());
    const QRectF area(at, QSizeF(fm.horizontalAdvance(text), fm.height()));
    // In the fore colour and the draw mode, as every drawing operation.
    draw(fore_, area, [&](QPainter& p) {
        p.setFont(font());
        p.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    });
    currentY_ = fromTwipsY(toTwipsY(currentY_) + toTwips(fm.height()));
    currentX_ = scale().left;
}

void Canvas::paintNow() { repaint(); }

void Canvas::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    // Only the part that needs painting: a surface redrawn many times a second (a graph
    // during a run) must not copy its whole image each time.
    const QRect inner = QRect(QPoint(border_, border_), innerSize()) & QRect(QPoint(border_, border_), image_.size());
    for (const QRect& r : e->region()) {
        const QRect part = r & inner;
        if (!part.isEmpty())
            p.drawImage(part.topLeft(), image_, part.translated(-border_, -border_));
        for (const QRect& rest : QRegion(r).subtracted(inner))
            p.fillRect(rest, toQColor(back_));
    }
    paintBorder(p);
}

void Canvas::paintBorder(QPainter& p) const
{
    if (look_ == BorderLook::Flat) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (look_ == BorderLook::Sunken) {
        // Each ring: its upper and left sides in the first colour, lower and right in the second.
        auto ring = [&p](const QRect& q, const QColor& upperLeft, const QColor& lowerRight) {
            p.setPen(upperLeft);
            p.drawLine(q.topLeft(), q.topRight());
            p.drawLine(q.topLeft(), q.bottomLeft());
            p.setPen(lowerRight);
            p.drawLine(q.bottomLeft(), q.bottomRight());
            p.drawLine(q.topRight(), q.bottomRight());
        };
        ring(rect(), QColor(128, 128, 128), Qt::white);
        ring(rect().adjusted(1, 1, -1, -1), QColor(64, 64, 64), toQColor(kButtonFace));
    }
}

// ---------------------------------------------------------------------------------------

PictureBox::PictureBox(Container* container, const QString& name, int index)
    : Canvas(container->containerWidget(), container, name, index)
{
    // A picture box is a tab stop and takes the focus when clicked.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::fitPicture()
{
    if (!autoSize_ || picture().isNull() || !container())
        return;
    const double w = toTwips(picture().width() + 2.0 * innerOrigin().x());
    const double h = toTwips(picture().height() + 2.0 * innerOrigin().y());
    setWidth(w / std::abs(container()->twipsPerUnitX()));
    setHeight(h / std::abs(container()->twipsPerUnitY()));
}

void SpinButton::setArrow(double left, double top, const QPixmap& arrow)
{
    setBorder(true);
    Move(left, top, 288, 204);
    setPicture(arrow);
    setScale({0, 0, innerWidthTwips() / 19.6881, innerHeightTwips() / kTwipsPerPixel});
}

void SpinButton::press(Color color, const std::function<void()>& step)
{
    const double t0 = clockSeconds();
    QPointer<SpinButton> self(this);
    Box(0, 0, 16, 13, color, true);
    paintNow();
    step();
    // The hold does not yield: no other event of the program is handled meanwhile.
    const double elapsed = clockSeconds() - t0;
    if (elapsed >= 0 && elapsed <= 0.1)
        busyWait(0.1 - elapsed);
    if (!self)
        return;
    Box(0, 0, 16, 13, color, true);
    paintNow();
}

} // namespace ui
