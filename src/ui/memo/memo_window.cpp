#include "ui/memo/memo_window.h"

#include <QEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "layout_editor/layout_editor_controller.h"
#include "tools/print_table.h"
#include "ui/app/qt_text.h"
#include "ui/app/window_services.h"
#include "ui/print/table_printer.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan::ui {

std::vector<std::string> MemoLines(const QString& text, bool* lossless) {
    std::vector<std::string> lines;
    if (lossless) *lossless = true;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        std::string cp932;
        if (!ToCp932(line, cp932) && lossless) *lossless = false;
        lines.push_back(std::move(cp932));
    }
    return lines;
}

TFm_Memo::TFm_Memo(LayoutEditorController& editor, QWidget* parent) : QMainWindow(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Morvane File Memo"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    file->addAction(QStringLiteral("印刷する(&P)"), this, &TFm_Memo::Print);
    file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
    text_ = new QPlainTextEdit(this);
    text_->setAccessibleName(QStringLiteral("メモ"));
    text_->setFont(QFont(QStringLiteral("IPAGothic")));
    setCentralWidget(text_);
    connect(text_, &QPlainTextEdit::textChanged, this, &TFm_Memo::Store);
    SizeToScreen(*this, 2.0 / 3.0, 2.0 / 3.0);
    SyncFromLayout();
    // A layout read or initialised while the memo is open brings its own memo.
    auto* follow = new QTimer(this);
    connect(follow, &QTimer::timeout, this, [this] {
        if (isVisible()) SyncFromLayout();
    });
    follow->start(500);
}

void TFm_Memo::Open() {
    SyncFromLayout();
    show();
    raise();
    activateWindow();
}

void TFm_Memo::SyncFromLayout() {
    const std::vector<std::string>& memo = editor_.Document().memoLines;
    if (memo == shown_) return;
    std::string joined;
    for (std::size_t i = 0; i < memo.size(); ++i) joined += (i ? "\n" : "") + memo[i];
    setting_ = true;
    text_->setPlainText(ToQ(joined));
    setting_ = false;
    shown_ = memo;
    text_->verticalScrollBar()->setValue(0);
}

bool TFm_Memo::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) SyncFromLayout();
    return QMainWindow::event(event);
}

void TFm_Memo::Store() {
    if (setting_) return;
    bool lossless = true;
    shown_ = MemoLines(text_->toPlainText(), &lossless);
    editor_.StoreMemo(shown_);
    // The layout file holds Shift-JIS: say so rather than lose a character silently.
    if (lossless)
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QStringLiteral("Shift-JIS (CP932) にない文字は「?」として保存されます。"));
    emit MemoChanged();
}

void TFm_Memo::Print() {
    std::string text;
    for (const std::string& line : shown_) text += line + "\r\n";
    const int letter = QFontMetrics(text_->font()).horizontalAdvance(QLatin1Char('A'));
    PrintTable table = TextLinesTable(text, "File Memo: " + Trim(editor_.Document().RdfCmt), letter);
    table.documentName = "Morvane";
    PrintWithPreview(table, editor_.SharedSettings().printPreviewLines, "GP_", this);
}

}  // namespace rekkan::ui
