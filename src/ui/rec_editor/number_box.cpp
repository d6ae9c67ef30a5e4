#include "ui/rec_editor/number_box.h"

#include <QTimer>

#include "ui/app/colours.h"

namespace rekkan::ui {

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) { SetTextColour(FromBgr(bgr::kBlue)); }

void NumberBox::SetValue(const QString& text) { setText(QChar(' ') + text.trimmed()); }

void NumberBox::SetTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    SetTextColour(Qt::black);
    SetValue(text());
    // Selecting at once would be undone by the mouse press that gave the focus.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    SetTextColour(FromBgr(bgr::kBlue));
    SetValue(text());
    deselect();
}

void NumberBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (clicksSinceCommand_ < 2) {
        ++clicksSinceCommand_;
        selectAll();
    }
}

}  // namespace rekkan::ui
