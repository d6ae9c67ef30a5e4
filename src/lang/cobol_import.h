#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/structure_parser.h"
#include "model/layout_document.h"
#include "model/settings.h"

namespace rekkan {

/// Options of the COBOL reader (settings keys Cmb_CobSeq ... Cmb_Comp12Pic).
struct CobolImportOptions {
    int sequenceWidth = 6;                ///< Cmb_CobSeq: width of the sequence number area
    int validColumns = 72;                ///< Cmb_CobValid: columns kept of an ordinary line (0 all)
    int commentValidColumns = 72;         ///< Cmb_CobCmtValid: columns kept of a comment line (0 all)
    std::string inlineMarker;             ///< Edt_CobCmtStr, honoured when 2 bytes or longer
    std::string ignoredChars = "-+*=/%";  ///< Edt_CobCmtTrim
    bool sameStructure = true;            ///< Chk_RedInclude: REDEFINES kept in the same structure
    bool comp12WithoutPic = false;        ///< Cmb_Comp12Pic = 1
    bool editorMode = false;              ///< text written by the system for its text editor

    [[nodiscard]] static CobolImportOptions FromSettings(const Settings& s, bool editorMode);
};

/// Renumbers level numbers by nesting depth (01/05/10 and 01/02/03 both give 1/2/3).
class LevelRanker {
public:
    LevelRanker() { Reset(); }
    void Reset();
    /// The rank of the next entry of level `level`.
    [[nodiscard]] int Rank(int level);

private:
    int previous_ = 0;
    int lowest_ = 9999;
    int rank_ = 0;
    int slots_[100] = {};
};

/// Entry lines ("02 CUST-NO PIC 9(5); // 顧客番号") and the records found in them.
struct CobolEntries {
    std::vector<std::string> lines;
    std::vector<StructureEntry> records;      ///< first/last line: 1-based entry line numbers
    std::vector<StructureEntry> sourceLines;  ///< per record: its range of source lines (pass 1)
    std::vector<ImportNote> dropped;          ///< pass 1: code lines that belong to no entry
};

/// Pass 1: reads copybook or program text into entry lines.
[[nodiscard]] CobolEntries ReadCobolSource(std::string_view bytes, const CobolImportOptions& options);
/// REDEFINES expansion of every record into the expanded entry lines.
[[nodiscard]] std::vector<std::string> ExpandRedefines(const CobolEntries& entries, bool sameStructure);
/// Pass 2: rebuilds entries and records from expanded lines.
[[nodiscard]] CobolEntries ReadEntryLines(const std::vector<std::string>& lines);

/// Pass 1, expansion, pass 2 and the list texts.
struct CobolScan {
    CobolEntries entries;
    std::vector<StructureEntry> structures;   ///< records with their list texts
    std::vector<StructureEntry> sourceLines;  ///< per record of pass 1: its range of source lines
    std::vector<ImportNote> dropped;          ///< code lines that belong to no entry
    /// With redefinitions gathered: the same source with them in place, which shows the bytes a
    /// longer redefinition adds to its record.
    std::shared_ptr<const CobolScan> inPlace;
};
[[nodiscard]] CobolScan ScanCobolText(std::string_view bytes, const CobolImportOptions& options);

/// Type, digits and decimal places a PIC clause gives.
struct PicClass {
    int type = 0;
    int digits = 0;
    int decimals = 0;
    friend bool operator==(const PicClass&, const PicClass&) = default;
};
/// Classifies the PIC clause (and USAGE) of an entry text.
[[nodiscard]] PicClass ClassifyPicture(std::string_view entry, bool comp12WithoutPic, bool editorMode);

/// The usage an entry names ("COMP-3", "BINARY", "POINTER" ...; FLOAT-SHORT as "COMP-1"), or empty.
[[nodiscard]] std::string UsageOf(std::string_view entry);
/// The type of an entry without PIC whose usage fixes its size (POINTER, INDEX, BINARY-LONG,
/// COMP-1 ...); a group (type 0) when its usage fixes none.
[[nodiscard]] PicClass SizedUsage(std::string_view entry);

/// Builds the rows of record `index` (0-based) into `doc`; returns the rows written.
int ExtractCobolRecord(const CobolScan& scan, int index, const CobolImportOptions& options, ImportSession& session,
                       LayoutDocument& doc);

/// The COBOL parser of the structure import.
[[nodiscard]] std::unique_ptr<StructureParser> MakeCobolParser();

}  // namespace rekkan
