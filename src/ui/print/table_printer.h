#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "model/print_settings.h"
#include "tools/print_table.h"

class QPrinter;
class QWidget;

namespace rekkan::ui {

/// Puts paper, orientation and margins of `settings` on `printer`.
void ApplyPrintSettings(QPrinter& printer, const PrintSettings& settings);
/// What the user chose on `printer` as settings; a paper other than A3, A4, A5, B4 and B5
/// keeps the paper of `previous`.
[[nodiscard]] PrintSettings CapturePrintSettings(const QPrinter& printer, const PrintSettings& previous);

/// Paints `table` onto the pages of `printer` at `scale` percent of its screen size: on every
/// page the title, the four heading lines, the note of a cut table, the fixed rows and columns
/// and a page number. Returns the number of pages.
int PaintTable(QPrinter& printer, const PrintTable& table, int scale);

/// Writes `table` as a PDF file with `settings`; false when it could not be written.
[[nodiscard]] bool PrintTableToPdf(const PrintTable& table, const PrintSettings& settings, const QString& path);

/// The one print routine: shows `table` in the print preview with the settings stored under
/// `prefix` in `previewLines` ("GP_" or "GPB_"); the paper, orientation, margins and scale the
/// user leaves there are stored back when the preview closes.
void PrintWithPreview(const PrintTable& table, std::vector<std::string>& previewLines, std::string_view prefix,
                      QWidget* parent);

}  // namespace rekkan::ui
