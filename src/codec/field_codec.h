#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec/codec_options.h"
#include "codec/hex_text.h"
#include "model/type_catalogue.h"

namespace rekkan {

/// The part of a field the conversions read: where it lies in the record and how it is shown.
struct CodecField {
    int position = 1;         ///< 1-based position of the field's first byte in the record
    int length = 0;           ///< bytes of the field
    TypeCode type = kGroup;   ///< type code; codes outside 0..36 have no converter
    bool hexDisplay = false;  ///< shown and edited as hexadecimal whatever the type
};

/// Display text of a field and whether its bytes are a valid value of its type.
struct DecodedText {
    std::string text;
    bool valid = true;
};

/// Decodes a field of `record` into `out` (replacing its content, keeping its capacity).
/// Returns whether the bytes are valid; a group field and hex display are always valid.
/// Invalid bytes leave `out` empty, except for the character types, which keep their text.
/// The hot path of every list, search and CSV output. Bytes of the field beyond the end of
/// `record` read as 0x00.
[[nodiscard]] bool DecodeFieldTo(std::string& out, std::string_view record, const CodecField& field,
                                 const CodecOptions& options);

/// Display text of a field. With `fileOpen` false or a group field the text is empty and valid.
[[nodiscard]] DecodedText DecodeField(bool fileOpen, std::string_view record, const CodecField& field,
                                      const CodecOptions& options);

/// Appends the display text of the `n` bytes at `p` read as `type` (hex display not applied);
/// returns whether the bytes are valid. The dispatch of DecodeFieldTo over value_codecs.h.
[[nodiscard]] bool AppendDecoded(const std::uint8_t* p, int n, TypeCode type, const CodecOptions& options,
                                 std::string& out);

/// Writes a field of `record` from `text`; never fails (text that cannot be converted stores
/// the type's zero value). Does nothing when `fileOpen` is false or for a group field. Only
/// bytes inside both the field and `record` are written.
void EncodeField(std::string_view text, bool fileOpen, std::string& record, const CodecField& field,
                 const CodecOptions& options);

/// Fill byte of an emptied field of `type` under the options.
[[nodiscard]] std::uint8_t FillByteOf(TypeCode type, const CodecOptions& options);

/// Overwrites the end of the record with the record tail bytes when the tail is on; the first
/// byte of the record is never overwritten.
void ApplyRecordTail(std::string& record, int recordLength, const CodecOptions& options);

/// The text in double quotes when it contains a comma, else unchanged.
[[nodiscard]] std::string QuoteIfComma(std::string_view text);

/// True for the types with a character converter: X, J, String, Variant.
[[nodiscard]] constexpr bool IsCharacterType(int type) {
    return type == kX || type == kJ || type == kString || type == kVariant;
}

/// True for the types that decode to nothing and are read and written only in hex display:
/// S.COMP-1, S.COMP-2, Date, Time, Object, Hex.
[[nodiscard]] constexpr bool HasNoConverter(int type) {
    return type == kSComp1 || type == kSComp2 || type == kDate || type == kTime || type == kObject || type == kHex;
}

}  // namespace rekkan
