#include "model/name_adjust.h"

#include "util/text.h"

namespace rekkan {

std::string AdjustViewName(std::string_view name) {
    std::string t = Trim(name);
    if (t.rfind("RED.", 0) == 0) return "RED-" + t.substr(4);
    if (t.rfind("R.", 0) == 0) return "R-" + t.substr(2);
    return t;
}

}  // namespace rekkan
