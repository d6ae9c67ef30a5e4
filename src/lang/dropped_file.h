#pragma once

#include <string_view>

namespace rekkan {

/// Kind of a file dropped on the layout editor, judged from its first 1000 characters.
enum class DroppedFileKind { Layout, Cobol, C, Vb, Unknown };
[[nodiscard]] DroppedFileKind GuessDroppedFile(std::string_view bytes);

}  // namespace rekkan
