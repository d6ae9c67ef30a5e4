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

/// The walk over the rows of one document. The document is only read: the repeat counts and
/// sizes the walk goes by, and its counters, are its own. A BIT row is walked once with all
/// its repeats packed into one field; a repeat count below 1 counts as 1.
class Walker {
public:
    explicit Walker(const LayoutDocument& doc);

    /// Positions, group lengths and the record length.
    [[nodiscard]] Geometry Measure();
    /// The field-list walk over the measures of a successful `Measure`; redefinition members
    /// are left out.
    [[nodiscard]] std::vector<FieldDescriptor> List(std::vector<GeometryRow> rows);

private:
    struct Outcome {
        GeometryFailure failure = GeometryFailure::None;
        long long end = 1;      ///< position after the last byte reached
        long long outside = 0;  ///< steps outside redefinitions
    };

    Outcome Walk(std::vector<GeometryRow>& rows, bool collect, std::vector<FieldDescriptor>* fields);
    void MarkSubtrees(std::vector<GeometryRow>& rows) const;
    void AddToGroups(const std::vector<GeometryRow>& rows, int c);
    void DivideGroupLengths(std::vector<GeometryRow>& rows) const;
    void ResolvePositions(std::vector<GeometryRow>& rows) const;
    [[nodiscard]] FieldDescriptor Describe(const GeometryRow& g, int c, long long step, long long p) const;

    /// Level of a row, kept within 1..15 (0 for the end of the table).
    [[nodiscard]] int Lvl(int i) const { return i >= n_ ? 0 : std::clamp(items_[i].LVL, 1, kStackSlots - 1); }
    [[nodiscard]] bool IsGroup(int i) const { return i >= n_ || items_[i].TYP == kGroup; }
    [[nodiscard]] int Rpt(int i) const { return i >= n_ ? 1 : rpt_[i]; }

    const LayoutDocument& doc_;
    const std::vector<TRspec>& items_;
    int n_;
    std::vector<int> rpt_;   ///< repeat count as walked
    std::vector<int> byt_;   ///< BYT as walked (a BIT row: bits of all its repeats)
    std::vector<int> size_;  ///< bytes of one occurrence as walked
    std::vector<int> parent_;
    std::vector<char> hasRed_;

    // State of one walk.
    std::array<int, kStackSlots> stack_{};
    std::vector<int> occ_;  ///< occurrence counters, one more for the end of the table
    // Group sums are gathered wide: members may be counted many times before the division.
    std::vector<long long> sumLen_, sumLenAll_;
};

Walker::Walker(const LayoutDocument& doc) : doc_(doc), items_(doc.items), n_(static_cast<int>(doc.items.size())) {
    const auto count = static_cast<std::size_t>(n_);
    rpt_.resize(count);
    byt_.resize(count);
    size_.resize(count);
    hasRed_.resize(count);
    parent_.assign(count, -1);
    std::vector<int> open;
    for (int i = 0; i < n_; ++i) {
        const TRspec& r = items_[i];
        const int rpt = std::max(1, r.RPT);
        TRspec walked = r;
        if (r.TYP == kBit) {
            walked.BYT = ClampToInt(static_cast<long long>(r.BYT) * rpt);
            walked.RPT = 1;
        } else {
            walked.RPT = rpt;
        }
        rpt_[i] = walked.RPT;
        byt_[i] = walked.BYT;
        size_[i] = OccurrenceSize(walked);
        hasRed_[i] = !Trim(r.RED).empty();
        while (!open.empty() && Lvl(open.back()) >= Lvl(i)) open.pop_back();
        parent_[i] = open.empty() ? -1 : open.back();
        open.push_back(i);
    }
}

Geometry Walker::Measure() {
    Geometry out;
    out.rows.assign(static_cast<std::size_t>(n_) + 1, GeometryRow{});
    MarkSubtrees(out.rows);
    sumLen_.assign(static_cast<std::size_t>(n_) + 1, 0);
    sumLenAll_.assign(static_cast<std::size_t>(n_) + 1, 0);
    const Outcome walked = Walk(out.rows, true, nullptr);
    DivideGroupLengths(out.rows);
    ResolvePositions(out.rows);
    out.recordLength = ClampToInt(walked.end - 1);
    out.failure = walked.failure;
    if (walked.failure == GeometryFailure::None) out.stepsOutsideRdf = walked.outside;
    return out;
}

std::vector<FieldDescriptor> Walker::List(std::vector<GeometryRow> rows) {
    std::vector<FieldDescriptor> fields;
    (void)Walk(rows, false, &fields);
    return fields;
}

void Walker::MarkSubtrees(std::vector<GeometryRow>& rows) const {
    // Subtree ends, from the bottom with a stack of open rows.
    std::vector<int> open;
    for (int i = n_ - 1; i >= 0; --i) {
        while (!open.empty() && Lvl(open.back()) > Lvl(i)) open.pop_back();
        rows[i].SubtreeEnd = open.empty() ? n_ - 1 : open.back() - 1;
        open.push_back(i);
    }
    for (int i = 0; i < n_;) {
        if (hasRed_[i]) {
            const int end = rows[i].SubtreeEnd;
            for (int k = i; k <= end; ++k) rows[k].InRdf = true;
            i = end + 1;
        } else {
            ++i;
        }
    }
}

Walker::Outcome Walker::Walk(std::vector<GeometryRow>& rows, bool collect, std::vector<FieldDescriptor>* fields) {
    Outcome out;
    stack_.fill(-1);
    occ_.assign(static_cast<std::size_t>(n_) + 1, 0);
    long long& p = out.end;
    long long step = 0;
    int c = 0;
    bool fresh = true;
    for (;;) {
        ++step;
        if (p > kPositionLimit) {
            out.failure = GeometryFailure::TooLong;
            break;
        }
        if (step > kMaxWalkSteps) {
            out.failure = GeometryFailure::TooManySteps;
            break;
        }
        if (fresh) {
            stack_[Slot(Lvl(c))] = c;
            occ_[c] = 0;
        }
        if (c >= n_) break;
        const int n = c + 1;
        fresh = true;
        GeometryRow& g = rows[c];
        if (g.FirstPos < 0) g.FirstPos = ClampToInt(p);
        if (fields && !g.InRdf) fields->push_back(Describe(g, c, step, p));
        if (!g.InRdf) ++out.outside;
        if (Lvl(n) > Lvl(c)) {
            for (int s = Slot(Lvl(c)) + 1; s < kStackSlots; ++s) stack_[s] = -1;
            c = n;
            continue;
        }
        if (IsGroup(c)) {
            c = n;
            continue;
        }
        g.ElemLen = g.InRdf ? 0 : size_[c];
        g.ElemLenAll = size_[c];
        p += g.ElemLen;
        if (collect) AddToGroups(rows, c);
        if (++occ_[c] < Rpt(c)) {
            fresh = false;
            continue;
        }
        if (Lvl(n) < Lvl(c)) {
            bool repeated = false;
            for (int s = Slot(Lvl(c)) - 1; s >= 0; --s) {
                const int gi = stack_[s];
                if (gi < 0) continue;
                if (Lvl(gi) < Lvl(n)) break;
                if (++occ_[gi] < Rpt(gi)) {
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
    return out;
}

void Walker::AddToGroups(const std::vector<GeometryRow>& rows, int c) {
    if (hasRed_[c]) return;
    const GeometryRow& row = rows[c];
    const long long size = row.ElemLen;
    const long long sizeAll = row.ElemLenAll;
    for (int s = Lvl(c) - 1; s >= 0; --s) {
        const int gi = stack_[s];
        if (gi < 0 || gi >= n_ || items_[gi].TYP != kGroup || Lvl(gi) >= Lvl(c)) continue;
        // Only the groups that really enclose the item collect it; a group left on the stack
        // by an earlier, closed part of the table does not.
        if (rows[gi].SubtreeEnd < c) continue;
        if (!rows[gi].InRdf) {
            sumLen_[gi] += size;
            sumLenAll_[gi] += sizeAll;
        } else {
            sumLenAll_[gi] += sizeAll;
            if (hasRed_[gi]) break;
        }
    }
}

void Walker::DivideGroupLengths(std::vector<GeometryRow>& rows) const {
    for (int i = 0; i < n_; ++i) {
        if (items_[i].TYP != kGroup) continue;
        // Every occurrence of the group was summed: divide by how often the group occurs, that
        // is its own repeat count times those of all rows that enclose it.
        long long m = rpt_[i];
        for (int a = parent_[i]; a >= 0 && m < (1LL << 40); a = parent_[a])
            if (rpt_[a] > 1) m *= rpt_[a];
        GeometryRow& g = rows[i];
        g.GroupLen = ClampToInt(sumLen_[i] / m);
        g.GroupLenAll = ClampToInt(sumLenAll_[i] / m);
        g.ElemLen = g.GroupLen;
        g.ElemLenAll = g.GroupLenAll;
    }
}

void Walker::ResolvePositions(std::vector<GeometryRow>& rows) const {
    for (int i = 0; i < n_; ++i) {
        GeometryRow& g = rows[i];
        if (!g.InRdf) {
            g.Pos = g.FirstPos;
            continue;
        }
        if (hasRed_[i]) {
            const int target = RedefinedRow(doc_, i);
            g.Pos = target < 0 ? -1 : rows[target].Pos;
            continue;
        }
        g.Pos = -1;
        for (int k = i - 1; k >= 0; --k) {
            if (Lvl(k) > Lvl(i)) continue;
            const GeometryRow& other = rows[k];
            if (Lvl(k) < Lvl(i)) {
                g.Pos = other.Pos;
            } else if (other.Pos >= 0) {
                // The row's own repeat count, BIT rows included.
                g.Pos = ClampToInt(other.Pos + static_cast<long long>(other.ElemLenAll) * std::max(1, items_[k].RPT));
            }
            break;
        }
    }
}

FieldDescriptor Walker::Describe(const GeometryRow& g, int c, long long step, long long p) const {
    const TRspec& item = items_[c];
    FieldDescriptor d;
    d.row = c;
    d.step = ClampToInt(step - 1);
    d.level = item.LVL;
    d.pos = ClampToInt(p);
    const bool walkedAsGroup = Lvl(c + 1) > Lvl(c) || item.TYP == kGroup;
    if (walkedAsGroup) {
        d.size = g.GroupLen;
    } else {
        d.size = g.InRdf ? 0 : size_[c];
    }
    d.BYT = byt_[c];
    d.SYO = item.SYO;
    d.TYP = item.TYP;
    for (int s = 0; s <= Lvl(c); ++s) {
        const int r = stack_[s];
        if (r < 0 || r >= n_ || rpt_[r] <= 1) continue;
        d.prefix += std::to_string(occ_[r] + 1);
        d.prefix += '.';
    }
    const std::string indent = Blanks(Lvl(c) - 1);
    d.displayName = indent + d.prefix + item.KOM;
    d.displayVarName = indent + d.prefix + item.VNM;
    d.inRdf = g.InRdf;
    return d;
}

}  // namespace

Geometry MeasureLayout(const LayoutDocument& doc) { return Walker(doc).Measure(); }

FieldList ListFields(const LayoutDocument& doc) {
    Walker walker(doc);
    Geometry geometry = walker.Measure();
    FieldList out;
    out.recordLength = geometry.recordLength;
    out.failure = geometry.failure;
    if (geometry.Ok()) out.fields = walker.List(std::move(geometry.rows));
    return out;
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

std::string RecordTooLongMessage() {
    return sj("  ≪ 確認 ≫") + "\r" + sj("    レコード長が大き過ぎます。") + "\r" + sj("    レコード長は最大で ") +
           "999999" + sj(" までです。") + "\r" + sj("    項目の繰り返し数か桁数を減らして下さい。");
}

std::string TooManyStepsMessage() {
    return sj("  ≪ 確認 ≫") + "\r" + sj("    項目の繰り返しが多過ぎます。") + "\r" +
           sj("    繰り返し数を減らして下さい。");
}

std::string GeometryFailureMessage(GeometryFailure failure) {
    return failure == GeometryFailure::TooManySteps ? TooManyStepsMessage() : RecordTooLongMessage();
}

}  // namespace rekkan
