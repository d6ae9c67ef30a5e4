#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace rekkan::ui {

/// CP932 text of the core as a QString.
[[nodiscard]] QString ToQ(std::string_view cp932);
/// A QString as CP932 text for the core (characters CP932 cannot hold become '?').
[[nodiscard]] std::string FromQ(const QString& text);

}  // namespace rekkan::ui
