#include "ui/range_csv/rec_csv_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/qt_text.h"
#include "ui/app/wait_cursor.h"
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
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
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

TFm_RecCsv::~TFm_RecCsv() = default;

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

bool TFm_RecCsv::Progress(std::int64_t lines, std::int64_t expected) {
    // The output is written on this thread; the window repaints and takes the cancel button
    // at most ten times a second.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastPaint_ >= 100) {
        lastPaint_ = now;
        if (!progress_->isVisible()) {
            progress_->show();
            cancel_->show();
            run_->hide();
        }
        progress_->setValue(expected > 0 ? static_cast<int>(std::min<std::int64_t>(lines * 1000 / expected, 1000)) : 0);
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    }
    return !cancelled_;
}

void TFm_RecCsv::Execute() {
    if (running_) return;
    controller_.StartText() = FromQ(start_->text());
    controller_.EndText() = FromQ(end_->text());
    running_ = true;
    cancelled_ = false;
    close_->setEnabled(false);
    lastRun_ =
        controller_.Execute([this](std::int64_t lines, std::int64_t expected) { return Progress(lines, expected); });
    running_ = false;
    progress_->hide();
    cancel_->hide();
    run_->show();
    close_->setEnabled(true);
    ShowBoxes();
    if (lastRun_ == RangeCsvRun::Viewer && viewer_) {
        (void)viewer_->ShowFile(nullptr, RangeCsvController::ViewerCaption(), true, controller_.OutputPath());
        viewer_->show();
        viewer_->raise();
    }
}

void TFm_RecCsv::closeEvent(QCloseEvent* event) {
    if (running_) {  // a running output is cancelled first
        cancelled_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace rekkan::ui
