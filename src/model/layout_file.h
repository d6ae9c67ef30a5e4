#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"
#include "util/messages.h"

namespace rekkan {

/// Magic line of the current layout format and of the layout clipboard text.
inline constexpr const char* kLayoutMagic = "kvel#32.lay";
/// Magic of the 16-bit generation's binary layout files.
inline constexpr const char* kLegacyLayoutMagic = "morvane.lay";

/// Result of reading a layout file.
/// An integer row whose stored byte count is not the one the run's integer sizes give it.
struct StoredSizeDifference {
    int row = 0;     ///< 0-based
    int stored = 0;  ///< bytes in the file
    int used = 0;    ///< bytes the sizes of the run give
};

struct LayoutReadResult {
    bool ok = false;
    std::string notice;                                 ///< conversion or too-many-lines notice (CP932), possibly empty
    bool tooManyRows = false;                           ///< rows beyond the editable line count were left out
    std::vector<StoredSizeDifference> sizeDifferences;  ///< int, short and long rows read with other sizes
};

/// Reads a ".kvl" or legacy ".lay" file into `doc`, replacing the whole document (rows read
/// before a failure stay). Messages go to `messages`. Does not touch `path` or `modified`
/// and does not normalise; the open command does that.
[[nodiscard]] LayoutReadResult ReadLayoutFile(LayoutDocument& doc, const std::string& cp932Path, bool showLegacyNotice,
                                              MessageSink& messages);

/// Reads layout text (the bytes of a ".kvl" file) into `doc` (test and clipboard form).
[[nodiscard]] LayoutReadResult ReadLayoutText(LayoutDocument& doc, std::string_view bytes, MessageSink& messages,
                                              const std::string& cp932PathForMessages = {});

/// The file bytes of the whole document in the current format.
[[nodiscard]] std::string FormatLayoutFile(const LayoutDocument& doc);

/// The item line of row `index` (without line end).
[[nodiscard]] std::string ItemLine(const TRspec& row, int index);
/// Parses an item line: nothing when it is not one (empty SEQ); `failed` set when a number
/// field cannot be read.
[[nodiscard]] std::optional<TRspec> ParseItemLine(std::string_view line, bool& failed);

/// Value of `key` in a line ("%!#KEY=value%!#", key compared without case); nothing when absent.
[[nodiscard]] std::optional<std::string> LookupKey(std::string_view line, std::string_view key);

/// The failure message of the reader for `cp932Path`.
[[nodiscard]] std::string NotLayoutFileMessage(const std::string& cp932Path);

/// After a successful read: normalise BYT of every row with the document's sizes.
void NormaliseAll(LayoutDocument& doc);

}  // namespace rekkan
