#include "codec/field_codec.h"

#include <cstring>

#include "codec/codec_detail.h"
#include "model/type_catalogue.h"

namespace rekkan {

namespace cd = codec_detail;

namespace {

/// Runs the converter of the field's type; returns its error flag.
bool Convert(const std::uint8_t* p, int n, int type, const CodecOptions& o, std::string& out) {
    switch (type) {
    case kX: case kJ: case kString: case kVariant:
        return cd::DecodeCharacter(p, n, out);
    case kUNum: case kSNum:
        return cd::DecodeZoned(p, n, o.Zone(), out);
    case kUComp3: case kSComp3:
        return cd::DecodePacked(p, n, o.Pack(), out);
    case kBit:
        cd::DecodeBits(p, n, out);
        return false;
    case kUBinary: case kUComp: case kUComp5:
        cd::DecodeCobolBinary(p, n, false, out);
        return false;
    case kSBinary: case kSComp: case kSComp5:
        cd::DecodeCobolBinary(p, n, true, out);
        return false;
    case kUChar: case kByte:
        cd::DecodeOneByte(p, n, false, out);
        return false;
    case kSChar:
        cd::DecodeOneByte(p, n, true, out);
        return false;
    case kUInt: case kUShort: case kULong: case kWord: case kDword:
        cd::DecodeCInteger(p, n, false, o.byteOrder, out);
        return false;
    case kSInt: case kSShort: case kSLong:
        cd::DecodeCInteger(p, n, true, o.byteOrder, out);
        return false;
    case kFloat:
        return cd::DecodeFloat(p, n, out);
    case kDouble:
        return cd::DecodeDouble(p, n, out);
    case kCurrency:
        return cd::DecodeCurrency(p, n, out);
    case kDate8:
        return cd::DecodeDate8(p, n, out);
    default:
        out.clear();
        return false;
    }
}

void Store(std::string_view text, std::uint8_t* p, int n, int type, const CodecOptions& o) {
    switch (type) {
    case kX: case kJ: case kString: case kVariant: cd::EncodeCharacter(text, p, n); break;
    case kUNum: cd::EncodeZoned(text, p, n, o.Zone(), false); break;
    case kSNum: cd::EncodeZoned(text, p, n, o.Zone(), true); break;
    case kUComp3: cd::EncodePacked(text, p, n, o.Pack(), false); break;
    case kSComp3: cd::EncodePacked(text, p, n, o.Pack(), true); break;
    case kBit: cd::EncodeBits(text, p, n); break;
    case kUBinary: case kUComp: case kUComp5: cd::EncodeCobolBinary(text, p, n, false); break;
    case kSBinary: case kSComp: case kSComp5: cd::EncodeCobolBinary(text, p, n, true); break;
    case kUChar: case kByte: cd::EncodeOneByte(text, p, n, false); break;
    case kSChar: cd::EncodeOneByte(text, p, n, true); break;
    case kUInt: case kUShort: case kULong: case kWord: case kDword:
        cd::EncodeCInteger(text, p, n, false, o.byteOrder);
        break;
    case kSInt: case kSShort: case kSLong: cd::EncodeCInteger(text, p, n, true, o.byteOrder); break;
    case kFloat: cd::EncodeFloat(text, p, n); break;
    case kDouble: cd::EncodeDouble(text, p, n); break;
    case kCurrency: cd::EncodeCurrency(text, p, n); break;
    case kDate8: cd::EncodeDate8(text, p, n); break;
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
        if (at >= 0 && at < static_cast<long long>(record.size())) copy[static_cast<std::size_t>(i)] = record[static_cast<std::size_t>(at)];
    }
}

}  // namespace

std::uint8_t FillByteOf(int type, const CodecOptions& options) {
    if (type == kX || type == kString || type == kVariant) {
        if (options.fillMode == FillMode::Space) return 0x20;
        if (options.fillMode == FillMode::User) return options.userFill;
    }
    return 0x00;
}

void DecodeFieldTo(std::string& out, bool& error, std::string_view record, const CodecField& field,
                   const CodecOptions& options) {
    if (field.type == kGroup) {
        out.clear();
        return;
    }
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
        out.clear();
        AppendHex(out, p, static_cast<std::size_t>(n));
        return;
    }
    error = Convert(p, n, field.type, options, out);
    if (error && !IsCharacterType(field.type)) out.clear();
}

std::string DecodeField(bool fileOpen, std::string_view record, CodecField& field, const CodecOptions& options) {
    std::string out;
    if (!fileOpen || field.type == kGroup) return out;
    DecodeFieldTo(out, field.error, record, field, options);
    return out;
}

std::string DecodeField(bool fileOpen, std::string_view record, CodecField& field) {
    return DecodeField(fileOpen, record, field, ActiveCodecOptions());
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
            if (at >= 0 && at < static_cast<long long>(record.size())) record[static_cast<std::size_t>(at)] = scratch[static_cast<std::size_t>(i)];
        }
    }
}

void EncodeField(std::string_view text, bool fileOpen, std::string& record, const CodecField& field) {
    EncodeField(text, fileOpen, record, field, ActiveCodecOptions());
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

void ApplyRecordTail(std::string& record, int recordLength) {
    ApplyRecordTail(record, recordLength, ActiveCodecOptions());
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
