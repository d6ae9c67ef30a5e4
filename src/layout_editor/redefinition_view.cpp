#include "layout_editor/redefinition_view.h"

#include <algorithm>
#include <array>

#include "layout_editor/row_cells.h"
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
        " 形式１：単純な寄せ集めで(従来の方法)",      " 形式２：埋め込みタグ ＆ 可能な限り詰めて１",
        " 形式３：埋め込みタグ ＆ 可能な限り詰めて２", " 形式４：埋め込みタグ ＆ フレームを替えて",
        " 形式５：埋め込みタグ ＆ ページを替えて",     " 形式６：フレームダグ ＆ フレームを替えて",
        " 形式７：フレームダグ ＆ ページを替えて",
    };
    if (format < 0 || format >= kViewFormatCount) return {};
    return sj(kNames[format]);
}

bool FormatEmbedsTags(int format) { return format >= 1 && format <= 4; }

std::string ViewModeText(int format) { return sj("≪ 再定義項目 ≫") + ViewFormatName(format); }

RedefinitionViewTable BuildRedefinitionView(const LayoutDocument& doc, Geometry& geometry, int format,
                                            int tagLength) {
    RedefinitionViewTable view;
    const int n = doc.Count();
    auto& grows = geometry.Rows();
    if (static_cast<int>(grows.size()) < n) grows.resize(static_cast<std::size_t>(n));
    auto geo = [&](int i) -> GeometryRow& { return grows[static_cast<std::size_t>(i)]; };
    auto item = [&](int i) -> const TRspec& { return doc.items[static_cast<std::size_t>(i)]; };
    auto subtreeEnd = [&](int i) { return std::clamp(geo(i).SubtreeEnd, i, n - 1); };

    const std::string firstKom = n > 0 ? Trim(item(0).KOM) : std::string();
    const std::string firstVnm = n > 0 ? Trim(item(0).VNM) : std::string();
    TRspec root = GroupRow(1, sj("再定義項目-") + firstKom, "RED-" + firstVnm, kRdfRoot);
    root.RdfPos = 1;
    view.list.push_back({root, doc.modified, doc.RdfCmt});
    view.RdfCmt = sj("再定義項目 ") + Trim(doc.RdfCmt);

    for (int i = 0; i < n; ++i) geo(i).Taken = false;

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
            base = geo(target).Pos;
        }
        TRspec head = GroupRow(2, kom, vnm, format == 0 ? kRdfOrdinary : kRdfHead);
        head.RdfBase = base;
        head.RdfPos = base;
        view.list.push_back({head, doc.modified, doc.RdfCmt});

        levels.Reset();
        levels.Set(redefining.LVL, 3);
        TRspec first = redefining;
        first.LVL = 3;
        first.RED.clear();
        first.RdfKind = kRdfOrdinary;
        first.RdfBase = 0;
        first.RdfPos = geo(i).Pos;
        view.list.push_back({first, doc.modified, doc.RdfCmt});
        geo(i).Taken = true;

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
            if (geo(j).Taken) continue;
            TRspec copy = member;
            copy.LVL = level;
            copy.RdfKind = kRdfOrdinary;
            copy.RdfBase = 0;
            copy.RdfPos = geo(j).Pos;
            view.list.push_back({copy, doc.modified, doc.RdfCmt});
            geo(j).Taken = true;
        }
    }

    const bool tags = FormatEmbedsTags(format) && tagLength > 0;
    for (std::size_t k = 0; k < view.list.size(); ++k) {
        const TRspecOBJ& entry = view.list[k];
        view.rows.push_back(entry.row);
        const bool isHead = k > 0 && entry.row.LVL == 2;  // members sit at level 3 and deeper
        if (!isHead || format == 0) continue;
        ++view.headCount;
        if (!tags) continue;
        TRspec tag;
        tag.LVL = entry.row.LVL + 1;
        tag.TYP = tag.TYP2 = kX;
        tag.BYT = tagLength;
        tag.RPT = 1;
        tag.KOM = sj("再定義元-") + WithoutPrefix(entry.row.KOM, sj("再-"));
        tag.VNM = "REDEFINES-" + WithoutPrefix(entry.row.VNM, "R-");
        tag.RdfKind = kRdfTag;
        view.rows.push_back(tag);
    }
    return view;
}

std::vector<std::string> ViewPositions(const std::vector<TRspec>& viewRows) {
    std::vector<std::string> positions;
    for (const TRspec& row : viewRows) {
        positions.push_back(PositionCellText(row, GeometryRow{}, true));
    }
    return positions;
}

RedefinitionViewDocument MakeViewDocument(const LayoutDocument& doc, int format, int tagLength) {
    RedefinitionViewDocument out;
    out.doc = doc;
    Geometry geometry;
    RedefinitionView view;
    view.Enter(out.doc, geometry, format, tagLength);
    (void)geometry.Run(out.doc, GeometryForm::Editor, {}, false);
    out.positions = ViewPositions(out.doc.items);
    return out;
}

bool RedefinitionView::Enter(LayoutDocument& doc, Geometry& geometry, int format, int tagLength) {
    if (active_) return false;
    saved_.clear();
    for (const TRspec& row : doc.items) saved_.push_back({row, doc.modified, doc.RdfCmt});
    savedModified_ = doc.modified;
    savedComment_ = doc.RdfCmt;

    (void)geometry.Run(doc, GeometryForm::Editor, {}, true);
    table_ = BuildRedefinitionView(doc, geometry, format, tagLength);
    format_ = format;
    tagLength_ = tagLength;
    doc.items = table_.rows;
    doc.RdfCmt = table_.RdfCmt;
    active_ = true;
    return true;
}

bool RedefinitionView::Leave(LayoutDocument& doc) {
    if (!active_) return false;
    doc.items.clear();
    for (const TRspecOBJ& entry : saved_) doc.items.push_back(entry.row);
    doc.modified = savedModified_;
    doc.RdfCmt = savedComment_;
    active_ = false;
    saved_.clear();
    table_ = {};
    return true;
}

}  // namespace rekkan
