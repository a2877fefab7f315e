// Speed of the run loops: whole falls and a settling motion through the models' own loops
// without a window, and whole falls in the window as a user starts them with the speed bar
// at its fastest, where the same loop also yields once per step to the event loop.
#include "falling_spheres/declarac.h"
#include "core/fall_model.h"
#include "core/flotation_model.h"
#include "falling_spheres/principa.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

// Whole runs of a model through the run loop, without a window: nothing stops, shows, yields
// or delays them.
void corridas(benchmark::State& state, const std::function<std::unique_ptr<caida::Modelo>()>& modelo)
{
    long pasos = 0;
    for (auto _ : state) {
        const std::unique_ptr<caida::Modelo> m = modelo();
        pasos += caida::correr(*m).pasos;
    }
    state.SetItemsProcessed(pasos);
}

void BM_CorridaVacio(benchmark::State& state)
{
    corridas(state, [] { return std::make_unique<caida::ModeloAire>(1, 11.3, true, 20); });
}
BENCHMARK(BM_CorridaVacio);

void BM_CorridaAire(benchmark::State& state)
{
    corridas(state, [] { return std::make_unique<caida::ModeloAire>(1, 11.3, false, 20); });
}
BENCHMARK(BM_CorridaAire);

// Wood rising through water: about 115,000 steps.
void BM_CorridaLiquido(benchmark::State& state)
{
    corridas(state, [] { return std::make_unique<caida::ModeloLiquido>(0.02, 0.8, 20); });
}
BENCHMARK(BM_CorridaLiquido)->Unit(benchmark::kMillisecond);

// The settling motion without a window: a block let go at Top 10 above the liquid, 10,000
// steps through the motion loop.
void BM_MovimientoBloque(benchmark::State& state)
{
    long pasos = 0;
    for (auto _ : state) {
        flotacion::Bloque bloque{10, 0, flotacion::masa(0.8, 25), 25};
        const flotacion::Medios medios{1.4, 0.0013, 981};
        long n = 0;
        flotacion::EnlaceMovimiento enlace;
        enlace.enMovimiento = [&] { return n < 10'000; };
        enlace.bloque = [&] { return bloque; };
        enlace.medios = [&] { return medios; };
        enlace.movido = [&](const flotacion::Bloque& b) {
            bloque = b;
            ++n;
        };
        flotacion::mover(enlace);
        pasos += n;
    }
    state.SetItemsProcessed(pasos);
}
BENCHMARK(BM_MovimientoBloque);

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

// Whole runs as the window does them, from "INICIAR" to the end: `medio` is the medium's
// option, `material` the list's item, `dt` the model's step (to count the steps run).
void corridaEnVentana(benchmark::State& state, int medio, int material, double dt)
{
    principa& w = ventanaRapida();
    w.Option1[std::size_t(medio)]->setValue(true);
    w.Combo1->setListIndex(material);
    long pasos = 0;
    for (auto _ : state) {
        w.Boton_Iniciar->click();
        pasos += std::lround(DECLARAC::tiempo / dt);
    }
    state.counters["pasos/s"] = benchmark::Counter(double(pasos), benchmark::Counter::kIsRate);
}

// Lead in vacuum from 20.
void BM_CorridaVacioVentana(benchmark::State& state) { corridaEnVentana(state, 1, 0, 0.01); }
BENCHMARK(BM_CorridaVacioVentana)->Unit(benchmark::kMillisecond);

// Wood rising through water: about 115,000 steps.
void BM_CorridaLiquidoVentana(benchmark::State& state) { corridaEnVentana(state, 3, 4, 0.0001); }
BENCHMARK(BM_CorridaLiquidoVentana)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor of the liquid run in the window: the same steps through the same loop with the
// window shown, yielding once per step and drawing nothing.
void BM_CorridaLiquidoSoloCediendo(benchmark::State& state)
{
    ventanaRapida();
    caida::Enlace enlace;
    enlace.ceder = [] {
        ui::DoEvents();
        return true;
    };
    long pasos = 0;
    for (auto _ : state) {
        caida::ModeloLiquido m(0.02, 0.8, 20);
        pasos += caida::correr(m, enlace).pasos;
    }
    state.counters["pasos/s"] = benchmark::Counter(double(pasos), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CorridaLiquidoSoloCediendo)->Unit(benchmark::kMillisecond)->Iterations(3);

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
