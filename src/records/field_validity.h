#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codec/codec_options.h"
#include "model/type_catalogue.h"
#include "records/field_entry.h"

namespace rekkan {

/// One field as the fit checks judge it: where it starts in a record (0-based), its bytes, its
/// type and, for COBOL binary, the digits its value must stay within.
struct JudgedField {
    int offset = 0;
    int length = 0;
    TypeCode type = kX;
    int digits = 0;       ///< BYT of the row: digits of a COBOL binary field
    std::size_t entry;    ///< index of the entry in the field list it came from
    bool weighed = true;  ///< its type can reject bytes, so it counts in a fit
};

/// The non-group entries of a field list as judged fields (hex display does not matter: the
/// bytes are judged by their type).
[[nodiscard]] std::vector<JudgedField> JudgedFieldsOf(const std::vector<TRdbObj>& fields);

/// True for the field kinds whose every byte pattern is a value (bit strings, C and VB
/// integers, currency, COMP-5, the types shown only in hex, binary lengths without a decoder):
/// their validity says nothing about a layout's fit.
[[nodiscard]] bool AcceptsAnyBytes(TypeCode type, int length, int digits);

/// Judges whether bytes are a valid value of a field's type. The codec's rule (zoned and
/// packed digits and signs, text without control bytes, dates that are real dates, floating
/// values that are numbers), and stricter where a layout's fit needs it: COBOL binary within
/// its digits, text made of whole Shift-JIS characters, floating values finite.
class ValidityJudge {
public:
    explicit ValidityJudge(const CodecOptions& options) : options_(options) {}

    /// Whether the `n` bytes at `p` are a valid value of `type` (`digits` for COBOL binary).
    [[nodiscard]] bool Valid(const std::uint8_t* p, int n, TypeCode type, int digits);
    /// The same for a judged field of a record that holds at least offset + length bytes.
    [[nodiscard]] bool Valid(const std::uint8_t* record, const JudgedField& f) {
        return Valid(record + f.offset, f.length, f.type, f.digits);
    }
    [[nodiscard]] const CodecOptions& Options() const { return options_; }

private:
    CodecOptions options_;
    std::string scratch_;
};

}  // namespace rekkan
