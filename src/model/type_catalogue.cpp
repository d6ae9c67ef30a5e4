#include "model/type_catalogue.h"

#include "util/encoding.h"

namespace rekkan {
namespace {

struct RawType {
    const char* label;
    const char* notation;
    const char* rule;
    const char* description;
    const char* keyword;
};

// Code order; texts in UTF-8, converted to CP932 once.
constexpr RawType kRaw[kTypeCount] = {
    {"# Group", "group", "00", "Group", ""},
    {"#  X", "x", "20", "PIC  X(n)", ""},
    {"#  J", "J", "20", "PIC  N(n) / G(n)", ""},
    {"#  U.NUM", "un", "22", "PIC  9(n)", ""},
    {"#  S.NUM", "sn", "22", "PIC S9(n)", ""},
    {"#  U.COMP-3", "up", "22", "PIC  9(n) COMP-3", ""},
    {"#  S.COMP-3", "sp", "22", "PIC S9(n) COMP-3", ""},
    {"#  U.BINARY", "ub", "22", "PIC  9(n) BINARY", ""},
    {"#  S.BINARY", "sb", "22", "PIC S9(n) BINARY", ""},
    {"#  BIT", "B", "20", "PIC  1(n) BIT", ""},
    {"#  U.COMP", "ucp", "22", "PIC  9(n) COMP", ""},
    {"#  S.COMP", "scp", "22", "PIC S9(n) COMP", ""},
    {"#  S.COMP-1", "scp1", "20", "PIC S9(n) COMP-1", ""},
    {"#  S.COMP-2", "scp2", "20", "PIC S9(n) COMP-2", ""},
    {"#  U.COMP-5", "ucp5", "22", "PIC  9(n) COMP-5", ""},
    {"#  S.COMP-5", "scp5", "22", "PIC S9(n) COMP-5", ""},
    {"# String", "x", "20", "char[n] / String", "String"},
    {"# U.Char", "ui", "10", "unsigned char", "U_Char"},
    {"# U.Int", "ui", "10", "unsigned int", "U_Integer"},
    {"# U.Short", "usi", "10", "unsigned short", "U_Short"},
    {"# U.Long", "uli", "10", "unsigned long", "U_Long"},
    {"# S.Char", "si", "10", "signed char", "S_Char"},
    {"# S.Int", "si", "10", "signed int", "S_Integer"},
    {"# S.Short", "ssi", "10", "signed short", "S_Short"},
    {"# S.Long", "sli", "10", "signed long", "S_Long"},
    {"# Float", "float", "10", "float  (単精度)", "Float"},
    {"# Double", "double", "10", "double (倍精度)", "Double"},
    {"# Currency", "currency", "10", "currency (通貨)", "Currency"},
    {"# Variant", "v", "20", "variant", "Variant"},
    {"# Date", "date", "10", "日付 (4 Byte)", "Date"},
    {"# Time", "time", "10", "時刻 (4 Byte)", "Time"},
    {"# BYTE", "BY", "10", "BYTE", "BYTE"},
    {"# Object", "obj", "10", "object", "Object"},
    {"# Date8", "Date8", "10", "日付 (8 Byte)", "Date8"},
    {"# Hex", "Hex", "20", "Hex (16進)", "Hex"},
    {"# WORD", "WORD", "10", "WORD(符号無16Bit)", "WORD"},
    {"# DWORD", "DWORD", "10", "DWORD(符号無32Bit)", "DWORD"},
};

const std::array<TypeInfo, kTypeCount>& Catalogue() {
    static const std::array<TypeInfo, kTypeCount> table = [] {
        std::array<TypeInfo, kTypeCount> t;
        for (int i = 0; i < kTypeCount; ++i)
            t[i] = {sj(kRaw[i].label), kRaw[i].notation, kRaw[i].rule, sj(kRaw[i].description), kRaw[i].keyword};
        return t;
    }();
    return table;
}

void AppendRange(std::vector<TypeListEntry>& out, int from, int to) {
    for (int c = from; c <= to; ++c) out.push_back({c, {}});
}

const char* kSepCobol = "-- < COBOL > ------";
const char* kSepC = "---- < C > --------";
const char* kSepVb = "--- < VB,Etc >-----";

}  // namespace

const TypeInfo& TypeInfoOf(int code) { return Catalogue()[IsValidType(code) ? code : kString]; }

char BytRule(int code) { return TypeInfoOf(code).columnRule[0]; }
char SyoRule(int code) { return TypeInfoOf(code).columnRule[1]; }

bool IsCobolNumeric(int code) {
    return (code >= kUNum && code <= kSBinary) || code == kUComp || code == kSComp || code == kUComp5 ||
           code == kSComp5;
}

bool IsCobolBinary(int code) {
    return code == kUBinary || code == kSBinary || code == kUComp || code == kSComp || code == kUComp5 ||
           code == kSComp5;
}

bool IsCOrVbInteger(int code) {
    switch (code) {
    case kUChar:
    case kSChar:
    case kByte:
    case kUInt:
    case kSInt:
    case kUShort:
    case kSShort:
    case kULong:
    case kSLong:
    case kWord:
    case kDword: return true;
    default: return false;
    }
}

bool IsWholeNumber(int code) { return IsCobolNumeric(code) || IsCOrVbInteger(code); }

bool HasEnteredByteCount(int code) {
    switch (code) {
    case kX:
    case kJ:
    case kBit:
    case kSComp1:
    case kSComp2:
    case kString:
    case kVariant:
    case kHex: return true;
    default: return false;
    }
}

bool IsSyncAligned(int code) { return IsCobolBinary(code) || code == kSComp1 || code == kSComp2 || code == kHex; }

std::vector<TypeListEntry> TypeListOrder(LangPriority priority) {
    std::vector<TypeListEntry> out;
    out.push_back({kGroup, {}});
    switch (priority) {
    case LangPriority::Cobol:
        AppendRange(out, kX, kSComp5);
        out.push_back({-1, kSepC});
        AppendRange(out, kString, kDouble);
        out.push_back({-1, kSepVb});
        AppendRange(out, kCurrency, kDword);
        break;
    case LangPriority::C:
        AppendRange(out, kString, kDouble);
        out.push_back({-1, kSepVb});
        AppendRange(out, kCurrency, kDword);
        out.push_back({-1, kSepCobol});
        AppendRange(out, kX, kSComp5);
        break;
    case LangPriority::Vb:
        for (int c : {kString, kByte, kSInt, kSLong, kFloat, kDouble, kCurrency, kVariant, kDate, kTime, kObject,
                      kDate8, kHex, kWord, kDword}) {
            out.push_back({c, {}});
        }
        out.push_back({-1, kSepC});
        for (int c : {kSChar, kSShort, kUChar, kUInt, kUShort, kULong}) out.push_back({c, {}});
        out.push_back({-1, kSepCobol});
        AppendRange(out, kX, kSComp5);
        break;
    }
    return out;
}

int FirstTypeAfterGroup(LangPriority priority) { return priority == LangPriority::Cobol ? kX : kString; }

std::string PriorityName(LangPriority priority) {
    switch (priority) {
    case LangPriority::Cobol: return "COBOL";
    case LangPriority::C: return "C";
    case LangPriority::Vb: return "VB";
    }
    return "COBOL";
}

int LegacyTypeToCurrent(int legacyCode) {
    if (legacyCode == 0) return 0;
    if (legacyCode >= 1 && legacyCode <= 15) return legacyCode + 15;
    if (legacyCode >= 16 && legacyCode <= 30) return legacyCode - 15;
    if (legacyCode >= 31 && legacyCode <= 36) return legacyCode;
    return -1;
}

}  // namespace rekkan
