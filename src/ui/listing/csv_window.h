#pragma once

#include <QMainWindow>

#include <array>

#include "layout_editor/listing_controller.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace rekkan::ui {

/// The text/CSV listing window "Morvane for Rekkan 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する": the
/// TEXT/CSV pair, the sixteen check boxes, "実行" and "終了". Created once and hidden when closed.
class TFm_Csv : public QMainWindow {
    Q_OBJECT
public:
    TFm_Csv(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent = nullptr);

    [[nodiscard]] ListingController& Controller() { return controller_; }
    [[nodiscard]] QRadioButton* TextButton() const { return text_; }
    [[nodiscard]] QRadioButton* CsvButton() const { return csv_; }
    [[nodiscard]] QCheckBox* Box(ListingBox box) const { return boxes_[static_cast<int>(box)]; }
    [[nodiscard]] QPushButton* ExecuteButton() const { return execute_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Settings& settings_;
    ListingController controller_;
    QRadioButton* text_ = nullptr;
    QRadioButton* csv_ = nullptr;
    std::array<QCheckBox*, kListingBoxes> boxes_{};
    QPushButton* execute_ = nullptr;
};

}  // namespace rekkan::ui
