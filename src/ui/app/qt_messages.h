#pragma once

#include "util/messages.h"

class QWidget;

namespace rekkan::ui {

/// The message interface of the core answered with real message boxes.
class QtMessages : public MessageSink {
public:
    explicit QtMessages(QWidget* parent) : parent_(parent) {}
    /// The window the message boxes belong to.
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Inform(const std::string& text, const std::string& caption, MessageIcon icon) override;
    Answer AskYesNo(const std::string& text, const std::string& caption) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    Answer AskOkCancel(const std::string& text, const std::string& caption) override;

private:
    QWidget* parent_;
};

}  // namespace rekkan::ui
