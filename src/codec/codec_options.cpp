#include "codec/codec_options.h"

#include "codec/hex_text.h"
#include "model/settings.h"

namespace rekkan {

CodecOptions CodecOptions::FromSettings(const Settings& s) {
    CodecOptions o;
    RefreshSignTable(o, s.Cmb_ByteOrder == 1 ? ByteOrder::Motorola : ByteOrder::Intel,
                     s.Cmb_ZoneSign == 1 ? SignForm::Ascii : SignForm::Ebcdic,
                     s.Cmb_PackSign == 1 ? SignForm::Ascii : SignForm::Ebcdic);
    switch (s.Cmb_DefChar) {
    case 1: o.fillMode = FillMode::Space; break;
    case 2: o.fillMode = FillMode::User; break;
    default: o.fillMode = FillMode::Null; break;
    }
    o.userFill = ParseFillByte(s.Str_DefChar);
    o.recordTail = s.Cmb_BtmChar == 1;
    o.tailHex = s.Str_BtmChar;
    return o;
}

std::uint8_t ParseFillByte(std::string_view hexText) {
    unsigned value = 0;
    for (char c : hexText) {
        int d = HexDigitValue(c);
        if (d >= 0) value = ((value << 4) | static_cast<unsigned>(d)) & 0xFFFu;
    }
    return static_cast<std::uint8_t>(value & 0xFFu);
}

void RefreshSignTable(CodecOptions& options, ByteOrder order, SignForm zoneSign, SignForm packSign) {
    options.byteOrder = order;
    options.zoneSign = zoneSign;
    options.packSign = packSign;
}

}  // namespace rekkan
