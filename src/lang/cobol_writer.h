#pragma once

#include <string>
#include <string_view>

#include "lang/lang_output.h"
#include "model/settings.h"

namespace rekkan {

/// The COBOL form options (settings keys Cmb_CobCmt ... Cmb_Comp12Pic, as list indexes).
struct CobolOutputOptions {
    int comments = 1;          ///< Cmb_CobCmt: 1 writes an item-name comment line per item
    int commentColumn = 0;     ///< Cmb_CobKP: 0 variable name, 1 PIC, 2 level, 3.. column 8..
    int picColumn = 37;        ///< Cmb_CobPP: PIC starts in column 8 + this
    int indent = 2;            ///< Cmb_CobID: indent + 1 blanks per level
    int packed = 0;            ///< Cmb_CobPK: 0 COMP-3, 1 PACKED-DECIMAL
    int levelStart = 0;        ///< Cmb_CobSN: start number - 1
    int levelStep = 1;         ///< Cmb_CobIV: increment - 1
    int blankLines = 0;        ///< Cmb_CobCR: "*" lines after each item
    int japanese = 0;          ///< Cmb_CobJpn: 0 N(n), 1 G(n) DISPLAY-1
    int comp12WithoutPic = 0;  ///< Cmb_Comp12Pic

    [[nodiscard]] static CobolOutputOptions FromSettings(const Settings& s);
};

/// The layout as a COBOL record description (.cob text with sequence numbers, CR LF ends).
[[nodiscard]] std::string WriteCobolText(const LanguageOutputInput& in, const CobolOutputOptions& options);
/// The text handed to the built-in text editor, which the COBOL import reads back.
[[nodiscard]] std::string WriteCobolEditorText(const LanguageOutputInput& in, const CobolOutputOptions& options);

/// The layout comment in the heading of a text WriteCobolEditorText wrote; false when the
/// heading is not there (the text then carries no comment of its own).
[[nodiscard]] bool ReadEditorTextComment(std::string_view text, std::string& comment);

/// The level number as written: ((LVL - 1) x increment + start), last two digits.
[[nodiscard]] std::string CobolLevelNumber(int level, int start, int increment);

}  // namespace rekkan
