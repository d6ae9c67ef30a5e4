#include "records/record_fields.h"

namespace rekkan {

void DecodeRecord(std::string_view record, const std::vector<TRdbObj>& fields, const CodecOptions& options,
                  RecordTexts& out) {
    out.texts.resize(fields.size());
    out.errors.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out.errors[i] = !DecodeFieldTo(out.texts[i], record, fields[i], options);
    }
}

bool UpdatePastEnd(std::vector<TRdbObj>& fields, std::int64_t recordOffset, std::int64_t fileSize) {
    bool any = false;
    for (TRdbObj& f : fields) {
        f.pastEnd = static_cast<std::int64_t>(f.position) + f.length - 1 + recordOffset > fileSize;
        any = any || f.pastEnd;
    }
    return any;
}

std::string BlankRecord(int recordLength, const std::vector<TRdbObj>& fields, const CodecOptions& options) {
    std::string record(static_cast<std::size_t>(recordLength > 0 ? recordLength : 0), '\0');
    for (const TRdbObj& f : fields) {
        if (!f.IsGroup()) EncodeField("", true, record, f, options);
    }
    return record;
}

}  // namespace rekkan
