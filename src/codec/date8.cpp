#include <cmath>
#include <cstring>

#include "codec/codec_detail.h"
#include "codec/value_codecs.h"

namespace rekkan::codec_detail {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

constexpr long long kEpochShift = 25569;  // days from 1899-12-30 to 1970-01-01
constexpr long long kFirstDay = -693593;  // 0001/01/01
constexpr long long kLastDay = 2958465;   // 9999/12/31

bool IsLeap(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(long long y, unsigned m) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

/// Reads 1 to `maxDigits` digits at `i`.
bool ReadNumber(std::string_view t, std::size_t& i, int maxDigits, long long& value) {
    value = 0;
    int count = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9' && count < maxDigits) {
        value = value * 10 + (t[i] - '0');
        ++i;
        ++count;
    }
    return count > 0;
}

}  // namespace

bool ParseDateTime(std::string_view t, double& days) {
    std::size_t i = 0;
    long long y = 0, m = 0, d = 0;
    if (!ReadNumber(t, i, 4, y) || i >= t.size() || t[i++] != '/') return false;
    if (!ReadNumber(t, i, 2, m) || i >= t.size() || t[i++] != '/') return false;
    if (!ReadNumber(t, i, 2, d)) return false;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, static_cast<unsigned>(m))) return false;
    double fraction = 0;
    if (i < t.size()) {
        // A time may follow, with or without a blank in between (blanks are removed first).
        if (t[i] == ' ') ++i;
        long long hh = 0, mm = 0, ss = 0;
        if (!ReadNumber(t, i, 2, hh) || i >= t.size() || t[i++] != ':') return false;
        if (!ReadNumber(t, i, 2, mm)) return false;
        if (i < t.size()) {
            if (t[i++] != ':' || !ReadNumber(t, i, 2, ss)) return false;
        }
        if (i != t.size() || hh > 23 || mm > 59 || ss > 59) return false;
        fraction = static_cast<double>(hh * 3600 + mm * 60 + ss) / 86400.0;
    }
    const long long serial = DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) + kEpochShift;
    days = serial < 0 ? static_cast<double>(serial) - fraction : static_cast<double>(serial) + fraction;
    return true;
}

}  // namespace rekkan::codec_detail

namespace rekkan {

namespace cd = codec_detail;

bool DecodeDate8(const std::uint8_t* p, int n, std::string& out) {
    std::uint8_t b[8] = {};
    for (int i = 0; i < 8 && i < n; ++i) b[i] = p[i];
    double v;
    std::memcpy(&v, b, sizeof v);
    if (!std::isfinite(v)) return false;
    const double whole = std::trunc(v);
    if (whole < static_cast<double>(cd::kFirstDay) || whole > static_cast<double>(cd::kLastDay)) return false;
    long long y = 0;
    unsigned m = 0, d = 0;
    cd::CivilFromDays(static_cast<long long>(whole) - cd::kEpochShift, y, m, d);
    char text[11];
    text[0] = static_cast<char>('0' + y / 1000);
    text[1] = static_cast<char>('0' + y / 100 % 10);
    text[2] = static_cast<char>('0' + y / 10 % 10);
    text[3] = static_cast<char>('0' + y % 10);
    text[4] = '/';
    text[5] = static_cast<char>('0' + m / 10);
    text[6] = static_cast<char>('0' + m % 10);
    text[7] = '/';
    text[8] = static_cast<char>('0' + d / 10);
    text[9] = static_cast<char>('0' + d % 10);
    out.append(text, 10);
    return true;
}

void EncodeDate8(std::string_view text, std::uint8_t* p, int n) {
    const std::string t = cd::WithoutBlanks(text);
    if (t.empty()) return;
    double days = 0;
    if (!cd::ParseDateTime(t, days)) days = 0;
    std::uint8_t b[8];
    std::memcpy(b, &days, sizeof days);
    for (int i = 0; i < 8 && i < n; ++i) p[i] = b[i];
}

bool IsDate8Text(std::string_view text) {
    double days = 0;
    return cd::ParseDateTime(cd::WithoutBlanks(text), days);
}

}  // namespace rekkan
