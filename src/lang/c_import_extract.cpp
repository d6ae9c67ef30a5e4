#include <algorithm>

#include "lang/c_import.h"
#include "lang/c_import_words.h"
#include "lang/lang_words.h"
#include "model/geometry.h"
#include "model/group_rule.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

// The layout rows of an expanded structure: one row a declaration, groups for structures,
// union members overlaid.

namespace rekkan {
namespace {

/// Deepest level a row may get.
constexpr int kDeepestLevel = 15;

/// Byte size and type of the row a line stores; `stored` false when it stores none.
struct RowType {
    bool stored = false;
    int type = kGroup;
    int bytes = 0;
    int repeat = 1;
};

RowType TypeOfLine(const CKeywordHits& hits, const CDimensions& dims, const IntSizes& sizes) {
    RowType r;
    const bool isUnsigned = hits.Has(kKwUnsigned);
    const bool isSigned = hits.Has(kKwSigned);
    auto store = [&](int type, int bytes) {
        r.stored = true;
        r.type = type;
        r.bytes = bytes;
        r.repeat = dims.product;
    };
    // Every present keyword stores the row in table order; the last one wins.
    if (hits.Has(kKwTypedef) || hits.Has(kKwStruct)) store(kGroup, 0);
    if (hits.Has(kKwChar)) {
        if (isUnsigned) {
            store(kUChar, 1);
        } else if (isSigned) {
            store(kSChar, 1);
        } else if (!dims.sizes.empty()) {
            store(kString, dims.sizes.back());
            long long rest = 1;
            for (std::size_t i = 0; i + 1 < dims.sizes.size(); ++i)
                rest = std::min<long long>(rest * dims.sizes[i], 1'000'000);
            r.repeat = static_cast<int>(rest);
        } else {
            store(kSChar, 1);
        }
    }
    if (hits.Has(kKwInt) || hits.Has(kKwInteger)) store(isUnsigned ? kUInt : kSInt, sizes.intSize);
    if (hits.Has(kKwShort)) store(isUnsigned ? kUShort : kSShort, sizes.shortSize);
    if (hits.Has(kKwLong)) store(isUnsigned ? kULong : kSLong, sizes.longSize);
    if (hits.Has(kKwFloat)) store(kFloat, 4);
    if (hits.Has(kKwDouble)) store(kDouble, 8);
    const bool sizedInteger =
        hits.Has(kKwChar) || hits.Has(kKwInt) || hits.Has(kKwInteger) || hits.Has(kKwShort) || hits.Has(kKwLong);
    if ((isSigned || isUnsigned) && !sizedInteger) store(isUnsigned ? kUInt : kSInt, sizes.intSize);
    if (hits.Has(kKwCurrency)) store(kCurrency, 8);
    if (hits.Has(kKwVariant)) store(kVariant, 1);
    if (hits.Has(kKwByte)) store(kByte, 1);
    if (hits.Has(kKwObject)) store(kObject, 4);
    if (hits.Has(kKwWord)) store(kWord, 2);
    if (hits.Has(kKwDword)) store(kDword, 4);
    return r;
}

/// The code with the contents of its brackets left out.
std::string OutsideBrackets(std::string_view code) {
    std::string out;
    int depth = 0;
    ForEachChar(code, [&](std::size_t i, std::size_t length) {
        const char c = length == 1 ? code[i] : '\0';
        if (c == '[') ++depth;
        if (depth == 0) out.append(code, i, length);
        if (c == ']' && depth > 0) --depth;
    });
    return out;
}

/// "data[]" or "data[0]": an array without elements, which takes no bytes.
bool IsFlexibleArray(std::string_view code) {
    const std::vector<std::string> dims = BracketContents(code);
    if (dims.empty()) return false;
    const std::string last = Trim(dims.back());
    return last.empty() || last == "0";
}

/// Most unions whose members are overlaid in one extraction.
constexpr std::size_t kMostUnions = 64;

/// Moves the rows [from, to) so that they start at `at` (at < from) and renumbers the key
/// entries that point into the moved rows.
void MoveRows(std::vector<TRspec>& rows, int at, int from, int to, std::vector<std::string>& keyEntries) {
    std::rotate(rows.begin() + at, rows.begin() + from, rows.begin() + to);
    for (std::string& entry : keyEntries) {
        const std::size_t colon = entry.rfind(':');
        int row = 0;
        if (colon == std::string::npos || !ParseInt(entry.substr(colon + 1), row)) continue;
        if (row >= from && row < to)
            row = at + (row - from);
        else if (row >= at && row < from)
            row += to - from;
        entry = entry.substr(0, colon + 1) + std::to_string(row);
    }
    std::sort(keyEntries.begin(), keyEntries.end());
}

/// The members of a union share their bytes: the longest member is put first and the others
/// redefine it, so that the union is as long as its longest member.
void OverlayUnionMembers(LayoutDocument& doc, const std::vector<int>& unionRows, const IntSizes& sizes,
                         std::vector<std::string>& keyEntries) {
    std::size_t done = 0;
    for (auto it = unionRows.rbegin(); it != unionRows.rend() && done < kMostUnions; ++it, ++done) {
        std::vector<TRspec>& rows = doc.items;
        const int n = static_cast<int>(rows.size());
        const int u = *it;
        if (u < 0 || u >= n) continue;
        const int level = rows[static_cast<std::size_t>(u)].LVL;
        std::vector<int> children;
        int end = u + 1;
        for (; end < n && rows[static_cast<std::size_t>(end)].LVL > level; ++end)
            if (rows[static_cast<std::size_t>(end)].LVL == level + 1) children.push_back(end);
        if (children.size() < 2 || children.front() != u + 1) continue;

        LayoutDocument copy;
        copy.items = rows;
        copy.sizes = sizes;
        const Geometry geometry = MeasureLayout(copy);
        auto sizeOf = [&](int row) {
            const long long len = geometry.rows[static_cast<std::size_t>(row)].ElemLen;
            return len * std::max(1, rows[static_cast<std::size_t>(row)].RPT);
        };
        int longest = children.front();
        for (int c : children)
            if (sizeOf(c) > sizeOf(longest)) longest = c;
        if (longest != children.front()) {
            int longestEnd = longest + 1;
            while (longestEnd < end && rows[static_cast<std::size_t>(longestEnd)].LVL > level + 1) ++longestEnd;
            MoveRows(rows, children.front(), longest, longestEnd, keyEntries);
        }
        const TRspec& first = rows[static_cast<std::size_t>(u + 1)];
        const std::string target = Trim(first.KOM).empty() ? Trim(first.VNM) : Trim(first.KOM);
        if (target.empty()) continue;
        for (int r = u + 2; r < end; ++r)
            if (rows[static_cast<std::size_t>(r)].LVL == level + 1) rows[static_cast<std::size_t>(r)].RED = target;
    }
}

}  // namespace

int CImport::Extract(int index, const CExtractOptions& options, ImportSession& session, LayoutDocument& doc) const {
    if (index < 0 || index >= static_cast<int>(structures_.size())) return 0;
    session.prefix.clear();
    const std::vector<CExpandedLine> lines =
        Expand(index, options.arrayGroups, session, static_cast<std::size_t>(std::max(0, options.capacity)) * 4 + 1000);

    // The report names the source line of a member written in the structure itself.
    const int firstLine = ranges_[static_cast<std::size_t>(index)].first;
    const int lastLine = ranges_[static_cast<std::size_t>(index)].second;
    auto report = [&](const CExpandedLine& line, const std::string& reason) {
        const std::string name = CVariableName(line.code, FindCKeywords(line.code));
        int at = 0;
        for (int n = firstLine; n <= lastLine && n <= static_cast<int>(lines_.size()) && !name.empty(); ++n) {
            if (FindWord(lines_[static_cast<std::size_t>(n - 1)].code, name) != std::string::npos) {
                at = n;
                break;
            }
        }
        // A VB member is named by its line in the VB source, not in the C translation.
        if (vb_)
            at = at > 0 && at <= static_cast<int>(vbLineOf_.size()) ? vbLineOf_[static_cast<std::size_t>(at - 1)] : 0;
        session.notes.push_back({at, Trim(line.code), reason});
    };
    doc.items.clear();
    int level = 1;
    int count = 0;
    std::vector<int> unionRows;
    for (const CExpandedLine& line : lines) {
        if (count >= options.capacity) break;
        const CKeywordHits hits = FindCKeywords(line.code);
        if (!hits.Any()) {
            const std::string code = Trim(line.code);
            if (code.empty() || code == ";" || HasWord(code, "#define")) continue;
            if (code[0] == '#')
                report(line, sj("前処理の指令は読みません（条件の両方の側を読みます）。"));
            else if (HasChar(code, ';'))
                report(line, sj("型が分からないので行になりません。"));
            else
                report(line, sj("宣言として読めないので行になりません。"));
            continue;
        }
        if (count == 0) level = 1;
        const CDimensions dims = ReadDimensions(line.code);
        const std::string varName = CVariableName(line.code, hits);
        const std::string itemName = !line.comment.empty() ? line.comment
                                     : !varName.empty()    ? varName
                                                           : Trim(line.code);
        const RowType type = TypeOfLine(hits, dims, options.sizes);
        if (type.stored && type.type != kGroup && IsFlexibleArray(line.code)) {
            report(line, sj("要素のない配列（フレキシブル配列メンバー）は行になりません。"));
            continue;
        }
        if (line.enumeration) report(line, sj("列挙型のメンバーです。大きさは int と推測しました。"));
        if (type.stored && type.type != kGroup) {
            const std::string outside = OutsideBrackets(line.code);
            if (HasChar(outside, '*')) report(line, sj("ポインターです。大きさは推測です。"));
            if (HasChar(outside, ':')) report(line, sj("ビットフィールドです。大きさは推測です。"));
            if (FindText(outside, "long long") != std::string::npos) report(line, sj("long long の大きさは推測です。"));
            if (!DimensionsEvaluated(line.code))
                report(line,
                       sj("配列の大きさを計算できません（定義のない名前か、読めない式）。要素 1 つと推測しました。"));
            if (DimensionBelowOne(line.code)) report(line, sj("配列の大きさが 0 以下です。要素 1 つと推測しました。"));
        }
        if (type.stored) {
            ImportedRow row;
            row.level = level;
            row.repeat = type.repeat;
            row.itemName = itemName;
            row.dataName = varName;
            row.type = type.type;
            row.digits = type.bytes;
            StoreImportedRow(doc, count, std::move(row), session);
            ApplyGroupRule(doc.items, count);
            if (hits.isUnion && type.type == kGroup) unionRows.push_back(count);
            ++count;
        } else if (hits.Has(kKwClose)) {
            for (int r = count - 1; r >= 0; --r) {
                TRspec& g = doc.items[static_cast<std::size_t>(r)];
                if (g.LVL != level - 1 || g.TYP != kGroup) continue;
                g.RPT = std::max(1, dims.product);
                if (g.KOM.empty()) g.KOM = itemName;
                if (g.VNM.empty()) g.VNM = varName;
                break;
            }
        }
        if (hits.Has(kKwOpen)) ++level;
        if (hits.Has(kKwClose)) --level;
        level = std::clamp(level, 1, kDeepestLevel);
    }
    doc.items.resize(static_cast<std::size_t>(count));
    OverlayUnionMembers(doc, unionRows, options.sizes, session.keyEntries);
    FinishExtraction(doc, session);
    return count;
}

}  // namespace rekkan
