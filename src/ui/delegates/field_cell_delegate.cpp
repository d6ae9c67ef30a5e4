#include "ui/delegates/field_cell_delegate.h"

#include <QLineEdit>
#include <QPainter>

#include "ui/app/colours.h"
#include "ui/delegates/cell_look.h"
#include "ui/delegates/cell_roles.h"
#include "ui/delegates/ruler_ticks.h"

namespace rekkan::ui {
namespace {
constexpr int kTextMargin = 3;
}

void FieldCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    CellFacts facts;
    facts.column = index.column();
    facts.group = index.data(GroupRowRole).toBool();
    facts.pastEnd = index.data(PastEndRole).toBool();
    facts.error = index.data(ErrorRole).toBool();
    facts.undoMark = index.data(UndoMarkRole).toBool();
    const CellLook look = CellLookOf(facts);
    const bool selected = (option.state & QStyle::State_Selected) && index.column() == contentColumn_ && !facts.group;

    painter->save();
    const QPalette& pal = option.palette;
    painter->fillRect(option.rect, selected ? pal.color(QPalette::Highlight) : FromBgr(look.background));
    painter->setPen(selected ? pal.color(QPalette::HighlightedText) : FromBgr(look.text));
    painter->setFont(option.font);
    const bool rulerUnder = ruler_ && index.column() == contentColumn_ && !facts.group;
    // With the ruler on, every row's text is centred above the band that holds the ticks.
    const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, ruler_ ? -kRulerBand : 0);
    const QVariant align = index.data(Qt::TextAlignmentRole);
    const int flags = (align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter)) | Qt::TextSingleLine;
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->drawText(textRect, flags, text);
    if (rulerUnder)
        PaintRuler(painter, option.rect, index, textRect.left(), option.fontMetrics.horizontalAdvance(QChar('0')));
    if ((option.state & QStyle::State_HasFocus) && !selected) {
        // The cursor on a cell that cannot be selected (a group row) still shows where it is.
        painter->setPen(QPen(pal.color(QPalette::Highlight), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

void FieldCellDelegate::PaintRuler(QPainter* painter, const QRect& rect, const QModelIndex& index, int textLeft,
                                   int charWidth) const {
    const auto kind = static_cast<RulerKind>(index.data(RulerKindRole).toInt());
    const RulerMarks marks = RulerMarksFor(kind, index.data(ByteLengthRole).toInt(), charWidth, textLeft, rect.right());
    const int bottom = rect.bottom() - 1;
    for (const RulerTick& t : marks.ticks) {
        painter->setPen(FromBgr(t.fifth ? bgr::kDarkRed : 0x000000));
        painter->drawLine(t.x, bottom - (t.fifth ? 5 : 3), t.x, bottom);
    }
    if (marks.closingX >= 0) {
        painter->setPen(FromBgr(bgr::kDarkRed));
        painter->drawLine(marks.closingX, rect.top() + 2, marks.closingX, bottom);
    }
}

QWidget* FieldCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (!inPlace_ || index.column() != contentColumn_ || index.data(GroupRowRole).toBool()) return nullptr;
    auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (edit) edit->setFrame(false);
    return edit;
}

}  // namespace rekkan::ui
