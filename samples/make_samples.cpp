// Writes the sample layouts, their data files and a layout group into the folder given as
// the first argument. Every byte of the data is built here by hand, so the samples explain
// themselves: read a record's bytes next to the functions below.
//
//   customer.kvl / customer.dat  COBOL record: zoned and packed decimals with both signs,
//                                big-endian binary, Shift-JIS text, a bit string, a redefinition and
//                                nested repeats (OCCURS 3 holding OCCURS 2).
//   cstruct.kvl  / cstruct.dat   C structure: integers of several sizes, float, double,
//                                a char array and hex bytes (little-endian).
//   sample.LGP                   the group of both, with full paths.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "model/layout_file.h"
#include "model/row_builder.h"
#include "records/layout_group.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"

using namespace rekkan;

namespace {

/// EBCDIC zoned decimal: digits as 0xF0-0xF9, the sign in the zone of the last byte
/// (0xC positive, 0xD negative; 0xF for unsigned).
std::string Zoned(long long value, int digits, bool isSigned) {
    std::string out(static_cast<std::size_t>(digits), '\0');
    const bool negative = value < 0;
    unsigned long long v = negative ? static_cast<unsigned long long>(-value) : static_cast<unsigned long long>(value);
    for (int i = digits - 1; i >= 0; --i, v /= 10) out[i] = static_cast<char>(0xF0 | (v % 10));
    const unsigned char zone = !isSigned ? 0xF0 : negative ? 0xD0 : 0xC0;
    out.back() = static_cast<char>(zone | (static_cast<unsigned char>(out.back()) & 0x0F));
    return out;
}

/// Packed decimal: two digits a byte, the sign nibble last (0xC positive, 0xD negative).
std::string Packed(long long value, int digits) {
    const int bytes = (digits + 2) / 2;
    std::string nibbles;
    const bool negative = value < 0;
    unsigned long long v = negative ? static_cast<unsigned long long>(-value) : static_cast<unsigned long long>(value);
    for (int i = 0; i < bytes * 2 - 1; ++i, v /= 10) nibbles.insert(nibbles.begin(), static_cast<char>(v % 10));
    nibbles += static_cast<char>(negative ? 0xD : 0xC);
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((nibbles[2 * i] << 4) | nibbles[2 * i + 1]);
    return out;
}

/// Little-endian two's complement integer of `bytes` bytes (Intel byte order).
std::string Little(long long value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF);
    return out;
}

/// Big-endian two's complement integer: COBOL binary fields are big-endian whatever the
/// byte order setting.
std::string Big(long long value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF);
    return out;
}

/// CP932 text padded with blanks to `bytes`.
std::string Text(const std::string& utf8, std::size_t bytes) {
    std::string t = sj(utf8);
    t.resize(bytes, ' ');
    return t;
}

template <typename T>
std::string Raw(T value) {
    std::string out(sizeof(T), '\0');
    std::memcpy(out.data(), &value, sizeof(T));
    return out;
}

LayoutDocument CustomerLayout() {
    LayoutDocument d;
    d.RdfCmt = sj("顧客マスタ (サンプル)");
    d.items = MakeRows({
        {.name = sj("顧客レコード"), .var = "CUST-REC", .type = kGroup},
        {.level = 2, .name = sj("顧客番号"), .var = "CUST-NO", .type = kSNum, .bytes = 7},
        {.level = 2, .name = sj("顧客名"), .var = "CUST-NAME", .bytes = 20},
        {.level = 2, .name = sj("顧客名分割"), .var = "CUST-NAME-R", .type = kGroup, .redefines = sj("顧客名")},
        {.level = 3, .name = sj("姓"), .var = "LAST-NAME", .bytes = 10},
        {.level = 3, .name = sj("名"), .var = "FIRST-NAME", .bytes = 10},
        {.level = 2, .name = sj("残高"), .var = "BALANCE", .type = kSComp3, .bytes = 9, .decimals = 2},
        {.level = 2, .name = sj("登録日"), .var = "ENTRY-DATE", .type = kUNum, .bytes = 8},
        {.level = 2, .name = sj("ポイント"), .var = "POINTS", .type = kSBinary, .bytes = 9},
        {.level = 2, .name = sj("フラグ"), .var = "FLAGS", .type = kBit, .repeat = 8},
        {.level = 2, .name = sj("月次履歴"), .var = "HISTORY", .type = kGroup, .repeat = 3},
        {.level = 3, .name = sj("年月"), .var = "YYYYMM", .bytes = 6},
        {.level = 3, .name = sj("明細"), .var = "LINES", .type = kGroup, .repeat = 2},
        {.level = 4, .name = sj("数量"), .var = "QTY", .type = kSNum, .bytes = 3},
        {.level = 4, .name = sj("金額"), .var = "AMOUNT", .type = kSComp3, .bytes = 7},
    });
    return d;
}

std::string CustomerRecord(int no, const std::string& name, long long balanceCents, long long points, int flags,
                           int sign) {
    std::string r;
    r += Zoned(sign * (1000000 + no), 7, true);
    r += Text(name, 20);
    r += Packed(sign * balanceCents, 11);
    r += Zoned(20260100 + no, 8, false);
    r += Big(sign * points, 4);
    r += static_cast<char>(flags);
    for (int m = 1; m <= 3; ++m) {
        r += "20260" + std::to_string(m);
        for (int l = 1; l <= 2; ++l) {
            r += Zoned(sign * (m * 10 + l), 3, true);
            r += Packed(sign * (m * 1000 + l * 25), 7);
        }
    }
    return r;
}

LayoutDocument CStructLayout() {
    LayoutDocument d;
    d.RdfCmt = sj("C 構造体 (サンプル)");
    d.items = MakeRows({
        {.name = sj("測定値"), .var = "measure", .type = kGroup},
        {.level = 2, .name = sj("装置番号"), .var = "device_id", .type = kUShort, .bytes = 2},
        {.level = 2, .name = sj("温度 x100"), .var = "temp_x100", .type = kSLong, .bytes = 4},
        {.level = 2, .name = sj("湿度"), .var = "humidity", .type = kFloat, .bytes = 4},
        {.level = 2, .name = sj("気圧"), .var = "pressure", .type = kDouble, .bytes = 8},
        {.level = 2, .name = sj("設置場所"), .var = "place", .type = kString, .bytes = 12},
        {.level = 2, .name = sj("状態"), .var = "status", .type = kUChar},
        {.level = 2, .name = sj("補正値"), .var = "offset", .type = kSShort, .bytes = 2},
        {.level = 2, .name = sj("予備"), .var = "reserved", .type = kHex, .bytes = 4},
        {.level = 2, .name = sj("連番"), .var = "serial", .type = kDword, .bytes = 4},
    });
    return d;
}

std::string CStructRecord(int i) {
    std::string r;
    r += Little(100 + i, 2);
    r += Little(i % 2 ? -1250 + i : 2350 + i, 4);
    r += Raw(static_cast<float>(40.5 + i));
    r += Raw(1013.25 - i);
    r += Text(i % 2 ? "東京" : "Osaka", 12);
    r += static_cast<char>(i % 3);
    r += Little(-i, 2);
    r += std::string("\xDE\xAD\xBE\xEF", 4);
    r += Little(70000 + i, 4);
    return r;
}

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    if (WriteFileReplacing(path, bytes)) return true;
    std::cerr << "cannot write " << path << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_samples FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(folder);

    std::string customers;
    customers += CustomerRecord(1, "山田太郎", 12345678, 1500, 0xA5, 1);
    customers += CustomerRecord(2, "ｽｽﾞｷ ﾊﾅｺ", 98765, 20, 0x01, -1);
    customers += CustomerRecord(3, "佐藤　一郎", 99999999999, 2147483647, 0xFF, 1);
    std::string measures;
    for (int i = 0; i < 5; ++i) measures += CStructRecord(i);

    const auto path = [&](const char* name) { return FromFsPath(folder / name); };
    std::vector<GroupLine> group(2);
    group[0].layoutPath = path("customer.kvl");
    group[0].editFilePath = path("customer.dat");
    group[1].layoutPath = path("cstruct.kvl");
    group[1].editFilePath = path("cstruct.dat");
    const bool ok = Write(folder / "customer.kvl", FormatLayoutFile(CustomerLayout())) &&
                    Write(folder / "customer.dat", customers) &&
                    Write(folder / "cstruct.kvl", FormatLayoutFile(CStructLayout())) &&
                    Write(folder / "cstruct.dat", measures) && Write(folder / "sample.LGP", FormatGroupText(group));
    return ok ? 0 : 2;
}
