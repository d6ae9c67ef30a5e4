#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "util/sjis.h"

namespace rekkan {

/// A #define (or VB Const) pair.
struct CDefine {
    std::string name;
    std::string value;
    std::vector<std::string> params;  ///< parameters of a function-like macro
    bool functionLike = false;        ///< "#define NAME(a, b) ..." (no blank before "(")
};

/// Index of each entry of the C keyword table.
enum CKeyword : int {
    kKwTypedef = 0,
    kKwStruct,
    kKwChar,
    kKwInt,
    kKwInteger,
    kKwShort,
    kKwLong,
    kKwFloat,
    kKwDouble,
    kKwSigned,
    kKwUnsigned,
    kKwCurrency,
    kKwVariant,
    kKwByte,
    kKwObject,
    kKwWord,
    kKwDword,
    kKwOpen,
    kKwClose,
    kKeywordCount
};

/// The 19 keywords as the table holds them ("char ", "{" ...).
[[nodiscard]] const std::array<const char*, kKeywordCount>& CKeywordTexts();

/// A member declaration cut into its parts: "unsigned short qty[3];" gives type part
/// "unsigned short", name "qty" and dimensions "[3]".
struct CDeclaration {
    std::string typePart;
    std::string name;
    std::string dims;  ///< from the first "[" to the last "]"; empty without brackets
};
/// The declaration of a code line; nothing for a line holding a brace.
[[nodiscard]] std::optional<CDeclaration> AnalyseDeclaration(std::string_view code);

/// Which keywords a line holds, and where (byte positions, npos when absent). Type words are
/// looked for only in the type part of a declaration and, on a closing line, before its "}".
struct CKeywordHits {
    std::array<std::size_t, kKeywordCount> pos{};
    bool isUnion = false;  ///< the structure keyword found is "union" (its members overlay)
    [[nodiscard]] bool Has(int k) const { return pos[static_cast<std::size_t>(k)] != std::string::npos; }
    [[nodiscard]] bool Any() const;
};
[[nodiscard]] CKeywordHits FindCKeywords(std::string_view code);

/// The word after the keyword found at `pos` (`len` bytes long): blanks skipped, up to the next
/// blank, ";", ",", bracket or brace.
[[nodiscard]] std::string CWordAfter(std::string_view code, std::size_t pos, std::size_t len);
/// Variable name of a line: the declared name, or for a line with braces the word after the
/// first keyword (from "struct" on) that is followed by one.
[[nodiscard]] std::string CVariableName(std::string_view code, const CKeywordHits& hits);

/// Contents of each "[...]" pair, in order; an unclosed "[" ends the list.
[[nodiscard]] std::vector<std::string> BracketContents(std::string_view code);
/// Position of the word "to" (any case, blank delimited) in a VB bound; npos when absent.
[[nodiscard]] std::size_t FindVbToWord(std::string_view text);

/// The dimension brackets of a declaration ("[2][3]"), without anything else.
[[nodiscard]] std::string BracketText(std::string_view dims);
/// The name a "}" line gives its structure: the word after the brace.
[[nodiscard]] std::string NameAfterClose(std::string_view code);
/// True when `s` holds the single-byte character `c` (never a byte of a double-byte one).
[[nodiscard]] inline bool HasChar(std::string_view s, char c) { return FindSingleByte(s, c) != std::string_view::npos; }

/// One C identifier in a text: its position and length.
struct IdentifierSpan {
    std::size_t pos;
    std::size_t len;
};
/// The identifiers of a text (double-byte characters are never part of one).
[[nodiscard]] std::vector<IdentifierSpan> Identifiers(std::string_view text);

/// Replaces every define name found as an identifier by its value, again on the result, until
/// Expands the calls of function-like macros ("ISODCL(2, 6)" of "#define ISODCL(from, to)
/// (to - from + 1)"): the arguments replace the parameters in the body.
[[nodiscard]] std::string SubstituteMacroCalls(std::string_view code, const std::vector<CDefine>& macros);
/// nothing changes (bounded: a define that refers to itself stops).
[[nodiscard]] std::string SubstituteDefines(std::string_view code,
                                            const std::unordered_map<std::string, std::string>& defines);

}  // namespace rekkan
