#pragma once

#include <QList>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace rekkan {
struct EditorEnabling;
}

namespace rekkan::ui {

/// The menus of the record editor: File(&F), Edit(&E), Option(&O), Print(&P), Help(&H), the
/// pop-up menu of the tree, and the two information captions at the right of the menu bar.
/// Each action is made once; commands of windows that do not exist yet stay disabled.
struct RecEditorMenus {
    /// Makes the menus in `window`'s menu bar.
    explicit RecEditorMenus(QMainWindow& window);

    /// Puts the grid's own commands on `grid` (keys and pop-up menu).
    void AttachGridActions(QWidget& grid) const;
    /// Enables every action from the session's enabling.
    void Apply(const EditorEnabling& enabling);

    QAction* openGroup;
    QAction* saveGroup;
    QAction* saveGroupAs;
    QAction* layoutEditor;
    QAction* quit;
    QAction* undo;
    QAction* chooseEditFile;
    QAction* clearEditFile;
    QAction* initialiseEditFile;
    QAction* settingsWindow;
    QAction* compactInfo;
    QList<QAction*> outputs;  ///< print, list text, CSV, control statements
    QMenu* help;              ///< Help(&H): the help documents, filled by the window set
    /// The grid's own commands (its pop-up menu and keys while it has the focus): the "HEX"
    /// cell of the current row, the "HEX" heading and the "目盛" switch, which are otherwise clicks.
    QAction* rowHex;
    QAction* allHex;
    QAction* ruler;
    QMenu* treeMenu;
    QAction* treeAdd;
    QAction* treeRemove;
    QAction* treeOpenGroup;
    QLabel* codecCaption;
    QLabel* fillCaption;
};

}  // namespace rekkan::ui
