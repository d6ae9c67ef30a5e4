#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTreeView;
class QWidget;

namespace rekkan::ui {

class FieldGridView;
class NumberBox;

/// The controls of the record editor window, made and arranged once: the group pane on the
/// left (buttons, path label, tree), on the right the comment panel, the edit file row, the
/// status boxes, the warning panel, the function buttons, the field grid and the message line.
/// Every control carries its object name (the control names of the window) and an accessible
/// name (its caption, or the label in front of it).
struct RecEditorControls {
    /// Makes every control inside `window`'s new central widget.
    explicit RecEditorControls(QWidget* central);

    QSplitter* splitter;
    QWidget* leftPane;
    QPushButton* paneWidth;     ///< "⇔" above the tree
    QPushButton* openGroup;     ///< "ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ"
    QPushButton* addLayout;     ///< "ﾚｲｱｳﾄ追加"
    QPushButton* removeLayout;  ///< "削除" above the tree
    QLabel* groupPath;
    QTreeView* tree;

    QLabel* comment;
    QPushButton* editFile;  ///< "編集するﾌｧｲﾙ"
    QLineEdit* editPath;
    QPushButton* editClear;
    QPushButton* editOpen;
    QPushButton* editClose;

    NumberBox* recNo;
    QPushButton* getRecNo;
    QLineEdit* recLen;
    QLineEdit* records;
    QLineEdit* fileSize;
    QLineEdit* filePos;
    NumberBox* basePos;
    QPushButton* baseMinusByte;
    QPushButton* basePlusByte;
    QPushButton* baseMinusRecord;
    QPushButton* basePlusRecord;
    QLabel* warning;

    QPushButton* first;
    QPushButton* prior;
    QPushButton* next;
    QPushButton* last;
    QPushButton* update;
    QPushButton* insert;
    QPushButton* append;
    QPushButton* remove;  ///< "削除" of records
    QPushButton* browse;
    QPushButton* layoutEdit;   ///< "ﾚｲｱｳﾄの編集"
    QPushButton* columnWidth;  ///< "⇔" among the function buttons
    QPushButton* gridPane;     ///< "⇔" at the grid

    FieldGridView* grid;
    QLabel* message;
    QProgressBar* progress;
    QPushButton* cancel;  ///< stops an insert or delete that rebuilds the file
};

/// Shows `text` in a panel; its accessible description follows, so that screen readers read
/// the panel (named by its role) with its text.
void SetPanelText(QLabel& label, const QString& text);
/// Colours a panel label: `text` on `background` (stored colour values).
void PaintPanel(QLabel& label, int background, int text);

}  // namespace rekkan::ui
