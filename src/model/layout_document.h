#pragma once

#include <string>
#include <vector>

#include "model/item_row.h"
#include "model/type_catalogue.h"

namespace rekkan {

/// Byte sizes of the C integer types, from the settings choices.
struct IntSizes {
    int intSize = 2;
    int shortSize = 2;
    int longSize = 4;

    /// short = 2 x (short choice + 1), long = 2 x (long choice + 1), int = short when the int
    /// choice is 0, else long.
    [[nodiscard]] static IntSizes FromChoices(int intChoice, int shortChoice, int longChoice);
    friend bool operator==(const IntSizes&, const IntSizes&) = default;
};

/// Rows the editor accepts for an editable-line choice: (choice + 2) x 1000.
[[nodiscard]] int EditableLineCountForChoice(int choice);

/// The one layout document: item rows, header texts, key lines, memo and state flags.
struct LayoutDocument {
    std::string headerLine;  ///< first line of a current-format file as read
    std::string RdfCmt;      ///< layout comment
    std::string PreFix;      ///< variable name prefix
    std::vector<TRspec> items;
    std::vector<std::string> keyLines;
    std::vector<std::string> memoLines;
    std::string path;     ///< file last read or saved (CP932); empty for a new layout
    bool legacy = false;  ///< read from a 16-bit .lay file
    bool modified = false;

    int editableLineCount = 2000;  ///< most rows a layout may hold
    IntSizes sizes;

    /// Rows allocated for the table and its companions: editable line count + 100.
    [[nodiscard]] int Capacity() const { return editableLineCount + 100; }
    [[nodiscard]] int Count() const { return static_cast<int>(items.size()); }
};

/// Brings BYT and SYO of a row into line with its type.
void NormaliseByt(TRspec& row, const IntSizes& sizes);
/// Gives the int/short/long rows (and WORD/DWORD) the current integer sizes.
void ApplyIntegerSizeRule(TRspec& row, const IntSizes& sizes);
/// Byte size of one occurrence of an elementary row (BIT: BYT bits packed; Group: 0).
[[nodiscard]] int OccurrenceSize(const TRspec& row);

/// Makes the document the starting sample layout (comment, two rows, nothing else).
void SetSampleLayout(LayoutDocument& doc, LangPriority priority);

}  // namespace rekkan
