#pragma once

#include <deque>
#include <string>
#include <vector>

#include "util/messages.h"

namespace rekkan {

/// A message sink that records every message and answers questions from a script
/// (then with `fallback` once the script is used up). Used by the tests and the command line.
class ScriptedMessages : public MessageSink {
public:
    struct Entry {
        enum class Kind { Inform, YesNo, YesNoCancel, OkCancel } kind;
        std::string text;
        std::string caption;
        Answer answer;
    };

    explicit ScriptedMessages(Answer fallback = Answer::Yes) : fallback_(fallback) {}

    /// Queues the answer of the next question.
    void Script(Answer a) { script_.push_back(a); }

    void Inform(const std::string& text, const std::string& caption, MessageIcon icon) override;
    Answer AskYesNo(const std::string& text, const std::string& caption) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    Answer AskOkCancel(const std::string& text, const std::string& caption) override;

    [[nodiscard]] const std::vector<Entry>& Log() const { return log_; }
    /// Texts of all messages and questions so far, in order.
    [[nodiscard]] std::vector<std::string> Texts() const;
    void Clear() { log_.clear(); }

private:
    Answer Next(Entry::Kind kind, const std::string& text, const std::string& caption);

    std::deque<Answer> script_;
    std::vector<Entry> log_;
    Answer fallback_;
};

}  // namespace rekkan
