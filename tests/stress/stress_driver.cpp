#include "tests/stress/stress_driver.h"
#include "tests/stress/reception.h"

#include "core/conversions.h"
#include "shell/arranque.h"
#include "tests/support/proc_status.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/runtime.h"

#include <QTimer>
#include <cstdio>

namespace stress {

namespace {

// Each kind's name in the summary, and how often the run sends it.
constexpr struct { const char* name; double weight; } kKindTable[kKinds] = {
    {"click", 20},           {"click on a disabled control", 2}, {"right click", 4},
    {"double click", 3},     {"background click", 6},            {"background burst", 1},
    {"pointer moves", 4},    {"drag", 12},                       {"drag + close box", 0.8},
    {"scroll bar click", 8}, {"scroll bar thumb", 4},            {"keys in box", 5},
    {"typing into list", 3}, {"Enter in list", 2},               {"radius box edit", 3},
    {"clipboard keys", 1},   {"menu command", 7},                {"close box", 2},
    {"resize", 2},           {"launcher picture", 5},            {"end of program", 0.06},
};

} // namespace

const char* kindName(Kind k) { return kKindTable[int(k)].name; }

long peakMemoryKb() { return procStatusKb("VmHWM"); }

Driver::Driver(unsigned long long seed, long budget, int maxDepth)
    : rng_(seed), seed_(seed), budget_(budget), maxDepth_(maxDepth)
{
}

bool Driver::run()
{
    classic::setDecimalSeparator(chance(0.5) ? ',' : '.');
    note(QStringLiteral("decimal separator '%1'").arg(QChar(classic::decimalSeparator())));
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

    while (ticks_ < budget_ && !failed_) {
        const long before = ticks_;
        schedule();
        shell::startProgram();
        if (!ui::ending())
            QApplication::exec();
        // The program ended ("Salir" or the launcher's close box): start it again.
        ++generation_;
        burstLeft_ = 0;
        ui::unloadAllForms();
        if (ticks_ == before)
            break;   // nothing could be sent to this start: do not loop for ever
        if (ticks_ < budget_) {
            ++restarts_;
            note(QStringLiteral("-- program ended; restart %1").arg(restarts_));
        }
    }
    ui::setDialogAnswerer({});
    ui::setClockForTests({});
    if (qEnvironmentVariableIsSet("BRANTEL_STRESS_LOG"))
        for (const QString& line : log_)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
    return !failed_;
}

void Driver::schedule()
{
    const int generation = generation_;
    QTimer::singleShot(0, qApp, [this, generation] { tick(generation); });
}

void Driver::tick(int generation)
{
    // A tick left over from a program that has ended belongs to no run.
    if (generation != generation_ || failed_ || ui::ending())
        return;
    // Qt Test processes pending events between the parts of a gesture and after it: an event
    // that comes then would cut into the gesture, which no user can do. It waits for the
    // gesture's end or for a handler's yielding loop (which runs inside a delivered event).
    if (!delivering_.empty() && Application::inputDepth() <= delivering_.back()) {
        schedule();
        return;
    }
    if (ticks_ >= budget_) {
        ui::End();
        return;
    }
    // The next event is scheduled first, so that events keep arriving inside the program's
    // yielding loops (a fall, a settling motion) started by this one.
    schedule();
    ++ticks_;
    ++depth_;
    deepest_ = std::max(deepest_, depth_);
    delivering_.push_back(Application::inputDepth());
    const bool wasCalm = calm_;
    calm_ = depth_ > maxDepth_;
    // Now and then the windows' timers tick between the events, when the seed says.
    if (chance(0.02)) {
        note(QStringLiteral("[%1] the timers tick").arg(ticks_));
        for (ui::Form* f : ui::allForms())
            for (ui::TimerControl* t : f->findChildren<ui::TimerControl*>())
                if (t->isActive() && t->onTimer)
                    t->onTimer();
    }
    const bool sent = act();
    calm_ = wasCalm;
    delivering_.pop_back();
    --depth_;
    if (!sent)
        note(QStringLiteral("[%1] nothing could be sent").arg(ticks_));
    if (!failed_ && !ui::ending())
        checkInvariants();
}

bool Driver::act()
{
    // A burst goes on over the next events while its window shows.
    if (burstLeft_ > 0) {
        --burstLeft_;
        if (burstWindow_ && burstWindow_->alive() && burstWindow_->isVisible()
            && clickBackground(Kind::BackgroundBurst, burstWindow_))
            return true;
        burstLeft_ = 0;
    }
    if (calm_ && chance(0.3) && endALoop())
        return true;
    std::array<double, kKinds> weights;
    for (int k = 0; k < kKinds; ++k)
        weights[size_t(k)] = kKindTable[k].weight;
    std::discrete_distribution<int> kinds(weights.begin(), weights.end());
    // A kind with nothing to act on in the windows that show, or nothing a pointer can reach
    // there, gives way to another.
    for (int attempt = 0; attempt < 12 && !failed_ && !ui::ending(); ++attempt)
        if (send(Kind(kinds(rng_))))
            return true;
    return false;
}

bool Driver::tally(Kind k, const QString& window, const Watch& seen)
{
    ++sent_[size_t(k)];
    if (!seen.reached(k)) {
        note(QStringLiteral("    (did not reach what it was aimed at%1)")
                 .arg(seen.pressWentTo().isEmpty() ? QString() : QStringLiteral("; the press went to ") + seen.pressWentTo()));
        return true;
    }
    ++reached_;
    ++byWindow_[window][size_t(k)];
    // A long run shows how far it got and whether memory keeps growing.
    if (budget_ >= 50000 && reached_ % (budget_ / 10) == 0) {
        std::printf("stress: %ld events reached their controls, %d restarts, peak memory %ld kB\n", reached_,
                    restarts_, peakMemoryKb());
        std::fflush(stdout);
    }
    return true;
}

void Driver::note(const QString& line)
{
    // Each line says how deep inside one another its event came.
    log_.push_back(QStringLiteral("%1 %2").arg(depth_, 2).arg(line));
    if (log_.size() > 2000)
        log_.pop_front();
}

bool Driver::checkInvariants()
{
    // A soak run may look past a fault that is known and being repaired:
    // BRANTEL_STRESS_SKIP="name,name" leaves those invariants out.
    static const QStringList skipped =
        qEnvironmentVariable("BRANTEL_STRESS_SKIP").split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const auto& [name, check] : invariants_) {
        if (skipped.contains(name))
            continue;
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
    std::fprintf(stderr, "stress: invariant failed after event %ld (seed %llu): %s\n", ticks_, seed_, qPrintable(what));
    std::fprintf(stderr, "stress: the last events that led there (the seed replays them all):\n");
    for (const QString& line : log_)
        std::fprintf(stderr, "  %s\n", qPrintable(line));
    ui::End();
}

} // namespace stress
