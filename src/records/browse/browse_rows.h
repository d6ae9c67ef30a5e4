#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rekkan {

/// What a refill from a new base reuses of the rows on screen.
struct RefillPlan {
    int shift = 0;               ///< rows the cached contents move: > 0 down, < 0 up
    std::int64_t readFirst = 0;  ///< first record index to read
    int readCount = 0;           ///< records to read, into consecutive rows
    int firstRow = 0;            ///< data row that receives record readFirst
    friend bool operator==(const RefillPlan&, const RefillPlan&) = default;
};

/// Index of the first and last record in the rows when nothing is cached.
inline constexpr std::int64_t kNothingCached = -99;

/// The refill from base `base` into `dataRows` rows while records `cachedFirst`..`cachedLast`
/// are on screen: the same base reads only the rows past the cached last; a base that moved by
/// less than a screen moves the cached rows and reads the ones uncovered; anything else reads
/// every row.
[[nodiscard]] RefillPlan PlanRefill(std::int64_t cachedFirst, std::int64_t cachedLast, std::int64_t base, int dataRows);

/// One data row of the browse table.
struct BrowseRow {
    std::int64_t index = -1;         ///< record index shown, -1 for an empty row
    std::vector<std::string> cells;  ///< Rec.No, position, fixed item, then one text per field entry
};

/// Fills `row` with record `index`; false (the row then is cleared) past the end of the file.
using RowReader = std::function<bool(std::int64_t index, BrowseRow& row)>;

/// The data rows of the browse table: only the records on screen, moved rather than read again
/// when the base moves by less than a screen.
class BrowseRows {
public:
    /// Shows `dataRows` rows from record `base`, reading through `reader` only what the rows on
    /// screen do not already hold. Returns the number of records read.
    int Refill(std::int64_t base, int dataRows, const RowReader& reader);
    /// Forgets the rows, so the next refill reads every row (the columns changed).
    void Reset();

    [[nodiscard]] const std::vector<BrowseRow>& Rows() const { return rows_; }
    [[nodiscard]] std::int64_t First() const { return first_; }  ///< record of the first row
    [[nodiscard]] std::int64_t Last() const { return last_; }    ///< record of the last row

private:
    std::vector<BrowseRow> rows_;
    std::int64_t first_ = kNothingCached;
    std::int64_t last_ = kNothingCached;
};

}  // namespace rekkan
