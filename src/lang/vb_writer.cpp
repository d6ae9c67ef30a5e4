#include "lang/vb_writer.h"

#include <algorithm>

#include "model/type_catalogue.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

int Digits(int n) { return static_cast<int>(std::to_string(n).size()); }

std::string GroupTypeName(const TRspec& r, int row) {
    return ToUpperAscii("T" + PadLeft('0', std::to_string(row + 1), 3) + "_" + Trim(RemoveLineEnds(r.VNM)));
}

std::string VbTypeWord(const TRspec& r, int row) {
    switch (r.TYP) {
    case kGroup: return GroupTypeName(r, row);
    case kUInt:
    case kUShort:
    case kSInt:
    case kSShort: return "Integer";
    case kULong:
    case kSLong: return "Long";
    case kFloat: return "Single";
    case kDouble: return "Double";
    case kCurrency: return "Currency";
    case kDate: return "Date";
    case kTime: return "Time";
    case kByte: return "Byte";
    case kObject: return "Object";
    default: return "String";
    }
}

/// Fixed-length strings: " * " + length.
bool HasLengthPart(int type) {
    return (type >= kX && type <= kString) || type == kVariant || type == kHex || !IsValidType(type);
}

}  // namespace

std::string WriteVbText(const LanguageOutputInput& in) {
    const auto& rows = in.doc.items;
    const int n = static_cast<int>(rows.size());
    int nameWidth = 0, typeWidth = 0;
    for (int i = 0; i < n; ++i) {
        const TRspec& r = rows[static_cast<std::size_t>(i)];
        int w = static_cast<int>(OutputVarName(r).size()) + (r.TYP == kGroup ? 0 : 2) + 2;
        if (r.RPT > 1) w += Digits(r.RPT) + 2;
        nameWidth = std::max(nameWidth, w);
        typeWidth = std::max(typeWidth, static_cast<int>(VbTypeWord(r, i).size()) + 1 + Digits(r.BYT) + 6);
    }

    std::string out;
    const std::string prefix = "  ";
    const std::string dashes = "'" + std::string(75, '-');
    WriteLine(out, prefix + dashes);
    WriteLine(
        out,
        prefix + FillTo("'-  " + in.doc.RdfCmt + "  " + std::to_string(in.geometry.recordLength) + " Byte", 76) + "-");
    WriteLine(out, prefix + dashes);
    WriteLine(out, prefix + " ");

    std::vector<bool> written(static_cast<std::size_t>(n), false);
    const int lineWidth = nameWidth + typeWidth - 1;
    for (int level = 16; level >= 1; --level) {
        for (int g = 0; g < n; ++g) {
            const TRspec& gr = rows[static_cast<std::size_t>(g)];
            if (gr.TYP != kGroup || gr.LVL != level) continue;
            WriteLine(out, prefix + FillTo("Type " + GroupTypeName(gr, g), lineWidth) + "'" + OutputItemName(in, g));
            for (int j = g + 1; j < n && rows[static_cast<std::size_t>(j)].LVL > gr.LVL; ++j) {
                if (written[static_cast<std::size_t>(j)]) continue;
                written[static_cast<std::size_t>(j)] = true;
                const TRspec& r = rows[static_cast<std::size_t>(j)];
                std::string member = "  " + OutputVarName(r);
                if (r.RPT > 1) member += "(" + std::to_string(r.RPT - 1) + ")";
                member = FillTo(member, nameWidth - 1) + " As " + VbTypeWord(r, j);
                if (HasLengthPart(r.TYP)) member += " * " + std::to_string(ElemLenOf(in, j));
                WriteLine(out, prefix + FillTo(member, lineWidth) + "'  " + OutputItemName(in, j));
            }
            WriteLine(out, prefix + "End Type");
            WriteLine(out, prefix + " ");
        }
    }
    return out;
}

}  // namespace rekkan
