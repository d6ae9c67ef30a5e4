#pragma once

#include <array>
#include <string>
#include <vector>

namespace rekkan {

/// The fixed type codes stored in layout files (as these numbers).
enum TypeCode : int {
    kGroup = 0,
    kX = 1,
    kJ = 2,
    kUNum = 3,
    kSNum = 4,
    kUComp3 = 5,
    kSComp3 = 6,
    kUBinary = 7,
    kSBinary = 8,
    kBit = 9,
    kUComp = 10,
    kSComp = 11,
    kSComp1 = 12,
    kSComp2 = 13,
    kUComp5 = 14,
    kSComp5 = 15,
    kString = 16,
    kUChar = 17,
    kUInt = 18,
    kUShort = 19,
    kULong = 20,
    kSChar = 21,
    kSInt = 22,
    kSShort = 23,
    kSLong = 24,
    kFloat = 25,
    kDouble = 26,
    kCurrency = 27,
    kVariant = 28,
    kDate = 29,
    kTime = 30,
    kByte = 31,
    kObject = 32,
    kDate8 = 33,
    kHex = 34,
    kWord = 35,
    kDword = 36,
};

inline constexpr int kTypeCount = 37;

/// True for a code 0 to 36.
[[nodiscard]] constexpr bool IsValidType(int code) { return code >= 0 && code < kTypeCount; }

/// Fixed facts about one type code. Texts are CP932.
struct TypeInfo {
    std::string standardLabel;    ///< "# Group", "#  X", ... (COBOL types: two blanks after '#')
    std::string defaultNotation;  ///< "group", "x", ...
    std::string columnRule;       ///< two digits: BYT rule, SYO rule ('0' n/a, '1' fixed, '2' entered)
    std::string description;      ///< "PIC  X(n)", ...
    std::string keyword;          ///< second name of codes 16 to 36 ("String", "U_Char", ...); empty below
};

/// The catalogue entry of `code` (codes outside 0..36 give the entry of String).
[[nodiscard]] const TypeInfo& TypeInfoOf(int code);

/// BYT column rule ('0', '1' or '2') of a type.
[[nodiscard]] char BytRule(int code);
/// SYO column rule ('0', '1' or '2') of a type.
[[nodiscard]] char SyoRule(int code);

// Type families: the sets of type codes that several rules share.

/// The COBOL numeric types 3-8, 10, 11, 14, 15 (digits and decimal places entered).
[[nodiscard]] bool IsCobolNumeric(int code);
/// BINARY, COMP and COMP-5 (7, 8, 10, 11, 14, 15).
[[nodiscard]] bool IsCobolBinary(int code);
/// The C and VB integers: char, int, short and long of either sign, Byte, Word, Dword.
[[nodiscard]] bool IsCOrVbInteger(int code);
/// Types that hold a whole number: the COBOL numeric types and the C and VB integers.
[[nodiscard]] bool IsWholeNumber(int code);
/// Types whose byte count is entered (at least 1): X, J, Bit, COMP-1, COMP-2, String, Variant, Hex.
[[nodiscard]] bool HasEnteredByteCount(int code);
/// Types SYNCHRONIZED aligns on a multiple of their size: COBOL binary, COMP-1, COMP-2 and
/// Hex (the pointers).
[[nodiscard]] bool IsSyncAligned(int code);

/// Language priority of the type list (Cmb_Lang).
enum class LangPriority { Cobol = 0, C = 1, Vb = 2 };

/// One entry of the editor's type list: a type code, or a separator (code -1, with its text).
struct TypeListEntry {
    int code;               ///< -1 for a separator
    std::string separator;  ///< "-- < COBOL > ------" etc. for a separator
};

/// The 39 entries of the type list in the order of the language priority.
[[nodiscard]] std::vector<TypeListEntry> TypeListOrder(LangPriority priority);
/// The first type after Group in that order (X for COBOL, String for C and VB).
[[nodiscard]] int FirstTypeAfterGroup(LangPriority priority);
/// The priority name shown in the type column header: "COBOL", "C" or "VB".
[[nodiscard]] std::string PriorityName(LangPriority priority);

/// Current code for a type code of a 16-bit-generation layout file (-1 when it has none).
[[nodiscard]] int LegacyTypeToCurrent(int legacyCode);

}  // namespace rekkan
