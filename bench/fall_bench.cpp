// Speed of the falling spheres: each fall model alone, step by step, and whole runs in the
// window as a user starts them with the speed bar at its fastest, where every step also
// yields once to the event loop.
#include "falling_spheres/declarac.h"
#include "core/fall_model.h"
#include "falling_spheres/principa.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_PasoVacio(benchmark::State& state)
{
    caida::ModeloAire m(1, 11.3, true, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.paso());
        if (!m.sigue())
            m = caida::ModeloAire(1, 11.3, true, 20);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PasoVacio);

void BM_PasoAire(benchmark::State& state)
{
    caida::ModeloAire m(1, 11.3, false, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.paso());
        if (!m.sigue())
            m = caida::ModeloAire(1, 11.3, false, 20);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PasoAire);

void BM_PasoLiquido(benchmark::State& state)
{
    const classic::Currency agua = *classic::CCur(0.01);
    caida::ModeloLiquido m(0.02, 0.8, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.paso(1, agua));
        if (!m.sigue())
            m = caida::ModeloLiquido(0.02, 0.8, 20);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PasoLiquido);

// The slowest end of the speed bar: 10,000 passes of the delay loop after every step.
void BM_RetardoMaximo(benchmark::State& state)
{
    caida::retardar(1);   // the pass length is measured on first use
    for (auto _ : state)
        caida::retardar(10'000);
}
BENCHMARK(BM_RetardoMaximo)->Unit(benchmark::kMillisecond);

// Whole runs through "INICIAR" in the shown window.
principa& ventanaRapida()
{
    ui::setDialogAnswerer([](const ui::DialogRequest&) { return ui::DialogReply{}; });
    principa& w = ui::instance<principa>();
    w.Show();
    w.VScroll2->setValue(0);
    w.VScroll1->setValue(20);
    return w;
}

void BM_CorridaVacioVentana(benchmark::State& state)
{
    principa& w = ventanaRapida();
    w.Option1[1]->setValue(true);
    w.Combo1->setListIndex(0);
    long pasos = 0;
    for (auto _ : state) {
        w.Boton_Iniciar->click();
        pasos += std::lround(DECLARAC::tiempo / 0.01);
    }
    state.counters["pasos/s"] = benchmark::Counter(double(pasos), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CorridaVacioVentana)->Unit(benchmark::kMillisecond);

// Wood rising through water: about 115,000 steps.
void BM_CorridaLiquidoVentana(benchmark::State& state)
{
    principa& w = ventanaRapida();
    w.Option1[3]->setValue(true);
    w.Combo1->setListIndex(4);
    long pasos = 0;
    for (auto _ : state) {
        w.Boton_Iniciar->click();
        pasos += std::lround(DECLARAC::tiempo / 0.0001);
    }
    state.counters["pasos/s"] = benchmark::Counter(double(pasos), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CorridaLiquidoVentana)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::applyApplicationLook();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::setDialogAnswerer({});
    ui::unloadAllForms();
    return 0;
}
