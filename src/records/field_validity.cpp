#include "records/field_validity.h"

#include "codec/field_codec.h"
#include "codec/raw_writers.h"
#include "util/sjis.h"

namespace rekkan {
namespace {}  // namespace

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
    // The codec's own rules (those the decode plan runs), then the stricter ones.
    switch (type) {
    case kX:
    case kJ:
    case kString:
    case kVariant:
        return !HasControlByte(p, n) &&
               IsWholeShiftJis(std::string_view(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n)));
    case kUNum:
    case kSNum: return ZonedValid(p, n, options_.Zone());
    case kUComp3:
    case kSComp3: return PackedValid(p, n, options_.Pack());
    case kUBinary:
    case kSBinary:
    case kUComp:
    case kSComp: {
        if (AcceptsAnyBytes(type, n, digits)) return true;
        char text[kIntegerTextBound + kWriterSlack];
        const char* end = WriteCobolBinary(p, n, type == kSBinary || type == kSComp, text);
        return end - text - (text[0] == '-') <= digits;
    }
    case kFloat:
    case kDouble:
    case kDate8:
        scratch_.clear();
        return AppendDecoded(p, n, type, options_, scratch_) && scratch_.find("INF") == std::string::npos;
    default: return true;
    }
}

}  // namespace rekkan
