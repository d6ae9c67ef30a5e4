#pragma once

#include <cstddef>
#include <string_view>

namespace rekkan {

/// Kind of a file dropped on the layout editor.
enum class DroppedFileKind { Layout, Cobol, C, Vb, Unknown };
/// Bytes at the start of a dropped file its kind is judged from.
inline constexpr std::size_t kDroppedFileHead = 1000;
/// The kind of a dropped file, judged from its first 1000 bytes: a layout by its magic, else
/// the language whose words it holds (any case).
[[nodiscard]] DroppedFileKind GuessDroppedFile(std::string_view bytes);

}  // namespace rekkan
