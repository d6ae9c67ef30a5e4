#pragma once

#include <string>
#include <vector>

#include "codec/field_codec.h"
#include "model/geometry.h"
#include "model/layout_document.h"

namespace rekkan {

/// One field entry of the record editor's field list: a step of the layout's field-list walk
/// (redefinition members not listed) with the flags of its display. The codec part (position,
/// length, type, hex display) is what DecodeField and EncodeField work on.
struct TRdbObj : CodecField {
    FieldDescriptor desc;   ///< copy of the walk's descriptor (row, step, level, names, ...)
    int fieldNumber = 0;    ///< 0-based running number among the non-group entries; 0 for groups
    bool hexFixed = false;  ///< hex display cannot be switched off
    bool modified = false;  ///< content edited and not yet written into the record buffer
    bool pastEnd = false;   ///< the field reaches beyond the end of the file at this record

    [[nodiscard]] bool IsGroup() const { return type == kGroup; }
    /// Display name: (level - 1) blanks + occurrence prefix + item name.
    [[nodiscard]] const std::string& DisplayName() const { return desc.displayName; }
    /// Display variable name: (level - 1) blanks + occurrence prefix + variable name.
    [[nodiscard]] const std::string& DisplayVarName() const { return desc.displayVarName; }
};

/// True for the entries that start in hex display with the display fixed: the COBOL binary
/// types, the types without a converter and the C/VB integers whose length is neither 2 nor 4.
[[nodiscard]] bool StartsHexFixed(int type, int length);

/// How the hex flags of new entries are set.
enum class HexStart {
    Window,  ///< as the record editor window starts them
    Script,  ///< as the command line shows fields: COBOL binary of length 2, 4 or 8 decoded
};

/// The entry of one walk step; `fieldNumber` is the running number among non-group entries.
[[nodiscard]] TRdbObj MakeFieldEntry(const FieldDescriptor& descriptor, int fieldNumber,
                                     HexStart start = HexStart::Window);

/// The entries of a layout's records and their length.
struct RecordFieldList {
    std::vector<TRdbObj> fields;
    int recordLength = 0;
    GeometryFailure failure = GeometryFailure::None;

    [[nodiscard]] bool Ok() const { return failure == GeometryFailure::None; }
};

/// The field list of a layout: one entry per step of its field-list walk; no entries when
/// measuring the layout fails.
[[nodiscard]] RecordFieldList BuildFieldList(const LayoutDocument& doc, HexStart start = HexStart::Window);
/// The same from descriptors already listed.
[[nodiscard]] std::vector<TRdbObj> MakeFieldList(const std::vector<FieldDescriptor>& descriptors,
                                                 HexStart start = HexStart::Window);

}  // namespace rekkan
