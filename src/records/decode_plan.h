#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec_options.h"
#include "codec/raw_writers.h"
#include "records/field_entry.h"

namespace rekkan {

/// How a step of a decode plan makes its text.
enum class PlanKind : std::uint8_t {
    Group,    ///< a group item: no text, always valid
    Text,     ///< X, J, String, Variant: the bytes up to the first 0x00
    Zoned,    ///< zoned decimal
    Packed,   ///< packed decimal
    Integer,  ///< COBOL binary of 2, 4 or 8 bytes, C/VB integers of 2 or 4 bytes, one-byte integers
    Other,    ///< everything else (hex display, floating point, dates, bits, a field past the record end)
};

/// How the bytes of an Integer step are read.
enum class IntegerForm : std::uint8_t { CobolBinary, CInteger, OneByte };

/// One field of the plan with everything its decoding needs resolved.
struct PlanStep {
    int offset = 0;  ///< 0-based offset of the field in the record
    int length = 0;  ///< bytes of the field
    PlanKind kind = PlanKind::Group;
    IntegerForm form = IntegerForm::CobolBinary;  ///< Integer: how the bytes are read
    bool isSigned = false;                        ///< Integer: two's complement
    ByteOrder order = ByteOrder::Intel;           ///< Integer: byte order of a C/VB integer
    SignNibbles nibbles{};                        ///< Zoned, Packed: the sign nibbles of the form
    std::size_t textBound = 0;                    ///< most bytes of the text (kinds other than Other)
    const CodecField* field = nullptr;            ///< the field entry the step was made from
};

/// A field list turned once into a flat list of steps for decoding many records of one
/// length: one step per field entry, in the same order, each with its kind, sign and byte
/// order resolved. Every step gives the same text and validity as DecodeFieldTo.
/// The plan points into the field list, which must outlive it. A plan is used by one thread at
/// a time (it keeps a scratch buffer); copy it for another.
class DecodePlan {
public:
    DecodePlan() = default;
    /// The plan of `fields` for records of `recordLength` bytes.
    DecodePlan(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength);

    [[nodiscard]] std::size_t Size() const { return steps_.size(); }
    [[nodiscard]] const PlanStep& Step(std::size_t i) const { return steps_[i]; }
    [[nodiscard]] const std::vector<PlanStep>& Steps() const { return steps_; }
    [[nodiscard]] int RecordLength() const { return recordLength_; }
    [[nodiscard]] const CodecOptions& Codec() const { return codec_; }

    /// Appends the display text of step `i` of `record` to `out`; returns whether the value is
    /// valid. Invalid numbers append nothing, invalid text its characters (as DecodeFieldTo).
    [[nodiscard]] bool AppendText(std::size_t i, std::string_view record, std::string& out) const;
    /// Whether the value of step `i` of `record` is valid, without making its text.
    [[nodiscard]] bool IsValid(std::size_t i, std::string_view record) const;

    /// Writes the text of step `i` (any kind but Other) at `out`, which has room for the
    /// step's textBound bytes; returns the end of the text. Invalid numbers write nothing; the
    /// validity of text is not looked at. `record` holds RecordLength() bytes.
    [[nodiscard]] static char* WriteFast(const PlanStep& step, const std::uint8_t* record, char* out) {
        const std::uint8_t* p = record + step.offset;
        switch (step.kind) {
        case PlanKind::Text: {
            const std::size_t n = CharacterTextLength(p, step.length);
            std::memcpy(out, p, n);
            return out + n;
        }
        case PlanKind::Zoned: {
            char* end = WriteZoned(p, step.length, step.nibbles, out);
            return end ? end : out;
        }
        case PlanKind::Packed: {
            char* end = WritePacked(p, step.length, step.nibbles, out);
            return end ? end : out;
        }
        case PlanKind::Integer:
            switch (step.form) {
            case IntegerForm::CobolBinary: return WriteCobolBinary(p, step.length, step.isSigned, out);
            case IntegerForm::CInteger: return WriteCInteger(p, step.length, step.isSigned, step.order, out);
            case IntegerForm::OneByte: return WriteOneByte(p, step.length, step.isSigned, out);
            }
            return out;
        case PlanKind::Group:
        case PlanKind::Other: return out;
        }
        return out;
    }

private:
    std::vector<PlanStep> steps_;
    CodecOptions codec_;
    int recordLength_ = 0;
    mutable std::string scratch_;
};

}  // namespace rekkan
