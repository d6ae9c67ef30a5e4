#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace rekkan::ui {

/// CP932 text of the core as a QString.
[[nodiscard]] QString ToQ(std::string_view cp932);
/// A QString as CP932 text for the core (characters CP932 cannot hold become '?'); only for
/// texts that are shown, never for texts that are stored.
[[nodiscard]] std::string FromQ(const QString& text);
/// A QString as CP932 text into `out`; false when a character has no CP932 form (`out` then
/// holds '?' in its place and must not be stored).
[[nodiscard]] bool ToCp932(const QString& text, std::string& out);

}  // namespace rekkan::ui
