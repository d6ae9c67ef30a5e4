// What other windows ask of the record editor: the print menu's actions, the grid to print,
// ending a cell edit, and the settings window's changes.
#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QTreeView>

#include "ui/app/colours.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/grid_geometry.h"
#include "ui/rec_editor/memo_editor.h"
#include "ui/rec_editor/rec_editor_controls.h"
#include "ui/rec_editor/rec_editor_menus.h"
#include "ui/rec_editor/rec_editor_window.h"

namespace rekkan::ui {

QList<QAction*> TFm_RecEditor::OutputActions() const { return menus_->outputs; }

QAction* TFm_RecEditor::SettingsAction() const { return menus_->settingsWindow; }

const FieldGridView& TFm_RecEditor::Grid() const { return *controls_->grid; }

void TFm_RecEditor::CommitPendingEdit() {
    FieldGridView& grid = *controls_->grid;
    if (grid.Memo().IsOpen()) grid.Memo().Close();  // hands its text to the session
    if (QWidget* editor = grid.indexWidget(grid.currentIndex())) {
        QAbstractItemDelegate* delegate = grid.itemDelegateForIndex(grid.currentIndex());
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }
    session_->CommitPendingEdits();
}

void TFm_RecEditor::ApplyGridSettings() {
    FieldGridView& grid = *controls_->grid;
    QFont font = grid.font();
    if (settings_.Cmb_FontSize > 0 && font.pointSize() != settings_.Cmb_FontSize) {
        font.setPointSize(settings_.Cmb_FontSize);
        grid.setFont(font);
        const QFontMetrics fm(font);
        grid.SetRowHeight(FieldRowHeight(fm.height(), font.pointSize()));
        grid.horizontalHeader()->setFixedHeight(fm.height() + 8);
    }
    grid.SetMultiLine(settings_.Cmb_RecCellEdit != 0);
    RefreshCaptions();
}

void TFm_RecEditor::SetTreeColours(int background, int text) {
    QPalette p = controls_->tree->palette();
    p.setColor(QPalette::Base, FromBgr(background));
    p.setColor(QPalette::Text, FromBgr(text));
    controls_->tree->setPalette(p);
}

}  // namespace rekkan::ui
