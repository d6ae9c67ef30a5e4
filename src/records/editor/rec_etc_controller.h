#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

class RecordEditorSession;

/// What the record editor's settings window shows, one value per control.
struct RecEtcValues {
    std::array<bool, 4> ask{};  ///< confirm update, insert, append, delete
    int zoneSign = 0;           ///< 0 EBCDIC (F/C/D), 1 ASCII (3/7)
    int packSign = 0;
    int byteOrder = 0;  ///< 0 Intel, 1 Motorola
    int fillMode = 0;   ///< 0 NUL, 1 blank, 2 the user value
    std::string fillValue;
    int tailMode = 0;  ///< 0 none, 1 the user value
    std::string tailValue;
    int inputMode = 0;   ///< 0 one line, 1 several lines
    int cursorMove = 0;  ///< after two Enters: 0 stays, 1 up, 2 down
    int fontIndex = -1;  ///< entry of RecEtcController::FontSizes(); -1 when the stored size is not listed
    int background = 0;  ///< layout tree colours, in the settings' integer form
    int text = 0;
};

/// The logic of the record editor's settings window ("Rekkan 動作環境の定義"): the values it
/// opens with, which user value entries are available, and "更新", which stores the values and
/// has the record editor decode its record buffer again (a pending cell edit is kept).
class RecEtcController {
public:
    /// Reads the values from `settings`; `session` (may be null) is the record editor to apply them to.
    RecEtcController(Settings& settings, MessageSink& messages, RecordEditorSession* session);

    /// The window's values; the window writes what the user changes into them.
    [[nodiscard]] RecEtcValues& Values() { return values_; }
    [[nodiscard]] const RecEtcValues& Values() const { return values_; }
    /// The font sizes of the list: 9 to 15 points.
    [[nodiscard]] static const std::vector<int>& FontSizes();

    /// The fill user value entry takes input (the fill list selects the user value).
    [[nodiscard]] bool FillValueEnabled() const { return values_.fillMode == 2; }
    /// The record tail entry takes input (the tail list selects the user value).
    [[nodiscard]] bool TailValueEnabled() const { return values_.tailMode == 1; }
    /// Colour of a user value group's label (BGR): dark blue when enabled, grey when not.
    [[nodiscard]] static int LabelColour(bool enabled) { return enabled ? 0x800000 : 0x808080; }

    /// "更新": the question, then on Yes every value is stored (entries keep only their
    /// hexadecimal digits, upper-cased; a font size that was not listed stays), the tree colours
    /// become the remembered ones, and the record editor commits its pending cell edit and
    /// decodes the buffer again. True when stored.
    [[nodiscard]] bool Store();
    /// The last Store changed the font size.
    [[nodiscard]] bool FontSizeChanged() const { return fontChanged_; }
    /// The tree colours to put back when the window closes (background, text): those of the
    /// last Store, else those the window opened with.
    [[nodiscard]] std::pair<int, int> RememberedColours() const { return remembered_; }

private:
    Settings& settings_;
    MessageSink& messages_;
    RecordEditorSession* session_;
    RecEtcValues values_;
    std::pair<int, int> remembered_;
    bool fontChanged_ = false;
};

/// The hexadecimal digits of `text` trimmed, upper-cased, everything else dropped ("0d 0f" -> "0D0F").
[[nodiscard]] std::string HexDigitsOnly(std::string_view text);

}  // namespace rekkan
