// Fuzz target of the field conversions: any bytes, as a field of every type under both sign
// forms and byte orders, in and out of hex display. Checks what must always hold: decoding
// never fails hard, encoding never touches bytes outside the field, hex display round-trips
// exactly, and a signed zoned or packed value read back from its text is the same value.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/field_codec.h"
#include "model/type_catalogue.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void RunField(const std::string& record, int position, int length, int type, const rekkan::CodecOptions& o) {
    using namespace rekkan;
    CodecField f;
    f.position = position;
    f.length = length;
    f.type = static_cast<TypeCode>(type);

    // Hex display: decode then encode gives the same bytes.
    f.hexDisplay = true;
    const DecodedText hex = DecodeField(true, record, f, o);
    Check(hex.valid);
    std::string copy = record;
    EncodeField(hex.text, true, copy, f, o);
    Check(copy == record || position + length - 1 > static_cast<int>(record.size()));

    f.hexDisplay = false;
    const DecodedText decoded = DecodeField(true, record, f, o);
    const std::string& text = decoded.text;
    if (!decoded.valid && !IsCharacterType(type)) Check(text.empty());

    std::string written = record;
    EncodeField(text, true, written, f, o);
    Check(written.size() == record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        const long long at = static_cast<long long>(i) + 1;
        if (at < position || at >= position + static_cast<long long>(length)) Check(written[i] == record[i]);
    }
    if (decoded.valid && (type == kSNum || type == kSComp3)) Check(DecodeField(true, written, f, o).text == text);
    // Whatever the text, encoding it must not fail or write outside the field either.
    std::string fromJunk = record;
    EncodeField(record, true, fromJunk, f, o);
    Check(fromJunk.size() == record.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rekkan;
    if (size > 4096) size = 4096;
    const std::string record(reinterpret_cast<const char*>(data), size);
    CodecOptions ebcdic;
    CodecOptions ascii;
    ascii.zoneSign = SignForm::Ascii;
    ascii.packSign = SignForm::Ascii;
    ascii.byteOrder = ByteOrder::Motorola;
    ascii.fillMode = FillMode::Space;
    const int position = size > 0 ? 1 + data[0] % 4 : 1;
    for (int type = 0; type < kTypeCount; ++type) {
        for (int length : {static_cast<int>(size), 1, 2, 3, 4, 8, 19}) {
            RunField(record, position, length, type, ebcdic);
            RunField(record, position, length, type, ascii);
        }
    }
    return 0;
}
