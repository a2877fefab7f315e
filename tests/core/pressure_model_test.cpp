// The pressure model: liquids, gauges, piston, weights, guards, hand-held gauge and the
// typed atmospheric pressure, in both decimal separators.
#include "core/pressure_model.h"
#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace pressure;

namespace {

class PressureModel : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { classic::setDecimalSeparator(GetParam()); }
    void TearDown() override { classic::setDecimalSeparator('.'); }
    // Writes a number with a point as the locale would, with the locale's separator.
    std::string loc(std::string text) const
    {
        for (char& c : text)
            if (c == '.')
                c = GetParam();
        return text;
    }
};

INSTANTIATE_TEST_SUITE_P(Separators, PressureModel, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "comma" : "point"; });

} // namespace

TEST(PressureLiquids, OnlyTheExactItemTextsNameALiquid)
{
    const struct { const char* text; double density; } list[] = {
        {"0,25    xxx", 0.25}, {"0,7899    acetona", 0.7899}, {"1         agua", 1},
        {"1,20   sol.NaCl(26%W)", 1.20}, {"13,546    mercurio", 13.546},
    };
    for (std::size_t i = 0; i < kLiquidos.size(); ++i) {
        EXPECT_EQ(kLiquidos[i].texto, list[i].text);
        EXPECT_NEAR(pesoEspecificoDe(list[i].text).value_or(0), list[i].density * 9.8 / 1000, 1e-15);
    }
    for (const char* other : {"1      agua", "13,546    Mercurio", "13,546    mercurio ", " 1         agua", ""})
        EXPECT_FALSE(pesoEspecificoDe(other)) << other;
}

TEST(PressurePiston, APistonTopAtALimitLeavesTheGaugeInTheOpenAir)
{
    const struct { int k; float top; bool under; } rows[] = {
        {1, 4425.0f, false}, {1, 4424.9f, true}, {2, 3555.0f, false}, {2, 3554.5f, true},
        {3, 2685.0f, false}, {3, 2684.0f, true}, {0, 9999.0f, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(bajoElPiston(r.top, r.k), r.under) << r.k << " " << r.top;
}

TEST(PressureWeights, ThePistonZone)
{
    const struct { float x, y; bool inside; } rows[] = {
        {840, 3000, false}, {840.5f, 3000, true}, {841, 3000, true}, {1994, 3000, true}, {1995, 3000, false},
        {1500, 5144, true}, {1500, 5145, false}, {1500, -2000, true},   // above the cylinder's top
        {3000, 3000, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(enZonaPiston(r.x, r.y), r.inside) << r.x << "," << r.y;
}

TEST(PressureAtmosphere, AnswersOfTheInputBox)
{
    using R = RespuestaPresion;
    const struct { const char* answer; R::Tipo tipo; float valor; } rows[] = {
        {"", R::Vacia, 0},           {"1013.25", R::Aceptada, 1013.25f}, {"1013,25", R::Aceptada, 1013},
        {"abc", R::Aceptada, 0},     {"-5", R::Aceptada, -5},             {"  950 hPa", R::Aceptada, 950},
        {"3e38", R::Aceptada, 3e38f}, {"1e39", R::FueraDeRango, 0},       {"-1e39", R::FueraDeRango, 0},
        {"1e400", R::FueraDeRango, 0}, {"1e-50", R::Aceptada, 0},  {"3.4028235e38", R::Aceptada, FLT_MAX},
        {"3.5e38", R::FueraDeRango, 0},
    };
    for (const auto& r : rows) {
        const R got = leerPresionAtm(r.answer);
        EXPECT_EQ(got.tipo, r.tipo) << r.answer;
        if (r.tipo == R::Aceptada) {
            EXPECT_EQ(got.valor, r.valor) << r.answer;
        }
    }
}

TEST_P(PressureModel, TheProposedAtmosphericPressureReadsBackUnchanged)
{
    EXPECT_EQ(propuestaPresionAtm(1013), "1013");
    EXPECT_EQ(propuestaPresionAtm(1013.25f), "1013.25");
    const float values[] = {0.0f, -3.5f, 0.1f, 1e-10f, 1013.2501f, 12345678.0f, 3.4e38f, FLT_MAX, -FLT_MIN,
                            std::nextafter(1013.0f, 2000.0f), 16777217.0f};
    for (float v : values) {
        const std::string p = propuestaPresionAtm(v);
        EXPECT_EQ(p.find(','), std::string::npos) << p;
        const RespuestaPresion r = leerPresionAtm(p);
        EXPECT_EQ(r.tipo, RespuestaPresion::Aceptada) << p;
        EXPECT_EQ(r.valor, v) << p;
    }
}
