#pragma once

#include <QIcon>

namespace rekkan::ui {

/// The program's icon, given to every window: a record cut into coloured fields.
[[nodiscard]] QIcon AppIcon();

}  // namespace rekkan::ui
