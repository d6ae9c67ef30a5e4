#pragma once

#include <QLineEdit>

namespace rekkan::ui {

/// The look shared by the "Rec.No" and "読込基底位置" boxes: on entering (or a click into it, at
/// most twice after the last command) the text turns black, becomes one blank and the trimmed
/// text, and is selected whole; on leaving it turns blue, is rewritten the same way and the
/// selection goes.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    /// A command was carried out: clicks may select the whole text again.
    void CommandDone() { clicksSinceCommand_ = 0; }
    /// Shows `text` as the box shows values: one blank and the trimmed text.
    void SetValue(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetTextColour(const QColor& colour);

    int clicksSinceCommand_ = 0;
};

}  // namespace rekkan::ui
