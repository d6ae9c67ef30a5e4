#pragma once

#include <string>
#include <vector>

#include "records/shown_record.h"

namespace rekkan {

/// A field as the control statements need it.
struct TofgenField {
    int TYP = 0;
    int byteLength = 0;
    std::string displayName;
};

/// The control statements file of the shown layout (two lines, each ended by CR LF).
[[nodiscard]] std::string TofgenStatementsText(const std::vector<TofgenField>& fields);

/// Appends the two control statement lines (names, statements) for `fields` to `lines`.
/// Group fields are left out; each entry is followed by "," unless it comes from the last field.
void AppendTofgenStatements(const std::vector<TofgenField>& fields, std::vector<std::string>& lines);
/// The statement of one field: "X(n)", "S.PACK(n)", "U.INT2", "HEX(n)" ...
[[nodiscard]] std::string TofgenStatement(int TYP, int byteLength);
/// The control statement fields of a grid.
[[nodiscard]] std::vector<TofgenField> TofgenFieldsOf(const RecordView& view);

}  // namespace rekkan
