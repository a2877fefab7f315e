// Input as a window system delivers it, through the real windows: drags one after another,
// clicks on disabled controls, keys typed and composed into boxes and lists, menu shortcuts
// over a focused list, option buttons clicked anywhere, a window closed in mid-drag, a
// window closed under the handler that is running.
#include "falling_spheres/declarac.h"
#include "core/fall_model.h"
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "shell/brantel.h"
#include "common/declarac.h"
#include "tests/support/input.h"
#include "tests/support/separators.h"
#include "tests/support/windows.h"
#include "core/conversions.h"
#include "ui/design.h"
#include "ui/dialogs.h"
#include "ui/mouse_router.h"
#include "ui/runtime.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMenu>
#include <QtTest>

namespace {

QPoint px(double xTw, double yTw) { return QPoint(int(xTw / 15), int(yTw / 15)); }

using windows::shown;

// Drags weight i by a point 10 × 20 pixels inside it onto (x, y) twips of the window.
void dropWeight(Form1& f, int i, double xTw, double yTw, Qt::MouseButton b = Qt::LeftButton)
{
    input::drag(f.Pesa[std::size_t(i)], QPoint(10, 20), &f.client(), px(xTw, yTw), b);
}

// A window that one of its handlers closes: the close box is worked from the event loop
// through a queued call, and the handler yields as a running fall does, so that the window
// is deleted while the handler still runs.
class Closing : public ui::Form {
public:
    Closing() : ui::Form(QStringLiteral("Closing"), QStringLiteral("Closing"), 3000, 3000)
    {
        box = new ui::PictureBox(&client(), QStringLiteral("Picture1"));
        box->Move(300, 300, 900, 900);
        ui::place<ui::TextBox>(&client(), "Text1", 1500, 300, 1200, 315);
        ui::place<ui::ComboBox>(&client(), "Combo1", 1500, 900, 1200, 315);
    }
    // True once the last handler that closed the window saw it deleted in its yield.
    static inline bool deletedInHandler = false;
    void closeAndYield()
    {
        QMetaObject::invokeMethod(this, [this] { input::closeBox(this); }, Qt::QueuedConnection);
        const QPointer<Closing> self(this);
        for (int pass = 0; self && pass < 10; ++pass)
            ui::DoEvents();
        deletedInHandler = !self;
    }
    // A handler, of any signature, that closes the window.
    auto closer() { return [this](auto&&...) { closeAndYield(); }; }

    ui::PictureBox* box = nullptr;
};

// A double click whose second press is the last event: nothing is sent to the window after
// it, which may be gone by then.
void doubleClickEndingOnItsPress(QWidget* w, QPoint at)
{
    static ulong stamp = 1 << 25;   // far from Qt Test's own
    QWindow* win = input::windowOf(w);
    const QPointF local = input::inWindow(w, at);
    const QPointF global = win->mapToGlobal(local);
    stamp += 10'000;
    qt_handleMouseEvent(win, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, stamp);
    qt_handleMouseEvent(win, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {}, stamp + 1);
    qt_handleMouseEvent(win, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, stamp + 2);
}

// Top-level windows shown that are no window of the program (a drag outline left behind).
int strayWindows()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible() && !qobject_cast<ui::Form*>(w);
    return n;
}

} // namespace

class InputRoutingTest : public QObject {
    Q_OBJECT

    QList<ui::DialogRequest> dialogs;

private slots:
    void initTestCase_data() { separators::rows(); }

    void init()
    {
        dialogs.clear();
        windows::begin([this](const ui::DialogRequest& r) {
            dialogs.append(r);
            return ui::DialogReply{};
        });
    }

    void cleanup()
    {
        windows::end();
        QVERIFY(!QApplication::overrideCursor());
    }

    void dragsOneAfterAnotherLandUnderThePointer()
    {
        Form1& f = shown<Form1>();
        f.Timer1->stop();
        f.Timer1_Timer();
        // With either button, weight after weight: each lands where the pointer lets it go.
        const struct { int weight; double x, y; Qt::MouseButton button; } drops[] = {
            {1, 1000, 1000, Qt::LeftButton}, {2, 1900, 1000, Qt::LeftButton},
            {3, 1000, 1800, Qt::RightButton}, {1, 1900, 1800, Qt::LeftButton}};
        for (const auto& d : drops) {
            dropWeight(f, d.weight, d.x, d.y, d.button);
            QCOMPARE(f.Pesa[std::size_t(d.weight)]->Left(), double(px(d.x, d.y).x() * 15 - 150));
            QCOMPARE(f.Pesa[std::size_t(d.weight)]->Top(), double(px(d.x, d.y).y() * 15 - 300));
        }
        QCOMPARE(f.Text2->Text(), QStringLiteral("37"));   // 2 + 5 + 10 + 20
        // Right after a drag the hand-held gauge follows the pointer, without a click first.
        input::move(f.Image1, QPoint(40, 57));
        QCOMPARE(f.Text5->Text(), QString(QStringLiteral("24.782")).replace(QLatin1Char('.'), QLatin1Char(classic::decimalSeparator())));
        input::move(f.Image1, QPoint(40, 115));
        QCOMPARE(f.Text5->Text(), QStringLiteral("50"));
    }

    void aRidingWeightDroppedAgainWaitsForTheTick()
    {
        Form1& f = shown<Form1>();
        f.Timer1->stop();
        f.Timer1_Timer();
        dropWeight(f, 1, 1500, 1000);
        f.Timer1_Timer();
        const double riding = f.Pesa[1]->Top();
        const QString load = f.Text2->Text();
        // Dropped again inside the zone the load is written unchanged: no Change, no snap.
        dropWeight(f, 1, 1600, 1100);
        QCOMPARE(f.Text2->Text(), load);
        QCOMPARE(f.Pesa[1]->Top(), double(px(1600, 1100).y() * 15 - 300));
        f.Timer1_Timer();
        QCOMPARE(f.Pesa[1]->Top(), riding);
    }

    void disabledControlsTakeNoMouseEvents()
    {
        principa& w = shown<principa>();
        w.Frame1->setEnabled(false);   // as during a run
        w.Frame2->setEnabled(false);
        input::click(w.SpinUp, QPoint(8, 6));
        input::doubleClick(w.SpinUp, QPoint(8, 6));
        input::click(w.Option1[3], QPoint(8, 8));
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("1"));
        QVERIFY(w.Option1[1]->Value());
        w.Frame1->setEnabled(true);
        w.Frame2->setEnabled(true);
        input::click(w.SpinUp, QPoint(8, 6));
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("2"));
    }

    void typedAndComposedTextNeverReachesTheLists()
    {
        Form1& f = shown<Form1>();
        const QString start = f.Combo1->Text();
        input::focus(f.Combo1);
        input::keys(f.Combo1, QStringLiteral("abc"));
        input::key(f.Combo1, Qt::Key_Delete);
        input::key(f.Combo1, Qt::Key_Backspace);
        input::key(f.Combo1, Qt::Key_Insert, Qt::ShiftModifier);
        input::commit(QStringLiteral("ñé"));
        QCOMPARE(f.Combo1->Text(), start);

        principa& w = shown<principa>();
        input::click(w.Option1[3], QPoint(8, 8));
        QVERIFY(w.Combo2->Visible());
        input::focus(w.Combo2);
        input::keys(w.Combo2, QStringLiteral("Aceite"));
        input::key(w.Combo2, Qt::Key_Return);
        input::commit(QStringLiteral("ü"));
        QCOMPARE(w.Combo2->Text(), QStringLiteral("Agua"));
        QCOMPARE(DECLARAC::dens_liquido, 1.0);
        QCOMPARE(DECLARAC::viscosidad, *classic::CCur(0.01));
        // A lead sphere run in that water from the height bar's 95, at the fastest speed.
        w.VScroll1->setValue(95);
        w.VScroll2->setValue(0);
        input::click(w.Boton_Iniciar, w.Boton_Iniciar->rect().center());
        input::click(w.Boton_tiempo, w.Boton_tiempo->rect().center());
        input::click(w.Boton_velocidad, w.Boton_velocidad->rect().center());
        QVERIFY(dialogs.size() >= 2);
        QCOMPARE(dialogs[dialogs.size() - 2].text, QStringLiteral("Tiempo final  .1 (S)"));
        QCOMPARE(dialogs.last().text, QStringLiteral("Velocidad final  64.7 (cm/S)"));
        // The arrow keys still choose: oil as the list gives it.
        input::focus(w.Combo2);
        input::key(w.Combo2, Qt::Key_Down);
        QCOMPARE(w.Combo2->Text(), QStringLiteral("Aceite"));
        QCOMPARE(DECLARAC::dens_liquido, 0.9);
        QCOMPARE(DECLARAC::viscosidad, *classic::CCur(0.2));
    }

    // The list dropped down takes the keys itself; a typed character still meets the filter.
    // Pasted text, by the middle button or the context menu, is typed through it too.
    void noTextGoesRoundAKeyFilter()
    {
        const QString sep(QChar(separators::apply()));
        Form1& f = shown<Form1>();
        const auto dropDown = [&f] { input::click(f.Combo1, QPoint(f.Combo1->width() - 6, 8)); };
        dropDown();
        input::keys(f.Combo1, QStringLiteral("13"));
        input::key(f.Combo1, Qt::Key_Return);
        QCOMPARE(f.Combo1->Text(), QStringLiteral("1      agua"));
        QCOMPARE(f.m0[0]->Caption(), QStringLiteral("68") + sep + QStringLiteral("60"));
        // Escape closes without choosing; the arrows move and Enter chooses.
        dropDown();
        input::key(f.Combo1, Qt::Key_Down);
        input::key(f.Combo1, Qt::Key_Escape);
        QVERIFY(!f.Combo1->view()->isVisible() && f.Combo1->Text() == QStringLiteral("1      agua"));
        dropDown();
        for (int i = 0; i < 5; ++i)
            input::key(f.Combo1, Qt::Key_Down);
        input::key(f.Combo1, Qt::Key_Return);
        QCOMPARE(f.m0[0]->Caption(), QStringLiteral("683") + sep + QStringLiteral("35"));
        // The window system's selection, pasted by the middle button, where it has one.
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            clipboard->setText(QStringLiteral("a,gua"), QClipboard::Selection);
            input::click(f.Combo1, QPoint(20, 6), Qt::MiddleButton);
            QCOMPARE(f.Combo1->Text(), QStringLiteral("13,546    mercurio"));
        }
        // The radius box takes pasted digits and refuses the rest, as if they were typed.
        principa& w = shown<principa>();
        clipboard->setText(QStringLiteral("5x"));
        input::focus(w.Caja_radio);
        input::key(w.Caja_radio, Qt::Key_End, Qt::ShiftModifier);
        input::click(w.Caja_radio, QPoint(4, 6), Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        const auto items = menu->actions();
        const auto paste = std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text().endsWith(pasteKey); });
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("5"));
        QCOMPARE(DECLARAC::radio, 5.0);
    }

    void enterOrLeavingTheMaterialListPicksNothing()
    {
        principa& w = shown<principa>();
        QCOMPARE(DECLARAC::densidad, 11.3);
        input::focus(w.Combo1);
        input::key(w.Combo1, Qt::Key_A, Qt::ControlModifier);
        input::keys(w.Combo1, QStringLiteral("Madera (dens: 0.8)"));
        input::key(w.Combo1, Qt::Key_Return);
        QCOMPARE(DECLARAC::densidad, 11.3);
        input::key(w.Combo1, Qt::Key_Tab);
        QCOMPARE(DECLARAC::densidad, 11.3);
        // A pick with the arrow keys does choose.
        input::focus(w.Combo1);
        input::key(w.Combo1, Qt::Key_Down);
        QCOMPARE(DECLARAC::densidad, DECLARAC::densidades[1]);
    }

    void theRadiusBoxTakesDeleteAndFiltersComposedText()
    {
        principa& w = shown<principa>();
        input::focus(w.Caja_radio);
        input::key(w.Caja_radio, Qt::Key_End);
        input::keys(w.Caja_radio, QStringLiteral(".5"));
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("1.5"));
        input::key(w.Caja_radio, Qt::Key_Home);
        input::key(w.Caja_radio, Qt::Key_Delete);
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral(".5"));
        QCOMPARE(DECLARAC::radio, 0.5);
        // Dead keys compose letters the box refuses, as it refuses them typed: the box is
        // rewritten with the radius it holds.
        input::key(w.Caja_radio, Qt::Key_End);
        input::commit(QStringLiteral("é"));
        input::commit(QStringLiteral("ü"));
        QCOMPARE(w.Caja_radio->Text(), QString::fromStdString(caida::textoRadio(0.5)));
        QCOMPARE(DECLARAC::radio, 0.5);
        QVERIFY(dialogs.isEmpty());
    }

    void menuShortcutsWinOverTheFocusedList()
    {
        Form1& f = shown<Form1>();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(f.m0[0]->Visible());
        const QString list = f.Combo1->Text();
        input::focus(f.Combo1);
        input::key(f.Combo1, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!f.m0[0]->Visible());
        QCOMPARE(f.action(QStringLiteral("mnuVer"))->text(), QStringLiteral("Ver Medidores"));
        QCOMPARE(f.Combo1->Text(), list);
        // And over a text box.
        input::focus(f.Text2);
        input::key(f.Text2, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(f.m0[0]->Visible());
    }

    void optionButtonsTakeClicksAnywhereInTheirRectangle()
    {
        Form1& f = shown<Form1>();
        input::click(f.Option1[1], QPoint(85, f.Option1[1]->height() / 2));
        QVERIFY(f.Option1[1]->Value());

        flotar& b = shown<flotar>();
        for (int i : {1, 0}) {
            ui::OptionButton* o = b.Option1[std::size_t(i)];
            input::click(o, QPoint(o->width() - 4, o->height() / 2));
            QVERIFY(o->Value());
        }
    }

    void controlsWithoutAFontOfTheirOwnShowTheirWindowsFont()
    {
        principa& w = shown<principa>();
        const QFont windowFont = w.font();
        QVERIFY(windowFont.bold());
        for (QWidget* c : std::initializer_list<QWidget*>{w.Label1, w.Caja_radio, w.Combo1, w.Option1[1], w.Option1[2],
                                                          w.Option1[3]})
            QCOMPARE(c->font(), windowFont);
    }

    void aWindowClosedUnderItsHandlerTakesNoMoreOfTheEvent()
    {
        const struct { const char* handler; void (*set)(Closing&); } cases[] = {
            {"MouseDown", [](Closing& w) { w.box->on.MouseDown = w.closer(); }},
            {"MouseMove", [](Closing& w) { w.box->on.MouseMove = w.closer(); }},
            {"MouseUp", [](Closing& w) { w.box->on.MouseUp = w.closer(); }},
            {"Click", [](Closing& w) { w.box->on.Click = w.closer(); }},
            {"DblClick", [](Closing& w) { w.box->on.DblClick = w.closer(); }},
            {"DragOver", [](Closing& w) { w.box->on.DragOver = w.closer(); }},
            {"DragDrop", [](Closing& w) { w.on().DragDrop = w.closer(); }},
            // Closed as the weight leaves the box, before the window hears the drag enter.
            {"DragLeave", [](Closing& w) {
                 w.box->on.DragOver = [&w](ui::ControlBase&, float, float, int state) {
                     if (state == ui::vbLeave)
                         w.closeAndYield();
                 };
                 w.on().DragOver = [](ui::ControlBase&, float, float, int) { QFAIL("the drag entered a closed window"); };
             }},
        };
        for (const auto& c : cases) {
            Closing& w = shown<Closing>();
            Closing::deletedInHandler = false;
            ui::PictureBox* box = w.box;
            const bool drags = QByteArrayView(c.handler).startsWith("Drag");
            if (drags)
                box->on.MouseDown = [box](auto&&...) { box->Drag(1); };
            c.set(w);
            // Pressed on the box, moved inside it and let go there, or dragged onto the window
            // and dropped there; each step only while the window is there.
            const QPointer<Closing> window(&w);
            QWidget* end = drags ? &w.client() : box;
            const QPoint at(10, 10), beside(15, 15), endAt = drags ? QPoint(150, 150) : beside;
            const std::function<void()> steps[] = {
                [&] { input::move(box, at); }, [&] { input::press(box, at); }, [&] { input::move(box, beside); },
                [&] { input::move(end, endAt); }, [&] { input::release(end, endAt); }};
            if (QByteArrayView(c.handler) == "DblClick")
                doubleClickEndingOnItsPress(box, at);
            else
                for (const auto& step : steps)
                    if (window)
                        step();
            // Deleted inside the handler; the event went no further (under the address sanitizer
            // a touch of the dead control or window fails the run).
            QVERIFY2(Closing::deletedInHandler, c.handler);
            QVERIFY2(!ui::dragInProgress(), c.handler);
            QCOMPARE(strayWindows(), 0);
        }
    }

    void aWindowClosedUnderItsKeyFilterTakesNoMoreOfTheKey_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("composed");
        for (const char* box : {"Text1", "Combo1"})
            for (bool composed : {false, true})
                QTest::addRow("%s, %s", box, composed ? "composed text" : "a key") << box << composed;
    }
    void aWindowClosedUnderItsKeyFilterTakesNoMoreOfTheKey()
    {
        QFETCH(QString, box);
        QFETCH(bool, composed);
        Closing& w = shown<Closing>();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Closing::deletedInHandler = false;
        auto* c = w.findChild<QWidget*>(box);
        int filtered = 0;
        ui::controlOf(c)->on.KeyPress = [&w, &filtered](int&) {
            ++filtered;
            w.closeAndYield();
        };
        input::focus(c);
        if (composed)
            input::commit(QStringLiteral("éa"));
        else
            input::keyDown(c, Qt::Key_A);
        QVERIFY(Closing::deletedInHandler);
        QCOMPARE(filtered, 1);
    }

    void closingAWindowInMidDragEndsTheDrag()
    {
        Form1& f = shown<Form1>();
        f.Timer1_Timer();
        input::move(f.Pesa[2], QPoint(10, 20));
        input::press(f.Pesa[2], QPoint(10, 20));
        input::move(&f.client(), px(2000, 2000));
        QVERIFY(ui::dragInProgress() && QApplication::overrideCursor());
        input::closeBox(&f);
        QVERIFY(!ui::dragInProgress());
        QVERIFY(!QApplication::overrideCursor());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        flotar& b = shown<flotar>();
        const QPoint grip(b.solido->width() / 2, 4);
        input::move(b.solido, grip);
        input::press(b.solido, grip);
        input::move(&b.client(), QPoint(20, 20));
        QVERIFY(ui::dragInProgress());
        QCOMPARE(strayWindows(), 1);   // the block's outline
        input::closeBox(&b);
        QCOMPARE(strayWindows(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        flotar& again = shown<flotar>();
        QCOMPARE(strayWindows(), 0);
        // A new drag in the reopened window works as the first did.
        input::drag(again.solido, grip, &again.client(), QPoint(20, 20));
        QVERIFY(!ui::dragInProgress());
        QCOMPARE(strayWindows(), 0);
    }

    // "Salir" hides a window in mid-drag, and the button is let go outside the program, where
    // the program never hears of it: the drag ends with the window, with no drop, and the next
    // click works.
    void hidingAWindowInMidDragEndsTheDrag()
    {
        Form1& f = shown<Form1>();
        const QPointF place(f.Pesa[1]->Left(), f.Pesa[1]->Top());
        input::move(f.Pesa[1], QPoint(10, 20));
        input::press(f.Pesa[1], QPoint(10, 20));
        input::move(&f.client(), px(2000, 2000));
        QVERIFY(ui::dragInProgress() && QApplication::overrideCursor());
        input::key(&f, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.isVisible() && !ui::dragInProgress() && !QApplication::overrideCursor());
        QCOMPARE(QPointF(f.Pesa[1]->Left(), f.Pesa[1]->Top()), place);
        QCOMPARE(f.Text2->Text(), QStringLiteral("2"));
        Brantel& launcher = shown<Brantel>();
        input::click(launcher.Picture1, QPoint(20, 20));
        QVERIFY(f.isVisible());

        flotar& b = shown<flotar>();
        const QPoint grip(b.solido->width() / 2, 4);
        input::move(b.solido, grip);
        input::press(b.solido, grip);
        input::move(&b.client(), QPoint(20, 20));
        QCOMPARE(strayWindows(), 1);   // the block's outline
        input::focus(b.Command1);
        input::key(b.Command1, Qt::Key_Space);
        QVERIFY(!b.isVisible() && !ui::dragInProgress());
        QCOMPARE(strayWindows(), 0);
    }
};

QTEST_MAIN(InputRoutingTest)
#include "input_routing_test.moc"
