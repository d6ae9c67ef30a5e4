#include "ui/rec_editor/rec_etc_window.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app/colours.h"
#include "ui/app/qt_text.h"
#include "ui/rec_editor/rec_editor_window.h"

namespace rekkan::ui {
namespace {

int g_lastPage = 0;  ///< the page shown when the window last closed

QComboBox* List(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

/// A labelled row whose label names the control for the accessibility tree.
void Row(QFormLayout& form, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(caption);
    form.addRow(label, control);
}

QWidget* Page(QTabWidget& tabs, const QString& caption, const char* name) {
    auto* page = new QWidget(&tabs);
    page->setObjectName(QString::fromLatin1(name));
    tabs.addTab(page, caption);
    return page;
}

const QStringList& SignItems() {
    static const QStringList items = {QStringLiteral(" IBM-EBCDIC (F/C/D)"), QStringLiteral(" ASCII-MicroFocus (3/7)")};
    return items;
}

}  // namespace

TFm_RecEtc::TFm_RecEtc(Settings& settings, MessageSink& messages, TFm_RecEditor* editor, QWidget* parent)
    : QDialog(parent), controller_(settings, messages, editor ? &editor->Session() : nullptr), editor_(editor) {
    setObjectName(QStringLiteral("TFm_RecEtc"));
    setWindowTitle(QStringLiteral("Rekkan 動作環境の定義"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("File(&F)"));
    QAction* quit = file->addAction(QStringLiteral("終了(&X)"));
    quit->setObjectName(QStringLiteral("Mn_Exit"));
    connect(quit, &QAction::triggered, this, &QDialog::reject);
    layout->setMenuBar(bar);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    BuildChecks(*tabs_);
    BuildSigns(*tabs_);
    BuildFill(*tabs_);
    BuildInput(*tabs_);
    layout->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* update = new QPushButton(QStringLiteral("更新"), this);
    update->setObjectName(QStringLiteral("Btn_Update"));
    auto* close = new QPushButton(QStringLiteral("終了"), this);
    close->setObjectName(QStringLiteral("Btn_Close"));
    update->setAutoDefault(false);
    close->setAutoDefault(false);
    buttons->addWidget(update);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(update, &QPushButton::clicked, this, &TFm_RecEtc::Store);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    ShowValues();
    for (QComboBox* box : {fill_, tail_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            TakeValues();
            UpdateEnabling();
        });
    UpdateEnabling();
    tabs_->setCurrentIndex(g_lastPage < tabs_->count() ? g_lastPage : 0);
}

TFm_RecEtc::~TFm_RecEtc() = default;

void TFm_RecEtc::BuildChecks(QTabWidget& tabs) {
    QWidget* page = Page(tabs, QStringLiteral("確認有無"), "Tab_Msg");
    auto* column = new QVBoxLayout(page);
    const QString captions[4] = {QStringLiteral("レコードの [更新] 　　時に確認を行う。"),
                                 QStringLiteral("レコードの [挿入] 　　時に確認を行う。"),
                                 QStringLiteral("レコードの [末尾追加] 時に確認を行う。"),
                                 QStringLiteral("レコードの [削除] 　　時に確認を行う。")};
    const char* names[4] = {"Chk_Msg_Update", "Chk_Msg_Insert", "Chk_Msg_Append", "Chk_Msg_Delete"};
    for (int i = 0; i < 4; ++i) {
        ask_[i] = new QCheckBox(captions[i], page);
        ask_[i]->setObjectName(QString::fromLatin1(names[i]));
        column->addWidget(ask_[i]);
    }
    column->addStretch();
}

void TFm_RecEtc::BuildSigns(QTabWidget& tabs) {
    QWidget* page = Page(tabs, QStringLiteral("型の方式"), "Tab_Type");
    auto* form = new QFormLayout(page);
    zone_ = List(page, "Cmb_ZoneSign", SignItems());
    pack_ = List(page, "Cmb_PackSign", SignItems());
    order_ = List(page, "Cmb_ByteOrder",
                  {QStringLiteral(" Little Endian (Intel)"), QStringLiteral(" Big Endian (Motorola)")});
    Row(*form, QStringLiteral("ZONE 型の符号形式"), zone_);
    Row(*form, QStringLiteral("PACK 型の符号形式"), pack_);
    Row(*form, QStringLiteral("整数型のバイトオーダー"), order_);
}

void TFm_RecEtc::BuildFill(QTabWidget& tabs) {
    QWidget* page = Page(tabs, QStringLiteral("埋込文字"), "Tab_Fill");
    auto* column = new QVBoxLayout(page);
    const auto userValue = [page](const char* name, const QString& hint, QLabel*& label, QLineEdit*& edit) {
        auto* group = new QGroupBox(QStringLiteral("ユーザ指定値"), page);
        auto* row = new QHBoxLayout(group);
        label = new QLabel(hint, group);
        edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(name));
        label->setBuddy(edit);
        edit->setAccessibleName(QStringLiteral("ユーザ指定値"));
        row->addWidget(label);
        row->addWidget(edit);
        return group;
    };
    auto* fillForm = new QFormLayout;
    fill_ = List(page, "Cmb_DefChar",
                 {QStringLiteral(" NULL(x00)"), QStringLiteral(" 半角空白(x20)"), QStringLiteral(" ユーザ指定値")});
    Row(*fillForm, QStringLiteral("文字型項目のデフォルト値"), fill_);
    column->addLayout(fillForm);
    fillGroup_ =
        userValue("Str_DefChar", QStringLiteral("半角１文字を１６進数で指定  (例) FF"), fillLabel_, fillValue_);
    fillValue_->setMaxLength(2);
    column->addWidget(fillGroup_);
    auto* tailForm = new QFormLayout;
    tail_ = List(page, "Cmb_BtmChar", {QStringLiteral(" 無し"), QStringLiteral(" ユーザ指定値")});
    Row(*tailForm, QStringLiteral("レコード末尾の更新値"), tail_);
    column->addLayout(tailForm);
    tailGroup_ =
        userValue("Str_BtmChar", QStringLiteral("半角Ｎ文字を１６進数で指定  (例) 0D0F"), tailLabel_, tailValue_);
    column->addWidget(tailGroup_);
    column->addStretch();
}

void TFm_RecEtc::BuildInput(QTabWidget& tabs) {
    QWidget* page = Page(tabs, QStringLiteral("入力方法"), "Tab_Input");
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    input_ = List(page, "Cmb_RecCellEdit", {QStringLiteral(" １行で入力"), QStringLiteral(" 複数行で入力")});
    cursor_ = List(page, "Cmb_RecCrNext", {QStringLiteral(" 無し"), QStringLiteral(" 上へ"), QStringLiteral(" 下へ")});
    QStringList sizes;
    for (int size : RecEtcController::FontSizes()) sizes << QStringLiteral(" %1").arg(size);
    font_ = List(page, "Cmb_FontSize", sizes);
    Row(*form, QStringLiteral("セルの編集タイプ"), input_);
    Row(*form, QStringLiteral("カーソル移動"), cursor_);
    Row(*form, QStringLiteral("フォントサイズ"), font_);
    column->addLayout(form);
    for (const QString& note : {QStringLiteral("フォントサイズは３の倍数を指定して下さい。"),
                                QStringLiteral("それ以外は入力欄の全角文字と目盛り線がずれます。")})
        column->addWidget(new QLabel(note, page));
    auto* colours = new QGroupBox(QStringLiteral("レイアウト一覧の色"), page);
    auto* row = new QHBoxLayout(colours);
    auto* background = new QPushButton(QStringLiteral("背景色"), colours);
    background->setObjectName(QStringLiteral("Btn_LayoutBC"));
    auto* text = new QPushButton(QStringLiteral("文字"), colours);
    text->setObjectName(QStringLiteral("Btn_LayoutFC"));
    for (QPushButton* b : {background, text}) b->setAutoDefault(false);
    row->addWidget(background);
    row->addWidget(text);
    row->addStretch();
    column->addWidget(colours);
    column->addStretch();
    connect(background, &QPushButton::clicked, this, [this] { PickColour(true); });
    connect(text, &QPushButton::clicked, this, [this] { PickColour(false); });
}

void TFm_RecEtc::ShowValues() {
    const RecEtcValues& v = controller_.Values();
    for (int i = 0; i < 4; ++i) ask_[i]->setChecked(v.ask[static_cast<std::size_t>(i)]);
    zone_->setCurrentIndex(v.zoneSign);
    pack_->setCurrentIndex(v.packSign);
    order_->setCurrentIndex(v.byteOrder);
    fill_->setCurrentIndex(v.fillMode);
    tail_->setCurrentIndex(v.tailMode);
    fillValue_->setText(ToQ(v.fillValue));
    tailValue_->setText(ToQ(v.tailValue));
    input_->setCurrentIndex(v.inputMode);
    cursor_->setCurrentIndex(v.cursorMove);
    font_->setCurrentIndex(v.fontIndex);  // -1: no entry selected
}

void TFm_RecEtc::TakeValues() {
    RecEtcValues& v = controller_.Values();
    for (int i = 0; i < 4; ++i) v.ask[static_cast<std::size_t>(i)] = ask_[i]->isChecked();
    v.zoneSign = zone_->currentIndex();
    v.packSign = pack_->currentIndex();
    v.byteOrder = order_->currentIndex();
    v.fillMode = fill_->currentIndex();
    v.tailMode = tail_->currentIndex();
    v.fillValue = FromQ(fillValue_->text());
    v.tailValue = FromQ(tailValue_->text());
    v.inputMode = input_->currentIndex();
    v.cursorMove = cursor_->currentIndex();
    v.fontIndex = font_->currentIndex();
}

void TFm_RecEtc::UpdateEnabling() {
    const auto paint = [](QGroupBox& group, QLabel& label, bool enabled) {
        group.setEnabled(enabled);
        QPalette p = label.palette();
        const QColor colour = FromBgr(RecEtcController::LabelColour(enabled));
        p.setColor(QPalette::Active, QPalette::WindowText, colour);
        p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        p.setColor(QPalette::Disabled, QPalette::WindowText, colour);
        label.setPalette(p);
    };
    paint(*fillGroup_, *fillLabel_, controller_.FillValueEnabled());
    paint(*tailGroup_, *tailLabel_, controller_.TailValueEnabled());
}

void TFm_RecEtc::Store() {
    if (editor_) editor_->CommitPendingEdit();
    TakeValues();
    if (!controller_.Store()) return;
    ShowValues();  // the entries as stored: hexadecimal digits only
    if (editor_) editor_->ApplyGridSettings();
}

void TFm_RecEtc::PickColour(bool background) {
    const RecEtcValues& v = controller_.Values();
    const QColor chosen = QColorDialog::getColor(FromBgr(background ? v.background : v.text), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid()) ChooseColour(background, chosen);
}

void TFm_RecEtc::ChooseColour(bool background, const QColor& colour) {
    RecEtcValues& v = controller_.Values();
    (background ? v.background : v.text) = ToBgr(colour);
    if (editor_) editor_->SetTreeColours(v.background, v.text);
}

void TFm_RecEtc::done(int result) {
    g_lastPage = tabs_->currentIndex();
    const auto [background, text] = controller_.RememberedColours();
    if (editor_) editor_->SetTreeColours(background, text);  // colours chosen without "更新" are undone
    QDialog::done(result);
}

}  // namespace rekkan::ui
