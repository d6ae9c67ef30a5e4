#include "ui/rec_editor/rec_editor_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <fstream>

#include "codec/codec_options.h"
#include "model/layout_file.h"
#include "ui/app/qt_text.h"
#include "ui/models/field_table_model.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"
#include "util/text.h"
#include "util/version.h"

namespace rekkan::ui {
namespace {

/// First record of a data file at a base position; empty when the file cannot be read.
std::string ReadFirstRecord(const std::string& cp932Path, std::int64_t base, int length) {
    std::ifstream in(ToFsPath(cp932Path), std::ios::binary);
    if (!in || length <= 0) return {};
    in.seekg(base);
    std::string record(static_cast<std::size_t>(length), '\0');
    in.read(record.data(), length);
    if (in.gcount() <= 0) return {};
    return record;  // a short last record reads as zeros past its end
}

}  // namespace

QString RecEditorTitle() { return QStringLiteral("Rekkan Ver ") + QLatin1String(kVersion); }

TFm_RecEditor::TFm_RecEditor(Settings& settings, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("TFm_RecEditor"));
    setWindowTitle(RecEditorTitle());
    setAcceptDrops(true);

    auto* splitter = new QSplitter(this);
    tree_ = new QTreeWidget(splitter);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    auto* right = new QWidget(splitter);
    auto* layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    outcome_ = new QLabel(right);
    outcome_->setObjectName(QStringLiteral("Lbl_Outcome"));
    table_ = new QTableView(right);
    table_->setObjectName(QStringLiteral("Grid_Fields"));
    model_ = new FieldTableModel(this);
    table_->setModel(model_);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(outcome_);
    layout->addWidget(table_);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(splitter);
    resize(960, 600);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        while (item && item->parent()) item = item->parent();
        if (item) ShowEntry(tree_->indexOfTopLevelItem(item));
    });
}

TFm_RecEditor::~TFm_RecEditor() = default;

bool TFm_RecEditor::OpenPath(const std::string& cp932Path) {
    std::string bytes;
    if (!ReadWholeFile(cp932Path, bytes)) {
        messages_.Inform(NotLayoutGroupMessage(cp932Path), DefaultCaption(), MessageIcon::Error);
        return false;
    }
    if (IsLayoutGroupText(bytes)) {
        entries_ = ParseGroupText(bytes);
        settings_.Path_LayoutGroup = cp932Path;
    } else {
        entries_ = {GroupLine{cp932Path, {}, 0, 0}};
    }
    BuildTree();
    if (!entries_.empty()) tree_->setCurrentItem(tree_->topLevelItem(0));
    return true;
}

void TFm_RecEditor::BuildTree() {
    tree_->clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        LayoutDocument doc;
        ScriptedMessages quiet;
        std::string comment = NoNameComment();
        if (ReadLayoutFile(doc, entries_[i].layoutPath, false, quiet).ok) comment = doc.RdfCmt;
        auto* top = new QTreeWidgetItem(tree_, {ToQ(EntryCaption(static_cast<int>(i) + 1, comment))});
        new QTreeWidgetItem(top, {ToQ(LayoutChildCaption(entries_[i].layoutPath))});
        new QTreeWidgetItem(top, {ToQ(EditChildCaption(entries_[i].editFilePath))});
        top->setExpanded(true);
    }
}

bool TFm_RecEditor::ShowEntry(int i) {
    model_->Show(nullptr, nullptr);
    fields_.clear();
    texts_ = {};
    if (i < 0 || i >= static_cast<int>(entries_.size())) return false;
    const GroupLine& entry = entries_[static_cast<std::size_t>(i)];
    doc_.sizes = settings_.Sizes();
    doc_.editableLineCount = settings_.EditableLineCount();
    if (!ReadLayoutFile(doc_, entry.layoutPath, false, messages_).ok) return false;
    NormaliseAll(doc_);
    RecordFieldList listed = BuildFieldList(doc_);
    if (!listed.Ok()) {
        outcome_->setText(ToQ(RecordTooLongMessage()));
        return false;
    }
    fields_ = std::move(listed.fields);
    const int recordLength = listed.recordLength;
    const std::string record = entry.editFilePath.empty()
                                   ? std::string()
                                   : ReadFirstRecord(entry.editFilePath, entry.basePosition, recordLength);
    if (!record.empty()) DecodeRecord(record, fields_, CodecOptions::FromSettings(settings_), texts_);
    outcome_->setText(QStringLiteral("Rec.Len = %1    Rec.No = %2")
                          .arg(ToQ(GroupThousands(std::int64_t{recordLength})))
                          .arg(record.empty() ? QStringLiteral("-") : QStringLiteral("1")));
    model_->Show(&fields_, &texts_);
    table_->resizeColumnsToContents();
    return true;
}

QString TFm_RecEditor::OutcomeText() const { return outcome_->text(); }

}  // namespace rekkan::ui
