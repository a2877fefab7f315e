// The stress run's count, with input sent through the windows as the run sends it: an event
// counts only for the control it was aimed at, when Qt handed it there and the control was
// enabled; a press on a disabled control is a kind of its own, and only while no container
// acts on it; a menu command counts when its menu opened and it ran; nothing is aimed where
// a window made small hides it.
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

namespace {

using windows::shown;

// A window with a disabled scroll bar on its bare area (a disabled button keeps its presses,
// a disabled scroll bar lets Qt pass them on), and a menu of one usable and one disabled
// command, the usable one with a shortcut.
class Pad : public ui::Form {
public:
    Pad() : ui::Form(QStringLiteral("Pad"), QStringLiteral("Pad"), 4500, 3000)
    {
        locked = ui::hScrollBar(&client(), "HScroll1", 300, 300, 2400, 255, {0, 100, 1, 10}, 50);
        locked->setEnabled(false);
        QMenu* file = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
        usable = addItem(file, QStringLiteral("menu_uno"), QStringLiteral("Uno"), [this] { ++runs; },
                         QKeySequence(Qt::CTRL | Qt::Key_K));
        disabled = addItem(file, QStringLiteral("menu_dos"), QStringLiteral("Dos"), [this] { ++runs; });
        disabled->setEnabled(false);
    }
    static QMenu* menuOf(QAction* item) { return qobject_cast<QMenu*>(item->parent()); }
    // A watch on a command of the menu.
    void watch(Watch& seen, QAction* item) { seen.command(item, menuOf(item)); }
    // Opens the menu with the pointer and clicks `item` in it; Escape closes a menu left open.
    void pick(QAction* item)
    {
        auto* bar = findChild<QMenuBar*>();
        QMenu* menu = menuOf(item);
        input::click(bar, bar->actionGeometry(menu->menuAction()).center());
        QVERIFY(menu->isVisible());
        input::click(menu, menu->actionGeometry(item).center());
        if (menu->isVisible())
            input::key(menu, Qt::Key_Escape);
    }

    ui::ScrollBar* locked;
    QAction* usable;
    QAction* disabled;
    int runs = 0;
};

void clickMiddle(QWidget* w) { input::click(w, w->rect().center()); }

} // namespace

class ReceptionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::applyApplicationLook(); }

    void aPressCountsOnlyForTheControlQtHandedItTo()
    {
        principa& w = shown<principa>();
        QVERIFY(!w.Boton_parar->isEnabled());   // no fall is running
        {
            // The disabled "Pausa": a click on a disabled control, not a click.
            const Watch seen(w.Boton_parar);
            clickMiddle(w.Boton_parar);
            QVERIFY(!seen.reached(Kind::Click));
            QVERIFY(!seen.reached(Kind::RightClick));
            QVERIFY(seen.reached(Kind::DisabledClick));
            QCOMPARE(seen.pressWentTo(), QStringLiteral("principa.Boton_parar"));
            QCOMPARE(w.Boton_parar->Caption(), QStringLiteral("Pausa"));
        }
        {
            const Watch seen(w.Boton_borrar);
            clickMiddle(w.Boton_borrar);
            QVERIFY(seen.reached(Kind::Click));
            QVERIFY(!seen.reached(Kind::DisabledClick));
        }
        {
            // Aimed at "Borrar", landed on "Pausa": neither.
            const Watch seen(w.Boton_borrar);
            clickMiddle(w.Boton_parar);
            QVERIFY(!seen.reached(Kind::Click));
            QVERIFY(!seen.reached(Kind::DisabledClick));
            QCOMPARE(seen.pressWentTo(), QStringLiteral("principa.Boton_parar"));
        }
        {
            // Aimed at the window's bare area, landed on a control of it.
            const Watch seen(&w.client());
            clickMiddle(w.Boton_borrar);
            QVERIFY(!seen.reached(Kind::BackgroundClick));
        }
    }

    void aDisabledControlsPressIsTakenByAContainerThatActsOnIt()
    {
        Pad& pad = shown<Pad>();
        int backgroundClicks = 0;
        pad.on().Click = [&] { ++backgroundClicks; };
        {
            const Watch seen(pad.locked);
            clickMiddle(pad.locked);
            QCOMPARE(backgroundClicks, 1);   // the press went on to the window's area
            QVERIFY(!seen.reached(Kind::DisabledClick));
            QVERIFY(!seen.reached(Kind::Click));
        }
        pad.on().Click = {};
        {
            const Watch seen(pad.locked);
            clickMiddle(pad.locked);
            QVERIFY(seen.reached(Kind::DisabledClick));
        }
    }

    void aMenuCommandCountsWhenItsMenuOpenedAndItRan()
    {
        Pad& pad = shown<Pad>();
        {
            Watch seen(pad.findChild<QMenuBar*>());
            pad.watch(seen, pad.usable);
            pad.pick(pad.usable);
            QCOMPARE(pad.runs, 1);
            QVERIFY(seen.reached(Kind::Menu));
        }
        {
            // Its shortcut runs it, but no menu opened.
            Watch seen(pad.findChild<QMenuBar*>());
            pad.watch(seen, pad.usable);
            input::key(&pad, Qt::Key_K, Qt::ControlModifier);
            QCOMPARE(pad.runs, 2);
            QVERIFY(!seen.reached(Kind::Menu));
        }
        {
            // The menu opened, the disabled item did not run.
            Watch seen(pad.findChild<QMenuBar*>());
            pad.watch(seen, pad.disabled);
            pad.pick(pad.disabled);
            QCOMPARE(pad.runs, 2);
            QVERIFY(!seen.reached(Kind::Menu));
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
        const QRect client = stress::aimableArea(&w.client());
        QCOMPARE(client.height(), size.height() / 2 - w.client().mapTo(&w, QPoint(0, 0)).y());
        QVERIFY(stress::aimableArea(w.Boton_parar).isEmpty());   // near the bottom
        // As small as it goes: what shows of the client area lies inside the window, the
        // controls are cut off, and so are the bar's titles.
        input::resizeWindow(&w, QSize(1, 1));
        QTRY_COMPARE(w.windowHandle()->size(), w.size());
        const QRect sliver = stress::aimableArea(&w.client());
        QVERIFY(QRect(QPoint(0, 0), w.windowHandle()->size())
                    .contains(QRect(w.client().mapTo(&w, sliver.topLeft()), sliver.size())));
        QVERIFY(stress::aimableArea(w.Boton_borrar).isEmpty());
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
