#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// One document of the help page: its caption and its text (CP932).
struct HelpPageDocument {
    std::string caption;
    std::string text;
};

/// `text` with "&", "<" and ">" written as HTML character references.
[[nodiscard]] std::string EscapeHtml(std::string_view text);

/// The help page of the text viewer's HTML button: a contents table linking every document,
/// then each document's caption with a link back and its text inside <Pre>. Titles, captions
/// and texts are escaped; the frame is fixed. `currentEntry` (1-based, 0 for the contents) is
/// the anchor the page jumps to when it opens. CP932, CR LF line ends.
[[nodiscard]] std::string HelpHtmlPage(std::string_view title, int currentEntry,
                                       const std::vector<HelpPageDocument>& documents);

/// File of the help page: the program file's path with its extension replaced by "_Help.Html".
[[nodiscard]] std::string HelpHtmlPath(std::string_view programPath);

/// Title of the help page.
inline constexpr const char* kHelpPageTitle = "Rekkan Help";

}  // namespace rekkan
