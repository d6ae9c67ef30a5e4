#include "ui/layout_editor/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/app/qt_text.h"

namespace rekkan::ui {

std::optional<std::string> QtClipboard::Text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    std::string text;
    if (!ToCp932(data->text(), text)) return std::nullopt;  // never store '?' for what CP932 cannot hold
    return text;
}

void QtClipboard::SetText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQ(text)); }

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

}  // namespace rekkan::ui
