// The soak: the stress run's random input through every window, as `stress_run` sends it,
// with every window held to the desktop's size and put at that size the first time it is
// shown. What grows with a window has then reached its bound before the events start: Qt's
// backing store, as large as the window, and the kept drawings, which stop at the desktop's
// size (a window made larger than the desktop still grows Qt's backing store with it).
// Blocks of 128 KiB or more (any sizeable image) are always mapped on their own and handed
// back when freed: by default the C library raises that threshold to the largest block freed
// so far and then serves such images from its heap, where each resize leaves holes that the
// peak counts, growing over a long run. Any growth left is the program's own.
//
//   brantel_soak EVENTS [SEED]
// Prints the peak memory (VmHWM) in KiB; fails on a broken invariant.
#include "tests/stress/stress_driver.h"
#include "ui/form.h"
#include "ui/runtime.h"

#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

class AtTheDesktopsSize : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* form = qobject_cast<ui::Form*>(watched);
        if (event->type() != QEvent::Show || !form || !form->screen())
            return false;
        const QSize desktop = form->screen()->virtualSize();
        if (form->maximumSize() == desktop)
            return false;   // already held
        form->setMaximumSize(desktop);
        // After the window's own first placement at its design size.
        QTimer::singleShot(0, form, [f = QPointer<ui::Form>(form), desktop] {
            if (f)
                f->resize(desktop);
        });
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const long budget = argc > 1 ? std::atol(argv[1]) : 1000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 4242ULL;
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);   // the C library's default, kept fixed
    stress::Application app(argc, argv);
    ui::applyApplicationLook();
    AtTheDesktopsSize held;
    app.installEventFilter(&held);
    stress::Driver driver(seed, budget);
    stress::addWindowInvariants(driver);
    const bool ok = driver.run();
    std::printf("%ld\n", stress::peakMemoryKb());
    return ok ? 0 : 1;
}
