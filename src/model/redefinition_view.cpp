#include "model/redefinition_view.h"

#include <algorithm>
#include <array>

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

constexpr int kLevelSlots = 100;

int Slot(int level) { return std::clamp(level, 0, kLevelSlots - 1); }

/// Levels of the layout mapped to levels of the view, for one gathered redefinition.
class LevelMap {
public:
    void Reset() { map_.fill(-1); }
    void Set(int level, int viewLevel) { map_[static_cast<std::size_t>(Slot(level))] = viewLevel; }

    /// The view level for a member at `level` when the previous row was at `previous`.
    int Map(int level, int previous) {
        const int slot = Slot(level);
        if (level < previous) {
            for (int k = slot + 1; k < kLevelSlots; ++k) map_[static_cast<std::size_t>(k)] = -1;
        }
        if (level != previous || map_[static_cast<std::size_t>(slot)] < 0) {
            int shallower = 2;  // below the redefining row there is always its head at level 2
            for (int k = slot - 1; k >= 0; --k) {
                if (map_[static_cast<std::size_t>(k)] >= 0) {
                    shallower = map_[static_cast<std::size_t>(k)];
                    break;
                }
            }
            map_[static_cast<std::size_t>(slot)] = shallower + 1;
        }
        return map_[static_cast<std::size_t>(slot)];
    }

private:
    std::array<int, kLevelSlots> map_{};
};

TRspec GroupRow(int level, std::string kom, std::string vnm, int kind) {
    TRspec r;
    r.LVL = level;
    r.TYP = r.TYP2 = kGroup;
    r.RPT = 1;
    r.KOM = std::move(kom);
    r.VNM = std::move(vnm);
    r.RdfKind = kind;
    return r;
}

std::string WithoutPrefix(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0 ? text.substr(prefix.size()) : text;
}

}  // namespace

std::string ViewFormatName(int format) {
    static const char* const kNames[kViewFormatCount] = {
        " 形式１：単純な寄せ集めで(従来の方法)",       " 形式２：埋め込みタグ ＆ 可能な限り詰めて１",
        " 形式３：埋め込みタグ ＆ 可能な限り詰めて２", " 形式４：埋め込みタグ ＆ フレームを替えて",
        " 形式５：埋め込みタグ ＆ ページを替えて",     " 形式６：フレームダグ ＆ フレームを替えて",
        " 形式７：フレームダグ ＆ ページを替えて",
    };
    if (format < 0 || format >= kViewFormatCount) return {};
    return sj(kNames[format]);
}

bool FormatEmbedsTags(int format) { return format >= 1 && format <= 4; }

std::string ViewModeText(int format) { return sj("≪ 再定義項目 ≫") + ViewFormatName(format); }

RedefinitionViewDocument MakeViewDocument(const LayoutDocument& doc, int format, int tagLength) {
    const int n = doc.Count();
    const Geometry measures = MeasureLayout(doc);
    auto item = [&](int i) -> const TRspec& { return doc.items[static_cast<std::size_t>(i)]; };
    auto pos = [&](int i) { return measures.rows[static_cast<std::size_t>(i)].Pos; };
    auto subtreeEnd = [&](int i) {
        return std::clamp(measures.rows[static_cast<std::size_t>(i)].SubtreeEnd, i, n - 1);
    };

    // The gathered rows: the root, then per redefinition its head, the redefining row and
    // its members. A row is gathered once, under the first redefinition that reaches it.
    std::vector<TRspec> list;
    const std::string firstKom = n > 0 ? Trim(item(0).KOM) : std::string();
    const std::string firstVnm = n > 0 ? Trim(item(0).VNM) : std::string();
    TRspec root = GroupRow(1, sj("再定義項目-") + firstKom, "RED-" + firstVnm, kRdfRoot);
    root.RdfPos = 1;
    list.push_back(root);
    std::vector<char> taken(static_cast<std::size_t>(n), 0);

    LevelMap levels;
    for (int i = 0; i < n; ++i) {
        const TRspec& redefining = item(i);
        const std::string red = Trim(redefining.RED);
        if (red.empty()) continue;

        const int target = RedefinedRow(doc, i);
        std::string kom = sj("再-");
        std::string vnm = "R-" + red;
        int base = 0;
        if (target >= 0) {
            kom += Trim(item(target).KOM);
            const std::string targetVnm = Trim(item(target).VNM);
            if (!targetVnm.empty()) vnm = "R-" + targetVnm;
            base = pos(target);
        }
        TRspec head = GroupRow(2, kom, vnm, format == 0 ? kRdfOrdinary : kRdfHead);
        head.RdfBase = base;
        head.RdfPos = base;
        list.push_back(head);

        levels.Reset();
        levels.Set(redefining.LVL, 3);
        TRspec first = redefining;
        first.LVL = 3;
        first.RED.clear();
        first.RdfKind = kRdfOrdinary;
        first.RdfBase = 0;
        first.RdfPos = pos(i);
        list.push_back(first);
        taken[static_cast<std::size_t>(i)] = 1;

        const int last = subtreeEnd(i);
        int previous = redefining.LVL;
        for (int j = i + 1; j <= last; ++j) {
            const TRspec& member = item(j);
            if (!Trim(member.RED).empty()) {
                j = subtreeEnd(j);  // a nested redefinition gets its own head
                continue;
            }
            const int level = levels.Map(member.LVL, previous);
            previous = member.LVL;
            if (taken[static_cast<std::size_t>(j)]) continue;
            TRspec copy = member;
            copy.LVL = level;
            copy.RdfKind = kRdfOrdinary;
            copy.RdfBase = 0;
            copy.RdfPos = pos(j);
            list.push_back(copy);
            taken[static_cast<std::size_t>(j)] = 1;
        }
    }

    RedefinitionViewDocument view;
    view.doc = doc;
    view.doc.items.clear();
    view.doc.RdfCmt = sj("再定義項目 ") + Trim(doc.RdfCmt);
    const bool tags = FormatEmbedsTags(format) && tagLength > 0;
    for (std::size_t k = 0; k < list.size(); ++k) {
        const TRspec& row = list[k];
        view.doc.items.push_back(row);
        const bool isHead = k > 0 && row.LVL == 2;  // members sit at level 3 and deeper
        if (!isHead || format == 0) continue;
        ++view.headCount;
        if (!tags) continue;
        TRspec tag;
        tag.LVL = row.LVL + 1;
        tag.TYP = tag.TYP2 = kX;
        tag.BYT = tagLength;
        tag.RPT = 1;
        tag.KOM = sj("再定義元-") + WithoutPrefix(row.KOM, sj("再-"));
        tag.VNM = "REDEFINES-" + WithoutPrefix(row.VNM, "R-");
        tag.RdfKind = kRdfTag;
        view.doc.items.push_back(tag);
    }
    view.geometry = MeasureLayout(view.doc);
    for (const TRspec& row : view.doc.items) view.positions.push_back(ViewPositionText(row));
    return view;
}

std::string ViewPositionText(const TRspec& viewRow) {
    if (viewRow.RdfKind == kRdfRoot || viewRow.RdfPos < 1) return {};
    return std::to_string(viewRow.RdfPos);
}

}  // namespace rekkan
