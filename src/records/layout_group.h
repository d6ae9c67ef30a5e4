#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

class TFileInf;  // records/file_engine.h

/// One layout of the record editor's layout group with its edit file, base position and
/// browse fixed item. Owns the two file states of its edit file.
struct TLayoutListObj {
    TLayoutListObj();
    ~TLayoutListObj();
    TLayoutListObj(const TLayoutListObj&) = delete;
    TLayoutListObj& operator=(const TLayoutListObj&) = delete;

    int serial = 0;               ///< running number given at creation
    int number = 0;               ///< number shown in the tree caption (reassigned by renumbering)
    bool recordModified = false;  ///< a field of the shown record was changed in the memo editor
    bool shownOnce = false;
    bool allHex = false;                       ///< state of the "HEX" heading toggle
    bool layoutPresent = false;                ///< the layout file existed when the entry was created
    std::string layoutPath;                    ///< CP932
    std::string comment;                       ///< layout comment, or one of the two stand-in texts
    std::string editFilePath;                  ///< CP932, may be empty
    std::unique_ptr<TFileInf> fileState;       ///< working data file state
    std::unique_ptr<TFileInf> savedFileState;  ///< copy kept while another layout is shown
    bool viewSaved = false;
    int topRow = 0;
    int row = 0;
    bool savedAllHex = false;
    std::vector<bool> hexFlags;  ///< per field entry, saved hex display flags
    bool editable = false;
    int browseFixedItem = 0;        ///< 0 none, n field entry n
    std::int64_t basePosition = 0;  ///< 0-based read base position

    /// Replaces both file states by fresh, closed ones.
    void ResetFileStates();
};

/// One "Path_Rdf" line of a layout group file.
struct GroupLine {
    std::string layoutPath;
    std::string editFilePath;
    int browseFixedItem = 0;
    std::int64_t basePosition = 0;
    friend bool operator==(const GroupLine&, const GroupLine&) = default;
};

/// First line of a layout group file (without line end).
[[nodiscard]] std::string GroupFileFirstLine();
/// True when the text is a layout group: "Layout#Group" within its first 1000 bytes.
[[nodiscard]] bool IsLayoutGroupText(std::string_view bytes);
/// Reads one line; false when it holds no "Path_Rdf".
[[nodiscard]] bool ParseGroupLine(std::string_view line, GroupLine& out);
/// Every entry line of a group file text, in file order.
[[nodiscard]] std::vector<GroupLine> ParseGroupText(std::string_view bytes);
/// The line of one entry (without line end).
[[nodiscard]] std::string FormatGroupLine(const GroupLine& line);
/// The whole file: first line and one line per entry, each ended by CR LF.
[[nodiscard]] std::string FormatGroupText(const std::vector<GroupLine>& lines);

/// Caption of a top-level node: number right-aligned in 2, ". ", comment left-aligned in 30.
[[nodiscard]] std::string EntryCaption(int number, std::string_view comment);
/// Caption of the layout child node: "Layout = " + path.
[[nodiscard]] std::string LayoutChildCaption(std::string_view layoutPath);
/// Caption of the edit file child node: "Edit   = " + path.
[[nodiscard]] std::string EditChildCaption(std::string_view editFilePath);

/// The comment of an entry whose layout file could not be read.
[[nodiscard]] std::string MissingLayoutComment();
/// The comment of an entry whose layout has an empty comment.
[[nodiscard]] std::string NoNameComment();

/// A group path with ".LGP" appended when it has no extension.
[[nodiscard]] std::string WithGroupExtension(std::string_view cp932Path);

/// Question before a modified group is replaced or the window closes.
[[nodiscard]] std::string SaveModifiedGroupQuestion();
/// Message for a file that is not a layout group.
[[nodiscard]] std::string NotLayoutGroupMessage(std::string_view cp932Path);
/// Question before a group is saved.
[[nodiscard]] std::string SaveGroupQuestion(std::string_view cp932Path);
/// Question before a layout is removed from the group.
[[nodiscard]] std::string RemoveLayoutQuestion(std::string_view caption);
/// Message when the group file cannot be written.
[[nodiscard]] std::string SaveGroupFailedMessage(std::string_view cp932Path);

/// The layout group of the record editor: its entries in tree order, its file path and the
/// group-modified flag. The window shows it as a tree; every change goes through here.
class LayoutGroup {
public:
    [[nodiscard]] int Count() const { return static_cast<int>(entries_.size()); }
    [[nodiscard]] TLayoutListObj& Entry(int i) { return *entries_.at(static_cast<std::size_t>(i)); }
    [[nodiscard]] const TLayoutListObj& Entry(int i) const { return *entries_.at(static_cast<std::size_t>(i)); }

    /// The group file path; empty while no group was loaded or saved.
    [[nodiscard]] const std::string& Path() const { return path_; }
    /// Text of the label above the tree: "Path=" while no path is known, else the path.
    [[nodiscard]] std::string PathLabel() const;
    [[nodiscard]] bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    /// Index of the entry the window shows, or -1.
    [[nodiscard]] int Shown() const { return shown_; }
    void SetShown(int index);

    /// Adds an entry at the end: reads the layout's comment by loading the layout into `doc`
    /// (a layout that loads becomes `Path_Rdf` of the settings). Returns the new index.
    /// Renumbers; does not mark the group modified (the caller does for user additions).
    int AddLayoutEntry(const std::string& layoutPath, const std::string& editFilePath, std::int64_t basePosition,
                       int browseFixedItem, LayoutDocument& doc, Settings& settings, MessageSink& messages);

    /// Replaces the group by the file at `cp932Path`. A file that is not a layout group (or
    /// cannot be read) gives the message and leaves the current group as it is; false then.
    /// On success the path is recorded (and in `Path_LayoutGroup`), the first entry is the
    /// one to show and the group is not modified.
    [[nodiscard]] bool LoadGroup(const std::string& cp932Path, LayoutDocument& doc, Settings& settings,
                                 MessageSink& messages);

    /// Writes the group to `cp932Path` (".LGP" added when it has no extension). With `ask`,
    /// puts the save question first; No gives false without writing. On success the path
    /// becomes the group path (and `Path_LayoutGroup`) and the modified flag is cleared.
    [[nodiscard]] bool SaveGroup(const std::string& cp932Path, bool ask, Settings& settings, MessageSink& messages);

    /// Removes entry `index` after the question; on Yes the entry and its file states go,
    /// the rest are renumbered and the group is modified. `select` gets the index to select
    /// and show next (-1 when none remains). False when No or the index is out of range.
    [[nodiscard]] bool RemoveLayoutEntry(int index, MessageSink& messages, int& select);

    /// Adds the layouts chosen in the add dialog, taking the list from its last file to its
    /// first, each without edit file; marks the group modified. Returns the index of the last
    /// entry added (the one to show), or -1 for an empty list.
    int AddLayouts(const std::vector<std::string>& layoutPaths, LayoutDocument& doc, Settings& settings,
                   MessageSink& messages);

    /// Makes `cp932Path` the edit file of entry `index` (empty clears it): fresh file states,
    /// group modified.
    void SetEditFile(int index, const std::string& cp932Path);
    /// Sets the 0-based base position of entry `index` in the entry and both file states;
    /// group modified.
    void SetBasePosition(int index, std::int64_t basePosition);
    /// Stores the browse table's fixed item of entry `index`; group modified.
    void SetBrowseFixedItem(int index, int item);

    /// Moves entry `from` in front of entry `target` (a drop in the tree). Numbers and the
    /// modified flag stay as they are.
    void MoveEntry(int from, int target);

    /// Numbers 1, 2, 3 ... in tree order.
    void Renumber();
    /// Removes every entry (closing their files) and forgets the shown one.
    void Clear();

    /// Caption texts of entry `i`.
    [[nodiscard]] std::string Caption(int i) const;
    /// The file lines of the current entries.
    [[nodiscard]] std::vector<GroupLine> Lines() const;

private:
    std::vector<std::unique_ptr<TLayoutListObj>> entries_;
    std::string path_;
    bool modified_ = false;
    int shown_ = -1;
    int nextSerial_ = 1;
};

}  // namespace rekkan
