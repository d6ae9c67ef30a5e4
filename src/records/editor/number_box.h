#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

// The digits-only boxes of the record windows ("Rec.No", "読込基底位置"); the browse table
// shares these rules.

/// The value of the digits in `text` (every other character ignored), saturating at the
/// largest 64-bit value instead of overflowing; 0 when there is no digit.
[[nodiscard]] std::int64_t SaturatingDigits(std::string_view text);

/// The Rec.No of a box text: its digits, an empty result or 0 becoming 1 (1-based).
[[nodiscard]] std::int64_t RecNoOfText(std::string_view text);

/// How a box shows a number: one blank and the number grouped by thousands.
[[nodiscard]] std::string NumberBoxText(std::int64_t value);

/// Which way a base position button moves.
enum class BaseStep {
    None,         ///< Enter in the box: the box value as it is
    MinusByte,    ///< "－"
    PlusByte,     ///< "＋"
    MinusRecord,  ///< "<"
    PlusRecord,   ///< ">"
};

/// The new 1-based base position from the box text and a step.
struct BasePositionChoice {
    std::int64_t oneBased = 1;  ///< the value to show and use (1 or more)
    bool clamped = false;       ///< the value lay beyond the file size and was lowered to it
};

/// The base position rule: the box digits moved by `step` (one byte or one record length),
/// below 1 raised to 1, above the file size lowered to the file size (flagged); an empty file
/// keeps 1.
[[nodiscard]] BasePositionChoice ChooseBasePosition(std::string_view boxText, BaseStep step, int recordLength,
                                                    std::int64_t fileSize);

}  // namespace rekkan
