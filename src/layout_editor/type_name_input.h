#pragma once

#include <string>
#include <string_view>

#include "layout_editor/type_list.h"

namespace rekkan {

/// A name cell read with type-name input on (Cmb_InpTyp 1): "02 年会費 *U.COMP-3" gives the name
/// cell "02 年会費" and the type whose current display label is "U.COMP-3".
struct TypedName {
    std::string nameCell;  ///< the cell without " *LABEL" when the label named a type, else the cell
    int typeCode = -1;     ///< the type the label names; -1 when none
    std::string label;     ///< the label after " *", trimmed; empty when the cell has none
};

/// Splits a trailing " *LABEL" off `cell`: the label, trimmed, is matched against the display
/// labels `label` gives for the codes 0 to 36, trimmed and ignoring letter case. Without a
/// match the cell stays whole (the text is part of the name).
[[nodiscard]] TypedName SplitTypedName(std::string_view cell, const TypeLabelFn& label);

/// The editor's message line when a typed label names no type (CP932).
[[nodiscard]] std::string UnknownTypeLabelMessage(const std::string& label);

}  // namespace rekkan
