// The classic number <-> text conversions, rebuilt on locale-independent
// std::to_chars / std::from_chars so that nothing here depends on the C library's locale.

#include "core/conversions.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace classic {

namespace {

std::atomic<char> gDecimalSeparator{'.'};

// A finite number rounded to a number of significant digits:
// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^pointPos.
// digits has no trailing zeros and is empty for zero (then negative is false).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPos = 0;
};

template <typename T>
DecimalDigits roundToSignificant(T value, int significant)
{
    DecimalDigits d;
    if (value == 0)
        return d;
    // "-d.ddddde-XXX" fits easily; to_chars rounds the exact binary value.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   significant - 1);
    const char* p = buf;
    const char* const end = res.ptr;
    if (p < end && *p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    int exponent = 0;
    bool negativeExponent = false;
    if (p < end && *p == 'e')
        ++p;
    if (p < end && (*p == '+' || *p == '-'))
        negativeExponent = (*p++ == '-');
    for (; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    d.pointPos = (negativeExponent ? -exponent : exponent) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) // cannot happen for a nonzero value, but keep the invariant
        d.negative = false;
    return d;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

// The runtime's general number layout: fixed notation for decimal exponents from -4 up to
// (significant - 1), E notation with at least two exponent digits otherwise.
std::string layoutGeneral(const DecimalDigits& d, int significant, char separator, bool zeroBeforePoint)
{
    if (d.digits.empty())
        return "0";
    std::string out;
    if (d.negative)
        out += '-';
    const int len = static_cast<int>(d.digits.size());
    const int exponent = d.pointPos - 1;
    if (exponent < -4 || exponent >= significant) {
        out += d.digits[0];
        if (len > 1) {
            out += separator;
            out.append(d.digits, 1, std::string::npos);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (d.pointPos <= 0) {
        if (zeroBeforePoint)
            out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
    } else if (d.pointPos >= len) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.pointPos - len), '0');
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(d.pointPos));
        out += separator;
        out.append(d.digits, static_cast<std::size_t>(d.pointPos), std::string::npos);
    }
    return out;
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Collects the digits, point and exponent that a reader accepted and turns them into a
// double through from_chars; Val and CDbl differ only in what they accept.
class DecimalBuilder {
public:
    void integerDigit(char c)
    {
        if (c != '0' || significantSeen_) {
            significantSeen_ = true;
            bump(integerDigits_);
        }
        mantissa_ += c;
        ++digitCount_;
    }
    void point() { mantissa_ += '.'; }
    void fractionDigit(char c)
    {
        if (c != '0')
            significantSeen_ = true;
        else if (!significantSeen_)
            bump(leadingFractionZeros_);
        mantissa_ += c;
        ++digitCount_;
    }
    // The exponent, digit by digit, however many: a saturated exponent is out of range all
    // the same.
    void exponentDigit(bool negative, char c)
    {
        const int digit = c - '0';
        if (negative)
            exponent_ = exponent_ > -kSaturation ? exponent_ * 10 - digit : exponent_;
        else
            exponent_ = exponent_ < kSaturation ? exponent_ * 10 + digit : exponent_;
    }
    bool hasDigits() const { return digitCount_ > 0; }

    // The magnitude; +inf when it is too large for a double, 0 when it is too small.
    double value() const
    {
        if (!significantSeen_)
            return 0.0;
        double v = 0.0;
        if (parse(exponent_, v))
            return v;
        // Out of range. The number's decimal exponent tells overflow from underflow.
        const long long magnitude = (integerDigits_ > 0 ? integerDigits_ : -leadingFractionZeros_) + exponent_;
        if (magnitude <= 0)
            return 0.0;
        // The largest double written with 15 digits reads back as itself, not as infinity.
        if (parse(exponent_ - 1, v) && v <= kLargestAt15DigitsTenth)
            return std::numeric_limits<double>::max();
        return std::numeric_limits<double>::infinity();
    }

private:
    static constexpr long long kSaturation = 1'000'000'000;
    // A tenth of the largest double as CStr writes it, "1.79769313486232E+308".
    static constexpr double kLargestAt15DigitsTenth = 1.79769313486232e307;
    static void bump(long long& counter)
    {
        if (counter < kSaturation)
            ++counter;
    }
    bool parse(long long exponent, double& out) const
    {
        const std::string text = mantissa_ + 'e' + std::to_string(exponent);
        const auto res = std::from_chars(text.data(), text.data() + text.size(), out,
                                         std::chars_format::general);
        return res.ec == std::errc() && std::isfinite(out);
    }

    std::string mantissa_ = "0"; // a leading zero makes ".5" and "5." plain for from_chars
    long long digitCount_ = 0;
    long long integerDigits_ = 0;        // integer digits from the first nonzero one
    long long leadingFractionZeros_ = 0; // zeros after the point before any nonzero digit
    long long exponent_ = 0;
    bool significantSeen_ = false;
};

// Val's reader: every blank, tab, CR and LF is invisible to it.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) {}
    // The next visible character, or -1 at the end.
    int peek()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }
    bool peekDigit(char& digit)
    {
        const int c = peek();
        digit = static_cast<char>(c);
        return c >= '0' && c <= '9';
    }
    void advance() { ++pos_; }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

int digitValue(int c, int radix)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

double valRadix(BlankSkippingCursor& cur, int radix)
{
    double value = 0.0; // grows to infinity on absurdly long inputs, never overflows
    for (int v; (v = digitValue(cur.peek(), radix)) >= 0; cur.advance())
        value = value * radix + v;
    return value;
}

} // namespace

char decimalSeparator() { return gDecimalSeparator.load(std::memory_order_relaxed); }

void setDecimalSeparator(char sep) { gDecimalSeparator.store(sep, std::memory_order_relaxed); }

double Val(std::string_view text)
{
    BlankSkippingCursor cur(text);
    if (cur.peek() == '&') {
        cur.advance();
        const int kind = cur.peek();
        if (kind == 'H' || kind == 'h') {
            cur.advance();
            return valRadix(cur, 16);
        }
        if (kind == 'O' || kind == 'o') {
            cur.advance();
            return valRadix(cur, 8);
        }
        return 0.0;
    }

    bool negative = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negative = cur.peek() == '-';
        cur.advance();
    }
    DecimalBuilder number;
    char c = 0;
    for (; cur.peekDigit(c); cur.advance())
        number.integerDigit(c);
    if (cur.peek() == '.') {
        cur.advance();
        number.point();
        for (; cur.peekDigit(c); cur.advance())
            number.fractionDigit(c);
    }
    if (!number.hasDigits())
        return 0.0;

    // The reading ends after the exponent, so an exponent letter without digits adds 0.
    const int e = cur.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        cur.advance();
        bool negativeExponent = false;
        if (cur.peek() == '+' || cur.peek() == '-') {
            negativeExponent = cur.peek() == '-';
            cur.advance();
        }
        for (; cur.peekDigit(c); cur.advance())
            number.exponentDigit(negativeExponent, c);
    }

    const double magnitude = number.value();
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

std::string generalText(double value, int significant, char separator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    significant = std::clamp(significant, 1, 17);
    return layoutGeneral(roundToSignificant(value, significant), significant, separator, true);
}

std::string CStr(double value) { return generalText(value, 15, decimalSeparator()); }

// A single widens to a double exactly, so its digits are the single's own.
std::string CStrSingle(float value) { return generalText(value, 7, decimalSeparator()); }

std::string CStr(long long value) { return std::to_string(value); }

std::optional<double> CDbl(std::string_view text)
{
    const char separator = decimalSeparator();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    DecimalBuilder number;
    for (; i < n && isDigit(static_cast<unsigned char>(text[i])); ++i)
        number.integerDigit(text[i]);
    if (i < n && text[i] == separator) {
        ++i;
        number.point();
        for (; i < n && isDigit(static_cast<unsigned char>(text[i])); ++i)
            number.fractionDigit(text[i]);
    }
    if (!number.hasDigits())
        return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        const std::size_t firstDigit = i;
        for (; i < n && isDigit(static_cast<unsigned char>(text[i])); ++i)
            number.exponentDigit(negativeExponent, text[i]);
        if (i == firstDigit)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    const double magnitude = number.value();
    if (!std::isfinite(magnitude))
        return std::nullopt;
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

std::string Str(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits d = roundToSignificant(value, 15);
    std::string text = layoutGeneral(d, 15, '.', false);
    return d.negative ? text : ' ' + text;
}

std::string Format(double value, std::string_view pattern)
{
    if (pattern.empty() || !std::isfinite(value))
        return CStr(value);

    // Read the pattern: digit places before and after its first point.
    bool hasPoint = false;
    std::size_t integerZeros = 0;
    std::size_t fractionPlaces = 0;
    std::size_t forcedFraction = 0; // fraction places up to the last '0'
    for (char c : pattern) {
        if (c == '.' && !hasPoint) {
            hasPoint = true;
        } else if (c == '#' || c == '0') {
            if (!hasPoint) {
                integerZeros += (c == '0');
            } else {
                ++fractionPlaces;
                if (c == '0')
                    forcedFraction = fractionPlaces;
            }
        }
    }

    // Round the 15-digit decimal form half away from zero to the pattern's fraction places.
    DecimalDigits d = roundToSignificant(value, 15);
    const long long keep = static_cast<long long>(d.pointPos) + static_cast<long long>(fractionPlaces);
    if (keep < 0) {
        d.digits.clear();
    } else if (keep < static_cast<long long>(d.digits.size())) {
        const bool roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
        d.digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            std::size_t k = d.digits.size();
            while (k > 0 && d.digits[k - 1] == '9') {
                d.digits[k - 1] = '0';
                --k;
            }
            if (k > 0) {
                ++d.digits[k - 1];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.pointPos;
            }
        }
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
    }
    const bool isZero = d.digits.empty();

    auto digitAt = [&d](long long index) {
        return index >= 0 && index < static_cast<long long>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(index)]
                   : '0';
    };

    std::string integerPart;
    if (!isZero && d.pointPos > 0)
        for (long long k = 0; k < d.pointPos; ++k)
            integerPart += digitAt(k);
    if (integerPart.size() < integerZeros)
        integerPart.insert(0, integerZeros - integerPart.size(), '0');

    std::string fraction;
    for (std::size_t k = 0; k < fractionPlaces; ++k)
        fraction += isZero ? '0' : digitAt(static_cast<long long>(d.pointPos) + static_cast<long long>(k));
    while (fraction.size() > forcedFraction && fraction.back() == '0')
        fraction.pop_back();

    std::string out;
    if (d.negative && !isZero)
        out += '-';
    out += integerPart;
    if (hasPoint)
        out += decimalSeparator();
    out += fraction;
    return out;
}

double Int(double value) { return std::floor(value); }

namespace {
constexpr std::int64_t kLowestTicks = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kHighestTicks = std::numeric_limits<std::int64_t>::max();
} // namespace

// The range is tested before the operation, so that no overflow ever happens: plain
// standard C++, exact at every edge.
std::optional<Currency> Currency::plus(Currency other) const
{
    const std::int64_t b = other.ticks_;
    if (b > 0 ? ticks_ > kHighestTicks - b : ticks_ < kLowestTicks - b)
        return std::nullopt;
    return fromTicks(ticks_ + b);
}

std::optional<Currency> Currency::times(std::int64_t factor) const
{
    const std::int64_t a = ticks_;
    if (a != 0 && factor != 0) {
        // Each bound divided by one factor, rounded towards zero, is the farthest the
        // other may go; the signs say which bound the product heads for.
        const bool fits = a > 0 ? (factor > 0 ? a <= kHighestTicks / factor : factor >= kLowestTicks / a)
                                : (factor > 0 ? a >= kLowestTicks / factor : factor >= kHighestTicks / a);
        if (!fits)
            return std::nullopt;
    }
    return fromTicks(a * factor);
}

Currency Currency::Int() const
{
    constexpr std::int64_t kUnit = 10000;
    std::int64_t units = ticks_ / kUnit; // towards zero
    if (ticks_ % kUnit < 0)
        --units;
    // Below the lowest whole unit: stay at that unit.
    constexpr std::int64_t kLowestUnits = kLowestTicks / kUnit;
    return fromTicks(std::max(units, kLowestUnits) * kUnit);
}

std::optional<Currency> CCur(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double scaled = value * 10000.0;
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(std::fabs(scaled) < kLimit))
        return std::nullopt;
    // Nearest whole number, an exact half to the even neighbour, whatever the FPU rounding
    // mode: round() takes a half away from zero, so step back when that neighbour is odd.
    // (x - trunc(x) is always exact, so the test for a half is too.)
    double whole = std::round(scaled);
    if (std::fabs(scaled - std::trunc(scaled)) == 0.5 && std::fmod(whole, 2.0) != 0.0)
        whole -= std::copysign(1.0, scaled);
    return Currency::fromTicks(static_cast<std::int64_t>(whole));
}

} // namespace classic
