#pragma once

#include <QMainWindow>

#include "layout_editor/key_item_editor.h"

class QListView;
class QPushButton;

namespace rekkan {
class LayoutEditorController;
}

namespace rekkan::ui {

class KeyListModel;
class KeyPaletteModel;
class KeySelectionModel;

/// The key item editor "Morvane キー項目の編集": items are dragged from the selection list into
/// the key list, palette entries onto key lines, key lines back to delete them. Created once,
/// hidden when closed; every activation measures the layout again and validates the keys.
class TFm_Idx : public QMainWindow {
    Q_OBJECT
public:
    TFm_Idx(LayoutEditorController& editor, MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_Idx() override;

    /// Shows the window (its placement restored on the first showing).
    void Open();
    /// What the window does on becoming active.
    void Activate();
    [[nodiscard]] KeyItemEditor& Keys() { return keys_; }
    [[nodiscard]] QListView* SelectionList() const { return selection_; }
    [[nodiscard]] QListView* KeyList() const { return keyList_; }
    [[nodiscard]] KeySelectionModel& SelectionModel() const { return *selectionModel_; }
    [[nodiscard]] KeyListModel& KeyModel() const { return *keyModel_; }
    [[nodiscard]] KeyPaletteModel& Palette(int which) const { return *palettes_[which]; }

signals:
    /// The key lines changed (the layout is modified).
    void KeysChanged();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildHeadings(QWidget* parent, bool keyList);
    void BuildMenus();
    void Changed(int selected);
    void Print();

    LayoutEditorController& editor_;
    KeyItemEditor keys_;
    KeySelectionModel* selectionModel_ = nullptr;
    KeyListModel* keyModel_ = nullptr;
    KeyPaletteModel* palettes_[3] = {};
    QListView* selection_ = nullptr;
    QListView* keyList_ = nullptr;
    bool placed_ = false;
    std::vector<std::string> shownKeys_;  ///< the key lines the lists show
    std::vector<TRspec> shownItems_;      ///< the layout rows the selection list was built from
};

}  // namespace rekkan::ui
