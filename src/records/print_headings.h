#pragma once

#include <array>
#include <string>

#include "records/shown_record.h"

namespace rekkan {

/// The eight column headings of the field grid ("SEQ", "位置", ...), CP932.
[[nodiscard]] const std::array<std::string, 8>& GridHeadings();

/// The print grid's column headings: " SEQ", " 位置", ... (each with a leading blank).
[[nodiscard]] std::array<std::string, 8> PrintHeadings();
/// The four heading lines of the print: "FileName = " + comment, "Path     = " + edit file,
/// then line 3 of the list text as two lines (base position, size, position; length,
/// count, Rec.No).
[[nodiscard]] std::array<std::string, 4> PrintTitleLines(const RecordInfo& info);

}  // namespace rekkan
