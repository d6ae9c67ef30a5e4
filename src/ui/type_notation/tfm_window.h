#pragma once

#include <QMainWindow>

#include "layout_editor/type_notation_controller.h"
#include "model/settings.h"

class QPushButton;
class QTableView;

namespace rekkan::ui {

class TypeNotationModel;

/// The type notation editor "Morvane for Rekkan 項目型の表記法の定義": the 38-row table with its
/// one edited column, "更新", reset, print and about. Created once and hidden when closed.
class TFm_Tfm : public QMainWindow {
    Q_OBJECT
public:
    TFm_Tfm(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent = nullptr);

    [[nodiscard]] TypeNotationController& Controller() { return controller_; }
    [[nodiscard]] TypeNotationModel& Model() { return *model_; }
    [[nodiscard]] QTableView* Table() const { return table_; }
    [[nodiscard]] QPushButton* UpdateButton() const { return update_; }
    /// "標準の表記法にリセットする".
    void Reset();
    /// "項目型の表記法の定義を印刷する": the table in the print preview.
    void Print();

signals:
    /// The labels changed: the layout editor redraws its grid and record length.
    void LayoutEditorChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Update();

    Settings& settings_;
    TypeNotationController controller_;
    TypeNotationModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* update_ = nullptr;
    bool placed_ = false;
};

}  // namespace rekkan::ui
