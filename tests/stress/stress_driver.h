// A seeded driver that starts the real program and sends it random real input events,
// checking after each one that the windows' state still holds together.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace stress {

// Returns an empty text when the invariant holds, else what is wrong.
using Invariant = std::function<QString()>;

class Driver {
public:
    Driver(unsigned long long seed, long events);
    // Runs the program until the number of events has been sent; false on a failed invariant
    // (the seed and the events that led there are printed).
    bool run();

    void addInvariant(QString name, Invariant check) { invariants_.push_back({std::move(name), std::move(check)}); }
    long eventsSent() const { return sent_; }
    int restarts() const { return restarts_; }

private:
    void tick();
    void act();
    bool checkInvariants();
    void fail(const QString& what);
    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    std::mt19937_64 rng_;
    unsigned long long seed_;
    long budget_;
    long sent_ = 0;
    int restarts_ = 0;
    int depth_ = 0;
    bool failed_ = false;
    void note(const QString& line);
    std::deque<QString> log_;   // the latest events; the seed reproduces all of them
    std::vector<std::pair<QString, Invariant>> invariants_;
};

// Invariants of every window (defined beside the driver).
void addWindowInvariants(Driver& d);

} // namespace stress
