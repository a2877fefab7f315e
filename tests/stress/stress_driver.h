// A seeded driver that starts the real program and sends it random pointer and key input
// through its windows, as a window system does, checking after each event that the
// windows' state still holds together.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <vector>

class QWidget;
class QWindow;
class Form1;
class principa;
class flotar;
namespace ui {
class Form;
class ScrollBar;
}

namespace stress {

// Returns an empty text when the invariant holds, else what is wrong.
using Invariant = std::function<QString()>;

// What the driver does, one kind per thing a user does.
enum class Kind {
    Click,
    DisabledClick,
    RightClick,
    DoubleClick,
    BackgroundClick,
    BackgroundBurst,
    PointerMoves,
    Drag,
    DragThenCloseBox,
    ScrollBarClick,
    ScrollBarThumb,
    TypeInTextBox,
    TypeInList,
    EnterInList,
    RadiusBoxEdit,
    Clipboard,
    Menu,
    CloseBox,
    Resize,
    LauncherPicture,
    EndProgram,
    Count
};
constexpr int kKinds = int(Kind::Count);
const char* kindName(Kind k);

// The application of a stress run: it knows when an input event is being handed to a
// widget, so that the driver can tell a handler's yielding loop (where new events belong)
// from Qt Test's own event processing between the parts of a gesture, and a Watch
// (reception.h) where Qt handed it. It holds back the windows' timers, so that a seed
// replays the same run however fast the machine is.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* e) override;
    // How many input events are being delivered, one inside the other.
    static int inputDepth();
};

class Watch;

class Driver {
public:
    // `budget` events are attempted; deeper than `maxDepth` events inside one another, only
    // events that cannot start a further yielding loop are sent.
    Driver(unsigned long long seed, long budget, int maxDepth = 8);
    // Runs the program until the budget has been used; false on a failed invariant
    // (the seed and the events that led there are printed).
    bool run();

    void addInvariant(QString name, Invariant check) { invariants_.push_back({std::move(name), std::move(check)}); }
    long budget() const { return budget_; }
    long attempted() const { return ticks_; }
    // Events sent, by kind, and those of them that reached what they were aimed at.
    const std::array<long, kKinds>& sent() const { return sent_; }
    long reached() const { return reached_; }
    int restarts() const { return restarts_; }
    int deepestNesting() const { return deepest_; }
    // Events that reached what they were aimed at, by window and kind.
    const std::map<QString, std::array<long, kKinds>>& byWindow() const { return byWindow_; }

private:
    void schedule();
    void tick(int generation);
    bool act();
    bool checkInvariants();
    void fail(const QString& what);
    void note(const QString& line);
    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    template <class T> T* any(const std::vector<T*>& v) { return v.empty() ? nullptr : v[size_t(pick(int(v.size())))]; }

    // Counts an event sent to `window`, and whether it reached what `seen` watched; true.
    bool tally(Kind k, const QString& window, const Watch& seen);

    // The event kinds (stress_events.cpp). Each returns true once it sent its event; false
    // when it found nothing to aim at where a pointer can reach it.
    bool send(Kind k);
    ui::Form* someWindow();
    // A point of `w` where a press lands on it, or (`press` false) where the pointer is over it
    // or over a control inside it; (-1, -1) where the window shows none.
    QPoint somePoint(QWidget* w, bool press = true);
    QPoint bareSpot(ui::Form* f);
    bool clickControl(Kind k, ui::Form* f, QWidget* target, Qt::MouseButton b);
    bool clickBackground(Kind k, ui::Form* f);
    bool clickAt(Kind k, ui::Form* f, QWidget* w, QPoint p, Qt::MouseButton b);
    // The pointer moved onto `w` at `p` and pressed there, counted; the window that took it.
    QPointer<QWindow> pressAt(Kind k, ui::Form* f, QWidget* w, QPoint p, Qt::MouseButton b);
    // Up to `n` + 1 moves over `w` with the button held; where the pointer ends.
    QPoint wander(QWidget* w, QPoint from, int n);
    bool doubleClick(ui::Form* f);
    bool pointerMoves(ui::Form* f);
    bool dragPicture(Kind k, ui::Form* f, QWidget* source);
    bool scrollBarClick(ui::Form* f, ui::ScrollBar* bar);
    bool scrollBarThumb(ui::Form* f);
    bool typeInto(Kind k, ui::Form* f, QWidget* box);
    bool menuCommand(Kind k, ui::Form* f, const QString& only = {});
    bool closeBox(Kind k, ui::Form* f);
    bool resize(ui::Form* f);
    bool launcherPicture();
    bool endProgram();
    // Near the nesting limit: an event that ends a running fall or settling motion.
    bool endALoop();
    bool startsLoop(const ui::Form* f, const QWidget* target) const;

    std::mt19937_64 rng_;
    unsigned long long seed_;
    long budget_;
    int maxDepth_;
    long ticks_ = 0;
    long reached_ = 0;
    std::array<long, kKinds> sent_{};
    int restarts_ = 0;
    int depth_ = 0;
    int deepest_ = 0;
    int generation_ = 0;
    bool calm_ = false;   // no event may start a further yielding loop
    bool failed_ = false;
    // Input depth at the start of each event the driver is delivering.
    std::vector<int> delivering_;
    // A burst of background clicks on one window, spread over the next events.
    QPointer<ui::Form> burstWindow_;
    int burstLeft_ = 0;
    std::map<QString, std::array<long, kKinds>> byWindow_;
    std::deque<QString> log_;   // the latest events; the seed replays all of them
    std::vector<std::pair<QString, Invariant>> invariants_;
};

// Invariants of every window (defined beside the driver).
void addWindowInvariants(Driver& d);

// What the stress run reads of a window's own state, beyond its controls: the windows name
// this struct their friend.
struct Invariants {
    // What is wrong in the window, or an empty text.
    static QString pressureProblem(Form1& w);
    static QString fallProblem(principa& w);
    static QString flotationProblem(flotar& w);
    // A settling motion may be moving the block.
    static bool flotationMoving(const flotar& w);
};

// Peak resident memory of this process in kB (VmHWM), or -1 where unknown.
long peakMemoryKb();

} // namespace stress
