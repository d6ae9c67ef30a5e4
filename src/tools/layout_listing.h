#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"
#include "model/type_notation.h"
#include "util/path_names.h"

namespace rekkan {

/// The columns and numbering of the layout text and CSV listings (the Csv_Chk_... settings).
struct ListingOptions {
    bool csv = false;        ///< Csv_Rbt_Csv
    bool title = true;       ///< "タイトル"
    bool prefix = true;      ///< "Ｐｒｅｆｉｘ"
    bool guide = true;       ///< "項目見出し": the heading line
    bool seq = true;         ///< "SEQ"
    bool pos = true;         ///< "位置"
    bool lvl = true;         ///< "レベル番号"
    bool indent = true;      ///< "レベルによるインデント"
    bool lvlConnect = true;  ///< "レベルと項目を連結(CSV)"
    bool kom = true;         ///< "項目名"
    bool vnm = true;         ///< "Variable.Name"
    bool red = true;         ///< "再定義"
    bool typ = true;         ///< "型名"
    bool rpt = true;         ///< "繰返数"
    bool byt = true;         ///< "桁数"
    bool syo = true;         ///< "小数桁数"
    bool bko = true;         ///< "備考"
    int levelStart = 1;      ///< level number of LVL 1 (Cmb_CobSN + 1)
    int levelIncrement = 1;  ///< Cmb_CobIV + 1
    int indentWidth = 3;     ///< blanks per level (Cmb_Indent + 1)

    [[nodiscard]] static ListingOptions FromSettings(const Settings& s);
};

/// What the listing reads besides the options: the layout, the position text of each row (as
/// the layout editor's position column shows it; may be empty), the record length and the
/// type names.
struct ListingSource {
    const LayoutDocument* doc = nullptr;
    std::vector<std::string> positions;
    int recordLength = 0;
    const TypeNotation* types = nullptr;
};

/// Measures `doc` and fills `source` from it. False when measuring fails
/// (the positions reached are still filled).
[[nodiscard]] bool PrepareListingSource(const LayoutDocument& doc, const TypeNotation& types, ListingSource& source);

/// The values of one item, the same for both formats (CP932).
struct ListingItemValues {
    std::string seq, position, level, indent, itemName, varName, redefinition, type, repeat, digits, decimals, remarks;
};
/// The values of row `index`.
[[nodiscard]] ListingItemValues ItemValues(const ListingSource& source, int index, const ListingOptions& options);

/// The text listing: fixed columns, CR LF line ends (CP932).
[[nodiscard]] std::string FormatTextListing(const ListingSource& source, const ListingOptions& options);
/// The CSV listing: every value quoted (a double quote inside a value doubled), CR LF ends.
[[nodiscard]] std::string FormatCsvListing(const ListingSource& source, const ListingOptions& options);

/// How the file proposed for a listing is named (for DefaultOutputPath): the layout's path
/// with ".txt" or ".csv", else "MORVANE.TXT" or "MORVANE.CSV" in the program folder.
[[nodiscard]] OutputNaming ListingNaming(bool csv);
/// The question asked before writing a listing to `path`.
[[nodiscard]] std::string ListingQuestion(const std::string& path, bool csv);

}  // namespace rekkan
