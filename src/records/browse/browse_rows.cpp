#include "records/browse/browse_rows.h"

#include <algorithm>
#include <utility>

namespace rekkan {

RefillPlan PlanRefill(std::int64_t cachedFirst, std::int64_t cachedLast, std::int64_t base, int dataRows) {
    const std::int64_t newLast = base + dataRows - 1;
    const bool cached = cachedFirst != kNothingCached;
    if (cached && base == cachedFirst) {
        if (cachedLast >= newLast) return {};
        return {0, cachedLast + 1, static_cast<int>(newLast - cachedLast), static_cast<int>(cachedLast + 1 - base)};
    }
    if (cached && cachedFirst > base && cachedFirst - base < dataRows) {
        const int d = static_cast<int>(cachedFirst - base);
        return {d, base, d, 0};
    }
    if (cached && base > cachedFirst && base - cachedFirst < dataRows) {
        const int e = static_cast<int>(base - cachedFirst);
        return {-e, base + dataRows - e, e, dataRows - e};
    }
    return {0, base, dataRows, 0};
}

int BrowseRows::Refill(std::int64_t base, int dataRows, const RowReader& reader) {
    dataRows = std::max(dataRows, 0);
    // The moves assume the cache fills every row; a changed row count keeps only the same base.
    const bool sameCount = static_cast<int>(rows_.size()) == dataRows;
    if (!sameCount && base != first_) Reset();
    const RefillPlan plan = PlanRefill(first_, last_, base, dataRows);
    rows_.resize(static_cast<std::size_t>(dataRows));
    if (plan.shift > 0) {
        std::move_backward(rows_.begin(), rows_.end() - plan.shift, rows_.end());
    } else if (plan.shift < 0) {
        std::move(rows_.begin() - plan.shift, rows_.end(), rows_.begin());
    }
    for (int i = 0; i < plan.readCount; ++i) {
        BrowseRow& row = rows_[static_cast<std::size_t>(plan.firstRow + i)];
        const std::int64_t index = plan.readFirst + i;
        if (reader(index, row)) {
            row.index = index;
        } else {
            row.index = -1;
            row.cells.clear();
        }
    }
    first_ = base;
    last_ = base + dataRows - 1;
    return plan.readCount;
}

void BrowseRows::Reset() {
    first_ = kNothingCached;
    last_ = kNothingCached;
}

}  // namespace rekkan
