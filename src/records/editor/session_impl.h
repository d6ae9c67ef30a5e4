#pragma once

#include <string>
#include <vector>

#include "records/editor/editor_texts.h"
#include "records/editor/record_editor_session.h"
#include "util/messages.h"

namespace rekkan {

/// Messages the file engine gives while a rebuild runs (possibly on another thread), shown
/// afterwards on the window's thread. Questions are never asked there; they answer No.
class DeferredMessages : public MessageSink {
public:
    void Inform(const std::string& text, const std::string& caption, MessageIcon icon) override {
        held_.push_back({text, caption, icon});
    }
    Answer AskYesNo(const std::string&, const std::string&) override { return Answer::No; }
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
    Answer AskOkCancel(const std::string&, const std::string&) override { return Answer::Cancel; }

    /// Shows every held message on `to` and forgets them.
    void Replay(MessageSink& to) {
        for (const Held& h : held_) to.Inform(h.text, h.caption, h.icon);
        held_.clear();
    }

private:
    struct Held {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    std::vector<Held> held_;
};

struct RecordEditorSession::Impl {
    DeferredMessages deferred;
    RecordCommand rebuildCommand = RecordCommand::Insert;

    /// While a rebuild runs (between Begin and FinishRebuild) the data file state belongs to
    /// the thread running it; the window is served these values, taken when it began.
    bool rebuilding = false;
    RecordInfo info;
    std::string warning;
    EditorEnabling enabling;
    std::int64_t positionBase = 0;
    std::string recNoBox;
};

}  // namespace rekkan
