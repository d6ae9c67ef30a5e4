#pragma once

#include <QMainWindow>

#include <array>

#include "layout_editor/other_definitions_controller.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace rekkan::ui {

/// The other definitions window "Morvane for Rekkan その他の定義": the pages "Integer Size",
/// "表示方法" and "Editor" (the pages "型名の入力" and "再定義の表示方法" are built but not shown),
/// "更新" and "終了". Created once and hidden when closed.
class TFm_Etc : public QMainWindow {
    Q_OBJECT
public:
    TFm_Etc(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent = nullptr);

    [[nodiscard]] OtherDefinitionsController& Controller() { return controller_; }
    [[nodiscard]] QTabWidget* Pages() const { return pages_; }
    [[nodiscard]] QComboBox* List(EtcList list) const { return lists_[static_cast<int>(list)]; }
    [[nodiscard]] QLineEdit* EditorPath() const { return path_; }
    [[nodiscard]] QLineEdit* WorkExtension() const { return ext_; }
    [[nodiscard]] QRadioButton* EditorOther() const { return editorOther_; }
    [[nodiscard]] QPushButton* BrowseButton() const { return browse_; }
    [[nodiscard]] QCheckBox* ViewBox() const { return view_; }
    [[nodiscard]] QPushButton* UpdateButton() const { return update_; }
    /// The two pages that are not shown.
    [[nodiscard]] QWidget* TypeInputPage() const { return typeInputPage_; }
    [[nodiscard]] QWidget* ViewPage() const { return viewPage_; }

signals:
    /// The layout editor changed (settings applied, rows cut, view entered or left): it redraws.
    void LayoutEditorChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* IntegerPage();
    QWidget* DisplayPage();
    QWidget* EditorPage();
    QWidget* TypeInputPageBuild();
    QWidget* ViewPageBuild();
    QComboBox* AddList(EtcList list, QWidget* page);
    void LoadControls();
    void Update();
    void Browse();
    void RefreshEnabling();
    void Typed(QLineEdit& box, const QString& text,
               std::string (OtherDefinitionsController::*take)(const std::string&, bool));

    Settings& settings_;
    OtherDefinitionsController controller_;
    QTabWidget* pages_ = nullptr;
    std::array<QComboBox*, kEtcLists> lists_{};
    QRadioButton* kinshiOff_ = nullptr;
    QRadioButton* kinshiOn_ = nullptr;
    QRadioButton* redOff_ = nullptr;
    QRadioButton* redOn_ = nullptr;
    QRadioButton* editorSelf_ = nullptr;
    QRadioButton* editorOther_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLineEdit* workName_ = nullptr;
    QLineEdit* ext_ = nullptr;
    QCheckBox* view_ = nullptr;
    QPushButton* update_ = nullptr;
    QWidget* typeInputPage_ = nullptr;
    QWidget* viewPage_ = nullptr;
    bool placed_ = false;
    bool loading_ = false;
};

}  // namespace rekkan::ui
