#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace rekkan {

/// One cell change the memo editor made, with what undoing it puts back.
struct CellUndoEntry {
    int row = 0;                  ///< 0-based field entry index
    std::string previousText;     ///< CP932 cell text before the change
    int topRow = 0;               ///< grid top row at the change
    bool recordModified = false;  ///< the entry's record-modified flag before the change
};

/// The undo list of the record editor's content cells: at most 64 entries, the oldest dropped.
class CellUndoList {
public:
    static constexpr std::size_t kCapacity = 64;

    void Push(CellUndoEntry entry);
    /// Removes and returns the newest entry; false when empty.
    [[nodiscard]] bool Pop(CellUndoEntry& out);
    void Clear() { entries_.clear(); }
    [[nodiscard]] std::size_t Count() const { return entries_.size(); }
    [[nodiscard]] bool Empty() const { return entries_.empty(); }
    /// Menu caption: "元に戻す   #" + count + "   【" + the first 20 characters of the newest
    /// entry's previous text (cut on a character edge; "？" when empty) + "】"; plain
    /// "元に戻す" when empty.
    [[nodiscard]] std::string Caption() const;

private:
    std::deque<CellUndoEntry> entries_;
};

}  // namespace rekkan
