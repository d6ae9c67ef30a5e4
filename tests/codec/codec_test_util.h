#pragma once

#include <string>
#include <vector>

#include "codec/field_codec.h"
#include "model/type_catalogue.h"

namespace rekkan::test {

/// Bytes from a list of values.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

inline CodecField Field(int type, int position, int length, bool hex = false) {
    return {.position = position, .length = length, .type = static_cast<TypeCode>(type), .hexDisplay = hex};
}

/// Decodes one field that fills a whole record.
inline DecodedText DecodeAs(int type, const std::string& bytes, const CodecOptions& options = {}, bool hex = false) {
    return DecodeField(true, bytes, Field(type, 1, static_cast<int>(bytes.size()), hex), options);
}

/// The bytes of a field of `length` bytes after encoding `text` into it (record initially
/// filled with 0xEE so untouched bytes show).
inline std::string EncodeAs(int type, int length, const std::string& text, const CodecOptions& options = {},
                            bool hex = false) {
    std::string record(static_cast<std::size_t>(length), '\xEE');
    EncodeField(text, true, record, Field(type, 1, length, hex), options);
    return record;
}

inline CodecOptions Ascii() {
    CodecOptions o;
    o.zoneSign = SignForm::Ascii;
    o.packSign = SignForm::Ascii;
    return o;
}

inline CodecOptions Motorola() {
    CodecOptions o;
    o.byteOrder = ByteOrder::Motorola;
    return o;
}

}  // namespace rekkan::test
