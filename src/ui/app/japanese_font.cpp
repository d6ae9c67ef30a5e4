#include "ui/app/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

namespace rekkan::ui {

void UseJapaneseFallbackFont() {
    QFont font = QApplication::font();
    const QString japanese = QStringLiteral("IPAGothic");
    // The face the system really gives for the application's font: its name may be an alias
    // ("Sans Serif") that a list of families would not resolve, leaving every letter to the
    // Japanese face.
    const QString own = QFontInfo(font).family();
    if (own == japanese) return;
    font.setFamilies({own, japanese});
    QApplication::setFont(font);
}

}  // namespace rekkan::ui
