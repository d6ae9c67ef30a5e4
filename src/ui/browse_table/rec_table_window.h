#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/settings.h"
#include "records/browse/browse_choices.h"
#include "records/browse/browse_table.h"
#include "records/editor/editor_dialogs.h"
#include "util/messages.h"

class QTimer;

namespace rekkan::ui {

class BrowseCellDelegate;
class BrowseGrid;
class BrowseTableModel;
struct RecTableControls;

/// What the record editor hands the browse table.
struct RecTableSetup {
    BrowseSource source;
    const std::vector<TRdbObj>* fields = nullptr;  ///< must outlive the window
    CodecOptions codec;
    std::string warning;        ///< the record editor's warning text (CP932)
    std::string programFolder;  ///< CP932, where the range CSV proposes its file without a data file
};

/// The windows the browse table opens, given by the window set.
struct RecTableLinks {
    /// "検索": opens the search window over this table (not modally).
    std::function<void(class TFm_RecTable&)> openSearch;
    /// The table closes: the search window is closed with it (a running search stopped).
    std::function<void()> closeSearch;
    /// Print "1. レコード内容をＣＳＶ形式で出力する (&C)": the range CSV window, modally.
    std::function<void(class TFm_RecTable&)> openRangeCsv;
    /// The fixed item changed (stored in the layout group entry).
    std::function<void(int item)> fixedItemChosen;
};

/// The browse table: the records of the edited data file as rows, one column per field entry,
/// only the rows on screen read, from a base record the box, the buttons, the scroll bar and
/// the arrow keys move. Created for each use, shown modally, destroyed afterwards; its result
/// is the Rec.No of the selected row ("ｶﾚﾝﾄ Rec.No", possibly empty).
class TFm_RecTable : public QDialog {
    Q_OBJECT
public:
    TFm_RecTable(RecTableSetup setup, Settings& settings, MessageSink& messages, RecTableLinks links,
                 QWidget* parent = nullptr);
    ~TFm_RecTable() override;

    /// The Rec.No of the selected row when the window closed ("ｶﾚﾝﾄ Rec.No").
    [[nodiscard]] QString ResultRecNo() const { return result_; }
    /// Sets the base from a Rec.No text (as typed into the box) and, when `column` is a column
    /// of the table, makes it the first visible column and selects it in the first data row.
    void LinkTo(const QString& recNo, int column);

    [[nodiscard]] BrowseTable& Table() { return *table_; }
    [[nodiscard]] const RecTableSetup& Setup() const { return setup_; }
    [[nodiscard]] BrowseGrid& Grid() { return *grid_; }
    [[nodiscard]] int DataRows() const { return dataRows_; }
    [[nodiscard]] bool Centred() const;
    /// True once the deferred first load has filled the rows.
    [[nodiscard]] bool Loaded() const { return loaded_; }
    /// The rows now, without waiting for the deferred first load (tests, pictures).
    void LoadNow();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Connect();
    void FirstShow();
    void DeferredLoad();
    void BuildColumns();
    void ApplyFixedColumn();
    void Refill();
    void ShowLabels();
    void ApplyFolding();
    void ApplyMaxWidth();
    void ApplyFormat();
    void SetBaseFromBox();
    void StepBase(int delta);
    void BarMoved(bool actionEnded);
    void KeyStep(int delta);
    void ResetBar();
    void FitRows();
    void CurrentChanged(const QModelIndex& index);
    void PopUp(const QModelIndex& index);
    [[nodiscard]] int CharWidth() const;

    RecTableSetup setup_;
    Settings& settings_;
    MessageSink& messages_;
    RecTableLinks links_;
    BrowseChoices choices_;
    std::unique_ptr<BrowseTable> table_;
    std::unique_ptr<RecTableControls> controls_;
    BrowseCellDelegate* delegate_;
    BrowseGrid* grid_;
    BrowseTableModel* model_;
    QTimer* timer_;
    int rowHeight_ = 20;
    int dataRows_ = 1;
    std::int64_t barPosition_ = 0;
    int fixedWidths_[3] = {};
    bool firstShow_ = true;
    bool loaded_ = false;
    bool settingBar_ = false;
    QString result_;
};

}  // namespace rekkan::ui
