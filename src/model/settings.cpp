#include "model/settings.h"

#include <variant>

#include "util/file_util.h"
#include "util/replacing_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

using Member = std::variant<int Settings::*, bool Settings::*, std::string Settings::*, WindowPlace Settings::*>;

struct Key {
    const char* name;
    Member member;
    bool written = true;  ///< false for the keys that are only read
};

#define KEY(name) \
    Key { #name, &Settings::name }

// File order.
const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = {
        KEY(FPS_RecEditor),
        KEY(FPS_RecTable),
        KEY(Path_EditFile),
        KEY(Path_LayoutGroup),
        KEY(WinSta),
        KEY(RecEtcFmt),
        KEY(Cmb_KomKeta),
        KEY(LayoutListWidth),
        KEY(Chk_Msg_Update),
        KEY(Chk_Msg_Insert),
        KEY(Chk_Msg_Append),
        KEY(Chk_Msg_Delete),
        KEY(Cmb_Scroll),
        KEY(Cmb_BrowseFixedKeta),
        KEY(Cmb_ByteOrder),
        KEY(Cmb_ZoneSign),
        KEY(Cmb_PackSign),
        KEY(Cmb_DefChar),
        KEY(Str_DefChar),
        KEY(Cmb_BtmChar),
        KEY(Str_BtmChar),
        KEY(Cmb_RecCellEdit),
        KEY(Cmb_RecCrNext),
        KEY(Cmb_FontSize),
        KEY(Opt_LayoutBC),
        KEY(Opt_LayoutFC),
        KEY(RecCsv_Chk_Mid),
        KEY(RecCsv_Chk_Rno),
        KEY(RecCsv_Chk_Pos),
        KEY(RecCsv_Chk_Grp),
        KEY(ReMemori),
        // ReColWidths0 to 7 are handled apart (an array).
        KEY(RT_WinSta),
        KEY(RT_FmtChg),
        KEY(RT_LimColLen),
        KEY(RT_Fold),
        KEY(FPS_kvel),
        KEY(FPS_Tfm),
        KEY(FPS_Idx),
        KEY(FPS_Etc),
        KEY(FPS_Csv),
        KEY(FPS_Xfm),
        KEY(FPS_Hed),
        KEY(Cmb_EditScale),
        KEY(Path_Rdf),
        KEY(Path_Hed),
        KEY(Chk_RedInclude),
        KEY(Chk_AryExt),
        KEY(Csv_Rbt_Text),
        KEY(Csv_Rbt_Csv),
        KEY(Csv_Chk_Title),
        KEY(Csv_Chk_Guide),
        KEY(Csv_Chk_Seq),
        KEY(Csv_Chk_Pos),
        KEY(Csv_Chk_Kom),
        KEY(Csv_Chk_Byt),
        KEY(Csv_Chk_Prefix),
        KEY(Csv_Chk_Lvl),
        KEY(Csv_Chk_Vnm),
        KEY(Csv_Chk_Red),
        KEY(Csv_Chk_Syo),
        KEY(Csv_Chk_Indent),
        KEY(Csv_Chk_LvlConnect),
        KEY(Csv_Chk_Typ),
        KEY(Csv_Chk_Rpt),
        KEY(Csv_Chk_Bko),
        KEY(Edt_CobCmtStr),
        KEY(Edt_CobCmtTrim),
        KEY(Cmb_CobSeq),
        KEY(Cmb_CobValid),
        KEY(Cmb_CobCmtValid),
        KEY(Cmb_CobCmt),
        KEY(Cmb_CobKP),
        KEY(Cmb_CobPP),
        KEY(Cmb_CobID),
        KEY(Cmb_CobPK),
        KEY(Cmb_CobSN),
        KEY(Cmb_CobIV),
        KEY(Cmb_CobCR),
        KEY(Cmb_CobJpn),
        KEY(Cmb_Comp12Pic),
        KEY(Cmb_Int),
        KEY(Cmb_Short),
        KEY(Cmb_Long),
        KEY(Cmb_Indent),
        KEY(Cmb_EditLine),
        KEY(Cmb_CellEdit),
        KEY(Cmb_Lang),
        KEY(Cmb_InpTyp),
        KEY(Cmb_RedPlotType),
        KEY(Cmb_RedTagLen),
        KEY(Rbt_RedBackOff),
        KEY(Rbt_RedBackOn),
        KEY(Rbt_KinshiBackOff),
        KEY(Rbt_KinshiBackOn),
        KEY(Rbt_EditorSelf),
        KEY(Rbt_EditorOther),
        KEY(Edt_EditorPath),
        KEY(Edt_EditorWorkExt),
        KEY(EGW_SEQ),
        KEY(EGW_POS),
        KEY(EGW_LVL),
        KEY(EGW_KOM),
        KEY(EGW_VNM),
        KEY(EGW_RED),
        KEY(EGW_TYP),
        KEY(EGW_RPT),
        KEY(EGW_BYT),
        KEY(EGW_SYO),
        KEY(EGW_BKO),
        Key{"FPS_Fmt", &Settings::FPS_Fmt, false},
        Key{"FPS_Spr", &Settings::FPS_Spr, false},
        Key{"FPS_Multi", &Settings::FPS_Multi, false},
        Key{"FPS_Pcan", &Settings::FPS_Pcan, false},
    };
    return keys;
}

#undef KEY

/// Position in `Keys()` after which the ReColWidths keys are written (after ReMemori).
std::size_t ReColWidthsAfter() {
    const auto& keys = Keys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (std::string_view(keys[i].name) == "ReMemori") return i;
    return 0;
}

bool ParsePlace(std::string_view value, WindowPlace& place) {
    int v[4];
    std::size_t start = 0;
    for (int k = 0; k < 4; ++k) {
        const std::size_t comma = k < 3 ? value.find(',', start) : value.size();
        if (comma == std::string_view::npos) return false;
        if (!ParseInt(Trim(value.substr(start, comma - start)), v[k])) return false;
        start = comma + 1;
    }
    place = {v[0], v[1], v[2], v[3]};
    return true;
}

/// Applies `value` to the member; false when the value has the wrong form.
bool Apply(Settings& s, const Member& member, std::string_view value) {
    return std::visit(
        [&](auto ptr) -> bool {
            using T = std::remove_reference_t<decltype(s.*ptr)>;
            if constexpr (std::is_same_v<T, int>) {
                return ParseInt(value, s.*ptr);
            } else if constexpr (std::is_same_v<T, bool>) {
                s.*ptr = EqualsNoCase(value, "True");
                return true;
            } else if constexpr (std::is_same_v<T, std::string>) {
                s.*ptr = std::string(value);
                return true;
            } else {
                return ParsePlace(value, s.*ptr);
            }
        },
        member);
}

std::string Format(const Settings& s, const Member& member) {
    return std::visit(
        [&](auto ptr) -> std::string {
            using T = std::remove_cvref_t<decltype(s.*ptr)>;
            if constexpr (std::is_same_v<T, int>) {
                return std::to_string(s.*ptr);
            } else if constexpr (std::is_same_v<T, bool>) {
                return s.*ptr ? "True" : "False";
            } else if constexpr (std::is_same_v<T, std::string>) {
                return Trim(s.*ptr);
            } else {
                const WindowPlace& p = s.*ptr;
                return std::to_string(p.top) + "," + std::to_string(p.left) + "," + std::to_string(p.width) + "," +
                       std::to_string(p.height);
            }
        },
        member);
}

bool IsPrintPreviewLine(std::string_view line) {
    const std::string t = TrimLeft(line);
    return t.rfind("GP_", 0) == 0 || t.rfind("GPB_", 0) == 0;
}

enum class LineResult { Applied, BadValue, Unknown };

LineResult ApplyLine(Settings& s, std::string_view key, std::string_view value) {
    const auto& keys = Keys();
    const std::size_t recol = ReColWidthsAfter();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (EqualsNoCase(key, keys[i].name))
            return Apply(s, keys[i].member, value) ? LineResult::Applied : LineResult::BadValue;
        if (i == recol) {
            // The eight column widths are tried right after the key they follow in the file.
            for (int k = 0; k < 8; ++k) {
                if (EqualsNoCase(key, "ReColWidths" + std::to_string(k)))
                    return ParseInt(value, s.ReColWidths[k]) ? LineResult::Applied : LineResult::BadValue;
            }
        }
    }
    return LineResult::Unknown;
}

}  // namespace

bool UsePlace(const WindowPlace& place, int screenWidth, int screenHeight) {
    return place.top >= 1 && place.left >= 1 && place.top < screenHeight && place.left < screenWidth;
}

LangPriority Settings::Priority() const {
    switch (Cmb_Lang) {
    case 1: return LangPriority::C;
    case 2: return LangPriority::Vb;
    default: return LangPriority::Cobol;
    }
}

void SetDefaults(Settings& s, const std::string& programFolder, int letterAWidth) {
    s = Settings{};
    s.Path_EditFile = programFolder;
    s.Path_Rdf = programFolder;
    s.Path_Hed = programFolder;
    const int a = letterAWidth;
    s.EGW_SEQ = a * 5;
    s.EGW_POS = a * 6;
    s.EGW_LVL = a * 4;
    s.EGW_KOM = a * 24;
    s.EGW_VNM = a * 16;
    s.EGW_RED = a * 10;
    s.EGW_TYP = a * 15;
    s.EGW_RPT = a * 5;
    s.EGW_BYT = a * 5;
    s.EGW_SYO = a * 5;
    s.EGW_BKO = a * 30;
}

void ParseSettings(std::string_view text, Settings& s, int* badLines) {
    int bad = 0;
    std::vector<std::string> preview;
    for (const std::string& line : SplitLines(text)) {
        if (IsPrintPreviewLine(line)) {
            preview.push_back(line);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = Trim(std::string_view(line).substr(0, eq));
        const std::string value = Trim(std::string_view(line).substr(eq + 1));
        // A value that cannot be read skips its line only; the others still apply.
        if (ApplyLine(s, key, value) == LineResult::BadValue) ++bad;
    }
    if (!preview.empty()) s.printPreviewLines = std::move(preview);
    if (badLines) *badLines = bad;
}

void ReadSettings(const std::string& cp932Path, Settings& s) {
    std::string bytes;
    if (!ReadWholeFile(cp932Path, bytes)) return;
    ParseSettings(bytes, s);
}

std::string FormatSettings(const Settings& s) {
    std::string out;
    const auto& keys = Keys();
    const std::size_t recol = ReColWidthsAfter();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].written) continue;
        WriteLine(out, std::string(keys[i].name) + "=" + Format(s, keys[i].member));
        if (i == recol)
            for (int k = 0; k < 8; ++k)
                WriteLine(out, "ReColWidths" + std::to_string(k) + "=" + std::to_string(s.ReColWidths[k]));
    }
    for (const std::string& line : s.printPreviewLines) WriteLine(out, line);
    return out;
}

bool WriteSettings(const std::string& cp932Path, const Settings& s) {
    return WriteFileReplacing(cp932Path, FormatSettings(s));
}

bool SetSettingByKey(Settings& s, std::string_view key, std::string_view value) {
    const std::string k = Trim(key);
    std::string v = Trim(value);
    // Typed by hand: a flag takes True/False (any case) or 1/0, and nothing else, so a
    // mistyped value is refused instead of silently reading as False.
    for (const Key& known : Keys()) {
        if (!EqualsNoCase(k, known.name) || !std::holds_alternative<bool Settings::*>(known.member)) continue;
        if (v == "1")
            v = "True";
        else if (v == "0")
            v = "False";
        if (!EqualsNoCase(v, "True") && !EqualsNoCase(v, "False")) return false;
        break;
    }
    return ApplyLine(s, k, v) == LineResult::Applied;
}

}  // namespace rekkan
