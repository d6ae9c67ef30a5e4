#include "ui/app/resident_message_window.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace rekkan::ui {

TFm_ResidentMsg::TFm_ResidentMsg(QWidget* parent) : QWidget(parent, Qt::Tool), text_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TFm_ResidentMsg"));
    setWindowTitle(QStringLiteral("Rekkan メッセージ"));
    text_->setObjectName(QStringLiteral("RichEdit1"));
    text_->setReadOnly(true);
    text_->setAccessibleName(QStringLiteral("メッセージ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(420, 160);
}

void TFm_ResidentMsg::ShowMessage(const QString& text, const QColor& colour) {
    QPalette p = text_->palette();
    p.setColor(QPalette::Text, colour);
    text_->setPalette(p);
    if (text_->toPlainText() != text) text_->setPlainText(text);
    if (isHidden()) show();
}

QString TFm_ResidentMsg::Message() const { return text_->toPlainText(); }

}  // namespace rekkan::ui
