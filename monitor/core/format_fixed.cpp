#include "monitor/core/format_fixed.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace velmorant {

namespace {

constexpr std::uint32_t kLimbBase = 1'000'000'000;
// m × 5^16445 (the smallest subnormal long double) has about 11 500 decimal digits.
constexpr int kMaxLimbs = 1300;
constexpr int kKeptDigits = 18;

constexpr std::array<std::uint32_t, 14> kPowersOf5 = {
    1u,     5u,      25u,      125u,     625u,      3125u,      15625u,
    78125u, 390625u, 1953125u, 9765625u, 48828125u, 244140625u, 1220703125u};

constexpr std::array<std::uint64_t, 28> kPowersOf5Wide = [] {
    std::array<std::uint64_t, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
    return p;
}();

// Exactly representable: 10^27 = 2^27 × 5^27 and 5^27 < 2^64.
constexpr int kExactPowersOf10 = 27;
constexpr std::array<long double, kExactPowersOf10 + 1> kPowersOf10 = [] {
    std::array<long double, kExactPowersOf10 + 1> p{};
    p[0] = 1.0L;
    for (int i = 1; i <= kExactPowersOf10; ++i) p[i] = p[i - 1] * 10.0L;
    return p;
}();

// An unsigned integer in base 10^9, least significant limb first. The limbs are left
// uninitialised: only the first `count` are ever read.
struct BigDecimal {
    std::uint32_t limb[kMaxLimbs];
    int count = 0;

    void Set(std::uint64_t v) {
        count = 0;
        do {
            limb[count++] = static_cast<std::uint32_t>(v % kLimbBase);
            v /= kLimbBase;
        } while (v != 0);
    }

    void Multiply(std::uint32_t f) {
        std::uint64_t carry = 0;
        for (int i = 0; i < count; ++i) {
            const std::uint64_t t = std::uint64_t{limb[i]} * f + carry;
            limb[i] = static_cast<std::uint32_t>(t % kLimbBase);
            carry = t / kLimbBase;
        }
        while (carry != 0) {
            limb[count++] = static_cast<std::uint32_t>(carry % kLimbBase);
            carry /= kLimbBase;
        }
    }
};

int DigitCount(std::uint32_t v) {
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// |x| = 0.d1 d2 … d18 × 10^exponent, d1 not 0.
struct SignificantDigits {
    std::array<std::uint8_t, kKeptDigits> digit;
    int exponent;
};

// The first 18 significant digits of a finite, non-zero |x|, the 18th rounded to nearest
// from the exact expansion (an exact tie goes to even, as the FPU rounds).
// |x| = m × 2^e with m odd, read from the 80-bit extended format (64-bit significand with
// its integer bit, 15-bit biased exponent).
void Decompose(long double ax, std::uint64_t& m, int& e) {
    static_assert(LDBL_MANT_DIG == 64, "the x87 extended format is assumed");
    unsigned char raw[sizeof(long double)];
    std::memcpy(raw, &ax, sizeof raw);
    std::memcpy(&m, raw, sizeof m);
    const int biased = (raw[8] | (raw[9] << 8)) & 0x7FFF;
    e = (biased == 0 ? 1 : biased) - 16383 - 63;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    e += zeros;
}

// The decimal digits of v, most significant first; returns their number.
int DigitsOf(std::uint64_t v, std::uint8_t (&out)[20]) {
    std::uint8_t reversed[20];
    int n = 0;
    do {
        reversed[n++] = static_cast<std::uint8_t>(v % 10);
        v /= 10;
    } while (v != 0);
    for (int i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
    return n;
}

// The first 19 digits of an integer (zeros past its end), whether any digit after them is
// non-zero, and how many digits it has.
struct LeadingDigits {
    std::array<std::uint8_t, kKeptDigits + 1> digit{};
    bool sticky = false;
    int count = 0;
};

LeadingDigits LeadingOf(std::uint64_t v) {
    std::uint8_t all[20];
    LeadingDigits l;
    l.count = DigitsOf(v, all);
    for (int i = 0; i < l.count; ++i) {
        if (i <= kKeptDigits)
            l.digit[static_cast<std::size_t>(i)] = all[i];
        else if (all[i] != 0)
            l.sticky = true;
    }
    return l;
}

LeadingDigits LeadingOf(const BigDecimal& big) {
    LeadingDigits l;
    int taken = 0;
    const int top = big.count - 1;
    const int topDigits = DigitCount(big.limb[top]);
    l.count = topDigits + 9 * top;
    for (int i = top; i >= 0; --i) {
        const int len = i == top ? topDigits : 9;
        std::uint8_t group[9];
        std::uint32_t v = big.limb[i];
        for (int j = len - 1; j >= 0; --j) {
            group[j] = static_cast<std::uint8_t>(v % 10);
            v /= 10;
        }
        for (int j = 0; j < len; ++j) {
            if (taken <= kKeptDigits)
                l.digit[static_cast<std::size_t>(taken++)] = group[j];
            else if (group[j] != 0)
                l.sticky = true;
        }
        if (taken > kKeptDigits) {
            for (int r = i - 1; r >= 0 && !l.sticky; --r) l.sticky = big.limb[r] != 0;
            break;
        }
    }
    return l;
}

// The first 18 significant digits of a finite, non-zero |x|, the 18th rounded to nearest
// from the exact expansion (an exact tie goes to even, as the FPU rounds).
SignificantDigits Expand(long double ax) {
    std::uint64_t m = 0;
    int e = 0;
    Decompose(ax, m, e);

    // ax = m × 2^e: an integer for e ≥ 0, otherwise m × 5^-e shifted -e decimal places.
    // Most displayed values fit in 64 bits that way; the rest take the long path.
    LeadingDigits lead;
    int decimalsBelowPoint = 0;
    std::uint64_t small = 0;
    if (e >= 0 && e < std::countl_zero(m)) {
        lead = LeadingOf(m << e);
    } else if (e < 0 && -e <= 27 &&
               !__builtin_mul_overflow(m, kPowersOf5Wide[static_cast<std::size_t>(-e)], &small)) {
        decimalsBelowPoint = -e;
        lead = LeadingOf(small);
    } else {
        BigDecimal big;
        big.Set(m);
        if (e >= 0) {
            for (; e >= 31; e -= 31) big.Multiply(1u << 31);
            if (e > 0) big.Multiply(1u << e);
        } else {
            int k = -e;
            decimalsBelowPoint = k;
            for (; k >= 13; k -= 13) big.Multiply(kPowersOf5[13]);
            if (k > 0) big.Multiply(kPowersOf5[static_cast<std::size_t>(k)]);
        }
        lead = LeadingOf(big);
    }

    SignificantDigits s{};
    s.exponent = lead.count - decimalsBelowPoint;
    std::copy_n(lead.digit.begin(), kKeptDigits, s.digit.begin());
    const std::uint8_t next = lead.digit[kKeptDigits];
    const bool up =
        next > 5 || (next == 5 && (lead.sticky || (lead.digit[kKeptDigits - 1] & 1) != 0));
    if (up) {
        int i = kKeptDigits - 1;
        for (; i >= 0 && s.digit[static_cast<std::size_t>(i)] == 9; --i)
            s.digit[static_cast<std::size_t>(i)] = 0;
        if (i < 0) {
            s.digit[0] = 1;
            ++s.exponent;
        } else {
            ++s.digit[static_cast<std::size_t>(i)];
        }
    }
    return s;
}

void AppendDecimal(std::string& out, long long v) {
    if (v < 0) {
        out.push_back('-');
        v = -v;
    }
    char buf[24];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0) out.push_back(buf[--n]);
}

long double ScaleByPowerOf10(long double v, long long exponent) {
    const long long magnitude = exponent < 0 ? -exponent : exponent;
    const long double scale = magnitude <= kExactPowersOf10
                                  ? kPowersOf10[static_cast<std::size_t>(magnitude)]
                                  : std::pow(10.0L, static_cast<long double>(magnitude));
    return exponent < 0 ? v / scale : v * scale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void AppendFixed(std::string& out, long double x, int p, int d, char decimalSeparator) {
    if (std::isnan(x)) {
        out += "NAN";
        return;
    }
    if (std::isinf(x)) {
        out += x < 0 ? "-INF" : "INF";
        return;
    }
    p = std::clamp(p, 2, kKeptDigits);

    std::array<std::uint8_t, kKeptDigits> kept{};
    int count = 0;
    long long exponent = 0;
    if (x != 0) {
        const SignificantDigits s = Expand(std::fabs(x));
        exponent = s.exponent;
        const long long n = std::min<long long>(p, exponent + d);
        if (n >= kKeptDigits) {
            kept = s.digit;
            count = kKeptDigits;
        } else if (n > 0) {
            count = static_cast<int>(n);
            std::copy_n(s.digit.begin(), count, kept.begin());
            if (s.digit[static_cast<std::size_t>(count)] >= 5) {
                int i = count - 1;
                for (; i >= 0 && kept[static_cast<std::size_t>(i)] == 9; --i)
                    kept[static_cast<std::size_t>(i)] = 0;
                if (i < 0) {
                    kept[0] = 1;
                    count = 1;
                    ++exponent;
                } else {
                    ++kept[static_cast<std::size_t>(i)];
                }
            }
        } else if (n == 0 && s.digit[0] >= 5) {
            kept[0] = 1;
            count = 1;
            ++exponent;
        }
        while (count > 0 && kept[static_cast<std::size_t>(count - 1)] == 0) --count;
    }
    // A value that keeps no digit is a plain 0, without sign.
    if (count == 0) exponent = 0;
    const bool negative = count > 0 && std::signbit(x);

    if (exponent > p) {
        if (negative) out.push_back('-');
        out.push_back(static_cast<char>('0' + kept[0]));
        if (count > 1) {
            out.push_back(decimalSeparator);
            for (int i = 1; i < count; ++i)
                out.push_back(static_cast<char>('0' + kept[static_cast<std::size_t>(i)]));
        }
        out.push_back('E');
        AppendDecimal(out, exponent - 1);
        return;
    }

    if (negative) out.push_back('-');
    if (exponent <= 0) {
        out.push_back('0');
    } else {
        for (long long i = 0; i < exponent; ++i)
            out.push_back(i < count ? static_cast<char>('0' + kept[static_cast<std::size_t>(i)])
                                    : '0');
    }
    if (d > 0) {
        out.push_back(decimalSeparator);
        for (long long j = 0; j < d; ++j) {
            const long long i = exponent + j;
            out.push_back(i >= 0 && i < count
                              ? static_cast<char>('0' + kept[static_cast<std::size_t>(i)])
                              : '0');
        }
    }
}

std::string FormatFixed(long double x, int p, int d, char decimalSeparator) {
    std::string s;
    AppendFixed(s, x, p, d, decimalSeparator);
    return s;
}

std::optional<long double> ReadFixed(std::string_view text, char decimalSeparator) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;

    // Up to 19 significant digits are exact in the 64-bit mantissa; later ones only scale.
    std::uint64_t mantissa = 0;
    int significant = 0;
    long long exponent = 0;
    auto take = [&](char c, bool belowPoint) {
        const int v = c - '0';
        if (mantissa == 0 && v == 0) {
            if (belowPoint) --exponent;
            return;
        }
        if (significant < 19) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(v);
            ++significant;
            if (belowPoint) --exponent;
        } else if (!belowPoint) {
            ++exponent;
        }
    };

    const std::size_t integerStart = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) take(text[i], false);
    if (i == integerStart) return std::nullopt;
    if (i < text.size() && text[i] == decimalSeparator) {
        const std::size_t fractionStart = ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) take(text[i], true);
        if (i == fractionStart) return std::nullopt;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (negativeExponent) ++i;
        const std::size_t exponentStart = i;
        long long e = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            e = std::min(e * 10 + (text[i] - '0'), 100000LL);
        if (i == exponentStart) return std::nullopt;
        exponent += negativeExponent ? -e : e;
    }
    if (i != text.size()) return std::nullopt;

    const long double v = ScaleByPowerOf10(static_cast<long double>(mantissa), exponent);
    return negative ? -v : v;
}

}  // namespace velmorant
