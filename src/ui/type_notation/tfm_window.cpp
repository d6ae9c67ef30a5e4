#include "ui/type_notation/tfm_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "ui/app/window_services.h"
#include "ui/models/type_notation_model.h"
#include "ui/print/table_printer.h"

namespace rekkan::ui {

TFm_Tfm::TFm_Tfm(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell, QWidget* parent)
    : QMainWindow(parent), settings_(editor.SharedSettings()), controller_(editor, messages, shell) {
    setObjectName(QStringLiteral("TFm_Tfm"));
    setWindowTitle(QStringLiteral("Morvane for Rekkan 項目型の表記法の定義"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    connect(file->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this, &QWidget::close);
    QMenu* option = menuBar()->addMenu(QStringLiteral("Option(&O)"));
    connect(option->addAction(QStringLiteral("標準の表記法にリセットする (&R)")), &QAction::triggered, this,
            &TFm_Tfm::Reset);
    QMenu* print = menuBar()->addMenu(QStringLiteral("Print(&P)"));
    connect(print->addAction(QStringLiteral("項目型の表記法の定義を印刷する (&P)")), &QAction::triggered, this,
            &TFm_Tfm::Print);
    QMenu* about = menuBar()->addMenu(QStringLiteral("About(&A)"));
    connect(about->addAction(QStringLiteral("このウィンドウについて(&A)")), &QAction::triggered, this,
            [this] { controller_.About(); });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* heading = new QLabel(QStringLiteral("項目型の表記法の定義"), central);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    model_ = new TypeNotationModel(controller_, this);
    table_ = new QTableView(central);
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral("項目型の表記法の定義"));
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const int letter = fontMetrics().horizontalAdvance(QLatin1Char('A'));
    const int widths[kTypeNotationColumns] = {6, 24, 20, 30};
    for (int c = 0; c < kTypeNotationColumns; ++c) table_->setColumnWidth(c, widths[c] * letter);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    layout->addWidget(new QLabel(QStringLiteral("< xxx > はレイアウト描画での表記になります。\n"
                                                "先頭に # を必ず付加して下さい。\n"
                                                "(# が無い場合は先頭の空白が無効になります。）"),
                                 central));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    update_ = new QPushButton(QStringLiteral("更新"), central);
    auto* close = new QPushButton(QStringLiteral("終了"), central);
    connect(update_, &QPushButton::clicked, this, &TFm_Tfm::Update);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(update_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(std::min(110 * letter + 40, 1000), 640);
}

void TFm_Tfm::Update() {
    if (!controller_.Update()) return;
    model_->EditedColumnChanged();
    emit LayoutEditorChanged();
}

void TFm_Tfm::Reset() {
    if (controller_.Reset()) model_->EditedColumnChanged();
}

void TFm_Tfm::Print() {
    const PrintTable table = controller_.TableToPrint(fontMetrics().horizontalAdvance(QLatin1Char('A')),
                                                      table_->verticalHeader()->defaultSectionSize());
    PrintWithPreview(table, settings_.printPreviewLines, "GP_", this);
}

void TFm_Tfm::showEvent(QShowEvent* event) {
    controller_.Refill();
    model_->EditedColumnChanged();
    if (!placed_) RestorePlacement(*this, settings_.FPS_Tfm);
    placed_ = true;
    QMainWindow::showEvent(event);
}

void TFm_Tfm::closeEvent(QCloseEvent* event) {
    settings_.FPS_Tfm = CapturePlacement(this, settings_.FPS_Tfm);
    QMainWindow::closeEvent(event);
}

}  // namespace rekkan::ui
