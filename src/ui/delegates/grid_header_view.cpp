#include "ui/delegates/grid_header_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/app/colours.h"
#include "ui/delegates/cell_look.h"
#include "ui/delegates/cell_roles.h"

namespace rekkan::ui {

GridHeaderView::GridHeaderView(int buttonColumn, int buttonWidth, const QString& buttonCaption, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      buttonColumn_(buttonColumn),
      buttonWidth_(buttonWidth),
      buttonCaption_(buttonCaption) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

bool GridHeaderView::InButtonArea(int x) const {
    if (logicalIndexAt(x) != buttonColumn_) return false;
    return x - sectionViewportPosition(buttonColumn_) < buttonWidth_;
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!model()) return;
    const bool allHex = model()->headerData(logicalIndex, Qt::Horizontal, AllHexRole).toBool();
    const CellLook look = HeadingLookOf(logicalIndex, allHex);
    painter->save();
    painter->fillRect(rect, FromBgr(look.background));
    painter->setPen(FromBgr(0x808080));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setBold(look.text == bgr::kBlue);
    painter->setFont(f);
    QRect textRect = rect;
    if (logicalIndex == buttonColumn_) {
        const QRect area(rect.left(), rect.top(), std::min(buttonWidth_, rect.width()), rect.height());
        painter->fillRect(area.adjusted(1, 1, -1, -1), FromBgr(look::kButton));
        const bool on = model()->headerData(logicalIndex, Qt::Horizontal, RulerOnRole).toBool();
        painter->setPen(FromBgr(on ? bgr::kBlue : look::kButtonText));
        painter->drawText(area, Qt::AlignCenter, buttonCaption_);
        textRect.setLeft(area.right() + 1);
    }
    painter->setPen(FromBgr(look.text));
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
                      model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString());
    painter->restore();
}

void GridHeaderView::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    const int column = logicalIndexAt(x);
    if (event->button() == Qt::LeftButton && column >= 0 && cursor().shape() != Qt::SplitHCursor) {
        // A press near a section edge resizes; only presses inside a section are clicks.
        const int inside = x - sectionViewportPosition(column);
        if (inside > 3 && inside < sectionSize(column) - 3) {
            if (InButtonArea(x))
                emit buttonAreaClicked();
            else
                emit headingClicked(column);
        }
    }
    QHeaderView::mousePressEvent(event);
}

}  // namespace rekkan::ui
