// Fuzz target for the text-to-number conversions and the currency type: no input may crash
// or reach undefined behaviour, and every finite double written by CStr reads back through
// Val within one unit of its 15th significant digit.
#include "core/conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void roundTrip(double d)
{
    if (!std::isfinite(d))
        return;
    classic::setDecimalSeparator('.');
    const double back = classic::Val(classic::CStr(d));
    if (d == 0) {
        check(back == 0);
        return;
    }
    // One unit of the 15th significant digit.
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(d))) - 14);
    check(std::isfinite(back) && std::fabs(back - d) <= unit);
    const auto viaCDbl = classic::CDbl(classic::CStr(d));
    check(viaCDbl && std::fabs(*viaCDbl - d) <= unit);
}

void currency(double d, std::int64_t factor)
{
    const auto c = classic::CCur(d);
    if (!c)
        return;
    // Within half a ten-thousandth of the value (and the double rounding of x * 10000).
    check(std::fabs(c->toDouble() - d) <= 0.5e-4 + std::fabs(d) * 1e-15);
    const classic::Currency whole = c->Int();
    check(whole <= *c || c->ticks() < -922337203685477LL * 10000);
    if (auto sum = c->plus(*c))
        check(sum->ticks() == 2 * c->ticks());
    if (auto product = c->times(factor))
        check(product->ticks() / (factor == 0 ? 1 : factor) == (factor == 0 ? 0 : c->ticks()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char sep : {'.', ','}) {
        classic::setDecimalSeparator(sep);
        const double v = classic::Val(text);
        (void)classic::CDbl(text);
        (void)classic::Str(v);
        (void)classic::Format(v, text.substr(0, 8));
        (void)classic::Format(v, "###.00");
        (void)classic::Format(v, "##.##");
        (void)classic::CStrSingle(static_cast<float>(std::isfinite(v) && std::fabs(v) < 3e38 ? v : 0));
        (void)classic::CCur(v);
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        std::int64_t factor = 10;
        if (size >= 2 * sizeof(double))
            std::memcpy(&factor, data + sizeof d, sizeof factor);
        roundTrip(d);
        currency(d, factor);
    }
    return 0;
}
