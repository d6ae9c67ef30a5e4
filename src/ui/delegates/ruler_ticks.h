#pragma once

#include <vector>

namespace rekkan::ui {

/// What the ruler under a content cell counts.
enum class RulerKind {
    None,        ///< no ruler (numeric fields in plain display, groups)
    Characters,  ///< one tick per character (character fields)
    HexBytes,    ///< one tick per byte, two characters wide (fields in hex display)
    Bits,        ///< one tick per four bits (bit fields)
};

/// Height of the band under the text that holds the ticks, in pixels; rows grow by it while
/// the ruler is on.
inline constexpr int kRulerBand = 5;

/// The ruler a field gets: hex display first, then bit fields, then character fields.
[[nodiscard]] RulerKind RulerKindOf(int type, bool hexDisplay);

/// One tick: its x (right edge of the character it closes) and whether it is a fifth tick.
struct RulerTick {
    int x = 0;
    bool fifth = false;
    friend bool operator==(const RulerTick&, const RulerTick&) = default;
};

/// The marks of one ruler.
struct RulerMarks {
    std::vector<RulerTick> ticks;
    int closingX = -1;  ///< the closing mark at the field length (character fields), else -1
};

/// The marks of a ruler over text starting at `left` with characters `charWidth` wide, for a
/// field of `byteLength` bytes. Only ticks up to `clipRight` are listed, so a field of any
/// length costs no more than the cell is wide.
[[nodiscard]] RulerMarks RulerMarksFor(RulerKind kind, int byteLength, int charWidth, int left, int clipRight);

}  // namespace rekkan::ui
