#pragma once

#include <string>

namespace rekkan {

/// The answer to a question put to the user.
enum class Answer { Yes, No, Cancel, Ok };

/// Icon of a message box.
enum class MessageIcon { Information, Question, Warning, Error };

/// Every message box and question of the core goes through this interface: the windows
/// answer with real message boxes, the tests and the command line with scripted answers.
/// All texts are CP932.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    /// A message with an OK button.
    virtual void Inform(const std::string& text, const std::string& caption,
                        MessageIcon icon = MessageIcon::Information) = 0;
    /// Yes or No.
    [[nodiscard]] virtual Answer AskYesNo(const std::string& text, const std::string& caption) = 0;
    /// Yes, No or Cancel.
    [[nodiscard]] virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;
    /// OK or Cancel.
    [[nodiscard]] virtual Answer AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

/// The caption of every message box unless stated otherwise: "確認".
[[nodiscard]] const std::string& DefaultCaption();

}  // namespace rekkan
