#include "layout_editor/text_edit_session.h"

#include "layout_editor/editor_text_format.h"
#include "layout_editor/layout_editor_controller.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

namespace rekkan {

namespace {

void TellNotWritten(MessageSink& messages, const std::string& path) {
    messages.Inform(sj("ファイルに書き込めませんでした。") + "\r\n\r\n   PATH = " + path, DefaultCaption(),
                    MessageIcon::Error);
}

/// A text that lost characters to '?' is taken only when the user agrees.
bool AcceptReplacedCharacters(MessageSink& messages) {
    return messages.AskOkCancel(sj("Shift-JIS (CP932) にない文字があります。\r\n\r\n"
                                   "その文字を「?」に置き換えて取り込みますか？"),
                                DefaultCaption()) == Answer::Ok;
}

}  // namespace

BuiltInEditSession::BuiltInEditSession(LayoutEditorController& editor, MessageSink& messages)
    : editor_(editor), messages_(messages) {}

std::string BuiltInEditSession::Open() {
    const LayoutDocument& doc = editor_.Document();
    snapshot_ = {doc.items, doc.RdfCmt, doc.PreFix, doc.keyLines, doc.modified};
    modified_ = verifying_ = verifiedOnce_ = false;
    return editor_.EditorText();
}

bool BuiltInEditSession::ImportText(const std::string& text) {
    if (!editor_.WriteWorkFile(text)) {
        TellNotWritten(messages_, editor_.WorkFilePath());
        return false;
    }
    editor_.ImportWorkFile();
    return true;
}

void BuiltInEditSession::RestoreSnapshot() {
    LayoutDocument doc = editor_.Document();
    doc.items = snapshot_.items;
    doc.RdfCmt = snapshot_.comment;
    doc.PreFix = snapshot_.prefix;
    doc.keyLines = snapshot_.keyLines;
    doc.modified = snapshot_.modified;
    editor_.ReplaceDocument(std::move(doc));
}

bool BuiltInEditSession::Verify(const std::string& current, std::string& shown, bool lossless) {
    if (verifying_) return false;
    if (!lossless && !AcceptReplacedCharacters(messages_)) return false;
    if (!ImportText(current)) return false;
    edited_ = current;
    verifying_ = verifiedOnce_ = true;
    shown = editor_.EditorText();
    return true;
}

std::string BuiltInEditSession::EndVerify() {
    verifying_ = false;
    return edited_;
}

bool BuiltInEditSession::InsertRemark(const std::string& current, int caretLine, std::string& text, int& caret) {
    if (messages_.AskYesNo(sj("カーソル位置の後に 「備考→」 行を追加します。\r\n\r\nよろしいですか？"),
                           DefaultCaption()) != Answer::Yes)
        return false;
    const RemarkInsertion r = InsertRemarkLine(current, caretLine);
    text = r.text;
    caret = r.caret;
    return true;
}

bool BuiltInEditSession::Close(const std::string& current, bool lossless) {
    lossless = lossless || verifying_;  // the text kept at "検証" was accepted then
    const std::string text = verifying_ ? EndVerify() : current;
    if (modified_) {
        const Answer a =
            messages_.AskYesNoCancel(sj("内容が変更されています。\r\n\r\n保存しますか？"), DefaultCaption());
        if (a == Answer::Cancel) return false;
        if (a == Answer::Yes) {
            if (!lossless && !AcceptReplacedCharacters(messages_)) return false;
            // The undo step holds the layout as it was at opening, not a verified state.
            if (verifiedOnce_) RestoreSnapshot();
            editor_.RecordWholeLayoutStep();
            editor_.Document().modified = true;
            return ImportText(text);
        }
    }
    // A verification changed the layout: put back what it was at opening, flag included.
    if (verifiedOnce_) RestoreSnapshot();
    return true;
}

bool EditWithExternalEditor(LayoutEditorController& editor, MessageSink& messages, EditorRunner& runner) {
    const std::string written = editor.EditorText();
    if (!editor.WriteWorkFile(written)) {
        TellNotWritten(messages, editor.WorkFilePath());
        return false;
    }
    const std::string& work = editor.WorkFilePath();
    const std::string program = Trim(editor.SharedSettings().Edt_EditorPath);
    long long elapsed = 0;
    const std::vector<std::string> command = EditorCommandLine(program, work);
    if (command.empty() || !runner.RunAndWait(command, elapsed)) {
        messages.Inform(sj("エディタを起動できません。\r\n\r\nOption メニュー 「その他の定義を行う」 でエディタのパスを"
                           "設定して下さい。\r\n\r\n  PATH = ") +
                            program,
                        DefaultCaption());
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(work, bytes)) bytes = written;
    bool lossless = true;
    const std::string back = ReadBackEditorText(bytes, &lossless);
    if (!lossless && !AcceptReplacedCharacters(messages)) return false;
    const bool changed = back != NormaliseLineEnds(written);
    if (changed) {
        editor.RecordWholeLayoutStep();
        editor.Document().modified = true;
    }
    // The import reads CP932: a text saved in UTF-8 is written back converted.
    if (back != bytes && !editor.WriteWorkFile(back)) {
        TellNotWritten(messages, work);
        return false;
    }
    editor.ImportWorkFile();
    if (!changed && elapsed < kQuickEditorReturnMs)
        messages.Inform(
            sj("エディタがすぐに終了し、ファイルは変更されていません。\r\n\r\n"
               "既に起動しているエディタにファイルを渡して終了するエディタには、終了を待つオプションを付けて"
               "下さい（例: code --wait）。\r\n\r\n  PATH = ") +
                program,
            DefaultCaption());
    return true;
}

}  // namespace rekkan
