#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

/// The outcome of "基底 Rec.No" (or Enter in its box).
struct BaseChoice {
    std::string boxText;    ///< the normalised number to put back into the box
    std::int64_t base = 0;  ///< 0-based record of the first data row (0 for an empty file)
    bool missing = false;   ///< the Rec.No lay past the last record (show BaseMissingMessage)
};

/// Sets the base from the box text: its digits (empty or 0 is 1) name Rec.No n; record n - 1
/// when the file has it, otherwise the last record, and 0 when the file has none.
[[nodiscard]] BaseChoice ChooseBase(std::string_view boxText, std::int64_t recordCount);

/// The box text after "－" (`delta` -1) or "＋" (+1): the normalised value moved, grouped by
/// thousands, never below 1.
[[nodiscard]] std::string StepBaseText(std::string_view boxText, int delta);

/// The message for a Rec.No past the last record (CP932), `normalised` as the box shows it.
[[nodiscard]] std::string BaseMissingMessage(std::string_view normalised);

/// The scroll bar of the browse table over a 64-bit record position: positions 0 .. record
/// count map onto the bar's int range one to one while they fit, else proportionally, both
/// ends exact and the mapping monotonic, so files of more than 2^31 records scroll end to end.
class ScrollMap {
public:
    explicit ScrollMap(std::int64_t recordCount);

    /// The bar's maximum (its minimum is 0).
    [[nodiscard]] int Maximum() const { return maximum_; }
    /// The bar value showing record `position` (clamped to 0 .. record count).
    [[nodiscard]] int BarOf(std::int64_t position) const;
    /// The record position of bar value `bar` (clamped to 0 .. maximum).
    [[nodiscard]] std::int64_t PositionOf(int bar) const;
    /// The position `delta` records from `position`, clamped to 0 .. record count; arrow keys
    /// and arrow buttons step records this way rather than bar values.
    [[nodiscard]] std::int64_t Step(std::int64_t position, std::int64_t delta) const;

private:
    std::int64_t count_ = 0;
    int maximum_ = 0;
};

}  // namespace rekkan
