#include "ui/delegates/browse_cell_delegate.h"

#include <QApplication>
#include <QPainter>

#include "records/browse/browse_geometry.h"
#include "ui/app/colours.h"
#include "ui/app/qt_text.h"
#include "ui/delegates/cell_roles.h"
#include "util/text.h"

namespace rekkan::ui {

std::vector<std::string> WrappedLines(const std::string& text, int charsPerLine) {
    const auto width = static_cast<std::size_t>(std::max(charsPerLine, 1));
    const std::string folded = width > 1 ? Fold(text, static_cast<int>(width), false) : text;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < folded.size(); at += width) lines.push_back(TrimRight(folded.substr(at, width)));
    if (lines.empty()) lines.emplace_back();
    return lines;
}

void Paint3dFrame(QPainter& painter, const QRect& rect) {
    painter.setPen(FromBgr(browse_look::kLight));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QApplication::palette().color(QPalette::Dark));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void BrowseCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (option.rect.width() <= 0) return;  // a hidden column draws nothing
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    const QRect r = option.rect;
    if (index.data(FixedCellRole).toBool()) {
        painter->fillRect(r, FromBgr(browse_look::kFixed));
        painter->setPen(Qt::white);
        const bool centred = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter;
        QString text = index.data(Qt::DisplayRole).toString();
        if (centred) text = text.trimmed();
        painter->drawText(r.adjusted(2, 0, -2, 0),
                          (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine, text);
        Paint3dFrame(*painter, r);
    } else if (index.data(GroupRowRole).toBool()) {
        painter->fillRect(r, FromBgr(browse_look::kGroupFill));
        painter->setPen(FromBgr(browse_look::kGridLine));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        PaintValue(painter, option, index);
    }
    painter->restore();
}

void BrowseCellDelegate::PaintValue(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_HasFocus || option.state & QStyle::State_Selected;
    painter->fillRect(r, Qt::white);
    if (selected) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    const int w = option.fontMetrics.horizontalAdvance(QChar('A'));
    const auto kind = static_cast<MarkKind>(index.data(MarkKindRole).toInt());
    if (kind != MarkKind::None && style_ == Style::Browse) {
        const auto marks = CellMarks(kind == MarkKind::Hex, index.data(ByteLengthRole).toInt(), w, r.left(), r.right());
        for (const CellMark& m : marks) {
            painter->setPen(m.fifth ? FromBgr(bgr::kDarkRed) : QColor(Qt::black));
            painter->drawLine(m.x, r.bottom() - 4, m.x, r.bottom() - 1);
        }
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool marked = index.data(MarkedRole).toBool();
    painter->setPen(marked ? FromBgr(browse_look::kMarked) : QColor(Qt::black));
    if (style_ == Style::Result) {
        painter->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        return;
    }
    if (!wrap_) {
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QStringLiteral(" ") + text);
        return;
    }
    const int lineHeight = option.fontMetrics.height();
    const auto lines = WrappedLines(FromQ(text), WrapChars(r.width(), w));
    const int drawn = std::min<int>(DrawnLines(r.height(), lineHeight), static_cast<int>(lines.size()));
    for (int k = 0; k < drawn; ++k) {
        const QRect line(r.left() + 2, r.top() + 2 + k * lineHeight, r.width() - 2, lineHeight);
        painter->drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          ToQ(lines[static_cast<std::size_t>(k)]));
    }
}

}  // namespace rekkan::ui
