#include "lang/lang_output.h"

#include "model/key_items.h"
#include "model/name_adjust.h"
#include "util/text.h"

namespace rekkan {

OutputNaming LanguageOutputNaming(OutputLanguage language) {
    switch (language) {
    case OutputLanguage::C: return {".h", "MORVANE.H"};
    case OutputLanguage::Vb: return {".vb", "MORVANE.VB"};
    case OutputLanguage::Cobol: return {".cob", "MORVANE.COB", true};
    }
    return {};
}

std::string FillTo(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.append(static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

int ElemLenOf(const LanguageOutputInput& in, int row) { return in.geometry.Row(row).ElemLen; }

std::string OutputItemName(const LanguageOutputInput& in, int row) {
    const TRspec& r = in.doc.items[static_cast<std::size_t>(row)];
    std::string name = Trim(RemoveLineEnds(r.KOM));
    if (row == 0 && !in.doc.PreFix.empty()) name += " Prefix(" + in.doc.PreFix + ")";
    name += " ";
    if (in.keys && row < static_cast<int>(in.geometry.rows.size())) {
        const GeometryRow g = in.geometry.Row(row);
        name += in.keys->KeyMark(g.FirstPos, g.ElemLen, r.TYP);
    }
    return name;
}

std::string OutputVarName(const TRspec& row) { return AdjustViewName(RemoveLineEnds(row.VNM)); }

}  // namespace rekkan
