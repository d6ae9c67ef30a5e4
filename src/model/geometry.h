#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"

namespace rekkan {

/// Measures of one item row.
struct GeometryRow {
    int SubtreeEnd = 0;   ///< last row of the row's subtree
    int GroupLen = 0;     ///< group: bytes of one occurrence, redefinition members not counted
    int FirstPos = -1;    ///< position where the walk first reached the row
    int ElemLen = 0;      ///< bytes of one occurrence (0 for a redefinition member)
    int GroupLenAll = 0;  ///< group: bytes of one occurrence counting redefinition members
    int Pos = -1;         ///< position shown to the user; -1 when it cannot be derived
    int ElemLenAll = 0;   ///< bytes of one occurrence counting redefinition members
    bool InRdf = false;   ///< row is a redefinition member
};

/// Why measuring a layout failed.
enum class GeometryFailure { None, TooLong, TooManySteps };

/// Most walk steps one pass may take. Items that add no bytes (redefinition members, empty
/// groups) are not bounded by the record length, so a huge repeat count on them would make
/// the walk practically endless; past this many steps the pass stops and fails.
inline constexpr long long kMaxWalkSteps = 50'000'000;

/// Largest record length: 999,999 bytes.
inline constexpr int kMaxRecordLength = 999'999;

/// The measures of a layout. After a failure the rows and the length are those reached when
/// the walk stopped.
struct Geometry {
    std::vector<GeometryRow> rows;  ///< one per item row, then one for the end of the table
    int recordLength = 0;
    long long stepsOutsideRdf = 0;  ///< walk steps outside redefinitions (0 after a failure)
    GeometryFailure failure = GeometryFailure::None;

    [[nodiscard]] bool Ok() const { return failure == GeometryFailure::None; }
    /// Row `i`, or an empty row when there is none.
    [[nodiscard]] GeometryRow Row(int i) const {
        return i >= 0 && i < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(i)] : GeometryRow{};
    }
};

/// Measures `doc`: positions, lengths and the record length.
[[nodiscard]] Geometry MeasureLayout(const LayoutDocument& doc);

/// One step of the field-list walk.
struct FieldDescriptor {
    int row = 0;
    int step = 0;  ///< 0-based step number
    int level = 0;
    int pos = 0;   ///< running position (1-based)
    int size = 0;  ///< elementary: its size (0 for a redefinition member); group: GroupLen
    int BYT = 0;
    int SYO = 0;
    int TYP = 0;
    std::string prefix;          ///< occurrence prefix such as "2.3."
    std::string displayName;     ///< (LVL - 1) blanks + prefix + KOM
    std::string displayVarName;  ///< (LVL - 1) blanks + prefix + VNM
    bool inRdf = false;
};

/// The fields of a layout as the record editor lists them, with the record length.
struct FieldList {
    std::vector<FieldDescriptor> fields;
    int recordLength = 0;
    GeometryFailure failure = GeometryFailure::None;

    [[nodiscard]] bool Ok() const { return failure == GeometryFailure::None; }
};

/// Every step of the walk over `doc` except redefinition members; no fields when measuring
/// fails.
[[nodiscard]] FieldList ListFields(const LayoutDocument& doc);

/// Index of the row that row `i` redefines (its RED resolved among earlier siblings), or -1.
[[nodiscard]] int RedefinedRow(const LayoutDocument& doc, int i);

/// The message shown when the record is longer than 999,999 bytes (CP932, CR separated).
[[nodiscard]] std::string RecordTooLongMessage();
/// The message shown when the walk exceeds its step bound (CP932).
[[nodiscard]] std::string TooManyStepsMessage();
/// The message for a failure: one of the two above.
[[nodiscard]] std::string GeometryFailureMessage(GeometryFailure failure);

}  // namespace rekkan
