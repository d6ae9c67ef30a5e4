#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/field_codec.h"
#include "records/field_entry.h"

namespace rekkan {

/// Display texts of one record, one per field entry, as the record editor shows them.
/// Reused from record to record so that decoding allocates nothing once warmed up.
struct RecordTexts {
    std::vector<std::string> texts;  ///< entry i -> its display text (group entries: empty)
    std::vector<bool> errors;        ///< entry i -> its error flag after decoding
};

/// Decodes every entry of `fields` from `record` into `out` (sized to the field list); an
/// entry whose bytes are invalid gets its error flag (never one in hex display or a group).
/// `record` is one record of the layout's length.
void DecodeRecord(std::string_view record, const std::vector<TRdbObj>& fields, const CodecOptions& options,
                  RecordTexts& out);

/// Sets each entry's past-end flag: the field reaches beyond `fileSize` when the record starts
/// at the 0-based file offset `recordOffset`. True when any entry is past the end.
[[nodiscard]] bool UpdatePastEnd(std::vector<TRdbObj>& fields, std::int64_t recordOffset, std::int64_t fileSize);

/// A new record of `recordLength` bytes: every non-group entry encoded from empty text
/// (character fields hold their fill, numeric fields zero), bytes outside every field 0x00.
/// The record tail is not applied (the file engine does that when it writes).
[[nodiscard]] std::string BlankRecord(int recordLength, const std::vector<TRdbObj>& fields,
                                      const CodecOptions& options);

}  // namespace rekkan
