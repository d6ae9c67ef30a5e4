#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"
#include "records/field_entry.h"

namespace rekkan {

/// Why a field address names no field.
enum class FieldAddressError {
    None,
    NoSuchNumber,     ///< a field number outside the list
    GroupItem,        ///< the field is a group item and holds no value of its own
    BadSubscripts,    ///< the subscripts are not whole numbers of 1 or more in "(...)"
    Ambiguous,        ///< the variable name belongs to more than one layout row
    NeedsSubscripts,  ///< the item repeats and the address gives no subscripts
    NoSuchName,       ///< no field has this variable name and these subscripts
};

/// Where a field address points: the 0-based index in the field list, or the error.
struct FieldAddress {
    int index = -1;
    FieldAddressError error = FieldAddressError::None;
    std::string name;  ///< the variable name of the address, without its subscripts
};

/// Finds a field entry by its field number (1-based, groups counted) or by variable name, any
/// case, with occurrence subscripts when the item repeats ("AMOUNT(2,1)"). `doc` is the layout
/// the field list was built from.
[[nodiscard]] FieldAddress ResolveFieldAddress(std::string_view text, const std::vector<TRdbObj>& fields,
                                               const LayoutDocument& doc);

}  // namespace rekkan
