#include "records/editor/cell_undo.h"

#include "util/encoding.h"
#include "util/sjis.h"

namespace rekkan {

void CellUndoList::Push(CellUndoEntry entry) {
    if (entries_.size() >= kCapacity) entries_.pop_front();
    entries_.push_back(std::move(entry));
}

bool CellUndoList::Pop(CellUndoEntry& out) {
    if (entries_.empty()) return false;
    out = std::move(entries_.back());
    entries_.pop_back();
    return true;
}

std::string CellUndoList::Caption() const {
    static const std::string kUndo = sj("元に戻す");
    if (entries_.empty()) return kUndo;
    const std::string& text = entries_.back().previousText;
    std::size_t end = 0;
    for (int chars = 0; chars < 20 && end < text.size(); ++chars) end += CharLength(text, end);
    if (end > text.size()) end = text.size();
    const std::string shown = text.empty() ? sj("？") : text.substr(0, end);
    return kUndo + "   #" + std::to_string(entries_.size()) + "   " + sj("【") + shown + sj("】");
}

}  // namespace rekkan
