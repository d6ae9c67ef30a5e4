#include "ui/listing/csv_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"

namespace rekkan::ui {

TFm_Csv::TFm_Csv(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent)
    : QMainWindow(parent), settings_(editor.SharedSettings()), controller_(editor, messages, shell) {
    setObjectName(QStringLiteral("TFm_Csv"));
    setWindowTitle(QStringLiteral("Morvane for Rekkan 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    connect(file->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* heading = new QLabel(QStringLiteral("編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する"), central);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* kinds = new QHBoxLayout;
    text_ = new QRadioButton(QStringLiteral("TEXT 形式"), central);
    csv_ = new QRadioButton(QStringLiteral("CSV 形式"), central);
    auto* pair = new QButtonGroup(this);
    pair->addButton(text_);
    pair->addButton(csv_);
    kinds->addWidget(text_);
    kinds->addWidget(csv_);
    kinds->addStretch();
    layout->addLayout(kinds);
    connect(csv_, &QRadioButton::toggled, this, [this](bool on) { controller_.SetCsv(on); });

    auto* options = new QGroupBox(central);
    auto* grid = new QGridLayout(options);
    for (int b = 0; b < kListingBoxes; ++b) {
        const auto box = static_cast<ListingBox>(b);
        auto* check = new QCheckBox(ToQ(ListingBoxCaption(box)), options);
        connect(check, &QCheckBox::toggled, this, [this, box](bool on) { controller_.SetBox(box, on); });
        grid->addWidget(check, b % 8, b / 8);
        boxes_[b] = check;
    }
    layout->addWidget(options);
    layout->addWidget(new QLabel(QStringLiteral("レベル番号は「言語形式への変換出力」\n"
                                                "ウィンドウのレベル開始番号と増分値に\n"
                                                "従って付番されます。"),
                                 central));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    execute_ = new QPushButton(QStringLiteral("実行"), central);
    auto* close = new QPushButton(QStringLiteral("終了"), central);
    connect(execute_, &QPushButton::clicked, this, [this] { (void)controller_.Execute(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(execute_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(central);
}

void TFm_Csv::showEvent(QShowEvent* event) {
    if (!controller_.Shown()) {
        // The first show restores every choice (nothing is stored while they are set).
        (controller_.Csv() ? csv_ : text_)->setChecked(true);
        for (int b = 0; b < kListingBoxes; ++b) boxes_[b]->setChecked(controller_.Box(static_cast<ListingBox>(b)));
        RestorePlacement(*this, settings_.FPS_Csv);
        controller_.FirstShow();
    }
    QMainWindow::showEvent(event);
}

void TFm_Csv::closeEvent(QCloseEvent* event) {
    settings_.FPS_Csv = CapturePlacement(this, settings_.FPS_Csv);
    QMainWindow::closeEvent(event);
}

}  // namespace rekkan::ui
