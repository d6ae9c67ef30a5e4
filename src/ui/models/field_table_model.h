#pragma once

#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "records/field_entry.h"
#include "records/record_fields.h"

namespace rekkan::ui {

/// The fields of one layout with the texts of one record: a read-only view over core data.
class FieldTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kPos, kSize, kType, kContent, kColumnCount };

    explicit FieldTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    /// Shows `fields` with `texts` (texts may be empty when no record was read).
    void Show(const std::vector<TRdbObj>* fields, const RecordTexts* texts);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<TRdbObj>* fields_ = nullptr;
    const RecordTexts* texts_ = nullptr;
};

}  // namespace rekkan::ui
