#pragma once

#include <string>

#include "model/geometry.h"
#include "model/layout_document.h"
#include "util/path_names.h"

namespace rekkan {

class KeyItems;

/// What the C, VB and COBOL writers read: the layout, its measures (so that FirstPos, ElemLen
/// and the record length are known) and the key items (may be null).
struct LanguageOutputInput {
    const LayoutDocument& doc;
    const Geometry& geometry;
    const KeyItems* keys = nullptr;
};

/// The languages a layout is written in.
enum class OutputLanguage { C, Vb, Cobol };
/// How the proposed file is named (for DefaultOutputPath): the layout file with ".h", ".vb" or
/// ".cob", else "MORVANE.H", "MORVANE.VB" or "MORVANE.COB" in the program folder; a COBOL
/// file name is upper-cased either way.
[[nodiscard]] OutputNaming LanguageOutputNaming(OutputLanguage language);

/// Item name as written: KOM trimmed without CR/LF, " Prefix(...)" on row 0 when the layout has
/// a prefix, then a blank and the key mark of a key item (a blank alone otherwise).
[[nodiscard]] std::string OutputItemName(const LanguageOutputInput& in, int row);
/// Variable name as written: VNM without CR/LF through the view-name adjustment.
[[nodiscard]] std::string OutputVarName(const TRspec& row);
/// `text` with blanks appended up to `width` bytes (never cut).
[[nodiscard]] std::string FillTo(std::string text, int width);
/// ElemLen of row `row` (0 when the geometry has no such row).
[[nodiscard]] int ElemLenOf(const LanguageOutputInput& in, int row);

}  // namespace rekkan
