// Surfaces that keep what is drawn on them (a window's client area and picture boxes),
// with user scales, points, lines, boxes, invert drawing and clearing.
#pragma once

#include "ui/colors.h"
#include "ui/control.h"

#include <QBasicTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

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

    // What is drawn, for the eye and for tests. A surface holds an image of its own only
    // once something is drawn on it (or it is cleared); until then it paints its back colour
    // and picture directly, and this makes the image they would give.
    const QImage& drawing() const;
    bool holdsImage() const { return !image_.isNull(); }
    // Shows what was drawn at once, without waiting for the event loop.
    void paintNow();

    // While batched, the drawing operations share one painter and the area they drew on is
    // only collected; showBatch() hands it to the window for repainting. FramePacer batches
    // the surfaces of a window whose repaints it holds to one per display frame.
    void setBatched(bool on);
    // True if there was something to hand over.
    bool showBatch();

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
    QSize keptSize() const;
    QImage blankImage(QSize size) const;
    void dropImage();
    void ensureImage() const;
    void syncImageSize();
    void endPainter() const;
    void paintBorder(QPainter& p) const;
    template <class F> void draw(Color c, const QRectF& area, F&& op);
    // Null until something is drawn: drawing() makes it on demand.
    mutable QImage image_;
    // The batch's painter on image_, open from the first operation of a batch until the image
    // is painted, read, replaced or the batch ends.
    mutable std::unique_ptr<QPainter> painter_;
    bool batched_ = false;
    QRect unshown_;   // what a batch drew and the window has not yet been asked to repaint
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

// Holds a window's repaints to at most one per display frame for as long as it lives, for a
// loop that draws and yields far more often than the screen can show: a repaint asked for
// within a frame of the last one waits for the frame's end, and the surfaces given share one
// painter per surface meanwhile. The window's and the surfaces' contents stay exact at every
// moment; only the moment they reach the screen is held. showNow() and the end of the pacer
// show everything at once.
class FramePacer : public QObject {
public:
    FramePacer(QWidget* window, std::vector<Canvas*> surfaces);
    ~FramePacer() override;
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    void showNow();
    // Repaints of the window let through since the pacer began.
    long framesShown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool frameOver() const;
    void waitForFrameEnd();
    bool letThrough();
    void shown();
    QPointer<QWidget> window_;
    std::vector<QPointer<Canvas>> surfaces_;
    QBasicTimer timer_;
    double frame_;            // seconds
    double lastShown_ = -1e300;
    bool held_ = false;       // a repaint is waiting for the frame's end
    bool sending_ = false;
    long shown_ = 0;
};

} // namespace ui
