#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace rekkan {
class LayoutEditorController;
}

namespace rekkan::ui {

/// The layout memo "Morvane File Memo": free text kept with the layout as its memo lines.
/// Created once, hidden when closed; typing marks the layout modified.
class TFm_Memo : public QMainWindow {
    Q_OBJECT
public:
    explicit TFm_Memo(LayoutEditorController& editor, QWidget* parent = nullptr);

    /// Shows the window with the layout's memo.
    void Open();
    /// Takes the layout's memo when it is not what the window shows (a layout was read or
    /// initialised); the layout is not marked modified, the text scrolls to the top.
    void SyncFromLayout();
    [[nodiscard]] QPlainTextEdit* Text() const { return text_; }

signals:
    /// The user changed the memo (the layout is modified).
    void MemoChanged();

protected:
    bool event(QEvent* event) override;

private:
    void Print();
    void Store();

    LayoutEditorController& editor_;
    QPlainTextEdit* text_ = nullptr;
    std::vector<std::string> shown_;  ///< the memo lines the text holds
    bool setting_ = false;
};

/// The memo lines of an edited text (CP932), one per line; `lossless` (when given) is set
/// false when a character has no CP932 form (it becomes "?").
[[nodiscard]] std::vector<std::string> MemoLines(const QString& text, bool* lossless = nullptr);

}  // namespace rekkan::ui
