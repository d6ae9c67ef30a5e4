#include "records/layout_check_report.h"

#include <algorithm>
#include <cmath>

#include "codec/hex_text.h"
#include "model/type_catalogue.h"
#include "util/csv_quote.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Bytes of a field shown in hex at most.
constexpr std::size_t kHexBytes = 32;

std::string Num(std::int64_t v) { return std::to_string(v); }

std::string FieldName(const std::vector<TRdbObj>& fields, const FieldFit& ff) {
    return Trim(fields[ff.field.entry].DisplayName());
}

/// "field 5 AMOUNT" (the number as the field list counts, groups included).
std::string FieldRef(const std::vector<TRdbObj>& fields, const FieldFit& ff) {
    return "field " + Num(static_cast<std::int64_t>(ff.field.entry) + 1) + " " + FieldName(fields, ff);
}

std::string FirstInvalidHex(const FieldFit& ff) {
    const std::string_view bytes = ff.firstInvalidBytes;
    std::string hex = BytesToHex(bytes.substr(0, kHexBytes));
    if (bytes.size() > kHexBytes) hex += "...";
    return hex;
}

std::string Plural(std::int64_t n, const char* one, const char* many) { return Num(n) + " " + (n == 1 ? one : many); }

/// "P% against Q%".
std::string Against(double better, double asIs) { return PercentText(better) + "% against " + PercentText(asIs) + "%"; }

int WeighedCount(const LayoutFit& fit, bool weighed) {
    return static_cast<int>(std::count_if(fit.fields.begin(), fit.fields.end(),
                                          [&](const FieldFit& f) { return f.field.weighed == weighed; }));
}

std::string GeometryWords(const GeometryFit& g, double asIs, int length, std::int64_t base) {
    const std::string fits = " fits " + Against(g.fit, asIs);
    const std::string where = "length " + Num(g.length) + " base " + Num(g.base + 1);
    if (g.length == length) {
        const std::int64_t moved = g.base - base;
        if (moved > 0 && moved % length == 0)
            return "a header of " + Plural(moved / length, "record", "records") + "? base " + Num(g.base + 1) + fits;
        if (moved > 0) return "a " + Num(moved) + "-byte header? base " + Num(g.base + 1) + fits;
        return "the records start " + Plural(-moved, "byte", "bytes") + " earlier? base " + Num(g.base + 1) + fits;
    }
    const int d = g.length - length;
    std::string words = "records of " + Num(g.length) + " bytes? " + where + fits + ": the layout is " +
                        Plural(std::abs(d), "byte", "bytes") +
                        (d > 0 ? " short of the records" : " longer than the records");
    if (g.base != base) words += ", after a " + Num(g.base) + "-byte header";
    return words;
}

void ShiftFindings(const LayoutCheck& check, const std::vector<TRdbObj>& fields, int length, std::int64_t base,
                   std::vector<std::string>& lines) {
    const std::string at = check.shiftLength != length || check.shiftBase != base
                               ? " (at length " + Num(check.shiftLength) + " base " + Num(check.shiftBase + 1) + ")"
                               : "";
    for (std::size_t i = 0; i < check.shifts.size();) {
        std::size_t j = i + 1;
        while (j < check.shifts.size() && check.shifts[j].shift == check.shifts[i].shift) ++j;
        const FieldShift& first = check.shifts[i];
        const FieldShift& last = check.shifts[j - 1];
        const FieldFit& ff = check.shiftFit.fields[first.field];
        const int s = first.shift;
        std::string who = j - i == 1 ? FieldRef(fields, ff)
                                     : "fields " + Num(static_cast<std::int64_t>(ff.field.entry) + 1) + " " +
                                           FieldName(fields, ff) + " to " +
                                           FieldRef(fields, check.shiftFit.fields[last.field]).substr(6);
        lines.push_back(
            who + " fit" + (j - i == 1 ? "s " : " ") + Plural(std::abs(s), "byte", "bytes") +
            (s > 0 ? " later" : " earlier") + at + ": " + Against(first.after, first.before) +
            ": a shifted copybook? the layout may " +
            (s > 0 ? "miss " + Plural(s, "byte", "bytes") : "hold " + Plural(-s, "byte", "bytes") + " too many") +
            " before position " + Num(ff.field.offset + 1));
        i = j;
    }
    if (!check.shifts.empty())
        lines.push_back("with the fields so moved the layout fits " + PercentText(check.shiftedFit) + "%" + at);
}

}  // namespace

std::string PercentText(double share) {
    if (share >= 1.0) return "100.0";
    const double tenths = std::floor(std::max(share, 0.0) * 1000.0);
    const auto t = static_cast<std::int64_t>(tenths);
    return Num(t / 10) + "." + Num(t % 10);
}

std::string TypeLabel(int type) {
    std::string label = TypeInfoOf(type).standardLabel;
    label.erase(0, label.find_first_not_of("# "));
    return label;
}

std::string CheckTableText(const LayoutCheck& check, const std::vector<TRdbObj>& fields) {
    const LayoutFit& fit = check.fit;
    std::size_t nameWidth = 4;
    for (const FieldFit& ff : fit.fields) nameWidth = std::max(nameWidth, FieldName(fields, ff).size());
    const int w = static_cast<int>(nameWidth);
    std::string out = PadLeft(' ', "No", 5) + "  " + PadRight(' ', "Name", w) + PadLeft(' ', "Pos", 8) +
                      PadLeft(' ', "Len", 7) + "  " + PadRight(' ', "Type", 10) + PadLeft(' ', "Valid", 7) +
                      "  First invalid\n";
    for (const FieldFit& ff : fit.fields) {
        out += PadLeft(' ', Num(static_cast<std::int64_t>(ff.field.entry) + 1), 5) + "  " +
               PadRight(' ', FieldName(fields, ff), w) + PadLeft(' ', Num(ff.field.offset + 1), 8) +
               PadLeft(' ', Num(ff.field.length), 7) + "  " + PadRight(' ', TypeLabel(ff.field.type), 10) +
               PadLeft(' ', PercentText(ff.Share()) + "%", 7);
        if (ff.firstInvalid >= 0) out += "  Rec.No " + Num(ff.firstInvalid + 1) + ": " + FirstInvalidHex(ff);
        if (!ff.field.weighed) out += "  (takes any bytes)";
        out += "\n";
    }
    out += "weighted fit: " + PercentText(fit.Weighted()) + "% of " + Plural(fit.checked, "record", "records") +
           " checked (of " + Num(fit.recordCount) + ")";
    if (const int any = WeighedCount(fit, false); any > 0)
        out += "; " + Plural(any, "field takes", "fields take") + " any bytes and " + (any == 1 ? "is" : "are") +
               " not weighed";
    out += "\n";
    return out;
}

std::string CheckTableCsv(const LayoutCheck& check, const std::vector<TRdbObj>& fields, bool heat) {
    const LayoutFit& fit = check.fit;
    std::string out;
    const auto row = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += ',';
            AppendCsvQuoted(out, cells[i]);
        }
        out += '\n';
    };
    std::vector<std::string> head = {"No",
                                     "Name",
                                     "Pos",
                                     "Len",
                                     "Type",
                                     "Valid%",
                                     "Valid",
                                     "Checked",
                                     "Weighed",
                                     "First invalid Rec.No",
                                     "First invalid hex"};
    if (heat) head.push_back("Heat");
    row(head);
    for (const FieldFit& ff : fit.fields) {
        std::vector<std::string> cells = {Num(static_cast<std::int64_t>(ff.field.entry) + 1),
                                          FieldName(fields, ff),
                                          Num(ff.field.offset + 1),
                                          Num(ff.field.length),
                                          TypeLabel(ff.field.type),
                                          PercentText(ff.Share()),
                                          Num(ff.valid),
                                          Num(ff.checked),
                                          ff.field.weighed ? "1" : "0",
                                          ff.firstInvalid >= 0 ? Num(ff.firstInvalid + 1) : "",
                                          ff.firstInvalid >= 0 ? FirstInvalidHex(ff) : ""};
        if (heat) cells.push_back(HeatBar(fit, ff));
        row(cells);
    }
    return out;
}

std::string HeatBar(const LayoutFit& fit, const FieldFit& field) {
    std::string bar;
    for (std::size_t b = 0; b < fit.heatChecked.size(); ++b) {
        const std::uint32_t checked = fit.heatChecked[b];
        const std::uint32_t valid = field.heatValid[b];
        if (checked == 0)
            bar += ' ';
        else if (valid == checked)
            bar += '#';
        else if (valid * 10ull >= checked * 9ull)
            bar += '+';
        else if (valid * 2ull >= checked)
            bar += '-';
        else
            bar += valid > 0 ? '.' : ' ';
    }
    return bar;
}

std::string HeatMapText(const LayoutCheck& check, const std::vector<TRdbObj>& fields) {
    const LayoutFit& fit = check.fit;
    std::size_t nameWidth = 4;
    for (const FieldFit& ff : fit.fields) nameWidth = std::max(nameWidth, FieldName(fields, ff).size());
    std::string out = "heat: Rec.No 1 to " + Num(fit.recordCount) + " in " +
                      Plural(static_cast<std::int64_t>(fit.heatChecked.size()), "column", "columns") +
                      "; # all valid, + 90% or more, - 50% or more, . less, blank none\n";
    for (const FieldFit& ff : fit.fields)
        out += PadLeft(' ', Num(static_cast<std::int64_t>(ff.field.entry) + 1), 5) + "  " +
               PadRight(' ', FieldName(fields, ff), static_cast<int>(nameWidth)) + " |" + HeatBar(fit, ff) + "|\n";
    return out;
}

std::vector<std::string> CheckFindings(const LayoutCheck& check, const std::vector<TRdbObj>& fields, int recordLength,
                                       std::int64_t base) {
    std::vector<std::string> lines;
    const LayoutFit& fit = check.fit;
    const double asIs = fit.Weighted();
    if (WeighedCount(fit, true) == 0) {
        lines.push_back("no field of the layout can hold invalid bytes: the fit says nothing");
        return lines;
    }
    if (fit.checked == 0) {
        lines.push_back("the file holds no record at this base");
        return lines;
    }
    if (fit.judgedBytes == fit.validBytes) lines.push_back("the layout fits every record checked");
    if (check.header.records > 0)
        lines.push_back("the first " + Plural(check.header.records, "record does", "records do") +
                        " not fit while the others do: a header record? base " +
                        Num(base + check.header.records * recordLength + 1) + " fits " +
                        Against(check.header.fitWithout, asIs));
    for (const GeometryFit& g : check.better) {
        if (check.header.records > 0 && g.length == recordLength &&
            g.base == base + check.header.records * recordLength)
            continue;
        lines.push_back(GeometryWords(g, asIs, recordLength, base));
    }
    if (check.trailer.records > 0) {
        const std::int64_t last = fit.recordCount;
        lines.push_back("the last " + Plural(check.trailer.records, "record does", "records do") +
                        " not fit while the others do: a trailer record? (Rec.No " +
                        Num(last - check.trailer.records + 1) + (check.trailer.records > 1 ? " to " + Num(last) : "") +
                        "; the others fit " + PercentText(check.trailer.fitWithout) + "%)");
    }
    const std::int64_t middle = fit.misfits - (check.header.records > 0 ? fit.leadingMisfits : 0) -
                                (check.trailer.records > 0 ? fit.trailingMisfits : 0);
    if (middle > 0 && asIs >= 0.5 && check.better.empty())
        lines.push_back(Plural(middle, "record", "records") + " checked do" + (middle == 1 ? "es" : "") +
                        " not fit, the first at Rec.No " + Num(fit.firstMisfit + 1) +
                        ": a second record type? (--heat shows where)");
    ShiftFindings(check, fields, recordLength, base, lines);
    for (const OtherType& o : check.otherTypes) {
        const FieldFit& ff = check.shiftFit.fields[o.field];
        std::string as = TypeLabel(o.type);
        if (o.otherSignForm)
            as += std::string(" with ") + (o.type == kUNum || o.type == kSNum ? "--zone " : "--pack ") +
                  (o.signForm == SignForm::Ascii ? "ascii" : "ebcdic");
        lines.push_back(FieldRef(fields, ff) + ": " + PercentText(ff.Share()) + "% valid as " +
                        TypeLabel(ff.field.type) + "; its bytes fit as " + as + " (" + PercentText(o.share) +
                        "%): a field of another type?");
    }
    if (lines.empty())
        lines.push_back(
            "no other length, base, field position or type fits better: the invalid values are the "
            "data's own (the fields with a first invalid record hold them)");
    return lines;
}

std::vector<std::string> SuggestLines(const LayoutCheck& check) {
    std::vector<std::string> lines;
    for (const GeometryFit& g : check.better)
        lines.push_back("suggest: length=" + Num(g.length) + " base=" + Num(g.base + 1) + " fit=" + PercentText(g.fit));
    return lines;
}

}  // namespace rekkan
