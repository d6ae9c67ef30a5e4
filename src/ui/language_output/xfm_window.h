#pragma once

#include <QMainWindow>

#include <array>

#include "layout_editor/language_output_controller.h"

class QComboBox;
class QPushButton;

namespace rekkan::ui {

/// The language output window "Morvane for Rekkan 言語形式への変換出力": the C, VB and COBOL
/// buttons and the ten COBOL option lists. Created once and hidden when closed.
class TFm_Xfm : public QMainWindow {
    Q_OBJECT
public:
    TFm_Xfm(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent = nullptr);

    [[nodiscard]] LanguageOutputController& Controller() { return controller_; }
    [[nodiscard]] QPushButton* LanguageButton(OutputLanguage language) const;
    [[nodiscard]] QComboBox* OptionList(CobolOptionBox box) const { return lists_[static_cast<int>(box)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Settings& settings_;
    LanguageOutputController controller_;
    std::array<QComboBox*, kCobolOptionBoxes> lists_{};
    std::array<QPushButton*, 3> buttons_{};
    bool placed_ = false;
};

}  // namespace rekkan::ui
