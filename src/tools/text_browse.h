#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// Base caption of the text viewer: "Browse".
inline constexpr const char* kBrowseCaption = "Browse";

/// The viewer's caption for a shown text: "Browse " + caption.
[[nodiscard]] std::string BrowseTextCaption(std::string_view caption);
/// The viewer's caption for a shown file: "Browse " + caption + " [ " + path + " ]".
[[nodiscard]] std::string BrowseFileCaption(std::string_view caption, std::string_view path);

/// The lines of `text` joined with CR LF, each preceded by its 1-based number right-aligned in
/// five digits with leading zeros and one blank ("00001 "); from line 100000 on only the last
/// five digits are kept. A final line end adds no empty line; an empty text stays empty.
[[nodiscard]] std::string NumberLines(std::string_view text);

/// The message for a file to show that does not exist: "ファイルがありません。", a blank line
/// and "     File = " + path.
[[nodiscard]] std::string MissingFileMessage(std::string_view path);
/// The message for a document list bound to a menu that is not registered, naming the menu.
[[nodiscard]] std::string UnregisteredMenuMessage(std::string_view menuName);

/// The message for a help page that could not be written, naming its path.
[[nodiscard]] std::string PageNotWrittenMessage(std::string_view path);

/// The document list's entry for a menu item: the caption's text before its accelerator "&",
/// trimmed (the whole caption, trimmed, when it has none).
[[nodiscard]] std::string DocumentListEntry(std::string_view itemCaption);

/// The three window widths the width button cycles through, and where the cycle stands.
class WidthCycle {
public:
    /// Multiple of the document list's width used for the third width.
    static constexpr int kListWidthMultiple = 3;

    /// `createdWidth` is the window's width when it was created.
    explicit WidthCycle(int createdWidth) : createdWidth_(createdWidth) {}
    /// The width after one more press: half the text width plus the document list's right edge,
    /// then the list's width times kListWidthMultiple, then the width at creation, and again.
    [[nodiscard]] int Next(int textWidth, int listRight, int listWidth);

private:
    int createdWidth_;
    int step_ = 0;
};

}  // namespace rekkan
