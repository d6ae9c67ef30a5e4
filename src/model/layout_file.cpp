#include "model/layout_file.h"

#include <cstdint>

#include "util/encoding.h"
#include "util/file_util.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr const char* kMarker = "%!#";
constexpr std::size_t kLegacyHeader = 521;
constexpr std::size_t kLegacyRecord = 94;

/// Text up to the first NUL byte.
std::string UpToNul(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    return std::string(nul == std::string_view::npos ? bytes : bytes.substr(0, nul));
}

int Int16At(std::string_view bytes, std::size_t at) {
    const auto lo = static_cast<unsigned char>(bytes[at]);
    const auto hi = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

/// Keeps rows read from files inside the ranges the rest of the program relies on: levels
/// 1 to 15 (clamped) and type codes 0 to 36 (anything else is read as String, like the codes
/// of 37 and more, and reported in the conversion notice).
bool ConvertOutOfRange(TRspec& r) {
    if (r.LVL < 1) r.LVL = 1;
    if (r.LVL > 15) r.LVL = 15;
    if (!IsValidType(r.TYP)) {
        r.TYP = r.TYP2 = kString;
        return true;
    }
    if (!IsValidType(r.TYP2)) r.TYP2 = r.TYP;
    return false;
}

void AddConverted(std::string& list, int rowNumber, const std::string& kom) {
    if (!list.empty()) list += ", ";
    list += std::to_string(rowNumber) + sj("：") + kom;
}

std::string ConversionNotice(const std::string& list) {
    return sj("<< 注意 >>") + "\r\r" + sj("このレイアウトには現バージョンでは対応できない型の項目が存在します。") +
           "\r\r" + sj("この型は「 ") + TypeInfoOf(kString).standardLabel + sj(" 」に変換されて読み込まれました。") +
           (list.empty() ? std::string()
                         : "\r\r" + sj("変換された行番号とその項目名は下記の通りです。") + "\r\r" + list);
}

std::string TooManyLinesNotice(int editableLines) {
    return sj("<< 注意 >>") + "\r\r" + sj("このレイアウトは現在の編集可能行数を超えています。") + "\r\r" +
           std::to_string(editableLines) + sj(" 行目以降は読み込まれていません。") + "\r\r" +
           sj("「その他の定義」ウィンドウの「表示方法」タブの編集可能行数を大きくして") + "\r\r" +
           sj("再度、読み込みを行なって下さい。");
}

void ResetDocument(LayoutDocument& doc) {
    doc.items.clear();
    doc.keyLines.clear();
    doc.memoLines.clear();
}

/// Steps 5 and 6 of a successful read.
void FinishRead(LayoutDocument& doc, std::vector<StoredSizeDifference>& differences) {
    for (std::size_t i = 0; i < doc.items.size(); ++i) {
        TRspec& r = doc.items[i];
        if (r.TYP == kGroup) r.BYT = 0;
        if (r.RPT < 1) r.RPT = 1;
        const int stored = r.BYT;
        ApplyIntegerSizeRule(r, doc.sizes);
        if (stored > 0 && stored != r.BYT) differences.push_back({static_cast<int>(i), stored, r.BYT});
    }
}

LayoutReadResult ReadText(LayoutDocument& doc, std::string_view bytes, MessageSink& messages, const std::string& path) {
    LayoutReadResult result;
    doc.legacy = false;
    std::string converted;
    bool tooMany = false;
    std::string rdfCmt;
    std::string preFix;
    for (const std::string& line : SplitLines(bytes)) {
        if (std::size_t at = line.find("%memo!"); at != std::string::npos) {
            doc.memoLines.push_back(Trim(std::string_view(line).substr(at + 6)));
            continue;
        }
        if (std::size_t at = line.find("%key!"); at != std::string::npos) {
            doc.keyLines.push_back(Trim(std::string_view(line).substr(at + 5)));
            continue;
        }
        if (line.find(kLayoutMagic) != std::string::npos) {
            doc.headerLine = line;
            continue;
        }
        if (auto v = LookupKey(line, "RdfCmt")) {
            rdfCmt = *v;
            continue;
        }
        if (auto v = LookupKey(line, "PreFix")) {
            preFix = *v;
            continue;
        }
        if (doc.Count() >= doc.editableLineCount) {
            tooMany = true;
            continue;
        }
        bool failed = false;
        std::optional<TRspec> row = ParseItemLine(line, failed);
        if (failed) {
            messages.Inform(NotLayoutFileMessage(path), DefaultCaption(), MessageIcon::Error);
            return result;
        }
        if (!row) continue;
        doc.items.push_back(*row);
        if (ConvertOutOfRange(doc.items.back())) AddConverted(converted, doc.Count(), doc.items.back().KOM);
    }
    if (!converted.empty()) {
        messages.Inform(ConversionNotice({}), DefaultCaption(), MessageIcon::Warning);
        result.notice = ConversionNotice(converted);
    }
    result.tooManyRows = tooMany;
    if (tooMany) {
        result.notice += TooManyLinesNotice(doc.editableLineCount);
        messages.Inform(result.notice, DefaultCaption(), MessageIcon::Warning);
    }
    doc.RdfCmt = rdfCmt;
    doc.PreFix = preFix;
    FinishRead(doc, result.sizeDifferences);
    result.ok = true;
    return result;
}

std::string LegacyNotice(const std::string& path) {
    return sj("<< 注意 >>") + "\r\r" + sj("これは MORVANE 16 Bit 版のファイルレイアウトです。") + "\r\r" +
           sj("現行版に変換して読み込みますが、保存すると拡張子は") + "\r" + sj("「*.kvl」に変わります。") + "\r\r" +
           sj("元のファイルはそのまま残ります。") + "\r\r" + sj("     PATH = ") + Trim(path);
}

LayoutReadResult ReadLegacy(LayoutDocument& doc, std::string_view bytes, MessageSink& messages, const std::string& path,
                            bool showNotice) {
    LayoutReadResult result;
    if (showNotice) messages.Inform(LegacyNotice(path), DefaultCaption(), MessageIcon::Information);
    doc.legacy = true;
    if (bytes.size() < kLegacyHeader) {
        messages.Inform(NotLayoutFileMessage(path), DefaultCaption(), MessageIcon::Error);
        return result;
    }
    const std::string rdfCmt = UpToNul(bytes.substr(11, 255));
    const std::string preFix = UpToNul(bytes.substr(266, 255));
    std::string converted;
    std::size_t at = kLegacyHeader;
    while (at < bytes.size() && doc.Count() < doc.editableLineCount) {
        if (bytes.size() - at < kLegacyRecord) {
            messages.Inform(NotLayoutFileMessage(path), DefaultCaption(), MessageIcon::Error);
            return result;
        }
        const std::string_view rec = bytes.substr(at, kLegacyRecord);
        at += kLegacyRecord;
        const std::string text = UpToNul(rec);
        if (text.find("%key!") != std::string::npos) {
            const std::size_t dot = text.find('.');
            doc.keyLines.push_back(dot == std::string::npos ? std::string()
                                                            : Trim(std::string_view(text).substr(dot + 1)));
            continue;
        }
        TRspec r;
        r.LVL = Int16At(rec, 0);
        r.RPT = Int16At(rec, 2);
        r.BYT = Int16At(rec, 6);
        r.SYO = Int16At(rec, 8);
        r.TYP = LegacyTypeToCurrent(Int16At(rec, 10));
        r.TYP2 = LegacyTypeToCurrent(Int16At(rec, 12));
        r.KOM = UpToNul(rec.substr(14, 40));
        r.VNM = UpToNul(rec.substr(54, 40));
        doc.items.push_back(r);
        if (ConvertOutOfRange(doc.items.back())) AddConverted(converted, doc.Count(), doc.items.back().KOM);
    }
    if (!converted.empty()) {
        messages.Inform(ConversionNotice({}), DefaultCaption(), MessageIcon::Warning);
        result.notice = ConversionNotice(converted);
    }
    result.tooManyRows = at < bytes.size();
    doc.RdfCmt = rdfCmt;
    doc.PreFix = preFix;
    FinishRead(doc, result.sizeDifferences);
    result.ok = true;
    return result;
}

}  // namespace

std::optional<std::string> LookupKey(std::string_view line, std::string_view key) {
    const std::string needle = std::string(kMarker) + std::string(key);
    const std::size_t at = FindNoCase(line, needle);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t eq = line.find('=', at + needle.size());
    if (eq == std::string_view::npos) return std::string();
    const std::size_t end = line.find(kMarker, eq + 1);
    if (end == std::string_view::npos) return std::string();
    return Trim(line.substr(eq + 1, end - eq - 1));
}

std::string NotLayoutFileMessage(const std::string& cp932Path) {
    return sj("<< エラー >>") + "\r\r" + sj("このファイルは MORVANE のファイルレイアウトではありません。") + "\r\r" +
           sj("     PATH = ") + Trim(cp932Path);
}

std::optional<TRspec> ParseItemLine(std::string_view line, bool& failed) {
    failed = false;
    const auto seq = LookupKey(line, "SEQ");
    if (!seq || seq->empty()) return std::nullopt;
    TRspec r;
    const auto number = [&](const char* key, int& out) {
        const auto v = LookupKey(line, key);
        if (!v || !ParseInt(*v, out)) failed = true;
    };
    number("LVL", r.LVL);
    number("TYP", r.TYP);
    number("RPT", r.RPT);
    number("BYT", r.BYT);
    number("SYO", r.SYO);
    if (failed) return std::nullopt;
    r.KOM = LookupKey(line, "KOM").value_or("");
    r.VNM = LookupKey(line, "VNM").value_or("");
    r.RED = LookupKey(line, "RED").value_or("");
    r.BKO = LookupKey(line, "BKO").value_or("");
    r.TYP2 = r.TYP;
    return r;
}

std::string ItemLine(const TRspec& r, int index) {
    std::string s;
    s.reserve(128);
    s += "%!#SEQ=" + std::to_string(index + 1) + "%!#%!#LVL=" + std::to_string(r.LVL) + "%!#KOM=" + Trim(r.KOM) +
         "%!#VNM=" + Trim(r.VNM) + "%!#RED=" + Trim(r.RED) + "%!#TYP=" + std::to_string(r.TYP) +
         "%!#RPT=" + std::to_string(r.RPT) + "%!#BYT=" + std::to_string(r.BYT) + "%!#SYO=" + std::to_string(r.SYO) +
         "%!#BKO=" + Trim(r.BKO) + "%!#";
    return s;
}

std::string FormatLayoutFile(const LayoutDocument& doc) {
    std::string out;
    WriteLine(out, kLayoutMagic);
    WriteLine(out, "%!#RdfCmt=" + Trim(doc.RdfCmt) + "%!#");
    WriteLine(out, "%!#PreFix=" + Trim(doc.PreFix) + "%!#");
    for (int i = 0; i < doc.Count(); ++i) WriteLine(out, ItemLine(doc.items[i], i));
    for (const std::string& k : doc.keyLines) WriteLine(out, "%key!" + k);
    for (const std::string& m : doc.memoLines) WriteLine(out, "%memo!" + m);
    return out;
}

LayoutReadResult ReadLayoutText(LayoutDocument& doc, std::string_view bytes, MessageSink& messages,
                                const std::string& cp932PathForMessages) {
    const std::string magic = UpToNul(bytes.substr(0, 11));
    if (bytes.size() < 11 || (magic != kLayoutMagic && magic != kLegacyLayoutMagic)) {
        messages.Inform(NotLayoutFileMessage(cp932PathForMessages), DefaultCaption(), MessageIcon::Error);
        return {};
    }
    ResetDocument(doc);
    if (magic == kLayoutMagic) return ReadText(doc, bytes, messages, cp932PathForMessages);
    return ReadLegacy(doc, bytes, messages, cp932PathForMessages, false);
}

LayoutReadResult ReadLayoutFile(LayoutDocument& doc, const std::string& cp932Path, bool showLegacyNotice,
                                MessageSink& messages) {
    std::string bytes;
    if (!ReadWholeFile(cp932Path, bytes) || bytes.size() < 11) {
        messages.Inform(NotLayoutFileMessage(cp932Path), DefaultCaption(), MessageIcon::Error);
        return {};
    }
    const std::string magic = UpToNul(std::string_view(bytes).substr(0, 11));
    if (magic == kLegacyLayoutMagic) {
        if (!showLegacyNotice) return ReadLayoutText(doc, bytes, messages, cp932Path);
        ResetDocument(doc);
        return ReadLegacy(doc, bytes, messages, cp932Path, true);
    }
    return ReadLayoutText(doc, bytes, messages, cp932Path);
}

void NormaliseAll(LayoutDocument& doc) {
    for (TRspec& r : doc.items) NormaliseByt(r, doc.sizes);
}

}  // namespace rekkan
