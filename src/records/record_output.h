#pragma once

#include <string>
#include <string_view>

#include "util/output_file.h"
#include "util/path_names.h"

namespace rekkan {

/// The record outputs of the window: their kinds, file names and dialog texts. The texts
/// themselves are made by list_text.h, record_csv.h and control_statements.h.

/// The three record outputs of the window.
enum class RecordOutputKind { List, Csv, Tofgen };

/// How the proposed file is named (for DefaultOutputPath): the edit file with ".lst" or
/// ".csv", else "Rekkan.lst" or "Rekkan.csv" in the program folder.
[[nodiscard]] OutputNaming RecordOutputNaming(RecordOutputKind kind);
/// Title of the save dialog.
[[nodiscard]] std::string OutputDialogTitle(RecordOutputKind kind);
/// Filter of the save dialog.
[[nodiscard]] std::string OutputFilter(RecordOutputKind kind);
/// The confirmation question naming the path.
[[nodiscard]] std::string OutputQuestion(RecordOutputKind kind, std::string_view cp932Path);
/// Message when no layout is shown.
[[nodiscard]] std::string NoLayoutForOutputMessage();
/// Message when no layout is shown for printing.
[[nodiscard]] std::string NoLayoutForPrintMessage();

}  // namespace rekkan
