#pragma once

#include <QDialog>

#include <memory>

#include "records/browse/range_csv_controller.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace rekkan::ui {

class BackgroundJob;
class TFm_Browse;

/// The record range CSV window: a range of Rec.Nos written as CSV through the controller,
/// then shown in the text viewer (or, past 1000 lines, reported). Created for each use from
/// the browse table's Print menu and shown modally. A long output shows its progress and can
/// be cancelled; the target then stays as it was.
class TFm_RecCsv : public QDialog {
    Q_OBJECT
public:
    TFm_RecCsv(RangeCsvController::Setup setup, Settings& settings, MessageSink& messages, EditorDialogs& dialogs,
               TFm_Browse* viewer, QWidget* parent = nullptr);
    ~TFm_RecCsv() override;

    [[nodiscard]] RangeCsvController& Controller() { return controller_; }
    /// How the last "実行" ended.
    [[nodiscard]] RangeCsvRun LastRun() const { return lastRun_; }
    /// True while an output is written (on a worker thread).
    [[nodiscard]] bool Running() const { return job_ != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Execute();
    void Written();
    void ShowBoxes();
    void SetRunning(bool on);

    RangeCsvController controller_;
    TFm_Browse* viewer_;
    QLineEdit* start_;
    QLineEdit* end_;
    QCheckBox* last_;
    QCheckBox* boxes_[4];
    QCheckBox* tofgen_;
    QPushButton* run_;
    QPushButton* close_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    bool firstShow_ = true;
    BackgroundJob* job_ = nullptr;
    std::optional<RangeCsvJob> prepared_;
    RangeCsvWritten written_;  ///< filled by the worker, read once it has finished
    RangeCsvRun lastRun_ = RangeCsvRun::Abandoned;
};

}  // namespace rekkan::ui
