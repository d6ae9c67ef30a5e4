#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec/codec_options.h"
#include "codec/hex_text.h"

namespace rekkan {

/// What the conversions read from and write to one field of a record.
struct CodecField {
    int position = 1;         ///< 1-based position of the field's first byte in the record
    int length = 0;           ///< bytes of the field
    int type = 0;             ///< type code 0 to 36
    bool hexDisplay = false;  ///< shown and edited as hexadecimal whatever the type
    bool error = false;       ///< set by decoding: the bytes are no valid value of the type
};

/// Decodes a field of `record` into `out` (replacing its content, keeping its capacity) with
/// explicit options. `error` receives the error flag; it is left untouched in hex display.
/// The hot path of every list, search and CSV output. Bytes of the field beyond the end of
/// `record` read as 0x00.
void DecodeFieldTo(std::string& out, bool& error, std::string_view record, const CodecField& field,
                   const CodecOptions& options);

/// Display text of a field; sets `field.error`. With `fileOpen` false or a group field the
/// text is empty and the flags are untouched.
[[nodiscard]] std::string DecodeField(bool fileOpen, std::string_view record, CodecField& field,
                                      const CodecOptions& options);
/// The same with the active options.
[[nodiscard]] std::string DecodeField(bool fileOpen, std::string_view record, CodecField& field);

/// Writes a field of `record` from `text`; never fails (text that cannot be converted stores
/// the type's zero value). Does nothing when `fileOpen` is false or for a group field. Only
/// bytes inside both the field and `record` are written.
void EncodeField(std::string_view text, bool fileOpen, std::string& record, const CodecField& field,
                 const CodecOptions& options);
/// The same with the active options.
void EncodeField(std::string_view text, bool fileOpen, std::string& record, const CodecField& field);

/// Fill byte of an emptied field of `type` under the options.
[[nodiscard]] std::uint8_t FillByteOf(int type, const CodecOptions& options);

/// Overwrites the end of the record with the record tail bytes when the tail is on; the first
/// byte of the record is never overwritten.
void ApplyRecordTail(std::string& record, int recordLength, const CodecOptions& options);
/// The same with the active options.
void ApplyRecordTail(std::string& record, int recordLength);

/// The text in double quotes when it contains a comma, else unchanged.
[[nodiscard]] std::string QuoteIfComma(std::string_view text);

/// True for the types with a character converter: X, J, String, Variant.
[[nodiscard]] constexpr bool IsCharacterType(int type) {
    return type == 1 || type == 2 || type == 16 || type == 28;
}

/// True for the types that decode to nothing and are read and written only in hex display:
/// S.COMP-1, S.COMP-2, Date, Time, Object, Hex.
[[nodiscard]] constexpr bool HasNoConverter(int type) {
    return type == 12 || type == 13 || type == 29 || type == 30 || type == 32 || type == 34;
}

}  // namespace rekkan
