#include "records/editor/info_captions.h"

#include "util/encoding.h"

namespace rekkan {

InfoCaptions InfoCaptionsOf(const Settings& s, bool compact) {
    const std::string arrow = sj("→");
    const bool motorola = s.Cmb_ByteOrder == 1;
    const bool zoneAscii = s.Cmb_ZoneSign == 1;
    const bool packAscii = s.Cmb_PackSign == 1;
    std::string fill;
    switch (s.Cmb_DefChar) {
    case 1: fill = sj("空白"); break;
    case 2: fill = s.Str_DefChar; break;
    default: fill = "Null"; break;
    }
    const std::string tail = (s.Cmb_BtmChar == 1 && !s.Str_BtmChar.empty()) ? sj("有 ") + s.Str_BtmChar : sj("無");
    InfoCaptions c;
    if (compact) {
        c.codec = "[ Order" + arrow + (motorola ? "M" : "I") + " ] [ Zone" + arrow + (zoneAscii ? "ASC" : "EBC") +
                  " ] [ Pack" + arrow + (packAscii ? "ASC" : "EBC") + " ]";
        c.fill = "[ Def" + arrow + fill + " ] [ Btm" + arrow + tail + " ]";
    } else {
        c.codec = "[ Byte.Order" + arrow + (motorola ? "Motorola" : "Intel") + " ] [ Zone" + arrow +
                  (zoneAscii ? "ASCII" : "EBCDIC") + " ] [ Pack" + arrow + (packAscii ? "ASCII" : "EBCDIC") + " ]";
        c.fill = "[ Str.Def" + arrow + fill + " ] [ Rec.Btm" + arrow + tail + " ]";
    }
    return c;
}

}  // namespace rekkan
