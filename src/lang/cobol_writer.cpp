#include "lang/cobol_writer.h"

#include <algorithm>

#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

CobolOutputOptions CobolOutputOptions::FromSettings(const Settings& s) {
    // Each value is the index of a drop-down list; one outside its list counts as the nearest item.
    CobolOutputOptions o;
    o.comments = std::clamp(s.Cmb_CobCmt, 0, 1);
    o.commentColumn = std::clamp(s.Cmb_CobKP, 0, 75);
    o.picColumn = std::clamp(s.Cmb_CobPP, 0, 39);
    o.indent = std::clamp(s.Cmb_CobID, 0, 2);
    o.packed = std::clamp(s.Cmb_CobPK, 0, 1);
    o.levelStart = std::clamp(s.Cmb_CobSN, 0, 19);
    o.levelStep = std::clamp(s.Cmb_CobIV, 0, 19);
    o.blankLines = std::clamp(s.Cmb_CobCR, 0, 10);
    o.japanese = std::clamp(s.Cmb_CobJpn, 0, 1);
    o.comp12WithoutPic = std::clamp(s.Cmb_Comp12Pic, 0, 1);
    return o;
}

std::string CobolLevelNumber(int level, int start, int increment) {
    std::string s = std::to_string((static_cast<long long>(level) - 1) * increment + start + 100);
    if (s.size() < 2) s.insert(0, 2 - s.size(), '0');
    return s.substr(s.size() - 2);
}

namespace {

/// The PIC clause of an elementary row (without the final period).
std::string PicClause(const TRspec& r, const CobolOutputOptions& o) {
    static const char* const names[] = {"String",  "U_Char", "U_Integer", "U_Short", "U_Long",   "S_Char",  "S_Integer",
                                        "S_Short", "S_Long", "Float",     "Double",  "Currency", "Variant", "Date",
                                        "Time",    "BYTE",   "Object",    "Date8",   "Hex",      "WORD",    "DWORD"};
    std::string sign, pic, usage;
    bool numberParts = true;
    const bool isSigned = r.TYP == kSNum || r.TYP == kSComp3 || r.TYP == kSBinary || r.TYP == kSComp ||
                          r.TYP == kSComp1 || r.TYP == kSComp2 || r.TYP == kSComp5;
    if (isSigned) sign = "S";
    switch (r.TYP) {
    case kX: pic = "X"; break;
    case kJ:
        pic = o.japanese == 1 ? "G" : "N";
        if (o.japanese == 1) usage = "DISPLAY-1";
        break;
    case kUNum:
    case kSNum: pic = "9"; break;
    case kUComp3:
    case kSComp3:
        pic = "9";
        usage = o.packed == 1 ? "PACKED-DECIMAL" : "COMP-3";
        break;
    case kUBinary:
    case kSBinary:
        pic = "9";
        usage = "BINARY";
        break;
    case kBit:
        pic = "1";
        usage = "BIT";
        break;
    case kUComp:
    case kSComp:
        pic = "9";
        usage = "COMP";
        break;
    case kSComp1:
    case kSComp2:
        pic = "9";
        usage = r.TYP == kSComp1 ? "COMP-1" : "COMP-2";
        if (o.comp12WithoutPic == 1) return usage;
        break;
    case kUComp5:
    case kSComp5:
        pic = "9";
        usage = "COMP-5";
        break;
    default:
        if (r.TYP >= kString && r.TYP <= kDword) {
            pic = names[r.TYP - kString];
            numberParts = r.TYP == kString || r.TYP == kVariant || r.TYP == kHex;
        } else {
            pic = "X";
        }
        break;
    }
    if (r.BYT == 0 && r.TYP < kString) pic.clear();
    std::string clause = "PIC " + sign + pic;
    if (numberParts && r.BYT >= 1) clause += "(" + std::to_string(r.BYT) + ")";
    if (numberParts && r.SYO > 0) clause += "V9(" + std::to_string(r.SYO) + ")";
    return clause + " " + usage;
}

/// Variable name of the row that row `i` redefines (RED itself when it is not found).
std::string RedefinedName(const std::vector<TRspec>& rows, int i) {
    const TRspec& r = rows[static_cast<std::size_t>(i)];
    const std::string target = Trim(r.RED);
    for (int k = i - 1; k >= 0; --k) {
        const TRspec& s = rows[static_cast<std::size_t>(k)];
        if (s.LVL < r.LVL) break;
        if (s.LVL != r.LVL) continue;
        if (Trim(s.KOM) == target || Trim(s.VNM) == target) return OutputVarName(s);
    }
    return r.RED;
}

/// Lines of the record description, each as its text from column 7 on.
std::vector<std::string> BodyLines(const LanguageOutputInput& in, const CobolOutputOptions& o, bool editor) {
    std::vector<std::string> lines;
    const auto& rows = in.doc.items;
    const int picColumn = o.picColumn + 8;
    const int start = o.levelStart + 1, step = o.levelStep + 1;
    const std::string remarksMark = sj("//備考→");
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TRspec& r = rows[static_cast<std::size_t>(i)];
        const int indent = std::max(0, r.LVL - 1) * (o.indent + 1);
        std::string name = Blanks(indent);
        if (r.LVL > 0) name += CobolLevelNumber(r.LVL, start, step);
        name += " " + OutputVarName(r);
        if (!Trim(r.RED).empty()) name += " REDEFINES " + RedefinedName(rows, i);
        if (r.RPT >= 2) name += "  OCCURS " + std::to_string(r.RPT) + " ";

        if (o.comments == 1) {
            const int levelColumn = 8 + indent;
            int column = levelColumn + 3;
            if (o.commentColumn == 1) column = picColumn;
            if (o.commentColumn == 2) column = levelColumn;
            if (o.commentColumn >= 3) column = o.commentColumn + 5;
            const int blanks = std::max(0, column - 8);
            const std::string itemName = OutputItemName(in, i);
            if (editor) {
                lines.push_back(" " + Blanks(blanks) + "//" + itemName);
                int lead = blanks;
                while (57 - lead < 20) --lead;
                const int width = 57 - lead;
                const std::string folded = Fold(r.BKO, width, false);
                for (std::size_t at = 0; at < folded.size(); at += static_cast<std::size_t>(width)) {
                    const std::string chunk = folded.substr(at, static_cast<std::size_t>(width));
                    if (!Trim(chunk).empty()) lines.push_back(" " + Blanks(lead) + remarksMark + chunk);
                }
            } else {
                lines.push_back("*" + Blanks(blanks) + itemName);
            }
        }

        std::string item = " " + name;
        if (r.TYP == kGroup) {
            lines.push_back(TrimRight(item) + ".");
        } else {
            const std::string clause = TrimRight(PicClause(r, o)) + ".";
            if (6 + static_cast<int>(item.size()) >= picColumn - 2) {
                lines.push_back(item);
                lines.push_back(Blanks(picColumn - 7) + clause);
            } else {
                lines.push_back(FillTo(item, picColumn - 7) + clause);
            }
        }
        for (int k = 0; k < o.blankLines; ++k) lines.push_back("*");
    }
    return lines;
}

}  // namespace

std::string WriteCobolText(const LanguageOutputInput& in, const CobolOutputOptions& o) {
    std::vector<std::string> lines;
    const std::string stars(66, '*');
    lines.push_back(stars);
    lines.push_back("*");
    lines.push_back(FillTo("*  " + in.doc.RdfCmt + "  " + std::to_string(in.geometry.recordLength) + " Byte", 66) +
                    "*");
    lines.push_back(stars);
    lines.push_back("*");
    for (std::string& l : BodyLines(in, o, false)) lines.push_back(std::move(l));
    std::string out;
    int count = 0;
    for (const std::string& l : lines) WriteLine(out, PadLeft('0', std::to_string(++count * 100), 6) + l);
    return out;
}

std::string WriteCobolEditorText(const LanguageOutputInput& in, const CobolOutputOptions& options) {
    CobolOutputOptions o = options;
    o.comments = 1;
    o.commentColumn = 2;
    o.picColumn = 37;
    o.indent = 2;
    o.blankLines = 1;
    std::string out;
    const std::string stars = "//" + std::string(63, '*');
    WriteLine(out, stars);
    WriteLine(out, "//*");
    WriteLine(out, FillTo("//*  " + in.doc.RdfCmt, 71) + "*");
    WriteLine(out, "//*");
    WriteLine(out, FillTo("//*    Record Length: " + std::to_string(in.geometry.recordLength) + " Byte", 71) + "*");
    WriteLine(out, stars);
    WriteLine(out, "//");
    for (const std::string& l : BodyLines(in, o, true))
        WriteLine(out, l == "*" ? std::string() : l.substr(std::min<std::size_t>(1, l.size())));
    return out;
}

bool ReadEditorTextComment(std::string_view text, std::string& comment) {
    // The heading: "//****", "//*", "//*  comment ... *", "//*", "//*    Record Length: ...".
    std::string found;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string line = TrimRight(std::string(text.substr(at, end - at)));
        at = end + 1;
        if (line.rfind("//*", 0) != 0) return false;
        std::string inside = line.substr(3);
        if (!inside.empty() && inside.back() == '*') inside.pop_back();
        inside = Trim(inside);
        if (inside.rfind("Record Length:", 0) == 0) {
            comment = found;
            return true;
        }
        if (found.empty() && inside.find_first_not_of('*') != std::string::npos) found = inside;
    }
    return false;
}

}  // namespace rekkan
