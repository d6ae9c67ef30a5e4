#pragma once

#include <string>

#include "cli/command.h"
#include "lang/import_pipeline.h"
#include "model/geometry.h"
#include "model/layout_document.h"

namespace rekkan::cli {

/// Reads a layout file as the tools do (integer sizes and line limit from the settings) and
/// normalises its rows. False after the reader's message.
[[nodiscard]] bool ReadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc);

/// `ReadLayoutForCommand`, then measures the layout; false after a message when either fails.
[[nodiscard]] bool LoadLayoutForCommand(Context& ctx, const std::string& path, LayoutDocument& doc,
                                        Geometry& geometry);

/// The import flow every language shares once its settings are set: scan SOURCE, print the
/// structure list with --list, otherwise import the structure --select names (1-based number
/// or name, any case; default the first) and emit the layout file.
[[nodiscard]] int ImportStructure(Context& ctx, SourceLanguage language, Settings& settings);

}  // namespace rekkan::cli
