#pragma once

#include <QTableView>

namespace rekkan::ui {

class FieldCellDelegate;
class GridHeaderView;
class MemoEditor;

/// The field grid of the record editor: fixed-height rows, the heading row with the "HEX"
/// and ruler switches, and the two ways of editing a content cell (the memo editor over the
/// cell in multi-line mode, a line box in the cell in one-line mode). Keys typed in a group row
/// are swallowed. The view only reports what the user did; the window asks the session.
class FieldGridView : public QTableView {
    Q_OBJECT
public:
    explicit FieldGridView(QWidget* parent = nullptr);

    /// Multi-line mode (the memo editor) or one-line mode (edit in place).
    void SetMultiLine(bool on);
    /// Row height for every row (rows are never measured).
    void SetRowHeight(int height);
    [[nodiscard]] FieldCellDelegate& Delegate() { return *delegate_; }
    [[nodiscard]] GridHeaderView& Heading() { return *heading_; }
    [[nodiscard]] MemoEditor& Memo() { return *memo_; }
    /// Opens the memo editor over the content cell of `row`; `typed` (a key) replaces its text.
    void OpenMemo(int row, const QString& typed);
    /// The row of the current cell, or -1.
    [[nodiscard]] int CurrentRow() const;
    /// Moves the cursor to the content cell of `row`.
    void MoveToRow(int row);

signals:
    void hexCellClicked(int row);
    void memoClosed(int row, const QString& text);
    void enterPressed(int row);
    /// The focus left the grid (and its editors): pending edits are to be committed.
    void leftGrid();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    [[nodiscard]] bool Editable(const QModelIndex& index) const;

    GridHeaderView* heading_;
    FieldCellDelegate* delegate_;
    MemoEditor* memo_;
    bool multiLine_ = true;
    int memoRow_ = -1;
};

}  // namespace rekkan::ui
