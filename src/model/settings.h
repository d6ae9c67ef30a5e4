#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"

namespace rekkan {

/// A stored window place: top, left, width, height in pixels; -1 each when none is stored.
struct WindowPlace {
    int top = -1;
    int left = -1;
    int width = -1;
    int height = -1;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

/// True when a stored place is used (top and left at least 1 and inside the screen);
/// otherwise the window keeps its size and is centred.
[[nodiscard]] bool UsePlace(const WindowPlace& place, int screenWidth, int screenHeight);

/// Every user setting of both tools; member names are the keys of kvelOpt2.Dat.
/// Texts are CP932.
struct Settings {
    // Record editor and its tools.
    WindowPlace FPS_RecEditor, FPS_RecTable;
    std::string Path_EditFile;
    std::string Path_LayoutGroup;
    int WinSta = 0;
    bool RecEtcFmt = true;
    int Cmb_KomKeta = 16;
    int LayoutListWidth = 0;
    bool Chk_Msg_Update = true, Chk_Msg_Insert = true, Chk_Msg_Append = true, Chk_Msg_Delete = true;
    int Cmb_Scroll = 0;
    int Cmb_BrowseFixedKeta = 16;
    int Cmb_ByteOrder = 0;
    int Cmb_ZoneSign = 0;
    int Cmb_PackSign = 0;
    int Cmb_DefChar = 0;
    std::string Str_DefChar = "00";
    int Cmb_BtmChar = 0;
    std::string Str_BtmChar;
    int Cmb_RecCellEdit = 1;
    int Cmb_RecCrNext = 2;
    int Cmb_FontSize = 9;
    int Opt_LayoutBC = static_cast<int>(0x80000005u);
    int Opt_LayoutFC = 0;
    bool RecCsv_Chk_Mid = true, RecCsv_Chk_Rno = true, RecCsv_Chk_Pos = true, RecCsv_Chk_Grp = true;
    bool ReMemori = true;
    int ReColWidths[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    int RT_WinSta = 0;
    int RT_FmtChg = 0;
    int RT_LimColLen = 10;
    int RT_Fold = 0;

    // Layout editor and its tools.
    WindowPlace FPS_kvel, FPS_Tfm, FPS_Idx, FPS_Etc, FPS_Csv, FPS_Xfm, FPS_Hed;
    int Cmb_EditScale = 25;
    std::string Path_Rdf;
    std::string Path_Hed;
    bool Chk_RedInclude = true;
    bool Chk_AryExt = true;
    bool Csv_Rbt_Text = true;
    bool Csv_Rbt_Csv = false;
    bool Csv_Chk_Title = true, Csv_Chk_Guide = true, Csv_Chk_Seq = true, Csv_Chk_Pos = true, Csv_Chk_Kom = true,
         Csv_Chk_Byt = true, Csv_Chk_Prefix = true, Csv_Chk_Lvl = true, Csv_Chk_Vnm = true, Csv_Chk_Red = true,
         Csv_Chk_Syo = true, Csv_Chk_Indent = true, Csv_Chk_LvlConnect = true, Csv_Chk_Typ = true, Csv_Chk_Rpt = true,
         Csv_Chk_Bko = true;
    std::string Edt_CobCmtStr;
    std::string Edt_CobCmtTrim = "-+*=/%";
    int Cmb_CobSeq = 6;
    int Cmb_CobValid = 72;
    int Cmb_CobCmtValid = 72;
    int Cmb_CobCmt = 1;
    int Cmb_CobKP = 0;
    int Cmb_CobPP = 37;
    int Cmb_CobID = 2;
    int Cmb_CobPK = 0;
    int Cmb_CobSN = 0;
    int Cmb_CobIV = 1;
    int Cmb_CobCR = 0;
    int Cmb_CobJpn = 0;
    int Cmb_Comp12Pic = 0;
    int Cmb_Int = 0;
    int Cmb_Short = 0;
    int Cmb_Long = 1;
    int Cmb_Indent = 2;
    int Cmb_EditLine = 0;
    int Cmb_CellEdit = 1;
    int Cmb_Lang = 0;
    int Cmb_InpTyp = 0;
    int Cmb_RedPlotType = 5;
    int Cmb_RedTagLen = 5;
    bool Rbt_RedBackOff = false, Rbt_RedBackOn = true;
    bool Rbt_KinshiBackOff = false, Rbt_KinshiBackOn = true;
    bool Rbt_EditorSelf = true, Rbt_EditorOther = false;
    std::string Edt_EditorPath;
    std::string Edt_EditorWorkExt = "cpp";
    int EGW_SEQ = 0, EGW_POS = 0, EGW_LVL = 0, EGW_KOM = 0, EGW_VNM = 0, EGW_RED = 0, EGW_TYP = 0, EGW_RPT = 0,
        EGW_BYT = 0, EGW_SYO = 0, EGW_BKO = 0;

    // Read but never written (windows that no longer exist).
    WindowPlace FPS_Fmt, FPS_Spr, FPS_Multi, FPS_Pcan;

    /// The print preview's own lines ("GP_..." and "GPB_..."), kept verbatim and written back
    /// after the other keys.
    std::vector<std::string> printPreviewLines;

    /// Integer sizes from Cmb_Int, Cmb_Short and Cmb_Long.
    [[nodiscard]] IntSizes Sizes() const { return IntSizes::FromChoices(Cmb_Int, Cmb_Short, Cmb_Long); }
    /// Editable line count from Cmb_EditLine.
    [[nodiscard]] int EditableLineCount() const { return EditableLineCountForChoice(Cmb_EditLine); }
    [[nodiscard]] LangPriority Priority() const;
};

/// The defaults: `programFolder` (CP932) for the path keys that default to it, `letterAWidth`
/// for the column widths given in widths of the letter "A".
void SetDefaults(Settings& s, const std::string& programFolder, int letterAWidth);

/// Applies every recognised line of `text` over `s`. A line whose integer cannot be read is
/// skipped (the others still apply); the number of skipped lines is returned in `badLines`.
void ParseSettings(std::string_view text, Settings& s, int* badLines = nullptr);
/// Reads the settings file when it exists; a missing file leaves `s` as it is.
void ReadSettings(const std::string& cp932Path, Settings& s);

/// The file text: every key in table order, then the print preview lines; CR LF ends.
[[nodiscard]] std::string FormatSettings(const Settings& s);
/// Writes the settings file (aside, then renamed over the old one).
[[nodiscard]] bool WriteSettings(const std::string& cp932Path, const Settings& s);

/// Sets one key from text as if read from the file ("Cmb_Lang", "2"); false for an unknown key
/// or a value of the wrong form (flags: True, False, 1 or 0). Used by `--option KEY=TEXT`.
[[nodiscard]] bool SetSettingByKey(Settings& s, std::string_view key, std::string_view value);

/// Name of the settings file: "kvelOpt2.Dat".
inline constexpr const char* kSettingsFileName = "kvelOpt2.Dat";

}  // namespace rekkan
