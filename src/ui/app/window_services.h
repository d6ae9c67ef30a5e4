#pragma once

#include <QString>
#include <QStringList>

#include "model/settings.h"

class QWidget;

namespace rekkan::ui {

/// Puts a window in the normal state at its stored place when that place is usable, else
/// keeps its size and centres it on the screen.
void RestorePlacement(QWidget& window, const WindowPlace& place);
/// The window's place as stored in the settings: its current place when it exists in the
/// normal state, otherwise `stored` again.
[[nodiscard]] WindowPlace CapturePlacement(const QWidget* window, const WindowPlace& stored);
/// Sizes a window to fractions of the screen and centres it.
void SizeToScreen(QWidget& window, double verticalFraction, double horizontalFraction);
/// Places `control` inside `container` with the same margin on all four sides.
void FillClient(QWidget& container, QWidget& control, int margin);
/// Starts a program and waits for it while the windows stay responsive; false when it
/// could not be started.
[[nodiscard]] bool RunAndWait(const QString& program, const QStringList& arguments, QWidget* windowToHide);

}  // namespace rekkan::ui
