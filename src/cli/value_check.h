#pragma once

#include <string>

#include "codec/field_codec.h"

namespace rekkan::cli {

/// How `CheckValue` treats a text longer than its field.
enum class LongText { Refuse, Truncate };

/// Checks a typed value before the record editor's encoder stores it: a whole number that the
/// field holds exactly for the numeric types, a number for the floating types (for a currency one
/// it holds exactly), a date for a date, hex digits that fit for hex display and the types without a
/// converter, text that fits for the character types (cut at a character with `Truncate`).
/// Returns the reason it is refused ("" when it can be stored); `text` may be shortened.
[[nodiscard]] std::string CheckValue(std::string& text, const CodecField& field, const CodecOptions& options,
                                     LongText longText);

}  // namespace rekkan::cli
