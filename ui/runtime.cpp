#include "ui/runtime.h"

#include "core/conversions.h"
#include "ui/form.h"
#include "ui/mouse_router.h"
#include "ui/shared_palettes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <cmath>

namespace ui {

namespace {
std::function<double()>& fakeClock()
{
    static std::function<double()> clock;
    return clock;
}

bool& endingFlag()
{
    static bool flag = false;
    return flag;
}
// Qt's own texts (the text boxes' context menu, standard buttons) in Spanish, whatever the
// system's language. Without the translation file the program runs with Qt's English texts.
void installSpanishQtTexts()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    auto* t = new QTranslator(qApp);
    if (!t->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
}
} // namespace

double clockSeconds()
{
    if (fakeClock())
        return fakeClock()();
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.nsecsElapsed() / 1e9;
}

void setClockForTests(std::function<double()> clock) { fakeClock() = std::move(clock); }

void DoEvents()
{
    if (ending() || !QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void busyWait(double seconds)
{
    const double start = clockSeconds();
    for (;;) {
        const double now = clockSeconds();
        if (now < start || now - start > seconds)
            return;
    }
}

void End()
{
    if (ending())
        return;
    endingFlag() = true;
    for (Form* f : allForms())
        f->Unload();
    QCoreApplication::exit(0);
}

bool ending() { return endingFlag(); }

void resetEndingForTests() { endingFlag() = false; }

char decimalSeparatorOf(const QLocale& locale)
{
    // A separator outside ASCII (Arabic, Persian) cannot be written as one byte: a point then.
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? char(point.at(0).unicode()) : '.';
}

QFont msSansSerif(double points, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    // Sizes are given in points at 96 dots per inch, whatever the screen reports.
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void applyApplicationLook()
{
    if (!qobject_cast<SharedPaletteStyle*>(QApplication::style()))
        QApplication::setStyle(new SharedPaletteStyle);
    QPalette p = QApplication::palette();
    const QColor face = toQColor(kButtonFace);
    p.setColor(QPalette::Window, face);
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    // Disabled controls show grey text, so that a locked button does not look usable.
    const QColor greyed(128, 128, 128);
    p.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, greyed);
    p.setColor(QPalette::Disabled, QPalette::Text, greyed);
    QApplication::setPalette(p);
    QApplication::setFont(msSansSerif(8.25));
    QApplication::setQuitOnLastWindowClosed(false);
    installMouseRouter();
    installSpanishQtTexts();
    classic::setDecimalSeparator(decimalSeparatorOf(QLocale()));
}

} // namespace ui
