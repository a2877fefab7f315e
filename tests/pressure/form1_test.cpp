// The pressure window driven as a student drives it: real clicks, keys, pointer moves and
// drags of the weights; controls read by their names. Every case runs with a decimal comma
// and with a decimal point.
#include "pressure/form1.h"
#include "pressure/form2.h"
#include "common/about.h"
#include "common/declarac.h"
#include "core/conversions.h"
#include "tests/support/input.h"
#include "tests/support/separators.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"
#include "ui/text.h"

#include <QMenuBar>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {

const QStringList kChange = {"mostrarNivel", "calcularCarga", "calcularAltura", "ubicarPiston", "llevarPesas",
                             "medirManometros"};
const QStringList kScroll = {"llevarPesas", "calcularAltura", "medirManometros"};
const QStringList kLoad = {"calcularCarga", "ubicarPiston", "llevarPesas", "medirManometros"};
const QStringList kLiquid = {"calcularAltura", "medirManometros"};

QPoint px(double xTw, double yTw) { return QPoint(int(xTw / 15), int(yTw / 15)); }

QPoint scrollPart(QScrollBar* bar, QStyle::SubControl part) { return input::scrollBarPart(bar, part).center(); }

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    char sep = '.';
    QStringList ops;
    QList<ui::DialogRequest> dialogs;
    QList<ui::DialogReply> replies;
    double now = 0;

    QString loc(QString t) const { return t.replace(QLatin1Char('.'), QLatin1Char(sep)); }

    Form1& open()
    {
        Form1& f = ui::instance<Form1>();
        f.Show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&f);
        f.onRecompute = [this](std::string_view op) { ops.append(ui::toQString(op)); };
        return f;
    }
    // The window with its timer stopped after the first tick: ticks come when a test asks.
    Form1& openStill()
    {
        Form1& f = open();
        f.Timer1->stop();
        f.Timer1_Timer();
        return f;
    }
    template <class T = QWidget> static T* get(QObject& f, const QString& name)
    {
        T* w = f.findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    static QString prop(QObject& f, const QString& name, const char* p) { return get(f, name)->property(p).toString(); }
    static double num(QObject& f, const QString& name, const char* p) { return get(f, name)->property(p).toDouble(); }
    static double needleDegrees(Form1& f, int k)
    {
        QWidget* a = get(f, QStringLiteral("aguja(%1)").arg(k));
        return std::atan2(a->property("Y2").toDouble(), a->property("X2").toDouble()) * 180 / std::numbers::pi;
    }

    // The pointer moves onto a point of a widget, no button held. It comes from the next pixel:
    // resting there already (a window opened under it), it would send no move at all.
    static void hover(QWidget* w, QPoint at)
    {
        input::move(w, at + QPoint(1, 0));
        input::move(w, at);
    }
    // Drags weight i by a point 10 × 20 pixels inside it and lets it go over (x, y) of the window.
    static void drop(Form1& f, int i, double xTw, double yTw)
    {
        input::drag(get(f, QStringLiteral("Pesa(%1)").arg(i)), QPoint(10, 20), &f.client(), px(xTw, yTw));
    }
    static void click(QWidget* w, QPoint at = QPoint(4, 4)) { input::click(w, at); }
    // A key pressed with `w` holding the focus.
    static void key(QWidget* w, Qt::Key k)
    {
        input::focus(w);
        input::key(w, k);
    }
    static void showSpinButtons(Form1& f)
    {
        if (!f.SpinUp1->Visible())
            f.action(QStringLiteral("mnuPesoMod"))->trigger();
    }
    // "U2*7 U1 D1": SpinUp2 seven times, then SpinUp1, then SpinDown1.
    static void spin(Form1& f, const QString& clicks)
    {
        showSpinButtons(f);
        for (const QString& c : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList part = c.split(QLatin1Char('*'));
            const QString name = QStringLiteral("Spin%1%2").arg(part[0][0] == QLatin1Char('U') ? "Up" : "Down").arg(part[0][1]);
            for (int n = part.size() > 1 ? part[1].toInt() : 1; n > 0; --n)
                click(get(f, name));
        }
    }
    void answerInput(bool ok, const QString& text) { replies.append(ui::DialogReply{ok, text}); }

    void expectStartState(Form1& f)
    {
        QCOMPARE(prop(f, "Text1", "Text"), loc("19.60"));
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("2"));
        const char* readings[] = {"68.60", "44.10", "19.60", "0"};
        const double degrees[] = {16.46, 10.58, 4.70, 0};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(prop(f, QStringLiteral("m0(%1)").arg(k), "Caption"), loc(readings[k]));
            QVERIFY(get(f, QStringLiteral("m0(%1)").arg(k))->property("Visible").toBool());
            QVERIFY(std::abs(needleDegrees(f, k) - degrees[k]) < 0.01);
        }
        QCOMPARE(prop(f, "Label1", "Caption"), QStringLiteral("50"));
        for (const char* liquid : {"Shape2", "Image1"}) {
            QCOMPARE(num(f, liquid, "Top"), 3570.0);
            QCOMPARE(num(f, liquid, "Height"), 1740.0);
        }
        QCOMPARE(num(f, "Shape3", "Top"), 2838.0);
        const double left[] = {1140, 4400, 4820, 5240, 5660}, top[] = {2208, 1080, 1080, 1080, 1080};
        for (int i = 0; i < 5; ++i) {
            const QString name = QStringLiteral("Pesa(%1)").arg(i);
            QCOMPARE(num(f, name, "Left"), left[i]);
            QCOMPARE(num(f, name, "Top"), top[i]);
            QCOMPARE(prop(f, name, "DataField"), i == 0 ? QStringLiteral("-1") : QStringLiteral("1"));
        }
        QCOMPARE(prop(f, "Combo1", "Text"), QStringLiteral("1      agua"));
        QCOMPARE(get(f, "Combo1")->property("ListIndex").toInt(), -1);
        QCOMPARE(get(f, "Combo1")->property("ListCount").toInt(), 5);
        QCOMPARE(f.Combo1->List(4), QStringLiteral("13,546    mercurio"));
        QCOMPARE(prop(f, "Text4", "Text"), QStringLiteral("0"));
        QCOMPARE(prop(f, "Text5", "Text"), QStringLiteral("0"));
        for (const char* b : {"SpinUp1", "SpinDown1", "SpinUp2", "SpinDown2"})
            QVERIFY(!get(f, b)->property("Visible").toBool());
        QCOMPARE(prop(f, "Label8", "Caption"), QStringLiteral("Incluye Peso del pistón = 1kgf"));
        QVERIFY(get(f, "Option1(0)")->property("Value").toBool());
        QCOMPARE(f.action(QStringLiteral("mnuVer"))->text(), QStringLiteral("&Ocultar Medidores"));
        QCOMPARE(f.pesoMinimo, 2.0);
        QCOMPARE(f.presionAtm, 1013.0f);
        QCOMPARE(f.pesoEspecifico, 0.0098);
    }

private slots:
    void initTestCase_data() { separators::rows(); }

    void init()
    {
        ui::applyApplicationLook();
        sep = separators::apply();
        DECLARAC::colorPulsado = ui::RGB(100, 100, 100);
        ops.clear();
        dialogs.clear();
        replies.clear();
        // A clock that runs fast: the spin buttons' hold ends after a few reads.
        ui::setClockForTests([this] { return now += 0.03; });
        ui::setDialogAnswerer([this](const ui::DialogRequest& r) {
            dialogs.append(r);
            if (r.kind == ui::DialogRequest::Input && !replies.isEmpty())
                return replies.takeFirst();
            return ui::DialogReply{r.kind == ui::DialogRequest::Message, QString()};
        });
    }

    void cleanup()
    {
        ui::setClockForTests({});
        ui::setDialogAnswerer({});
        ui::unloadAllForms();
    }

    void startStateAndTheHiddenWeight()
    {
        Form1& f = ui::instance<Form1>();
        f.Show();
        // Hidden until the first tick of the running timer, delivered here before any other
        // event as the event loop delivers it.
        QVERIFY(!f.Pesa[3]->Visible());
        QVERIFY(f.Timer1->isActive());
        QTimerEvent tick(f.Timer1->timerId());
        QCoreApplication::sendEvent(f.Timer1, &tick);
        QVERIFY(f.Pesa[3]->Visible());
        open();
        QCOMPARE(f.windowTitle(), QStringLiteral("Presiones Hidrostáticas // Grupo Cormund"));
        QCOMPARE(f.client().size(), QSize(563, 383));
        expectStartState(f);
        QCOMPARE(f.Pesa[3]->Left(), 5240.0);
        QCOMPARE(f.posX, 5660);
        QCOMPARE(f.action(QStringLiteral("mnuAcerca"))->text().size(), 45);
        QCOMPARE(f.action(QStringLiteral("MnuSalir"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(f.action(QStringLiteral("mnuVer"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    }

    void readingModesRedoEveryReadingButNotTheNeedles()
    {
        Form1& f = open();
        const double before = needleDegrees(f, 0);
        click(f.Option1[1]);
        QCOMPARE(ops, kChange);
        QCOMPARE(prop(f, "Text1", "Text"), loc("1032.60"));
        const char* readings[] = {"1081.60", "1057.10", "1032.60", "1013"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(prop(f, QStringLiteral("m0(%1)").arg(k), "Caption"), loc(readings[k]));
        QCOMPARE(needleDegrees(f, 0), before);
        click(f.Option1[0]);
        expectStartState(f);
    }

    void recomputeOrders_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("level arrow") << 0 << kChange;
        QTest::newRow("reading mode") << 1 << kChange;
        QTest::newRow("spin button") << 2 << kLoad;
        QTest::newRow("liquid") << 3 << kLiquid;
        QTest::newRow("atmospheric pressure") << 4 << kChange;
        QTest::newRow("weight dropped") << 5 << kLoad;
    }
    void recomputeOrders()
    {
        QFETCH(int, trigger);
        QFETCH(QStringList, expected);
        Form1& f = openStill();
        showSpinButtons(f);
        ops.clear();
        switch (trigger) {
        case 0: click(f.VScroll1, scrollPart(f.VScroll1, QStyle::SC_ScrollBarAddLine)); break;
        case 1: click(f.Option1[1]); break;
        case 2: click(f.SpinUp1); break;
        case 3: key(f.Combo1, Qt::Key_Down); break;
        case 4: answerInput(true, QStringLiteral("1000")); f.action(QStringLiteral("mnu_presatmosf"))->trigger(); break;
        case 5: drop(f, 1, 1500, 1000); break;
        }
        QCOMPARE(ops, expected);
    }

    void thumbDragMovesTheGaugesFirstAndTheLiquidOnRelease()
    {
        Form1& f = openStill();
        const QPoint thumb = scrollPart(f.VScroll1, QStyle::SC_ScrollBarSlider);
        input::move(f.VScroll1, thumb);
        input::press(f.VScroll1, thumb);
        input::move(f.VScroll1, thumb + QPoint(0, 40));
        const int v = f.VScroll1->Value();
        QVERIFY(v > 50);
        QVERIFY(!ops.isEmpty() && ops.size() % 3 == 0);
        for (int i = 0; i < ops.size(); i += 3)
            QCOMPARE(ops.mid(i, 3), kScroll);
        QCOMPARE(int(f.alturaLiquido), 100 - v);
        QCOMPARE(prop(f, "Label1", "Caption"), QStringLiteral("50"));
        QCOMPARE(num(f, "Shape2", "Top"), 3570.0);
        QCOMPARE(num(f, "Shape3", "Top"), 2838.0);
        QVERIFY(prop(f, "m0(0)", "Caption") != loc("68.60"));
        ops.clear();
        input::release(f.VScroll1, thumb + QPoint(0, 40));
        QCOMPARE(ops, kChange);
        QCOMPARE(prop(f, "Label1", "Caption"), QString::number(100 - v));
        QCOMPARE(num(f, "Shape2", "Top"), double(float(1830 + 34.8 * v)));
    }

    void levelExtremes()
    {
        Form1& f = open();
        key(f.VScroll1, Qt::Key_End);   // empty vessel
        QCOMPARE(prop(f, "Label1", "Caption"), QStringLiteral("0"));
        QCOMPARE(num(f, "Image1", "Height"), 0.0);
        QCOMPARE(num(f, "Shape3", "Top"), 4578.0);
        const char* empty[] = {"19.60", "0", "0", "0"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(prop(f, QStringLiteral("m0(%1)").arg(k), "Caption"), loc(empty[k]));
        key(f.VScroll1, Qt::Key_Home);   // full vessel
        QCOMPARE(prop(f, "Label1", "Caption"), QStringLiteral("100"));
        QCOMPARE(num(f, "Shape2", "Top"), 1830.0);
        QCOMPARE(num(f, "Shape2", "Height"), 3480.0);
        const char* full[] = {"117.60", "93.10", "68.60", "44.10"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(prop(f, QStringLiteral("m0(%1)").arg(k), "Caption"), loc(full[k]));
    }

    void pistonZone_data()
    {
        QTest::addColumn<bool>("emptyVessel");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("on the left wall") << false << 840.0 << 3000.0 << false;
        QTest::newRow("just right of it") << false << 855.0 << 3000.0 << true;
        QTest::newRow("just left of 1995") << false << 1980.0 << 3000.0 << true;
        QTest::newRow("at 1995") << false << 1995.0 << 3000.0 << false;
        QTest::newRow("just above 5145") << true << 1500.0 << 5130.0 << true;
        QTest::newRow("at 5145") << true << 1500.0 << 5145.0 << false;
        QTest::newRow("above the cylinder") << false << 1500.0 << 240.0 << true;
    }
    void pistonZone()
    {
        QFETCH(bool, emptyVessel);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, inside);
        Form1& f = openStill();
        if (emptyVessel)
            key(f.VScroll1, Qt::Key_End);
        drop(f, 1, x, y);
        // Wherever it falls, the weight first stands where it was let go.
        QCOMPARE(f.Pesa[1]->Left(), double(float(int(x / 15) * 15 - 150)));
        QCOMPARE(f.Pesa[1]->Top(), double(float(int(y / 15) * 15 - 300)));
        QCOMPARE(prop(f, "Text2", "Text"), inside ? QStringLiteral("7") : QStringLiteral("2"));
        QCOMPARE(f.pesoMinimo, inside ? 7.0 : 2.0);
        QCOMPARE(prop(f, "Pesa(1)", "DataField"), inside ? QStringLiteral("-1") : QStringLiteral("1"));
        QCOMPARE(prop(f, "Pesa(1)", "Tag"), inside ? QString() : QStringLiteral("5"));
        f.Timer1_Timer();
        if (inside) {
            QCOMPARE(f.Pesa[1]->Left(), double(float(int(x / 15) * 15 - 150)));
            QCOMPARE(f.Pesa[1]->Top(), f.Shape3->Top() - 630);
        } else {
            QCOMPARE(f.Pesa[1]->Left(), 4400.0);
            QCOMPARE(f.Pesa[1]->Top(), 1080.0);
        }
    }

    void dropTargets_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("onTheWindow");
        QTest::addColumn<QString>("load");
        QTest::newRow("piston shape") << 1800.0 << 2910.0 << true << "7";
        QTest::newRow("wall line") << 2040.0 << 3000.0 << true << "2";
        QTest::newRow("liquid picture") << 1500.0 << 4500.0 << false << "2";
        QTest::newRow("label") << 5000.0 << 2000.0 << false << "2";
        QTest::newRow("another weight") << 5000.0 << 1400.0 << false << "2";
        QTest::newRow("dial") << 2400.0 << 3500.0 << false << "2";
    }
    void dropTargets()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, onTheWindow);
        QFETCH(QString, load);
        Form1& f = openStill();
        ops.clear();
        drop(f, 1, x, y);
        QCOMPARE(prop(f, "Text2", "Text"), load);
        QCOMPARE(f.Pesa[1]->Left(), onTheWindow ? double(int(x / 15) * 15 - 150) : 4400.0);
        QCOMPARE(ops.isEmpty(), load == QStringLiteral("2"));
    }

    void theLoadCapRefusesAWeightAsIfDroppedOffThePiston()
    {
        Form1& f = openStill();
        spin(f, "U2*5 U1*8");
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("60"));
        drop(f, 4, 1800, 1000);
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("100"));
        QCOMPARE(f.pesoMinimo, 42.0);
        f.Timer1_Timer();
        drop(f, 1, 1500, 1000);   // 5 kg more would pass 100 kgf
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("100"));
        QCOMPARE(f.pesoMinimo, 42.0);
        QCOMPARE(prop(f, "Pesa(1)", "DataField"), QStringLiteral("1"));
        QCOMPARE(prop(f, "Pesa(1)", "Tag"), QStringLiteral("5"));
        f.Timer1_Timer();
        QCOMPARE(f.Pesa[1]->Left(), 4400.0);
        QCOMPARE(f.Pesa[1]->Top(), 1080.0);
        // Taking the 40 kg off gives back exactly the load it had before.
        drop(f, 4, 3000, 3000);
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("60"));
        QCOMPARE(f.pesoMinimo, 2.0);
    }

    void theFirstWeightOffAndBackOnThePiston()
    {
        Form1& f = openStill();
        drop(f, 0, 3000, 3000);
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("1"));
        QCOMPARE(f.pesoMinimo, 1.0);
        QCOMPARE(num(f, "Shape3", "Top"), 2238.0);
        QCOMPARE(f.Pesa[0]->Left(), 3980.0);
        QCOMPARE(f.Pesa[0]->Top(), 1080.0);
        QCOMPARE(prop(f, "Pesa(0)", "DataField"), QStringLiteral("1"));
        drop(f, 0, 1500, 1000);
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("2"));
        QCOMPARE(f.pesoMinimo, 2.0);
        f.Timer1_Timer();
        QCOMPARE(f.Pesa[0]->Top(), 2208.0);
        // Off again, and the piston's own kilogram taken away: no load, no piston.
        drop(f, 0, 3000, 3000);
        spin(f, "D1");
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("0"));
        QVERIFY(!f.Shape3->Visible());
        QCOMPARE(num(f, "Shape3", "Top"), 2238.0);
        QCOMPARE(prop(f, "Text1", "Text"), loc(".00"));
    }

    void spinGuards_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("load");
        QTest::addColumn<int>("piston");
        QTest::newRow("down 1 from the start") << "D1" << "1" << 0;
        QTest::newRow("down 1 below pesoMinimo refused") << "D1 D1" << "1" << 0;
        QTest::newRow("down 10 at the start refused") << "D2" << "2" << 1;
        QTest::newRow("down 10 at pesoMinimo + 10") << "U2 D2" << "2" << 1;
        QTest::newRow("up 1 at 77, refused at 78") << "U2*7 U1*5 U1 U1" << "78" << 77;
        QTest::newRow("up 10 at 77, refused at 87") << "U2*7 U1*5 U2 U2" << "87" << 86;
    }
    void spinGuards()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, load);
        QFETCH(int, piston);
        Form1& f = open();
        spin(f, clicks);
        QCOMPARE(prop(f, "Text2", "Text"), load);
        QCOMPARE(int(f.pesoPiston), piston);
        QCOMPARE(prop(f, "Label8", "Caption"), QStringLiteral("Incluye Peso del Pistón=%1 Kgf").arg(piston));
        QCOMPARE(prop(f, "Text1", "Text"), QString::fromStdString(classic::Format(load.toDouble() * 9.8, "###.00")));
    }

    void spinButtonsInvertWhileHeldAndTheMenuTogglesThem()
    {
        Form1& f = open();
        f.action(QStringLiteral("mnuPesoMod"))->trigger();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0].title, QStringLiteral("Peso del pistón"));
        QVERIFY(dialogs[0].text.startsWith(QStringLiteral("El peso inicial del pistón se supuso 1 kgf ,estando")));
        QVERIFY(f.SpinDown2->Visible());
        const QImage before = f.SpinUp1->drawing();
        QList<QColor> seen;
        ui::setClockForTests([&] {
            seen.append(f.SpinUp1->drawing().pixelColor(8, 6));
            return now += 0.03;
        });
        click(f.SpinUp1);
        QVERIFY(seen.contains(QColor(0xff - before.pixelColor(8, 6).red(), 0xff - before.pixelColor(8, 6).green(),
                                     0xff - before.pixelColor(8, 6).blue())));
        QCOMPARE(f.SpinUp1->drawing(), before);
        f.action(QStringLiteral("mnuPesoMod"))->trigger();
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(!f.SpinUp1->Visible() && !f.SpinDown2->Visible());
        f.action(QStringLiteral("mnuPesoMod"))->trigger();
        QCOMPARE(dialogs.size(), 2);
    }

    void handHeldGauge_data()
    {
        QTest::addColumn<bool>("absolute");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("pressure");
        QTest::newRow("surface") << false << 0 << "0" << "19.60";
        QTest::newRow("bottom") << false << 115 << "50" << "68.60";
        QTest::newRow("855 twips") << false << 57 << "24.782" << "43.89";
        QTest::newRow("surface absolute") << true << 0 << "0" << "1032.6";
        QTest::newRow("bottom absolute") << true << 115 << "50" << "1081.6";
    }
    void handHeldGauge()
    {
        QFETCH(bool, absolute);
        QFETCH(int, row);
        QFETCH(QString, depth);
        QFETCH(QString, pressure);
        Form1& f = open();
        if (absolute)
            click(f.Option1[1]);
        hover(f.Image1, QPoint(40, row));
        QCOMPARE(prop(f, "Text5", "Text"), loc(depth));
        QCOMPARE(prop(f, "Text4", "Text"), loc(pressure));
        // Onto a label the reading stays; onto the bare background it goes.
        hover(f.Label6, QPoint(5, 5));
        QCOMPARE(prop(f, "Text5", "Text"), loc(depth));
        hover(&f.client(), px(3000, 1500));
        QCOMPARE(prop(f, "Text4", "Text"), QString());
        QCOMPARE(prop(f, "Text5", "Text"), QString());
        // Not installed, the boxes are hidden but still follow the pointer; installed again, "0".
        click(f.Check2, QPoint(8, 8));
        QVERIFY(!f.Text4->Visible() && !f.Text5->Visible());
        hover(f.Image1, QPoint(40, row));
        QCOMPARE(prop(f, "Text5", "Text"), loc(depth));
        click(f.Check2, QPoint(8, 8));
        QVERIFY(f.Text4->Visible() && prop(f, "Text4", "Text") == "0" && prop(f, "Text5", "Text") == "0");
    }

    void liquidsFromTheListOnly()
    {
        Form1& f = open();
        hover(f.Image1, QPoint(40, 115));
        input::focus(f.Combo1);
        input::keys(f.Combo1, QStringLiteral("x 9"));
        key(f.Combo1, Qt::Key_Backspace);
        QCOMPARE(prop(f, "Combo1", "Text"), QStringLiteral("1      agua"));
        QVERIFY(ops.isEmpty());
        for (int i = 0; i < 5; ++i)
            key(f.Combo1, Qt::Key_Down);
        QCOMPARE(prop(f, "Combo1", "Text"), QStringLiteral("13,546    mercurio"));
        QCOMPARE(f.pesoEspecifico, 0.1327508);
        QCOMPARE(prop(f, "m0(0)", "Caption"), loc("683.35"));
        // The gas box, the level, the piston and the hand-held reading stay as they were.
        QCOMPARE(prop(f, "Text1", "Text"), loc("19.60"));
        QCOMPARE(num(f, "Shape3", "Top"), 2838.0);
        QCOMPARE(prop(f, "Text4", "Text"), loc("68.60"));
        key(f.Combo1, Qt::Key_Up);
        key(f.Combo1, Qt::Key_Up);
        QCOMPARE(prop(f, "Combo1", "Text"), QStringLiteral("1         agua"));
        QCOMPARE(f.pesoEspecifico, 0.0098);
        QCOMPARE(prop(f, "m0(0)", "Caption"), loc("68.60"));
    }

    void measuringLabelsHiddenAndShown()
    {
        Form1& f = open();
        QAction* ver = f.action(QStringLiteral("mnuVer"));
        ver->trigger();
        QCOMPARE(ver->text(), QStringLiteral("Ver Medidores"));
        for (ui::Label* m : f.m0)
            QVERIFY(!m->Visible());
        QVERIFY(f.reloj[0]->Visible());
        click(f.VScroll1, scrollPart(f.VScroll1, QStyle::SC_ScrollBarSubLine));   // still written while hidden
        QCOMPARE(prop(f, "m0(0)", "Caption"), loc("69.58"));
        ver->trigger();
        QCOMPARE(ver->text(), QStringLiteral("Ocultar Medidores"));
        for (ui::Label* m : f.m0)
            QVERIFY(m->Visible());
    }

    void atmosphericPressure_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("gas");
        QTest::addColumn<bool>("refused");
        QTest::newRow("cancel") << false << "" << 1013.0f << "1032.60" << false;
        QTest::newRow("empty") << true << "" << 1013.0f << "1032.60" << false;
        QTest::newRow("point") << true << "1013.25" << 1013.25f << "1032.85" << false;
        QTest::newRow("comma") << true << "1013,25" << 1013.0f << "1032.60" << false;
        QTest::newRow("zero") << true << "0" << 0.0f << "19.60" << false;
        QTest::newRow("negative") << true << "-100" << -100.0f << "-80.40" << false;
        QTest::newRow("no number") << true << "abc" << 0.0f << "19.60" << false;
        QTest::newRow("beyond a single") << true << "1e39" << 1013.0f << "1032.60" << true;
        QTest::newRow("infinite") << true << "1e400" << 1013.0f << "1032.60" << true;
    }
    void atmosphericPressure()
    {
        QFETCH(bool, ok);
        QFETCH(QString, answer);
        QFETCH(float, stored);
        QFETCH(QString, gas);
        QFETCH(bool, refused);
        Form1& f = open();
        click(f.Option1[1]);
        ops.clear();
        answerInput(ok, answer);
        f.action(QStringLiteral("mnu_presatmosf"))->trigger();
        QCOMPARE(dialogs[0].text, QStringLiteral("Introduzca  un numero positivo"));
        QCOMPARE(dialogs[0].title, QStringLiteral("Presión atmosférica"));
        QCOMPARE(dialogs[0].proposed, QStringLiteral("1013"));
        QCOMPARE(f.presionAtm, stored);
        QCOMPARE(prop(f, "Text1", "Text"), loc(gas));
        const bool changed = ok && !answer.isEmpty() && !refused;
        QCOMPARE(ops, changed ? kChange : QStringList());
        QCOMPARE(dialogs.size(), refused ? 2 : 1);
        if (refused) {
            QCOMPARE(dialogs[1].text, QStringLiteral("Valor fuera de rango"));
            QCOMPARE(dialogs[1].style, ui::vbExclamation);
        }
    }

    void largeAtmosphericPressuresAreProposedInTheProgramsStyle_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("nine digits") << "123456789" << "1.2345679E+08";
        QTest::newRow("largest single") << "3.4028235e38" << "3.4028235E+38";
        QTest::newRow("seven digits do") << "12345678" << "12345678";
        QTest::newRow("small") << "0.000012345" << "1.2345E-05";
    }
    void largeAtmosphericPressuresAreProposedInTheProgramsStyle()
    {
        QFETCH(QString, answer);
        QFETCH(QString, proposed);
        Form1& f = open();
        auto* bar = f.findChild<QMenuBar*>();
        const QPoint item = bar->actionGeometry(f.action(QStringLiteral("mnu_presatmosf"))).center();
        answerInput(true, answer);
        input::click(bar, item);
        const float stored = f.presionAtm;
        QCOMPARE(stored, float(answer.toDouble()));
        // Proposed in upper-case E style, with a point whatever the locale; accepted
        // unchanged it gives back the very same single.
        answerInput(true, proposed);
        input::click(bar, item);
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[1].proposed, proposed);
        QCOMPARE(f.presionAtm, stored);
    }

    void helpWindowAndAbout()
    {
        Form1& f = open();
        f.action(QStringLiteral("MnuModificarPesos"))->trigger();
        Form2& h = ui::instance<Form2>();
        QVERIFY(h.isVisible());
        QCOMPARE(h.windowTitle(), QStringLiteral("Ventana de Ayuda"));
        QCOMPARE(prop(h, "Label1", "Caption"), QStringLiteral("¿Cómo se hace presión sobre el pistón?"));
        QVERIFY(prop(h, "Text1", "Text").startsWith(QStringLiteral("Los pesos sobre el pistón se pueden modificar")));
        f.action(QStringLiteral("MnuValores"))->trigger();
        QCOMPARE(prop(h, "Label1", "Caption"), QString());
        QVERIFY(prop(h, "Text1", "Text").endsWith(QStringLiteral("PRESIÓN {Hecto Pascales = 100 N/m2")));
        f.action(QStringLiteral("MnuModificarPesos"))->trigger();
        click(get(h, "Command1"));
        QVERIFY(!h.isVisible());
        QCOMPARE(prop(h, "Text1", "Text"), QString());
        QCOMPARE(prop(h, "Label1", "Caption"), QStringLiteral("¿Cómo se hace presión sobre el pistón?"));

        f.action(QStringLiteral("mnuAcerca"))->trigger();
        QCOMPARE(dialogs.last().text, common::textoAcercaDe(QStringLiteral("Autores de esta pantalla: ") + common::kEquipo,
                                                           QStringLiteral("e-mail:   ") + common::kCorreo));
        QCOMPARE(dialogs.last().title, QStringLiteral("brantel"));
    }

    void proceduresNoControlCalls_data()
    {
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("load");
        QTest::newRow("one down at pesoMinimo") << "r1" << "2";
        QTest::newRow("one up") << "s1" << "3";
        QTest::newRow("ten down above it") << "s10 s1 r10" << "3";
        QTest::newRow("one up refused at 78") << "s10 s10 s10 s10 s10 s10 s10 s1 s1 s1 s1 s1 s1 s1" << "78";
    }
    void proceduresNoControlCalls()
    {
        QFETCH(QString, calls);
        QFETCH(QString, load);
        Form1& f = open();
        for (const QString& c : calls.split(QLatin1Char(' '))) {
            if (c == "r1") f.RestarUnoCarga();
            if (c == "s1") f.SumarUnoCarga();
            if (c == "r10") f.RestarDiezCarga();
            if (c == "s10") f.SumarDiezCarga();
        }
        QCOMPARE(prop(f, "Text2", "Text"), load);
        QCOMPARE(int(f.pesoPiston), 1);
        QCOMPARE(f.pesoTotal, load.toDouble() * 9.8);
    }

    void measuringWithoutLabelsAndTheTwoMessages()
    {
        Form1& f = open();
        f.pesoEspecifico = 0.1327508;
        f.medir();
        QVERIFY(std::abs(needleDegrees(f, 0) - 164.005) < 0.01);   // 6.83354 N/cm²
        QCOMPARE(prop(f, "m0(0)", "Caption"), loc("68.60"));
        QCOMPARE(needleDegrees(f, 3), 0.0);
        f.MostrarRegresoPesas();
        f.MostrarHipotesis();
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[0].title, QStringLiteral("¿Cómo vuelven las pesas a su lugar?"));
        QCOMPARE(dialogs[1].text,
                 QStringLiteral("Se ha supuesto gas ideal(independiente de la la altura)y liquidos imcompresibles"));
    }

    void aWindowClosedUnderItsMessageOrInputBoxIsLeftAlone()
    {
        // Each box is answered after the window behind it was closed by its close box and
        // deleted: the handler that opened it touches the window no more.
        for (const char* item : {"mnuPesoMod", "mnu_presatmosf"}) {
            Form1& f = open();
            const QPointer<Form1> window(&f);
            ui::setDialogAnswerer([&](const ui::DialogRequest& r) {
                dialogs.append(r);
                input::closeBox(window);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return ui::DialogReply{true, QStringLiteral("1e9")};   // out of range, if it were read
            });
            f.action(QString::fromLatin1(item))->trigger();
            QVERIFY2(window.isNull(), item);
        }
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[1].kind, ui::DialogRequest::Input);
        ui::setDialogAnswerer({});
        expectStartState(open());
    }

    void salirKeepsTheStateAndTheCloseBoxStartsAfresh()
    {
        Form1& f = openStill();
        click(f.Option1[1]);
        key(f.VScroll1, Qt::Key_End);
        key(f.Combo1, Qt::Key_Down);
        answerInput(true, QStringLiteral("900"));
        f.action(QStringLiteral("mnu_presatmosf"))->trigger();
        spin(f, "U1");
        drop(f, 1, 1500, 1000);
        f.action(QStringLiteral("mnuVer"))->trigger();
        const QString gas = prop(f, "Text1", "Text");
        click(f.Command1);
        QVERIFY(!f.isVisible());
        Form1& same = open();
        QCOMPARE(&same, &f);
        QCOMPARE(prop(f, "Text1", "Text"), gas);
        QCOMPARE(prop(f, "Text2", "Text"), QStringLiteral("8"));
        f.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form1& fresh = open();
        expectStartState(fresh);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
