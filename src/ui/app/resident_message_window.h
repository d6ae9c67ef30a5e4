#pragma once

#include <QWidget>

class QTextEdit;

namespace rekkan::ui {

/// The resident message window "Rekkan メッセージ": a small window created once that holds one
/// read-only message and is shown beside the layout editor whenever a message is put into it.
class TFm_ResidentMsg : public QWidget {
    Q_OBJECT
public:
    explicit TFm_ResidentMsg(QWidget* parent = nullptr);

    /// Shows `text` in `colour`: the text is replaced only when it differs from the one shown
    /// (so a reader's scroll position stays), and the window is shown when it is hidden.
    void ShowMessage(const QString& text, const QColor& colour);
    /// The message shown.
    [[nodiscard]] QString Message() const;

private:
    QTextEdit* text_;
};

}  // namespace rekkan::ui
