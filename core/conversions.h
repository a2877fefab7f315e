// The classic number <-> text conversions (Val, CStr, Str, Format, CCur) and the fixed-point
// currency type. Plain C++ (no Qt): the windows format every number they show through these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace classic {

// The decimal separator of the user's locale, used by CStr, CDbl and Format. The program
// sets it from the user's locale at start-up; tests set it themselves.
char decimalSeparator();
void setDecimalSeparator(char sep);

// Val: the leading number of a text. Blanks, tabs and line breaks are skipped anywhere;
// a point is the only decimal separator; an exponent (E or D) and &H / &O prefixes are read;
// a text that does not start with a number gives 0. "1.5.2" -> 1.5, "12abc" -> 12, "" -> 0,
// "1 2" -> 12, "&HFF" -> 255 (hex and octal are read as plain non-negative magnitudes).
// A magnitude too large for a double gives +/- infinity (callers refuse non-finite values).
// Safe on any bytes.
double Val(std::string_view text);

// CStr of a double: up to 15 significant digits, no trailing zeros, the locale's decimal
// separator, a leading zero below 1 ("0,5"), E notation for magnitudes from 1E15 up and
// below 1E-4 (after rounding) as the runtime writes it ("1E+15", "1E-05", "-1,5E-07");
// "0,0001" stays plain. Negative zero gives "0"; NaN and infinities "NaN", "Inf", "-Inf".
std::string CStr(double value);
// CStr of a single-precision number: the same with 7 significant digits (E notation from
// 1E7 up: 12345678 -> "1,234568E+07").
std::string CStrSingle(float value);
std::string CStr(long long value);
// The same general layout with `significant` digits (1 to 17) and a given separator:
// (123456792, 8, '.') -> "1.2345679E+08", (1013.25, 9, '.') -> "1013.25".
std::string generalText(double value, int significant, char separator);

// CDbl of a text: a number written with the locale's decimal separator (as CStr writes it):
// optional sign, digits, separator and digits, an E exponent; surrounding blanks allowed.
// Empty result for a text that is not a number or lies beyond a double's range.
// CDbl(CStr(x)) gives x to 15 significant digits.
std::optional<double> CDbl(std::string_view text);

// Str: like CStr with 15 digits but always a point, a leading blank for zero and positive
// numbers, a minus for negative ones, no zero before the point below 1: " 4", " .1", "-1.7".
std::string Str(double value);

// Format with a pattern. Supported: "" (like CStr), "###.00", "##.##", "0.00" style
// patterns made of '#', '0' and one '.' (other characters are ignored). Rounds half away
// from zero on the value's 15-significant-digit decimal form; the locale's decimal
// separator, written whenever the pattern has a point; a leading minus unless the value
// rounds to zero; an integer part wider than the pattern keeps all its digits.
// "###.00": 0.5 -> ".50", 0 -> ".00", 19.6 -> "19.60". "##.##": 40 -> "40,", .5 -> ",5".
// Non-finite values give what CStr gives.
std::string Format(double value, std::string_view pattern = {});

// Int: the largest whole number not above the value (rounds towards minus infinity).
double Int(double value);

// Fixed-point currency: a signed 64-bit count of ten-thousandths.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromTicks(std::int64_t ticks) { Currency c; c.ticks_ = ticks; return c; }
    constexpr std::int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / 10000.0; }

    // Exact operations; empty when the result leaves the type's range.
    std::optional<Currency> plus(Currency other) const;
    std::optional<Currency> times(std::int64_t factor) const;
    // Towards minus infinity, to a whole unit. The lowest whole unit of the type lies above
    // its lowest values; those give that unit.
    Currency Int() const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.ticks_ == b.ticks_; }
    friend constexpr auto operator<=>(Currency a, Currency b) { return a.ticks_ <=> b.ticks_; }

private:
    std::int64_t ticks_ = 0;
};

// CCur: rounds value x 10000 to the nearest whole number, an exact half going to the even
// neighbour. Empty when the value is not finite or lies outside the type's range.
std::optional<Currency> CCur(double value);

} // namespace classic
