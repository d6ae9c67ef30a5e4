#pragma once

#include <QPlainTextEdit>

namespace rekkan::ui {

/// The editor that opens over a content cell in multi-line mode: as wide as the cell and three
/// rows high (moved up when it would leave the grid). Leaving it, a double click in it, Enter
/// or Escape closes it and hands back its text without line breaks.
class MemoEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoEditor(QWidget* viewport);

    /// Opens over `cell` (viewport coordinates) showing `text`; a typed `typed` replaces it.
    void Open(const QRect& cell, int rowHeight, const QString& text, const QString& typed);
    [[nodiscard]] bool IsOpen() const { return isVisible(); }
    /// Closes it (if open) and emits `closed`.
    void Close();

signals:
    /// The memo closed holding `text` (line breaks removed).
    void closed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool closing_ = false;
};

}  // namespace rekkan::ui
