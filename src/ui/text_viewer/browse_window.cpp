#include "ui/text_viewer/browse_window.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

#include "model/print_settings.h"
#include "tools/help_html.h"
#include "tools/help_texts.h"
#include "ui/app/qt_text.h"
#include "ui/app/wait_cursor.h"
#include "ui/app/window_services.h"
#include "ui/print/table_printer.h"
#include "util/file_util.h"
#include "util/path_names.h"
#include "util/replacing_file.h"
#include "util/text.h"

namespace rekkan::ui {

TFm_Browse::TFm_Browse(Settings& settings, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings), messages_(messages), widths_(0) {
    setWindowTitle(QString::fromLatin1(kBrowseCaption));
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    connect(file->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this, &QWidget::hide);
    QMenu* print = menuBar()->addMenu(QStringLiteral("Print(&P)"));
    connect(print->addAction(QStringLiteral("印刷する(&P)")), &QAction::triggered, this, &TFm_Browse::Print);

    auto* central = new QWidget(this);
    auto* top = new QHBoxLayout;
    list_ = new QComboBox(central);
    list_->setObjectName(QStringLiteral("cmbBrowseList"));
    list_->setAccessibleName(QStringLiteral("ドキュメント"));
    list_->setMinimumContentsLength(40);
    list_->setVisible(false);
    wide_ = new QPushButton(QStringLiteral("⇔"), central);
    wide_->setObjectName(QStringLiteral("Btn_Wide"));
    wide_->setAccessibleName(QStringLiteral("幅"));
    html_ = new QPushButton(QStringLiteral("HTML"), central);
    html_->setObjectName(QStringLiteral("Btn_Html"));
    top->addWidget(list_);
    top->addWidget(wide_);
    top->addWidget(html_);
    top->addStretch(1);
    area_ = new QPlainTextEdit(central);
    area_->setReadOnly(true);
    area_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A Japanese Gothic face with full-width characters exactly two half-width ones wide, so
    // that columns of mixed text line up.
    QFont font(QStringLiteral("IPAGothic"), 10);
    font.setStyleHint(QFont::Monospace);
    area_->setFont(font);
    area_->setAccessibleName(QStringLiteral("テキスト"));
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(area_, 1);
    setCentralWidget(central);

    connect(list_, &QComboBox::activated, this, &TFm_Browse::OnDocumentChosen);
    connect(wide_, &QPushButton::clicked, this, &TFm_Browse::OnWiden);
    connect(html_, &QPushButton::clicked, this, &TFm_Browse::OnHtml);

    SizeToScreen(*this, 2.0 / 3.0, 2.0 / 3.0);
    widths_ = WidthCycle(width());
    const QString program = QCoreApplication::applicationFilePath();
    htmlPath_ = HelpHtmlPath(FromQ(program.isEmpty() ? QStringLiteral("rekkan") : program));
}

TFm_Browse::~TFm_Browse() = default;

void TFm_Browse::RegisterMenu(const QMenu* menu) { registered_.insert(menu); }

void TFm_Browse::BindMenu(QMenu* menu, const std::string& caption) {
    bound_ = nullptr;
    list_->clear();
    if (!menu) {
        list_->setVisible(false);
        return;
    }
    if (!registered_.count(menu)) {
        list_->setVisible(false);
        messages_.Inform(UnregisteredMenuMessage(FromQ(menu->title())), DefaultCaption(), MessageIcon::Information);
        return;
    }
    bound_ = menu;
    const std::string wanted = DocumentListEntry(caption);
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->property(kNotADocument).toBool()) continue;
        const std::string entry = DocumentListEntry(FromQ(action->text()));
        list_->addItem(ToQ(entry), QVariant::fromValue(static_cast<void*>(action)));
        if (entry == wanted) list_->setCurrentIndex(list_->count() - 1);
    }
    list_->setVisible(true);
}

void TFm_Browse::Display(std::string text) {
    text_ = std::move(text);
    area_->setPlainText(ToQ(text_));
    area_->horizontalScrollBar()->setValue(0);
    area_->verticalScrollBar()->setValue(0);
    displaying_ = true;
    show();
    raise();
    displaying_ = false;
    loaded_ = true;
}

void TFm_Browse::ShowText(QMenu* menu, const std::string& caption, const std::string& text) {
    BindMenu(menu, caption);
    setWindowTitle(ToQ(BrowseTextCaption(caption)));
    shownFile_.clear();
    Display(text);
}

bool TFm_Browse::ShowFile(QMenu* menu, const std::string& caption, bool numbered, const std::string& path) {
    BindMenu(menu, caption);
    setWindowTitle(ToQ(BrowseFileCaption(caption, path)));
    if (Trim(path).empty()) return false;
    std::string bytes;
    {
        WaitCursor busy;
        if (!FileExists(path) || !ReadWholeFile(path, bytes)) {
            messages_.Inform(MissingFileMessage(path), DefaultCaption(), MessageIcon::Information);
            return false;
        }
        if (numbered) bytes = NumberLines(bytes);
        shownFile_ = path;
        shownNumbered_ = numbered;
        Display(std::move(bytes));
    }
    return true;
}

void TFm_Browse::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    std::string bytes;
    if (displaying_ || shownFile_.empty() || !ReadWholeFile(shownFile_, bytes)) return;
    text_ = shownNumbered_ ? NumberLines(bytes) : std::move(bytes);
    area_->setPlainText(ToQ(text_));
}

PrintTable TFm_Browse::TableToPrint() const {
    const int letter = QFontMetrics(area_->font()).horizontalAdvance(QLatin1Char('A'));
    PrintTable table = TextLinesTable(text_, FromQ(windowTitle()), letter);
    table.defaultRowHeight = QFontMetrics(area_->font()).height() + 2;
    table.fontName = FromQ(area_->font().family());
    table.fontSize = area_->font().pointSize() > 0 ? area_->font().pointSize() : 9;
    table.lineWidth = 0;
    return table;
}

void TFm_Browse::Print() {
    const PrintTable table = TableToPrint();
    PrintWithPreview(table, settings_.printPreviewLines, kViewerPrintPrefix, this);
}

bool TFm_Browse::WriteHelpPage(const std::string& path) {
    std::vector<HelpPageDocument> documents;
    const int current = list_->currentIndex();
    for (int i = 0; i < list_->count(); ++i) {
        auto* action = static_cast<QAction*>(list_->itemData(i).value<void*>());
        loaded_ = false;
        action->trigger();
        documents.push_back({FromQ(list_->itemText(i)), loaded_ ? text_ : std::string()});
    }
    if (current >= 0 && current < list_->count()) OnDocumentChosen(current);
    if (!WriteFileReplacing(path, HelpHtmlPage(kHelpPageTitle, current + 1, documents))) {
        messages_.Inform(PageNotWrittenMessage(path), DefaultCaption(), MessageIcon::Error);
        return false;
    }
    return true;
}

void TFm_Browse::OnDocumentChosen(int index) {
    if (index < 0 || index >= list_->count()) return;
    static_cast<QAction*>(list_->itemData(index).value<void*>())->trigger();
}

void TFm_Browse::OnWiden() {
    const int listRight = list_->isVisible() ? list_->geometry().right() : 0;
    const int next = widths_.Next(area_->viewport()->width(), listRight, list_->width());
    resize(std::max(next, minimumSizeHint().width()), height());
}

void TFm_Browse::OnHtml() {
    if (!WriteHelpPage(htmlPath_)) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(htmlPath_))))
        messages_.Inform(BrowserFailedMessage(), DefaultCaption(), MessageIcon::Information);
}

}  // namespace rekkan::ui
