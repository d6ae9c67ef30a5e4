#pragma once

#include <string>
#include <vector>

#include "model/type_notation.h"
#include "records/field_entry.h"
#include "records/file_engine.h"
#include "records/record_fields.h"
#include "records/shown_record.h"

namespace rekkan {

/// The information values the record editor shows for a file state (numbers grouped by
/// thousands, negative values as 0, Rec.No empty without records).
[[nodiscard]] RecordInfo RecordInfoOf(const std::string& comment, const std::string& editFilePath,
                                      const TFileInf& file);

/// Type column text of the field grid: a blank and the type's display label (the label
/// without its leading "#"), from `notation` when given, else the standard label.
[[nodiscard]] std::string GridTypeText(int type, const TypeNotation* notation = nullptr);

/// The grid row of field entry `entry` (row number `seq`, 1-based) holding `content`. The
/// position shown is the field's position plus `positionBase`: the current record's file
/// offset while a file is open (a 1-based file position), else 0 (the position in the record).
[[nodiscard]] RecordGridRow GridRowOf(int seq, const TRdbObj& entry, const std::string& content, bool error,
                                      std::int64_t positionBase, const TypeNotation* notation = nullptr);

/// The record on screen: information values and one grid row per field entry, the contents
/// being `texts` (as decoded from the file state's record buffer).
[[nodiscard]] RecordView BuildRecordView(const std::string& comment, const std::string& editFilePath,
                                         const TFileInf& file, const std::vector<TRdbObj>& fields,
                                         const RecordTexts& texts, const TypeNotation* notation = nullptr);

}  // namespace rekkan
