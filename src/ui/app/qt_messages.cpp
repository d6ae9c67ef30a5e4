#include "ui/app/qt_messages.h"

#include <QMessageBox>

#include "ui/app/qt_text.h"

namespace rekkan::ui {
namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}

/// Message boxes break lines with CR LF or a lone CR.
QString BoxText(const std::string& text) {
    QString q = ToQ(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    return q;
}

Answer Ask(QWidget* parent, const std::string& text, const std::string& caption, QMessageBox::StandardButtons buttons,
           QMessageBox::Icon icon) {
    QMessageBox box(icon, ToQ(caption), BoxText(text), buttons, parent);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

}  // namespace

void QtMessages::Inform(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(ToIcon(icon), ToQ(caption), BoxText(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtMessages::AskYesNo(const std::string& text, const std::string& caption) {
    return Ask(parent_, text, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
}

Answer QtMessages::AskYesNoCancel(const std::string& text, const std::string& caption) {
    return Ask(parent_, text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
}

Answer QtMessages::AskOkCancel(const std::string& text, const std::string& caption) {
    return Ask(parent_, text, caption, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning);
}

}  // namespace rekkan::ui
