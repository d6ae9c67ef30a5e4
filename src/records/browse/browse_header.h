#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/field_entry.h"

namespace rekkan {

/// The four header cells of the item column of field entry `entry` (SEQ `seq`, 1-based):
/// " " + SEQ, " " + position + ":" + length, " " + the type's name without its "#", " " + the
/// trimmed display name (CP932).
[[nodiscard]] std::array<std::string, 4> BrowseItemHeader(int seq, const TRdbObj& entry);

/// The fixed-column header cells of rows 0-2: "SEQ", "桁数", "型" (CP932).
[[nodiscard]] std::array<std::string, 3> BrowseFixedHeader();

/// The entries of "固定列": "無し", then per field entry its SEQ, ". " and trimmed display name.
[[nodiscard]] std::vector<std::string> FixedItemChoices(const std::vector<TRdbObj>& fields);

/// The message when the table cannot open the data file (CP932).
[[nodiscard]] std::string BrowseOpenFailedMessage();

}  // namespace rekkan
