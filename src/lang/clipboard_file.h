#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// Writes clipboard text to the clipboard file: anew, or appended when `append` (a missing file
/// is created). The text gets CR LF appended, is cut at every LF, loses every CR, and each
/// piece is written followed by CR LF. False when the file cannot be written.
[[nodiscard]] bool WriteClipboardFile(const std::string& cp932Path, std::string_view text, bool append);
/// The question asked before writing the clipboard file.
[[nodiscard]] std::string ClipboardQuestion(const std::string& cp932Path, bool append, std::string_view text);

}  // namespace rekkan
