// The floating block's placement cases, percentage text, motion steps and drops.
#include "core/flotation_model.h"

#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using flotacion::Fin;

constexpr int kLado = 25;
constexpr int kGravedad = 981;
constexpr double kAire = 0.0013;

// Densities as the bars give them: hundredths divided by 100.
double d(int hundredths) { return hundredths / 100.0; }

// Checks a place and its text (written with a point) under both separators.
void expectPlace(const flotacion::Ubicacion& u, double top, std::string text, char sep)
{
    for (char& c : text)
        c = c == '.' ? sep : c;
    EXPECT_NEAR(u.yCuerpo, top, 1e-6);
    EXPECT_EQ(u.porcentaje, text);
}

TEST(FlotacionPlacement, EveryCaseAndBoundaryInBothSeparators)
{
    const struct {
        double sup, cuerpo, liq, top;
        const char* text;
    } cases[] = {
        {kAire, d(140), d(140), 65, "100"},     {d(140), d(140), d(140), 65, "100"},   // as dense as the liquid
        {d(100), d(100), d(140), 20, "0"},      // as dense as the upper liquid
        {d(100), d(60), d(100), 0, "0"},        {d(100), d(150), d(100), 75, "100"},   // equal layers
        {d(50), d(30), d(140), 0, "0"},         {kAire, d(150), d(140), 75, "100"},    // s < 0, s > lado
        {kAire, d(80), d(140), 49.275756, "57.1"}, {d(50), d(90), d(150), 45, "40."},
    };
    const struct {
        double s, top;
        const char* text;
    } depths[] = {{-1e-9, 0, "0"}, {0, 35, "."}, {0.125, 35.125, ".5"}, {25, 60, "100."}, {25 + 1e-9, 75, "100"}};
    const char saved = classic::decimalSeparator();
    for (char sep : {',', '.'}) {
        classic::setDecimalSeparator(sep);
        for (const auto& r : cases) {
            SCOPED_TRACE(testing::Message() << r.sup << ' ' << r.cuerpo << ' ' << r.liq << ' ' << sep);
            expectPlace(flotacion::ubicar(r.sup, r.cuerpo, r.liq, kLado), r.top, r.text, sep);
        }
        for (const auto& r : depths) {
            SCOPED_TRACE(testing::Message() << r.s << ' ' << sep);
            expectPlace(flotacion::ubicarPorHundimiento(r.s, kLado), r.top, r.text, sep);
        }
    }
    classic::setDecimalSeparator(saved);
    EXPECT_FALSE(flotacion::Ysum(1.4, 0.8, 1.4, kLado).has_value());
    EXPECT_EQ(flotacion::subidaLiquido(195, 200, 200), 200);
}

// A motion without a window: the block and the media live here, and the motion is stopped
// after `pasos` steps (or `alPaso` may change them between two steps).
struct Movimiento {
    flotacion::Bloque bloque;
    flotacion::Medios medios;
    long pasos = 0, tope = 0;
    std::vector<double> mostrados;
    std::function<void(long)> alCeder = [](long) {};

    Fin mover()
    {
        flotacion::EnlaceMovimiento e;
        e.ceder = [this] { return alCeder(pasos), true; };
        e.enMovimiento = [this] { return pasos < tope; };
        e.bloque = [this] { return bloque; };
        e.medios = [this] { return medios; };
        e.movido = [this](const flotacion::Bloque& b) {
            ++pasos;
            bloque = b;
        };
        e.mostrar = [this](double y) { mostrados.push_back(y); };
        return flotacion::mover(e);
    }
};

Movimiento enReposo(double top, double sup, double cuerpo, double liq, long tope)
{
    Movimiento m;
    m.bloque = {top, 0, flotacion::masa(cuerpo, kLado), kLado};
    m.medios = {liq, sup, kGravedad};
    m.tope = tope;
    return m;
}

TEST(FlotacionMotion, EveryStaticPlaceIsAnEquilibrium)
{
    const struct {
        double sup, cuerpo, liq;
    } rows[] = {
        {kAire, d(80), d(140)}, {d(50), d(80), d(140)}, {d(50), d(100), d(200)}, {kAire, d(10), d(200)},
        {kAire, d(190), d(200)}, {d(100), d(100), d(140)}, {kAire, d(140), d(140)}, {d(70), d(75), d(80)},
    };
    for (const auto& r : rows) {
        const double start = flotacion::ubicar(r.sup, r.cuerpo, r.liq, kLado).yCuerpo;
        Movimiento m = enReposo(start, r.sup, r.cuerpo, r.liq, 5000);
        ASSERT_EQ(m.mover(), Fin::Detenido) << start;
        EXPECT_EQ(m.mostrados.size(), 5000u);
        EXPECT_LT(std::abs(m.bloque.yCuerpo - start), 1e-9) << start;
    }
}

TEST(FlotacionMotion, DepthAndTheStepsThatEndAMotion)
{
    const struct {
        double y, s;
    } rows[] = {{35, 0}, {35.5, 0.5}, {59.5, 24.5}, {60, 25}, {60.5, 25}};
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(flotacion::hundimiento(r.y, kLado), r.s) << r.y;

    // Denser than the liquid: the first step goes past 75 and ends the motion; the block is
    // not drawn there.
    Movimiento fondo = enReposo(75, kAire, d(150), d(140), 100);
    EXPECT_EQ(fondo.mover(), Fin::Fondo);
    const double a = kGravedad * (1 - 1.4 / 1.5);
    EXPECT_EQ(fondo.pasos, 1);
    EXPECT_TRUE(fondo.mostrados.empty());
    EXPECT_NEAR(fondo.bloque.velocidadCuerpo, a * 0.01, 1e-9);
    EXPECT_NEAR(fondo.bloque.yCuerpo, 75 + a * 1e-4, 1e-9);

    // Lighter than the upper liquid, rising from Top 0: it stops there, at rest, drawn at 0.
    Movimiento techo = enReposo(0, d(50), d(30), d(140), 100);
    EXPECT_EQ(techo.mover(), Fin::Techo);
    EXPECT_EQ(techo.mostrados, std::vector<double>{0});
    EXPECT_EQ(techo.bloque.yCuerpo, 0);
    EXPECT_EQ(techo.bloque.velocidadCuerpo, 0);
}

TEST(FlotacionMotion, EachStepTakesTheBlockAsTheYieldLeftIt)
{
    // At rest at its static place under air; in the third yield the block is dropped at Top
    // 10, wholly above the liquid, where only the air buoys it: it falls from rest with
    // a = 981 × (1 − 0.0013 / 0.8).
    Movimiento m = enReposo(flotacion::ubicar(kAire, d(80), d(140), kLado).yCuerpo, kAire, d(80), d(140), 3);
    m.alCeder = [&m](long pasos) {
        if (pasos == 2) {
            m.bloque.yCuerpo = 10;
            m.bloque.velocidadCuerpo = 0;
        }
    };
    EXPECT_EQ(m.mover(), Fin::Detenido);
    const double a = kGravedad * (1 - kAire / 0.8);
    ASSERT_EQ(m.mostrados.size(), 3u);
    EXPECT_NEAR(m.mostrados[2], 10 + a * 1e-4, 1e-9);
    EXPECT_NEAR(m.bloque.velocidadCuerpo, a * 0.01, 1e-9);

    // A cleared flag ends the motion before any step; a window gone, before the flag is read.
    Movimiento parado = enReposo(10, kAire, d(80), d(140), 0);
    EXPECT_EQ(parado.mover(), Fin::Detenido);
    EXPECT_EQ(parado.pasos, 0);
    flotacion::EnlaceMovimiento ido;
    ido.ceder = [] { return false; };
    EXPECT_EQ(flotacion::mover(ido), Fin::Abandonado);
}

TEST(FlotacionDrop, NeutralBoundariesAndTheVesselsEdges)
{
    const struct {
        double y, cuerpo, liq, sup;
        bool stays;
    } rows[] = {
        {60, d(140), d(140), kAire, true},     {59.9, d(140), d(140), kAire, false},
        {35, d(100), d(140), d(100), true},    {35.1, d(100), d(140), d(100), false},
        {50, d(120), d(120), d(120), true},    {62, d(80), d(140), kAire, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(flotacion::quedaDondeCae(r.y, r.cuerpo, r.liq, r.sup, kLado), r.stays) << r.y;
    EXPECT_EQ(flotacion::alturaDeCaida(-12.5, kLado), 0);
    EXPECT_EQ(flotacion::alturaDeCaida(90, kLado), 75);
    EXPECT_NEAR(flotacion::nivelPorTop(34.9) + flotacion::nivelPorTop(40) + flotacion::nivelPorTop(50), 60 + 56.6 + 49.6,
                1e-9);
}

} // namespace
