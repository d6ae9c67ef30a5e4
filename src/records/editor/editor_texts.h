#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

// The record editor's own texts (CP932) that more than one command or window uses.

/// The four warnings of the status refresh and the missing-layout warning.
[[nodiscard]] std::string WarningNoEditFileText();     ///< "【警告】編集ファイルが存在しません。"
[[nodiscard]] std::string WarningEditFileUnsetText();  ///< "【警告】編集ファイルが未設定です。"
[[nodiscard]] std::string WarningNotDivisibleText();   ///< "【警告】レコード長で割り切れません。"
[[nodiscard]] std::string WarningNoRecordsText();  ///< "【警告】ファイルにレコードは存在しません。"
[[nodiscard]] std::string WarningLayoutMissingText();  ///< "【警告】レイアウトが存在しません。"

/// "Rec.No [n] のレコードを読み込みました。"
[[nodiscard]] std::string RecNoReadText(std::int64_t recNo);
/// "Rec.No [n] のレコードは存在しません。"
[[nodiscard]] std::string RecNoMissingText(std::int64_t recNo);

/// Which record command a text belongs to.
enum class RecordCommand { Update, Insert, Append, Delete };
/// The confirmation question; `recNo` is used by insert only.
[[nodiscard]] std::string RecordCommandQuestion(RecordCommand command, std::int64_t recNo);
/// The line while insert or delete works ("" for the others).
[[nodiscard]] std::string RecordCommandWorkingText(RecordCommand command);
[[nodiscard]] std::string RecordCommandDoneText(RecordCommand command);
[[nodiscard]] std::string RecordCommandFailedText(RecordCommand command);
/// The line after an insert or delete the user cancelled: the file was left as it was.
[[nodiscard]] std::string RecordCommandCancelledText(RecordCommand command);

/// Changes refused because the layout was not read whole.
[[nodiscard]] std::string PartialLayoutRefusedText();
/// Text refused because Shift-JIS cannot hold one of its characters.
[[nodiscard]] std::string NotShiftJisText();

}  // namespace rekkan
