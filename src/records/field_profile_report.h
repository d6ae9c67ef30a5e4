#pragma once

#include <string>
#include <vector>

#include "records/field_entry.h"
#include "records/field_profile.h"

namespace rekkan {

/// The distinct count: "287", or "~123456 (estimated, ±1.6%)" past the exact limit (CP932).
[[nodiscard]] std::string DistinctText(const FieldProfile& profile);

/// The most frequent values: "\"12\" x3, \"0\" x2" (a note follows when not every value was counted).
[[nodiscard]] std::string MostFrequentText(const FieldProfile& profile);

/// A block of lines per field: what it is, the counts, minimum and maximum, distinct values,
/// the most frequent values. CP932, LF line ends.
[[nodiscard]] std::string ProfileText(const ProfileResult& result, const std::vector<TRdbObj>& fields);

/// The profile as CSV, every value quoted, with a heading line: field number, display name,
/// position, length, type, valid, invalid, blank, zero, minimum, maximum, distinct, most
/// frequent values.
[[nodiscard]] std::string ProfileCsv(const ProfileResult& result, const std::vector<TRdbObj>& fields);

}  // namespace rekkan
