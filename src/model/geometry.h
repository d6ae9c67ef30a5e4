#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/layout_document.h"

namespace rekkan {

/// Per-row results of a geometry pass.
struct GeometryRow {
    int SubtreeEnd = 0;
    int GroupLen = 0;     ///< group: bytes of one occurrence, redefinition members not counted
    int GroupLenEd = 0;   ///< the same under the layout editor's size rule
    int FirstPos = -1;    ///< position where the walk first reached the row
    int ElemLen = 0;      ///< bytes of one occurrence (0 for a redefinition member)
    int GroupLenAll = 0;  ///< group: bytes of one occurrence counting redefinition members
    int Pos = -1;         ///< position shown to the user; -1 when it cannot be derived
    int ElemLenAll = 0;   ///< bytes of one occurrence counting redefinition members
    int BitRpt = 0;
    bool InRdf = false;   ///< row is a redefinition member
    bool Taken = false;   ///< used by the redefinition view builder
};

/// The three forms of the pass.
enum class GeometryForm { Record, Editor, FieldList };

/// One step of the field-list walk.
struct FieldDescriptor {
    int row = 0;
    int step = 0;        ///< 0-based step number
    int level = 0;
    int pos = 0;         ///< running position (1-based)
    int size = 0;        ///< elementary: its size (0 for a redefinition member); group: GroupLen
    int size2 = 0;
    int pos2 = 0;
    int sizeEd = 0;      ///< size under the editor rule (group: GroupLenEd)
    int BYT = 0;
    int SYO = 0;
    int TYP = 0;
    std::string prefix;          ///< occurrence prefix such as "2.3."
    std::string displayName;     ///< (LVL - 1) blanks + prefix + KOM
    std::string displayVarName;  ///< (LVL - 1) blanks + prefix + VNM
    bool inRdf = false;
};

/// Why a pass failed.
enum class GeometryFailure { None, TooLong, TooManySteps };

/// Most walk steps one pass may take. Items that add no bytes (redefinition members, empty
/// groups) are not bounded by the record length, so a huge repeat count on them would make
/// the walk practically endless; past this many steps the pass stops and fails.
inline constexpr long long kMaxWalkSteps = 50'000'000;

/// Largest record length: 999,999 bytes.
inline constexpr int kMaxRecordLength = 999'999;

/// The geometry table and the passes over a layout document.
class Geometry {
public:
    /// Runs a pass of `form` over `doc`. The field-list form hands one descriptor per step to
    /// `onField` and does not reset the table (run the record form first). `ordinaryView`
    /// tells the editor form whether to store the ordinary-view record length.
    [[nodiscard]] bool Run(LayoutDocument& doc, GeometryForm form,
                           const std::function<void(const FieldDescriptor&)>& onField = {},
                           bool ordinaryView = true);

    [[nodiscard]] const std::vector<GeometryRow>& Rows() const { return rows_; }
    [[nodiscard]] std::vector<GeometryRow>& Rows() { return rows_; }
    [[nodiscard]] GeometryFailure LastFailure() const { return failure_; }

private:
    std::vector<GeometryRow> rows_;
    GeometryFailure failure_ = GeometryFailure::None;
};

/// Index of the row that row `i` redefines (its RED resolved among earlier siblings), or -1.
[[nodiscard]] int RedefinedRow(const LayoutDocument& doc, int i);

/// Size of one occurrence of an elementary row; a redefinition member counts 0 unless
/// `countRdf`.
[[nodiscard]] int ElementSize(const TRspec& row, bool inRdf, bool countRdf);

/// The message shown when the record is longer than 999,999 bytes (CP932, CR separated).
[[nodiscard]] std::string RecordTooLongMessage();
/// The message shown when the walk exceeds its step bound (CP932).
[[nodiscard]] std::string TooManyStepsMessage();

/// Field entries as the record editor lists them: the field-list walk without redefinition
/// members. Runs the record form and then the field-list form; false when either fails.
[[nodiscard]] bool ListFields(LayoutDocument& doc, Geometry& geometry, std::vector<FieldDescriptor>& out);

}  // namespace rekkan
