#pragma once

#include <string>

#include "lang/lang_output.h"

namespace rekkan {

/// The layout as VB Type blocks (.vb text, CR LF line ends).
[[nodiscard]] std::string WriteVbText(const LanguageOutputInput& in);

}  // namespace rekkan
