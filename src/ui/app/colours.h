#pragma once

#include <QColor>

namespace rekkan::ui {

/// A colour as the settings and the window rules store it: 0x00BBGGRR, or a system colour
/// (0x80000000 + index, negative as an int) taken from the application's palette.
[[nodiscard]] QColor FromBgr(int bgr);
/// The stored form of a colour chosen in the colour dialog (always a plain BGR value).
[[nodiscard]] int ToBgr(const QColor& colour);

/// Fixed colours of the record editor, as the window rules give them (BGR values).
namespace bgr {
inline constexpr int kPanel = 0x5F5F5F;      ///< window background, message panels, past-end cells
inline constexpr int kGold = 0x00D7FF;       ///< group rows, "nothing to read" outcomes
inline constexpr int kRed = 0x0000FF;        ///< errors, warnings, past-end text
inline constexpr int kAqua = 0xFFFF00;       ///< update, insert, append, delete succeeded
inline constexpr int kWhite = 0xFFFFFF;      ///< headings and data cells text, success outcomes
inline constexpr int kBlue = 0xFF0000;       ///< number boxes after leaving them
inline constexpr int kGroupFill = 0xA0A0A0;  ///< the content cell of a group row
inline constexpr int kDarkRed = 0x000080;    ///< every fifth ruler tick
inline constexpr int kSystemWindow = static_cast<int>(0x80000005u);  ///< the system's window colour
}  // namespace bgr

}  // namespace rekkan::ui
