#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "codec/codec_detail.h"
#include "codec/value_codecs.h"
#include "util/text.h"

namespace rekkan::codec_detail {

namespace {

template <typename T>
T LoadLittle(const std::uint8_t* p, int n) {
    std::uint8_t b[sizeof(T)] = {};
    for (int i = 0; i < static_cast<int>(sizeof(T)) && i < n; ++i) b[i] = p[i];
    T v;
    std::memcpy(&v, b, sizeof v);
    return v;
}

template <typename T>
void StoreLittle(T v, std::uint8_t* p, int n) {
    std::uint8_t b[sizeof(T)];
    std::memcpy(b, &v, sizeof v);
    for (int i = 0; i < static_cast<int>(sizeof(T)) && i < n; ++i) p[i] = b[i];
}

/// A decimal number as written: its digits (point removed, no sign) and the count of them
/// before the point, adjusted by the exponent. False when the text is no number.
struct DecimalText {
    bool negative = false;
    std::string digits;
    long long pointAt = 0;
};

bool SplitDecimal(std::string_view t, DecimalText& d) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) d.negative = t[i++] == '-';
    bool any = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            d.digits.push_back(c);
            if (!point) ++d.pointAt;
            any = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return false;
    if (i < t.size()) {
        if (t[i] != 'e' && t[i] != 'E') return false;
        ++i;
        bool expNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNegative = t[i++] == '-';
        if (i >= t.size()) return false;
        long long e = 0;
        for (; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9') return false;
            if (e < 100000) e = e * 10 + (t[i] - '0');
        }
        d.pointAt += expNegative ? -e : e;
    }
    return true;
}

}  // namespace

void FormatGeneral(double value, int precision, std::string& out) {
    if (std::isinf(value)) {
        if (value < 0) out.push_back('-');
        out.append("INF", 3);
        return;
    }
    if (value == 0) {
        out.push_back('0');
        return;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision - 1);
    std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    bool negative = false;
    if (!s.empty() && s[0] == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    const std::size_t ePos = s.find('e');
    char digits[32];
    int count = 0;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (s[i] != '.') digits[count++] = s[i];
    }
    int exponent = 0;
    std::from_chars(s.data() + ePos + (s[ePos + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    if (negative) out.push_back('-');
    if (exponent < precision && exponent >= -5) {
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i) out.push_back(i < count ? digits[i] : '0');
            if (count > exponent + 1) {
                out.push_back('.');
                out.append(digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out.append(digits, static_cast<std::size_t>(count));
        }
        return;
    }
    out.push_back(digits[0]);
    if (count > 1) {
        out.push_back('.');
        out.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    char expText[8];
    const auto er = std::to_chars(expText, expText + sizeof expText, exponent < 0 ? -exponent : exponent);
    const std::size_t expLength = static_cast<std::size_t>(er.ptr - expText);
    if (expLength < 4) out.append(4 - expLength, '0');
    out.append(expText, expLength);
}

bool ParseDecimal(std::string_view text, double& value) {
    const std::string t = Trim(text);
    DecimalText d;
    if (!SplitDecimal(t, d)) return false;
    std::string_view s = t;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(value);
}

}  // namespace rekkan::codec_detail

namespace rekkan {

using codec_detail::AppendUInt;
using codec_detail::FormatGeneral;
using codec_detail::ParseDecimal;
using codec_detail::WithoutBlanks;
namespace cd = codec_detail;

bool DecodeFloat(const std::uint8_t* p, int n, std::string& out) {
    const float v = cd::LoadLittle<float>(p, n);
    if (std::isnan(v)) return false;
    FormatGeneral(static_cast<double>(v), 7, out);
    return true;
}

bool DecodeDouble(const std::uint8_t* p, int n, std::string& out) {
    const double v = cd::LoadLittle<double>(p, n);
    if (std::isnan(v)) return false;
    FormatGeneral(v, 15, out);
    return true;
}

void DecodeCurrency(const std::uint8_t* p, int n, std::string& out) {
    const std::int64_t v = cd::LoadLittle<std::int64_t>(p, n);
    const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    if (v < 0) out.push_back('-');
    AppendUInt(out, magnitude / 10000);
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction != 0) {
        char f[4];
        for (int i = 3; i >= 0; --i) {
            f[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int length = 4;
        while (f[length - 1] == '0') --length;
        out.push_back('.');
        out.append(f, static_cast<std::size_t>(length));
    }
}

void EncodeFloat(std::string_view text, std::uint8_t* p, int n) {
    const std::string t = WithoutBlanks(text);
    double v = 0;
    if (t.empty() || !ParseDecimal(t, v) || std::fabs(v) > std::numeric_limits<float>::max()) v = 0;
    cd::StoreLittle(static_cast<float>(v), p, n);
}

void EncodeDouble(std::string_view text, std::uint8_t* p, int n) {
    const std::string t = WithoutBlanks(text);
    double v = 0;
    if (t.empty() || !ParseDecimal(t, v)) v = 0;
    cd::StoreLittle(v, p, n);
}

void EncodeCurrency(std::string_view text, std::uint8_t* p, int n) {
    // Read exactly in decimal (no detour through a double), rounded half away from zero to
    // four decimals; a value beyond the 64-bit range stores 0.
    const std::string t = WithoutBlanks(text);
    cd::DecimalText d;
    std::int64_t stored = 0;
    if (!t.empty() && cd::SplitDecimal(t, d)) {
        const long long integerDigits = d.pointAt + 4;
        const long long length = static_cast<long long>(d.digits.size());
        std::uint64_t magnitude = 0;
        bool overflow = false;
        for (long long i = 0; i < integerDigits && !overflow; ++i) {
            const unsigned digit = i < length ? static_cast<unsigned>(d.digits[static_cast<std::size_t>(i)] - '0') : 0;
            if (magnitude > (UINT64_MAX - digit) / 10)
                overflow = true;
            else
                magnitude = magnitude * 10 + digit;
        }
        if (!overflow && integerDigits >= 0 && integerDigits < length &&
            d.digits[static_cast<std::size_t>(integerDigits)] >= '5') {
            ++magnitude;
        }
        const std::uint64_t limit = d.negative ? (std::uint64_t{1} << 63) : static_cast<std::uint64_t>(INT64_MAX);
        if (!overflow && magnitude <= limit) {
            stored = d.negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
        }
    }
    cd::StoreLittle(stored, p, n);
}

}  // namespace rekkan
