#pragma once

#include <string>

namespace rekkan {

/// What a file dropped on the record editor (or named on the command line) is.
enum class EditorDropKind {
    Unreadable,   ///< it cannot be read
    LayoutGroup,  ///< its text begins with "Layout#Group"
    Layout,       ///< its text begins with a layout magic ("morvane.lay", "kvel#32.lay")
    DataFile,     ///< anything else
};

/// Number of bytes the classification reads from the start of the file.
inline constexpr std::size_t kDropSniffBytes = 1000;

/// Classifies `cp932Path` from its first 1000 bytes (trimmed); never reads the whole file.
[[nodiscard]] EditorDropKind ClassifyDroppedFile(const std::string& cp932Path);

}  // namespace rekkan
