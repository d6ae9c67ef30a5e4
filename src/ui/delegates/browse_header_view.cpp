#include "ui/delegates/browse_header_view.h"

#include <QPainter>

#include "records/browse/browse_geometry.h"
#include "ui/app/colours.h"
#include "ui/app/qt_text.h"
#include "ui/delegates/browse_cell_delegate.h"
#include "ui/delegates/cell_roles.h"

namespace rekkan::ui {

BrowseHeaderView::BrowseHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(0);
}

void BrowseHeaderView::SetLineHeights(int line, int nameLine) {
    line_ = line;
    nameLine_ = nameLine;
    setFixedHeight(3 * line_ + nameLine_);
    viewport()->update();
}

void BrowseHeaderView::SetCentred(bool on) {
    centred_ = on;
    viewport()->update();
}

void BrowseHeaderView::SetWrap(bool on) {
    wrap_ = on;
    viewport()->update();
}

QSize BrowseHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(3 * line_ + nameLine_);
    return size;
}

void BrowseHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!model() || rect.width() <= 0) return;
    painter->save();
    painter->setClipRect(rect);
    const auto kind =
        static_cast<HeaderKind>(model()->headerData(logicalIndex, Qt::Horizontal, HeaderKindRole).toInt());
    const bool fixedColumn = kind == HeaderKind::CentredFixed || kind == HeaderKind::LeftFixed;
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(QChar('A'));
    int top = rect.top();
    for (int k = 0; k < kBrowseHeaderLines; ++k) {
        const int height = k < 3 ? line_ : nameLine_;
        const QRect cell(rect.left(), top, rect.width(), height);
        top += height;
        painter->fillRect(cell, FromBgr(browse_look::kFixed));
        painter->setPen(Qt::white);
        QString text = model()->headerData(logicalIndex, Qt::Horizontal, HeaderLineRole + k).toString();
        bool centred = k < 3 || kind == HeaderKind::CentredFixed || (kind == HeaderKind::Item && centred_);
        if (k == 3 && wrap_ && !centred && !fixedColumn) {
            const auto lines = WrappedLines(FromQ(text), WrapChars(cell.width(), w));
            const int drawn = std::min<int>(DrawnLines(cell.height(), fm.height()), static_cast<int>(lines.size()));
            for (int i = 0; i < drawn; ++i)
                painter->drawText(
                    QRect(cell.left() + 2, cell.top() + 2 + i * fm.height(), cell.width() - 2, fm.height()),
                    Qt::AlignLeft | Qt::AlignTop, ToQ(lines[static_cast<std::size_t>(i)]));
        } else if (k == 3 && wrap_ && centred && !fixedColumn) {
            painter->drawText(cell.adjusted(2, 2, -2, -2), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWrapAnywhere,
                              text.trimmed());
        } else {
            if (centred)
                text = text.trimmed();
            else if (k == 3 && nameBlank_ && !fixedColumn)
                text = QStringLiteral(" ") + text.trimmed();
            painter->drawText(cell.adjusted(2, 0, -2, 0),
                              (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                              text);
        }
        if (fixedColumn || k == 3) {
            Paint3dFrame(*painter, cell);
        } else {
            painter->setPen(FromBgr(browse_look::kGridLine));
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    painter->restore();
}

}  // namespace rekkan::ui
