#include "ui/app/window_services.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>

namespace rekkan::ui {
namespace {

QRect ScreenArea(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void Centre(QWidget& window) {
    const QRect area = ScreenArea(window);
    window.move(area.x() + (area.width() - window.width()) / 2, area.y() + (area.height() - window.height()) / 2);
}

}  // namespace

void RestorePlacement(QWidget& window, const WindowPlace& place) {
    window.setWindowState(Qt::WindowNoState);
    const QRect area = ScreenArea(window);
    if (UsePlace(place, area.width(), area.height())) {
        window.setGeometry(place.left, place.top, std::max(1, place.width), std::max(1, place.height));
        return;
    }
    Centre(window);
}

WindowPlace CapturePlacement(const QWidget* window, const WindowPlace& stored) {
    if (!window || window->windowState() != Qt::WindowNoState) return stored;
    const QRect g = window->geometry();
    return WindowPlace{g.top(), g.left(), g.width(), g.height()};
}

void SizeToScreen(QWidget& window, double verticalFraction, double horizontalFraction) {
    const QRect area = ScreenArea(window);
    window.resize(static_cast<int>(area.width() * horizontalFraction),
                  static_cast<int>(area.height() * verticalFraction));
    Centre(window);
}

void FillClient(QWidget& container, QWidget& control, int margin) {
    const QRect inside = container.contentsRect();
    control.setGeometry(inside.adjusted(margin, margin, -margin, -margin));
}

bool RunAndWait(const QString& program, const QStringList& arguments, QWidget* windowToHide) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) return false;
    if (windowToHide) windowToHide->hide();
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
    if (windowToHide) windowToHide->show();
    return true;
}

}  // namespace rekkan::ui
