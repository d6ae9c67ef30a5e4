#include "lang/dropped_file.h"

#include <algorithm>
#include <string>

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

DroppedFileKind GuessDroppedFile(std::string_view bytes) {
    const std::string head = Trim(bytes.substr(0, std::min(bytes.size(), kDroppedFileHead)));
    if (head.rfind("morvane.lay", 0) == 0 || head.rfind("kvel#32.lay", 0) == 0) return DroppedFileKind::Layout;
    const auto has = [&](std::string_view word) { return FindNoCase(head, word) != std::string::npos; };
    if (has(" pic ") || has(" picture ")) return DroppedFileKind::Cobol;
    if (has("struct")) return DroppedFileKind::C;
    if (has(" as ")) return DroppedFileKind::Vb;
    return DroppedFileKind::Unknown;
}

}  // namespace rekkan
