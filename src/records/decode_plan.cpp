#include "records/decode_plan.h"

#include <cstring>

#include "codec/field_codec.h"
#include "codec/raw_writers.h"
#include "codec/value_codecs.h"

namespace rekkan {
namespace {

bool IsCobolBinary(TypeCode t) {
    return t == kUBinary || t == kUComp || t == kUComp5 || t == kSBinary || t == kSComp || t == kSComp5;
}
bool IsOneByte(TypeCode t) { return t == kUChar || t == kByte || t == kSChar; }
bool IsCInteger(TypeCode t) {
    return t == kUInt || t == kUShort || t == kULong || t == kWord || t == kDword || t == kSInt || t == kSShort ||
           t == kSLong;
}
bool IsSignedInteger(TypeCode t) {
    return t == kSBinary || t == kSComp || t == kSComp5 || t == kSChar || t == kSInt || t == kSShort || t == kSLong;
}

/// The step of one field; `inside` tells whether the field lies wholly inside the record.
PlanStep MakeStep(const CodecField& f, const CodecOptions& codec, bool inside) {
    PlanStep s;
    s.field = &f;
    s.offset = f.position - 1;
    s.length = f.length;
    const TypeCode t = f.type;
    const int n = f.length;
    s.kind = PlanKind::Other;
    if (t == kGroup) {
        s.kind = PlanKind::Group;
        return s;
    }
    if (!inside || f.hexDisplay || n <= 0) return s;
    if (IsCharacterType(t)) {
        s.kind = PlanKind::Text;
        s.textBound = static_cast<std::size_t>(n);
    } else if (t == kUNum || t == kSNum) {
        s.kind = PlanKind::Zoned;
        s.nibbles = codec.Zone();
        s.textBound = ZonedTextBound(n);
    } else if (t == kUComp3 || t == kSComp3) {
        s.kind = PlanKind::Packed;
        s.nibbles = codec.Pack();
        s.textBound = PackedTextBound(n);
    } else if (IsCobolBinary(t) && (n == 2 || n == 4 || n == 8)) {
        s.kind = PlanKind::Integer;
        s.form = IntegerForm::CobolBinary;
    } else if (IsOneByte(t)) {
        s.kind = PlanKind::Integer;
        s.form = IntegerForm::OneByte;
    } else if (IsCInteger(t)) {
        s.kind = PlanKind::Integer;
        s.form = IntegerForm::CInteger;
        s.order = codec.byteOrder;
    }
    s.isSigned = IsSignedInteger(t);
    if (s.kind == PlanKind::Integer) s.textBound = kIntegerTextBound;
    return s;
}

}  // namespace

DecodePlan::DecodePlan(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength)
    : codec_(codec), recordLength_(recordLength) {
    steps_.reserve(fields.size());
    for (const TRdbObj& f : fields) {
        const bool inside = f.position >= 1 && f.length >= 0 &&
                            static_cast<long long>(f.position) - 1 + f.length <= static_cast<long long>(recordLength);
        steps_.push_back(MakeStep(f, codec_, inside));
    }
}

bool DecodePlan::AppendText(std::size_t i, std::string_view record, std::string& out) const {
    const PlanStep& s = steps_[i];
    const auto* r = reinterpret_cast<const std::uint8_t*>(record.data());
    if (s.kind == PlanKind::Group) return true;
    if (s.kind == PlanKind::Other || record.size() < static_cast<std::size_t>(recordLength_)) {
        const bool valid = DecodeFieldTo(scratch_, record, *s.field, codec_);
        out.append(scratch_);
        return valid;
    }
    switch (s.kind) {
    case PlanKind::Text: return DecodeCharacter(r + s.offset, s.length, out);
    case PlanKind::Zoned: return DecodeZoned(r + s.offset, s.length, s.nibbles, out);
    case PlanKind::Packed: return DecodePacked(r + s.offset, s.length, s.nibbles, out);
    default: {
        const std::size_t start = out.size();
        out.resize(start + s.textBound);
        char* end = WriteFast(s, r, out.data() + start);
        out.resize(static_cast<std::size_t>(end - out.data()));
        return true;
    }
    }
}

bool DecodePlan::IsValid(std::size_t i, std::string_view record) const {
    const PlanStep& s = steps_[i];
    const auto* p = reinterpret_cast<const std::uint8_t*>(record.data()) + s.offset;
    if (record.size() < static_cast<std::size_t>(recordLength_) && s.kind != PlanKind::Group)
        return DecodeFieldTo(scratch_, record, *s.field, codec_);
    switch (s.kind) {
    case PlanKind::Group:
    case PlanKind::Integer: return true;
    case PlanKind::Text: return !HasControlByte(p, s.length);
    case PlanKind::Zoned: return ZonedValid(p, s.length, s.nibbles);
    case PlanKind::Packed: return PackedValid(p, s.length, s.nibbles);
    case PlanKind::Other: return DecodeFieldTo(scratch_, record, *s.field, codec_);
    }
    return true;
}

}  // namespace rekkan
