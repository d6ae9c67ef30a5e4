#include "util/csv_quote.h"

#include <cstdint>
#include <cstring>

namespace rekkan {

std::string CsvQuote(std::string_view text) {
    std::string out;
    AppendCsvQuoted(out, text);
    return out;
}

void AppendCsvQuoted(std::string& out, std::string_view text) {
    const std::size_t at = out.size();
    out.resize(at + CsvQuotedBound(text.size()));
    out.resize(static_cast<std::size_t>(WriteCsvQuoted(text, out.data() + at) - out.data()));
}

char* WriteCsvQuoted(std::string_view text, char* out) {
    *out++ = '"';
    // A double quote inside a value is doubled so that a CSV reader can split the line back.
    for (const void* quote; !text.empty() && (quote = std::memchr(text.data(), '"', text.size())) != nullptr;) {
        const std::size_t n = static_cast<std::size_t>(static_cast<const char*>(quote) - text.data()) + 1;
        std::memcpy(out, text.data(), n);
        out += n;
        *out++ = '"';
        text.remove_prefix(n);
    }
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    out += text.size();
    *out++ = '"';
    return out;
}

}  // namespace rekkan
