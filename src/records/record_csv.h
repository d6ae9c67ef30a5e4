#pragma once

#include <string>

#include "records/shown_record.h"

namespace rekkan {

/// The CSV of the shown record, lines ended by CR LF.
[[nodiscard]] std::string RecordCsvText(const RecordView& view);

}  // namespace rekkan
