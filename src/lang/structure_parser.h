#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"

// What every language's structure import provides to the import pipeline.

namespace rekkan {

/// Languages the structure import reads.
enum class SourceLanguage { Cobol = 0, C = 1, Vb = 2 };

/// Most structures one scan lists.
inline constexpr int kMaxStructures = 1024;

/// One record of the structure list (and of the source line table).
struct StructureEntry {
    int firstLine = 0;     ///< 1-based first line (entry line for COBOL, source line for C/VB)
    int lastLine = 0;      ///< 1-based last line
    std::string name;      ///< data name of the structure
    std::string listText;  ///< text shown in the structure list
    std::string comment;   ///< item name (comment) of the structure
    std::string tag;       ///< C: the tag of a structure listed by its typedef name, else empty
};

/// One line of the import report: a source line that gave no row, or a row whose size or
/// form was not simply read off the source.
struct ImportNote {
    int line = 0;        ///< 1-based source line; 0 when the note is about the whole record
    std::string text;    ///< the source text (CP932)
    std::string reason;  ///< why it is reported (CP932)
    friend bool operator==(const ImportNote&, const ImportNote&) = default;
};

/// State an import shares between the pipeline and the parser of the language.
struct ImportSession {
    bool editorMode = false;    ///< COBOL text handed back by the built-in text editor
    bool sameStructure = true;  ///< redefinition expansion mode in force (Chk_RedInclude)
    std::string prefix;         ///< layout prefix collected from "Prefix(...)" marks
    /// The key entry list: "001.002<可>(降順):5" texts (CP932), kept sorted.
    std::vector<std::string> keyEntries;
    /// The report of the last extraction (empty in editor mode).
    std::vector<ImportNote> notes;
};

/// The parser of one language. A parser keeps what its scan found (entry lines, type
/// tables ...) until the next scan, so that Extract can build the rows of a listed structure.
class StructureParser {
public:
    virtual ~StructureParser() = default;
    /// Reads the source (CP932 path) and lists its structures. False, with `error` set to the
    /// message to show, when the file cannot be read; the list is then empty.
    [[nodiscard]] virtual bool Scan(const std::string& cp932Path, const Settings& settings, ImportSession& session,
                                    std::string& error) = 0;
    /// The structure list of the last scan.
    [[nodiscard]] virtual const std::vector<StructureEntry>& Structures() const = 0;
    /// Replaces the rows of `doc` by structure `index` (0-based) and sets RdfCmt and PreFix.
    /// Key marks go to `session.keyEntries`. Returns the number of rows written.
    virtual int Extract(int index, const Settings& settings, ImportSession& session, LayoutDocument& doc) = 0;
};

/// One line of the structure list as shown: " " + number right-aligned in 4 + ". " + text.
[[nodiscard]] std::string StructureListLine(int number, const StructureEntry& entry);

}  // namespace rekkan
