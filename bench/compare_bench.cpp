// The program measured side by side with its floors, printed as one table of ratios, so
// that a noisy machine does not matter:
//   - start-up: time to the first painted splash and peak memory, against a bare Qt Widgets
//     program that opens one empty window;
//   - run loop: a whole 115,000-step liquid run in the shown window at the fastest speed,
//     against the same steps of the model alone;
//   - idle: CPU use over 10 s with every window open and nothing running;
//   - soak: peak memory of the stress run after 100,000 events against after 1,000;
//   - reload: heap in use after 10,000 openings and close-box closings of each simulation
//     window against after 100.
//
//   brantel_compare [RUNS] [STRESS_RUN]
// The same executable is started again in a role ("bare", "brantel", "idle", "reload WINDOW")
// for each run.
#include "falling_spheres/declarac.h"
#include "core/fall_model.h"
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "ui/form.h"
#include "shell/arranque.h"
#include "shell/brantel.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Reports the moment the first paint of a window reaches it, then leaves at once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QString window) : window_(std::move(window)) {}

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() == QEvent::Paint && obj->isWidgetType()
            && static_cast<QWidget*>(obj)->window()->objectName() == window_) {
            std::printf("%lld\n", monotonicNs());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

private:
    QString window_;
};

// Heap in use, in KiB, with freed memory handed back first so that only what is held counts.
long heapKb()
{
    malloc_trim(0);
    return long(mallinfo2().uordblks / 1024);
}

// Opens a window as the launcher does and closes it by its close box, `times` times.
template <class F> void reload(int times)
{
    for (int i = 0; i < times; ++i) {
        F& f = ui::instance<F>();
        f.Show();
        QCoreApplication::processEvents();
        f.windowHandle()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// Prints the heap after 100 reloads of one window, then after 10,000.
template <class F> void reloadRole()
{
    reload<F>(100);
    const long small = heapKb();
    reload<F>(10000 - 100);
    std::printf("%ld %ld\n", small, heapKb());
    std::fflush(stdout);
}

int runRole(const std::string& role, int argc, char** argv)
{
    QApplication app(argc, argv);
    if (role == "bare") {
        FirstPaint probe(QStringLiteral("bare"));
        app.installEventFilter(&probe);
        QWidget w;
        w.setObjectName(QStringLiteral("bare"));
        w.resize(487, 406);
        w.show();
        return app.exec();
    }
    ui::applyApplicationLook();
    if (role == "reload") {
        ui::setDialogAnswerer([](const ui::DialogRequest&) { return ui::DialogReply{}; });
        const std::string window = argc >= 3 ? argv[2] : "";
        if (window == "principa")
            reloadRole<principa>();
        else if (window == "flotar")
            reloadRole<flotar>();
        else if (window == "Form1")
            reloadRole<Form1>();
        return 0;
    }
    if (role == "brantel") {
        FirstPaint probe(QStringLiteral("arranque"));
        app.installEventFilter(&probe);
        shell::startProgram();
        return app.exec();
    }
    // idle: every window open, nothing running, 10 s of the event loop.
    ui::setClockForTests([] { static double t = 0; return t += 1; });
    shell::startProgram();
    ui::setClockForTests({});
    Brantel& b = ui::instance<Brantel>();
    b.AbrirPresiones();
    b.AbrirFlotacion();
    b.AbrirCaida();
    ui::instance<Form1>().Show();
    ui::instance<flotar>().Show();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const long long t0 = monotonicNs();
    QTimer::singleShot(10000, &app, [&] {
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        auto cpu = [](const rusage& r) {
            return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
        };
        const double wall = (monotonicNs() - t0) / 1e9;
        std::printf("%.4f\n", 100.0 * (cpu(after) - cpu(before)) / wall);
        std::fflush(stdout);
        std::_Exit(0);
    });
    return app.exec();
}

struct Sample {
    double ms = 0;
    long maxRssKb = 0;
    std::string out;
};

Sample spawn(const char* self, const char* role, const char* arg = nullptr)
{
    int pipefd[2];
    if (pipe(pipefd) != 0)
        std::exit(2);
    const long long t0 = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipefd[1], STDOUT_FILENO);
        close(pipefd[0]);
        execl(self, self, role, arg, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(pipefd[1]);
    std::string out;
    char buf[256];
    ssize_t n;
    while ((n = read(pipefd[0], buf, sizeof buf)) > 0)
        out.append(buf, size_t(n));
    close(pipefd[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    Sample s;
    s.out = out;
    s.maxRssKb = ru.ru_maxrss;
    if (!out.empty())
        s.ms = (std::atoll(out.c_str()) - t0) / 1e6;
    return s;
}

template <class T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Wood rising through water from 20, in the shown window at the fastest speed: returns the
// milliseconds of the whole run and its number of steps.
std::pair<double, long> windowRun()
{
    principa& w = ui::instance<principa>();
    w.Show();
    w.VScroll2->setValue(0);
    w.VScroll1->setValue(20);
    w.Option1[3]->setValue(true);
    w.Combo1->setListIndex(4);
    const long long t0 = monotonicNs();
    w.Boton_Iniciar->click();
    return {(monotonicNs() - t0) / 1e6, std::lround(DECLARAC::tiempo / 0.0001)};
}

// The same steps of the model alone, through the same run loop with nothing to show.
double modelRun(long steps)
{
    caida::ModeloLiquido m(0.02, 0.8, 20);
    long taken = 0;
    caida::Enlace enlace;
    enlace.detener = [&] { return taken == steps; };
    enlace.pasoHecho = [&](const caida::Modelo&) { ++taken; };
    const long long t0 = monotonicNs();
    caida::correr(m, enlace);
    return (monotonicNs() - t0) / 1e6;
}

long peakMemoryKb(const char* program, const char* events)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, events, "4242", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ru.ru_maxrss : -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (std::string(argv[1]) == "bare" || std::string(argv[1]) == "brantel"
                      || std::string(argv[1]) == "idle" || std::string(argv[1]) == "reload"))
        return runRole(argv[1], argc, argv);

    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    std::printf("%-28s %12s %12s %8s %8s\n", "measure", "floor", "brantel", "ratio", "target");
    std::vector<double> bareMs, ourMs;
    std::vector<long> bareKb, ourKb;
    for (int i = 0; i < runs; ++i) {   // interleaved, so a noisy moment hits both
        const Sample b = spawn(argv[0], "bare");
        const Sample o = spawn(argv[0], "brantel");
        bareMs.push_back(b.ms);
        ourMs.push_back(o.ms);
        bareKb.push_back(b.maxRssKb);
        ourKb.push_back(o.maxRssKb);
    }
    const double tb = median(bareMs), to = median(ourMs);
    const long mb = median(bareKb), mo = median(ourKb);
    std::printf("%-28s %12.1f %12.1f %8.2f %8s\n", "first paint (ms, median)", tb, to, to / tb, "<= 1.5");
    std::printf("%-28s %12ld %12ld %8.2f %8s\n", "peak memory (KiB, median)", mb, mo, double(mo) / double(mb),
                "<= 1.3");

    {
        QApplication app(argc, argv);
        ui::applyApplicationLook();
        ui::setDialogAnswerer([](const ui::DialogRequest&) { return ui::DialogReply{}; });
        std::vector<double> inWindow, alone;
        long steps = 0;
        for (int i = 0; i < 3; ++i) {
            const auto [ms, n] = windowRun();
            inWindow.push_back(ms);
            steps = n;
            alone.push_back(modelRun(n));
        }
        const double tw = median(inWindow), ta = median(alone);
        std::printf("%-28s %12.1f %12.1f %8.1f %8s\n", "liquid run, ms (model/win)", ta, tw, tw / ta, "win<1000");
        std::printf("%-28s %12ld %12s %8s %8s\n", "  steps in the run", steps, "", "", "");
        ui::unloadAllForms();
    }

    const Sample idle = spawn(argv[0], "idle");
    std::printf("%-28s %12s %12.2f %8s %8s\n", "idle CPU, all windows (%)", "-", std::atof(idle.out.c_str()), "-",
                "< 1");

    for (const char* window : {"principa", "flotar", "Form1"}) {
        long small = 0, large = 0;
        std::sscanf(spawn(argv[0], "reload", window).out.c_str(), "%ld %ld", &small, &large);
        const std::string measure = std::string("reload heap KiB, ") + window;
        std::printf("%-28s %12ld %12ld %8.2f %8s\n", measure.c_str(), small, large,
                    double(large) / double(small), "+<1024");
    }

    if (argc >= 3) {
        // After 1,000 events not every window has been opened yet; 10,000 shows the plateau.
        const long small = peakMemoryKb(argv[2], "1000");
        const long warm = peakMemoryKb(argv[2], "10000");
        const long large = peakMemoryKb(argv[2], "100000");
        std::printf("%-28s %12ld %12ld %8.2f %8s\n", "soak peak KiB (1k/100k ev.)", small, large,
                    double(large) / double(small), "~1");
        std::printf("%-28s %12ld %12ld %8.2f %8s\n", "soak peak KiB (10k/100k ev.)", warm, large,
                    double(large) / double(warm), "~1");
    }
    return 0;
}
