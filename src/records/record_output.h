#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// The information values of the record editor as its boxes show them (CP932, numbers with
/// thousands separators).
struct RecordInfo {
    std::string comment;       ///< layout comment
    std::string editFilePath;
    std::string basePosition;  ///< 1-based "読込基底位置"
    std::string fileSize;      ///< "File.Size"
    std::string filePos;       ///< "File.Pos"
    std::string recordLength;  ///< "Rec.Len"
    std::string recordCount;   ///< "Records"
    std::string recNo;         ///< "Rec.No"
};

/// One row of the record editor's field grid as shown, with the facts of its field entry.
struct RecordGridRow {
    /// The eight cells: SEQ, position, byte length, type, item name, error mark, hex mark, content.
    std::array<std::string, 8> cells;
    int TYP = 0;                ///< type code of the field entry
    int byteLength = 0;         ///< byte length of the field entry
    std::string displayName;    ///< level blanks, occurrence prefix and item name
};

/// The record as the window shows it: the source of the list text, the CSV and the control
/// statements.
struct RecordView {
    RecordInfo info;
    std::vector<RecordGridRow> rows;
};

/// A field as the control statements need it.
struct TofgenField {
    int TYP = 0;
    int byteLength = 0;
    std::string displayName;
};

/// The three record outputs of the window.
enum class RecordOutputKind { List, Csv, Tofgen };

/// The list text (".lst") of the shown record, lines ended by CR LF.
[[nodiscard]] std::string RecordListText(const RecordView& view);
/// The CSV of the shown record, lines ended by CR LF.
[[nodiscard]] std::string RecordCsvText(const RecordView& view);
/// The control statements file of the shown layout (two lines, each ended by CR LF).
[[nodiscard]] std::string TofgenStatementsText(const std::vector<TofgenField>& fields);

/// Appends the two control statement lines (names, statements) for `fields` to `lines`.
/// Group fields are left out; each entry is followed by "," unless it comes from the last field.
void AppendTofgenStatements(const std::vector<TofgenField>& fields, std::vector<std::string>& lines);
/// The statement of one field: "X(n)", "S.PACK(n)", "U.INT2", "HEX(n)" ...
[[nodiscard]] std::string TofgenStatement(int TYP, int byteLength);
/// The control statement fields of a grid.
[[nodiscard]] std::vector<TofgenField> TofgenFieldsOf(const RecordView& view);

/// A CSV value: the text between double quotes, every double quote inside doubled.
[[nodiscard]] std::string CsvQuote(std::string_view text);
/// Appends CsvQuote(text) to `out` (no temporary).
void AppendCsvQuoted(std::string& out, std::string_view text);

/// The eight column headings of the field grid ("SEQ", "位置", ...), CP932.
[[nodiscard]] const std::array<std::string, 8>& GridHeadings();

/// The print grid's column headings: " SEQ", " 位置", ... (each with a leading blank).
[[nodiscard]] std::array<std::string, 8> PrintHeadings();
/// The four heading lines of the print: "FileName = " + comment, "Path     = " + edit file,
/// then line 3 of the list text as two lines (base position, size, position; length,
/// count, Rec.No).
[[nodiscard]] std::array<std::string, 4> PrintTitleLines(const RecordInfo& info);

/// Output file extension (".lst" or ".csv").
[[nodiscard]] std::string OutputExtension(RecordOutputKind kind);
/// Title of the save dialog.
[[nodiscard]] std::string OutputDialogTitle(RecordOutputKind kind);
/// Filter of the save dialog.
[[nodiscard]] std::string OutputFilter(RecordOutputKind kind);
/// The confirmation question naming the path.
[[nodiscard]] std::string OutputQuestion(RecordOutputKind kind, std::string_view cp932Path);
/// The proposed file: the edit file with the command's extension, else "Rekkan.lst" or
/// "Rekkan.csv" in `programFolder`.
[[nodiscard]] std::string DefaultOutputPath(RecordOutputKind kind, std::string_view editFilePath,
                                            std::string_view programFolder);
/// Message when no layout is shown.
[[nodiscard]] std::string NoLayoutForOutputMessage();
/// Message when no layout is shown for printing.
[[nodiscard]] std::string NoLayoutForPrintMessage();
/// Caption of the text viewer after an output.
[[nodiscard]] std::string OutputDoneCaption();

/// A file path with its extension replaced by `extension` (appended when it has none).
[[nodiscard]] std::string ReplaceExtension(std::string_view cp932Path, std::string_view extension);

}  // namespace rekkan
