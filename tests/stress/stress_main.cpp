// Random-input stress run: stress_run [EVENTS [SEED [MAX_NESTING]]].
// Prints, by kind and by window, how many events reached the control or window they were
// aimed at, how deep events nested and the peak memory; fails on a broken invariant or when
// fewer than nine events in ten reached what they were aimed at.
#include "tests/stress/stress_driver.h"
#include "ui/runtime.h"

#include <cstdio>
#include <cstdlib>
#include <numeric>

int main(int argc, char** argv)
{
    const long budget = argc > 1 ? std::atol(argv[1]) : 3000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261208ULL;
    const int maxDepth = argc > 3 ? std::atoi(argv[3]) : 8;
    stress::Application app(argc, argv);
    ui::applyApplicationLook();
    stress::Driver driver(seed, budget, maxDepth);
    stress::addWindowInvariants(driver);
    const bool ok = driver.run();

    // An event counts when it reached the control or window it was aimed at; the gate is on
    // the events the run attempted, those it could not aim anywhere included.
    const long reached = driver.reached();
    const long sent = std::accumulate(driver.sent().begin(), driver.sent().end(), 0L);
    const bool enough = reached * 10 >= budget * 9;
    auto percent = [](long part, long whole) { return whole > 0 ? 100.0 * double(part) / double(whole) : 0.0; };
    std::printf("stress: seed %llu: %ld of %ld events reached what they were aimed at (%.1f %%); %ld sent, "
                "%ld found nothing to aim at, %d restarts\n",
                seed, reached, budget, percent(reached, budget), sent, driver.attempted() - sent, driver.restarts());
    // By kind (rows): sent, reached, and reached by window (columns).
    const auto& byWindow = driver.byWindow();
    std::printf("stress: %-28s %7s %7s %6s |", "kind", "sent", "reached", "%");
    for (const auto& [window, counts] : byWindow)
        std::printf(" %8s", qPrintable(window));
    std::printf("\n");
    for (int k = 0; k <= stress::kKinds; ++k) {
        // The row's kind, or every kind in the last row.
        auto of = [k](const std::array<long, stress::kKinds>& counts) {
            return k < stress::kKinds ? counts[size_t(k)] : std::accumulate(counts.begin(), counts.end(), 0L);
        };
        long kindReached = 0;
        for (const auto& [window, counts] : byWindow)
            kindReached += of(counts);
        std::printf("stress: %-28s %7ld %7ld %6.1f |", k < stress::kKinds ? stress::kindName(stress::Kind(k)) : "total",
                    of(driver.sent()), kindReached, percent(kindReached, of(driver.sent())));
        for (const auto& [window, counts] : byWindow)
            std::printf(" %8ld", of(counts));
        std::printf("\n");
    }
    std::printf("stress: deepest nesting: %d events inside one another (limit %d)\n", driver.deepestNesting(),
                maxDepth);
    std::printf("stress: peak memory (VmHWM): %ld kB\n", stress::peakMemoryKb());
    if (ok && !enough)
        std::printf("stress: FAILED: fewer than 90 %% of the events reached what they were aimed at\n");
    if (!ok)
        std::printf("stress: FAILED: an invariant broke (see above)\n");
    if (ok && enough)
        std::printf("stress: passed\n");
    return ok && enough ? 0 : 1;
}
