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

}  // namespace rekkan
