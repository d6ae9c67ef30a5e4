#include "records/layout_group.h"

#include <algorithm>

#include "model/layout_file.h"
#include "records/file_engine.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/path_names.h"
#include "util/replacing_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr std::string_view kGroupKey = "Layout#Group";
constexpr std::string_view kRdfKey = "Path_Rdf";
constexpr std::string_view kEditKey = "Path_EditFile";
constexpr std::string_view kFixedKey = "#BrowseFixedCol";
constexpr std::string_view kBaseKey = "#GetBasePos";

/// The number after `key` and its "=", up to the next "#"; 0 when absent, unreadable or
/// negative.
std::int64_t NumberAfterKey(std::string_view line, std::string_view key) {
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) return 0;
    std::string_view rest = line.substr(at + key.size());
    const std::size_t eq = rest.find('=');
    if (eq == std::string_view::npos) return 0;
    rest.remove_prefix(eq + 1);
    rest = rest.substr(0, rest.find('#'));
    std::int64_t value = 0;
    if (!ParseInt64(Trim(rest), value) || value < 0) return 0;
    return value;
}

/// Byte position of `piece` in `text`, starting only on a character boundary; npos when absent.
std::size_t FindExactSjis(std::string_view text, std::string_view piece) {
    for (std::size_t at = FindNoCase(text, piece); at != std::string_view::npos;) {
        if (text.substr(at, piece.size()) == piece) return at;
        at = FindNoCase(text, piece, at + CharLength(text, at));
    }
    return std::string_view::npos;
}

}  // namespace

TLayoutListObj::TLayoutListObj() { ResetFileStates(); }
TLayoutListObj::~TLayoutListObj() = default;

void TLayoutListObj::ResetFileStates() {
    fileState = std::make_unique<TFileInf>();
    savedFileState = std::make_unique<TFileInf>();
}

std::string GroupFileFirstLine() { return std::string(kGroupKey) + "=" + std::string(kGroupKey); }

bool IsLayoutGroupText(std::string_view bytes) {
    return bytes.substr(0, 1000).find(kGroupKey) != std::string_view::npos;
}

bool ParseGroupLine(std::string_view line, GroupLine& out) {
    const std::size_t key = FindExactSjis(line, kRdfKey);
    if (key == std::string_view::npos) return false;
    out = GroupLine{};
    out.browseFixedItem = static_cast<int>(std::min<std::int64_t>(NumberAfterKey(line, kFixedKey), 0x7FFFFFFF));
    out.basePosition = NumberAfterKey(line, kBaseKey);

    std::string_view paths = line.substr(key + kRdfKey.size());
    const std::size_t eq = paths.find('=');
    if (eq == std::string_view::npos) return true;
    paths.remove_prefix(eq + 1);
    paths = paths.substr(0, paths.find('#'));
    const std::size_t edit = FindNoCase(paths, kEditKey);
    if (edit == std::string_view::npos) {
        out.layoutPath = Trim(paths);
        return true;
    }
    out.layoutPath = Trim(paths.substr(0, edit));
    std::string_view value = paths.substr(edit + kEditKey.size());
    const std::size_t valueEq = value.find('=');
    out.editFilePath = valueEq == std::string_view::npos ? std::string() : Trim(value.substr(valueEq + 1));
    return true;
}

std::vector<GroupLine> ParseGroupText(std::string_view bytes) {
    std::vector<GroupLine> lines;
    for (const std::string& text : SplitLines(bytes)) {
        GroupLine line;
        if (ParseGroupLine(text, line)) lines.push_back(std::move(line));
    }
    return lines;
}

std::string FormatGroupLine(const GroupLine& line) {
    return std::string(kRdfKey) + "=" + line.layoutPath + " " + std::string(kEditKey) + "=" + line.editFilePath + " " +
           std::string(kFixedKey) + "=" + std::to_string(line.browseFixedItem) + " " + std::string(kBaseKey) + "=" +
           std::to_string(line.basePosition);
}

std::string FormatGroupText(const std::vector<GroupLine>& lines) {
    std::string out;
    WriteLine(out, GroupFileFirstLine());
    for (const GroupLine& line : lines) WriteLine(out, FormatGroupLine(line));
    return out;
}

std::string EntryCaption(int number, std::string_view comment) {
    std::string n = std::to_string(number);
    if (n.size() < 2) n.insert(0, 2 - n.size(), ' ');
    std::string c(comment);
    if (c.size() < 30) c.append(30 - c.size(), ' ');
    return n + ". " + c;
}

std::string LayoutChildCaption(std::string_view layoutPath) { return "Layout = " + std::string(layoutPath); }
std::string EditChildCaption(std::string_view editFilePath) { return "Edit   = " + std::string(editFilePath); }

std::string MissingLayoutComment() { return sj("★★ レイアウトが存在しません ★★"); }
std::string NoNameComment() { return sj("ファイル名なし"); }

std::string WithGroupExtension(std::string_view cp932Path) { return AddDefaultExtension(cp932Path, ".LGP"); }

std::string SaveModifiedGroupQuestion() { return sj("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟの内容が変更されています。\r\n\r\n保存しますか？"); }

std::string NotLayoutGroupMessage(std::string_view cp932Path) {
    return sj("<< エラー >>") + "\r\r" + sj("このファイルは Rekkan の ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ ではありません。") + "\r\r" +
           "     PATH = " + std::string(cp932Path);
}

std::string SaveGroupQuestion(std::string_view cp932Path) {
    return sj("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟを下記のファイル名で保存します。") + "\r\n" + "\r\n" +
           "     PATH = " + std::string(cp932Path);
}

std::string RemoveLayoutQuestion(std::string_view caption) {
    return sj("下記のレイアウトをレイアウト・グループより削除します。") + "\r\n" + "\r\n" + "     " +
           std::string(caption) + "\r\n" + "\r\n" + sj("よろしいですか？");
}

std::string SaveGroupFailedMessage(std::string_view cp932Path) {
    return sj("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟを保存できませんでした。") + "\r\n" + "\r\n" + "     PATH = " + std::string(cp932Path);
}

std::string LayoutGroup::PathLabel() const { return path_.empty() ? std::string("Path=") : path_; }

void LayoutGroup::SetShown(int index) {
    shown_ = (index >= 0 && index < Count()) ? index : -1;
    if (shown_ >= 0) entries_[static_cast<std::size_t>(shown_)]->shownOnce = true;
}

int LayoutGroup::AddLayoutEntry(const std::string& layoutPath, const std::string& editFilePath,
                                std::int64_t basePosition, int browseFixedItem, LayoutDocument& doc, Settings& settings,
                                MessageSink& messages) {
    auto entry = std::make_unique<TLayoutListObj>();
    entry->serial = nextSerial_++;
    entry->layoutPath = layoutPath;
    entry->editFilePath = editFilePath;
    entry->basePosition = basePosition;
    entry->browseFixedItem = browseFixedItem;
    entry->layoutPresent = FileExists(layoutPath);
    entry->comment = MissingLayoutComment();
    if (entry->layoutPresent && ReadLayoutFile(doc, layoutPath, false, messages).ok) {
        settings.Path_Rdf = layoutPath;
        entry->comment = Trim(doc.RdfCmt).empty() ? NoNameComment() : doc.RdfCmt;
    }
    entries_.push_back(std::move(entry));
    Renumber();
    return Count() - 1;
}

bool LayoutGroup::LoadGroup(const std::string& cp932Path, LayoutDocument& doc, Settings& settings,
                            MessageSink& messages) {
    std::string bytes;
    if (!ReadWholeFile(cp932Path, bytes) || !IsLayoutGroupText(bytes)) {
        messages.Inform(NotLayoutGroupMessage(cp932Path), DefaultCaption());
        return false;
    }
    Clear();
    path_ = cp932Path;
    settings.Path_LayoutGroup = cp932Path;
    for (const GroupLine& line : ParseGroupText(bytes))
        AddLayoutEntry(line.layoutPath, line.editFilePath, line.basePosition, line.browseFixedItem, doc, settings,
                       messages);
    modified_ = false;
    return true;
}

bool LayoutGroup::SaveGroup(const std::string& cp932Path, bool ask, Settings& settings, MessageSink& messages) {
    const std::string path = WithGroupExtension(cp932Path);
    if (ask && messages.AskYesNo(SaveGroupQuestion(path), DefaultCaption()) != Answer::Yes) return false;
    if (!WriteFileReplacing(path, FormatGroupText(Lines()))) {
        messages.Inform(SaveGroupFailedMessage(path), DefaultCaption());
        return false;
    }
    path_ = path;
    settings.Path_LayoutGroup = path;
    modified_ = false;
    return true;
}

bool LayoutGroup::RemoveLayoutEntry(int index, MessageSink& messages, int& select) {
    select = shown_;
    if (index < 0 || index >= Count()) return false;
    if (messages.AskYesNo(RemoveLayoutQuestion(Caption(index)), DefaultCaption()) != Answer::Yes) return false;
    entries_.erase(entries_.begin() + index);
    if (shown_ == index)
        shown_ = -1;
    else if (shown_ > index)
        --shown_;
    Renumber();
    select = index < Count() ? index : Count() - 1;
    modified_ = true;
    return true;
}

int LayoutGroup::AddLayouts(const std::vector<std::string>& layoutPaths, LayoutDocument& doc, Settings& settings,
                            MessageSink& messages) {
    int last = -1;
    for (auto it = layoutPaths.rbegin(); it != layoutPaths.rend(); ++it)
        last = AddLayoutEntry(*it, "", 0, 0, doc, settings, messages);
    if (last >= 0) modified_ = true;
    return last;
}

void LayoutGroup::SetEditFile(int index, const std::string& cp932Path) {
    TLayoutListObj& e = Entry(index);
    if (e.fileState) e.fileState->CloseDataFile();
    e.editFilePath = cp932Path;
    e.ResetFileStates();
    e.viewSaved = false;
    modified_ = true;
}

void LayoutGroup::SetBasePosition(int index, std::int64_t basePosition) {
    TLayoutListObj& e = Entry(index);
    e.basePosition = basePosition < 0 ? 0 : basePosition;
    e.fileState->SetBasePosition(e.basePosition);
    e.savedFileState->SetBasePosition(e.basePosition);
    modified_ = true;
}

void LayoutGroup::SetBrowseFixedItem(int index, int item) {
    Entry(index).browseFixedItem = item < 0 ? 0 : item;
    modified_ = true;
}

void LayoutGroup::MoveEntry(int from, int target) {
    if (from < 0 || from >= Count() || target < 0 || target >= Count() || from == target) return;
    const TLayoutListObj* shown = shown_ >= 0 ? entries_[static_cast<std::size_t>(shown_)].get() : nullptr;
    auto moved = std::move(entries_[static_cast<std::size_t>(from)]);
    entries_.erase(entries_.begin() + from);
    if (from < target) --target;
    entries_.insert(entries_.begin() + target, std::move(moved));
    if (shown) {
        for (int i = 0; i < Count(); ++i)
            if (entries_[static_cast<std::size_t>(i)].get() == shown) shown_ = i;
    }
}

void LayoutGroup::Renumber() {
    int n = 1;
    for (auto& e : entries_) e->number = n++;
}

void LayoutGroup::Clear() {
    entries_.clear();
    shown_ = -1;
}

std::string LayoutGroup::Caption(int i) const {
    const TLayoutListObj& e = Entry(i);
    return EntryCaption(e.number, e.comment);
}

std::vector<GroupLine> LayoutGroup::Lines() const {
    std::vector<GroupLine> lines;
    for (const auto& e : entries_)
        lines.push_back(GroupLine{e->layoutPath, e->editFilePath, e->browseFixedItem, e->basePosition});
    return lines;
}

}  // namespace rekkan
