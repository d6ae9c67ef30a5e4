#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace rekkan {

/// True for a Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC).
[[nodiscard]] constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// True for a byte that may follow a lead byte (0x40-0xFC).
[[nodiscard]] constexpr bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC; }

/// The full-width blank.
inline constexpr std::string_view kFullWidthBlank = "\x81\x40";

/// Bytes of the character starting at `at` (< text.size()): 2 for a lead byte followed by a
/// trail byte, else 1 (a lead byte without its trail byte stands alone).
[[nodiscard]] constexpr std::size_t CharLength(std::string_view text, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() &&
                   IsTrailByte(static_cast<unsigned char>(text[at + 1]))
               ? 2
               : 1;
}

/// Calls `visit(at, length)` for every character of `text` in order; a visitor that returns
/// bool stops the walk by returning false.
template <typename Visit>
constexpr void ForEachChar(std::string_view text, Visit&& visit) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharLength(text, at);
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, std::size_t, std::size_t>, bool>) {
            if (!visit(at, length)) return;
        } else {
            visit(at, length);
        }
        at += length;
    }
}

/// True when the bytes up to the first 0x00 are whole CP932 characters: no lead byte without its
/// trail byte, none of the bytes CP932 leaves unassigned (0x80, 0xA0, 0xFD-0xFF).
[[nodiscard]] bool IsWholeShiftJis(std::string_view bytes);

/// Map of the same length as `text`: '0' single-byte, '1' lead byte, '2' trail byte.
[[nodiscard]] std::string ByteTypeMap(std::string_view text);

/// Length of the longest prefix of `text` not longer than `maxBytes` that does not cut a
/// double-byte character in two.
[[nodiscard]] std::size_t CharSafeLength(std::string_view text, std::size_t maxBytes);

/// The text with the single-byte letters a-z upper-cased; double-byte characters stay
/// byte-identical (their trail byte may look like a lower-case letter).
[[nodiscard]] std::string ToUpperAscii(std::string_view text);
/// True when both texts hold the same characters, single-byte letters compared without case.
[[nodiscard]] bool EqualsNoCase(std::string_view a, std::string_view b);
/// True when `upperNeedle` (already through ToUpperAscii) matches `hay` at the character
/// boundary `at`, letters without case; a match never ends inside a double-byte character.
[[nodiscard]] bool MatchesUpperAt(std::string_view hay, std::size_t at, std::string_view upperNeedle);
/// Byte position of `needle` in `hay` at or after `from`, letters compared without case, the
/// match starting only on a character boundary (never on a trail byte); npos when absent.
/// `from` must itself be a character boundary.
[[nodiscard]] std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from = 0);

/// Byte position of the single-byte character `c` in `text` at or after `from` (a character
/// boundary); never the second byte of a double-byte character ("ゼ" ends in 0x5B, the byte
/// of "["). npos when absent.
[[nodiscard]] std::size_t FindSingleByte(std::string_view text, char c, std::size_t from = 0);
/// The last position at which FindSingleByte would find `c`; npos when absent.
[[nodiscard]] std::size_t FindLastSingleByte(std::string_view text, char c);
/// Byte position of `needle` in `text` at or after `from` (a character boundary), bytes compared
/// as they are, the match starting only on a character boundary; npos when absent.
[[nodiscard]] std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0);

/// Position of the first lead byte that has no trail byte after it (text that is no whole
/// Shift-JIS); npos when every character is whole.
[[nodiscard]] std::size_t FindLoneLeadByte(std::string_view text);

/// A path cut into its folder (with its last separator, "/" or "\"), its file name, and the
/// file name's extension (from its last '.', empty when the name has none). A 0x5C that is
/// the second byte of a double-byte character is no separator.
struct PathParts {
    std::string_view folder;
    std::string_view name;
    std::string_view extension;
};
[[nodiscard]] PathParts SplitPath(std::string_view path);

}  // namespace rekkan
