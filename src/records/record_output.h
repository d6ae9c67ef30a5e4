#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// The record outputs of the window: their kinds, file names and dialog texts. The texts
/// themselves are made by list_text.h, record_csv.h and control_statements.h.

/// The three record outputs of the window.
enum class RecordOutputKind { List, Csv, Tofgen };

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
