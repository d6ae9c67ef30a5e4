#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rekkan {

struct Settings;

/// Byte order of the C/VB integer fields (Cmb_ByteOrder 0 / 1).
enum class ByteOrder { Intel = 0, Motorola = 1 };

/// Sign nibble form of zoned or packed decimals (Cmb_ZoneSign / Cmb_PackSign 0 / 1).
enum class SignForm { Ebcdic = 0, Ascii = 1 };

/// What an emptied character field is filled with (Cmb_DefChar 0 / 1 / 2).
enum class FillMode { Null = 0, Space = 1, User = 2 };

/// The three sign nibbles of one sign form: unsigned, positive, negative.
struct SignNibbles {
    std::uint8_t unsignedNibble;
    std::uint8_t positive;
    std::uint8_t negative;
};

/// Nibbles of a form: EBCDIC F / C / D, ASCII 3 / 3 / 7.
[[nodiscard]] constexpr SignNibbles NibblesOf(SignForm form) {
    return form == SignForm::Ascii ? SignNibbles{0x3, 0x3, 0x7} : SignNibbles{0xF, 0xC, 0xD};
}

/// Everything the field conversions depend on besides the field itself.
struct CodecOptions {
    ByteOrder byteOrder = ByteOrder::Intel;
    SignForm zoneSign = SignForm::Ebcdic;
    SignForm packSign = SignForm::Ebcdic;
    FillMode fillMode = FillMode::Null;
    std::uint8_t userFill = 0x00;  ///< fill byte of FillMode::User
    bool recordTail = false;       ///< Cmb_BtmChar == 1
    std::string tailHex{};         ///< Str_BtmChar: the record tail bytes as hexadecimal text

    [[nodiscard]] SignNibbles Zone() const { return NibblesOf(zoneSign); }
    [[nodiscard]] SignNibbles Pack() const { return NibblesOf(packSign); }

    /// Options from Cmb_ByteOrder, Cmb_ZoneSign, Cmb_PackSign, Cmb_DefChar / Str_DefChar and
    /// Cmb_BtmChar / Str_BtmChar. Out-of-range choices fall back to the defaults.
    [[nodiscard]] static CodecOptions FromSettings(const Settings& settings);
};

/// The user fill text read as a hexadecimal number ("20" -> 0x20, "A" -> 0x0A); the low byte
/// of the value when it is larger, 0 when the text holds no hexadecimal digit.
[[nodiscard]] std::uint8_t ParseFillByte(std::string_view hexText);

/// Sets the byte order and the two sign forms of `options` (the record editor does this when
/// it is first shown and after its settings changed).
void RefreshSignTable(CodecOptions& options, ByteOrder order, SignForm zoneSign, SignForm packSign);

}  // namespace rekkan
