// What a keyboard user reaches, through the real windows: the tab order, an option group as
// one stop chosen with the arrows, scroll bars moved by their keys as by the mouse, and text
// boxes that show the start of what the program wrote.
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
#include <tuple>

namespace {

using windows::shown;

// The pressure window after its first tick, its timer then stopped so that nothing moves.
Form1& stillPressureWindow()
{
    Form1& f = shown<Form1>();
    f.Timer1->stop();
    f.Timer1->onTimer();
    return f;
}

// A window by its class name, shown.
ui::Form& open(const QString& name)
{
    if (name == QLatin1String("Form1"))
        return stillPressureWindow();
    if (name == QLatin1String("principa"))
        return shown<principa>();
    if (name == QLatin1String("flotar"))
        return shown<flotar>();
    return shown<Brantel>();
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

    // Tab goes round the window from its first stop, Shift+Tab the same way back.
    void eachWindowTabsInTheDesignOrder_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("Form1") << "Form1"
                               << QStringList{"Command1", "Text2",    "Combo1",   "Check2",   "Text4",    "Text5",
                                              "VScroll1", "Text1",    "Pesa(0)",  "Pesa(1)",  "Pesa(2)",  "Pesa(3)",
                                              "Pesa(4)",  "reloj(1)", "reloj(0)", "reloj(3)", "reloj(2)", "Option1(0)"};
        QTest::newRow("Brantel") << "Brantel" << QStringList{"Command1", "Picture1", "Picture2", "Picture3"};
        QTest::newRow("flotar") << "flotar"
                                << QStringList{"Picture1", "solido", "Option1(0)", "HScroll1", "HScroll2", "Command1"};
    }
    void eachWindowTabsInTheDesignOrder()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, round);
        ui::Form& f = open(form);
        QCOMPARE(focused(), round.first());
        const QStringList forward = round.mid(1) << round.first();
        QCOMPARE(tabs(f, int(round.size())), forward);
        QCOMPARE(tabs(f, int(round.size()), true), QStringList(forward.rbegin() + 1, forward.rend()) << round.first());
    }

    void anOptionGroupIsEnteredOnItsSelectedButton()
    {
        Form1& f = stillPressureWindow();
        input::click(f.Option1[1], QPoint(8, 6));
        input::focus(f.reloj[2]);
        QCOMPARE(tabs(f, 2), QStringList({"Option1(1)", "Command1"}));
        QCOMPARE(tabs(f, 2, true), QStringList({"Option1(1)", "reloj(2)"}));

        // A press on the other button, let go off it, gives that button the focus but
        // chooses nothing: Tab still leaves the group from there.
        input::press(f.Option1[0], QPoint(8, 6));
        input::release(&f.client(), QPoint(5, 5));
        QCOMPARE(focused(), QStringLiteral("Option1(0)"));
        QVERIFY(f.Option1[1]->Value());
        QCOMPARE(tabs(f, 1), QStringList({"Command1"}));
        QCOMPARE(tabs(f, 1, true), QStringList({"Option1(1)"}));
    }

    // Controls that cannot take the focus at load stay in the chain: the spin buttons, hidden
    // at first, join at their own places once shown.
    void aControlShownLaterTabsAtItsPlace()
    {
        Form1& f = stillPressureWindow();
        for (ui::SpinButton* s : {f.SpinUp1, f.SpinDown1, f.SpinUp2, f.SpinDown2})
            s->setVisible(true);
        input::focus(f.Combo1);
        QCOMPARE(tabs(f, 5), QStringList({"SpinDown2", "SpinUp2", "SpinDown1", "SpinUp1", "Check2"}));
    }

    void arrowsChooseWithinAnOptionGroupGoingRound()
    {
        // Each arrow chooses as a click would: the liquid list shows for a liquid only.
        principa& p = shown<principa>();
        input::focus(p.Option1[2]);
        for (const auto& [key, to] :
             {std::pair{Qt::Key_Down, 3}, {Qt::Key_Right, 1}, {Qt::Key_Up, 3}, {Qt::Key_Left, 2}}) {
            input::key(p.Option1[1], key);
            QVERIFY(p.Option1[to]->Value());
            QCOMPARE(focused(), QStringLiteral("Option1(%1)").arg(to));
            QCOMPARE(p.Combo2->Visible(), to == 3);
        }
    }

    void everyBarAnswersItsKeysAsTheMouse_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("bar");
        for (const char* row : {"Form1 VScroll1", "principa VScroll1", "principa VScroll2", "flotar HScroll1",
                                "flotar HScroll2", "flotar HScroll3"}) {
            const QStringList w = QString::fromLatin1(row).split(QLatin1Char(' '));
            QTest::newRow(row) << w[0] << w[1];
        }
    }
    void everyBarAnswersItsKeysAsTheMouse()
    {
        QFETCH(QString, form);
        QFETCH(QString, bar);
        // The window, its bar halfway (so that every key moves it), and the bar's Change count.
        auto openBar = [&] {
            ui::Form& f = open(form);
            if (bar == QLatin1String("HScroll3"))   // enabled only over a liquid
                input::click(f.findChild<QWidget*>(QStringLiteral("Option1(1)")), QPoint(8, 8));
            auto* b = f.findChild<ui::ScrollBar*>(bar);
            b->setValue((b->minimum() + b->maximum()) / 2);
            return std::tuple{&f, b, countChanges(b)};
        };
        // A key, and the part of the bar clicked for the same step (none: the end, written by code).
        const std::pair<Qt::Key, QStyle::SubControl> cases[] = {
            {Qt::Key_Down, QStyle::SC_ScrollBarAddLine},     {Qt::Key_Right, QStyle::SC_ScrollBarAddLine},
            {Qt::Key_Up, QStyle::SC_ScrollBarSubLine},       {Qt::Key_Left, QStyle::SC_ScrollBarSubLine},
            {Qt::Key_PageDown, QStyle::SC_ScrollBarAddPage}, {Qt::Key_PageUp, QStyle::SC_ScrollBarSubPage},
            {Qt::Key_End, QStyle::SC_None},                  {Qt::Key_Home, QStyle::SC_None},
        };
        for (const auto& [key, part] : cases) {
            auto [f, b, changes] = openBar();
            input::focus(b);
            input::key(b, key);
            const int byKey = *changes;
            const QStringList afterKey = snapshot(*f);
            ui::unloadAllForms();

            std::tie(f, b, changes) = openBar();
            const int end = key == Qt::Key_End ? b->maximum() : b->minimum();
            if (part == QStyle::SC_None)
                b->setValue(end);
            else
                input::click(b, input::scrollBarPart(b, part).center());
            // One Change for the key, as for the click (a bar's handler may write it once more).
            QVERIFY(byKey >= 1);
            QCOMPARE(byKey, *changes);
            QCOMPARE(afterKey, snapshot(*f));

            // At its end the bar goes no further and raises nothing (the upper liquid's bar
            // is held below the liquid's, so it never stays at its end).
            if (part == QStyle::SC_None && b->Value() == end) {
                input::focus(b);
                input::key(b, key);
                QCOMPARE(*changes, byKey);
            }
            ui::unloadAllForms();
        }
    }

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
