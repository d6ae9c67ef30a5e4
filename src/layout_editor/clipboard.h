#pragma once

#include <optional>
#include <string>

namespace rekkan {

/// The platform clipboard as the layout editor uses it: plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    /// The text on the clipboard; nothing when it holds no text.
    [[nodiscard]] virtual std::optional<std::string> Text() const = 0;
    /// Replaces the clipboard contents with `text` (CP932).
    virtual void SetText(const std::string& text) = 0;
    /// Empties the clipboard.
    virtual void Clear() = 0;
};

/// A clipboard kept in memory (tests and the command line).
class MemoryClipboard : public Clipboard {
public:
    [[nodiscard]] std::optional<std::string> Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void Clear() override { text_.reset(); }

private:
    std::optional<std::string> text_;
};

}  // namespace rekkan
