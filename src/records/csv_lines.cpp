#include "records/csv_lines.h"

#include <algorithm>
#include <cstring>

#include "codec/field_codec.h"
#include "codec/raw_writers.h"
#include "util/csv_quote.h"

namespace rekkan {

CsvLineWriter::CsvLineWriter(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength,
                             std::int64_t basePosition, CsvLineColumns columns)
    : plan_(fields, codec, recordLength), options_(columns), basePosition_(basePosition) {
    lineBound_ = 2 * (kIntegerTextBound + 3) + 2;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const PlanStep& s = plan_.Step(i);
        if (s.kind == PlanKind::Group && !columns.groups) continue;
        columns_.push_back(Column{i, i + 1 != fields.size()});
        lineBound_ += CsvQuotedBound(s.textBound) + 1;
    }
}

void CsvLineWriter::Line(std::string_view record, std::int64_t index, OutputBuffer& out) const {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(record.data());
    // One room check for the line; a value of the decoder's own kinds asks for its room itself.
    char* p = out.Room(lineBound_);
    if (options_.recNo) {
        *p++ = '"';
        p = WriteSigned(index + 1, p);
        std::memcpy(p, "\",", 2);
        p += 2;
    }
    if (options_.position) {
        *p++ = '"';
        p = WriteSigned(static_cast<std::int64_t>(plan_.RecordLength()) * index + basePosition_ + 1, p);
        std::memcpy(p, "\",", 2);
        p += 2;
    }
    for (const Column& c : columns_) {
        const PlanStep& s = plan_.Step(c.step);
        switch (s.kind) {
        case PlanKind::Group:
            *p++ = '"';
            *p++ = '"';
            break;
        case PlanKind::Text: {
            p = WriteCsvQuoted(
                std::string_view(record.data() + s.offset, CharacterTextLength(bytes + s.offset, s.length)), p);
            break;
        }
        case PlanKind::Other: {
            static_cast<void>(DecodeFieldTo(scratch_, record, *s.field, plan_.Codec()));  // shown as is
            out.EndAt(p);
            p = out.Room(CsvQuotedBound(scratch_.size()) + lineBound_);
            p = WriteCsvQuoted(scratch_, p);
            break;
        }
        default:
            *p++ = '"';
            p = plan_.WriteFast(s, bytes, p);
            *p++ = '"';
            break;
        }
        if (c.comma) *p++ = ',';
    }
    *p++ = '\r';
    *p++ = '\n';
    out.EndAt(p);
    ++out.lines;
}

}  // namespace rekkan
