#include "records/editor/editor_texts.h"

#include "util/encoding.h"

namespace rekkan {

std::string WarningNoEditFileText() { return sj("【警告】編集ファイルが存在しません。"); }
std::string WarningEditFileUnsetText() { return sj("【警告】編集ファイルが未設定です。"); }
std::string WarningNotDivisibleText() { return sj("【警告】レコード長で割り切れません。"); }
std::string WarningNoRecordsText() { return sj("【警告】ファイルにレコードは存在しません。"); }
std::string WarningLayoutMissingText() { return sj("【警告】レイアウトが存在しません。"); }

std::string RecNoReadText(std::int64_t recNo) {
    return "Rec.No [" + std::to_string(recNo) + sj("] のレコードを読み込みました。");
}
std::string RecNoMissingText(std::int64_t recNo) {
    return "Rec.No [" + std::to_string(recNo) + sj("] のレコードは存在しません。");
}

std::string RecordCommandQuestion(RecordCommand command, std::int64_t recNo) {
    const std::string ask = "\r\n\r\n" + sj("よろしいですか？");
    switch (command) {
    case RecordCommand::Update: return sj("編集中のレコードを更新します。") + ask;
    case RecordCommand::Insert:
        return sj("編集中のレコードを") + " Rec.No [" + std::to_string(recNo) + sj("] として挿入します。") + ask;
    case RecordCommand::Append: return sj("編集中のレコードをファイルの最後に追加します。") + ask;
    case RecordCommand::Delete: return sj("編集中のレコードを削除します。") + ask;
    }
    return {};
}

std::string RecordCommandWorkingText(RecordCommand command) {
    if (command == RecordCommand::Insert) return sj("レコードの挿入処理中です。");
    if (command == RecordCommand::Delete) return sj("レコードの削除処理中です。");
    return {};
}

std::string RecordCommandDoneText(RecordCommand command) {
    switch (command) {
    case RecordCommand::Update: return sj("編集中のレコードを更新しました。");
    case RecordCommand::Insert: return sj("編集中のレコードを挿入しました。");
    case RecordCommand::Append: return sj("編集中のレコードをファイルの最後に追加しました。");
    case RecordCommand::Delete: return sj("編集中のレコードを削除しました。");
    }
    return {};
}

std::string RecordCommandFailedText(RecordCommand command) {
    switch (command) {
    case RecordCommand::Update: return sj("編集中のレコードの更新を失敗しました。");
    case RecordCommand::Insert: return sj("編集中のレコードの挿入を失敗しました。");
    case RecordCommand::Append: return sj("編集中のレコードの追加を失敗しました。");
    case RecordCommand::Delete: return sj("編集中のレコードの削除を失敗しました。");
    }
    return {};
}

std::string RecordCommandCancelledText(RecordCommand command) {
    return (command == RecordCommand::Delete ? sj("レコードの削除を中止しました。")
                                             : sj("レコードの挿入を中止しました。")) +
           sj("ファイルは変更していません。");
}

std::string PartialLayoutRefusedText() {
    return sj(
        "レイアウトを全部は読み込めなかったため (行数の上限、又は整数項目のサイズ設定の違い)、"
        "ファイルは変更できません。");
}

std::string NotShiftJisText() { return sj("Shift-JIS で表せない文字が含まれているため、入力を受け付けませんでした。"); }

}  // namespace rekkan
