#pragma once

#include "layout_editor/clipboard.h"

namespace rekkan::ui {

/// The desktop clipboard for the layout editor: CP932 in the core, UTF-16 on the clipboard.
class QtClipboard : public Clipboard {
public:
    [[nodiscard]] std::optional<std::string> Text() const override;
    void SetText(const std::string& text) override;
    void Clear() override;
};

}  // namespace rekkan::ui
