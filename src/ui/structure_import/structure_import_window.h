#pragma once

#include <QMainWindow>

#include <functional>
#include <string>

#include "layout_editor/structure_import_controller.h"
#include "ui/layout_editor/qt_clipboard.h"

class QAbstractListModel;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace rekkan::ui {

class TFm_Browse;

/// The structure import window "Morvane for Rekkan 構造体の取り込み": created once, hidden when
/// closed. The controller runs the scans and the import; the window shows the list and options.
class TFm_Hed : public QMainWindow, private StructureImportShell {
    Q_OBJECT
public:
    /// `focusEditor` gives the layout editor the focus after an import.
    TFm_Hed(LayoutEditorController& editor, MessageSink& messages, TFm_Browse& browse,
            std::function<void()> focusEditor, QWidget* parent = nullptr);
    ~TFm_Hed() override;

    /// Shows the window with the source path in the file label (from the layout editor).
    void ShowFileName();
    [[nodiscard]] StructureImportController& Controller() { return controller_; }
    /// The language buttons, the list and OK, for tests and the accessibility tree.
    [[nodiscard]] QPushButton* LanguageButton(SourceLanguage language) const;
    [[nodiscard]] QListView* List() const { return list_; }
    [[nodiscard]] QPushButton* OkButton() const { return ok_; }
    [[nodiscard]] QLabel* MessageLabel() const { return message_; }
    [[nodiscard]] QLineEdit* Display() const { return display_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::string AskSourcePath(const FileDialogRequest& request) override;
    void ShowWrittenNotice(const std::string& caption, const std::string& cp932Path) override;
    void ImportFinished() override;

    QWidget* BuildOptions();
    void BuildMenus();
    void Choose(SourceLanguage language);
    void Refresh();
    void RunOk();

    QtClipboard clipboard_;
    StructureImportController controller_;
    LayoutEditorController& editor_;
    TFm_Browse& browse_;
    std::function<void()> focusEditor_;
    QAbstractListModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* languages_[3] = {};
    QPushButton* ok_ = nullptr;
    QRadioButton* append_ = nullptr;
    QLabel* file_ = nullptr;
    QLabel* message_ = nullptr;
    QLineEdit* display_ = nullptr;
    bool placed_ = false;
};

}  // namespace rekkan::ui
