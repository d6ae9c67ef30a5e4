#include "ui/structure_import/structure_import_window.h"

#include <QAbstractListModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "layout_editor/layout_editor_controller.h"
#include "tools/help_texts.h"
#include "ui/app/file_filter.h"
#include "ui/app/qt_text.h"
#include "ui/app/wait_cursor.h"
#include "ui/app/window_services.h"
#include "ui/text_viewer/browse_window.h"
#include "util/encoding.h"

namespace rekkan::ui {
namespace {

/// The structure list: the controller's list lines, nothing stored here.
class StructureListModel : public QAbstractListModel {
public:
    explicit StructureListModel(const StructureImportController& c, QObject* parent)
        : QAbstractListModel(parent), c_(c) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(c_.ListLines().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount({})) return {};
        return ToQ(c_.ListLines()[static_cast<std::size_t>(index.row())]);
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    const StructureImportController& c_;
};

/// A list of the numbers low..high, each right-aligned in `width` characters + `suffix`.
QComboBox* NumberList(int high, int width, const QString& suffix, int current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (int i = 0; i <= high; ++i) combo->addItem(QString::number(i).rightJustified(width, ' ') + suffix);
    combo->setCurrentIndex(std::clamp(current, 0, high));
    return combo;
}

}  // namespace

TFm_Hed::TFm_Hed(LayoutEditorController& editor, MessageSink& messages, TFm_Browse& browse,
                 std::function<void()> focusEditor, QWidget* parent)
    : QMainWindow(parent),
      controller_(editor, messages, clipboard_, *this),
      editor_(editor),
      browse_(browse),
      focusEditor_(std::move(focusEditor)) {
    setWindowTitle(QStringLiteral("Morvane for Rekkan 構造体の取り込み"));
    BuildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);

    auto* languages = new QGroupBox(QStringLiteral("構造体の取り込み"), central);
    auto* languageRow = new QHBoxLayout(languages);
    const std::pair<QString, SourceLanguage> buttons[] = {{QStringLiteral("COBOL"), SourceLanguage::Cobol},
                                                          {QStringLiteral("VB"), SourceLanguage::Vb},
                                                          {QStringLiteral("C"), SourceLanguage::C}};
    for (const auto& [caption, language] : buttons) {
        auto* b = new QPushButton(caption, languages);
        languages_[static_cast<int>(language)] = b;
        languageRow->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, l = language] { Choose(l); });
    }
    column->addWidget(languages);

    auto* clipRow = new QHBoxLayout;
    auto* clip = new QPushButton(QStringLiteral("ClipBoard → Text File"), central);
    auto* fresh = new QRadioButton(QStringLiteral("新規"), central);
    append_ = new QRadioButton(QStringLiteral("追加"), central);
    fresh->setChecked(true);
    clipRow->addWidget(clip);
    clipRow->addWidget(fresh);
    clipRow->addWidget(append_);
    clipRow->addStretch();
    column->addLayout(clipRow);
    connect(clip, &QPushButton::clicked, this, [this] {
        WaitCursor wait;
        (void)controller_.ClipboardToFile(append_->isChecked());
    });

    column->addWidget(BuildOptions());

    auto* fileRow = new QHBoxLayout;
    auto* browseButton = new QPushButton(QStringLiteral("Browse"), central);
    file_ = new QLabel(central);
    file_->setStyleSheet(QStringLiteral("color: blue"));
    file_->setAccessibleName(QStringLiteral("ファイル名"));
    fileRow->addWidget(browseButton);
    fileRow->addWidget(file_, 1);
    column->addLayout(fileRow);
    connect(browseButton, &QPushButton::clicked, this, [this] {
        const std::string path = controller_.FileLabel();
        if (!path.empty()) (void)browse_.ShowFile(nullptr, "", false, path);
    });

    display_ = new QLineEdit(central);
    display_->setReadOnly(true);
    display_->setFont(QFont(QStringLiteral("IPAGothic")));
    display_->setStyleSheet(QStringLiteral("QLineEdit { color: lime; background: black; }"));
    display_->setAccessibleName(QStringLiteral("選択した構造体"));
    column->addWidget(display_);

    auto* okRow = new QHBoxLayout;
    message_ = new QLabel(central);
    ok_ = new QPushButton(QStringLiteral("OK"), central);
    auto* quit = new QPushButton(QStringLiteral("終了"), central);
    okRow->addWidget(message_, 1);
    okRow->addWidget(ok_);
    okRow->addWidget(quit);
    column->addLayout(okRow);
    connect(ok_, &QPushButton::clicked, this, &TFm_Hed::RunOk);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto* model = new StructureListModel(controller_, this);
    model_ = model;
    list_ = new QListView(central);
    list_->setModel(model_);
    list_->setAccessibleName(QStringLiteral("構造体の一覧"));
    list_->setFont(QFont(QStringLiteral("IPAGothic")));
    list_->setUniformItemSizes(true);
    column->addWidget(list_, 1);
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& i) { display_->setText(i.data().toString()); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { display_->setText(i.data().toString()); });
    connect(list_, &QListView::doubleClicked, this, &TFm_Hed::RunOk);

    setCentralWidget(central);
    resize(560, 720);
}

TFm_Hed::~TFm_Hed() = default;

QWidget* TFm_Hed::BuildOptions() {
    Settings& s = editor_.SharedSettings();
    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);

    auto* cobol = new QGroupBox(QStringLiteral(" COBOL "), box);
    auto* grid = new QGridLayout(cobol);
    const auto labelled = [&](int row, const QString& first, const QString& second, QWidget* control) {
        auto* label = new QLabel(second.isEmpty() ? first : first + QStringLiteral(" ") + second, cobol);
        label->setBuddy(control);
        control->setAccessibleName(second.isEmpty() ? first : first + second);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
    };
    auto* seq = NumberList(10, 2, QStringLiteral(" 桁"), s.Cmb_CobSeq, cobol);
    auto* valid = NumberList(512, 3, QString(), s.Cmb_CobValid, cobol);
    auto* commentValid = NumberList(512, 3, QString(), s.Cmb_CobCmtValid, cobol);
    auto* marker = new QLineEdit(ToQ(s.Edt_CobCmtStr), cobol);
    auto* ignored = new QLineEdit(ToQ(s.Edt_CobCmtTrim), cobol);
    labelled(0, QStringLiteral("行番号桁数"), QString(), seq);
    labelled(1, QStringLiteral("有効桁数"), QString(), valid);
    labelled(2, QStringLiteral("コメント行"), QStringLiteral("有効桁数"), commentValid);
    labelled(3, QStringLiteral("行内コメント"), QStringLiteral("識別文字列"), marker);
    labelled(4, QStringLiteral("コメント"), QStringLiteral("無視文字"), ignored);
    connect(seq, &QComboBox::currentIndexChanged, this, [this](int i) { controller_.SetSequenceDigits(i); });
    connect(valid, &QComboBox::currentIndexChanged, this, [this](int i) { controller_.SetValidColumns(i); });
    connect(commentValid, &QComboBox::currentIndexChanged, this,
            [this](int i) { controller_.SetCommentValidColumns(i); });
    connect(marker, &QLineEdit::textChanged, this,
            [this](const QString& t) { controller_.SetCommentMarker(FromQ(t)); });
    connect(ignored, &QLineEdit::textChanged, this,
            [this](const QString& t) { controller_.SetIgnoredCharacters(FromQ(t)); });

    auto* redefinition = new QGroupBox(QStringLiteral(" 再定義の展開方法 "), cobol);
    auto* redRow = new QVBoxLayout(redefinition);
    auto* same = new QRadioButton(QStringLiteral("同じ構造体に展開する"), redefinition);
    auto* divide = new QRadioButton(QStringLiteral("別の構造体にまとめて展開する"), redefinition);
    (s.Chk_RedInclude ? same : divide)->setChecked(true);
    redRow->addWidget(same);
    redRow->addWidget(divide);
    grid->addWidget(redefinition, 5, 0, 1, 2);
    connect(same, &QRadioButton::toggled, this, [this](bool on) {
        WaitCursor wait;
        (void)controller_.SetSameStructure(on);
        Refresh();
    });
    rows->addWidget(cobol);

    auto* cvb = new QGroupBox(QStringLiteral(" C・VB  "), box);
    auto* cvbRow = new QVBoxLayout(cvb);
    auto* arrays = new QCheckBox(QStringLiteral("多次元配列をグループ項目で展開する"), cvb);
    arrays->setChecked(s.Chk_AryExt);
    cvbRow->addWidget(arrays);
    connect(arrays, &QCheckBox::toggled, this, [this](bool on) { controller_.SetArrayGroups(on); });
    rows->addWidget(cvb);
    return box;
}

void TFm_Hed::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
    QMenu* about = menuBar()->addMenu(QStringLiteral("About(&A)"));
    about->addAction(QStringLiteral("1. このウィンドウについて(&A)"), this,
                     [this] { browse_.ShowText(nullptr, sj("構造体の取り込みについて"), StructImportText()); });
    about->addAction(QStringLiteral("2. 構造体の規約について(&R)"), this, [this] {
        (void)browse_.ShowFile(nullptr, sj("構造体の規約について"), false,
                               editor_.ProgramFolderText() + "/Doc_Rekkan_StructRule.Txt");
    });
}

QPushButton* TFm_Hed::LanguageButton(SourceLanguage language) const { return languages_[static_cast<int>(language)]; }

void TFm_Hed::ShowFileName() {
    file_->setText(ToQ(controller_.FileLabel()));
    show();
    raise();
    activateWindow();
}

void TFm_Hed::showEvent(QShowEvent* event) {
    if (!placed_) RestorePlacement(*this, editor_.SharedSettings().FPS_Hed);
    placed_ = true;
    QMainWindow::showEvent(event);
}

void TFm_Hed::closeEvent(QCloseEvent* event) {
    editor_.SharedSettings().FPS_Hed = CapturePlacement(this, editor_.SharedSettings().FPS_Hed);
    QMainWindow::closeEvent(event);
}

void TFm_Hed::Choose(SourceLanguage language) {
    {
        WaitCursor wait;
        (void)controller_.ChooseAndScan(language);
    }
    Refresh();
}

void TFm_Hed::Refresh() {
    static_cast<StructureListModel*>(model_)->Reset();
    display_->clear();
    file_->setText(ToQ(controller_.FileLabel()));
    message_->setText(ToQ(controller_.ListMessage()));
    message_->setStyleSheet(controller_.ListLines().empty() ? QStringLiteral("color: maroon")
                                                            : QStringLiteral("color: blue"));
}

void TFm_Hed::RunOk() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid() || !list_->selectionModel()->isSelected(current)) return;
    list_->setEnabled(false);
    ok_->setEnabled(false);
    {
        WaitCursor wait;
        (void)controller_.Ok(current.row());
    }
    list_->setEnabled(true);
    ok_->setEnabled(true);
}

std::string TFm_Hed::AskSourcePath(const FileDialogRequest& request) {
    QFileDialog dialog(this, ToQ(request.title), ToQ(request.folder), QtFilter(request.filter));
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.fileName.empty()) dialog.selectFile(ToQ(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    std::string path;
    return ToCp932(dialog.selectedFiles().constFirst(), path) ? path : std::string();
}

void TFm_Hed::ShowWrittenNotice(const std::string& caption, const std::string& cp932Path) {
    (void)browse_.ShowFile(nullptr, caption, false, cp932Path);
}

void TFm_Hed::ImportFinished() {
    if (focusEditor_) focusEditor_();
    hide();
}

}  // namespace rekkan::ui
