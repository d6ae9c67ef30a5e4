#include "util/sjis.h"

namespace rekkan {

std::string ByteTypeMap(std::string_view text) {
    std::string map(text.size(), '0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(b) && i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
            map[i] = '1';
            map[i + 1] = '2';
            ++i;
        }
    }
    return map;
}

std::size_t CharSafeLength(std::string_view text, std::size_t maxBytes) {
    if (maxBytes >= text.size()) return text.size();
    std::size_t i = 0;
    while (i < maxBytes) {
        const auto b = static_cast<unsigned char>(text[i]);
        const bool pair = IsLeadByte(b) && i + 1 < text.size() &&
                          IsTrailByte(static_cast<unsigned char>(text[i + 1]));
        const std::size_t step = pair ? 2 : 1;
        if (i + step > maxBytes) break;
        i += step;
    }
    return i;
}

}  // namespace rekkan
