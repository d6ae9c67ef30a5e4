#pragma once

#include <string>

#include "lang/lang_output.h"

namespace rekkan {

/// The layout as a C structure (.h text, CR LF line ends).
[[nodiscard]] std::string WriteCText(const LanguageOutputInput& in);

}  // namespace rekkan
