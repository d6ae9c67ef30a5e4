#include "lang/c_writer.h"

#include <algorithm>

#include "model/type_catalogue.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string CTypeWord(int type) {
    switch (type) {
    case kGroup: return "struct {";
    case kUChar: return "unsigned char ";
    case kUInt: return "unsigned int  ";
    case kUShort: return "unsigned short";
    case kULong: return "unsigned long ";
    case kSInt: return "int   ";
    case kSShort: return "short ";
    case kSLong: return "long  ";
    case kFloat: return "float ";
    case kDouble: return "double ";
    case kByte: return "BYTE ";
    case kWord: return "WORD ";
    case kDword: return "DWORD ";
    default: return "char  ";
    }
}

/// Types without a C type of their own: written as char arrays of their length.
bool HasLengthPart(int type) {
    return (type >= kX && type <= kString) || (type >= kCurrency && type <= kTime) ||
           (type >= kObject && type <= kHex) || !IsValidType(type);
}

int Digits(int n) { return static_cast<int>(std::to_string(n).size()); }

}  // namespace

std::string WriteCText(const LanguageOutputInput& in) {
    const auto& rows = in.doc.items;
    const int n = static_cast<int>(rows.size());
    std::vector<std::string> names(static_cast<std::size_t>(n));
    int commentWidth = 0, declWidth = 0;
    for (int i = 0; i < n; ++i) {
        const TRspec& r = rows[static_cast<std::size_t>(i)];
        const int indent = std::max(0, r.LVL - 1) * 2;
        names[static_cast<std::size_t>(i)] = OutputItemName(in, i);
        commentWidth = std::max(commentWidth, indent + static_cast<int>(names[static_cast<std::size_t>(i)].size()));
        declWidth =
            std::max(declWidth, indent + static_cast<int>(OutputVarName(r).size()) +
                                    static_cast<int>(CTypeWord(r.TYP).size()) + 5 + Digits(r.BYT) + Digits(r.RPT) + 4);
    }

    std::string out;
    const std::string prefix = "  ";
    const std::string dashes = "/*" + std::string(72, '-') + "*/";
    WriteLine(out, prefix + dashes);
    WriteLine(out, prefix +
                       FillTo("/*   " + in.doc.RdfCmt + "  " + std::to_string(in.geometry.recordLength) + " Byte", 74) +
                       "*/");
    WriteLine(out, prefix + dashes);
    WriteLine(out, prefix + " ");

    std::vector<int> openGroup(17, -1);
    for (int i = 0; i < n; ++i) {
        const TRspec& r = rows[static_cast<std::size_t>(i)];
        const std::string indent = Blanks((r.LVL - 1) * 2);
        const bool group = r.TYP == kGroup;
        std::string decl = indent + CTypeWord(r.TYP) + " " + (group ? std::string() : OutputVarName(r)) + " ";
        if (!group && r.RPT > 1) decl += "[" + std::to_string(r.RPT) + "]";
        if (!group && HasLengthPart(r.TYP)) decl += "[" + std::to_string(ElemLenOf(in, i)) + "]";
        if (!group) decl = TrimRight(decl) + ";";
        WriteLine(out, prefix + FillTo(decl, declWidth - 1) + "/* " +
                           FillTo(indent + names[static_cast<std::size_t>(i)], commentWidth) + " */");
        if (group) openGroup[static_cast<std::size_t>(std::clamp(r.LVL, 0, 16))] = i;

        const int nextLevel = i + 1 < n ? rows[static_cast<std::size_t>(i + 1)].LVL : 0;
        if (i + 1 < n && nextLevel >= r.LVL) continue;
        for (int level = 16; level >= std::max(0, nextLevel); --level) {
            const int g = openGroup[static_cast<std::size_t>(level)];
            if (g < 0) continue;
            openGroup[static_cast<std::size_t>(level)] = -1;
            const TRspec& gr = rows[static_cast<std::size_t>(g)];
            std::string close = Blanks((gr.LVL - 1) * 2) + "} " + OutputVarName(gr);
            if (gr.RPT > 1) close += "[" + std::to_string(gr.RPT) + "]";
            close += ";";
            WriteLine(out, prefix + FillTo(close, declWidth - 1) + "/* " + Blanks(commentWidth) + " */");
        }
        WriteLine(out, " ");
    }
    return out;
}

}  // namespace rekkan
