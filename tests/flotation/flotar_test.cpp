// The flotation window driven with real clicks and drags: start state, bars and their
// coupling, upper layer, settling motion (stillness, stops, nesting, hiding, closing), drops.
#include "flotation/flotar.h"

#include "core/conversions.h"
#include "tests/support/input.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QPointer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Actions = std::vector<std::function<void()>>;

class Passes;
// Passes waiting for a motion to start, and the motions going on (nested ones counted).
std::vector<Passes*> waiting;
int motions = 0;

// Runs one action per pass of a motion's event loop (one step of the motion), each from a
// timer of its own. The passes start with the next motion and end with it: the input that
// starts a motion goes through the event loop too, before and after it, and is no step.
// An action that starts a motion of its own hands the next passes to it.
class Passes : public QObject {
public:
    explicit Passes(Actions actions) : actions_(std::move(actions)) { waiting.push_back(this); }
    ~Passes() override { std::erase(waiting, this); }
    int done = 0;
    bool finished() const { return done == int(actions_.size()); }

    // Every waiting pass starts as a motion starts.
    static void motionStarts()
    {
        for (Passes* p : std::exchange(waiting, {}))
            if (!p->armed_)
                p->next();
    }

private:
    void next()
    {
        armed_ = !finished();
        if (armed_)
            QTimer::singleShot(0, this, [this] { step(); });
    }
    void step()
    {
        armed_ = false;
        if (motions == 0)
            return;
        const int i = done++;
        waiting.push_back(this);
        actions_[i]();
        std::erase(waiting, this);
        if (!armed_)
            next();
    }
    Actions actions_;
    bool armed_ = false;
};

// The background's click starts the motion; counted here, so that passes run only inside one.
void followMotions(flotar& f)
{
    f.on().Click = [form = f.on().Click] {
        auto click = form;   // the window may be deleted inside its own motion
        ++motions;
        Passes::motionStarts();
        click();
        --motions;
    };
}

void clickBackground(flotar& f) { input::click(&f.client(), QPoint(5, 5)); }

void clickArrow(ui::ScrollBar* bar, bool right)
{
    input::click(bar, QPoint(right ? bar->width() - 4 : 4, bar->height() / 2));
}

void choose(flotar& f, int index) { input::click(f.Option1[index], QPoint(8, 8)); }

// Drags the block by a point `grab` units below its top edge and drops it left of the block,
// its Top at about `top`. Returns the Top that the pointer's pixels give.
double dragTo(flotar& f, double top, double grab = 0)
{
    const int gy = 1 + int(std::lround(grab * 42 / 15));
    const int py = 1 + int(std::lround((top + grab) * 43.05 / 15));
    input::drag(f.solido, QPoint(30, gy), f.Picture1, QPoint(20, py));
    return std::clamp(double(float((py - 1) * 15 / 43.05) - float((gy - 1) * 15 / 42.0)), 0.0, 75.0);
}

const double kStartTop = 49.275756;

// A click on the window's background delivered through its window as the window system
// delivers it, without the pass of the event loop that Qt Test adds after each event: a
// burst of these lands within one pass of a motion.
void clickWithinPass(flotar& f)
{
    static int stamp = 1 << 24;   // far from Qt Test's own, and apart: never a double click
    QWindow* win = input::windowOf(&f.client());
    const QPointF local = input::inWindow(&f.client(), QPoint(5, 5));
    const QPointF global = win->mapToGlobal(local);
    qt_handleMouseEvent(win, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {},
                        stamp += 1000);
    qt_handleMouseEvent(win, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {},
                        stamp += 1000);
}

} // namespace

class FlotarTest : public QObject {
    Q_OBJECT

    int loads = 0;

    // Opens the window and leaves the bars at the given densities (hundredths); upper 0 is air.
    flotar& open(int upper = 0, int block = 80, int liquid = 140, char sep = ',')
    {
        classic::setDecimalSeparator(sep);
        flotar& f = ui::instance<flotar>();
        f.Show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&f);
        followMotions(f);
        if (upper) {
            choose(f, 1);
            f.HScroll2->setValue(std::max(liquid, upper));
            f.HScroll3->setValue(upper);
        }
        f.HScroll2->setValue(liquid);
        f.HScroll1->setValue(block);
        return f;
    }

private slots:
    void init()
    {
        ui::applyApplicationLook();
        loads = 0;
        motions = 0;
        ui::setLoadObserverForTests([this](const QString& name) { loads += name == QLatin1String("flotar"); });
    }
    void cleanup()
    {
        ui::setLoadObserverForTests({});
        ui::setDialogAnswerer({});
        ui::unloadAllForms();
    }

    void startAndPlacementsInBothSeparators_data()
    {
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("liquid");
        QTest::addColumn<double>("top");
        QTest::addColumn<QString>("percent");   // with a point
        QTest::newRow("start") << 0 << 80 << 140 << kStartTop << "57.1";
        QTest::newRow("upper liquid 0.5") << 50 << 80 << 140 << 43.333333 << "33.33";
        QTest::newRow("whole percentage") << 50 << 90 << 150 << 45.0 << "40.";
        QTest::newRow("under one percent") << 50 << 51 << 200 << 35.166667 << ".67";
        QTest::newRow("air, block 1.0, liquid 2.0") << 0 << 100 << 200 << 47.491869 << "49.97";
    }
    void startAndPlacementsInBothSeparators()
    {
        QFETCH(int, upper);
        QFETCH(int, block);
        QFETCH(int, liquid);
        QFETCH(double, top);
        QFETCH(QString, percent);
        for (char sep : {',', '.'}) {
            flotar& f = open(upper, block, liquid, sep);
            QVERIFY(std::abs(f.solido->Top() - top) < 1e-5);
            QCOMPARE(f.Porcent->Caption(), QString(percent).replace('.', QChar(sep)));
            QCOMPARE(f.Label3->Caption(), QString::fromStdString(classic::CStr(block / 100.0)));
            QCOMPARE(f.fluido_sup->Visible(), upper != 0);
            ui::unloadAllForms();
        }
    }

    void startState()
    {
        flotar& f = open();
        QCOMPARE(loads, 1);
        QCOMPARE(f.Caption(), QStringLiteral("Flotación  // Grupo Cormund"));
        QCOMPARE(f.client().size(), QSize(516, 370));
        QCOMPARE(f.Label4->Caption(), QStringLiteral("1,4"));
        QCOMPARE(f.Label5->Caption(), QStringLiteral("0.0013"));
        QCOMPARE(f.findChild<ui::Label*>(QStringLiteral("Label7(2)"))->Caption(), QStringLiteral("       3  g/cm"));
        QVERIFY(f.findChild<ui::OptionButton*>(QStringLiteral("Option1(0)"))->Value());
        QVERIFY(!f.HScroll3->Enabled());
        QCOMPARE(f.HScroll3->Value(), 80);
        QCOMPARE(f.enMovimiento, 0);
        // The unit labels wrap: the 3 above, g/cm below.
        const QFontMetrics fm(f.Label7[1]->font());
        QVERIFY(fm.boundingRect(QRect(0, 0, f.Label7[1]->width(), 99), Qt::TextWordWrap, f.Label7[1]->text()).height()
                >= 2 * fm.height());
    }

    void upperLayerBackAndForth()
    {
        flotar& f = open();
        choose(f, 1);
        QVERIFY(f.HScroll3->Enabled() && f.fluido_sup->Visible());
        QCOMPARE(f.Label5->Caption() + f.Label6->Caption(), QStringLiteral("0,5Densidad del líquido"));
        clickArrow(f.HScroll3, true);
        QCOMPARE(f.Label5->Caption(), QStringLiteral("0,6"));
        choose(f, 0);
        QVERIFY(!f.HScroll3->Enabled() && !f.fluido_sup->Visible());
        QCOMPARE(f.HScroll3->Value(), 60);
        QCOMPARE(f.Label5->Caption() + f.Label6->Caption(), QStringLiteral("0,0013Densidad del aire"));
        QCOMPARE(f.Porcent->Caption(), QStringLiteral("57,1"));
    }

    void barCouplingSequences()
    {
        flotar& f = open(150, 80, 150);
        QSignalSpy liquid(f.HScroll2, &QScrollBar::valueChanged);
        f.HScroll2->setValue(100);
        QCOMPARE(liquid.size(), 6);   // 100, then 110 ... 150
        QCOMPARE(f.Label4->Caption(), QStringLiteral("1,5"));
        clickArrow(f.HScroll2, false);
        QCOMPARE(f.HScroll2->Value(), 150);

        f.HScroll2->setValue(170);
        QSignalSpy upper(f.HScroll3, &QScrollBar::valueChanged);
        f.HScroll3->setValue(200);
        QCOMPARE(upper.size(), 4);   // 200, then 190, 180, 170
        QCOMPARE(f.densidadSup, 1.7);

        // The push stops at the bar's end.
        f.HScroll2->setValue(200);
        f.HScroll3->setValue(200);
        f.HScroll2->setValue(195);
        QCOMPARE(f.densidadLiq, 2.0);

        // Under air the liquid bar still cannot go below the upper liquid's last value.
        f.HScroll3->setValue(150);
        choose(f, 0);
        f.HScroll2->setValue(100);
        QCOMPARE(f.HScroll2->Value(), 150);
    }

    void aMotionThatEndsByItself()
    {
        // Denser than the liquid: the first step goes below 75; the block stays drawn at 75.
        flotar& f = open(0, 150, 140);
        Passes passes(Actions(3, [] {}));
        clickBackground(f);
        QCOMPARE(f.solido->Top(), 75.0);
        QVERIFY(std::abs(f.yCuerpo - (75 + 981 * (1 - 1.4 / 1.5) * 1e-4)) < 1e-9);
        // Lighter than the upper liquid: it stops at the vessel's top, at rest.
        f.HScroll1->setValue(30);
        choose(f, 1);
        clickBackground(f);
        QCOMPARE(f.solido->Top(), 0.0);
        QCOMPARE(f.velocidadCuerpo, 0.0);
        QVERIFY(passes.done <= 2);
    }

    void whatStopsAMotion_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("stops");
        QTest::newRow("block bar") << "HScroll1" << true;
        QTest::newRow("liquid bar") << "HScroll2" << true;
        QTest::newRow("upper-liquid bar") << "HScroll3" << false;
        QTest::newRow("upper-layer choice") << "Option1(0)" << false;
        QTest::newRow("a drop in the vessel") << "solido" << true;
    }
    void whatStopsAMotion()
    {
        QFETCH(QString, control);
        QFETCH(bool, stops);
        flotar& f = open(50);
        Passes passes({[] {},
                       [&] {
                           if (control == QLatin1String("solido"))
                               dragTo(f, 10);
                           else if (control == QLatin1String("Option1(0)"))
                               choose(f, 0);
                           else
                               clickArrow(f.findChild<ui::ScrollBar*>(control), true);
                       },
                       [] {}, [] {}, [&] { f.enMovimiento = 0; }});
        clickBackground(f);
        QCOMPARE(passes.done, stops ? 2 : 5);
    }

    void aSecondClickNestsAMotionAndABarEndsBoth()
    {
        flotar& f = open();
        bool innerReturned = false, nested = false;
        Passes passes({[&] {
                           clickBackground(f);
                           innerReturned = true;
                       },
                       [&] { nested = !innerReturned && f.enMovimiento == 1; }, [&] { clickArrow(f.HScroll1, true); },
                       [] {}, [] {}, [] {}});
        clickBackground(f);
        QVERIFY(nested && innerReturned && !passes.finished());
    }

    // The Tops of a block let go at Top 10 above the liquid, one per pass of its motion, with
    // `burst(i)` clicks on the background at pass i; the motion is stopped after the last.
    std::vector<double> fallingBlock(int passes, const std::function<int(int)>& burst, int* deepest = nullptr)
    {
        flotar& f = open();
        f.yCuerpo = 10;
        f.velocidadCuerpo = 0;
        f.solido->setTop(10);
        std::vector<double> tops;
        bool stopped = false;   // bursts still under way in outer passes end with the motion
        Actions actions;
        for (int i = 0; i < passes; ++i)
            actions.push_back([&, i] {
                tops.push_back(f.solido->Top());
                if (deepest)
                    *deepest = std::max(*deepest, f.movimientosEnCurso());
                for (int k = burst(i); k > 0 && !stopped; --k)
                    clickWithinPass(f);
            });
        actions.push_back([&] {
            stopped = true;
            f.enMovimiento = 0;
        });
        Passes run(actions);
        clickWithinPass(f);
        const bool finished = run.finished();
        const bool unwound = f.movimientosEnCurso() == 0;
        ui::unloadAllForms();
        if (!finished || !unwound)
            return {};
        return tops;
    }

    void burstsOfClicksKeepThePaceAndTheRestingPlace()
    {
        const int passes = 700;
        const std::vector<double> alone = fallingBlock(passes, [](int) { return 0; });
        QCOMPARE(int(alone.size()), passes);
        QVERIFY(std::abs(alone.front() - 10) < 1e-6 && alone[1] > alone[0]);
        QVERIFY(std::abs(alone.back() - kStartTop) < 0.5);   // fallen in and nearly settled

        // About 3,500 clicks, from one to ten a pass: far more than the stack could hold as
        // nested motions.
        int deepest = 0;
        const std::vector<double> clicked = fallingBlock(passes, [](int i) { return 1 + i % 10; }, &deepest);
        QCOMPARE(int(clicked.size()), passes);
        QVERIFY(deepest <= flotar::kMovimientosAnidados);
        // Each nested start waits one pass before its first step; past the last nesting the
        // clicks take no pass at all, so the block moves as it would alone, a few passes late.
        const int late = flotar::kMovimientosAnidados - 1;
        for (int i = 0; i + late < passes; ++i)
            QCOMPARE(clicked[std::size_t(i + late)], alone[std::size_t(i)]);
        for (int i = 0; i <= late; ++i)
            QCOMPARE(clicked[std::size_t(i)], alone[0]);
    }

    void clicksWhileTheBlockSitsStillLeaveItThere()
    {
        // The start densities: the motion never ends by itself, whatever the clicks.
        flotar& f = open();
        int deepest = 0;
        double drift = 0;
        bool stopped = false;
        Actions actions(400, [&] {
            deepest = std::max(deepest, f.movimientosEnCurso());
            drift = std::max(drift, std::abs(f.solido->Top() - kStartTop));
            for (int k = 0; k < 8 && !stopped; ++k)
                clickWithinPass(f);
        });
        actions.push_back([&] {   // the block bar ends them all
            stopped = true;
            clickArrow(f.HScroll1, true);
        });
        Passes run(actions);
        clickWithinPass(f);
        QVERIFY(run.finished());
        QCOMPARE(deepest, flotar::kMovimientosAnidados);
        QCOMPARE(f.movimientosEnCurso(), 0);
        QVERIFY(drift < 1e-5);
    }

    void salirHidesWhileTheMotionGoesOn()
    {
        flotar& f = open();
        bool hiddenAndRunning = false;
        Passes passes({[&] { input::click(f.Command1, f.Command1->rect().center()); },
                       [&] { hiddenAndRunning = !f.isVisible() && f.enMovimiento == 1; },
                       [&] { f.action(QStringLiteral("menu_salir"))->trigger(); }, [&] { f.enMovimiento = 0; }});
        clickBackground(f);
        QVERIFY(passes.finished() && hiddenAndRunning);
        ui::instance<flotar>().Show();
        QCOMPARE(loads, 1);
    }

    void closingTheWindowOrEndingTheProgramEndsTheMotion()
    {
        flotar& f = open(100, 100, 140);
        QPointer<flotar> old(&f);
        bool deletedInside = false;
        // Closed by its box and deleted at once, inside the motion's yield.
        Passes passes({[&] {
                           old->close();
                           QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                           deletedInside = old.isNull();
                       },
                       [] {}, [] {}, [] {}});
        clickBackground(f);
        QVERIFY(deletedInside && !passes.finished());
        flotar& again = open(0, 80, 140, '.');
        QCOMPARE(loads, 2);
        QCOMPARE(again.Porcent->Caption(), QStringLiteral("57.1"));

        Passes ending({[] { ui::End(); }, [] {}, [] {}, [] {}});
        clickBackground(again);
        QVERIFY(!ending.finished());
    }

    void dropsInTheVessel_data()
    {
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("block");
        QTest::addColumn<double>("dropTop");
        QTest::addColumn<double>("grab");
        QTest::addColumn<double>("restTop");   // -1: stays where dropped
        QTest::newRow("neutral in the liquid at 62") << 0 << 140 << 62.0 << 0.0 << -1.0;
        QTest::newRow("same block at 50 returns") << 0 << 140 << 50.0 << 0.0 << 65.0;
        QTest::newRow("neutral in the upper liquid at 20") << 100 << 100 << 20.0 << 0.0 << -1.0;
        QTest::newRow("same block at 40 returns") << 100 << 100 << 40.0 << 0.0 << 20.0;
        QTest::newRow("floating block returns") << 0 << 80 << 10.0 << 12.0 << kStartTop;
        QTest::newRow("under an upper liquid, returns") << 50 << 80 << 70.0 << 5.0 << 43.333333;
        QTest::newRow("below the bottom: kept at 75") << 0 << 140 << 85.0 << 2.0 << -1.0;
        QTest::newRow("above the top: kept at 0") << 100 << 100 << -5.0 << 20.0 << -1.0;
    }
    void dropsInTheVessel()
    {
        QFETCH(int, upper);
        QFETCH(int, block);
        QFETCH(double, dropTop);
        QFETCH(double, grab);
        QFETCH(double, restTop);
        flotar& f = open(upper, block);
        const QString percent = f.Porcent->Caption();
        const double dropped = dragTo(f, dropTop, grab);
        const double expected = restTop < 0 ? dropped : restTop;
        QVERIFY(std::abs(f.solido->Top() - expected) < 1e-5);
        QCOMPARE(f.Porcent->Caption(), percent);
        // Started from there, the block stays still (on the bottom the motion ends at once).
        double drift = 0;
        Actions still(200, [&] { drift = std::max(drift, std::abs(f.solido->Top() - expected)); });
        still.push_back([&] { f.enMovimiento = 0; });
        Passes passes(still);
        clickBackground(f);
        QVERIFY(drift < 1e-5 && passes.finished() == (expected < 75));

        // Dropped on itself or on the window: nothing changes.
        input::drag(f.solido, QPoint(30, 1), f.solido, QPoint(30, 30));
        input::drag(f.solido, QPoint(30, 1), &f.client(), QPoint(5, 5));
        QVERIFY(std::abs(f.solido->Top() - expected) < 1e-5);
    }

    void aboutMessage()
    {
        QString text;
        ui::setDialogAnswerer([&](const ui::DialogRequest& r) { return text = r.text, ui::DialogReply{}; });
        open().action(QStringLiteral("menu_acerca"))->trigger();
        QVERIFY(text.contains(QStringLiteral("\r\n\r\nAutor de esta pantalla: ")));
    }
};

QTEST_MAIN(FlotarTest)
#include "flotar_test.moc"
