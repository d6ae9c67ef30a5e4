#include "util/scripted_messages.h"

#include "util/encoding.h"

namespace rekkan {

const std::string& DefaultCaption() {
    static const std::string caption = sj("確認");
    return caption;
}

void ScriptedMessages::Inform(const std::string& text, const std::string& caption, MessageIcon) {
    log_.push_back({Entry::Kind::Inform, text, caption, Answer::Ok});
}

Answer ScriptedMessages::Next(Entry::Kind kind, const std::string& text, const std::string& caption) {
    Answer a = fallback_;
    if (!script_.empty()) {
        a = script_.front();
        script_.pop_front();
    }
    log_.push_back({kind, text, caption, a});
    return a;
}

Answer ScriptedMessages::AskYesNo(const std::string& text, const std::string& caption) {
    return Next(Entry::Kind::YesNo, text, caption);
}

Answer ScriptedMessages::AskYesNoCancel(const std::string& text, const std::string& caption) {
    return Next(Entry::Kind::YesNoCancel, text, caption);
}

Answer ScriptedMessages::AskOkCancel(const std::string& text, const std::string& caption) {
    return Next(Entry::Kind::OkCancel, text, caption);
}

std::vector<std::string> ScriptedMessages::Texts() const {
    std::vector<std::string> texts;
    for (const auto& e : log_) texts.push_back(e.text);
    return texts;
}

}  // namespace rekkan
