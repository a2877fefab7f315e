// The fall models against the worked runs, the result messages' numbers, the radius steps.
#include "core/fall_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using caida::ModeloAire;
using caida::ModeloLiquido;
using caida::Paso;

classic::Currency cur(double v) { return *classic::CCur(v); }

enum class Medio { Vacio, Aire, Liquido };

struct CorridaEsperada {
    const char* nombre;
    Medio medio;
    double radio, densidad;
    int inicio;
    double densLiquido, viscosidad;
    long pasos;
    std::int64_t velocidadTicks;   // ten-thousandths
    int muestras;
    long pasoUltimaMuestra;
    caida::Final fin;
};

void PrintTo(const CorridaEsperada& e, std::ostream* os) { *os << e.nombre; }

class Corridas : public ::testing::TestWithParam<CorridaEsperada> {};

TEST_P(Corridas, EndAtTheirStepWithTheirVelocity)
{
    const CorridaEsperada& e = GetParam();
    std::unique_ptr<caida::Modelo> m;
    if (e.medio == Medio::Liquido)
        m = std::make_unique<ModeloLiquido>(e.radio, e.densidad, e.inicio, caida::Liquido{e.densLiquido, cur(e.viscosidad)});
    else
        m = std::make_unique<ModeloAire>(e.radio, e.densidad, e.medio == Medio::Vacio, e.inicio);
    long pasos = 0, pasoUltimaMuestra = 0;
    int muestras = 0;
    caida::Enlace enlace;
    enlace.detener = [&] { return pasos == 10'000'000; };   // a run that never ends fails below
    enlace.pasoHecho = [&](const caida::Modelo&) { ++pasos; };
    enlace.muestra = [&](const caida::Modelo&) {
        ++muestras;
        pasoUltimaMuestra = pasos;
    };
    const caida::Corrida c = caida::correr(*m, enlace);
    EXPECT_EQ(c.fin, e.fin);
    EXPECT_EQ(c.pasos, e.pasos);
    EXPECT_EQ(pasos, e.pasos);
    EXPECT_EQ(m->velocidad.ticks(), e.velocidadTicks);
    EXPECT_EQ(muestras, e.muestras);
    EXPECT_EQ(pasoUltimaMuestra, e.pasoUltimaMuestra);
    EXPECT_NEAR(m->tiempo, c.pasos * m->dt, 1e-9);
}

constexpr caida::Final kTerminada = caida::Final::Terminada;

INSTANTIATE_TEST_SUITE_P(
    Caida, Corridas,
    ::testing::Values(
        // Lead, 1 cm, 80 m: 0.0981 m/s more at every step, 20 samples, the last at step 400.
        CorridaEsperada{"vacio_desde_20", Medio::Vacio, 1, 11.3, 20, 0, 0, 404, 396324, 20, 400, kTerminada},
        CorridaEsperada{"aire_desde_20", Medio::Aire, 1, 11.3, 20, 0, 0, 413, 370291, 20, 400, kTerminada},
        // Height 0: one step and the run is over.
        CorridaEsperada{"vacio_sin_altura", Medio::Vacio, 1, 11.3, 100, 0, 0, 1, 981, 0, 0, kTerminada},
        CorridaEsperada{"aire_sin_altura", Medio::Aire, 1, 11.3, 100, 0, 0, 1, 981, 0, 0, kTerminada},
        // Wood in water rises and leaves through the top after about 11.5 s.
        CorridaEsperada{"madera_sube_en_agua", Medio::Liquido, 0.02, 0.8, 20, 1, 0.01, 114979, -17405, 5748, 114960,
                        kTerminada},
        // Foam in oil: the step is unstable and the sphere is thrown out at once.
        CorridaEsperada{"espuma_inestable", Medio::Liquido, 0.02, 0.02, 20, 0.9, 0.2, 7, -45607501886, 0, 0, kTerminada},
        // A speck of foam in air: the velocity runs away; the run ends before it leaves the
        // range of the currency type.
        CorridaEsperada{"mota_en_aire", Medio::Aire, 0.0001, 0.02, 20, 0, 0, 5, -80836607750337392, 0, 0,
                        caida::Final::Desborde}),
    [](const ::testing::TestParamInfo<CorridaEsperada>& i) { return std::string(i.param.nombre); });

TEST(Caida, VacuumFirstStepsMoveWithTheNewVelocity)
{
    ModeloAire m(1, 11.3, true, 20);
    EXPECT_EQ(m.paso(), Paso::Calculado);
    EXPECT_DOUBLE_EQ(m.tiempo, 0.01);
    EXPECT_EQ(m.velocidad.ticks(), 981);
    EXPECT_NEAR(m.y, 20.000981, 1e-12);
    m.paso();
    EXPECT_EQ(m.velocidad.ticks(), 1962);
    EXPECT_NEAR(m.y, 20.002943, 1e-12);
}

TEST(Caida, VacuumRunGainsTheSameVelocityEveryStepAndIsSampledEvery20th)
{
    // After step i the velocity is i × 0.0981 m/s and the sphere has fallen
    // 0.0981 × 0.01 × (1 + 2 + … + i) = 0.000981 × i(i+1)/2 m.
    ModeloAire m(1, 11.3, true, 20);
    long pasos = 0;
    std::vector<long> muestras;
    double yUltimaMuestra = 0;
    caida::Enlace enlace;
    enlace.pasoHecho = [&](const caida::Modelo& p) {
        ++pasos;
        EXPECT_EQ(p.velocidad.ticks(), 981 * pasos);
        EXPECT_NEAR(p.y, 20 + 0.000981 * pasos * (pasos + 1) / 2, 1e-9);
    };
    enlace.muestra = [&](const caida::Modelo& p) {
        muestras.push_back(pasos);
        yUltimaMuestra = p.y;
    };
    EXPECT_EQ(caida::correr(m, enlace).pasos, 404);
    ASSERT_EQ(muestras.size(), 20u);
    for (std::size_t i = 0; i < muestras.size(); ++i)
        EXPECT_EQ(muestras[i], 20 * long(i + 1));
    EXPECT_NEAR(yUltimaMuestra, 98.6762, 1e-9);
}

// Records what the loop asks, one letter per call: D stop test, P pause test, H step taken,
// M sample, C yield, R delay.
struct Guion {
    std::string visto;
    bool pausa = false, fin = false;
    int cedidos = 0;
    std::function<bool(int)> alCeder = [](int) { return true; };   // the yield's number

    caida::Enlace enlace()
    {
        caida::Enlace e;
        e.detener = [this] { return visto += 'D', fin; };
        e.enPausa = [this] { return visto += 'P', pausa; };
        e.pasoHecho = [this](const caida::Modelo&) { visto += 'H'; };
        e.muestra = [this](const caida::Modelo&) { visto += 'M'; };
        e.ceder = [this] { return visto += 'C', alCeder(++cedidos); };
        e.retardo = [this] { return visto += 'R', 0; };
        return e;
    }
};

TEST(Corrida, StepOrderSampleYieldAndDelay)
{
    // From 99 the sphere lands at step 45; steps 20 and 40 are samples.
    ModeloAire m(1, 11.3, true, 99);
    Guion g;
    const caida::Corrida c = caida::correr(m, g.enlace());
    EXPECT_EQ(c.fin, caida::Final::Terminada);
    EXPECT_EQ(c.pasos, 45);
    std::string esperado;
    for (int i = 1; i <= 45; ++i)
        esperado += i % 20 == 0 ? "DPHMCR" : "DPHCR";
    EXPECT_EQ(g.visto, esperado);
}

TEST(Corrida, FinWhilePausedTakesOneMoreStepAfterTheWait)
{
    ModeloAire m(1, 11.3, true, 20);
    Guion g;
    g.alCeder = [&g](int n) {
        if (n == 1)
            g.pausa = true;   // "Pausa" in the first step's yield
        if (n == 3)
            g.fin = true;     // "Fin" while paused
        if (n == 4)
            g.pausa = false;  // "Continuar"
        return true;
    };
    const caida::Corrida c = caida::correr(m, g.enlace());
    EXPECT_EQ(c.fin, caida::Final::Detenida);
    EXPECT_EQ(c.pasos, 2);
    EXPECT_EQ(m.velocidad.ticks(), 1962);
    // The pause waits yield by yield without a stop test; each wait is tested twice.
    EXPECT_EQ(g.visto, "DPHCR" "DP" "CPP" "CPP" "CPP" "HCR" "D");
}

TEST(Corrida, AWatcherGoneEndsTheRunAtOnce)
{
    ModeloAire m(1, 11.3, true, 20);
    Guion g;
    g.alCeder = [](int n) { return n < 3; };
    const caida::Corrida c = caida::correr(m, g.enlace());
    EXPECT_EQ(c.fin, caida::Final::Abandonada);
    EXPECT_EQ(c.pasos, 3);
    EXPECT_EQ(g.visto, "DPHCR" "DPHCR" "DPHC");

    // Gone during a pause: no step.
    ModeloAire otro(1, 11.3, true, 20);
    Guion h;
    h.pausa = true;
    h.alCeder = [](int) { return false; };
    EXPECT_EQ(caida::correr(otro, h.enlace()).fin, caida::Final::Abandonada);
    EXPECT_EQ(h.visto, "DPC");
    EXPECT_EQ(otro.tiempo, 0);
}

TEST(Corrida, ALiquidChangedBetweenStepsAppliesFromTheNextStep)
{
    // Lead in water, then in the thick oil from step 4 on. In oil at rest the first step adds
    // (981 × (1 − 0.8 / 11.3)) × 0.0001 cm/s.
    caida::Liquido liquido = caida::kAgua;
    ModeloLiquido m(0.02, 11.3, 20, [&] { return liquido; });
    long pasos = 0;
    classic::Currency antes;
    caida::Enlace enlace;
    enlace.detener = [&] { return pasos == 4; };
    enlace.pasoHecho = [&](const caida::Modelo& p) {
        if (++pasos == 3) {
            liquido = *caida::liquidoPorTexto(1);
            antes = p.velocidad;
        }
    };
    caida::correr(m, enlace);
    const double v = antes.toDouble();
    const double viscoso = (6 * caida::pi() * 2 * 0.02) * v / m.masa;
    EXPECT_EQ(m.velocidad, *classic::CCur(v + (981 * (1 - 0.8 / 11.3) - viscoso) * 0.0001));
}

TEST(Caida, RisingSphereIsSampledEvenAboveTheTop)
{
    ModeloLiquido m(0.02, 0.8, 20);
    m.y = -0.001;
    m.k = 19;
    m.velocidad = cur(-1.7);
    EXPECT_EQ(m.paso(), Paso::Muestra);
    EXPECT_EQ(m.k, 0);
    EXPECT_FALSE(m.sigue());
}

TEST(Caida, SamplingStepPastTheGroundIsNotDrawnAndKeepsItsCount)
{
    ModeloAire m(1, 11.3, true, 99);
    m.k = 19;
    m.velocidad = cur(200);
    EXPECT_EQ(m.paso(), Paso::Calculado);
    EXPECT_EQ(m.k, 20);
}

TEST(Caida, OverflowLeavesTheLastStepAlone)
{
    ModeloAire m(0.0001, 0.02, false, 20);
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(m.paso(), Paso::Desborde);
    const double t = m.tiempo, y = m.y;
    const classic::Currency v = m.velocidad;
    EXPECT_EQ(m.paso(), Paso::Desborde);
    EXPECT_EQ(m.tiempo, t);
    EXPECT_EQ(m.y, y);
    EXPECT_EQ(m.velocidad, v);
}

TEST(Tablas, MaterialsAndLiquidsInListOrder)
{
    ASSERT_EQ(caida::kMateriales.size(), 6u);
    EXPECT_EQ(caida::kMateriales[5].texto, "Espuma Plast(dens: 0.02)");
    EXPECT_EQ(caida::kMaterialMasLiviano, 0.02);
    const struct {
        int indice;
        std::optional<caida::Liquido> elegido, porTexto;
    } casos[] = {
        {0, caida::Liquido{1, cur(0.01)}, caida::Liquido{1, cur(0.01)}},
        {1, caida::Liquido{0.9, cur(0.2)}, caida::Liquido{0.8, cur(2)}},
        {-1, std::nullopt, std::nullopt},
        {2, std::nullopt, std::nullopt},
    };
    auto igual = [](const std::optional<caida::Liquido>& a, const std::optional<caida::Liquido>& b) {
        return a.has_value() == b.has_value() && (!a || (a->densidad == b->densidad && a->viscosidad == b->viscosidad));
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(igual(caida::liquidoElegido(c.indice), c.elegido)) << c.indice;
        EXPECT_TRUE(igual(caida::liquidoPorTexto(c.indice), c.porTexto)) << c.indice;
    }
}

// --- Result messages -----------------------------------------------------------------------

// The time a vacuum run has reached after `pasos` steps of 0.01 s, summed step by step.
double tiempoDe(long pasos)
{
    ModeloAire m(1, 11.3, true, 0);
    caida::Enlace enlace;
    enlace.detener = [&] { return std::lround(m.tiempo * 100) == pasos; };
    caida::correr(m, enlace);
    return m.tiempo;
}

TEST(Resultados, TimeRoundsTheAccumulatedSum)
{
    const struct {
        double tiempo;
        const char* texto;
    } casos[] = {
        {0, "Tiempo final  0 (S)"},
        {tiempoDe(404), "Tiempo final  4 (S)"},
        {tiempoDe(405), "Tiempo final  4 (S)"},     // just below 4.05
        {tiempoDe(215), "Tiempo final  2.1 (S)"},   // just below 2.15
        {tiempoDe(16), "Tiempo final  .2 (S)"},
        {11.4979, "Tiempo final  11.5 (S)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(caida::textoTiempoFinal(c.tiempo), c.texto) << c.tiempo;
}

TEST(Resultados, VelocityRoundsHalvesUpInEveryMedium)
{
    const struct {
        std::int64_t ticks;
        bool liquido;
        const char* texto;
    } casos[] = {
        {0, false, "Velocidad final  0 (m/S)"},
        {396324, false, "Velocidad final  39.6 (m/S)"},
        {981, false, "Velocidad final  .1 (m/S)"},
        {-17405, true, "Velocidad final -1.7 (cm/S)"},
        {-26500, true, "Velocidad final -2.6 (cm/S)"},
        {26500, true, "Velocidad final  2.7 (cm/S)"},
        {370291, true, "Velocidad final  37 (cm/S)"},
        {-45607501886, true, "Velocidad final -4560750.2 (cm/S)"},
        // Velocities whose tenfold no longer fits the currency type are still reported.
        {1942379999999913216, true, "Velocidad final  194237999999991 (cm/S)"},
        {INT64_MAX, false, "Velocidad final  922337203685478 (m/S)"},
        {INT64_MIN, false, "Velocidad final -922337203685478 (m/S)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(caida::textoVelocidadFinal(classic::Currency::fromTicks(c.ticks), c.liquido), c.texto) << c.ticks;
}

TEST(Resultados, VelocityToATenthAtTheEdgesOfTheCurrency)
{
    // floor((ticks + 500) / 1000) / 10 where adding 500 would leave the type.
    const std::pair<std::int64_t, double> casos[] = {
        {INT64_MAX, 9223372036854776.0 / 10},  {INT64_MAX - 307, 9223372036854776.0 / 10},   // ...5500: a half
        {INT64_MAX - 308, 9223372036854775.0 / 10}, {INT64_MIN, -9223372036854776.0 / 10},
        {-9223372036854775500, -9223372036854775.0 / 10}, {-9223372036854775501, -9223372036854776.0 / 10},
    };
    for (auto [ticks, velocidad] : casos)
        EXPECT_EQ(caida::velocidadRedondeada(classic::Currency::fromTicks(ticks)), velocidad) << ticks;
}

// --- Radius steps ----------------------------------------------------------------------------

// What the radius box shows after a step ("" when the step leaves it alone).
std::string mostrado(const std::optional<double>& r) { return r ? caida::textoRadio(*r) : std::string(); }

struct PasoRadio {
    const char* regla;
    double radio;
    bool liquido, espuma;
    const char* subir;   // spin up
    const char* bajar;   // spin down
};

void PrintTo(const PasoRadio& p, std::ostream* os) { *os << p.regla; }

class Radio : public ::testing::TestWithParam<PasoRadio> {};

TEST_P(Radio, SpinButtonsFollowTheirRuleTables)
{
    const PasoRadio& p = GetParam();
    EXPECT_EQ(mostrado(caida::subirRadio(p.radio, p.liquido)), p.subir) << p.regla;
    EXPECT_EQ(mostrado(caida::bajarRadio(p.radio, p.liquido, p.espuma)), p.bajar) << p.regla;
}

INSTANTIATE_TEST_SUITE_P(
    Caida, Radio,
    ::testing::Values(PasoRadio{"tope", 10, false, false, "", "9"},
                      PasoRadio{"tope_liquido", 10, true, false, "", "9"},
                      PasoRadio{"liquido_030", 0.03, true, false, "", "0.02"},
                      PasoRadio{"liquido_medio", 0.5, true, false, "", "0.5"},
                      PasoRadio{"liquido_uno", 1, true, false, "", "1"},
                      PasoRadio{"liquido_grande", 5, true, false, "", "4"},
                      PasoRadio{"uno", 1, false, false, "2", "0.9"},
                      PasoRadio{"nueve", 9, false, false, "10", "8"},
                      PasoRadio{"mas_alla_de_diez", 9.5, false, false, "10.5", "8.5"},
                      PasoRadio{"entre_uno_y_dos", 1.5, false, false, "2.5", "1.5"},
                      PasoRadio{"dos", 2, false, false, "3", "1"},
                      PasoRadio{"decimas", 0.9, false, false, "1", "0.8"},
                      PasoRadio{"decima", 0.1, false, false, "0.2", "0.09"},
                      PasoRadio{"dos_decimas", 0.2, false, false, "0.3", "0.1"},
                      PasoRadio{"centesimas", 0.09, false, false, "0.1", "0.08"},
                      PasoRadio{"piso", 0.01, false, false, "0.02", ""},
                      PasoRadio{"cero", 0, false, false, "0.01", ""},
                      PasoRadio{"liquido_020", 0.02, true, false, "0.03", "0.01"},
                      PasoRadio{"liquido_010", 0.01, true, false, "0.02", ""},
                      PasoRadio{"espuma_piso", 0.02, true, true, "0.03", "0.02"},
                      PasoRadio{"espuma_bajo_piso", 0.01, true, true, "0.02", "0.02"},
                      PasoRadio{"espuma_030", 0.03, true, true, "", "0.02"},
                      PasoRadio{"espuma_en_aire", 0.02, false, true, "0.03", "0.01"}),
    [](const ::testing::TestParamInfo<PasoRadio>& i) { return std::string(i.param.regla); });

TEST(Radio, PlainStepsShareTheRulesWithoutHundredthsOrMedium)
{
    const struct {
        double radio;
        const char* subir;
        const char* bajar;
    } casos[] = {
        {10, "", "9"}, {2, "3", "1"}, {1.5, "2.5", "1.5"}, {1, "2", "0.9"},
        {0.2, "0.3", "0.1"}, {0.1, "0.2", ""}, {0.05, "0.15", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(mostrado(caida::subirRadio(c.radio, false, false)), c.subir) << c.radio;
        EXPECT_EQ(mostrado(caida::bajarRadio(c.radio, false, false, false)), c.bajar) << c.radio;
    }
}

// The radius box in between: what a step writes is read back with Val.
std::vector<std::string> recorrido(double radio, bool liquido, bool arriba, int clics)
{
    std::vector<std::string> vistos;
    for (int i = 0; i < clics; ++i) {
        const auto nuevo = arriba ? caida::subirRadio(radio, liquido) : caida::bajarRadio(radio, liquido, false);
        if (nuevo)
            radio = classic::Val(caida::textoRadio(*nuevo));
        vistos.push_back(caida::textoRadio(radio));
    }
    return vistos;
}

TEST(Radio, ButtonsAloneReachEveryHundredthTenthAndUnit)
{
    classic::setDecimalSeparator(',');   // the box never writes a comma
    EXPECT_EQ(recorrido(1, false, false, 20),
              (std::vector<std::string>{"0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1", "0.09", "0.08",
                                        "0.07", "0.06", "0.05", "0.04", "0.03", "0.02", "0.01", "0.01", "0.01"}));
    EXPECT_EQ(recorrido(0.01, false, true, 30),
              (std::vector<std::string>{"0.02", "0.03", "0.04", "0.05", "0.06", "0.07", "0.08", "0.09", "0.1", "0.2",
                                        "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1", "2", "3", "4", "5", "6",
                                        "7", "8", "9", "10", "10", "10", "10"}));
    EXPECT_EQ(recorrido(0.02, true, true, 3), (std::vector<std::string>{"0.03", "0.03", "0.03"}));
    EXPECT_EQ(recorrido(0.03, true, false, 3), (std::vector<std::string>{"0.02", "0.01", "0.01"}));
    classic::setDecimalSeparator('.');
}

TEST(Radio, BoxTextReadsBackInEveryLocale)
{
    for (char sep : {'.', ','}) {
        classic::setDecimalSeparator(sep);
        for (double r : {0.02, 0.09, 1.5, 10.0, 0.1 - 0.01, 1e-5, 0.0001}) {
            const std::string t = caida::textoRadio(r);
            EXPECT_EQ(t.find(','), std::string::npos) << t;
            EXPECT_EQ(classic::Val(t), classic::Val(classic::Str(r))) << t;
        }
    }
    classic::setDecimalSeparator('.');
    EXPECT_EQ(caida::textoRadio(0.1 - 0.01), "0.09");
    EXPECT_EQ(caida::textoRadio(1e-5), "1E-05");
}

} // namespace

TEST(Radio, OnlyARadiusWithAMassInBothFallsIsASphere)
{
    EXPECT_TRUE(caida::tieneMasa(0, 0.02));   // no sphere: the run refuses it
    EXPECT_TRUE(caida::tieneMasa(0.01, 0.02));
    EXPECT_TRUE(caida::tieneMasa(1e-100, 0.02));
    EXPECT_FALSE(caida::tieneMasa(1e-103, 0.02));   // the mass in kg is below every normal double
    EXPECT_FALSE(caida::tieneMasa(1e-111, 11.3));   // the volume itself underflows to 0
}

