#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"
#include "records/field_entry.h"
#include "records/layout_group.h"
#include "records/record_fields.h"
#include "util/messages.h"

class QLabel;
class QTableView;
class QTreeWidget;

namespace rekkan::ui {

class FieldTableModel;

/// The record editor, the main window. For now it opens a layout group or a layout and shows
/// each layout's fields with the first record of its data file, read-only.
class TFm_RecEditor : public QMainWindow {
    Q_OBJECT
public:
    TFm_RecEditor(Settings& settings, MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_RecEditor() override;

    /// Opens a layout group file (".LGP") or a layout file, as a dropped file would be.
    bool OpenPath(const std::string& cp932Path);

    /// Layouts of the open group: layout path and data file path (CP932).
    [[nodiscard]] const std::vector<GroupLine>& Entries() const { return entries_; }
    /// Shows entry `i`: loads its layout and decodes the first record of its data file.
    bool ShowEntry(int i);
    [[nodiscard]] const std::vector<TRdbObj>& Fields() const { return fields_; }
    [[nodiscard]] const RecordTexts& Texts() const { return texts_; }
    [[nodiscard]] QString OutcomeText() const;

private:
    void BuildTree();

    Settings& settings_;
    MessageSink& messages_;
    std::vector<GroupLine> entries_;
    LayoutDocument doc_;
    std::vector<TRdbObj> fields_;
    RecordTexts texts_;
    QTreeWidget* tree_ = nullptr;
    QTableView* table_ = nullptr;
    FieldTableModel* model_ = nullptr;
    QLabel* outcome_ = nullptr;
};

/// The window title: "Rekkan Ver " and the version.
[[nodiscard]] QString RecEditorTitle();

}  // namespace rekkan::ui
