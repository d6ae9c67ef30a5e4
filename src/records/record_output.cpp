#include "records/record_output.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "codec/field_codec.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Right-aligned in `width` bytes; a longer text keeps its right end.
std::string AlignRight(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text.substr(text.size() - width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

/// Left-aligned in `width` bytes; a longer text keeps its left end (never half a character).
std::string AlignLeft(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, CharSafeLength(text, width)));
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

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

/// True when the text holds a double quote; eight bytes at a time, since this runs for every
/// value of a range CSV.
bool HasDoubleQuote(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    constexpr std::uint64_t kQuotes = 0x2222222222222222ULL;
    const char* p = text.data();
    std::size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ kQuotes;  // a zero byte where a quote was
        if (((x - kOnes) & ~x & kHighs) != 0) return true;
    }
    for (; n > 0; ++p, --n)
        if (*p == '"') return true;
    return false;
}

}  // namespace

std::string CsvQuote(std::string_view text) {
    std::string out;
    AppendCsvQuoted(out, text);
    return out;
}

void AppendCsvQuoted(std::string& out, std::string_view text) {
    if (!HasDoubleQuote(text)) {
        const std::size_t at = out.size();
        out.resize(at + text.size() + 2);
        char* p = out.data() + at;
        p[0] = '"';
        if (!text.empty()) std::memcpy(p + 1, text.data(), text.size());
        p[text.size() + 1] = '"';
        return;
    }
    // A double quote inside a value is doubled so that a CSV reader can split the line back.
    out += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.append(text.substr(0, quote + 1));
        out += '"';
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out += '"';
}

const std::array<std::string, 8>& GridHeadings() {
    static const std::array<std::string, 8> headings = {"SEQ", sj("位置"), sj("桁数"), sj("型"),
                                                        sj("項目名"), sj("誤"), "HEX", sj("内容")};
    return headings;
}

std::array<std::string, 4> PrintTitleLines(const RecordInfo& info) {
    return {"FileName = " + Trim(info.comment), "Path     = " + Trim(info.editFilePath),
            sj("読込基底位置 = ") + info.basePosition + "   File.Size = " + info.fileSize + "   File.Pos = " + info.filePos,
            "Rec.Len = " + info.recordLength + "   Records = " + info.recordCount + "   Rec.No = " + info.recNo};
}

std::array<std::string, 8> PrintHeadings() {
    std::array<std::string, 8> headings = GridHeadings();
    for (auto& h : headings) h.insert(0, " ");
    return headings;
}

std::string RecordListText(const RecordView& view) {
    const std::array<std::string, 4> titles = PrintTitleLines(view.info);
    std::string out;
    WriteLine(out, titles[0]);
    WriteLine(out, titles[1]);
    WriteLine(out, titles[2] + "    " + titles[3]);
    WriteLine(out, "");
    std::size_t typeWidth = 0;
    std::size_t nameWidth = 0;
    for (const RecordGridRow& row : view.rows) {
        typeWidth = std::max(typeWidth, row.cells[3].size());
        nameWidth = std::max(nameWidth, row.cells[4].size());
    }
    const std::string mark = sj(" ＞");
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const auto& c = view.rows[i].cells;
        std::string line = std::to_string(i + 1) + ".  [" + AlignRight(Trim(c[1]), 12) + " : " +
                           AlignRight(Trim(c[2]), 10) + "]  " + AlignLeft(Trim(c[3]), typeWidth) + "  " +
                           AlignLeft(c[4], nameWidth) + "  " + AlignLeft(c[5], 3) + "  " + AlignLeft(c[6], 3) + mark +
                           c[7];
        WriteLine(out, line);
    }
    return out;
}

std::string RecordCsvText(const RecordView& view) {
    const RecordInfo& info = view.info;
    std::string out;
    WriteLine(out, CsvLine({"FileName", Trim(info.comment)}));
    WriteLine(out, CsvLine({"Path", Trim(info.editFilePath)}));
    const std::pair<std::string, const std::string*> numbers[] = {
        {sj("読込基底位置"), &info.basePosition}, {"File.Size", &info.fileSize},  {"File.Pos", &info.filePos},
        {"Rec.Len", &info.recordLength},         {"Records", &info.recordCount}, {"Rec.No", &info.recNo}};
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

std::string TofgenStatement(int TYP, int byteLength) {
    const std::string n = std::to_string(byteLength);
    switch (TYP) {
        case kX:
        case kJ:
        case kString:
        case kVariant: return "X(" + n + ")";
        case kUNum: return "U.ZONE(" + n + ")";
        case kSNum: return "S.ZONE(" + n + ")";
        case kUComp3: return "U.PACK(" + n + ")";
        case kSComp3: return "S.PACK(" + n + ")";
        case kBit: return "BIT(" + n + ")";
        case kUChar:
        case kByte: return "U.INT1";
        case kUShort:
        case kWord: return "U.INT2";
        case kULong:
        case kDword: return "U.INT4";
        case kSChar: return "S.INT1";
        case kSShort: return "S.INT2";
        case kSLong: return "S.INT4";
        case kFloat: return "FLOAT";
        case kDouble: return "DOUBLE";
        case kDate8: return "DATE";
        default: return "HEX(" + n + ")";
    }
}

void AppendTofgenStatements(const std::vector<TofgenField>& fields, std::vector<std::string>& lines) {
    std::string names;
    std::string statements;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TofgenField& f = fields[i];
        if (f.TYP == kGroup) continue;
        const bool last = i + 1 == fields.size();
        names += QuoteIfComma(f.displayName);
        statements += TofgenStatement(f.TYP, f.byteLength);
        if (!last) {
            names += ',';
            statements += ',';
        }
    }
    lines.push_back(std::move(names));
    lines.push_back(std::move(statements));
}

std::vector<TofgenField> TofgenFieldsOf(const RecordView& view) {
    std::vector<TofgenField> fields;
    fields.reserve(view.rows.size());
    for (const RecordGridRow& row : view.rows) fields.push_back(TofgenField{row.TYP, row.byteLength, row.displayName});
    return fields;
}

std::string TofgenStatementsText(const std::vector<TofgenField>& fields) {
    std::vector<std::string> lines;
    AppendTofgenStatements(fields, lines);
    std::string out;
    for (const auto& l : lines) WriteLine(out, l);
    return out;
}

std::string OutputExtension(RecordOutputKind kind) { return kind == RecordOutputKind::List ? ".lst" : ".csv"; }

std::string OutputDialogTitle(RecordOutputKind kind) {
    switch (kind) {
        case RecordOutputKind::List: return sj("指定のファイル名でテキスト形式で出力します。");
        case RecordOutputKind::Csv: return sj("指定のファイル名でＣＳＶ形式で出力します。");
        case RecordOutputKind::Tofgen: return sj("指定のファイル名で Tofgen の制御文を出力します。");
    }
    return {};
}

std::string OutputFilter(RecordOutputKind kind) {
    return kind == RecordOutputKind::List ? "(*.lst)|*.lst|(*.txt)|*.txt|(*.*)|*.*" : "(*.csv)|*.csv|(*.*)|*.*";
}

std::string OutputQuestion(RecordOutputKind kind, std::string_view cp932Path) {
    std::string text;
    switch (kind) {
        case RecordOutputKind::List: text = sj("編集中のレコード内容をテキスト形式で\r\n\r\n下記のファイルに出力します。"); break;
        case RecordOutputKind::Csv: text = sj("編集中のレコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。"); break;
        case RecordOutputKind::Tofgen: text = sj("表示中のレイアウトの Tofgen の制御文を\r\n\r\n下記のファイルに出力します。"); break;
    }
    return text + "\r\n" + "\r\n" + "     PATH = " + std::string(cp932Path);
}

std::string ReplaceExtension(std::string_view cp932Path, std::string_view extension) {
    const std::size_t slash = cp932Path.find_last_of('/');
    const std::size_t dot = cp932Path.find_last_of('.');
    const bool hasExt = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return std::string(hasExt ? cp932Path.substr(0, dot) : cp932Path) + std::string(extension);
}

std::string DefaultOutputPath(RecordOutputKind kind, std::string_view editFilePath, std::string_view programFolder) {
    const std::string edit = Trim(editFilePath);
    if (!edit.empty()) return ReplaceExtension(edit, OutputExtension(kind));
    std::string folder(programFolder);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + (kind == RecordOutputKind::List ? "Rekkan.lst" : "Rekkan.csv");
}

std::string NoLayoutForOutputMessage() { return sj("現在、レイアウトは何も表示されていないので出力できません。"); }
std::string NoLayoutForPrintMessage() { return sj("現在、レイアウトは何も表示されていないので印刷できません。"); }
std::string OutputDoneCaption() { return sj("★出力しました。 "); }

}  // namespace rekkan
