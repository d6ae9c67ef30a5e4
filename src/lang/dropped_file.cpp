#include "lang/dropped_file.h"

#include <algorithm>
#include <string>

#include "util/text.h"

namespace rekkan {

DroppedFileKind GuessDroppedFile(std::string_view bytes) {
    const std::string head = Trim(bytes.substr(0, std::min<std::size_t>(bytes.size(), 1000)));
    if (head.rfind("morvane.lay", 0) == 0 || head.rfind("kvel#32.lay", 0) == 0) return DroppedFileKind::Layout;
    std::string lower = head;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower.find(" pic ") != std::string::npos || lower.find(" picture ") != std::string::npos) return DroppedFileKind::Cobol;
    if (lower.find("struct") != std::string::npos) return DroppedFileKind::C;
    if (lower.find(" as ") != std::string::npos) return DroppedFileKind::Vb;
    return DroppedFileKind::Unknown;
}

}  // namespace rekkan
