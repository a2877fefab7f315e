#include "ui/control.h"

#include "ui/twips.h"

#include <QAction>

#include <algorithm>
#include <cmath>

namespace ui {


// ---------------------------------------------------------------------------------------
// Container

Container::~Container()
{
    for (ControlBase* c : controls_)
        c->container_ = nullptr;
}

double Container::twipsPerUnitX() const
{
    return twips_ ? 1.0 : innerWidthTwips() / scale_.width;
}

double Container::twipsPerUnitY() const
{
    return twips_ ? 1.0 : innerHeightTwips() / scale_.height;
}

void Container::setScale(const Scale& s)
{
    if (s.width == 0 || s.height == 0)
        return;   // a scale of no extent cannot place anything: keep the old one
    scale_ = s;
    twips_ = false;
    for (ControlBase* c : controls_)
        c->rescale();
}

void Container::useTwips()
{
    scale_ = {0, 0, innerWidthTwips(), innerHeightTwips()};
    twips_ = true;
    for (ControlBase* c : controls_)
        c->rescale();
}

void Container::setScaleLeft(double v) { Scale s = scale(); s.left = v; s.width = ScaleWidth(); s.height = ScaleHeight(); setScale(s); }
void Container::setScaleTop(double v) { Scale s = scale(); s.top = v; s.width = ScaleWidth(); s.height = ScaleHeight(); setScale(s); }
void Container::setScaleWidth(double v) { Scale s = scale(); s.width = v; s.height = ScaleHeight(); setScale(s); }
void Container::setScaleHeight(double v) { Scale s = scale(); s.height = v; s.width = ScaleWidth(); setScale(s); }

QPointF Container::pixelToUnits(QPointF px) const
{
    const QPoint o = innerOrigin();
    return {fromTwipsX(toTwips(px.x() - o.x())), fromTwipsY(toTwips(px.y() - o.y()))};
}

ControlBase* Container::controlAt(QPoint px) const
{
    auto* self = const_cast<Container*>(this)->containerWidget();
    const auto kids = self->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w->isHidden())
            continue;
        ControlBase* c = controlOf(w);
        // A disabled control (or frame) is no target: the pointer is over what lies beneath.
        if (c && !w->isEnabled())
            continue;
        if (!c || c->widget() != w || !c->takesMouse() || !w->geometry().contains(px))
            continue;
        if (auto* inner = dynamic_cast<Container*>(c)) {
            if (ControlBase* deeper = inner->controlAt(w->mapFromParent(px)))
                return deeper;
        }
        return c;
    }
    return nullptr;
}

void Container::arrangeStacking()
{
    for (ControlBase* c : controls_)
        if (c->windowless())
            c->widget()->raise();
    for (ControlBase* c : controls_)
        if (!c->windowless())
            c->widget()->raise();
    for (ControlBase* c : controls_)
        if (auto* inner = dynamic_cast<Container*>(c))
            inner->arrangeStacking();
}

// ---------------------------------------------------------------------------------------
// ControlBase

namespace {
unsigned long long nextCreated = 0;
}

ControlBase::ControlBase(QWidget* self, Container* container, const QString& name, int index)
    : self_(self), container_(container), name_(name), index_(index), created_(nextCreated++)
{
    self_->setObjectName(index >= 0 ? QStringLiteral("%1(%2)").arg(name).arg(index) : name);
    self_->setMouseTracking(true);
    if (container_)
        container_->controls_.push_back(this);
}

ControlBase::~ControlBase()
{
    if (container_) {
        auto& v = container_->controls_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
}

bool ControlBase::tabsBefore(const ControlBase& other) const
{
    const bool stated = tabIndex_ >= 0, otherStated = other.tabIndex_ >= 0;
    if (stated != otherStated)
        return stated;
    if (stated && tabIndex_ != other.tabIndex_)
        return tabIndex_ < other.tabIndex_;
    return created_ < other.created_;
}

void ControlBase::setLeft(double v)
{
    left_ = static_cast<float>(v);
    if (container_)
        leftTw_ = container_->toTwipsX(left_);
    placeWidget();
}

void ControlBase::setTop(double v)
{
    top_ = static_cast<float>(v);
    if (container_)
        topTw_ = container_->toTwipsY(top_);
    placeWidget();
}

void ControlBase::setWidth(double v)
{
    width_ = static_cast<float>(std::max(0.0, v));
    if (container_)
        widthTw_ = std::abs(width_ * container_->twipsPerUnitX());
    placeWidget();
}

void ControlBase::setHeight(double v)
{
    height_ = static_cast<float>(std::max(0.0, v));
    if (container_)
        heightTw_ = std::abs(height_ * container_->twipsPerUnitY());
    placeWidget();
}

void ControlBase::Move(double left, double top)
{
    setLeft(left);
    setTop(top);
}

void ControlBase::Move(double left, double top, double width, double height)
{
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void ControlBase::rescale()
{
    if (!container_)
        return;
    left_ = static_cast<float>(container_->fromTwipsX(leftTw_));
    top_ = static_cast<float>(container_->fromTwipsY(topTw_));
    width_ = static_cast<float>(std::abs(widthTw_ / container_->twipsPerUnitX()));
    height_ = static_cast<float>(std::abs(heightTw_ / container_->twipsPerUnitY()));
}

void ControlBase::placeWidget()
{
    if (!container_)
        return;
    // Far-off positions stop at the limit toPixels keeps; they are never on screen.
    const QPoint o = container_->innerOrigin();
    const int x0 = toPixels(leftTw_), y0 = toPixels(topTw_);
    const int x1 = toPixels(leftTw_ + widthTw_), y1 = toPixels(topTw_ + heightTw_);
    self_->setGeometry(o.x() + x0, o.y() + y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

QPointF ControlBase::pixelToOwnUnits(QPoint px) const
{
    if (!container_)
        return {px.x() * kTwipsPerPixel, px.y() * kTwipsPerPixel};
    return {px.x() * kTwipsPerPixel / std::abs(container_->twipsPerUnitX()),
            px.y() * kTwipsPerPixel / std::abs(container_->twipsPerUnitY())};
}

ControlBase* controlOf(const QWidget* w)
{
    if (!w)
        return nullptr;
    return dynamic_cast<ControlBase*>(const_cast<QWidget*>(w));
}

} // namespace ui
