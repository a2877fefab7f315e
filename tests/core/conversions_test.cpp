#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using classic::CCur;
using classic::CDbl;
using classic::CStr;
using classic::CStrSingle;
using classic::Currency;
using classic::Format;
using classic::Str;
using classic::Val;

// Sets the decimal separator for one scope and puts the previous one back.
class SeparatorScope {
public:
    explicit SeparatorScope(char sep) : previous_(classic::decimalSeparator()) { classic::setDecimalSeparator(sep); }
    ~SeparatorScope() { classic::setDecimalSeparator(previous_); }

private:
    char previous_;
};

constexpr char kSeparators[] = {'.', ','};

// Expected texts are written with a point; under a comma locale the point becomes a comma.
std::string localized(std::string text, char sep)
{
    for (char& c : text)
        if (c == '.')
            c = sep;
    return text;
}

const double kInf = std::numeric_limits<double>::infinity();

TEST(Val, ReadsTheLeadingNumberWithAPointOnly)
{
    struct Case { const char* text; double expected; };
    const Case cases[] = {
        {"1.5.2", 1.5}, {"", 0}, {"12abc", 12}, {"  -3.5e2x", -350}, {"&HFF", 255},
        {"&h1f", 31}, {"&O17", 15}, {"&O19", 1}, {"&H", 0}, {"&Z1", 0}, {"1 2", 12}, {"\t1\r\n.\n5", 1.5},
        {"1,5", 1}, {"abc", 0}, {"-", 0}, {".", 0}, {".5", 0.5}, {"-.5", -0.5}, {"+7", 7},
        {"--1", 0}, {"1D2", 100}, {"2d-1", 0.2}, {"12e", 12}, {"1e+", 1}, {"3E x", 3},
        {"0.09", 0.09}, {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0}, {"-0", 0},
        {"0.000e999999999999999999", 0}, {"50", 50}, {"24.7826086956522", 24.7826086956522},
    };
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("Val(\"") + c.text + "\") sep " + sep);
            const double v = Val(c.text);
            EXPECT_EQ(v, c.expected);
            EXPECT_FALSE(std::signbit(v) && v == 0) << "negative zero";
        }
    }
}

TEST(Val, LongAndHostileInputsStaySafe)
{
    EXPECT_EQ(Val(std::string(100000, '9')), kInf);
    EXPECT_EQ(Val("0." + std::string(100000, '0') + "1"), 0);
    EXPECT_EQ(Val("1e-" + std::string(100000, '9')), 0);
    EXPECT_EQ(Val("1" + std::string(400, '0') + "e-400"), 1);
    EXPECT_EQ(Val("&H" + std::string(1000, 'F')), kInf);
    EXPECT_EQ(Val(std::string_view("7\0" "8", 3)), 7);

    // Random bytes, biased towards the characters the reader cares about: any crash or
    // undefined behaviour shows under the sanitizers.
    const char alphabet[] = "0123456789.+-eEdD&HhOo \t\r\n,x\xff";
    std::mt19937 rng(12345);
    for (int round = 0; round < 20000; ++round) {
        std::string text(rng() % 24, '\0');
        for (char& c : text)
            c = (rng() % 4 == 0) ? static_cast<char>(rng()) : alphabet[rng() % (sizeof alphabet - 1)];
        const double v = Val(text);
        EXPECT_FALSE(std::isnan(v)) << text;
        (void)CDbl(text);
    }
}

struct TextCase { double value; const char* expected; };

TEST(CStr, FifteenDigitsLocaleSeparatorAndENotation)
{
    const TextCase cases[] = {
        {50.0 * 855 / 1725, "24.7826086956522"},
        {0.1 - 0.01, "0.09"}, {0.196 + 25 * 0.0098, "0.441"}, {0.5, "0.5"}, {-0.5, "-0.5"},
        {0, "0"}, {-0.0, "0"}, {5 * std::pow(2.0, 3), "40"}, {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"}, {0.0013, "0.0013"},
        {0.0001, "0.0001"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"}, {1e15, "1E+15"},
        {999999999999999, "999999999999999"}, {999999999999999.9, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"}, {1e100, "1E+100"}, {2.5e-300, "2.5E-300"},
        {1013, "1013"}, {-1.7, "-1.7"},
    };
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (const TextCase& c : cases) {
            SCOPED_TRACE(c.expected);
            EXPECT_EQ(CStr(c.value), localized(c.expected, sep));
        }
    }
    EXPECT_EQ(CStr(std::nan("")), "NaN");
    EXPECT_EQ(CStr(-kInf), "-Inf");
    EXPECT_EQ(CStr(-9223372036854775807LL - 1), "-9223372036854775808");
}

TEST(CStr, SinglePrecisionShowsSevenDigits)
{
    struct Case { float value; const char* expected; };
    const Case cases[] = {
        {1013.0f, "1013"}, {0.0013f, "0.0013"}, {0.0f, "0"}, {0.8f, "0.8"},
        {1.0f / 3, "0.3333333"}, {12345678.0f, "1.234568E+07"}, {9999999.0f, "9999999"},
    };
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (const Case& c : cases)
            EXPECT_EQ(CStrSingle(c.value), localized(c.expected, sep)) << c.expected;
    }
}

TEST(CDbl, ReadsWhatCStrWritesInEitherLocale)
{
    std::mt19937_64 rng(7);
    std::vector<double> values = {0.441, 24.7826086956522, -0.5, 1e15, 1.5e-7, 1e-5, 0.0001,
                                  1.0 / 3, -2.0 / 3, 1e300, 4.9e-324, 1.7976931348623157e308, 0};
    for (int k = 0; k < 2000; ++k) {
        double v = 0;
        std::uint64_t bits = rng();
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v))
            values.push_back(v);
    }
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (double x : values) {
            const std::string text = CStr(x);
            const std::optional<double> back = CDbl(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(CStr(*back), text);
            EXPECT_LE(std::fabs(*back - x), std::fabs(x) * 1e-14) << text;
        }
    }
}

TEST(CDbl, AcceptsOnlyNumbersInTheLocaleFormat)
{
    SeparatorScope comma(',');
    EXPECT_EQ(CDbl(" 2,5 "), 2.5);
    EXPECT_EQ(CDbl("-3"), -3.0);
    EXPECT_EQ(CDbl("+4"), 4.0);
    EXPECT_EQ(CDbl(",5"), 0.5);
    EXPECT_EQ(CDbl("5,"), 5.0);
    EXPECT_EQ(CDbl("1,5E-07"), 1.5e-7);
    EXPECT_EQ(CDbl("1e-400"), 0.0);
    for (const char* bad : {"", " ", "abc", "1.5", "1,5,2", "1e", "1e+", "--1", "1 2", ",", "-",
                            "Inf", "NaN", "12abc", "1e400", "&HFF"})
        EXPECT_FALSE(CDbl(bad).has_value()) << bad;

    SeparatorScope point('.');
    EXPECT_EQ(CDbl("1.5"), 1.5);
    EXPECT_FALSE(CDbl("1,5").has_value());
}

TEST(Str, PointLeadingBlankAndNoZeroBeforeThePoint)
{
    const TextCase cases[] = {
        {4, " 4"}, {39.6, " 39.6"}, {0.1, " .1"}, {-1.7, "-1.7"}, {0, " 0"}, {-0.0, " 0"},
        {-0.5, "-.5"}, {0.09, " .09"}, {1e20, " 1E+20"}, {-2.5e-7, "-2.5E-07"},
        {1.0 / 3, " .333333333333333"},
    };
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (const TextCase& c : cases)
            EXPECT_EQ(Str(c.value), c.expected);
    }
}

TEST(Format, PatternsOfHashesZerosAndOnePoint)
{
    struct Case { double value; const char* pattern; const char* expected; };
    const Case cases[] = {
        {19.6, "###.00", "19.60"}, {0.5, "###.00", ".50"}, {0, "###.00", ".00"},
        {0.196 + 50 * 0.1327508, "###.00", "6.83"}, {(0.196 + 50 * 0.1327508) * 100, "###.00", "683.35"},
        {1032.6, "###.00", "1032.60"}, {-0.5, "###.00", "-.50"}, {1081.6, "###.00", "1081.60"},
        {-0.001, "###.00", ".00"}, {0.005, "###.00", ".01"}, {-0.005, "###.00", "-.01"},
        {2.675, "###.00", "2.68"}, {99.999, "###.00", "100.00"}, {0.441 * 100, "###.00", "44.10"},
        {40, "##.##", "40."}, {0.5, "##.##", ".5"}, {14.2758 / 25 * 100, "##.##", "57.1"},
        {57.1428571428571, "##.##", "57.14"}, {8.3333 / 25 * 100, "##.##", "33.33"}, {12345, "##.##", "12345."},
        {99.999, "##.##", "100."}, {0.001, "##.##", "."},
        {0.5, "0.00", "0.50"}, {-0.001, "0.00", "0.00"}, {5, "00", "05"},
        {0, "#", ""}, {2.5, "#", "3"}, {-2.5, "#", "-3"}, {1e20, "#", "100000000000000000000"},
        {1.5, "#.0#", "1.5"}, {1.25, "#.0#", "1.25"}, {1, "#.0#", "1.0"},
        {1, "", "1"}, {0.5, "", "0.5"}, {1e15, "", "1E+15"},
    };
    for (char sep : kSeparators) {
        SeparatorScope scope(sep);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.pattern) + " -> " + c.expected);
            EXPECT_EQ(Format(c.value, c.pattern), localized(c.expected, sep));
        }
    }
}

TEST(Int, RoundsTowardsMinusInfinity)
{
    EXPECT_EQ(classic::Int(2.5), 2);
    EXPECT_EQ(classic::Int(-2.5), -3);
    EXPECT_EQ(classic::Int(-3), -3);
}

TEST(Currency, ExactArithmeticRefusesOverflow)
{
    const Currency max = Currency::fromTicks(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::fromTicks(std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(max.plus(Currency::fromTicks(1)).has_value());
    EXPECT_FALSE(min.plus(Currency::fromTicks(-1)).has_value());
    EXPECT_EQ(max.plus(min)->ticks(), -1);
    EXPECT_FALSE(min.times(-1).has_value());
    EXPECT_FALSE(Currency::fromTicks(std::int64_t{1} << 62).times(2).has_value());
    EXPECT_EQ(Currency::fromTicks(-7).times(10)->ticks(), -70);

    const std::pair<std::int64_t, std::int64_t> ints[] = {
        {25000, 20000}, {-25000, -30000}, {-10000, -10000}, {0, 0}, {-1, -10000}, {9999, 0},
        {std::numeric_limits<std::int64_t>::max(), 9223372036854770000},
        {std::numeric_limits<std::int64_t>::min(), -9223372036854770000},
        {-9223372036854770001, -9223372036854770000}, {-9223372036854769999, -9223372036854770000},
        {-9223372036854760001, -9223372036854770000}, {9223372036854769999, 9223372036854760000},
    };
    for (auto [ticks, expected] : ints)
        EXPECT_EQ(Currency::fromTicks(ticks).Int().ticks(), expected) << ticks;
}

// Sums and products at the edges of the range (its ends, halves, thirds and the square root of
// its top, each with neighbours and negated) against the wrapped result, which overflowed
// exactly when it disagrees with its operands.
TEST(Currency, SumsAndProductsAtTheEdgesOfTheRange)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = -kMax - 1;
    std::vector<std::int64_t> ticks{kMin, kMin + 1, kMin + 2};
    for (std::int64_t base : {std::int64_t{0}, std::int64_t{2}, std::int64_t{10000}, std::int64_t{3037000500},
                              std::int64_t{1} << 32, kMax / 10000, kMax / 3, kMax / 2 + 1, kMax - 2})
        for (std::int64_t offset = -2; offset <= 2; ++offset)
            ticks.insert(ticks.end(), {base + offset, -(base + offset)});
    for (std::int64_t a : ticks)
        for (std::int64_t b : ticks) {
            const auto sum = std::int64_t(std::uint64_t(a) + std::uint64_t(b));
            const bool sumFits = (a < 0) != (b < 0) || (sum < 0) == (a < 0);
            const std::optional<Currency> plus = Currency::fromTicks(a).plus(Currency::fromTicks(b));
            ASSERT_EQ(plus.has_value(), sumFits) << a << " + " << b;
            ASSERT_EQ(plus.value_or(Currency::fromTicks(sum)).ticks(), sum) << a << " + " << b;
            const auto product = std::int64_t(std::uint64_t(a) * std::uint64_t(b));
            const bool productFits = a == 0 || (a == -1 ? b != kMin : product / a == b);
            const std::optional<Currency> times = Currency::fromTicks(a).times(b);
            ASSERT_EQ(times.has_value(), productFits) << a << " * " << b;
            ASSERT_EQ(times.value_or(Currency::fromTicks(product)).ticks(), product) << a << " * " << b;
        }
}

TEST(Currency, CCurRoundsHalvesToEven)
{
    // Values whose x * 10000 is an exact binary half (x = k / 32).
    const std::pair<double, std::int64_t> cases[] = {
        {0.03125, 312}, {0.09375, 938}, {-0.03125, -312}, {-0.09375, -938},
        {1.03125, 10312}, {1.09375, 10938}, {0.15625, 1562},
        {0.05, 500}, {39.6324, 396324}, {-1.7405, -17405}, {0.00001, 0}, {0.000051, 1},
        {9.2e14, 9200000000000000000},
    };
    for (auto [x, ticks] : cases) {
        const std::optional<Currency> c = CCur(x);
        ASSERT_TRUE(c.has_value()) << x;
        EXPECT_EQ(c->ticks(), ticks) << x;
    }
    EXPECT_EQ(0.03125 * 10000, 312.5); // the table's halves really are halves
    for (double bad : {std::nan(""), kInf, -kInf, 1e15, -1e15, 922337203685477.6})
        EXPECT_FALSE(CCur(bad).has_value()) << bad;
}

TEST(Currency, FinalVelocityRoundsToATenthHalvesUp)
{
    // Velocity to a tenth: the sum, the product and Int on the currency type, then / 10.
    const std::pair<double, const char*> cases[] = {
        {39.6324, " 39.6"}, {-1.7405, "-1.7"}, {-2.65, "-2.6"}, {2.65, " 2.7"}, {0.0981, " .1"}, {0, " 0"},
    };
    for (auto [velocity, expected] : cases) {
        const auto scaled = CCur(velocity)->plus(*CCur(0.05))->times(10);
        ASSERT_TRUE(scaled.has_value());
        EXPECT_EQ(Str(scaled->Int().toDouble() / 10), expected) << velocity;
    }
}

} // namespace
