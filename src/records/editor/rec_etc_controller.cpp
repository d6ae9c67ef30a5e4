#include "records/editor/rec_etc_controller.h"

#include <algorithm>
#include <cctype>

#include "records/editor/record_editor_session.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

RecEtcController::RecEtcController(Settings& settings, MessageSink& messages, RecordEditorSession* session)
    : settings_(settings), messages_(messages), session_(session) {
    RecEtcValues& v = values_;
    v.ask = {settings.Chk_Msg_Update, settings.Chk_Msg_Insert, settings.Chk_Msg_Append, settings.Chk_Msg_Delete};
    v.zoneSign = settings.Cmb_ZoneSign;
    v.packSign = settings.Cmb_PackSign;
    v.byteOrder = settings.Cmb_ByteOrder;
    v.fillMode = settings.Cmb_DefChar;
    v.fillValue = settings.Str_DefChar;
    v.tailMode = settings.Cmb_BtmChar;
    v.tailValue = settings.Str_BtmChar;
    v.inputMode = settings.Cmb_RecCellEdit;
    v.cursorMove = settings.Cmb_RecCrNext;
    const auto& sizes = FontSizes();
    const auto at = std::find(sizes.begin(), sizes.end(), settings.Cmb_FontSize);
    v.fontIndex = at == sizes.end() ? -1 : static_cast<int>(at - sizes.begin());
    v.background = settings.Opt_LayoutBC;
    v.text = settings.Opt_LayoutFC;
    remembered_ = {v.background, v.text};
}

const std::vector<int>& RecEtcController::FontSizes() {
    static const std::vector<int> sizes = {9, 10, 11, 12, 13, 14, 15};
    return sizes;
}

bool RecEtcController::Store() {
    if (messages_.AskYesNo(sj("動作環境の定義を更新します。") + "\r\n\r\n" + sj("よろしいですか？"),
                           DefaultCaption()) != Answer::Yes)
        return false;
    RecEtcValues& v = values_;
    Settings& s = settings_;
    s.Chk_Msg_Update = v.ask[0];
    s.Chk_Msg_Insert = v.ask[1];
    s.Chk_Msg_Append = v.ask[2];
    s.Chk_Msg_Delete = v.ask[3];
    s.Cmb_ZoneSign = v.zoneSign;
    s.Cmb_PackSign = v.packSign;
    s.Cmb_ByteOrder = v.byteOrder;
    s.Cmb_DefChar = v.fillMode;
    s.Cmb_BtmChar = v.tailMode;
    s.Cmb_RecCellEdit = v.inputMode;
    s.Cmb_RecCrNext = v.cursorMove;
    const int size = v.fontIndex >= 0 && v.fontIndex < static_cast<int>(FontSizes().size())
                         ? FontSizes()[static_cast<std::size_t>(v.fontIndex)]
                         : s.Cmb_FontSize;  // nothing listed matches: the stored size stays
    fontChanged_ = size != s.Cmb_FontSize;
    s.Cmb_FontSize = size;
    v.fillValue = HexDigitsOnly(v.fillValue);
    v.tailValue = HexDigitsOnly(v.tailValue);
    s.Str_DefChar = v.fillValue;
    s.Str_BtmChar = v.tailValue;
    s.Opt_LayoutBC = v.background;
    s.Opt_LayoutFC = v.text;
    remembered_ = {v.background, v.text};
    if (session_) {
        // The buffer is decoded again, never read again: edits not yet written stay.
        session_->CommitPendingEdits();
        session_->SettingsChanged();
    }
    return true;
}

std::string HexDigitsOnly(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string out;
    for (std::size_t i = 0; i < trimmed.size(); i += CharLength(trimmed, i)) {
        const auto c = static_cast<unsigned char>(trimmed[i]);
        if (CharLength(trimmed, i) == 1 && std::isxdigit(c)) out += static_cast<char>(std::toupper(c));
    }
    return out;
}

}  // namespace rekkan
