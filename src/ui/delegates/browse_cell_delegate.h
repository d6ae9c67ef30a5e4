#pragma once

#include <QStyledItemDelegate>

#include <string>
#include <vector>

namespace rekkan::ui {

/// Grid colours of the browse and search tables (BGR).
namespace browse_look {
inline constexpr int kFixed = 0x80582C;      ///< fixed rows and columns (white text)
inline constexpr int kGroupFill = 0xA0A0A0;  ///< data cells of group items
inline constexpr int kGridLine = 0xC0C0C0;   ///< flat frames
inline constexpr int kLight = 0xC0C0C0;      ///< light edge of the 3D frame
inline constexpr int kMarked = 0xFF0000;     ///< cells a search word occurs in (blue)
}  // namespace browse_look

/// The lines a cell of `text` (CP932) shows when wrapped at `charsPerLine` bytes: cut without
/// splitting a double-byte character, each right-trimmed.
[[nodiscard]] std::vector<std::string> WrappedLines(const std::string& text, int charsPerLine);

/// Draws the data cells of the browse table and the search results from their roles: fixed
/// cells in the fixed colour with white text and a 3D frame, group items grey, hex and BIT
/// items with their byte marks, search hits blue, and the text on one line or wrapped.
class BrowseCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// How the value cells are written.
    enum class Style {
        Browse,  ///< one blank in front, vertically centred, or wrapped while folding
        Result,  ///< one line, 2 pixels in from the top left
    };

    explicit BrowseCellDelegate(Style style, QObject* parent = nullptr) : QStyledItemDelegate(parent), style_(style) {}

    /// Wrapped text (any folding choice but " 無し").
    void SetWrap(bool on) { wrap_ = on; }
    [[nodiscard]] bool Wrap() const { return wrap_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintValue(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    Style style_;
    bool wrap_ = false;
};

/// Draws a 3D frame of one pixel (light top left, button shadow bottom right).
void Paint3dFrame(QPainter& painter, const QRect& rect);

}  // namespace rekkan::ui
