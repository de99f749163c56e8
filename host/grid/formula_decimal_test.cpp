// The exact integer rounding path gives the same digits as the reference
// decimal conversion for every input: ties, values one ulp beside them, signs,
// carries and all magnitudes.
#include "formula_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr DecimalRounding kModes[] = {DecimalRounding::HalfAway, DecimalRounding::Away,
                                      DecimalRounding::TowardZero};

std::string describe(const DecimalDigits& d) {
    return std::string(d.negative ? "-" : "+") + "'" + d.digits + "'e" +
           std::to_string(d.exponent10);
}

// Compares both paths; on a difference records a failure naming the input and
// returns false.
bool sameAsReference(double value, int decimals, DecimalRounding mode) {
    const DecimalDigits fast = roundDecimal(value, decimals, mode);
    const DecimalDigits ref = roundDecimalReference(value, decimals, mode);
    if (fast.negative == ref.negative && fast.digits == ref.digits &&
        fast.exponent10 == ref.exponent10)
        return true;
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (bits %016llx)", value,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    ADD_FAILURE() << "value " << text << " decimals " << decimals << " mode "
                  << static_cast<int>(mode) << ": fast " << describe(fast) << ", reference "
                  << describe(ref);
    return false;
}

// The value, its neighbours one and two ulps away, and the same with the other
// sign, at every decimal count the formatting uses (0..15, and 1000 for all
// significant digits) and a few negative ones, in all modes.
bool checkAround(double value) {
    double probes[5] = {value, std::nextafter(value, -INFINITY), std::nextafter(value, INFINITY), 0,
                        0};
    probes[3] = std::nextafter(probes[1], -INFINITY);
    probes[4] = std::nextafter(probes[2], INFINITY);
    for (double p : probes) {
        for (double v : {p, -p}) {
            for (int decimals = -3; decimals <= 16; ++decimals)
                if (!sameAsReference(v, decimals, DecimalRounding::HalfAway)) return false;
            for (DecimalRounding mode : kModes)
                if (!sameAsReference(v, 1000, mode)) return false;
        }
    }
    return true;
}

// Every decimal count in all modes, for the value alone (no neighbours).
bool checkAllModes(double value) {
    for (DecimalRounding mode : kModes)
        for (int decimals = -3; decimals <= 16; ++decimals)
            if (!sameAsReference(value, decimals, mode)) return false;
    return true;
}

TEST(DecimalRounding, SpecialValuesMatchTheReference) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> specials = {
        0.0, -0.0, std::numeric_limits<double>::quiet_NaN(), inf, -inf,
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(), 1e-300, 1e300,
        // the edges of the exact path and of 64-bit digit counts
        1e-12, 1e-13, 1e15, 1e16, 9007199254740992.0, 999999999999999.0, 999999999999999.5,
        // readings that are not what the binary value holds
        1.005, 2.675, 1.015, 0.285, 8.345, 1.0 / 3, 2.0 / 3, 0.1 + 0.2,
        // the sixteenth significant digit is exactly 5: the decimal conversion
        // breaks the tie
        12345678901234.25, 12345678901234.75, 123456789012345.5, 123456789012344.5,
        // 15 nines then more: the first rounding carries into a new digit
        9.9999999999999995, 99999.999999999995, 0.99999999999999995, 0.000099999999999999995};
    for (double v : specials) EXPECT_TRUE(checkAround(v)) << v;
}

TEST(DecimalRounding, PowersOfTenAndHalvesMatchTheReference) {
    for (int e = -14; e <= 16; ++e) {
        const double p = std::pow(10.0, e);
        ASSERT_TRUE(checkAround(p)) << e;
        ASSERT_TRUE(checkAround(5 * p)) << e;
        ASSERT_TRUE(checkAround(0.5 * p)) << e;
        ASSERT_TRUE(checkAround(9.5 * p)) << e;
        ASSERT_TRUE(checkAround(p - 0.5 * std::pow(10.0, e - 15))) << e;
    }
}

// Seeded sweeps of the shapes numbers in sheets take. Each generator gives one
// value per call.
double anyMagnitude(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-16, 17);
    return mantissa(rng) * std::pow(10.0, exponent(rng));
}

// n / 10^k with up to 16 digits: values that read as decimal ties at one place
// fewer (2.675, 1.005), whose binary value lies just below or above the half.
double decimalReading(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> digitCount(1, 16), places(0, 16);
    const int digits = digitCount(rng);
    std::uniform_int_distribution<std::uint64_t> n(
        0, static_cast<std::uint64_t>(std::pow(10.0, digits)) - 1);
    const double v = static_cast<double>(n(rng)) / std::pow(10.0, places(rng));
    return v;
}

// n / 2^k: exact binary ties at some decimal place (x.5, x.25, x.125 ...),
// including the sixteenth significant digit.
double binaryTie(std::mt19937_64& rng) {
    std::uniform_int_distribution<std::uint64_t> n(0, (1ull << 53) - 1);
    std::uniform_int_distribution<int> shift(0, 60), width(1, 53);
    const std::uint64_t bits = n(rng) >> (53 - width(rng));
    return std::ldexp(static_cast<double>(bits), -shift(rng));
}

// Any bit pattern: subnormals, huge values, NaN and infinities.
double anyBits(std::mt19937_64& rng) {
    return std::bit_cast<double>(rng());
}

TEST(DecimalRounding, SeededSweepMatchesTheReferenceBitForBit) {
    std::mt19937_64 rng(20261208);
    double (*const generators[])(std::mt19937_64&) = {anyMagnitude, decimalReading, binaryTie,
                                                      anyBits};
    std::uniform_int_distribution<int> someDecimals(-2, 17), modePick(0, 2);
    constexpr int kValues = 60000;
    long checked = 0;
    for (int i = 0; i < kValues; ++i) {
        for (auto generate : generators) {
            const double v = generate(rng);
            if (i % 64 == 0) {
                ASSERT_TRUE(checkAround(v));
                ASSERT_TRUE(checkAllModes(v));
            } else {
                const double near = i % 2 == 0 ? std::nextafter(v, 0.0) : v;
                for (int decimals : {0, 2, 7, 1000})
                    ASSERT_TRUE(sameAsReference(near, decimals, DecimalRounding::HalfAway));
                ASSERT_TRUE(sameAsReference(-v, someDecimals(rng), kModes[modePick(rng)]));
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4L * kValues);
}

TEST(DecimalRounding, RoundsHalfAwayOnTheDecimalReading) {
    const DecimalDigits a = roundDecimal(2.675, 2, DecimalRounding::HalfAway);
    EXPECT_EQ(a.digits, "268");
    EXPECT_EQ(a.exponent10, 0);
    const DecimalDigits b = roundDecimal(-1.005, 2, DecimalRounding::HalfAway);
    EXPECT_TRUE(b.negative);
    EXPECT_EQ(b.digits, "101");
    const DecimalDigits c = roundDecimal(9.995, 2, DecimalRounding::HalfAway);
    EXPECT_EQ(c.digits, "1");
    EXPECT_EQ(c.exponent10, 1);  // carried into the tens
    const DecimalDigits d = roundDecimal(0.004, 2, DecimalRounding::HalfAway);
    EXPECT_EQ(d.digits, "");
    EXPECT_FALSE(roundDecimal(-0.004, 2, DecimalRounding::HalfAway).negative);
    const DecimalDigits e = roundDecimal(0.005, 2, DecimalRounding::HalfAway);
    EXPECT_EQ(e.digits, "1");
    EXPECT_EQ(e.exponent10, -2);
}

}  // namespace

// snap15 is the double read back from the value's 15-digit text, for whole and fractional
// values of every magnitude and their neighbours.
TEST(DecimalRounding, Snap15IsTheValueReadBackFromItsFifteenDigits) {
    const auto readBack = [](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%.14e", v);
        return std::strtod(text, nullptr);
    };
    std::mt19937_64 rng(20261209);
    double (*const generators[])(std::mt19937_64&) = {anyMagnitude, decimalReading, binaryTie,
                                                      anyBits};
    for (int i = 0; i < 20000; ++i) {
        for (auto generate : generators) {
            const double v = generate(rng);
            if (!std::isfinite(v)) continue;
            for (double probe : {v, -v, std::nextafter(v, 0.0), std::trunc(v), v * 1e-9}) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(snap15(probe)),
                          std::bit_cast<std::uint64_t>(readBack(probe)))
                    << probe;
            }
        }
    }
    EXPECT_EQ(snap15(0.1 + 0.2), 0.3);
    EXPECT_EQ(snap15(-4.35e-8 * 3), -1.305e-7);
}
