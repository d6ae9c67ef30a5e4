#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec_options.h"
#include "records/browse/browse_base.h"
#include "records/browse/browse_row_reader.h"
#include "records/browse/browse_rows.h"
#include "records/field_entry.h"
#include "records/file_engine.h"

namespace rekkan {

/// What the record editor hands the browse table about the layout it shows.
struct BrowseSource {
    std::string dataPath;           ///< CP932
    std::int64_t basePosition = 0;  ///< 0-based byte offset of record 1
    int recordLength = 0;
    std::int64_t currentIndex = 0;  ///< the editor's current record, 0-based
    std::string fileName;           ///< as the "File.Name" box shows it
    int fixedItem = 0;              ///< 0 none, n field entry n
};

/// The labels above the table, numbers grouped by thousands (CP932).
struct BrowseLabels {
    std::string basePosition;  ///< "読込基底位置": base position + 1
    std::string fileSize, recordLength, records;
    std::string fileName;  ///< " " + file name
    std::string caption;   ///< "Rekkan Browse [ " + path + " ]"
    std::string recNoBox;  ///< base record + 1
};

/// The browse table without its window: its own read-only handle on the data file, the base
/// record, the fixed item and the rows on screen, read through the row cache so that a base
/// moved by less than a screen decodes only the rows uncovered.
class BrowseTable {
public:
    /// `fields` must outlive the table.
    BrowseTable(BrowseSource source, const std::vector<TRdbObj>& fields, const CodecOptions& codec);

    /// Opens the data file; false when it cannot be read (the table then has no records).
    /// The base becomes the editor's current record.
    [[nodiscard]] bool Open();
    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }

    [[nodiscard]] std::int64_t RecordCount() const { return count_; }
    [[nodiscard]] std::int64_t Base() const { return base_; }
    [[nodiscard]] int FixedItem() const { return fixedItem_; }
    [[nodiscard]] const std::vector<TRdbObj>& Fields() const { return fields_; }
    [[nodiscard]] const BrowseSource& Source() const { return source_; }

    /// "基底 Rec.No" with the box text: the base moves there, or to the last record when the
    /// file has no such record (`missing`; the window shows BaseMissingMessage).
    [[nodiscard]] BaseChoice SetBaseFromBox(std::string_view boxText);
    /// The base at record `index` (the scroll bar), clamped to the records.
    void SetBase(std::int64_t index);
    /// Another fixed item (0 none): the rows are read again at the next refill.
    void SetFixedItem(int item);
    /// The columns changed: the next refill reads every row.
    void ResetRows() { rows_.Reset(); }

    /// Shows `dataRows` rows from the base; returns the number of records decoded.
    int Refill(int dataRows);
    [[nodiscard]] const std::vector<BrowseRow>& Rows() const { return rows_.Rows(); }
    /// Records 0 .. `count` - 1 decoded apart from the rows on screen (the first sizing of the
    /// columns); the record count and size are taken from the file again.
    [[nodiscard]] std::vector<BrowseRow> LeadingRows(int count);

    /// The labels, the geometry taken from the file as it is now.
    [[nodiscard]] BrowseLabels Labels();

private:
    void MakeReader();

    BrowseSource source_;
    const std::vector<TRdbObj>& fields_;
    CodecOptions codec_;
    TFileInf file_;
    std::unique_ptr<BrowseRowReader> reader_;
    BrowseRows rows_;
    std::int64_t count_ = 0;
    std::int64_t base_ = 0;
    int fixedItem_ = 0;
};

}  // namespace rekkan
