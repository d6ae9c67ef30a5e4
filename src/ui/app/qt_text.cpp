#include "ui/app/qt_text.h"

#include "util/encoding.h"

namespace rekkan::ui {

QString ToQ(std::string_view cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

std::string FromQ(const QString& text) {
    std::string out;
    (void)Utf8ToCp932(text.toStdString(), out);
    return out;
}

bool ToCp932(const QString& text, std::string& out) { return Utf8ToCp932(text.toStdString(), out); }

}  // namespace rekkan::ui
