#pragma once

#include <string>
#include <vector>

#include "model/geometry.h"
#include "tools/print_table.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// One line of the item selection list: the layout row it offers and its visible text.
struct KeySelectionLine {
    int row = 0;
    std::string text;  ///< visible part (the TAB tail of the type code is left out)
};

/// Which attribute of a key item a palette entry sets.
enum class KeyAttribute { Duplicates, Order };

/// The key item editor without its widgets: the item selection list built from the layout,
/// and every change of the layout's key lines (add, set an attribute, add a key, remove,
/// move) with renumbering and the layout's modified flag. Operations return the key-list
/// line that is selected afterwards (-1 for none).
class KeyItemEditor {
public:
    KeyItemEditor(LayoutEditorController& editor, MessageSink& messages);

    /// The window became active: measures the layout, rebuilds the selection list and
    /// validates the key lines against the layout.
    void Activate();

    [[nodiscard]] const std::vector<KeySelectionLine>& SelectionLines() const { return selection_; }
    /// The key lines as stored (with their TAB tails).
    [[nodiscard]] const std::vector<std::string>& KeyLines() const;
    /// Key line `index` as the list shows it.
    [[nodiscard]] std::string VisibleKeyLine(int index) const;

    /// The palette entries currently selected (" 不" / " 可", " 昇順" / " 降順").
    void SetDuplicatesChoice(const std::string& text) { duplicates_ = text; }
    void SetOrderChoice(const std::string& text) { order_ = text; }

    /// Selection-list lines `selection` (indexes, taken in list order) dropped on the key
    /// list with line `target` selected (-1: appended). Refused with a message while the
    /// layout editor shows the redefinition view; then `target` is returned.
    int AddItems(std::vector<int> selection, int target);
    /// A palette entry dropped on key item line `line`; a header is left as it is.
    bool SetAttribute(int line, KeyAttribute attribute, const std::string& text);
    /// "キー番号の追加" dropped with line `target` selected (-1: appended).
    int AddKey(int target);
    /// Key line `line` dragged back onto the selection list.
    int Remove(int line);
    /// "△" and "▽": exchanges line `line` with its neighbour; refused when an item would
    /// come above the first header.
    int MoveUp(int line);
    int MoveDown(int line);

    /// Left edge of the name column in letters: 12 + the widths of position, length and type.
    [[nodiscard]] int NameColumn() const;
    /// The print table "＜ キーリスト ＞" with the given seven column widths.
    [[nodiscard]] PrintTable KeyPrintTable(const std::vector<int>& columnWidths) const;

private:
    void Changed();
    [[nodiscard]] int Count() const { return static_cast<int>(KeyLines().size()); }

    LayoutEditorController& editor_;
    MessageSink& messages_;
    std::vector<KeySelectionLine> selection_;
    Geometry geometry_;
    std::string duplicates_;
    std::string order_;
};

}  // namespace rekkan
