#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// A name as the outputs write it: trimmed, with a leading "RED." written "RED-" and a leading
/// "R." written "R-" (the names the redefinition view gives); letter case significant.
[[nodiscard]] std::string AdjustViewName(std::string_view name);

}  // namespace rekkan
