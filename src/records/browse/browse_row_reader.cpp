#include "records/browse/browse_row_reader.h"

#include "util/text.h"

namespace rekkan {

BrowseRowReader::BrowseRowReader(TFileInf& file, const std::vector<TRdbObj>& fields, const CodecOptions& codec,
                                 int fixedItem)
    : file_(file), plan_(fields, codec, file.RecordLength()), fixedItem_(fixedItem) {}

bool BrowseRowReader::Read(std::int64_t index, BrowseRow& row) {
    if (index < 0 || !file_.ReadRecord(index, Refresh::None)) return false;
    const std::string_view record = file_.RecordBuffer();
    row.cells.resize(3 + plan_.Size());
    row.cells[0] = GroupThousands(index + 1);
    row.cells[1] = GroupThousands(index * file_.RecordLength() + file_.BasePosition() + 1);
    for (std::size_t i = 0; i < plan_.Size(); ++i) {
        std::string& cell = row.cells[3 + i];
        cell.clear();
        (void)plan_.AppendText(i, record, cell);
    }
    const bool fixed = fixedItem_ >= 1 && static_cast<std::size_t>(fixedItem_) <= plan_.Size();
    row.cells[2] = fixed ? " " + Trim(row.cells[2 + static_cast<std::size_t>(fixedItem_)]) : std::string();
    return true;
}

}  // namespace rekkan
