#pragma once

#include <QMainWindow>

#include "records/browse/search_runner.h"
#include "util/messages.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rekkan::ui {

class BrowseCellDelegate;
class BrowseGrid;
class SearchResultModel;
class TFm_RecTable;

/// The search window: records whose decoded values hold the words, listed with the cells
/// marked, next and prior marked cell, and the browse table moved to a hit. Created once and
/// hidden when closed. The search runs on a worker thread and can be stopped at any moment;
/// progress and the new hits come back every 500 records.
class TFm_RecSearch : public QMainWindow {
    Q_OBJECT
public:
    explicit TFm_RecSearch(MessageSink& messages, QWidget* parent = nullptr);
    ~TFm_RecSearch() override;

    /// Shows the window over browse table `table` (reset on the first show).
    void Open(TFm_RecTable& table);
    /// Clears the words, the hits and the result table (another layout or data file).
    void Reset();
    /// The browse table closes: a running search is stopped and waited for, the window hidden.
    void CloseWithTable();
    /// "検索実行".
    void Execute();
    /// "中断": the search stops at its next 500-record mark.
    void Stop() { runner_.RequestStop(); }
    [[nodiscard]] bool Searching() const { return searching_; }
    /// Waits until a running search has ended and its end has been shown (tests).
    void WaitForEnd();
    [[nodiscard]] SearchResultModel& Results() { return *model_; }
    [[nodiscard]] BrowseGrid& Grid() { return *grid_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Progressed();
    void Ended();
    void Walk(bool forward);
    void Link(const QModelIndex& index);
    void SetSearching(bool on);

    MessageSink& messages_;
    SearchRunner runner_;
    TFm_RecTable* table_ = nullptr;
    SearchResultModel* model_;
    BrowseCellDelegate* delegate_;
    BrowseGrid* grid_;
    QLineEdit* words_;
    QRadioButton* and_;
    QRadioButton* or_;
    QPushButton* execute_;
    QPushButton* stop_;
    QPushButton* next_;
    QPushButton* prior_;
    QPushButton* close_;
    QLineEdit* count_;
    QLabel* guide_;
    bool firstShow_ = true;
    bool searching_ = false;
};

}  // namespace rekkan::ui
