#include "layout_editor/layout_editor_controller.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "lang/c_writer.h"
#include "lang/cobol_writer.h"
#include "lang/dropped_file.h"
#include "lang/vb_writer.h"
#include "layout_editor/layout_commands.h"
#include "layout_editor/save_button_rule.h"
#include "tools/redefinition_listing.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

namespace {

/// Longest layout comment and prefix, in bytes.
constexpr std::size_t kHeaderFieldLength = 255;
/// The temporary files morvane0.tmp to morvane10.tmp.
constexpr int kTemporaryFiles = 11;

std::string FolderText(const std::filesystem::path& folder) {
    std::string text = FromFsPath(folder);
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

bool SamePath(const std::string& a, const std::string& b) {
    if (Trim(a).empty() || Trim(b).empty()) return false;
    return ToFsPath(Trim(a)).lexically_normal() == ToFsPath(Trim(b)).lexically_normal();
}

}  // namespace

LayoutEditorController::LayoutEditorController(Settings& settings, std::filesystem::path programFolder,
                                               MessageSink& messages, Clipboard& clipboard, LayoutEditorShell& shell)
    : settings_(settings),
      folder_(FolderText(programFolder)),
      messages_(messages),
      shell_(shell),
      keys_(types_),
      model_(doc_, messages, clipboard),
      import_(settings, this) {}

std::string LayoutEditorController::FolderFile(const std::string& name) const {
    return folder_.empty() ? name : folder_ + "/" + name;
}

void LayoutEditorController::Start(int letterAWidth, const std::string& startTimeHhmmss) {
    SetDefaults(settings_, folder_ + "/", letterAWidth);  // a folder path ends in its separator
    ReadSettings(FolderFile(kSettingsFileName), settings_);
    types_.ResetToStandard();
    types_.Read(FolderFile(kTypeNotationFileName));
    ApplySettings(false);
    SetSampleLayout(doc_, settings_.Priority());
    doc_.modified = false;
    ReloadKeys();
    model_.Recompute();
    workFileStem_ = FolderFile("KvelWk" + startTimeHhmmss);
    workFile_ = workFileStem_ + "." + Trim(settings_.Edt_EditorWorkExt);
    workFileClaimed_ = false;
    workFiles_.clear();
}

void LayoutEditorController::SettingsChanged() {
    doc_.sizes = settings_.Sizes();
    for (TRspec& row : doc_.items) ApplyIntegerSizeRule(row, doc_.sizes);
    ApplySettings(true);
    // A new extension names a new work file; every one created is deleted at the end.
    if (workFileStem_.empty()) return;
    const std::string ext = "." + Trim(settings_.Edt_EditorWorkExt);
    const auto hasExt = [&](const std::string& path) {
        return path.size() >= ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0;
    };
    if (hasExt(workFile_)) return;
    const auto created = std::find_if(workFiles_.begin(), workFiles_.end(), hasExt);
    workFileClaimed_ = created != workFiles_.end();
    workFile_ = workFileClaimed_ ? *created : workFileStem_ + ext;
}

void LayoutEditorController::ApplySettings(bool tell) {
    doc_.editableLineCount = settings_.EditableLineCount();
    doc_.sizes = settings_.Sizes();
    const EditorOptions before = model_.Options();
    const EditorOptions after = EditorOptions::FromSettings(settings_);
    model_.SetOptions(after);
    model_.SetTypeLabel([this](int code) { return types_.DisplayLabel(code); });
    if (tell && after.priority != before.priority) model_.ChangePriority(after.priority);
    if (after.viewFormat != before.viewFormat || after.tagLength != before.tagLength) model_.RebuildView();
    model_.Recompute();
}

void LayoutEditorController::TypesChanged() {
    model_.SetTypeLabel([this](int code) { return types_.DisplayLabel(code); });
    model_.Recompute();
}

std::string LayoutEditorController::ProposedOutputPath(const OutputNaming& naming) const {
    return DefaultOutputPath(doc_.path, folder_, naming);
}

// ---------------------------------------------------------------------------------------------
// Open, save, initialise, close

bool LayoutEditorController::SaveFirstIfWanted() {
    if (!AskSaveBeforeOpen(doc_, messages_)) return true;
    // A cancelled dialog, a refused name or a failed write leaves the layout unsaved: stop.
    return Save(true);
}

bool LayoutEditorController::Open() {
    model_.LeaveViewForReload();
    if (!SaveFirstIfWanted()) return false;
    const DialogProposal proposal = ProposeLayoutDialog(doc_, settings_, folder_);
    const std::string path =
        shell_.AskOpenPath({OpenDialogTitle(), OpenDialogFilter(), proposal.folder, proposal.fileName});
    if (Trim(path).empty()) return false;
    return ReadLayout(path, true);
}

bool LayoutEditorController::OpenPath(const std::string& cp932Path) {
    model_.LeaveViewForReload();
    if (!SaveFirstIfWanted()) return false;
    return ReadLayout(cp932Path, true);
}

bool LayoutEditorController::ReadLayout(const std::string& cp932Path, bool legacyNotice) {
    // Read into a document of its own: a file that fails half-way leaves the shown layout whole.
    LayoutDocument read;
    read.editableLineCount = doc_.editableLineCount;
    read.sizes = doc_.sizes;
    std::string notice;
    model_.SetReading(true);
    const bool ok = OpenLayout(read, cp932Path, settings_, messages_, notice, legacyNotice);
    model_.SetReading(false);
    if (!ok) return false;
    model_.LeaveView();
    model_.ClearRange();
    model_.ClearHistory();
    doc_ = std::move(read);
    ShowTop();
    LayoutReplaced();
    if (model_.Notice().empty() && !geometryNotice_.empty()) shell_.CloseNotice();
    geometryNotice_ = model_.Notice();
    if (!notice.empty()) shell_.ShowNotice(notice);
    if (!geometryNotice_.empty()) shell_.ShowNotice(geometryNotice_);
    shell_.FocusGrid();
    return true;
}

bool LayoutEditorController::Save(bool saveAs) {
    if (model_.Mode() != EditMode::Ordinary) return false;
    std::string path = DirectSavePath(doc_, saveAs);
    if (path.empty()) {
        const DialogProposal proposal = ProposeLayoutDialog(doc_, settings_, folder_);
        path = shell_.AskSavePath({SaveDialogTitle(), SaveDialogFilter(), proposal.folder, proposal.fileName});
        if (Trim(path).empty()) return false;
    }
    if (!SaveLayout(doc_, path, settings_, messages_)) return false;
    model_.ClearHistory();
    if (recordEditor_ && SamePath(recordEditor_->ShownLayoutPath(), doc_.path)) recordEditor_->RefreshShownEntry();
    return true;
}

bool LayoutEditorController::Initialise() {
    if (!InitialiseLayout(doc_, settings_.Priority(), messages_, true)) return false;
    model_.LeaveView();
    // The old steps belong to another table: they must not be applied to the sample.
    model_.ClearRange();
    model_.ClearHistory();
    ShowTop();
    LayoutReplaced();
    return true;
}

bool LayoutEditorController::Close() {
    const Answer answer = model_.AskBeforeClose();
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !Save(true)) return false;
    shell_.HideToolWindows();
    if (recordEditor_) recordEditor_->LayoutEditorClosed();
    return true;
}

bool LayoutEditorController::Drop(const std::vector<std::string>& cp932Paths) {
    if (cp932Paths.empty()) return false;
    const std::string path = Trim(cp932Paths.front());
    std::string head;
    const DroppedFileKind kind =
        ReadFileStart(path, kDroppedFileHead, head) ? GuessDroppedFile(head) : DroppedFileKind::Unknown;
    if (kind == DroppedFileKind::Layout) {
        if (!OpenPath(path)) return false;
        messages_.Inform(sj("指定のレイアウトを読み込みました。\r\n\r\n   PATH = ") + path, DefaultCaption());
        return true;
    }
    if (kind == DroppedFileKind::Unknown) {
        messages_.Inform(
            sj("\r\n★\r\n★ 指定されたファイルを MORVANE は処理できませんでした。\r\n★ \r\n\r\n   PATH = ") + path,
            DefaultCaption());
        return false;
    }
    const SourceLanguage language = kind == DroppedFileKind::Cobol ? SourceLanguage::Cobol
                                    : kind == DroppedFileKind::C   ? SourceLanguage::C
                                                                   : SourceLanguage::Vb;
    if (!SaveFirstIfWanted()) return false;
    std::string error;
    if (import_.ImportDropped(path, language, true, doc_, &messages_, error)) return true;
    messages_.Inform(error.empty() ? FileNameOf(path) : error, DefaultCaption());
    return false;
}

bool LayoutEditorController::EditShownEntryLayout() {
    const std::string path = recordEditor_ ? Trim(recordEditor_->ShownLayoutPath()) : std::string();
    if (!path.empty() && ReadLayout(path, false)) return true;
    // The record editor loads its layouts into the shared document: what the editor recorded
    // about the table it showed before (undo steps, range, view) no longer applies.
    model_.LeaveView();
    model_.ClearRange();
    model_.ClearHistory();
    ShowTop();
    LayoutReplaced();
    return path.empty();
}

void LayoutEditorController::StoreHeaderFields(const std::string& comment, const std::string& prefix) {
    if (model_.Mode() != EditMode::Ordinary) return;
    const auto field = [](const std::string& text) {
        std::string t = Trim(text);
        t.resize(CharSafeLength(t, kHeaderFieldLength));
        return Trim(t);
    };
    const std::string c = field(comment), p = field(prefix);
    if (c == doc_.RdfCmt && p == doc_.PreFix) return;
    doc_.RdfCmt = c;
    doc_.PreFix = p;
    doc_.modified = true;
}

bool LayoutEditorController::AskResetWindowSizes() {
    return messages_.AskOkCancel(sj("ウィンドウをインストール時の大きさに戻します。"), DefaultCaption()) == Answer::Ok;
}

// ---------------------------------------------------------------------------------------------
// Other windows' changes

void LayoutEditorController::ReloadKeys() {
    keys_.LoadKeyLines(doc_.keyLines, doc_, MeasureLayout(doc_));
    doc_.keyLines = keys_.Lines();
}

void LayoutEditorController::StoreKeys() {
    if (doc_.keyLines == keys_.Lines()) return;
    doc_.keyLines = keys_.Lines();
    doc_.modified = true;
}

void LayoutEditorController::StoreMemo(std::vector<std::string> lines) {
    if (doc_.memoLines == lines) return;
    doc_.memoLines = std::move(lines);
    doc_.modified = true;
}

void LayoutEditorController::LayoutReplaced() {
    ReloadKeys();
    model_.LayoutReplaced();
}

void LayoutEditorController::ShowTop() {
    model_.SetGridWindow(0, model_.VisibleRows());
    model_.SetCursor(0, 3);
}

// ---------------------------------------------------------------------------------------------
// State the window shows

bool LayoutEditorController::SaveEnabled() const { return SaveButtonEnabled(model_); }

const Geometry& LayoutEditorController::MeasuredGeometry() {
    model_.Recompute();
    return model_.ShownGeometry();
}

void LayoutEditorController::FollowGeometry() {
    model_.Recompute();
    const std::string& now = model_.Notice();
    if (now == geometryNotice_) return;
    if (now.empty())
        shell_.CloseNotice();
    else
        shell_.ShowNotice(now);
    geometryNotice_ = now;
}

std::string LayoutEditorController::LanguageText(OutputLanguage language) {
    const LanguageOutputInput in{model_.Shown(), MeasuredGeometry(), &keys_};
    switch (language) {
    case OutputLanguage::C: return WriteCText(in);
    case OutputLanguage::Vb: return WriteVbText(in);
    case OutputLanguage::Cobol: break;
    }
    return WriteCobolText(in, CobolOutputOptions::FromSettings(settings_));
}

LayoutPrintGrid LayoutEditorController::PrintGrid() {
    const ListingOptions options = ListingOptions::FromSettings(settings_);
    const LangPriority priority = model_.Options().priority;
    if (const RedefinitionViewDocument* view = model_.View())
        return MakeLayoutPrintGrid(ViewListingSource(*view, types_), options, priority);
    ListingSource source;
    (void)PrepareListingSource(doc_, types_, source);  // a failed pass still gives the positions reached
    return MakeLayoutPrintGrid(source, options, priority);
}

// ---------------------------------------------------------------------------------------------
// Editing as text

std::string LayoutEditorController::EditorText() {
    const Geometry geometry = MeasureLayout(doc_);
    return WriteCobolEditorText({doc_, geometry, &keys_}, CobolOutputOptions::FromSettings(settings_));
}

bool LayoutEditorController::WriteWorkFile(const std::string& text) {
    if (workFile_.empty()) return false;
    if (!workFileClaimed_) {
        const std::size_t dot = workFile_.rfind('.');
        const std::string stem = dot == std::string::npos ? workFile_ : workFile_.substr(0, dot);
        const std::string ext = dot == std::string::npos ? std::string() : workFile_.substr(dot);
        for (int n = 1; n <= 100 && !workFileClaimed_; ++n) {
            const std::string candidate = n == 1 ? workFile_ : stem + "_" + std::to_string(n) + ext;
            if (std::FILE* f = std::fopen(ToFsPath(candidate).c_str(), "wx")) {
                std::fclose(f);
                workFile_ = candidate;
                workFileClaimed_ = true;
                workFiles_.push_back(candidate);
            }
        }
        if (!workFileClaimed_) return false;
    }
    return WriteFileReplacing(workFile_, text);
}

bool LayoutEditorController::ImportWorkFile() {
    std::string error;
    return import_.ImportCobolEditorMode(workFile_, doc_, error);
}

void LayoutEditorController::RecordWholeLayoutStep() { model_.RecordStep(StepKind::EditorText, 0, doc_.Count()); }

void LayoutEditorController::ReplaceDocument(LayoutDocument doc) {
    model_.LeaveView();
    doc_ = std::move(doc);
    LayoutReplaced();
}

// ---------------------------------------------------------------------------------------------
// Shutdown

std::array<int*, kGridColumns> LayoutEditorController::WidthKeys() const {
    Settings& s = settings_;
    return {&s.EGW_SEQ, &s.EGW_POS, &s.EGW_LVL, &s.EGW_KOM, &s.EGW_VNM, &s.EGW_RED,
            &s.EGW_TYP, &s.EGW_RPT, &s.EGW_BYT, &s.EGW_SYO, &s.EGW_BKO};
}

std::array<int, kGridColumns> LayoutEditorController::GridColumnWidths() const {
    std::array<int, kGridColumns> widths{};
    const std::array<int*, kGridColumns> keys = WidthKeys();
    for (std::size_t c = 0; c < keys.size(); ++c) widths[c] = *keys[c];
    return widths;
}

bool LayoutEditorController::Shutdown(const LayoutEditorWindowState& window) {
    settings_.FPS_kvel = window.place;
    const std::array<int*, kGridColumns> keys = WidthKeys();
    for (std::size_t c = 0; c < keys.size(); ++c) *keys[c] = window.widths[c];
    bool ok = true;
    const auto written = [&](bool done, const std::string& path) {
        if (done) return;
        ok = false;
        messages_.Inform(
            sj("<< エラー >>") + "\r\r" + sj("ファイルに書き込めませんでした。") + "\r\r" + sj("     PATH = ") + path,
            DefaultCaption(), MessageIcon::Error);
    };
    const std::string settingsPath = FolderFile(kSettingsFileName);
    written(WriteSettings(settingsPath, settings_), settingsPath);
    const std::string typesPath = FolderFile(kTypeNotationFileName);
    written(types_.Write(typesPath), typesPath);
    std::error_code ec;
    for (int i = 0; i < kTemporaryFiles; ++i)
        std::filesystem::remove(ToFsPath(FolderFile("morvane" + std::to_string(i) + ".tmp")), ec);
    // Only the work files this program created: another one of the same name is not ours.
    for (const std::string& work : workFiles_) std::filesystem::remove(ToFsPath(work), ec);
    return ok;
}

}  // namespace rekkan
