#pragma once

#include <string>

#include "cli/command.h"
#include "lang/import_pipeline.h"
#include "model/geometry.h"
#include "model/layout_document.h"

namespace rekkan::cli {

/// Rows the command line reads of a layout: all of them (a window's editing limit does not
/// apply); a layout with more fails.
inline constexpr int kWholeLayoutRows = 1'000'000;

/// Reads a layout file as the tools do (integer sizes from the settings), every row of it, and
/// normalises its rows. False after the reader's message. Integer rows stored with other sizes
/// than the settings give are named on stderr; `forChange` (a command that changes a data
/// file) fails on them, as the records would be cut in other places than they were made.
[[nodiscard]] bool ReadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc,
                                        bool forChange = false);

/// `ReadLayoutForCommand`, then measures the layout; false after a message when either fails.
[[nodiscard]] bool LoadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc, Geometry& geometry);

/// The import flow every language shares once its settings are set: scan SOURCE, print the
/// structure list with --list, otherwise import the structure --select names (1-based number
/// or name, any case; default the first) and emit the layout file.
[[nodiscard]] int ImportStructure(Context& ctx, SourceLanguage language, Settings& settings);

}  // namespace rekkan::cli
