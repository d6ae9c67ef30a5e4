#include "ui/app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace rekkan::ui {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const double unit = size / 16.0;
        // Three records, each cut into fields of different widths.
        const QColor fields[] = {QColor(0x1F, 0x5F, 0xBF), QColor(0xF0, 0xB0, 0x20), QColor(0x30, 0xA0, 0x60)};
        const int widths[] = {6, 4, 4};
        for (int row = 0; row < 3; ++row) {
            double x = unit;
            for (int f = 0; f < 3; ++f) {
                const QRectF cell(x, unit * (2 + row * 4.5), unit * widths[f] - unit * 0.5, unit * 3.5);
                painter.fillRect(cell, fields[(f + row) % 3]);
                x += unit * widths[f];
            }
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace rekkan::ui
