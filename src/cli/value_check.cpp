#include "cli/value_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "codec/value_codecs.h"
#include "model/type_catalogue.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

bool IsDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

/// The canonical form of a whole number ("+007" and "7" alike, "-0" as "0"); "" when the text
/// is not one.
std::string CanonicalInteger(std::string_view text) {
    std::string s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    if (!IsDigits(s)) return {};
    const std::size_t first = s.find_first_not_of('0');
    s = first == std::string::npos ? "0" : s.substr(first);
    return (negative && s != "0" ? "-" : "") + s;
}

/// The exact value of a decimal number ("1.50", "+1.5" and "15e-1" alike) as its significant
/// digits and exponent; "" when the text is not one.
std::string CanonicalDecimal(std::string_view text) {
    const std::string s = Trim(text);
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::string digits;
    long long exponent = 0;
    bool point = false;
    for (; i < s.size() && ((s[i] >= '0' && s[i] <= '9') || (s[i] == '.' && !point)); ++i) {
        if (s[i] == '.') {
            point = true;
        } else {
            digits += s[i];
            exponent -= point ? 1 : 0;
        }
    }
    if (digits.empty()) return {};
    if (i < s.size()) {
        if (s[i] != 'e' && s[i] != 'E') return {};
        i += i + 1 < s.size() && s[i + 1] == '+' ? 2 : 1;
        long long written = 0;
        const auto [end, error] = std::from_chars(s.data() + i, s.data() + s.size(), written);
        if (error != std::errc() || end != s.data() + s.size() || written > 100000 || written < -100000) return {};
        exponent += written;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) return "0";
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
}

/// What the field gives back once `text` was stored in it.
std::string RoundTrip(std::string_view text, const CodecField& field, const CodecOptions& options) {
    std::string record(static_cast<std::size_t>(field.length), '\0');
    CodecField alone = field;
    alone.position = 1;
    EncodeField(text, true, record, alone, options);
    std::string back;
    (void)DecodeFieldTo(back, record, alone, options);
    return back;
}

}  // namespace

std::string CheckValue(std::string& text, const CodecField& field, const CodecOptions& options, LongText longText) {
    const std::size_t length = static_cast<std::size_t>(field.length > 0 ? field.length : 0);
    if (field.hexDisplay || HasNoConverter(field.type)) {
        std::string digits;
        for (char c : text) {
            if (c == ' ') continue;
            if (HexDigitValue(c) < 0) return "not hex digits";
            digits += c;
        }
        if (digits.size() > 2 * length)
            return std::to_string(digits.size()) + " hex digits for " + std::to_string(length) + " bytes";
        return {};
    }
    if (IsCharacterType(field.type)) {
        // Text given as bytes (outside a UTF-8 locale, or --cp932) may be no Shift-JIS.
        if (const std::size_t at = FindLoneLeadByte(text); at != std::string::npos)
            return "byte " + std::to_string(at + 1) + " starts a Shift-JIS character that is not there";
        if (text.size() <= length) return {};
        if (longText == LongText::Truncate) {
            text.resize(CharSafeLength(text, length));
            return {};
        }
        return std::to_string(text.size()) + " bytes for a field of " + std::to_string(length) +
               " (--truncate cuts it)";
    }
    if (Trim(text).empty()) return {};  // an emptied field: the type's zero, as in the editor
    if (IsWholeNumber(field.type)) {
        const std::string typed = CanonicalInteger(text);
        if (typed.empty()) return "not a whole number";
        if (CanonicalInteger(RoundTrip(text, field, options)) != typed)
            return "does not fit in the field (" + std::to_string(length) + " bytes)";
        return {};
    }
    if (field.type == kFloat || field.type == kDouble || field.type == kCurrency) {
        const std::string t = Trim(text);
        const char* begin = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
        double value = 0;
        const auto [end, error] = std::from_chars(begin, t.data() + t.size(), value);
        if (error != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return "not a number";
        if (field.type == kCurrency && CanonicalDecimal(RoundTrip(text, field, options)) != CanonicalDecimal(t))
            return "does not fit in a currency (4 decimals, -922337203685477.5808 to 922337203685477.5807)";
        if (field.type == kFloat && std::fabs(value) > 3.4028234663852886e38) return "does not fit in a float";
        return {};
    }
    if (field.type == kDate8 && !IsDate8Text(text)) return "not a date (YYYY/MM/DD, a time hh:mm:ss may follow)";
    if (field.type == kBit && Trim(RoundTrip(text, field, options)) != Trim(text)) return "not bits the field holds";
    return {};
}

}  // namespace rekkan::cli
