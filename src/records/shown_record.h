#pragma once

#include <array>
#include <string>
#include <vector>

namespace rekkan {

/// The information values of the record editor as its boxes show them (CP932, numbers with
/// thousands separators).
struct RecordInfo {
    std::string comment;  ///< layout comment
    std::string editFilePath;
    std::string basePosition;  ///< 1-based "読込基底位置"
    std::string fileSize;      ///< "File.Size"
    std::string filePos;       ///< "File.Pos"
    std::string recordLength;  ///< "Rec.Len"
    std::string recordCount;   ///< "Records"
    std::string recNo;         ///< "Rec.No"
};

/// One row of the record editor's field grid as shown, with the facts of its field entry.
struct RecordGridRow {
    /// The eight cells: SEQ, position, byte length, type, item name, error mark, hex mark, content.
    std::array<std::string, 8> cells;
    int TYP = 0;              ///< type code of the field entry
    int byteLength = 0;       ///< byte length of the field entry
    std::string displayName;  ///< level blanks, occurrence prefix and item name
};

/// The record as the window shows it: the source of the list text, the CSV and the control
/// statements.
struct RecordView {
    RecordInfo info;
    std::vector<RecordGridRow> rows;
};

}  // namespace rekkan
