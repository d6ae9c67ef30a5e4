#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/browse/browse_rows.h"
#include "records/decode_plan.h"
#include "records/field_entry.h"
#include "records/file_engine.h"

namespace rekkan {

/// Reads the browse table's rows from its own read-only handle on the data file and decodes
/// them: Rec.No and file position grouped by thousands, the fixed item's trimmed value after a
/// blank, then each field entry's display text as decoded (groups empty).
class BrowseRowReader {
public:
    /// `file` and `fields` must outlive the reader; `fixedItem` is 0 for none, n for entry n.
    BrowseRowReader(TFileInf& file, const std::vector<TRdbObj>& fields, const CodecOptions& codec, int fixedItem);

    /// Fills `row` with record `index`; false when the record cannot be read.
    [[nodiscard]] bool Read(std::int64_t index, BrowseRow& row);
    /// The reader as the rows' callback.
    [[nodiscard]] RowReader AsReader() {
        return [this](std::int64_t index, BrowseRow& row) { return Read(index, row); };
    }

private:
    TFileInf& file_;
    DecodePlan plan_;
    int fixedItem_ = 0;
};

}  // namespace rekkan
