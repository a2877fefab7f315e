// What every control shares: its place in its container's scale, its per-control state
// (Tag, DataField, Index), its event handlers, and manual drag and drop.
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace ui {

class Container;
class ControlBase;

// Mouse buttons and shift state as handlers receive them.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

// DragOver states.
constexpr int vbEnter = 0;
constexpr int vbLeave = 1;
constexpr int vbOver = 2;

// A control's event handlers. Positions are in the control's own scale (a picture box's
// user scale; for other controls the container's units, measured from the control's corner).
struct Handlers {
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void(int button, int shift, float x, float y)> MouseUp;
    std::function<void(ControlBase& source, float x, float y, int state)> DragOver;
    std::function<void(ControlBase& source, float x, float y)> DragDrop;
    std::function<void()> Change;
    std::function<void()> Scroll;
    std::function<void(int& keyAscii)> KeyPress;
};

// A coordinate system laid over a container's inner area.
struct Scale {
    double left = 0, top = 0;
    double width = 1, height = 1;   // may be negative (y growing upward)
};

// Something controls are placed in: a window's client area, a frame or a picture box.
class Container {
public:
    virtual ~Container();
    virtual QWidget* containerWidget() = 0;
    // Size of the inner area, in twips.
    virtual double innerWidthTwips() const = 0;
    virtual double innerHeightTwips() const = 0;
    // Pixel offset of the inner area inside containerWidget().
    virtual QPoint innerOrigin() const { return {}; }

    const Scale& scale() const { return scale_; }
    // Changing the scale leaves every control where it stands on screen.
    void setScale(const Scale& s);
    void useTwips();   // left 0, top 0, one unit a twip
    double ScaleLeft() const { return scale_.left; }
    double ScaleTop() const { return scale_.top; }
    double ScaleWidth() const { return scale_.width; }
    double ScaleHeight() const { return scale_.height; }
    void setScaleLeft(double v);
    void setScaleTop(double v);
    void setScaleWidth(double v);
    void setScaleHeight(double v);

    double twipsPerUnitX() const;
    double twipsPerUnitY() const;
    // Units to twips from the inner area's corner, and back.
    double toTwipsX(double x) const { return (x - scale_.left) * twipsPerUnitX(); }
    double toTwipsY(double y) const { return (y - scale_.top) * twipsPerUnitY(); }
    double fromTwipsX(double tw) const { return tw / twipsPerUnitX() + scale_.left; }
    double fromTwipsY(double tw) const { return tw / twipsPerUnitY() + scale_.top; }
    QPointF pixelToUnits(QPointF px) const;   // px relative to containerWidget()

    const std::vector<ControlBase*>& controls() const { return controls_; }
    // The deepest control under a point of containerWidget() that takes mouse events
    // (shapes, lines and hidden controls don't), or nullptr for the bare inner area.
    ControlBase* controlAt(QPoint px) const;
    // Windowless controls (labels, images, shapes, lines) lie under windowed ones.
    void arrangeStacking();

private:
    friend class ControlBase;
    Scale scale_{0, 0, 1, 1};
    bool twips_ = true;
    std::vector<ControlBase*> controls_;
};

class ControlBase {
public:
    ControlBase(QWidget* self, Container* container, const QString& name, int index = -1);
    virtual ~ControlBase();
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    QWidget* widget() const { return self_; }
    Container* container() const { return container_; }
    QString Name() const { return name_; }
    int Index() const { return index_; }

    // Position and size in the container's units, held as single-precision numbers.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    virtual void setLeft(double v);
    virtual void setTop(double v);
    virtual void setWidth(double v);
    virtual void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    // The control's own flags, whatever its window or container shows; they are set with
    // QWidget's setVisible and setEnabled.
    bool Visible() const { return !self_->isHidden(); }
    bool Enabled() const { return !self_->testAttribute(Qt::WA_ForceDisabled); }

    QString Tag() const { return tag_; }
    void setTag(const QString& v) { tag_ = v; }
    QString DataField() const { return dataField_; }
    void setDataField(const QString& v) { dataField_ = v; }

    // The control's place in its window's tab order, as the design gives it. Controls the
    // design gives none follow, in the order they were created.
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    // Orders controls as the focus visits them: by TabIndex, then by creation.
    bool tabsBefore(const ControlBase& other) const;

    // Manual drag: Drag(1) begins dragging this control with the button held down;
    // the control stays where it is while its drag icon follows the pointer.
    void Drag(int action = 1);
    void setDragIcon(const QPixmap& icon) { dragIcon_ = icon; }
    const QPixmap& dragIcon() const { return dragIcon_; }

    // Shapes and lines are painted on their container and take no mouse events.
    virtual bool takesMouse() const { return true; }
    // Labels, images, shapes and lines are drawn under the other controls.
    virtual bool windowless() const { return false; }
    // Labels, images, picture boxes and the window's own area raise Click on a press and
    // release over them; buttons, lists and boxes raise it their own way.
    virtual bool clickOnRelease() const { return true; }

    // Pointer position inside the control, in the units its handlers receive.
    virtual QPointF pixelToOwnUnits(QPoint px) const;

    Handlers on;

protected:
    // Recomputes the widget's pixel geometry from the stored twips.
    virtual void placeWidget();
    // The container's scale changed: the units follow the twips, the widget stays put.
    virtual void rescale();
    double leftTw_ = 0, topTw_ = 0, widthTw_ = 0, heightTw_ = 0;

private:
    friend class Container;
    QWidget* self_ = nullptr;
    Container* container_ = nullptr;
    QString name_;
    int index_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QString tag_, dataField_;
    QPixmap dragIcon_;
    int tabIndex_ = -1;
    unsigned long long created_;   // creation order, for controls without a TabIndex
};

// The control a widget is (nullptr if it is none).
ControlBase* controlOf(const QWidget* w);

} // namespace ui

// Geometry and state of every control, readable by name through Qt's property system.
#define UI_CONTROL_PROPERTIES \
    Q_PROPERTY(double Left READ Left WRITE setLeft) \
    Q_PROPERTY(double Top READ Top WRITE setTop) \
    Q_PROPERTY(double Width READ Width WRITE setWidth) \
    Q_PROPERTY(double Height READ Height WRITE setHeight) \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible) \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled) \
    Q_PROPERTY(QString Tag READ Tag WRITE setTag) \
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField) \
    Q_PROPERTY(int TabIndex READ TabIndex WRITE setTabIndex) \
    Q_PROPERTY(int Index READ Index)
