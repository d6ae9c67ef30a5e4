#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
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

class ItemCellDelegate;
class ItemGridModel;

/// Windows of other tools that the layout editor opens from its menus and function bar.
enum class KvelTool {
    TypeNotation,      ///< "1. 項目型の表記法の定義を行う (&T)"
    OtherDefinitions,  ///< "2. その他の定義を行う (&E)"
    TextCsvOutput,     ///< "2. 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する (&C)"
    LanguageOutput,    ///< "3. 編集内容を 言語形式 で出力する (&L)"
    About,             ///< "このウィンドウについて(&A)"
    TextEditor,        ///< "Editor" (closed in the redefinition view)
    StructureImport,   ///< "構造体取り込み" (closed in the redefinition view)
    KeyItems,          ///< "Key"
    Memo,              ///< "Memo"
};
inline constexpr int kKvelToolCount = 9;

/// The layout editor window "Morvane", created once and hidden: header bar (layout comment and
/// prefix), function bar, information bar, the item grid with its level buttons and type list,
/// and the menus. What a control does is the controller's; the window forwards its events and
/// shows the state.
class TFm_Kvel : public QMainWindow, public LayoutEditorShell, private LayoutEditorObserver {
    Q_OBJECT
public:
    TFm_Kvel(Settings& settings, std::filesystem::path programFolder, MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_Kvel() override;

    [[nodiscard]] LayoutEditorController& Controller() { return *controller_; }
    [[nodiscard]] ItemGridModel& GridModel() { return *grid_; }
    /// The record editor to hand over to (may be null).
    void SetRecordEditor(RecordEditorLink* link) { controller_->SetRecordEditor(link); }
    /// Hooks a tool in: its menu item or button becomes usable and runs `open`; `window`, when
    /// given, is hidden when the layout editor closes and centred by the window size reset.
    void ConnectTool(KvelTool tool, std::function<void()> open, QWidget* window = nullptr);
    /// Hooks a tool window in: its menu item or button shows and raises `window`.
    void ConnectToolWindow(KvelTool tool, QWidget* window);
    /// The same for the tool whose menu item reads `menuText`.
    void ConnectToolWindow(const QString& menuText, QWidget* window);
    /// Where notices go (the resident message window, shown and closed by these); without one
    /// they show under the grid.
    void SetNoticeWindow(std::function<void(const QString&)> show, std::function<void()> close) {
        noticeWindow_ = std::move(show);
        closeNoticeWindow_ = std::move(close);
    }
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
    /// Program end: the window's place, the grid's widths, the settings, the type notation
    /// file and the temporary files (false after a message when a file could not be written).
    bool Shutdown();

    // ---- What the controller asks of the window ----
    [[nodiscard]] std::string AskOpenPath(const FileDialogRequest& request) override;
    [[nodiscard]] std::string AskSavePath(const FileDialogRequest& request) override;
    void ShowNotice(const std::string& text) override;
    void CloseNotice() override;
    void FocusGrid() override;
    void HideToolWindows() override;

signals:
    /// "ウィンドウを初期サイズにする" was agreed: the other windows of the program are centred.
    void windowSizesReset();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ToolControl {
        QAction* action = nullptr;
        QPushButton* button = nullptr;
        std::function<void()> open;
    };

    void Refresh() override { RefreshAll(); }
    // kvel_actions.cpp: menus, function bar, context menu and their enabling.
    void BuildMenus();
    QWidget* BuildFunctionBar();
    void RefreshControls();
    void OpenTool(KvelTool tool);
    // kvel_window.cpp
    QWidget* BuildHeaderBar();
    void StoreHeaderFields();
    void PrintLayout();
    void ResetWindowSize();
    // kvel_grid.cpp: the grid, its keys, mouse, level buttons and read-only cell box.
    void BuildGrid();
    void PlaceCursor();
    void PlaceLevelButtons();
    void UpdateGridWindow();
    void ShowContextMenuAt(const QPoint& viewportPoint);
    void ShowReadOnlyCell(const QModelIndex& index);
    void AutoScroll();
    [[nodiscard]] bool GridKey(QKeyEvent* key);
    void GridMouse(const QMouseEvent& event);

    Settings& settings_;
    QtClipboard clipboard_;
    std::unique_ptr<LayoutEditorController> controller_;
    ItemGridModel* grid_ = nullptr;
    ItemCellDelegate* delegate_ = nullptr;
    QTableView* table_ = nullptr;
    QWidget* levelButtons_ = nullptr;
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
    QAction* maxLines_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* overwrite_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* joinPrefix_ = nullptr;
    QAction* cutPrefix_ = nullptr;
    QAction* exchange_ = nullptr;
    std::array<ToolControl, kKvelToolCount> tools_{};
    std::vector<QPointer<QWidget>> toolWindows_;
    QString notice_;
    std::function<void(const QString&)> noticeWindow_;
    std::function<void()> closeNoticeWindow_;
    QTimer* saveTimer_ = nullptr;
    QTimer* autoScroll_ = nullptr;
    int autoScrollStep_ = 0;
    int enterPresses_ = 0;
    int pressRow_ = -1;
    bool marking_ = false;
    bool refreshing_ = false;
    bool placed_ = false;
};

}  // namespace rekkan::ui
