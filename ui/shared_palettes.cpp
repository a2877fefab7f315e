#include "ui/shared_palettes.h"

#include <QHash>
#include <QStyleFactory>
#include <QStyleOption>
#include <utility>

namespace ui {

namespace {

QHash<QByteArray, QPalette>& palettes()
{
    static QHash<QByteArray, QPalette> table;
    return table;
}

// The colours and brush styles of every role in every group: what drawing looks at.
QByteArray coloursOf(const QPalette& pal)
{
    QByteArray key;
    key.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) * 5);
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const QBrush& b = pal.brush(QPalette::ColorGroup(g), QPalette::ColorRole(r));
            const QRgb c = b.color().rgba();
            key.append(reinterpret_cast<const char*>(&c), sizeof c);
            key.append(char(b.style()));
        }
    return key;
}

const QPalette& sharedFor(const QPalette& pal)
{
    const QByteArray key = coloursOf(pal);
    auto it = palettes().constFind(key);
    if (it == palettes().constEnd())
        it = palettes().insert(key, pal);
    return *it;
}

// Swaps the option's palette for the shared one while it is drawn. Options are the
// caller's own objects, built for this one call.
class SharedPalette {
public:
    explicit SharedPalette(const QStyleOption* opt) : opt_(const_cast<QStyleOption*>(opt))
    {
        if (opt_) {
            own_ = opt_->palette;
            opt_->palette = sharedFor(own_);
            // The group drawn with (a disabled control's greyed text) is the option's own.
            opt_->palette.setCurrentColorGroup(own_.currentColorGroup());
        }
    }
    ~SharedPalette()
    {
        if (opt_)
            opt_->palette = std::move(own_);
    }
    SharedPalette(const SharedPalette&) = delete;
    SharedPalette& operator=(const SharedPalette&) = delete;

private:
    QStyleOption* opt_;
    QPalette own_;
};

} // namespace

SharedPaletteStyle::SharedPaletteStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                                       const QWidget* w) const
{
    const SharedPalette shared(opt);
    QProxyStyle::drawPrimitive(pe, opt, p, w);
}

void SharedPaletteStyle::drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                                     const QWidget* w) const
{
    const SharedPalette shared(opt);
    QProxyStyle::drawControl(ce, opt, p, w);
}

void SharedPaletteStyle::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                                            const QWidget* w) const
{
    const SharedPalette shared(opt);
    QProxyStyle::drawComplexControl(cc, opt, p, w);
}

int SharedPaletteStyle::sharedPalettes() { return int(palettes().size()); }

} // namespace ui
