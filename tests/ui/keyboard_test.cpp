// What a keyboard user reaches, through the real windows: the tab order of each window, an
// option group as one stop with the arrow keys choosing within it, scroll bars moved by their
// keys exactly as by the mouse, and text boxes that show the start of what the program wrote.
#include "falling_spheres/declarac.h"
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "shell/brantel.h"
#include "tests/support/input.h"
#include "tests/support/separators.h"
#include "tests/support/windows.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QMenuBar>
#include <QtTest>
#include <memory>

namespace {

using windows::shown;

// The pressure window after its first tick (which shows Pesa(3)), its timer then stopped, so
// that nothing moves between two looks at it.
Form1& stillPressureWindow()
{
    Form1& f = shown<Form1>();
    f.Timer1->stop();
    f.Timer1->onTimer();
    return f;
}

// The control that holds the focus (a list's edit field counts as its list).
QString focused()
{
    QWidget* w = QApplication::focusWidget();
    while (w && !(ui::controlOf(w) && ui::controlOf(w)->widget() == w))
        w = w->parentWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

// Presses Tab (or Shift+Tab) `n` times and tells where the focus went after each press.
QStringList tabs(ui::Form& f, int n, bool back = false)
{
    QStringList visited;
    for (int i = 0; i < n; ++i) {
        input::key(&f.client(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        visited << focused();
    }
    return visited;
}

QStringList reversed(QStringList l)
{
    std::reverse(l.begin(), l.end());
    return l;
}

// Clicks a menu of the window's bar, then one of its items.
void menuItem(ui::Form& f, const QString& menu, const QString& item)
{
    auto* bar = f.findChild<QMenuBar*>();
    input::click(bar, bar->actionGeometry(f.action(menu)).center());
    QMenu* m = f.findChild<QMenu*>(menu);
    input::click(m, m->actionGeometry(f.action(item)).center());
}

// What a window shows: every control's place, caption, text and value.
QStringList snapshot(ui::Form& f)
{
    QStringList out;
    for (QWidget* w : f.findChildren<QWidget*>()) {
        ui::ControlBase* c = ui::controlOf(w);
        if (!c || c->widget() != w)
            continue;
        QString line = w->objectName();
        for (const char* p : {"Left", "Top", "Width", "Height", "Visible", "Enabled", "Caption", "Text", "Value"})
            line += QLatin1Char(' ') + w->property(p).toString();
        out << line;
    }
    return out;
}

// Counts the Change events of a scroll bar, its own handler still running.
std::shared_ptr<int> countChanges(ui::ScrollBar* bar)
{
    auto n = std::make_shared<int>(0);
    bar->on.Change = [n, inner = bar->on.Change] {
        ++*n;
        if (inner)
            inner();
    };
    return n;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    QList<ui::DialogRequest> dialogs;
    QList<ui::DialogReply> replies;

private slots:
    void initTestCase_data() { separators::rows(); }

    void init()
    {
        dialogs.clear();
        replies.clear();
        windows::begin([this](const ui::DialogRequest& r) {
            dialogs.append(r);
            return replies.isEmpty() ? ui::DialogReply{} : replies.takeFirst();
        });
    }

    void cleanup() { windows::end(); }

    // --- The tab order --------------------------------------------------------------------

    void pressureWindowTabsInTheDesignOrder()
    {
        Form1& f = stillPressureWindow();
        QCOMPARE(focused(), QStringLiteral("Command1"));
        const QStringList start = {"Text2",    "Combo1",   "Check2",   "Text4",    "Text5",    "VScroll1",
                                   "Text1",    "Pesa(0)",  "Pesa(1)",  "Pesa(2)",  "Pesa(3)",  "Pesa(4)",
                                   "reloj(1)", "reloj(0)", "reloj(3)", "reloj(2)", "Option1(0)", "Command1"};
        QCOMPARE(tabs(f, int(start.size())), start);
        // Shift+Tab goes the same way back.
        QCOMPARE(tabs(f, int(start.size()), true), reversed(start.mid(0, start.size() - 1)) << "Command1");

        // The spin buttons join at their own places once shown; the option group is entered
        // on its selected button.
        menuItem(f, QStringLiteral("mnuPeso"), QStringLiteral("mnuPesoMod"));
        input::click(f.Option1[1], QPoint(8, 6));
        input::focus(f.Command1);
        const QStringList withSpins = {"Text2",     "Combo1",   "SpinDown2", "SpinUp2",  "SpinDown1",  "SpinUp1",
                                       "Check2",    "Text4",    "Text5",     "VScroll1", "Text1",      "Pesa(0)",
                                       "Pesa(1)",   "Pesa(2)",  "Pesa(3)",   "Pesa(4)",  "reloj(1)",   "reloj(0)",
                                       "reloj(3)",  "reloj(2)", "Option1(1)", "Command1"};
        QCOMPARE(tabs(f, int(withSpins.size())), withSpins);
        QCOMPARE(tabs(f, 2, true), QStringList({"Option1(1)", "reloj(2)"}));

        // A press on the other button, let go off it, gives that button the focus but
        // chooses nothing: the group's stop stays on the selected one.
        input::press(f.Option1[0], QPoint(8, 6));
        input::release(&f.client(), QPoint(5, 5));
        QCOMPARE(focused(), QStringLiteral("Option1(0)"));
        QVERIFY(f.Option1[1]->Value());
        QCOMPARE(tabs(f, 1), QStringList({"Command1"}));
        QCOMPARE(tabs(f, 1, true), QStringList({"Option1(1)"}));
    }

    void hiddenAndDisabledControlsAreNoStops()
    {
        // A weight that is not shown is passed over, and comes back at its own place.
        Form1& f = stillPressureWindow();
        f.Pesa[3]->setVisible(false);
        input::focus(f.Pesa[2]);
        QCOMPARE(tabs(f, 1), QStringList({"Pesa(4)"}));
        f.Pesa[3]->setVisible(true);
        QCOMPARE(tabs(f, 1, true), QStringList({"Pesa(3)"}));

        // During a fall the falling-spheres window's frames and "INICIAR" are disabled.
        principa& p = shown<principa>();
        QCOMPARE(focused(), QStringLiteral("Caja_radio"));
        p.Frame1->setEnabled(false);
        p.Frame2->setEnabled(false);
        input::focus(p.VScroll2);
        QCOMPARE(tabs(p, 2, true), QStringList({"VScroll1", "Boton_fin"}));
        p.Frame1->setEnabled(true);
        QCOMPARE(tabs(p, 3), QStringList({"Caja_radio", "SpinUp", "SpinDown"}));
    }

    void launcherAndOtherWindowsTabInTheirOrder()
    {
        Brantel& b = shown<Brantel>();
        QCOMPARE(focused(), QStringLiteral("Command1"));
        QCOMPARE(tabs(b, 4), QStringList({"Picture1", "Picture2", "Picture3", "Command1"}));

        flotar& fl = shown<flotar>();
        QCOMPARE(focused(), QStringLiteral("Picture1"));
        QCOMPARE(tabs(fl, 5), QStringList({"solido", "Option1(0)", "HScroll1", "HScroll2", "Command1"}));
        QCOMPARE(tabs(fl, 1), QStringList({"Picture1"}));
    }

    // --- Option groups ---------------------------------------------------------------------

    void arrowsChooseWithinAnOptionGroup()
    {
        Form1& f = stillPressureWindow();
        input::focus(f.reloj[2]);
        QCOMPARE(tabs(f, 1), QStringList({"Option1(0)"}));
        const QString manometric = f.Text1->Text();
        // Down chooses " Absolutas" as a click would: the readings become absolute.
        input::key(f.Option1[0], Qt::Key_Down);
        QCOMPARE(focused(), QStringLiteral("Option1(1)"));
        QVERIFY(f.Option1[1]->Value());
        QVERIFY(f.Text1->Text() != manometric);
        // Past the last button the arrows go round to the first.
        input::key(f.Option1[1], Qt::Key_Right);
        QCOMPARE(focused(), QStringLiteral("Option1(0)"));
        QCOMPARE(f.Text1->Text(), manometric);
        input::key(f.Option1[0], Qt::Key_Up);
        QVERIFY(f.Option1[1]->Value());

        // Three media in a row, each pick raising its Click: the liquid list shows for a liquid.
        principa& p = shown<principa>();
        input::focus(p.Option1[2]);
        input::key(p.Option1[2], Qt::Key_Right);
        QVERIFY(p.Option1[3]->Value());
        QVERIFY(p.Combo2->Visible());
        input::key(p.Option1[3], Qt::Key_Right);
        QVERIFY(p.Option1[1]->Value());
        QVERIFY(!p.Combo2->Visible());
        input::key(p.Option1[1], Qt::Key_Left);
        QVERIFY(p.Option1[3]->Value());
        QCOMPARE(focused(), QStringLiteral("Option1(3)"));

        // The upper layer: a liquid enables its density bar.
        flotar& fl = shown<flotar>();
        input::focus(fl.Option1[0]);
        input::key(fl.Option1[0], Qt::Key_Down);
        QVERIFY(fl.Option1[1]->Value());
        QVERIFY(fl.HScroll3->Enabled());
    }

    // --- Scroll bars -----------------------------------------------------------------------

    void levelBarFromTheKeyboard()
    {
        Form1& f = stillPressureWindow();
        QCOMPARE(tabs(f, 6).last(), QStringLiteral("VScroll1"));
        input::key(f.VScroll1, Qt::Key_Down);
        QCOMPARE(f.Label1->Caption(), QStringLiteral("49"));
        const QStringList afterKey = snapshot(f);
        input::key(f.VScroll1, Qt::Key_PageDown);
        QCOMPARE(f.Label1->Caption(), QStringLiteral("39"));

        // Every gauge agrees with what the same change by the mouse shows.
        ui::unloadAllForms();
        Form1& g = stillPressureWindow();
        input::click(g.VScroll1, input::scrollBarPart(g.VScroll1, QStyle::SC_ScrollBarAddLine).center());
        QCOMPARE(snapshot(g), afterKey);
    }

    void everyBarAnswersItsKeysAsTheMouse_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("bar");
        const std::pair<const char*, const char*> bars[] = {
            {"Form1", "VScroll1"},    {"principa", "VScroll1"}, {"principa", "VScroll2"},
            {"flotar", "HScroll1"},   {"flotar", "HScroll2"},   {"flotar", "HScroll3"},
        };
        for (const auto& [window, bar] : bars)
            QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(window, bar))) << window << bar;
    }
    void everyBarAnswersItsKeysAsTheMouse()
    {
        QFETCH(QString, window);
        QFETCH(QString, bar);
        // A key, and the mouse action (or code, for the ends) that does the same.
        const struct {
            Qt::Key key;
            QStyle::SubControl part;   // SC_None: the value written by code
            bool toMax;
        } cases[] = {
            {Qt::Key_Down, QStyle::SC_ScrollBarAddLine, false}, {Qt::Key_Right, QStyle::SC_ScrollBarAddLine, false},
            {Qt::Key_Up, QStyle::SC_ScrollBarSubLine, false},   {Qt::Key_Left, QStyle::SC_ScrollBarSubLine, false},
            {Qt::Key_PageDown, QStyle::SC_ScrollBarAddPage, false},
            {Qt::Key_PageUp, QStyle::SC_ScrollBarSubPage, false},
            {Qt::Key_End, QStyle::SC_None, true},               {Qt::Key_Home, QStyle::SC_None, false},
        };
        auto open = [&]() -> std::pair<ui::Form*, ui::ScrollBar*> {
            ui::Form* f = nullptr;
            if (window == QLatin1String("Form1"))
                f = &stillPressureWindow();
            else if (window == QLatin1String("principa"))
                f = &shown<principa>();
            else {
                flotar& fl = shown<flotar>();
                input::click(fl.Option1[1], QPoint(8, 8));   // the upper liquid's bar is enabled
                f = &fl;
            }
            return {f, f->findChild<ui::ScrollBar*>(bar)};
        };
        for (const auto& c : cases) {
            auto [f, b] = open();
            // Halfway, so that every key moves the bar.
            b->setValue((b->minimum() + b->maximum()) / 2);
            const int start = b->Value();
            auto changes = countChanges(b);
            input::focus(b);
            input::key(b, c.key);
            const int byKey = *changes;
            const QStringList afterKey = snapshot(*f);
            ui::unloadAllForms();

            std::tie(f, b) = open();
            b->setValue(start);
            changes = countChanges(b);
            if (c.part == QStyle::SC_None)
                b->setValue(c.toMax ? b->maximum() : b->minimum());
            else
                input::click(b, input::scrollBarPart(b, c.part).center());
            // One Change for the key, as for the click (a bar's handler may write it once more).
            QVERIFY(byKey >= 1);
            QCOMPARE(byKey, *changes);
            QCOMPARE(afterKey, snapshot(*f));

            // At its end the bar goes no further and raises nothing (the upper liquid's bar
            // is held below the liquid's, so it never stays at its end).
            if (c.part == QStyle::SC_None && b->Value() == (c.toMax ? b->maximum() : b->minimum())) {
                input::focus(b);
                input::key(b, c.key);
                QCOMPARE(*changes, byKey);
            }
            ui::unloadAllForms();
        }
    }

    // --- Text boxes ------------------------------------------------------------------------

    void aLongValueShowsItsStart()
    {
        Form1& f = stillPressureWindow();
        replies.append(ui::DialogReply{true, QStringLiteral("1e38")});
        auto* bar = f.findChild<QMenuBar*>();
        input::click(bar, bar->actionGeometry(f.action(QStringLiteral("mnu_presatmosf"))).center());
        input::click(f.Option1[1], QPoint(8, 6));
        const QString text = f.Text1->Text();
        QVERIFY2(text.size() > 30, qPrintable(text));
        QVERIFY2(text.startsWith(QLatin1String("99999996")), qPrintable(text));
        // The caret, and so the view, stands at the first character.
        QCOMPARE(f.Text1->cursorPosition(), 0);
        QVERIFY(f.Text1->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8);
    }

    void theCaretStaysWhereTheUserTypes()
    {
        principa& p = shown<principa>();
        input::focus(p.Caja_radio);
        input::key(p.Caja_radio, Qt::Key_End);
        input::key(p.Caja_radio, Qt::Key_Backspace);
        input::keys(p.Caja_radio, QStringLiteral("3"));
        // A refused letter makes the box write its radius again; the next figure still goes
        // where the caret was.
        input::key(p.Caja_radio, Qt::Key_Home);
        input::keys(p.Caja_radio, QStringLiteral("a0"));
        QCOMPARE(p.Caja_radio->Text(), QStringLiteral("03"));
        QCOMPARE(p.Caja_radio->cursorPosition(), 1);
        QCOMPARE(DECLARAC::radio, 3.0);
        QVERIFY(dialogs.isEmpty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
