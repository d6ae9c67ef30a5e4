#include "records/field_profile_report.h"

#include <cmath>

#include "records/layout_check_report.h"
#include "records/value_tally.h"
#include "util/csv_quote.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string Num(std::int64_t v) { return std::to_string(v); }

std::string Name(const std::vector<TRdbObj>& fields, const FieldProfile& p) {
    return Trim(fields[p.entry].DisplayName());
}

}  // namespace

std::string DistinctText(const FieldProfile& profile) {
    if (profile.distinctExact) return Num(profile.distinct);
    const double tenths = std::round(ValueTally::kEstimateError * 1000.0);
    return "~" + Num(profile.distinct) + " (estimated, " + sj("±") + Num(static_cast<std::int64_t>(tenths) / 10) + "." +
           Num(static_cast<std::int64_t>(tenths) % 10) + "%)";
}

std::string MostFrequentText(const FieldProfile& profile) {
    std::string out;
    for (const FieldProfile::Value& v : profile.mostFrequent) {
        if (!out.empty()) out += ", ";
        out += "\"" + v.text + "\" x" + Num(v.count);
    }
    if (!profile.distinctExact && !out.empty())
        out += " (among the first " + Num(static_cast<std::int64_t>(profile.exactLimit)) + " distinct values)";
    return out;
}

std::string ProfileText(const ProfileResult& result, const std::vector<TRdbObj>& fields) {
    std::string out = Num(result.checked) + " of " + Num(result.recordCount) + " records profiled\n";
    for (const FieldProfile& p : result.fields) {
        const TRdbObj& f = fields[p.entry];
        out += "field " + Num(static_cast<std::int64_t>(p.entry) + 1) + " " + Name(fields, p) + " (pos " +
               Num(f.position) + ", len " + Num(f.length) + ", " + TypeLabel(f.type) + ")\n";
        out += "  valid " + Num(p.valid) + "  invalid " + Num(p.invalid) + "  blank " + Num(p.blank) + "  zero " +
               Num(p.zero) + "\n";
        if (p.valid > 0) {
            out += "  minimum \"" + p.minimum + "\"  maximum \"" + p.maximum + "\"" +
                   (p.numeric ? "" : " (byte order)") + "\n";
            out += "  distinct " + DistinctText(p) + "\n";
            out += "  most frequent: " + MostFrequentText(p) + "\n";
        }
    }
    return out;
}

std::string ProfileCsv(const ProfileResult& result, const std::vector<TRdbObj>& fields) {
    std::string out;
    const auto row = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += ',';
            AppendCsvQuoted(out, cells[i]);
        }
        out += '\n';
    };
    row({"No", "Name", "Pos", "Len", "Type", "Valid", "Invalid", "Blank", "Zero", "Minimum", "Maximum", "Distinct",
         "Most frequent"});
    for (const FieldProfile& p : result.fields) {
        const TRdbObj& f = fields[p.entry];
        row({Num(static_cast<std::int64_t>(p.entry) + 1), Name(fields, p), Num(f.position), Num(f.length),
             TypeLabel(f.type), Num(p.valid), Num(p.invalid), Num(p.blank), Num(p.zero), p.minimum, p.maximum,
             DistinctText(p), MostFrequentText(p)});
    }
    return out;
}

}  // namespace rekkan
