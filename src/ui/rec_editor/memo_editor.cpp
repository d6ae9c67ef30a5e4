#include "ui/rec_editor/memo_editor.h"

#include <QKeyEvent>

namespace rekkan::ui {

MemoEditor::MemoEditor(QWidget* viewport) : QPlainTextEdit(viewport) {
    setObjectName(QStringLiteral("Memo_Cell"));
    setAccessibleName(QStringLiteral("内容"));
    setFrameShape(QFrame::Box);
    hide();
}

void MemoEditor::Open(const QRect& cell, int rowHeight, const QString& text, const QString& typed) {
    QRect r(cell.left(), cell.top(), cell.width(), 3 * rowHeight);
    const int bottom = parentWidget() ? parentWidget()->height() : r.bottom();
    if (r.bottom() > bottom) r.moveBottom(bottom);
    if (r.top() < 0) r.moveTop(0);
    setGeometry(r);
    setPlainText(text);
    if (typed.isEmpty()) {
        moveCursor(QTextCursor::End);
    } else {
        selectAll();  // typing over a cell replaces its text
        insertPlainText(typed);
    }
    show();
    setFocus();
}

void MemoEditor::Close() {
    if (!isVisible() || closing_) return;
    closing_ = true;
    QString text = toPlainText();
    text.remove(QChar('\r'));
    text.remove(QChar('\n'));
    hide();
    closing_ = false;
    emit closed(text);
}

void MemoEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: Close(); return;
    default: QPlainTextEdit::keyPressEvent(event);
    }
}

void MemoEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    Close();
}

void MemoEditor::mouseDoubleClickEvent(QMouseEvent*) { Close(); }

}  // namespace rekkan::ui
