#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// The ruler above the built-in editor for columns `first` to `last`: "-", "+" at every
/// multiple of 5, "*" at column 72 and, at every multiple of 10, the column number / 10.
[[nodiscard]] std::string EditorRuler(int first = 8, int last = 255);

/// True for a comment line of the editor text: trimmed, with each full-width blank turned
/// into two blanks, it begins with "//".
[[nodiscard]] bool IsEditorCommentLine(std::string_view line);
/// "OFF": the non-blank lines, each followed by CR LF.
[[nodiscard]] std::string CompactEditorText(std::string_view text);
/// "ON": the non-blank lines with an empty line after each item line followed by a comment
/// line, and one empty line at the end.
[[nodiscard]] std::string SpacedEditorText(std::string_view text);

/// Text and caret after "備考→" inserted below line `caretLine` (0-based).
struct RemarkInsertion {
    std::string text;
    int caret = 0;  ///< byte offset right after the inserted "備考→"
};
/// Inserts (p - 1) blanks + "//備考→" CR LF as the line after `caretLine`, p being the column
/// of "//" in the caret's line (no blanks when it has none).
[[nodiscard]] RemarkInsertion InsertRemarkLine(std::string_view text, int caretLine);

/// Every line end (CR LF, CR, LF) as CR LF.
[[nodiscard]] std::string NormaliseLineEnds(std::string_view text);
/// A text read back from an external editor as CP932 with CR LF ends: valid UTF-8 holding
/// characters beyond ASCII is converted from UTF-8 (the editors here save UTF-8), a character
/// CP932 cannot hold becoming '?'; `lossless` (when given) says whether none did.
[[nodiscard]] std::string ReadBackEditorText(std::string_view bytes, bool* lossless = nullptr);

/// The program and arguments that open `workFile` in the editor `editorPath`: an existing
/// file is the program itself; otherwise the text is split into words as a shell would
/// ("code --wait"), and the work file is the last argument. Empty when there is no program.
[[nodiscard]] std::vector<std::string> EditorCommandLine(const std::string& editorPath, const std::string& workFile);

}  // namespace rekkan
