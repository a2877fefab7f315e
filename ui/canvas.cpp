#include "ui/canvas.h"

#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
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
    dropImage();
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

QImage Canvas::blankImage(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(toQColor(back_));
    if (!picture_.isNull()) {
        QPainter p(&image);
        p.drawPixmap(0, 0, picture_);
    }
    return image;
}

void Canvas::dropImage()
{
    endPainter();
    image_ = QImage();
    unshown_ = {};
}

void Canvas::Cls()
{
    dropImage();
    currentX_ = scale().left;
    currentY_ = scale().top;
    update();
}

// The image comes with the first drawing on the surface, or the first look at it.
void Canvas::ensureImage() const
{
    if (image_.isNull())
        image_ = blankImage(keptSize());
}

const QImage& Canvas::drawing() const
{
    endPainter();
    ensureImage();
    return image_;
}

void Canvas::endPainter() const { painter_.reset(); }

void Canvas::resizeEvent(QResizeEvent*) { syncImageSize(); }

void Canvas::placeWidget()
{
    ControlBase::placeWidget();
    syncImageSize();
}

// The size the kept drawing needs: the inner area, but never beyond the size of the desktop
// (a window can be made far larger than any screen; beyond it the back colour shows), so
// that its memory stays bounded. It never shrinks: what was drawn stays, also through a
// window made smaller and then larger again.
QSize Canvas::keptSize() const
{
    const QSize desktop = screen() ? screen()->virtualSize() : QSize(4096, 4096);
    return innerSize().boundedTo(desktop.expandedTo(image_.size())).expandedTo(image_.size());
}

// Geometry changes of a hidden widget reach resizeEvent only when it is shown, so every
// drawing operation (points, lines, boxes and text all go through draw()) makes sure the
// image covers the inner area first. A surface with no image yet has nothing to keep.
void Canvas::syncImageSize()
{
    if (image_.isNull() || keptSize() == image_.size())
        return;
    endPainter();
    const QImage old = image_;
    image_ = blankImage(keptSize());
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
    ensureImage();
    syncImageSize();
    QPainter own;
    QPainter* p = &own;
    if (batched_) {
        if (!painter_)
            painter_ = std::make_unique<QPainter>(&image_);
        p = painter_.get();
    } else {
        own.begin(&image_);
    }
    p->setCompositionMode(drawMode_ == vbInvert ? QPainter::RasterOp_NotDestination
                                                : QPainter::CompositionMode_SourceOver);
    p->setPen(QPen(toQColor(c), drawWidth_, Qt::SolidLine, Qt::SquareCap));
    op(*p);
    // Only what was drawn on needs repainting (the pen reaches past the ends).
    const int m = drawWidth_ + 1;
    const QRect drawn = area.normalized().toAlignedRect().adjusted(-m, -m, m + 1, m + 1).translated(border_, border_);
    if (!batched_) {
        own.end();
        update(drawn);
        return;
    }
    // The first operation of a batch asks the window for a repaint; the pacer lets the
    // request through at the frame's end, and then the whole batch is handed over.
    if (unshown_.isEmpty())
        update(drawn);
    unshown_ |= drawn;
}

void Canvas::setBatched(bool on)
{
    if (!on) {
        showBatch();
        endPainter();
    }
    batched_ = on;
}

bool Canvas::showBatch()
{
    if (unshown_.isEmpty())
        return false;
    update(unshown_);
    unshown_ = {};
    return true;
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
    endPainter();
    QPainter p(this);
    if (image_.isNull()) {
        // Nothing drawn yet: the back colour and the picture, painted as they are.
        for (const QRect& r : e->region())
            p.fillRect(r, toQColor(back_));
        if (!picture_.isNull()) {
            p.setClipRegion(e->region() & QRect(QPoint(border_, border_), innerSize()));
            p.drawPixmap(border_, border_, picture_);
            p.setClipping(false);
        }
        paintBorder(p);
        return;
    }
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
    const WindowGuard window(this);
    Box(0, 0, 16, 13, color, true);
    paintNow();
    // The step may show a message, and the window may be closed meanwhile.
    step();
    // The hold does not yield: no other event of the program is handled meanwhile.
    const double elapsed = clockSeconds() - t0;
    if (elapsed >= 0 && elapsed <= 0.1)
        busyWait(0.1 - elapsed);
    if (!window.loaded())
        return;
    Box(0, 0, 16, 13, color, true);
    paintNow();
}

// ---------------------------------------------------------------------------------------

FramePacer::FramePacer(QWidget* window, std::vector<Canvas*> surfaces) : window_(window)
{
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    frame_ = 1.0 / (screen && screen->refreshRate() >= 1 ? screen->refreshRate() : 60.0);
    for (Canvas* c : surfaces) {
        c->setBatched(true);
        surfaces_.emplace_back(c);
    }
    if (window_)
        window_->installEventFilter(this);
}

FramePacer::~FramePacer()
{
    showNow();
    for (const QPointer<Canvas>& c : surfaces_)
        if (c)
            c->setBatched(false);
    if (window_)
        window_->removeEventFilter(this);
}

// The window's repaint manager asks for a repaint with one request at a time, and asks again
// only once it was handled: a held request stands for every repaint asked for meanwhile.
bool FramePacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest || watched != window_ || sending_)
        return false;
    if (frameOver()) {
        letThrough();
        shown();
        return false;
    }
    held_ = true;
    if (!timer_.isActive())
        waitForFrameEnd();
    return true;
}

// The frame is over when the program's clock says so; a clock that went backwards counts as
// elapsed.
bool FramePacer::frameOver() const
{
    const double since = clockSeconds() - lastShown_;
    return since >= frame_ || since < 0;
}

void FramePacer::waitForFrameEnd()
{
    const double left = frame_ - (clockSeconds() - lastShown_);
    timer_.start(std::clamp(int(std::ceil(left * 1000)), 1, int(std::ceil(frame_ * 1000))), Qt::PreciseTimer, this);
}

void FramePacer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timer_.timerId())
        return;
    if (frameOver())
        showNow();
    else
        waitForFrameEnd();
}

// The batched surfaces hand over what they drew, to be repainted with the rest of the window.
// True if there is anything to repaint.
bool FramePacer::letThrough()
{
    bool any = held_;
    for (const QPointer<Canvas>& c : surfaces_)
        if (c && c->showBatch())
            any = true;
    held_ = false;
    timer_.stop();
    return any;
}

void FramePacer::shown()
{
    lastShown_ = clockSeconds();
    ++shown_;
}

void FramePacer::showNow()
{
    if (!window_ || !letThrough())
        return;
    shown();
    sending_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
    sending_ = false;
}

} // namespace ui
