#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/c_import_words.h"
#include "lang/structure_parser.h"
#include "model/layout_document.h"
#include "model/settings.h"

namespace rekkan {

/// Most #define pairs (and VB constants) one scan keeps.
inline constexpr int kMaxDefines = 4096;
/// Most records of the C type table.
inline constexpr int kMaxCTypes = 1024;
/// Most dimensions read from one declaration.
inline constexpr int kMaxDimensions = 21;

/// One line of C source as the import sees it: the code outside comments and the text of the
/// first comment on the line. Lines wholly inside a block comment are not used.
struct CSourceLine {
    bool used = false;
    std::string code;     ///< trimmed, TABs as blanks
    std::string comment;  ///< trimmed text of the first comment, without its marks
};

/// Cuts source text into lines and separates code from comments.
[[nodiscard]] std::vector<CSourceLine> ReadCSourceLines(std::string_view text);

/// Dimensions of a declaration: the size in each pair of brackets (an empty, zero or unreadable
/// size counts as 1) and their product (held below the record length limit).
struct CDimensions {
    std::vector<int> sizes;
    int product = 1;
};
/// Reads the bracket pairs of `code` (at most kMaxDimensions). A size may be a small integer
/// expression ("20+1", "(4*2)", "0x10").
[[nodiscard]] CDimensions ReadDimensions(std::string_view code);

/// A VB bound is the upper index: each bracketed "n" becomes n + 1 and "a To b" becomes
/// b - a + 1; the last bracket of a line holding the word "char" (the string length) stays.
[[nodiscard]] std::string RewriteVbBounds(std::string_view code);

/// One record of the type table: a name that may be used as a member type.
struct CTypeEntry {
    int firstLine = 0;     ///< 1-based
    int lastLine = 0;      ///< 1-based
    std::string baseType;  ///< "struct " for a structure, the aliased words for a simple typedef
    std::string name;
    std::string comment;
    std::string dimensions;  ///< "[20]" for a typedef of an array type
};

/// False when a bracket of `code` holds a size the reader cannot evaluate (an undefined name).
[[nodiscard]] bool DimensionsEvaluated(std::string_view code);
/// True when a dimension of `code` computes to 0 or less (counted as 1).
[[nodiscard]] bool DimensionBelowOne(std::string_view code);

/// One line of an expanded structure: its code and its comment (the rows are built from these).
struct CExpandedLine {
    std::string code;
    std::string comment;
    std::vector<int> chain;    ///< type table records this line was expanded from (cycle guard)
    bool enumeration = false;  ///< a member of an enumeration type, read as an int
};

/// What the extraction takes from the settings.
struct CExtractOptions {
    bool arrayGroups = true;  ///< Chk_AryExt: multi-dimensional arrays as nested groups
    IntSizes sizes;
    int capacity = 2000;  ///< most rows written: the editable line count, so the layout reads back whole

    [[nodiscard]] static CExtractOptions FromSettings(const Settings& settings);
};

/// Source line range of a VB block, by name (the source line table of a VB import).
struct VbBlockLines {
    std::string name;
    int firstLine = 0;
    int lastLine = 0;
};

/// The C structure import: lists the structures of a source and turns one into layout rows.
class CImport {
public:
    /// Scans C source text: defines and typedefs, then the structure list; every listed
    /// structure is then added to the type table.
    void Scan(std::string_view text);
    /// Scans the C translation of a VB source: `defines` are the VB constants, the list texts
    /// take their line numbers from `vbLines` (looked up by name), the import report from
    /// `vbLineOf` (the VB line of each translated line).
    void ScanVbTranslation(std::string_view cText, const std::vector<VbBlockLines>& vbLines,
                           std::vector<int> vbLineOf = {});

    [[nodiscard]] const std::vector<StructureEntry>& Structures() const { return structures_; }
    [[nodiscard]] const std::vector<CTypeEntry>& Types() const { return types_; }
    [[nodiscard]] const std::vector<CDefine>& Defines() const { return defines_; }

    /// Structure `index` with every member type expanded (and the array option applied when
    /// `arrayGroups`); empty for an index out of range. Prefix marks go to `session.prefix`.
    /// Expansion stops at `maxLines` lines (the rows up to there are still built).
    [[nodiscard]] std::vector<CExpandedLine> Expand(int index, bool arrayGroups, ImportSession& session,
                                                    std::size_t maxLines = 100'000) const;

    /// Replaces the rows of `doc` by structure `index` and sets RdfCmt and PreFix. Key marks go
    /// to `session.keyEntries`. Returns the number of rows written.
    int Extract(int index, const CExtractOptions& options, ImportSession& session, LayoutDocument& doc) const;

private:
    void ScanText(std::string_view text);
    void ReadDefinesAndTypedefs();
    void ListStructures();

    bool vb_ = false;
    std::vector<CSourceLine> lines_;
    std::vector<int> vbLineOf_;  ///< VB source line of each line of a VB translation
    std::vector<StructureEntry> structures_;
    std::vector<CTypeEntry> types_;
    std::vector<CDefine> defines_;
    std::vector<std::pair<int, int>> ranges_;  ///< line range of each structure in `lines_`
    std::vector<std::string> tags_;            ///< tag of each listed structure
};

/// The text of one structure list line: first and last line, name and comment.
[[nodiscard]] std::string CStructureListText(int firstLine, int lastLine, std::string_view name,
                                             std::string_view comment);

/// The C parser of the import pipeline.
[[nodiscard]] std::unique_ptr<StructureParser> MakeCStructureParser();

}  // namespace rekkan
