#pragma once

#include <string>

#include "records/shown_record.h"

namespace rekkan {

/// The list text (".lst") of the shown record, lines ended by CR LF.
[[nodiscard]] std::string RecordListText(const RecordView& view);

}  // namespace rekkan
