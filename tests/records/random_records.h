#pragma once

// Random field lists and records for the tests that compare the decode plan with the field
// decoder: every type, lengths around the fast-path word size, fields past the record end,
// hex display, and bytes biased towards valid and awkward values.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "codec/codec_options.h"
#include "records/field_entry.h"

namespace rekkan::test {

/// A field list of `count` entries over every type code for records of `recordLength` bytes;
/// some entries reach past the end.
inline std::vector<TRdbObj> RandomFields(std::mt19937& rng, int count, int recordLength) {
    std::vector<TRdbObj> fields;
    for (int i = 0; i < count; ++i) {
        TRdbObj f;
        f.type = static_cast<TypeCode>(rng() % 37);
        f.length = static_cast<int>(rng() % 20);
        if (rng() % 4 == 0) f.length = static_cast<int>(std::vector<int>{1, 2, 4, 8, 9, 16, 17}[rng() % 7]);
        f.position = 1 + static_cast<int>(rng() % static_cast<unsigned>(recordLength + 4));
        f.hexDisplay = rng() % 8 == 0;
        f.desc.displayName = "F" + std::to_string(i) + (rng() % 5 == 0 ? ",\"q\"" : "");
        fields.push_back(f);
    }
    return fields;
}

/// One random byte, mostly digit nibbles with zone and sign nibbles of either form, else
/// 0x00, blanks, quotes, commas, control bytes, Shift-JIS lead bytes or anything.
inline char RandomByte(std::mt19937& rng) {
    static const int kSpecial[] = {0x00, 0x20, 0x22, 0x2C, 0x01, 0x1F, 0x0D, 0x0A, 0x81, 0x82, 0x40, 'A', 'z', 0x7F};
    static const int kZones[] = {0xF, 0xC, 0xD, 0x3, 0x7, 0x0};
    switch (rng() % 10) {
    case 0:
    case 1:
    case 2: return static_cast<char>((kZones[rng() % 6] << 4) | static_cast<int>(rng() % 10));
    case 3:
    case 4: return static_cast<char>((static_cast<int>(rng() % 10) << 4) | static_cast<int>(rng() % 10));
    case 5: return static_cast<char>((static_cast<int>(rng() % 10) << 4) | kZones[rng() % 6]);
    case 6:
    case 7: return static_cast<char>(kSpecial[rng() % (sizeof kSpecial / sizeof kSpecial[0])]);
    default: return static_cast<char>(rng() & 0xFF);
    }
}

inline std::string RandomRecord(std::mt19937& rng, int length) {
    std::string r(static_cast<std::size_t>(length), '\0');
    // Runs of one byte (zero digits, blanks, 0x00) as fixed-length files hold them.
    for (std::size_t i = 0; i < r.size();) {
        const char b = RandomByte(rng);
        std::size_t run = rng() % 3 == 0 ? 1 + rng() % 12 : 1;
        for (; run > 0 && i < r.size(); --run) r[i++] = b;
    }
    return r;
}

/// Codec options from the bits of `k`: byte order, zone sign and pack sign forms.
inline CodecOptions OptionsOf(unsigned k) {
    CodecOptions o;
    o.byteOrder = (k & 1) ? ByteOrder::Motorola : ByteOrder::Intel;
    o.zoneSign = (k & 2) ? SignForm::Ascii : SignForm::Ebcdic;
    o.packSign = (k & 4) ? SignForm::Ascii : SignForm::Ebcdic;
    return o;
}

}  // namespace rekkan::test
