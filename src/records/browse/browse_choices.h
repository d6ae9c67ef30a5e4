#pragma once

#include "model/settings.h"

namespace rekkan {

/// How the scroll bar moves the rows.
enum class ScrollMode {
    Follow,    ///< " 読込連動": every change of the position refills
    OnRelease  ///< " 読込非連動": the rows are refilled when a scroll action ends
};

/// The browse table's choices kept in the settings.
struct BrowseChoices {
    ScrollMode scroll = ScrollMode::Follow;  ///< Cmb_Scroll
    int fixedWidth = 16;                     ///< Cmb_BrowseFixedKeta: "固定列幅" index (characters)
    int maxWidth = 10;                       ///< RT_LimColLen: "最大列幅" index
    int fold = 0;                            ///< RT_Fold: "折り返し" index
    bool positionHidden = false;             ///< RT_FmtChg: the format switch
    bool maximised = false;                  ///< RT_WinSta

    /// The choices from the settings, each index outside its box taken as the box's default.
    [[nodiscard]] static BrowseChoices FromSettings(const Settings& settings);
    /// Writes the choices back as the window's closing stores them.
    void StoreTo(Settings& settings) const;
};

/// Whether a scroll bar event refills the rows: in " 読込連動" every change of the position,
/// in " 読込非連動" only the end of a scroll action (thumb or arrow released).
[[nodiscard]] bool RefillsOn(ScrollMode mode, bool actionEnded);

}  // namespace rekkan
