#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"

namespace rekkan {

struct ImportSession;

/// Byte position of `word` in `text` as a whole word, without regard to case: preceded and
/// followed by one of the single-byte `delimiters` (or the ends of the text). npos when absent.
[[nodiscard]] std::size_t FindWholeWord(std::string_view text, std::string_view word, std::string_view delimiters);
/// FindWholeWord with the delimiters of C and COBOL (blanks, ";", "[", "]", "{", "}");
/// trailing blanks of `word` take no part.
[[nodiscard]] std::size_t FindWord(std::string_view text, std::string_view word);
[[nodiscard]] inline bool HasWord(std::string_view text, std::string_view word) {
    return FindWord(text, word) != std::string_view::npos;
}
/// The word after `word`: the text after the blanks that follow it, up to the next blank or
/// ";". Empty when `word` is absent.
[[nodiscard]] std::string WordAfter(std::string_view text, std::string_view word);
/// The text after the first blank run of `text`, up to the next blank or ";" (the second word).
[[nodiscard]] std::string SecondWord(std::string_view text);

/// Takes the key marks ("#1.2d-") out of an item name; each valid one adds its key entry text
/// for row `rowIndex` to `keyEntries` (kept sorted). With `wellFormedOnly` (text the system
/// wrote itself) only marks "#k.s", k and s from 1, optionally "d" and "+" or "-", are taken;
/// any other "#" text stays in the name.
void TakeKeyMarks(std::string& name, int rowIndex, std::vector<std::string>& keyEntries, bool wellFormedOnly = false);
/// The key entry text of a mark: "001.002<可>(降順):5".
[[nodiscard]] std::string KeyEntryText(int key, int seq, bool duplicates, bool descending, int rowIndex);

/// Removes a "Prefix(...)" mark (any case) from a comment; its text becomes `prefix` when
/// `prefix` is still empty.
void TakePrefixMark(std::string& comment, std::string& prefix);

/// The fields of one imported row before it is stored.
struct ImportedRow {
    int level = 1;
    int repeat = 1;
    std::string itemName;
    std::string dataName;
    std::string redefined;
    int type = 0;
    int digits = 0;
    int decimals = 0;
    std::string remarks;
};

/// Stores an imported row at `index` (appending when it is the next row): key marks are taken
/// out of the item name, the row is reset and filled, and a redefined name is replaced by the
/// item name of the sibling it names.
void StoreImportedRow(LayoutDocument& doc, int index, ImportedRow row, ImportSession& session);

/// After an extraction that wrote rows: RdfCmt from row 0, PreFix from the collected prefix.
void FinishExtraction(LayoutDocument& doc, const ImportSession& session);

}  // namespace rekkan
