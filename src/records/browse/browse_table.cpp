#include "records/browse/browse_table.h"

#include <algorithm>

#include "util/text.h"

namespace rekkan {

BrowseTable::BrowseTable(BrowseSource source, const std::vector<TRdbObj>& fields, const CodecOptions& codec)
    : source_(std::move(source)), fields_(fields), codec_(codec), fixedItem_(source_.fixedItem) {
    const auto count = static_cast<int>(fields_.size());
    if (fixedItem_ < 0 || fixedItem_ > count) fixedItem_ = 0;
}

bool BrowseTable::Open() {
    const bool opened =
        file_.OpenDataFile(source_.dataPath, source_.basePosition, source_.recordLength, OpenMode::ReadOnly);
    count_ = opened ? file_.RecordCount() : 0;
    base_ = std::clamp<std::int64_t>(source_.currentIndex, 0, std::max<std::int64_t>(count_ - 1, 0));
    MakeReader();
    return opened;
}

void BrowseTable::MakeReader() {
    reader_ = std::make_unique<BrowseRowReader>(file_, fields_, codec_, fixedItem_);
    rows_.Reset();
}

BaseChoice BrowseTable::SetBaseFromBox(std::string_view boxText) {
    BaseChoice choice = ChooseBase(boxText, count_);
    base_ = choice.base;
    return choice;
}

void BrowseTable::SetBase(std::int64_t index) {
    base_ = std::clamp<std::int64_t>(index, 0, std::max<std::int64_t>(count_ - 1, 0));
}

void BrowseTable::SetFixedItem(int item) {
    fixedItem_ = item >= 0 && item <= static_cast<int>(fields_.size()) ? item : 0;
    MakeReader();
}

int BrowseTable::Refill(int dataRows) {
    if (!reader_) MakeReader();
    if (!file_.IsOpen()) {
        // No file: every row stays empty.
        return rows_.Refill(base_, dataRows, [](std::int64_t, BrowseRow&) { return false; });
    }
    return rows_.Refill(base_, dataRows, reader_->AsReader());
}

std::vector<BrowseRow> BrowseTable::LeadingRows(int count) {
    std::vector<BrowseRow> rows;
    if (!file_.IsOpen()) return rows;
    if (!reader_) MakeReader();
    file_.ComputeGeometry();
    count_ = file_.RecordCount();
    for (int i = 0; i < count; ++i) {
        BrowseRow row;
        if (!reader_->Read(i, row)) break;
        row.index = i;
        rows.push_back(std::move(row));
    }
    return rows;
}

BrowseLabels BrowseTable::Labels() {
    BrowseLabels labels;
    if (file_.IsOpen()) {
        file_.ComputeGeometry();
        count_ = file_.RecordCount();
        labels.fileSize = GroupThousands(file_.FileSize());
    }
    labels.basePosition = GroupThousands(source_.basePosition + 1);
    labels.recordLength = GroupThousands(source_.recordLength);
    labels.records = GroupThousands(count_);
    labels.fileName = " " + source_.fileName;
    labels.caption = "Rekkan Browse [ " + source_.dataPath + " ]";
    labels.recNoBox = GroupThousands(base_ + 1);
    return labels;
}

}  // namespace rekkan
