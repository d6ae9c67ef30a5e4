#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/decode_plan.h"
#include "records/field_entry.h"
#include "records/output_buffer.h"

namespace rekkan {

/// What a CSV line holds besides the item columns.
struct CsvLineColumns {
    bool recNo = false;     ///< "Rec.No" column
    bool position = false;  ///< position column
    bool groups = false;    ///< group items as columns
};

/// Makes the CSV lines of records through a decode plan: each value in double quotes (quotes
/// inside doubled), a "," after every value except one from the last field entry, CR LF.
/// Values show as the field decoder shows them, invalid ones included. One writer per thread.
class CsvLineWriter {
public:
    CsvLineWriter(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength,
                  std::int64_t basePosition, CsvLineColumns columns);

    /// Appends the line of `record` (RecordLength bytes), the record at 0-based `index`, and counts it.
    void Line(std::string_view record, std::int64_t index, OutputBuffer& out) const;

private:
    /// One item column: the plan step and whether a "," follows it.
    struct Column {
        std::size_t step;
        bool comma;
    };

    DecodePlan plan_;
    std::vector<Column> columns_;
    CsvLineColumns options_;
    std::int64_t basePosition_ = 0;
    std::size_t lineBound_ = 0;  ///< most bytes of a line, Other values left out
    mutable std::string scratch_;
};

}  // namespace rekkan
