#pragma once

#include <QMainWindow>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "layout_editor/layout_editor_controller.h"
#include "ui/layout_editor/qt_clipboard.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

namespace rekkan::ui {

class ItemGridModel;

/// The layout editor window "Morvane", created once and hidden: header bar (layout comment and
/// prefix), function bar, information bar, the item grid and the menus. What a control does is
/// the controller's; the window forwards its events and shows the state.
class TFm_Kvel : public QMainWindow, public LayoutEditorShell, private LayoutEditorObserver {
    Q_OBJECT
public:
    TFm_Kvel(Settings& settings, std::filesystem::path programFolder, MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_Kvel() override;

    [[nodiscard]] LayoutEditorController& Controller() { return *controller_; }
    [[nodiscard]] ItemGridModel& GridModel() { return *grid_; }
    /// The record editor to hand over to (may be null).
    void SetRecordEditor(RecordEditorLink* link) { controller_->SetRecordEditor(link); }
    /// "ﾚｲｱｳﾄの編集" of the record editor: its shown entry's layout is loaded and the window shown.
    bool EditFromRecordEditor();
    /// Runs a command of the buttons and menus (the header fields are stored first).
    void Run(EditorCommand command);
    /// Title, labels, header fields, grid, menus and buttons from the controller's state.
    void RefreshAll();
    /// The "保存" button rule, run every 700 ms.
    void RefreshSaveButton();
    /// The grid's context menu with its items enabled for the moment it opens.
    [[nodiscard]] QMenu* BuildContextMenu();

    // ---- What the controller asks of the window ----
    [[nodiscard]] std::string AskOpenPath(const FileDialogRequest& request) override;
    [[nodiscard]] std::string AskSavePath(const FileDialogRequest& request) override;
    void ShowNotice(const std::string& text) override;
    void FocusGrid() override;
    void HideToolWindows() override;

    /// Makes the menu item `menuText` open `window` (shown and raised); the window is hidden
    /// when the layout editor closes.
    void ConnectToolWindow(const QString& menuText, QWidget* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh() override { RefreshAll(); }
    void BuildMenus();
    QWidget* BuildHeaderBar();
    QWidget* BuildFunctionBar();
    void BuildGrid();
    void StoreHeaderFields();
    void PrintLayout();
    void ResetWindowSize();
    void PlaceCursor();
    [[nodiscard]] bool GridKey(QKeyEvent* key);
    void GridMouse(QEvent* event);

    Settings& settings_;
    QtClipboard clipboard_;
    std::unique_ptr<LayoutEditorController> controller_;
    ItemGridModel* grid_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QLabel* lines_ = nullptr;
    QLabel* recordLength_ = nullptr;
    QLabel* modeText_ = nullptr;
    QLabel* messageLine_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* levelDown_ = nullptr;
    QPushButton* levelUp_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* overwrite_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* joinPrefix_ = nullptr;
    QAction* cutPrefix_ = nullptr;
    QAction* exchange_ = nullptr;
    QTimer* saveTimer_ = nullptr;
    int enterPresses_ = 0;
    int pressRow_ = -1;
    bool marking_ = false;
    bool refreshing_ = false;
    std::vector<QWidget*> toolWindows_;
};

}  // namespace rekkan::ui
