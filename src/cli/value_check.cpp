#include "cli/value_check.h"

#include <charconv>
#include <cmath>

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
        if (field.type == kCurrency && std::fabs(value) >= 922337203685477.0) return "does not fit in a currency";
        if (field.type == kFloat && std::fabs(value) > 3.4028234663852886e38) return "does not fit in a float";
        return {};
    }
    if (field.type == kDate8 || field.type == kBit) {
        if (Trim(RoundTrip(text, field, options)) != Trim(text))
            return field.type == kDate8 ? "not a date the field holds (YYYYMMDD)" : "not bits the field holds";
    }
    return {};
}

}  // namespace rekkan::cli
