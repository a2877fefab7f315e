// Random-input stress run: stress_run [EVENTS [SEED]].
#include "tests/stress/stress_driver.h"
#include "ui/runtime.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long events = argc > 1 ? std::atol(argv[1]) : 3000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261208ULL;
    QApplication app(argc, argv);
    ui::applyApplicationLook();
    stress::Driver driver(seed, events);
    stress::addWindowInvariants(driver);
    const bool ok = driver.run();
    std::printf("stress: %ld events, seed %llu, %d restarts\n", driver.eventsSent(), seed, driver.restarts());
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
