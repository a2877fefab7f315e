#include "tests/stress/stress_driver.h"

#include "shell/arranque.h"
#include "shell/brantel.h"
#include "ui/control.h"
#include "ui/controls.h"
#include "core/conversions.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>
#include <cstdio>

namespace stress {

namespace {

// Deeper than this, ticks only send events that cannot start a further yielding loop.
constexpr int kMaxDepth = 3;

QString describe(const QWidget* w)
{
    if (!w)
        return QStringLiteral("<none>");
    return w->window()->objectName() + QLatin1Char('.') + w->objectName();
}

std::vector<ui::Form*> liveForms(bool visibleOnly)
{
    std::vector<ui::Form*> out;
    for (ui::Form* f : ui::allForms())
        if (f->alive() && (!visibleOnly || f->isVisible()))
            out.push_back(f);
    return out;
}

// Every control widget of a window that is shown and takes mouse events.
std::vector<QWidget*> controlsOf(ui::Form* f)
{
    std::vector<QWidget*> out;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        ui::ControlBase* c = ui::controlOf(w);
        if (c && c->widget() == w && c->container() && c->takesMouse() && w->isVisible())
            out.push_back(w);
    }
    return out;
}

template <class T> std::vector<T*> ofKind(const std::vector<QWidget*>& ws)
{
    std::vector<T*> out;
    for (QWidget* w : ws)
        if (auto* t = qobject_cast<T*>(w))
            out.push_back(t);
    return out;
}

// Buttons whose click starts a yielding loop.
bool startsLoop(const QWidget* w) { return w->objectName() == QLatin1String("Boton_Iniciar"); }

} // namespace

Driver::Driver(unsigned long long seed, long events) : rng_(seed), seed_(seed), budget_(events) {}

bool Driver::run()
{
    ui::setDecimalSeparator(chance(0.5) ? ',' : '.');
    note(QStringLiteral("decimal separator '%1'").arg(QChar(ui::decimalSeparator())));
    // A fast clock: the splash's three seconds and the spin buttons' tenth pass in a few reads.
    ui::setClockForTests([] {
        static double t = 0;
        return t += 0.02;
    });
    ui::setDialogAnswerer([this](const ui::DialogRequest& r) {
        ui::DialogReply reply;
        if (r.kind == ui::DialogRequest::Input) {
            static const QStringList answers = {QString(), QStringLiteral("1013"), QStringLiteral("-5"),
                                                QStringLiteral("0"), QStringLiteral("1e39"), QStringLiteral("abc"),
                                                QStringLiteral("12,5"), QStringLiteral("1013.25"),
                                                QString(400, QLatin1Char('9')), QStringLiteral("1e400"),
                                                QStringLiteral("  77.5x")};
            reply.ok = !chance(0.15);
            reply.text = chance(0.2) ? r.proposed : answers[pick(int(answers.size()))];
            note(QStringLiteral("  answer input '%1' with %2'%3'")
                            .arg(r.title, reply.ok ? QString() : QStringLiteral("cancel "), reply.text.left(20)));
        } else {
            note(QStringLiteral("  close message '%1'").arg(r.text.left(40)));
        }
        return reply;
    });

    while (sent_ < budget_ && !failed_) {
        QTimer::singleShot(0, [this] { tick(); });
        shell::startProgram();
        if (!ui::ending())
            QApplication::exec();
        // The program ended ("Salir" or the launcher's close box): start it again.
        ui::unloadAllForms();
        ++restarts_;
        note(QStringLiteral("-- program ended; restart %1").arg(restarts_));
    }
    ui::setDialogAnswerer({});
    ui::setClockForTests({});
    if (qEnvironmentVariableIsSet("BRANTEL_STRESS_LOG"))
        for (const QString& line : log_)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
    return !failed_;
}

void Driver::tick()
{
    if (failed_ || ui::ending())
        return;
    if (sent_ >= budget_) {
        ui::End();
        return;
    }
    // The next event is scheduled first, so that events keep arriving inside the program's
    // yielding loops (a fall, a settling motion) started by this one.
    QTimer::singleShot(0, [this] { tick(); });
    ++depth_;
    ++sent_;
    act();
    --depth_;
    if (!failed_ && !ui::ending())
        checkInvariants();
}

void Driver::act()
{
    const std::vector<ui::Form*> forms = liveForms(true);
    if (forms.empty())
        return;
    // The launcher is always there; the simulations get most of the events.
    std::vector<ui::Form*> simulations;
    for (ui::Form* g : forms)
        if (g->objectName() != QLatin1String("Brantel"))
            simulations.push_back(g);
    ui::Form* f = !simulations.empty() && !chance(0.15) ? simulations[size_t(pick(int(simulations.size())))]
                                                        : forms[size_t(pick(int(forms.size())))];
    const std::vector<QWidget*> ctls = controlsOf(f);
    const QString where = f->objectName();
    auto randomPoint = [this](QWidget* w) { return QPoint(pick(std::max(1, w->width())), pick(std::max(1, w->height()))); };
    auto button = [this] { return chance(0.8) ? Qt::LeftButton : Qt::RightButton; };

    if (depth_ > kMaxDepth) {
        // Calm events only: direct clicks, bar values, close boxes; nothing that yields.
        const int kind = pick(3);
        if (kind == 0) {
            auto buttons = ofKind<QAbstractButton>(ctls);
            if (buttons.empty())
                return;
            QAbstractButton* b = buttons[size_t(pick(int(buttons.size())))];
            if (startsLoop(b) || qobject_cast<QRadioButton*>(b) == nullptr && b->text() == QLatin1String("Salir")
                && where == QLatin1String("Brantel"))
                return;
            note(QStringLiteral("[%1] calm click %2").arg(sent_).arg(describe(b)));
            b->click();
        } else if (kind == 1) {
            auto bars = ofKind<ui::ScrollBar>(ctls);
            if (bars.empty())
                return;
            ui::ScrollBar* s = bars[size_t(pick(int(bars.size())))];
            const int v = s->minimum() + pick(s->maximum() - s->minimum() + 1);
            note(QStringLiteral("[%1] calm value %2 = %3").arg(sent_).arg(describe(s)).arg(v));
            s->setValue(v);
        } else if (where != QLatin1String("Brantel") && where != QLatin1String("arranque")) {
            note(QStringLiteral("[%1] calm close box %2").arg(sent_).arg(where));
            f->close();
        }
        return;
    }

    const int kind = pick(100);
    if (kind < 30 && !ctls.empty()) {   // a click on a control
        QWidget* w = ctls[size_t(pick(int(ctls.size())))];
        // The launcher's "Salir" ends the program: rarely, so that windows live long.
        if (where == QLatin1String("Brantel") && w->objectName() == QLatin1String("Command1") && !chance(0.1))
            return;
        const QPoint p = randomPoint(w);
        const Qt::MouseButton b = button();
        note(QStringLiteral("[%1] click %2 at %3,%4 button %5").arg(sent_).arg(describe(w)).arg(p.x()).arg(p.y()).arg(int(b)));
        QTest::mouseClick(w, b, {}, p);
    } else if (kind < 38) {   // a click on the bare window
        const QPoint p = randomPoint(&f->client());
        note(QStringLiteral("[%1] click %2 background at %3,%4").arg(sent_).arg(where).arg(p.x()).arg(p.y()));
        QTest::mouseClick(&f->client(), button(), {}, p);
    } else if (kind < 41 && !ctls.empty()) {
        QWidget* w = ctls[size_t(pick(int(ctls.size())))];
        note(QStringLiteral("[%1] double click %2").arg(sent_).arg(describe(w)));
        QTest::mouseDClick(w, Qt::LeftButton, {}, randomPoint(w));
    } else if (kind < 55) {   // press on a picture and drag it anywhere
        auto pics = ofKind<ui::PictureBox>(ctls);
        // Mostly the things meant to be dragged: the weights and the block.
        std::vector<ui::PictureBox*> draggable;
        for (ui::PictureBox* p : pics)
            if (p->objectName().startsWith(QLatin1String("Pesa")) || p->objectName() == QLatin1String("solido"))
                draggable.push_back(p);
        if (!draggable.empty() && chance(0.8))
            pics = draggable;
        if (pics.empty())
            return;
        ui::PictureBox* src = pics[size_t(pick(int(pics.size())))];
        const Qt::MouseButton b = button();
        note(QStringLiteral("[%1] press %2 and drag").arg(sent_).arg(describe(src)));
        QTest::mousePress(src, b, {}, randomPoint(src));
        QWidget* area = &f->client();
        QPoint p = randomPoint(area);
        for (int i = pick(4); i >= 0; --i) {
            p = randomPoint(area);
            QTest::mouseMove(area, p);
        }
        note(QStringLiteral("    release at %1,%2").arg(p.x()).arg(p.y()));
        QTest::mouseRelease(area, b, {}, p);
    } else if (kind < 65) {   // keys into a text box or a list
        std::vector<QWidget*> boxes;
        for (QWidget* w : ctls)
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
                boxes.push_back(w);
        if (boxes.empty())
            return;
        QWidget* w = boxes[size_t(pick(int(boxes.size())))];
        QWidget* target = qobject_cast<QComboBox*>(w) ? static_cast<QComboBox*>(w)->lineEdit() : w;
        static const int keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_5, Qt::Key_9, Qt::Key_A, Qt::Key_X,
                                   Qt::Key_Comma, Qt::Key_Period, Qt::Key_Minus, Qt::Key_Backspace, Qt::Key_Return,
                                   Qt::Key_Up, Qt::Key_Down, Qt::Key_Delete, Qt::Key_Space, Qt::Key_E};
        const int key = keys[pick(int(std::size(keys)))];
        const Qt::KeyboardModifiers mods = chance(0.05) ? Qt::ControlModifier : Qt::NoModifier;
        note(QStringLiteral("[%1] key %2 into %3").arg(sent_).arg(key, 0, 16).arg(describe(w)));
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), mods);
    } else if (kind < 80) {   // scroll bars: arrows, track, thumb
        auto bars = ofKind<ui::ScrollBar>(ctls);
        if (bars.empty())
            return;
        ui::ScrollBar* s = bars[size_t(pick(int(bars.size())))];
        QStyleOptionSlider opt;
        opt.initFrom(s);
        opt.orientation = s->orientation();
        opt.minimum = s->minimum();
        opt.maximum = s->maximum();
        opt.sliderPosition = s->sliderPosition();
        opt.sliderValue = s->value();
        opt.singleStep = s->singleStep();
        opt.pageStep = s->pageStep();
        const QRect thumb = s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, s);
        if (chance(0.4) && thumb.isValid()) {
            note(QStringLiteral("[%1] drag thumb of %2").arg(sent_).arg(describe(s)));
            QTest::mousePress(s, Qt::LeftButton, {}, thumb.center());
            for (int i = pick(4); i >= 0; --i)
                QTest::mouseMove(s, randomPoint(s));
            QTest::mouseRelease(s, Qt::LeftButton, {}, randomPoint(s));
        } else {
            const QPoint p = randomPoint(s);
            note(QStringLiteral("[%1] click %2 at %3,%4").arg(sent_).arg(describe(s)).arg(p.x()).arg(p.y()));
            QTest::mouseClick(s, Qt::LeftButton, {}, p);
        }
    } else if (kind < 93) {   // a menu command
        std::vector<QAction*> actions;
        for (QAction* a : f->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && !a->menu() && !a->isSeparator())
                actions.push_back(a);
        if (actions.empty())
            return;
        QAction* a = actions[size_t(pick(int(actions.size())))];
        // The launcher's way out ends the program: rarely.
        if (where == QLatin1String("Brantel") && a->objectName() == QLatin1String("menu_salir") && !chance(0.1))
            return;
        note(QStringLiteral("[%1] menu %2.%3").arg(sent_).arg(where, a->objectName()));
        a->trigger();
    } else if (kind < 98) {   // the close box
        if (where == QLatin1String("Brantel") && !chance(0.05))
            return;
        note(QStringLiteral("[%1] close box %2").arg(sent_).arg(where));
        f->close();
    } else {   // a launcher picture from wherever the user is
        Brantel* b = nullptr;
        for (ui::Form* g : liveForms(true))
            if ((b = qobject_cast<Brantel*>(g)))
                break;
        if (!b)
            return;
        QWidget* pics[] = {b->Picture1, b->Picture2, b->Picture3};
        QWidget* w = pics[pick(3)];
        note(QStringLiteral("[%1] launcher %2").arg(sent_).arg(w->objectName()));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(10, 10));
    }
}

void Driver::note(const QString& line)
{
    log_.push_back(line);
    if (log_.size() > 2000)
        log_.pop_front();
}

bool Driver::checkInvariants()
{
    for (const auto& [name, check] : invariants_) {
        const QString problem = check();
        if (!problem.isEmpty()) {
            fail(name + QStringLiteral(": ") + problem);
            return false;
        }
    }
    return true;
}

void Driver::fail(const QString& what)
{
    failed_ = true;
    std::fprintf(stderr, "stress: invariant failed after event %ld (seed %llu): %s\n", sent_, seed_, qPrintable(what));
    std::fprintf(stderr, "stress: the last events that led there (the seed replays them all):\n");
    for (const QString& line : log_)
        std::fprintf(stderr, "  %s\n", qPrintable(line));
    ui::End();
}

} // namespace stress
