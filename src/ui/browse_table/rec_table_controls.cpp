#include "ui/browse_table/rec_table_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/browse/browse_geometry.h"
#include "ui/app/qt_text.h"
#include "ui/rec_editor/number_box.h"

namespace rekkan::ui {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QPushButton* Button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& caption,
                    const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setAccessibleDescription(hint);
    }
    b->setAutoDefault(false);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(caption) + 20);
    row->addWidget(b);
    return b;
}

void Label(QWidget* parent, QHBoxLayout* row, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    row->addWidget(l);
    row->addWidget(buddy);
}

QLineEdit* Info(QWidget* parent, QHBoxLayout* row, const char* name, const QString& label, int chars) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(label);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars, QChar('9'))) + 12);
    Label(parent, row, label, box);
    return box;
}

QComboBox* Choice(QWidget* parent, QHBoxLayout* row, const char* name, const QString& label) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(label);
    box->setMaxVisibleItems(20);
    Label(parent, row, label, box);
    return box;
}

}  // namespace

RecTableControls::RecTableControls(QDialog& window) {
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(4, 0, 4, 4);
    outer->setSpacing(3);
    menuBar = new QMenuBar(&window);
    outer->setMenuBar(menuBar);
    QMenu* file = menuBar->addMenu(Q("ファイル(&F)"));
    exit = file->addAction(Q("1. 終了 (&X)"));
    QMenu* view = menuBar->addMenu(Q("表示(&V)"));
    centring = view->addAction(Q("項目名のセンタリング表示"));
    centring->setCheckable(true);
    centring->setChecked(true);
    QMenu* print = menuBar->addMenu(Q("印刷(&P)"));
    csv = print->addAction(Q("1. レコード内容をＣＳＶ形式で出力する (&C)"));

    auto* labels = new QHBoxLayout;
    current = Info(&window, labels, "Lbl_CurRecNo", Q("ｶﾚﾝﾄ Rec.No"), 12);
    basePosition = Info(&window, labels, "Lbl_BasePos", Q("読込基底位置"), 12);
    format = Button(&window, labels, "Btn_FmtChg", Q("⇔"), Q("位置の列の表示を切り替えます。"));
    fileSize = Info(&window, labels, "Lbl_FileSize", Q("File.Size"), 14);
    recordLength = Info(&window, labels, "Lbl_RecLen", Q("Rec.Len"), 8);
    records = Info(&window, labels, "Lbl_Records", Q("Records"), 12);
    fileName = Info(&window, labels, "Lbl_FileName", Q("File.Name"), 20);
    fileName->setMinimumWidth(fileName->width());
    fileName->setMaximumWidth(QWIDGETSIZE_MAX);
    outer->addLayout(labels);

    auto* commands = new QHBoxLayout;
    setBase = Button(&window, commands, "Btn_SetBase", Q("基底 Rec.No"));
    recNo = new NumberBox(&window);
    recNo->setObjectName(QStringLiteral("Edt_RecNo"));
    recNo->setAccessibleName(Q("Rec.No"));
    recNo->setFixedWidth(recNo->fontMetrics().horizontalAdvance(QString(14, QChar('9'))));
    commands->addWidget(recNo);
    minus = Button(&window, commands, "Btn_Minus", Q("－"));
    plus = Button(&window, commands, "Btn_Plus", Q("＋"));
    scroll = Choice(&window, commands, "Cmb_Scroll", Q("Scroll.Bar"));
    scroll->addItems({Q(" 読込連動"), Q(" 読込非連動")});
    fixedItem = Choice(&window, commands, "Cmb_FixedItem", Q("固定列"));
    fixedItem->setMinimumContentsLength(12);
    fixedItem->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fixedWidth = Choice(&window, commands, "Cmb_BrowseFixedKeta", Q("固定列幅"));
    for (int i = 0; i < kFixedWidthChoices; ++i) fixedWidth->addItem(ToQ(FixedWidthChoiceText(i)));
    maxWidth = Choice(&window, commands, "RT_LimColLen", Q("最大列幅"));
    for (int i = 0; i < kMaxWidthChoices; ++i) maxWidth->addItem(ToQ(MaxWidthChoiceText(i)));
    fold = Choice(&window, commands, "RT_Fold", Q("折り返し"));
    for (int i = 0; i < kFoldChoices; ++i) fold->addItem(ToQ(FoldChoiceText(i)));
    refold = Button(&window, commands, "Btn_Refold", Q("⇔"), Q("現在の折り返し行数で再表示します。"));
    commands->addStretch(1);
    search = Button(&window, commands, "Btn_Search", Q("検索"));
    close = Button(&window, commands, "Btn_Close", Q("終了"));
    outer->addLayout(commands);

    warning = new QLabel(&window);
    warning->setObjectName(QStringLiteral("Pnl_Warning"));
    warning->setAccessibleName(Q("警告"));
    warning->setStyleSheet(QStringLiteral("color: red;"));
    outer->addWidget(warning);

    gridArea = new QWidget(&window);
    gridArea->setObjectName(QStringLiteral("Pnl_Grid"));
    outer->addWidget(gridArea, 1);
}

}  // namespace rekkan::ui
