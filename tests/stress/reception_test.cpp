// The stress run's count, with input sent through the windows as the run sends it.
#include "falling_spheres/principa.h"
#include "tests/stress/reception.h"
#include "tests/support/input.h"
#include "tests/support/windows.h"
#include "ui/design.h"
#include "ui/form.h"
#include "ui/runtime.h"

#include <QMenuBar>
#include <QtTest>

using stress::Kind;
using stress::Watch;
using windows::shown;

namespace {

// A window with a disabled scroll bar on its bare area (a disabled button keeps its presses,
// a disabled scroll bar lets Qt pass them on), and a menu of a command with a shortcut and a
// disabled one.
class Pad : public ui::Form {
public:
    Pad() : ui::Form(QStringLiteral("Pad"), QStringLiteral("Pad"), 4500, 3000)
    {
        locked = ui::hScrollBar(&client(), "HScroll1", 300, 300, 2400, 255, {0, 100, 1, 10}, 50);
        locked->setEnabled(false);
        file = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
        usable = addItem(file, QStringLiteral("menu_uno"), QStringLiteral("Uno"), [this] { ++runs; },
                         QKeySequence(Qt::CTRL | Qt::Key_K));
        disabled = addItem(file, QStringLiteral("menu_dos"), QStringLiteral("Dos"), [this] { ++runs; });
        disabled->setEnabled(false);
    }

    ui::ScrollBar* locked;
    QMenu* file;
    QAction *usable, *disabled;
    int runs = 0;
};

} // namespace

class ReceptionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    // A press counts for the enabled control Qt handed it to; one on a disabled control is a
    // kind of its own, and only while no container it goes on to acts on it.
    void aPressCountsOnlyForTheControlQtHandedItTo()
    {
        principa& w = shown<principa>();
        Pad& pad = shown<Pad>();
        QVERIFY(!w.Boton_parar->isEnabled());   // no fall is running
        int areaClicks = 0;
        // areaActs: the pad's bare area raises Click.
        const struct { QWidget *aimed, *clicked; bool areaActs, click, disabledClick; } rows[] = {
            {w.Boton_parar, w.Boton_parar, false, false, true},   // the disabled "Pausa" keeps its press
            {w.Boton_borrar, w.Boton_borrar, false, true, false},
            {w.Boton_borrar, w.Boton_parar, false, false, false},   // landed on another control
            {&w.client(), w.Boton_borrar, false, false, false},     // the bare area, landed on a control
            {pad.locked, pad.locked, false, false, true},           // passed on to an area that does nothing
            {pad.locked, pad.locked, true, false, false},           // passed on to an area that clicks
        };
        for (const auto& row : rows) {
            areaClicks = 0;
            pad.on().Click = row.areaActs ? std::function<void()>([&] { ++areaClicks; }) : nullptr;
            const Watch seen(row.aimed);
            input::click(row.clicked, row.clicked->rect().center());
            QCOMPARE(areaClicks, row.areaActs ? 1 : 0);
            for (const Kind k : {Kind::Click, Kind::RightClick, Kind::BackgroundClick})
                QCOMPARE(seen.reached(k), row.click);
            QCOMPARE(seen.reached(Kind::DisabledClick), row.disabledClick);
            QCOMPARE(seen.pressWentTo(), row.clicked->window()->objectName() + u'.' + row.clicked->objectName());
        }
        pad.on().Click = nullptr;
    }

    // A menu command counts when its menu opened and it ran.
    void aMenuCommandCountsWhenItsMenuOpenedAndItRan()
    {
        Pad& pad = shown<Pad>();
        auto* bar = pad.findChild<QMenuBar*>();
        const struct { QAction* item; bool byShortcut; int runs; bool reached; } rows[] = {
            {pad.usable, false, 1, true},
            {pad.usable, true, 1, false},      // it ran, but no menu opened
            {pad.disabled, false, 0, false},   // the menu opened, the item did not run
        };
        for (const auto& row : rows) {
            pad.runs = 0;
            Watch seen(bar);
            seen.command(row.item, pad.file);
            if (row.byShortcut) {
                input::key(&pad, Qt::Key_K, Qt::ControlModifier);
            } else {
                // Opened with the pointer; Escape closes the menu a disabled item leaves open.
                input::click(bar, bar->actionGeometry(pad.file->menuAction()).center());
                QVERIFY(pad.file->isVisible());
                input::click(pad.file, pad.file->actionGeometry(row.item).center());
                if (pad.file->isVisible())
                    input::key(pad.file, Qt::Key_Escape);
            }
            QCOMPARE(pad.runs, row.runs);
            QCOMPARE(seen.reached(Kind::Menu), row.reached);
        }
    }

    void nothingIsAimedWhereAWindowMadeSmallHidesIt()
    {
        principa& w = shown<principa>();
        const QSize size = w.size();
        QCOMPARE(stress::aimableArea(w.Boton_parar), w.Boton_parar->rect());
        // Half as high: the lower controls are cut off; the menu bar still shows.
        input::resizeWindow(&w, QSize(size.width(), size.height() / 2));
        QTRY_COMPARE(w.windowHandle()->height(), size.height() / 2);
        QCOMPARE(stress::aimableArea(&w.client()).height(), size.height() / 2 - w.client().mapTo(&w, QPoint(0, 0)).y());
        QVERIFY(stress::aimableArea(w.Boton_parar).isEmpty());   // near the bottom
        // As small as it goes: the bar's titles are cut off too.
        input::resizeWindow(&w, QSize(1, 1));
        QTRY_COMPARE(w.windowHandle()->size(), w.size());
        auto* bar = w.findChild<QMenuBar*>();
        QVERIFY(!stress::aimable(bar, bar->actionGeometry(bar->actions().value(0)).center()));
        input::resizeWindow(&w, size);
    }
};

int main(int argc, char** argv)
{
    stress::Application app(argc, argv);
    ReceptionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "reception_test.moc"
