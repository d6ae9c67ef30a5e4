#include "ui/range_csv/rec_csv_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/background_job.h"
#include "ui/app/qt_text.h"
#include "ui/text_viewer/browse_window.h"

namespace rekkan::ui {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setAccessibleName(caption);
    return c;
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& label) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(label);
    e->setAlignment(Qt::AlignRight);
    return e;
}

constexpr RangeCsvBox kBoxes[4] = {RangeCsvBox::RecNo, RangeCsvBox::Position, RangeCsvBox::Groups,
                                   RangeCsvBox::Heading};

}  // namespace

TFm_RecCsv::TFm_RecCsv(RangeCsvController::Setup setup, Settings& settings, MessageSink& messages,
                       EditorDialogs& dialogs, TFm_Browse* viewer, QWidget* parent)
    : QDialog(parent), controller_(std::move(setup), settings, messages, dialogs), viewer_(viewer) {
    setObjectName(QStringLiteral("TFm_RecCsv"));
    setWindowTitle(QStringLiteral("Rekkan Print Csv  "));
    setAccessibleName(windowTitle());
    setWindowModality(Qt::WindowModal);  // the text viewer stays usable
    auto* outer = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    outer->setMenuBar(menu);
    QAction* exit = menu->addMenu(Q("ファイル(&F)"))->addAction(Q("終了(&X)"));
    outer->addWidget(new QLabel(Q("レコード内容をＣｓｖ 形式で出力します。"), this));

    auto* grid = new QGridLayout;
    start_ = Box(this, "Edt_Start", Q("開始 Rec.No"));
    end_ = Box(this, "Edt_End", Q("～"));
    auto* startLabel = new QLabel(Q("開始 Rec.No"), this);
    startLabel->setBuddy(start_);
    auto* endLabel = new QLabel(Q("～"), this);
    endLabel->setBuddy(end_);
    last_ = Check(this, "Chk_Last", Q("最終 Rec.No："));
    grid->addWidget(startLabel, 0, 0);
    grid->addWidget(start_, 0, 1);
    grid->addWidget(endLabel, 0, 2);
    grid->addWidget(end_, 0, 3);
    grid->addWidget(last_, 0, 4);
    const char* names[4] = {"RecCsv_Chk_Rno", "RecCsv_Chk_Pos", "RecCsv_Chk_Grp", "RecCsv_Chk_Mid"};
    const char* captions[4] = {"Rec.No", "位置", "グループ項目", "項目見出し行"};
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = Check(this, names[i], Q(captions[i]));
        boxes_[i]->setChecked(controller_.Box(kBoxes[i]));
        grid->addWidget(boxes_[i], 1 + i / 2, 1 + 2 * (i % 2));
    }
    tofgen_ = Check(this, "Chk_Tofgen", Q("Tofgen の制御文付き"));
    grid->addWidget(tofgen_, 3, 1, 1, 3);
    outer->addLayout(grid);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Progress"));
    progress_->setAccessibleName(Q("進捗"));
    progress_->setRange(0, 1000);
    progress_->hide();
    auto* buttons = new QHBoxLayout;
    run_ = Button(this, "Btn_Execute", Q("実行"));
    cancel_ = Button(this, "Btn_Cancel", Q("中断"));
    cancel_->hide();
    close_ = Button(this, "Btn_Close", Q("終了"));
    buttons->addWidget(progress_, 1);
    buttons->addStretch(1);
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    buttons->addWidget(close_);
    outer->addLayout(buttons);

    connect(exit, &QAction::triggered, this, &QDialog::reject);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(run_, &QPushButton::clicked, this, &TFm_RecCsv::Execute);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (job_) job_->Cancel();
    });
    connect(last_, &QCheckBox::clicked, this, [this](bool on) {
        controller_.SetLast(on);
        end_->setText(ToQ(controller_.EndText()));
    });
    for (int i = 0; i < 4; ++i)
        connect(boxes_[i], &QCheckBox::clicked, this, [this, i](bool on) { controller_.SetBox(kBoxes[i], on); });
    connect(tofgen_, &QCheckBox::toggled, this, [this](bool on) {
        controller_.SetTofgen(on);
        for (QCheckBox* box : boxes_) box->setEnabled(controller_.BoxesEnabled());
    });
}

TFm_RecCsv::~TFm_RecCsv() {
    delete job_;  // cancels and waits for a running output before what it writes into goes
}

void TFm_RecCsv::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    controller_.FirstShow();
    last_->setText(ToQ(controller_.LastCaption()));
    ShowBoxes();
}

void TFm_RecCsv::ShowBoxes() {
    start_->setText(ToQ(controller_.StartText()));
    end_->setText(ToQ(controller_.EndText()));
}

void TFm_RecCsv::SetRunning(bool on) {
    progress_->setVisible(on);
    progress_->setValue(0);
    cancel_->setVisible(on);
    run_->setVisible(!on);
    close_->setEnabled(!on);
}

void TFm_RecCsv::Execute() {
    if (job_) return;
    controller_.StartText() = FromQ(start_->text());
    controller_.EndText() = FromQ(end_->text());
    prepared_ = controller_.Prepare();
    ShowBoxes();
    if (!prepared_) {
        lastRun_ = RangeCsvRun::Abandoned;
        return;
    }
    // The output is written on a worker thread; the window shows its progress and can cancel it.
    job_ = new BackgroundJob(this);
    connect(job_, &BackgroundJob::progressed, progress_, &QProgressBar::setValue);
    connect(job_, &BackgroundJob::finished, this, &TFm_RecCsv::Written);
    SetRunning(true);
    const RangeCsvJob job = *prepared_;
    job_->Start([this, job](const BackgroundJob::Progress& progress) {
        written_ = RangeCsvController::Write(job, progress);
        return written_.run == RangeCsvRun::Viewer;
    });
}

void TFm_RecCsv::Written() {
    job_->deleteLater();
    job_ = nullptr;
    SetRunning(false);
    lastRun_ = controller_.Finish(*prepared_, written_);
    if (lastRun_ == RangeCsvRun::Viewer && viewer_) {
        (void)viewer_->ShowFile(nullptr, RangeCsvController::ViewerCaption(), true, controller_.OutputPath());
        viewer_->show();
        viewer_->raise();
    }
}

void TFm_RecCsv::closeEvent(QCloseEvent* event) {
    if (job_) {  // a running output is cancelled first; the window closes on the next request
        job_->Cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace rekkan::ui
