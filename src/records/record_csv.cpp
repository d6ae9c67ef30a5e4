#include "records/record_csv.h"

#include "records/print_headings.h"
#include "util/csv_quote.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string CsvLine(std::initializer_list<std::string_view> values) {
    std::string line;
    bool first = true;
    for (std::string_view v : values) {
        if (!first) line += ',';
        first = false;
        AppendCsvQuoted(line, v);
    }
    return line;
}

}  // namespace

std::string RecordCsvText(const RecordView& view) {
    const RecordInfo& info = view.info;
    std::string out;
    WriteLine(out, CsvLine({"FileName", Trim(info.comment)}));
    WriteLine(out, CsvLine({"Path", Trim(info.editFilePath)}));
    const std::pair<std::string, const std::string*> numbers[] = {
        {sj("読込基底位置"), &info.basePosition}, {"File.Size", &info.fileSize},  {"File.Pos", &info.filePos},
        {"Rec.Len", &info.recordLength},          {"Records", &info.recordCount}, {"Rec.No", &info.recNo}};
    for (const auto& [name, value] : numbers) WriteLine(out, CsvLine({name, RemoveAll(*value, ",")}));
    const auto& h = GridHeadings();
    WriteLine(out, CsvLine({h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7]}));
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const auto& c = view.rows[i].cells;
        WriteLine(out, CsvLine({std::to_string(i + 1), RemoveAll(Trim(c[1]), ","), RemoveAll(Trim(c[2]), ","),
                                Trim(c[3]), Trim(c[4]), Trim(c[5]), Trim(c[6]), Trim(c[7])}));
    }
    return out;
}

}  // namespace rekkan
