#pragma once

#include <QList>
#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>

#include "model/layout_document.h"
#include "model/settings.h"
#include "records/editor/editor_observer.h"
#include "records/editor/record_editor_session.h"
#include "util/messages.h"

namespace rekkan::ui {

class BackgroundJob;
class FieldGridModel;
class FieldGridView;
class GroupTreeModel;
struct RecEditorControls;
struct RecEditorMenus;

/// The record editor, the main window: the layout group as a tree on the left, the shown
/// layout's data file, status and field grid on the right. A thin view over the record editor
/// session: what is enabled, which message, which record all come from the session; the window
/// turns them into widgets and hands the user's commands back. Insert and delete rebuild the
/// file on a worker thread with progress and a stop button.
class TFm_RecEditor : public QMainWindow, private EditorObserver {
    Q_OBJECT
public:
    TFm_RecEditor(Settings& settings, LayoutDocument& doc, MessageSink& messages, EditorDialogs& dialogs,
                  const TypeNotation* notation = nullptr, QWidget* parent = nullptr);
    ~TFm_RecEditor() override;

    /// The command-line argument: a layout group is loaded, a layout added, without report.
    void TakeArgument(const QString& path);
    /// The session behind the window (for the windows that read its field list).
    [[nodiscard]] RecordEditorSession& Session() { return *session_; }
    /// Files dropped on the window: each is classified and taken as the session says.
    void DropFiles(const QList<QUrl>& urls);
    /// The Help(&H) menu, for the window set to fill.
    [[nodiscard]] QMenu& HelpMenu();
    /// "ﾚｲｱｳﾄの編集" (button and menu item) runs `open`; both stay disabled until it is given.
    void ConnectLayoutEditor(std::function<void()> open);
    /// True while an insert or delete rebuilds the data file.
    [[nodiscard]] bool Busy() const;

    // What other windows ask of the record editor (rec_editor_services.cpp).
    /// The actions of the Print(&P) menu: print, list text, CSV, control statements.
    [[nodiscard]] QList<QAction*> OutputActions() const;
    /// The action "1. 動作環境の定義を行う (&D)" of the Option(&O) menu.
    [[nodiscard]] QAction* SettingsAction() const;
    /// The field grid as shown (the print takes its column widths and font).
    [[nodiscard]] const FieldGridView& Grid() const;
    /// Ends a cell edit in progress: an open cell editor hands its text over, and every
    /// pending edit is encoded into the record buffer.
    void CommitPendingEdit();
    /// The settings changed: the grid's font, row heights and input mode and the information
    /// captions follow them (the session decodes the record again itself).
    void ApplyGridSettings();
    /// Colours the layout tree (the settings' integer form: background, text).
    void SetTreeColours(int background, int text);

signals:
    /// "Browse" was pressed: the window set opens the browse table.
    void browseRequested();
    /// Another layout or data file is shown.
    void entrySwitched();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // EditorObserver
    void GroupChanged() override;
    void EntryShown() override;
    void FieldsChanged() override;
    void RowChanged(int row) override;
    void StatusChanged() override;
    void OutcomeChanged() override;
    void EnablingChanged() override;
    void UndoChanged() override;
    void MoveCursor(int row) override;

    void Connect();
    void ConnectGroup();
    void ConnectRecords();
    void SetUpGrid();
    void SizeRows();
    void RestoreState();
    void StoreSettings();
    void ShowTreeNode(const QModelIndex& index);
    void RemoveSelectedLayout();
    void MoveSelectedLayout(int by);
    void GoToRecNo();
    void ChangeBase(BaseStep step);
    void EnterInGrid(int row);
    void StartRebuild(bool insert);
    void RebuildFinished(bool ok);
    void SetBusy(bool busy);
    void CyclePaneWidth();
    void ToggleTreePane();
    void TogglePositionColumns();
    void ToggleRuler();
    void RefreshCaptions();

    Settings& settings_;
    std::unique_ptr<RecordEditorSession> session_;
    std::unique_ptr<RecEditorControls> controls_;
    std::unique_ptr<RecEditorMenus> menus_;
    GroupTreeModel* treeModel_;
    FieldGridModel* gridModel_;
    BackgroundJob* job_;
    bool syncingTree_ = false;
    int startPaneWidth_ = 0;
    bool positionColumnsHidden_ = false;
    std::function<void()> openLayoutEditor_;
    std::array<int, 3> positionColumnWidths_{};
};

/// The window title: "Rekkan Ver " and the version.
[[nodiscard]] QString RecEditorTitle();

}  // namespace rekkan::ui
