#include "records/editor/dropped_file_kind.h"

#include <fstream>
#include <system_error>

#include "model/layout_file.h"
#include "util/file_util.h"
#include "util/text.h"

namespace rekkan {

EditorDropKind ClassifyDroppedFile(const std::string& cp932Path) {
    const auto path = ToFsPath(cp932Path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return EditorDropKind::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return EditorDropKind::Unreadable;
    std::string head(kDropSniffBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (in.bad()) return EditorDropKind::Unreadable;
    head.resize(static_cast<std::size_t>(in.gcount()));
    const std::string text = Trim(head);
    auto startsWith = [&text](std::string_view prefix) { return text.compare(0, prefix.size(), prefix) == 0; };
    if (startsWith("Layout#Group")) return EditorDropKind::LayoutGroup;
    if (startsWith(kLegacyLayoutMagic) || startsWith(kLayoutMagic)) return EditorDropKind::Layout;
    return EditorDropKind::DataFile;
}

}  // namespace rekkan
