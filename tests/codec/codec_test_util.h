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
    CodecField f;
    f.position = position;
    f.length = length;
    f.type = type;
    f.hexDisplay = hex;
    return f;
}

/// Result of decoding one field that fills a whole record.
struct Decoded {
    std::string text;
    bool error = false;
};

inline Decoded DecodeAs(int type, const std::string& bytes, const CodecOptions& options = {}, bool hex = false) {
    CodecField f = Field(type, 1, static_cast<int>(bytes.size()), hex);
    Decoded d;
    d.text = DecodeField(true, bytes, f, options);
    d.error = f.error;
    return d;
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
