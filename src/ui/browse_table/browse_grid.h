#pragma once

#include <QWidget>

#include <vector>

class QAbstractItemModel;
class QItemSelectionModel;
class QModelIndex;
class QPlainTextEdit;
class QScrollBar;
class QTableView;

namespace rekkan::ui {

class BrowseCellDelegate;
class BrowseHeaderView;

/// The table of the browse and search windows: the first `fixedColumns` columns frozen on
/// the left, the item columns scrolling beside them, the four heading lines above both, and a
/// vertical scroll bar of the window's own (the rows on screen are all the table holds; the
/// bar moves the base record). Up on the first row and Down on the last ask for a step of the
/// base instead. A double-click can show a cell's whole text in a pop-up box over the cell.
class BrowseGrid : public QWidget {
    Q_OBJECT
public:
    BrowseGrid(int fixedColumns, BrowseCellDelegate* delegate, QWidget* parent = nullptr);

    void SetModel(QAbstractItemModel* model);
    [[nodiscard]] QTableView* FixedView() const { return fixed_; }
    [[nodiscard]] QTableView* ItemView() const { return items_; }
    [[nodiscard]] QScrollBar* Bar() const { return bar_; }
    [[nodiscard]] QItemSelectionModel* Selection() const;
    /// The view that shows column `column`.
    [[nodiscard]] QTableView* ViewOf(int column) const;

    [[nodiscard]] int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    /// Heights of lines 0 to 2 and of the item-name line, and of each data row.
    void SetHeights(int line, int nameLine, const std::vector<int>& rows);
    /// Height of the heading lines 0 to 2 (the default row height).
    [[nodiscard]] int LineHeight() const { return line_; }
    /// Height the rows and headings may take (the grid less its horizontal scroll bar).
    [[nodiscard]] int AreaHeight() const;
    void SetCentred(bool on);
    void SetWrap(bool on);

    /// Makes `index` current and selected.
    void Select(const QModelIndex& index);
    /// Scrolls the item columns so that `column` is the first one visible.
    void ShowFirstColumn(int column);
    /// Scrolls both views to their first data row.
    void ToTop();
    /// Shows `text` in the pop-up box over the cell of `index`.
    void PopUp(const QModelIndex& index, const QString& text);
    [[nodiscard]] QPlainTextEdit* PopUpBox() const { return popup_; }

signals:
    /// Up on the first data row (-1) or Down on the last (+1).
    void stepRequested(int delta);
    /// A data cell was double-clicked.
    void cellDoubleClicked(const QModelIndex& index);
    /// The current cell changed (invalid: none).
    void currentChanged(const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* MakeView(BrowseCellDelegate* delegate);
    void HideColumns();
    void HidePopUp();

    int fixedColumns_;
    QTableView* fixed_;
    QTableView* items_;
    QScrollBar* bar_;
    QPlainTextEdit* popup_;
    int line_ = 20;
};

}  // namespace rekkan::ui
