#include "codec/field_codec.h"

#include <cstring>

#include "codec/value_codecs.h"

namespace rekkan {

namespace {

void Store(std::string_view text, std::uint8_t* p, int n, TypeCode type, const CodecOptions& o) {
    constexpr Signedness U = Signedness::Unsigned;
    constexpr Signedness S = Signedness::Signed;
    switch (type) {
    case kX:
    case kJ:
    case kString:
    case kVariant: EncodeCharacter(text, p, n); break;
    case kUNum: EncodeZoned(text, p, n, o.Zone(), U); break;
    case kSNum: EncodeZoned(text, p, n, o.Zone(), S); break;
    case kUComp3: EncodePacked(text, p, n, o.Pack(), U); break;
    case kSComp3: EncodePacked(text, p, n, o.Pack(), S); break;
    case kBit: EncodeBits(text, p, n); break;
    case kUBinary:
    case kUComp:
    case kUComp5: EncodeCobolBinary(text, p, n, U); break;
    case kSBinary:
    case kSComp:
    case kSComp5: EncodeCobolBinary(text, p, n, S); break;
    case kUChar:
    case kByte: EncodeOneByte(text, p, n, U); break;
    case kSChar: EncodeOneByte(text, p, n, S); break;
    case kUInt:
    case kUShort:
    case kULong:
    case kWord:
    case kDword: EncodeCInteger(text, p, n, U, o.byteOrder); break;
    case kSInt:
    case kSShort:
    case kSLong: EncodeCInteger(text, p, n, S, o.byteOrder); break;
    case kFloat: EncodeFloat(text, p, n); break;
    case kDouble: EncodeDouble(text, p, n); break;
    case kCurrency: EncodeCurrency(text, p, n); break;
    case kDate8: EncodeDate8(text, p, n); break;
    default: break;  // no converter: the field keeps its fill
    }
}

/// True when the field lies wholly inside a record of `size` bytes.
bool Inside(const CodecField& f, std::size_t size) {
    return f.position >= 1 && f.length >= 0 &&
           static_cast<std::size_t>(f.position - 1) + static_cast<std::size_t>(f.length) <= size;
}

/// Copies the part of the field inside the record into `copy` (field length, rest 0x00).
void CopyPadded(std::string_view record, const CodecField& f, std::string& copy) {
    const long long length = f.length > 0 ? f.length : 0;
    copy.assign(static_cast<std::size_t>(length), '\0');
    for (long long i = 0; i < length; ++i) {
        const long long at = static_cast<long long>(f.position) - 1 + i;
        if (at >= 0 && at < static_cast<long long>(record.size()))
            copy[static_cast<std::size_t>(i)] = record[static_cast<std::size_t>(at)];
    }
}

}  // namespace

std::uint8_t FillByteOf(TypeCode type, const CodecOptions& options) {
    if (type == kX || type == kString || type == kVariant) {
        if (options.fillMode == FillMode::Space) return 0x20;
        if (options.fillMode == FillMode::User) return options.userFill;
    }
    return 0x00;
}

bool AppendDecoded(const std::uint8_t* p, int n, TypeCode type, const CodecOptions& o, std::string& out) {
    constexpr Signedness U = Signedness::Unsigned;
    constexpr Signedness S = Signedness::Signed;
    switch (type) {
    case kX:
    case kJ:
    case kString:
    case kVariant: return DecodeCharacter(p, n, out);
    case kUNum:
    case kSNum: return DecodeZoned(p, n, o.Zone(), out);
    case kUComp3:
    case kSComp3: return DecodePacked(p, n, o.Pack(), out);
    case kBit: DecodeBits(p, n, out); return true;
    case kUBinary:
    case kUComp:
    case kUComp5: DecodeCobolBinary(p, n, U, out); return true;
    case kSBinary:
    case kSComp:
    case kSComp5: DecodeCobolBinary(p, n, S, out); return true;
    case kUChar:
    case kByte: DecodeOneByte(p, n, U, out); return true;
    case kSChar: DecodeOneByte(p, n, S, out); return true;
    case kUInt:
    case kUShort:
    case kULong:
    case kWord:
    case kDword: DecodeCInteger(p, n, U, o.byteOrder, out); return true;
    case kSInt:
    case kSShort:
    case kSLong: DecodeCInteger(p, n, S, o.byteOrder, out); return true;
    case kFloat: return DecodeFloat(p, n, out);
    case kDouble: return DecodeDouble(p, n, out);
    case kCurrency: DecodeCurrency(p, n, out); return true;
    case kDate8: return DecodeDate8(p, n, out);
    default: return true;  // no converter: nothing to show, nothing wrong
    }
}

bool DecodeFieldTo(std::string& out, std::string_view record, const CodecField& field, const CodecOptions& options) {
    out.clear();
    if (field.type == kGroup) return true;
    std::string padded;
    const std::uint8_t* p;
    if (Inside(field, record.size())) {
        p = reinterpret_cast<const std::uint8_t*>(record.data()) + (field.position - 1);
    } else {
        CopyPadded(record, field, padded);
        p = reinterpret_cast<const std::uint8_t*>(padded.data());
    }
    const int n = field.length > 0 ? field.length : 0;
    if (field.hexDisplay) {
        AppendHex(out, p, static_cast<std::size_t>(n));
        return true;
    }
    return AppendDecoded(p, n, field.type, options, out);
}

DecodedText DecodeField(bool fileOpen, std::string_view record, const CodecField& field, const CodecOptions& options) {
    DecodedText decoded;
    if (fileOpen) decoded.valid = DecodeFieldTo(decoded.text, record, field, options);
    return decoded;
}

void EncodeField(std::string_view text, bool fileOpen, std::string& record, const CodecField& field,
                 const CodecOptions& options) {
    if (!fileOpen || field.type == kGroup || field.length <= 0) return;
    const std::uint8_t fill = FillByteOf(field.type, options);
    std::string scratch;
    std::uint8_t* p;
    const bool inside = Inside(field, record.size());
    if (inside) {
        p = reinterpret_cast<std::uint8_t*>(record.data()) + (field.position - 1);
    } else {
        scratch.resize(static_cast<std::size_t>(field.length));
        p = reinterpret_cast<std::uint8_t*>(scratch.data());
    }
    std::memset(p, fill, static_cast<std::size_t>(field.length));
    if (field.hexDisplay) {
        HexToBytes(text, p, static_cast<std::size_t>(field.length));
    } else {
        Store(text, p, field.length, field.type, options);
    }
    if (!inside) {
        for (int i = 0; i < field.length; ++i) {
            const long long at = static_cast<long long>(field.position) - 1 + i;
            if (at >= 0 && at < static_cast<long long>(record.size()))
                record[static_cast<std::size_t>(at)] = scratch[static_cast<std::size_t>(i)];
        }
    }
}

void ApplyRecordTail(std::string& record, int recordLength, const CodecOptions& options) {
    if (!options.recordTail) return;
    std::string hex;
    for (char c : options.tailHex) {
        if (HexDigitValue(c) >= 0) hex.push_back(c);
    }
    if (hex.empty()) return;
    if (hex.size() % 2 != 0) hex.insert(hex.begin(), '0');
    const long long n = static_cast<long long>(hex.size() / 2);
    for (long long i = 0; i < n; ++i) {
        const long long at = static_cast<long long>(recordLength) - n + i;
        if (at <= 0 || at >= static_cast<long long>(record.size())) continue;
        std::uint8_t b = 0;
        HexToBytes(std::string_view(hex).substr(static_cast<std::size_t>(2 * i), 2), &b, 1);
        record[static_cast<std::size_t>(at)] = static_cast<char>(b);
    }
}

std::string QuoteIfComma(std::string_view text) {
    if (text.find(',') == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    out.append(text);
    out.push_back('"');
    return out;
}

}  // namespace rekkan
