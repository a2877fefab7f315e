// Random-input stress run: stress_run [EVENTS [SEED [MAX_NESTING]]].
// Prints what was delivered, where, how deep events nested and the peak memory; fails on a
// broken invariant or when fewer than nine events in ten reached the program.
#include "tests/stress/stress_driver.h"
#include "ui/runtime.h"

#include <cstdio>
#include <cstdlib>

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

    const long delivered = driver.delivered();
    const bool enough = delivered * 10 >= budget * 9;
    std::printf("stress: seed %llu: delivered %ld of %ld events (%.1f %%), %ld attempted, %d restarts\n", seed,
                delivered, budget, budget > 0 ? 100.0 * double(delivered) / double(budget) : 0.0, driver.attempted(),
                driver.restarts());
    // Delivered events by kind (rows) and window (columns).
    const auto& byWindow = driver.byWindow();
    std::printf("stress: %-18s", "delivered");
    for (const auto& [window, counts] : byWindow)
        std::printf(" %9s", qPrintable(window));
    std::printf(" %9s\n", "total");
    for (int k = 0; k <= stress::kKinds; ++k) {
        std::printf("stress: %-18s", k < stress::kKinds ? stress::kindName(stress::Kind(k)) : "total");
        long row = 0;
        for (const auto& [window, counts] : byWindow) {
            long n = 0;
            for (int j = 0; j < stress::kKinds; ++j)
                if (j == k || k == stress::kKinds)
                    n += counts[size_t(j)];
            row += n;
            std::printf(" %9ld", n);
        }
        std::printf(" %9ld\n", row);
    }
    std::printf("stress: deepest nesting: %d events inside one another (limit %d)\n", driver.deepestNesting(),
                maxDepth);
    std::printf("stress: peak memory (VmHWM): %ld kB\n", stress::peakMemoryKb());
    if (ok && !enough)
        std::printf("stress: FAILED: fewer than 90 %% of the events reached the program\n");
    if (!ok)
        std::printf("stress: FAILED: an invariant broke (see above)\n");
    if (ok && enough)
        std::printf("stress: passed\n");
    return ok && enough ? 0 : 1;
}
