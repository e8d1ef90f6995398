#include "monitor/core/format_fixed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace velmorant;

namespace {

// Unsigned integers of any size in base 2^32, least significant word first: enough for the
// oracle to do its arithmetic on exact rationals m × 2^e × 10^s.
class BigUint {
public:
    explicit BigUint(std::uint64_t v = 0) {
        while (v != 0) {
            w_.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }

    bool IsZero() const { return w_.empty(); }
    bool IsOdd() const { return !w_.empty() && (w_[0] & 1u) != 0; }

    void ShiftLeft(int bits) {
        if (IsZero() || bits == 0) return;
        w_.insert(w_.begin(), static_cast<std::size_t>(bits / 32), 0u);
        const int r = bits % 32;
        if (r == 0) return;
        std::uint32_t carry = 0;
        for (auto& x : w_) {
            const std::uint32_t next = x >> (32 - r);
            x = (x << r) | carry;
            carry = next;
        }
        if (carry != 0) w_.push_back(carry);
    }

    void ShiftRight(int bits) {
        const std::size_t words = static_cast<std::size_t>(bits / 32);
        if (words >= w_.size()) {
            w_.clear();
            return;
        }
        w_.erase(w_.begin(), w_.begin() + static_cast<std::ptrdiff_t>(words));
        const int r = bits % 32;
        if (r != 0) {
            for (std::size_t i = 0; i < w_.size(); ++i) {
                const std::uint32_t high = i + 1 < w_.size() ? w_[i + 1] << (32 - r) : 0u;
                w_[i] = (w_[i] >> r) | high;
            }
        }
        Trim();
    }

    void MulSmall(std::uint32_t f) {
        std::uint64_t carry = 0;
        for (auto& x : w_) {
            const std::uint64_t t = std::uint64_t{x} * f + carry;
            x = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0) w_.push_back(static_cast<std::uint32_t>(carry));
        Trim();
    }

    void MulPow10(int n) {
        for (int i = 0; i < n; ++i) MulSmall(10);
    }

    void DivSmall(std::uint32_t f) {
        std::uint64_t rem = 0;
        for (std::size_t i = w_.size(); i-- > 0;) {
            const std::uint64_t cur = (rem << 32) | w_[i];
            w_[i] = static_cast<std::uint32_t>(cur / f);
            rem = cur % f;
        }
        Trim();
    }

    void AddOne() {
        for (auto& x : w_)
            if (++x != 0) return;
        w_.push_back(1);
    }

    std::uint64_t ToU64() const {
        EXPECT_LE(w_.size(), 2u);
        std::uint64_t v = 0;
        for (std::size_t i = w_.size(); i-- > 0;) v = (v << 32) | w_[i];
        return v;
    }

    friend int Compare(const BigUint& a, const BigUint& b) {
        if (a.w_.size() != b.w_.size()) return a.w_.size() < b.w_.size() ? -1 : 1;
        for (std::size_t i = a.w_.size(); i-- > 0;)
            if (a.w_[i] != b.w_[i]) return a.w_[i] < b.w_[i] ? -1 : 1;
        return 0;
    }

private:
    void Trim() {
        while (!w_.empty() && w_.back() == 0) w_.pop_back();
    }
    std::vector<std::uint32_t> w_;
};

// |x| = m × 2^e exactly.
struct Binary {
    std::uint64_t m;
    int e;
};

Binary BinaryOf(long double x) {
    int e = 0;
    const long double f = std::frexp(std::fabs(x), &e);
    return {static_cast<std::uint64_t>(std::ldexp(f, 64)), e - 64};
}

// m × 2^e × 10^s = num / (2^twos × 10^tens), all integers.
struct Fraction {
    BigUint num;
    int twos = 0;
    int tens = 0;
};

Fraction FractionOf(const Binary& b, int s) {
    Fraction f{BigUint(b.m)};
    if (b.e >= 0)
        f.num.ShiftLeft(b.e);
    else
        f.twos = -b.e;
    if (s >= 0)
        f.num.MulPow10(s);
    else
        f.tens = -s;
    return f;
}

BigUint Denominator(const Fraction& f) {
    BigUint d(1);
    d.ShiftLeft(f.twos);
    d.MulPow10(f.tens);
    return d;
}

// |x| < 10^k, compared exactly.
bool Below(const Binary& b, int k) {
    const Fraction f = FractionOf(b, -k);
    return Compare(f.num, Denominator(f)) < 0;
}

// |x| × 10^s rounded to the nearest integer, exact ties to even.
BigUint RoundScaled(const Binary& b, int s) {
    const Fraction f = FractionOf(b, s);
    BigUint q = f.num;
    q.ShiftRight(f.twos);
    for (int i = 0; i < f.tens; ++i) q.DivSmall(10);
    // The remainder against half the denominator: 2·num against (2q + 1)·den.
    BigUint lhs = f.num;
    lhs.ShiftLeft(1);
    BigUint rhs = q;
    rhs.ShiftLeft(1);
    rhs.AddOne();
    rhs.ShiftLeft(f.twos);
    rhs.MulPow10(f.tens);
    const int c = Compare(lhs, rhs);
    if (c > 0 || (c == 0 && q.IsOdd())) q.AddOne();
    return q;
}

std::uint64_t Pow10U(int n) {
    std::uint64_t v = 1;
    for (int i = 0; i < n; ++i) v *= 10;
    return v;
}

// The format written out from its rules, on exact rationals.
std::string Oracle(long double x, int p, int d, char sep) {
    p = std::clamp(p, 2, 18);
    std::string digits;
    int e = 0;
    if (x != 0) {
        const Binary b = BinaryOf(x);
        e = static_cast<int>(std::floor(std::log10(std::fabs(x)))) + 1;
        while (!Below(b, e)) ++e;
        while (Below(b, e - 1)) --e;
        std::uint64_t r = RoundScaled(b, 18 - e).ToU64();
        if (r == Pow10U(18)) {
            r = Pow10U(17);
            ++e;
        }
        const long long n = std::min<long long>(p, static_cast<long long>(e) + d);
        if (n >= 18) {
            digits = std::to_string(r);
        } else if (n > 0) {
            const std::uint64_t unit = Pow10U(18 - static_cast<int>(n));
            std::uint64_t k = r / unit + (r % unit >= unit / 2 ? 1 : 0);
            digits = std::to_string(k);
            if (digits.size() > static_cast<std::size_t>(n)) {
                digits = "1";
                ++e;
            }
        } else if (n == 0 && r >= 5 * Pow10U(17)) {
            digits = "1";
            ++e;
        }
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
    }
    if (digits.empty()) e = 0;
    const std::string sign = !digits.empty() && x < 0 ? "-" : "";
    if (e > p) {
        std::string s = sign + digits.substr(0, 1);
        if (digits.size() > 1) s += sep + digits.substr(1);
        return s + "E" + std::to_string(e - 1);
    }
    std::string s = sign;
    if (e <= 0) s += "0";
    for (int i = 0; i < e; ++i) s += i < static_cast<int>(digits.size()) ? digits[i] : '0';
    if (d > 0) {
        s += sep;
        for (int j = 0; j < d; ++j) {
            const int i = e + j;
            s += i >= 0 && i < static_cast<int>(digits.size()) ? digits[i] : '0';
        }
    }
    return s;
}

}  // namespace

TEST(FormatFixed, Examples) {
    struct Case {
        long double x;
        int p, d;
        const char* text;
    };
    const Case cases[] = {
        {31.875L, 4, 3, "31.880"},
        {9.875L, 4, 3, "9.875"},
        {239.6L, 3, 1, "240.0"},
        {127.5L, 3, 1, "128.0"},
        {0.0L, 3, 2, "0.00"},
        {-0.04L, 3, 1, "0.0"},
        {1234.0L, 3, 1, "1.23E3"},
        {99.95L, 3, 1, "100.0"},
        {1000.0L, 3, 1, "1E3"},
        {999.0L, 3, 1, "999.0"},
        {-30.0L, 3, 1, "-30.0"},
        {6375.0L, 4, 0, "6375"},
        {0.5L, 3, 0, "1"},
        {0.4L, 3, 0, "0"},
        {-0.5L, 3, 0, "-1"},
        {12345.0L, 18, 0, "12345"},
        {0.001L, 2, 2, "0.00"},
        {0.005L, 2, 2, "0.01"},
        {-1234.5L, 3, 0, "-1.23E3"},
        {123.0L, 1, 0, "1.2E2"},
        {123.0L, 40, 2, "123.00"},
        {1.0e20L, 18, 0, "1E20"},
        // Exact ties at the 19th digit go to even.
        {1000000000000000005.0L, 18, 0, "1E18"},
        {1000000000000000015.0L, 18, 0, "1.00000000000000002E18"},
        {1.5e-7L, 3, 9, "0.000000150"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d, '.'), c.text)
            << static_cast<double>(c.x) << " " << c.p << "," << c.d;
}

TEST(FormatFixed, SeparatorIsTheCallersAndSpecialValuesHaveText) {
    EXPECT_EQ(FormatFixed(31.875L, 4, 3, ','), "31,880");
    EXPECT_EQ(FormatFixed(1234.0L, 3, 1, ','), "1,23E3");
    EXPECT_EQ(FormatFixed(-0.0L, 3, 1, '.'), "0.0");
    EXPECT_EQ(FormatFixed(NAN, 3, 1, '.'), "NAN");
    EXPECT_EQ(FormatFixed(-INFINITY, 3, 1, '.'), "-INF");
}

// The 18th significant digit is rounded before the kept digits are: 0.125 - 2^-64 shows as
// 0.13 with two decimals, although its exact value is below 0.125.
TEST(FormatFixed, EighteenDigitsComeFirst) {
    const long double x = 0.125L - std::ldexp(1.0L, -64);
    EXPECT_LT(x, 0.125L);
    EXPECT_EQ(FormatFixed(x, 3, 2, '.'), "0.13");
    EXPECT_EQ(Oracle(x, 3, 2, '.'), "0.13");
}

TEST(FormatFixed, AgreesWithExactRationalOracle) {
    struct Case {
        long double x;
        int p, d;
    };
    std::vector<Case> cases;
    // Values the conversions produce.
    for (int b = 0; b < 256; b += 3) {
        cases.push_back({b * 0.47L - 30, 3, 1});
        cases.push_back({b / 255.0L * 100, 3, 1});
        cases.push_back({b / 1.8L, 3, 1});
        cases.push_back({b * 0.6515L, 3, 1});
        cases.push_back({(20 * b) / 128.0L - 20, 3, 2});
    }
    // Binary fractions with exact ties at the kept digit.
    for (int k = -40; k <= 400; k += 7) cases.push_back({k / 64.0L, 2 + (k & 3), k & 3});
    // Random mantissas over a wide range of magnitudes, precisions and decimals.
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 300; ++i) {
        const long double mantissa =
            std::ldexp(static_cast<long double>(random() | (1ull << 63)), -64);
        const int exponent = static_cast<int>(random() % 161) - 80;
        const long double x = std::ldexp(mantissa, exponent) * ((random() & 1) ? -1 : 1);
        cases.push_back({x, static_cast<int>(random() % 22), static_cast<int>(random() % 8)});
    }
    // Extremes of the type.
    for (long double x : {1000000000000000005.0L, 1000000000000000025.0L, 99999999999999999.95L})
        cases.push_back({x, 18, 2});
    for (long double x : {LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, -LDBL_MAX, 1e4000L, 3e-4000L})
        cases.push_back({x, 18, 3});

    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d, '.'), Oracle(c.x, c.p, c.d, '.'))
            << std::hexfloat << static_cast<double>(c.x) << " p " << c.p << " d " << c.d;
}

TEST(ReadFixed, ReadsWhatFormatFixedWrites) {
    struct Case {
        const char* text;
        char sep;
        long double value;
    };
    const Case cases[] = {
        {"-20.9", '.', -209.0L / 10}, {"96.9", '.', 969.0L / 10}, {"0.0", '.', 0.0L},
        {"240,0", ',', 240.0L},       {"1.23E3", '.', 1230.0L},   {"1E3", '.', 1000.0L},
        {"-0.05", '.', -5.0L / 100},  {"4E-2", '.', 4.0L / 100},  {"007", '.', 7.0L},
    };
    for (const Case& c : cases) {
        const auto v = ReadFixed(c.text, c.sep);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    for (const char* bad : {"", "-", "abc", "1.", ".5", "1,5", "1E", "1.2.3", " 1", "1 "})
        EXPECT_FALSE(ReadFixed(bad, '.').has_value()) << bad;
}
