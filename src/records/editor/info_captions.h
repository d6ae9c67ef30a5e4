#pragma once

#include <string>

#include "model/settings.h"

namespace rekkan {

/// The two captions at the right of the record editor's menu bar (CP932).
struct InfoCaptions {
    std::string codec;  ///< byte order, zone and pack signs
    std::string fill;   ///< character fill and record tail
};

/// The captions from the settings, compact ("[ Order→I ] ...") or full ("[ Byte.Order→Intel ] ...").
[[nodiscard]] InfoCaptions InfoCaptionsOf(const Settings& settings, bool compact);

}  // namespace rekkan
