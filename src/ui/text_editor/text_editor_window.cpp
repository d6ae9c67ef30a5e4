#include "ui/text_editor/text_editor_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "layout_editor/editor_text_format.h"
#include "layout_editor/layout_editor_controller.h"
#include "tools/print_table.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/print/table_printer.h"
#include "ui/text_viewer/browse_window.h"
#include "util/text.h"

namespace rekkan::ui {
namespace {

QString Colour(int r, int g, int b) {
    return QStringLiteral("QPlainTextEdit { background: rgb(%1,%2,%3); }").arg(r).arg(g).arg(b);
}

}  // namespace

TFm_Editor::TFm_Editor(LayoutEditorController& editor, MessageSink& messages, TFm_Browse& browse, QWidget* parent)
    : QDialog(parent), editor_(editor), browse_(browse), session_(editor, messages) {
    setWindowTitle(QStringLiteral("Morvane Text Editor for Rekkan "));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    auto* column = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("File(&F)"));
    file->addAction(QStringLiteral("印刷する(&P)"), this, &TFm_Editor::Print);
    file->addAction(QStringLiteral("終了(&X)"), this, [this] { (void)TryClose(); });
    QMenu* about = menus->addMenu(QStringLiteral("About(&A)"));
    about->addAction(QStringLiteral("このウィンドウについて(&A)"), this, [this] {
        (void)browse_.ShowFile(nullptr, "", false, editor_.ProgramFolderText() + "/Doc_Rekkan_Guide3.Txt");
    });
    column->setMenuBar(menus);

    auto* buttons = new QHBoxLayout;
    auto* spacing = new QGroupBox(QStringLiteral("項目間隔"), this);
    auto* spacingRow = new QHBoxLayout(spacing);
    auto* on = new QPushButton(QStringLiteral("ON"), spacing);
    auto* off = new QPushButton(QStringLiteral("OFF"), spacing);
    spacingRow->addWidget(on);
    spacingRow->addWidget(off);
    auto* insert = new QGroupBox(QStringLiteral("挿入"), this);
    auto* insertRow = new QHBoxLayout(insert);
    remark_ = new QPushButton(QStringLiteral("備考→"), insert);
    insertRow->addWidget(remark_);
    auto* image = new QGroupBox(QStringLiteral("更新ｲﾒｰｼﾞ"), this);
    auto* imageRow = new QHBoxLayout(image);
    verify_ = new QPushButton(QStringLiteral("検証"), image);
    imageRow->addWidget(verify_);
    quit_ = new QPushButton(QStringLiteral("終了"), this);
    for (QWidget* w : {static_cast<QWidget*>(spacing), static_cast<QWidget*>(insert), static_cast<QWidget*>(image)})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(quit_);
    column->addLayout(buttons);
    connect(on, &QPushButton::clicked, this, [this] { Spacing(true); });
    connect(off, &QPushButton::clicked, this, [this] { Spacing(false); });
    connect(remark_, &QPushButton::clicked, this, &TFm_Editor::InsertRemark);
    connect(verify_, &QPushButton::clicked, this, &TFm_Editor::ToggleVerify);
    connect(quit_, &QPushButton::clicked, this, [this] { (void)TryClose(); });

    const QFont fixed(QStringLiteral("IPAGothic"));
    ruler_ = new QLabel(ToQ(EditorRuler()), this);
    ruler_->setFont(fixed);
    ruler_->setAccessibleName(QStringLiteral("ルーラー"));
    text_ = new QPlainTextEdit(this);
    text_->setFont(fixed);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setAccessibleName(QStringLiteral("テキスト"));
    text_->setStyleSheet(Colour(216, 216, 216));
    rulerBox_ = new QWidget(this);
    rulerBox_->setFixedHeight(QFontMetrics(fixed).height() + 2);
    ruler_->setParent(rulerBox_);
    ruler_->adjustSize();
    connect(text_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TFm_Editor::PlaceRuler);
    column->addWidget(rulerBox_);
    column->addWidget(text_, 1);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (!tracking_) return;
        session_.TextChanged();
        verify_->setEnabled(true);
    });

    Show(session_.Open());
    verify_->setEnabled(false);
    SizeToScreen(*this, 0.75, 0.53);
}

void TFm_Editor::PlaceRuler() {
    // The ruler starts at column 8: over the eighth character of the text, wherever it scrolled.
    QTextCursor start(text_->document());
    const int first = text_->cursorRect(start).left();
    const int a = QFontMetrics(text_->font()).horizontalAdvance(QLatin1Char('A'));
    const QPoint at = text_->viewport()->mapTo(this, QPoint(first + 7 * a, 0)) - rulerBox_->mapTo(this, QPoint(0, 0));
    ruler_->move(at.x(), 0);
}

void TFm_Editor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceRuler();
}

void TFm_Editor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceRuler();
}

std::string TFm_Editor::CurrentText(bool* lossless) const {
    std::string text;
    const bool clean = ToCp932(text_->toPlainText(), text);  // a character CP932 cannot hold becomes '?'
    if (lossless) *lossless = clean;
    return NormaliseLineEnds(text);
}

void TFm_Editor::Show(const std::string& cp932Text) {
    tracking_ = false;
    std::string shown = cp932Text;
    std::erase(shown, '\r');
    text_->setPlainText(ToQ(shown));
    tracking_ = true;
}

void TFm_Editor::Spacing(bool on) {
    const QTextCursor caret = text_->textCursor();
    const std::string text = on ? SpacedEditorText(CurrentText()) : CompactEditorText(CurrentText());
    const bool modified = CurrentText() != text;
    tracking_ = modified;  // a change of the spacing is a change of the text
    std::string shown = text;
    std::erase(shown, '\r');
    text_->setPlainText(ToQ(shown));
    tracking_ = true;
    text_->setTextCursor(caret);
}

void TFm_Editor::InsertRemark() {
    std::string text;
    int caret = 0;
    if (!session_.InsertRemark(CurrentText(), text_->textCursor().blockNumber(), text, caret)) return;
    // The caret offset counts CP932 bytes with CR LF ends: place it by the text before it.
    std::string before = text.substr(0, static_cast<std::size_t>(caret));
    std::erase(before, '\r');
    std::erase(text, '\r');
    text_->setPlainText(ToQ(text));
    QTextCursor c = text_->textCursor();
    c.setPosition(static_cast<int>(ToQ(before).size()));
    text_->setTextCursor(c);
}

void TFm_Editor::ToggleVerify() {
    if (!session_.Verifying()) {
        std::string shown;
        bool lossless = true;
        const std::string current = CurrentText(&lossless);
        if (!session_.Verify(current, shown, lossless)) return;
        Show(shown);
        SetVerifyLook(true);
        return;
    }
    Show(session_.EndVerify());
    SetVerifyLook(false);
}

void TFm_Editor::SetVerifyLook(bool verifying) {
    text_->setReadOnly(verifying);
    text_->setStyleSheet(verifying ? Colour(191, 191, 191) : Colour(216, 216, 216));
    quit_->setEnabled(!verifying);
    remark_->setEnabled(!verifying);
    verify_->setText(verifying ? QStringLiteral("検証中") : QStringLiteral("検証"));
    QFont f = verify_->font();
    f.setBold(verifying);
    verify_->setFont(f);
}

bool TFm_Editor::TryClose() {
    if (session_.Verifying()) {
        Show(session_.EndVerify());
        SetVerifyLook(false);
    }
    bool lossless = true;
    const std::string current = CurrentText(&lossless);
    if (!session_.Close(current, lossless)) return false;
    closing_ = true;
    done(QDialog::Accepted);
    return true;
}

void TFm_Editor::closeEvent(QCloseEvent* event) {
    if (closing_ || TryClose()) {
        event->accept();
        return;
    }
    event->ignore();
}

void TFm_Editor::reject() {
    if (!closing_) (void)TryClose();
}

void TFm_Editor::Print() {
    const int letter = QFontMetrics(text_->font()).horizontalAdvance(QLatin1Char('A'));
    PrintTable table = TextLinesTable(CurrentText(), "Morvane Editor: " + Trim(editor_.Document().RdfCmt), letter);
    table.documentName = "Morvane";
    PrintWithPreview(table, editor_.SharedSettings().printPreviewLines, "GP_", this);
}

}  // namespace rekkan::ui
