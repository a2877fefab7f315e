// The style every window is drawn with: Fusion, handed one shared palette per set of
// colours.
#pragma once

#include <QProxyStyle>

namespace ui {

// Fusion keeps what it draws (bevels, grooves, frames) in Qt's shared pixmap cache under
// keys that carry the identity of the palette drawn with, and every widget given colours of
// its own gets a palette of a new identity, even with the same colours. So every window
// loaded afresh would add its own copies of the same pictures to the cache, and the cache's
// index of keys would grow with every reload. This style draws each control with the one
// palette kept for its colours, so a reloaded window finds its pictures already cached.
class SharedPaletteStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Builds on Fusion.
    SharedPaletteStyle();

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;

    // How many distinct sets of colours have been drawn with.
    static int sharedPalettes();
};

} // namespace ui
