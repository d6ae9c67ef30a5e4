#include "tools/layout_listing.h"

#include <algorithm>

#include "model/geometry.h"
#include "util/csv_quote.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Trimmed text without CR or LF bytes.
std::string Clean(std::string_view s) { return RemoveLineEnds(Trim(s)); }

/// The last two characters of a number's decimal text.
std::string LastTwoDigits(long long v) {
    const std::string t = std::to_string(v);
    return t.size() <= 2 ? t : t.substr(t.size() - 2);
}

/// Right-trimmed text padded with blanks, or cut without splitting a double-byte character
/// (a blank then stands for the cut half), to exactly `width` bytes.
std::string FitWidth(std::string_view s, std::size_t width) {
    std::string t = TrimRight(s);
    if (t.size() > width) t.resize(CharSafeLength(t, width));
    t.append(width - t.size(), ' ');
    return t;
}

bool IsBlank(std::string_view s) { return Trim(s).empty(); }

}  // namespace

ListingOptions ListingOptions::FromSettings(const Settings& s) {
    ListingOptions o;
    o.csv = s.Csv_Rbt_Csv && !s.Csv_Rbt_Text;
    o.title = s.Csv_Chk_Title;
    o.prefix = s.Csv_Chk_Prefix;
    o.guide = s.Csv_Chk_Guide;
    o.seq = s.Csv_Chk_Seq;
    o.pos = s.Csv_Chk_Pos;
    o.lvl = s.Csv_Chk_Lvl;
    o.indent = s.Csv_Chk_Indent;
    o.lvlConnect = s.Csv_Chk_LvlConnect;
    o.kom = s.Csv_Chk_Kom;
    o.vnm = s.Csv_Chk_Vnm;
    o.red = s.Csv_Chk_Red;
    o.typ = s.Csv_Chk_Typ;
    o.rpt = s.Csv_Chk_Rpt;
    o.byt = s.Csv_Chk_Byt;
    o.syo = s.Csv_Chk_Syo;
    o.bko = s.Csv_Chk_Bko;
    o.levelStart = s.Cmb_CobSN + 1;
    o.levelIncrement = s.Cmb_CobIV + 1;
    o.indentWidth = s.Cmb_Indent + 1;
    return o;
}

bool PrepareListingSource(const LayoutDocument& doc, const TypeNotation& types, ListingSource& source) {
    const Geometry geometry = MeasureLayout(doc);
    source.doc = &doc;
    source.types = &types;
    source.recordLength = geometry.recordLength;
    source.positions.clear();
    for (int i = 0; i < doc.Count(); ++i) {
        const int pos = geometry.Row(i).Pos;
        source.positions.push_back(pos < 0 ? std::string() : std::to_string(pos));
    }
    return geometry.Ok();
}

ListingItemValues ItemValues(const ListingSource& source, int index, const ListingOptions& options) {
    const LayoutDocument& doc = *source.doc;
    const TRspec& r = doc.items[static_cast<std::size_t>(index)];
    ListingItemValues v;
    v.seq = std::to_string(index + 1);
    if (index < static_cast<int>(source.positions.size()))
        v.position = source.positions[static_cast<std::size_t>(index)];
    v.level = r.LVL >= 1
                  ? LastTwoDigits(options.levelStart + static_cast<long long>(r.LVL - 1) * options.levelIncrement + 100)
                  : LastTwoDigits(static_cast<long long>(r.LVL) + 100);
    const long long indent = static_cast<long long>(options.indentWidth) * (r.LVL - 1);
    v.indent = Blanks(static_cast<int>(std::clamp<long long>(indent, 0, 10'000)));
    v.itemName = Clean(r.KOM);
    v.varName = Clean(r.VNM);
    const std::string prefix = Trim(doc.PreFix);
    if (!prefix.empty() && v.varName.size() >= prefix.size() &&
        EqualsNoCase(v.varName.substr(0, prefix.size()), prefix))
        v.varName.erase(0, prefix.size());
    if (v.varName.rfind("RED.", 0) == 0)
        v.varName[3] = '-';
    else if (v.varName.rfind("R.", 0) == 0)
        v.varName[1] = '-';
    v.redefinition = Clean(r.RED);
    std::string label = source.types ? Trim(source.types->Label(r.TYP)) : Trim(TypeInfoOf(r.TYP).standardLabel);
    if (!label.empty() && label[0] == '#') label.erase(0, 1);
    v.type = label;
    if (r.RPT >= 2) v.repeat = std::to_string(r.RPT);
    if (r.TYP != kGroup) {
        if (r.BYT >= 1) v.digits = std::to_string(r.BYT);
        if (r.SYO > 0) v.decimals = std::to_string(r.SYO);
    }
    v.remarks = Clean(r.BKO);
    return v;
}

std::string FormatTextListing(const ListingSource& source, const ListingOptions& o) {
    const LayoutDocument& doc = *source.doc;
    std::string out;
    if (o.title) {
        WriteLine(out, sj("ファイル名  ： ") + doc.RdfCmt);
        WriteLine(out, sj("レコ－ド長  ： ") + std::to_string(source.recordLength) + " Byte");
    }
    if (o.prefix) WriteLine(out, sj("Ｐｒｅｆｉｘ： ") + doc.PreFix);
    WriteLine(out, " ");

    const int count = doc.Count();
    std::vector<ListingItemValues> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) values.push_back(ItemValues(source, i, o));

    auto leftPart = [&](const ListingItemValues& v) {
        std::string s;
        if (o.seq) s += PadLeft(' ', v.seq, 5) + "  ";
        if (o.pos) s += PadLeft(' ', v.position, 6) + "  ";
        if (o.indent) s += v.indent;
        if (o.lvl) s += v.level + " ";
        if (o.kom) s += v.itemName + " ";
        if (o.vnm) s += "(" + v.varName + ") ";
        return s;
    };
    std::size_t width = 0;
    for (const ListingItemValues& v : values) width = std::max(width, leftPart(v).size());

    std::size_t redWidth = 6;
    for (const ListingItemValues& v : values) redWidth = std::max(redWidth, v.redefinition.size());
    const int typeWidth = source.types ? source.types->WidestDisplayLabel() : TypeNotation().WidestDisplayLabel();

    auto rightPart = [&](const ListingItemValues& v) {
        std::string s;
        if (o.red) s += " " + PadRight(' ', v.redefinition, static_cast<int>(redWidth)) + " ";
        if (o.typ) s += " " + PadRight(' ', v.type, typeWidth) + " ";
        if (o.rpt) s += PadLeft(' ', v.repeat, 6) + " ";
        if (o.byt) s += PadLeft(' ', v.digits, 6) + " ";
        if (o.syo) s += PadLeft(' ', v.decimals, 6) + " ";
        if (o.bko) s += v.remarks;
        return s;
    };

    std::string headLeft;
    if (o.seq) headLeft += PadLeft(' ', "SEQ", 5) + "  ";
    if (o.pos) headLeft += PadLeft(' ', sj("位置"), 6) + "  ";
    if (o.kom || o.vnm) headLeft += sj("項目名");
    std::string headRight;
    if (o.red) headRight += " " + PadRight(' ', sj("再定義"), static_cast<int>(redWidth)) + " ";
    if (o.typ) headRight += " " + PadRight(' ', sj("型"), typeWidth) + " ";
    if (o.rpt) headRight += PadLeft(' ', sj("繰返"), 6) + " ";
    if (o.byt) headRight += PadLeft(' ', sj("桁数"), 6) + " ";
    if (o.syo) headRight += PadLeft(' ', sj("小数"), 6) + " ";
    if (o.bko) headRight += sj("備考");

    const std::string heading = FitWidth(headLeft, width) + headRight;
    if (o.guide && !IsBlank(heading)) WriteLine(out, heading);
    for (const ListingItemValues& v : values) {
        const std::string line = FitWidth(leftPart(v), width) + rightPart(v);
        if (!IsBlank(line)) WriteLine(out, line);
    }
    return out;
}

std::string FormatCsvListing(const ListingSource& source, const ListingOptions& o) {
    const LayoutDocument& doc = *source.doc;
    std::string out;
    std::string first;
    if (o.title) first += doc.RdfCmt + "  " + std::to_string(source.recordLength) + " Byte";
    if (o.prefix) first += "   Prefix = " + doc.PreFix;
    WriteLine(out, CsvQuote(first));

    auto join = [](const std::vector<std::string>& values) {
        std::string line;
        for (const std::string& v : values) line += CsvQuote(v) + ",";
        if (!line.empty()) line.pop_back();
        return line;
    };
    const bool levelColumn = !o.lvlConnect;
    if (o.guide) {
        std::vector<std::string> names;
        if (o.seq) names.push_back("SEQ");
        if (o.pos) names.push_back(sj("位置"));
        if (levelColumn) names.push_back(sj("レベル"));
        if (o.kom) names.push_back(sj("項目名"));
        if (o.vnm) names.push_back("Variable.Name");
        if (o.red) names.push_back(sj("再定義"));
        if (o.typ) names.push_back(sj("型"));
        if (o.rpt) names.push_back(sj("繰返"));
        if (o.byt) names.push_back(sj("桁数"));
        if (o.syo) names.push_back(sj("小数"));
        if (o.bko) names.push_back(sj("備考"));
        if (!names.empty()) WriteLine(out, join(names));
    }
    for (int i = 0; i < doc.Count(); ++i) {
        ListingItemValues v = ItemValues(source, i, o);
        std::string& name = o.kom ? v.itemName : v.varName;
        if (o.lvlConnect && o.lvl) name = v.level + " " + name;
        if (o.indent) name = v.indent + name;
        std::vector<std::string> values;
        if (o.seq) values.push_back(v.seq);
        if (o.pos) values.push_back(v.position);
        if (levelColumn) values.push_back(v.level);
        if (o.kom) values.push_back(v.itemName);
        if (o.vnm) values.push_back(v.varName);
        if (o.red) values.push_back(v.redefinition);
        if (o.typ) values.push_back(v.type);
        if (o.rpt) values.push_back(v.repeat);
        if (o.byt) values.push_back(v.digits);
        if (o.syo) values.push_back(v.decimals);
        if (o.bko) values.push_back(v.remarks);
        WriteLine(out, join(values));
    }
    return out;
}

OutputNaming ListingNaming(bool csv) {
    if (csv) return {".csv", "MORVANE.CSV"};
    return {".txt", "MORVANE.TXT"};
}

std::string ListingQuestion(const std::string& path, bool csv) {
    return (csv ? sj("編集中の内容をCSV 形式で下記のファイルに出力します。")
                : sj("編集中の内容をテキスト形式で下記のファイルに出力します。")) +
           "\r\n" + "\r\n" + "     PATH = " + path;
}

}  // namespace rekkan
