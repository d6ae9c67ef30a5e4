#include "records/field_validity.h"

#include "codec/field_codec.h"
#include "util/sjis.h"

namespace rekkan {
namespace {

bool IsCobolBinaryCode(TypeCode type) {
    return type == kUBinary || type == kSBinary || type == kUComp || type == kSComp || type == kUComp5 ||
           type == kSComp5;
}

/// Digits of a decoded integer text ("-123" has 3).
int DigitCount(const std::string& text) {
    int digits = 0;
    for (const char c : text) digits += c >= '0' && c <= '9';
    return digits;
}

}  // namespace

bool AcceptsAnyBytes(TypeCode type, int length, int digits) {
    if (IsCharacterType(type)) return false;
    switch (type) {
    case kUNum:
    case kSNum:
    case kUComp3:
    case kSComp3:
    case kFloat:
    case kDouble:
    case kDate8: return false;
    case kUBinary:
    case kSBinary:
    case kUComp:
    case kSComp:
        // Native binary (COMP-5) may use every bit; the others stay within their digits.
        return !(length == 2 || length == 4 || length == 8) || digits < 1 || digits >= 19;
    default: return true;
    }
}

std::vector<JudgedField> JudgedFieldsOf(const std::vector<TRdbObj>& fields) {
    std::vector<JudgedField> judged;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TRdbObj& f = fields[i];
        if (f.IsGroup()) continue;
        JudgedField j;
        j.offset = f.position - 1;
        j.length = f.length > 0 ? f.length : 0;
        j.type = f.type;
        j.digits = f.desc.BYT;
        j.entry = i;
        j.weighed = !AcceptsAnyBytes(j.type, j.length, j.digits) && j.length > 0;
        judged.push_back(j);
    }
    return judged;
}

bool ValidityJudge::Valid(const std::uint8_t* p, int n, TypeCode type, int digits) {
    scratch_.clear();
    const bool valid = AppendDecoded(p, n, type, options_, scratch_);
    if (!valid) return false;
    if (IsCharacterType(type))
        return IsWholeShiftJis(std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n)));
    if (type == kFloat || type == kDouble) return scratch_.find("INF") == std::string::npos;
    if (IsCobolBinaryCode(type) && !AcceptsAnyBytes(type, n, digits)) return DigitCount(scratch_) <= digits;
    return true;
}

}  // namespace rekkan
