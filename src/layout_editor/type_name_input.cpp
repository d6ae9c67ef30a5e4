#include "layout_editor/type_name_input.h"

#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

TypedName SplitTypedName(std::string_view cell, const TypeLabelFn& label) {
    TypedName out;
    out.nameCell = std::string(cell);
    // Neither byte of " *" can be the second byte of a double-byte character.
    const std::size_t mark = cell.rfind(" *");
    if (mark == std::string_view::npos) return out;
    out.label = Trim(cell.substr(mark + 2));
    if (out.label.empty()) return out;
    for (int code = 0; code < kTypeCount; ++code) {
        const std::string shown = Trim(label ? label(code) : StandardTypeLabel(code));
        if (!shown.empty() && EqualsNoCase(shown, out.label)) {
            out.nameCell = std::string(cell.substr(0, mark));
            out.typeCode = code;
            return out;
        }
    }
    return out;
}

std::string UnknownTypeLabelMessage(const std::string& label) {
    return sj("型名「") + label + sj("」に一致する型がありません。項目名に含めて入力しました。");
}

}  // namespace rekkan
