#pragma once

#include <QObject>

class QWidget;

#include <memory>

namespace rekkan {
class MessageSink;
}

namespace rekkan::ui {

class TFm_Browse;
class TFm_Hed;
class TFm_Memo;
class TFm_Idx;
class TFm_Kvel;

/// The windows the layout editor opens from its function bar (structure import, key items,
/// memo, the text editors): created once beside the layout editor and tied to its buttons.
class LayoutSideWindows : public QObject {
    Q_OBJECT
public:
    LayoutSideWindows(TFm_Kvel& kvel, TFm_Browse& browse, MessageSink& messages);
    ~LayoutSideWindows() override;

    [[nodiscard]] TFm_Hed& Import() { return *hed_; }
    [[nodiscard]] TFm_Idx& Keys() { return *idx_; }
    [[nodiscard]] TFm_Memo& Memo() { return *memo_; }
    /// The layout editor's "Editor" button: the built-in editor or the external program.
    void EditAsText();

private:
    /// The layout editor's button named `objectName` runs `open`; `window` (if any) is hidden
    /// when the layout editor closes.
    template <typename Open>
    void Tie(const char* objectName, Open open, QWidget* window = nullptr);

    TFm_Kvel& kvel_;
    std::unique_ptr<TFm_Hed> hed_;
    std::unique_ptr<TFm_Idx> idx_;
    std::unique_ptr<TFm_Memo> memo_;
    TFm_Browse& browse_;
    MessageSink& messages_;
};

}  // namespace rekkan::ui
