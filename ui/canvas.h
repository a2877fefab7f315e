// Surfaces that keep what is drawn on them (a window's client area and picture boxes),
// with user scales, points, lines, boxes, invert drawing and clearing.
#pragma once

#include "ui/colors.h"
#include "ui/control.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace ui {

constexpr int vbInvert = 6;
constexpr int vbCopyPen = 13;

// The border of a surface: none, a flat one-pixel line, or the classic sunken edge of two
// pixels (dark above and to the left, light below and to the right).
enum class BorderLook { None, Flat, Sunken };

class Canvas : public QWidget, public ControlBase, public Container {
    Q_OBJECT
    UI_CONTROL_PROPERTIES
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int DrawMode READ DrawMode WRITE setDrawMode)
public:
    // A canvas without a container is a window's client area.
    Canvas(QWidget* parentWidget, Container* container, const QString& name, int index = -1);

    QWidget* containerWidget() override { return this; }
    double innerWidthTwips() const override;
    double innerHeightTwips() const override;
    QPoint innerOrigin() const override;
    QPointF pixelToOwnUnits(QPoint px) const override;

    // The picture lies under the drawing, from the inner area's top-left corner.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    Color BackColor() const { return back_; }
    void setBackColor(Color c);
    Color ForeColor() const { return fore_; }
    void setForeColor(Color c) { fore_ = c; }
    int DrawMode() const { return drawMode_; }
    void setDrawMode(int mode) { drawMode_ = mode; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int px) { drawWidth_ = std::max(1, px); }
    // A single-line border: flat, or with the classic sunken look.
    void setBorder(bool singleLine, bool flat = true);
    BorderLook border() const { return look_; }

    // Drawing in the user scale. Every operation leaves the current point at its end.
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void Cls();
    void PSet(double x, double y, Color c);
    void LineTo(double x, double y, Color c);
    void Line(double x1, double y1, double x2, double y2, Color c);
    void Box(double x1, double y1, double x2, double y2, Color c, bool filled);
    void Print(const QString& text);

    // What is drawn, for the eye and for tests.
    const QImage& drawing() const { return image_; }
    // Shows what was drawn at once, without waiting for the event loop.
    void paintNow();

    // A window's client area asks its window for this size when the window is first shown.
    void setDesignSize(QSize px) { designSize_ = px; updateGeometry(); }
    QSize sizeHint() const override { return designSize_.isValid() ? designSize_ : QWidget::sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void placeWidget() override;
    QPointF toPixels(double x, double y) const;

private:
    QSize innerSize() const;
    void resetImage(QSize size);
    void syncImageSize();
    void paintBorder(QPainter& p) const;
    template <class F> void draw(Color c, const QRectF& area, F&& op);
    QImage image_;
    QPixmap picture_;
    Color back_ = kButtonFace;
    Color fore_ = 0;
    int drawMode_ = vbCopyPen;
    int drawWidth_ = 1;
    int border_ = 0;   // its thickness in pixels
    BorderLook look_ = BorderLook::None;
    double currentX_ = 0, currentY_ = 0;
    QSize designSize_;
};

class PictureBox : public Canvas {
    Q_OBJECT
public:
    PictureBox(Container* container, const QString& name, int index = -1);
    // With AutoSize the box takes its picture's size plus its border.
    void setAutoSize(bool on) { autoSize_ = on; fitPicture(); }
    void setPictureAndFit(const QPixmap& picture) { setPicture(picture); fitPicture(); }

private:
    void fitPicture();
    bool autoSize_ = false;
};

// A small picture box with an arrow that, when clicked, inverts itself for a tenth of a
// second around a step.
class SpinButton : public PictureBox {
    Q_OBJECT
public:
    using PictureBox::PictureBox;
    // Places the 288 x 204 twips button with its border and arrow picture, in the user scale
    // (19.6881 twips per unit across, 15 down) in which the press box covers all of it.
    void setArrow(double left, double top, const QPixmap& arrow);
    // Draws the press box (0,0)-(16,13) in `color` with the button's draw mode, shows it,
    // runs the step, holds without yielding until a tenth of a second has passed since the
    // press, and draws the box again (in invert mode this restores the picture).
    void press(Color color, const std::function<void()>& step);
};

} // namespace ui
