#pragma once

#include <QAbstractTableModel>

namespace rekkan {
class RecordEditorSession;
struct Settings;
}  // namespace rekkan

namespace rekkan::ui {

/// The record editor's field grid: one row per field entry of the session, the eight columns
/// "SEQ" ... "内容". Every cell is asked of the session when it is painted, so a layout of any
/// size costs only its visible rows. Only the content cell of a field row is selectable; it is
/// editable while the session's grid accepts edits, and an edit is handed to the session.
class FieldGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FieldGridModel(RecordEditorSession& session, const Settings& settings, QObject* parent = nullptr);

    /// The rows were rebuilt (another entry is shown).
    void RowsRebuilt();
    /// Every row's cells changed (a record was read).
    void AllRowsChanged();
    /// One row changed.
    void RowChanged(int row);
    /// The headings changed (all-hex state, ruler).
    void HeadingsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    [[nodiscard]] QVariant Display(int row, int column) const;

    RecordEditorSession& session_;
    const Settings& settings_;
};

}  // namespace rekkan::ui
