#include "ui/app/file_filter.h"

#include <QStringList>

#include <string>

#include "ui/app/qt_text.h"

namespace rekkan::ui {

QString QtFilter(std::string_view cp932Filter) {
    const QStringList parts = ToQ(cp932Filter).split(QChar('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts.at(i + 1).split(QChar(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
        filters << parts.at(i).trimmed() + QStringLiteral(" (") + patterns.join(QChar(' ')) + QChar(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString ExtensionFilter(std::string_view cp932Extension) {
    const std::string ext(cp932Extension);
    return QtFilter("(*" + ext + ")|*" + ext + "|(*.*)|*.*");
}

}  // namespace rekkan::ui
