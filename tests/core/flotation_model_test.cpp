// The floating block's placement cases, percentage text, motion steps and drops.
#include "core/flotation_model.h"

#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

TEST(FlotacionMotion, EveryStaticPlaceIsAnEquilibrium)
{
    const struct {
        double sup, cuerpo, liq;
    } rows[] = {
        {kAire, d(80), d(140)}, {d(50), d(80), d(140)}, {d(50), d(100), d(200)}, {kAire, d(10), d(200)},
        {kAire, d(190), d(200)}, {d(100), d(100), d(140)}, {kAire, d(140), d(140)}, {d(70), d(75), d(80)},
    };
    for (const auto& r : rows) {
        double y = flotacion::ubicar(r.sup, r.cuerpo, r.liq, kLado).yCuerpo, v = 0;
        const double start = y, m = flotacion::masa(r.cuerpo, kLado);
        for (int i = 0; i < 5000; ++i)
            ASSERT_EQ(flotacion::paso(y, v, m, r.liq, r.sup, kLado, kGravedad), Fin::Sigue) << start;
        EXPECT_LT(std::abs(y - start), 1e-9) << start;
    }
}

TEST(FlotacionMotion, DepthAndTheStepsThatEndAMotion)
{
    const struct {
        double y, s;
    } rows[] = {{35, 0}, {35.5, 0.5}, {59.5, 24.5}, {60, 25}, {60.5, 25}};
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(flotacion::hundimiento(r.y, kLado), r.s) << r.y;

    // Denser than the liquid: the first step goes past 75 and ends the motion.
    double y = 75, v = 0;
    EXPECT_EQ(flotacion::paso(y, v, flotacion::masa(d(150), kLado), d(140), kAire, kLado, kGravedad), Fin::Fondo);
    const double a = kGravedad * (1 - 1.4 / 1.5);
    EXPECT_NEAR(v, a * 0.01, 1e-9);
    EXPECT_NEAR(y, 75 + a * 1e-4, 1e-9);

    // Lighter than the upper liquid, rising from Top 0: it stops there, at rest.
    y = 0, v = 0;
    EXPECT_EQ(flotacion::paso(y, v, flotacion::masa(d(30), kLado), d(140), d(50), kLado, kGravedad), Fin::Techo);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(v, 0);
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
