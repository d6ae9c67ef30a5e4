#include "model/geometry.h"

#include <algorithm>
#include <array>
#include <limits>

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr int kStackSlots = 16;
constexpr long long kPositionLimit = 1'000'000;

int ClampToInt(long long v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

/// Level as a level-stack slot; levels read from files outside 0..15 never index past it.
int Slot(int level) { return std::clamp(level, 0, kStackSlots - 1); }

/// Everything one pass needs besides the document and the table.
class Walker {
public:
    Walker(LayoutDocument& doc, std::vector<GeometryRow>& rows, GeometryForm form,
           const std::function<void(const FieldDescriptor&)>& onField)
        : doc_(doc), items_(doc.items), rows_(rows), form_(form), onField_(onField),
          n_(static_cast<int>(doc.items.size())) {}

    bool Run(bool ordinaryView, GeometryFailure& failure);

private:
    void Prepare();
    void PackBits();
    void UnpackBits();
    bool Walk(GeometryFailure& failure);
    void AddToGroups(int c);
    void DivideGroupLengths();
    void ResolvePositions();
    void HandField(int c);

    /// Level of a row, kept within 1..15 (0 for the end of the table).
    [[nodiscard]] int Lvl(int i) const { return i >= n_ ? 0 : std::clamp(items_[i].LVL, 1, kStackSlots - 1); }
    [[nodiscard]] bool IsGroup(int i) const { return i >= n_ || items_[i].TYP == kGroup; }
    [[nodiscard]] int Rpt(int i) const { return i >= n_ ? 1 : items_[i].RPT; }
    [[nodiscard]] int& Occ(int i) { return i >= n_ ? sentinelOcc_ : items_[i].OccCount; }

    LayoutDocument& doc_;
    std::vector<TRspec>& items_;
    std::vector<GeometryRow>& rows_;
    GeometryForm form_;
    const std::function<void(const FieldDescriptor&)>& onField_;
    int n_;
    int sentinelOcc_ = 0;
    std::array<int, kStackSlots> stack_{};
    std::vector<int> parent_;
    // Group sums are gathered wide: members may be counted many times before the division.
    std::vector<long long> sumLen_, sumLenEd_, sumLenAll_;
    std::vector<char> hasRed_;
    long long p_ = 1;
    long long step_ = 0;
};

bool Walker::Run(bool ordinaryView, GeometryFailure& failure) {
    if (form_ != GeometryForm::FieldList) Prepare();
    if (static_cast<int>(rows_.size()) < n_ + 1) rows_.resize(static_cast<std::size_t>(n_) + 1);
    rows_[n_] = GeometryRow{};
    parent_.assign(static_cast<std::size_t>(n_) + 1, -1);
    {
        std::vector<int> open;
        for (int i = 0; i < n_; ++i) {
            while (!open.empty() && Lvl(open.back()) >= Lvl(i)) open.pop_back();
            parent_[i] = open.empty() ? -1 : open.back();
            open.push_back(i);
        }
    }
    stack_.fill(-1);
    PackBits();
    const bool ok = Walk(failure);
    if (form_ != GeometryForm::FieldList) {
        DivideGroupLengths();
        const int length = ClampToInt(p_ - 1);
        if (form_ == GeometryForm::Record) {
            doc_.recordLength = length;
        } else {
            doc_.displayedRecordLength = length;
            if (ordinaryView) doc_.ordinaryRecordLength = length;
        }
    }
    UnpackBits();
    if (form_ != GeometryForm::FieldList) ResolvePositions();
    return ok;
}

void Walker::Prepare() {
    rows_.assign(static_cast<std::size_t>(n_) + 1, GeometryRow{});
    sumLen_.assign(static_cast<std::size_t>(n_) + 1, 0);
    sumLenEd_.assign(static_cast<std::size_t>(n_) + 1, 0);
    sumLenAll_.assign(static_cast<std::size_t>(n_) + 1, 0);
    hasRed_.assign(static_cast<std::size_t>(n_) + 1, 0);
    for (int i = 0; i < n_; ++i) hasRed_[i] = !Trim(items_[i].RED).empty();
    // Subtree ends, from the bottom with a stack of open rows.
    std::vector<int> open;
    for (int i = n_ - 1; i >= 0; --i) {
        TRspec& r = items_[i];
        if (r.RPT < 1) r.RPT = 1;
        while (!open.empty() && Lvl(open.back()) > Lvl(i)) open.pop_back();
        rows_[i].SubtreeEnd = open.empty() ? n_ - 1 : open.back() - 1;
        open.push_back(i);
    }
    for (int i = 0; i < n_;) {
        if (hasRed_[i]) {
            const int end = rows_[i].SubtreeEnd;
            for (int k = i; k <= end; ++k) rows_[k].InRdf = true;
            i = end + 1;
        } else {
            ++i;
        }
    }
}

void Walker::PackBits() {
    for (int i = 0; i < n_; ++i) {
        TRspec& r = items_[i];
        if (r.TYP != kBit) continue;
        rows_[i].BitRpt = r.RPT;
        r.BYT = ClampToInt(static_cast<long long>(r.BYT) * r.RPT);
        r.RPT = 1;
    }
}

void Walker::UnpackBits() {
    for (int i = 0; i < n_; ++i) {
        TRspec& r = items_[i];
        if (r.TYP != kBit) continue;
        r.RPT = rows_[i].BitRpt < 1 ? 1 : rows_[i].BitRpt;
        r.BYT = r.BYT / r.RPT;
    }
}

bool Walker::Walk(GeometryFailure& failure) {
    const bool collect = form_ != GeometryForm::FieldList;
    int c = 0;
    bool fresh = true;
    long long outside = 0;
    for (;;) {
        ++step_;
        if (p_ > kPositionLimit) {
            failure = GeometryFailure::TooLong;
            break;
        }
        if (step_ > kMaxWalkSteps) {
            failure = GeometryFailure::TooManySteps;
            break;
        }
        if (fresh) {
            stack_[Slot(Lvl(c))] = c;
            Occ(c) = 0;
        }
        if (c >= n_) break;
        const int n = c + 1;
        fresh = true;
        GeometryRow& g = rows_[c];
        if (g.FirstPos < 0) g.FirstPos = ClampToInt(p_);
        if (form_ == GeometryForm::FieldList && onField_) HandField(c);
        if (!g.InRdf) ++outside;
        if (Lvl(n) > Lvl(c)) {
            for (int s = Slot(Lvl(c)) + 1; s < kStackSlots; ++s) stack_[s] = -1;
            c = n;
            continue;
        }
        if (IsGroup(c)) {
            c = n;
            continue;
        }
        const int size = OccurrenceSize(items_[c]);
        g.ElemLen = g.InRdf ? 0 : size;
        g.ElemLenAll = size;
        p_ += g.ElemLen;
        if (collect) AddToGroups(c);
        if (++Occ(c) < Rpt(c)) {
            fresh = false;
            continue;
        }
        if (Lvl(n) < Lvl(c)) {
            bool repeated = false;
            for (int s = Slot(Lvl(c)) - 1; s >= 0; --s) {
                const int gi = stack_[s];
                if (gi < 0) continue;
                if (Lvl(gi) < Lvl(n)) break;
                if (++Occ(gi) < Rpt(gi)) {
                    c = gi;
                    fresh = false;
                    repeated = true;
                    break;
                }
            }
            if (!repeated) c = n;
        } else {
            c = n;
        }
    }
    if (failure == GeometryFailure::None && collect) doc_.stepsOutsideRdf = outside;
    return failure == GeometryFailure::None;
}

void Walker::AddToGroups(int c) {
    if (hasRed_[c]) return;
    const GeometryRow& row = rows_[c];
    const long long size = row.ElemLen;
    const long long sizeAll = row.ElemLenAll;
    for (int s = Lvl(c) - 1; s >= 0; --s) {
        const int gi = stack_[s];
        if (gi < 0 || gi >= n_ || items_[gi].TYP != kGroup || Lvl(gi) >= Lvl(c)) continue;
        // Only the groups that really enclose the item collect it; a group left on the stack
        // by an earlier, closed part of the table does not.
        if (rows_[gi].SubtreeEnd < c) continue;
        if (!rows_[gi].InRdf) {
            sumLen_[gi] += size;
            sumLenEd_[gi] += size;
            sumLenAll_[gi] += sizeAll;
        } else {
            sumLenAll_[gi] += sizeAll;
            if (hasRed_[gi]) break;
        }
    }
}

void Walker::DivideGroupLengths() {
    for (int i = 0; i < n_; ++i) {
        if (items_[i].TYP != kGroup) continue;
        // Every occurrence of the group was summed: divide by how often the group occurs, that
        // is its own repeat count times those of all rows that enclose it.
        long long m = std::max(1, items_[i].RPT);
        for (int a = parent_[i]; a >= 0 && m < (1LL << 40); a = parent_[a])
            if (items_[a].RPT > 1) m *= items_[a].RPT;
        GeometryRow& g = rows_[i];
        g.GroupLen = ClampToInt(sumLen_[i] / m);
        g.GroupLenEd = ClampToInt(sumLenEd_[i] / m);
        g.GroupLenAll = ClampToInt(sumLenAll_[i] / m);
        g.ElemLen = g.GroupLenEd;
        g.ElemLenAll = g.GroupLenAll;
    }
}

void Walker::ResolvePositions() {
    for (int i = 0; i < n_; ++i) {
        GeometryRow& g = rows_[i];
        if (!g.InRdf) {
            g.Pos = g.FirstPos;
            continue;
        }
        if (!Trim(items_[i].RED).empty()) {
            const int target = RedefinedRow(doc_, i);
            g.Pos = target < 0 ? -1 : rows_[target].Pos;
            continue;
        }
        g.Pos = -1;
        for (int k = i - 1; k >= 0; --k) {
            if (Lvl(k) > Lvl(i)) continue;
            const GeometryRow& other = rows_[k];
            if (Lvl(k) < Lvl(i)) {
                g.Pos = other.Pos;
            } else if (other.Pos >= 0) {
                g.Pos = ClampToInt(other.Pos + static_cast<long long>(other.ElemLenAll) * std::max(1, items_[k].RPT));
            }
            break;
        }
    }
}

void Walker::HandField(int c) {
    const TRspec& item = items_[c];
    const GeometryRow& g = rows_[c];
    FieldDescriptor d;
    d.row = c;
    d.step = ClampToInt(step_ - 1);
    d.level = item.LVL;
    d.pos = ClampToInt(p_);
    d.pos2 = d.pos;
    const bool walkedAsGroup = Lvl(c + 1) > Lvl(c) || item.TYP == kGroup;
    if (walkedAsGroup) {
        d.size = g.GroupLen;
        d.sizeEd = g.GroupLenEd;
    } else {
        d.size = g.InRdf ? 0 : OccurrenceSize(item);
        d.sizeEd = d.size;
    }
    d.size2 = d.size;
    d.BYT = item.BYT;
    d.SYO = item.SYO;
    d.TYP = item.TYP;
    for (int s = 0; s <= Lvl(c); ++s) {
        const int r = stack_[s];
        if (r < 0 || r >= n_ || items_[r].RPT <= 1) continue;
        d.prefix += std::to_string(items_[r].OccCount + 1);
        d.prefix += '.';
    }
    const std::string indent = Blanks(Lvl(c) - 1);
    d.displayName = indent + d.prefix + item.KOM;
    d.displayVarName = indent + d.prefix + item.VNM;
    d.inRdf = g.InRdf;
    onField_(d);
}

}  // namespace

bool Geometry::Run(LayoutDocument& doc, GeometryForm form, const std::function<void(const FieldDescriptor&)>& onField,
                   bool ordinaryView) {
    failure_ = GeometryFailure::None;
    if (form == GeometryForm::FieldList && rows_.size() < doc.items.size() + 1) {
        // The field list needs the table of a record pass.
        if (!Run(doc, GeometryForm::Record)) return false;
    }
    Walker walker(doc, rows_, form, onField);
    return walker.Run(ordinaryView, failure_);
}

int RedefinedRow(const LayoutDocument& doc, int i) {
    if (i <= 0 || i >= doc.Count()) return -1;
    const std::string red = Trim(doc.items[i].RED);
    if (red.empty()) return -1;
    const int level = doc.items[i].LVL;
    for (int k = i - 1; k >= 0; --k) {
        const TRspec& r = doc.items[k];
        if (r.LVL < level) return -1;
        if (r.LVL == level && (Trim(r.KOM) == red || Trim(r.VNM) == red)) return k;
    }
    return -1;
}

int ElementSize(const TRspec& row, bool inRdf, bool countRdf) {
    if (inRdf && !countRdf) return 0;
    return OccurrenceSize(row);
}

std::string RecordTooLongMessage() {
    return sj("  ≪ 確認 ≫") + "\r" + sj("    レコード長が大き過ぎます。") + "\r" + sj("    レコード長は最大で ") +
           "999999" + sj(" までです。") + "\r" + sj("    項目の繰り返し数か桁数を減らして下さい。");
}

std::string TooManyStepsMessage() {
    return sj("  ≪ 確認 ≫") + "\r" + sj("    項目の繰り返しが多過ぎます。") + "\r" +
           sj("    繰り返し数を減らして下さい。");
}

bool ListFields(LayoutDocument& doc, Geometry& geometry, std::vector<FieldDescriptor>& out) {
    out.clear();
    if (!geometry.Run(doc, GeometryForm::Record)) return false;
    return geometry.Run(doc, GeometryForm::FieldList, [&](const FieldDescriptor& d) {
        if (!d.inRdf) out.push_back(d);
    });
}

}  // namespace rekkan
