// Writes the business layout used by records_bench.sh and a data file of its 120-byte records:
//   make_business_file LAYOUT.kvl DATA.dat [RECORDS]   (default 1,000,000 records)
// Layout: CODE U.NUM 8, NAME J 10 (Shift-JIS names), KANA X 20, BALANCE S.NUM 11, an OCCURS 3
// group of AMOUNT S.COMP-3 9 / QTY S.BINARY 9 (big-endian) / DUE U.NUM 8, RANK X 1,
// COUNT S.BINARY 9 and FILLER X 5.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/layout_document.h"
#include "model/layout_file.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"

namespace {

using namespace rekkan;

TRspec Item(int lvl, int typ, int rpt, int byt, const std::string& kom, const std::string& vnm) {
    TRspec r;
    r.LVL = lvl;
    r.TYP = r.TYP2 = typ;
    r.RPT = rpt;
    r.BYT = byt;
    r.KOM = kom;
    r.VNM = vnm;
    return r;
}

constexpr int kRecordLength = 120;

/// A small deterministic generator, so every run writes the same file.
struct Random {
    std::uint64_t state;
    std::uint32_t Next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state >> 33);
    }
};

void Zoned(std::string& r, std::uint64_t value, int digits, bool negative, bool isSigned) {
    std::string d(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value > 0; --i, value /= 10) d[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    for (int i = 0; i < digits; ++i) {
        unsigned zone = 0xF0;
        if (i == digits - 1 && isSigned) zone = negative ? 0xD0 : 0xC0;
        r += static_cast<char>(zone | static_cast<unsigned>(d[static_cast<std::size_t>(i)] - '0'));
    }
}

void Packed(std::string& r, std::uint64_t value, int digits, bool negative) {
    const int nibbles = digits + 1 + ((digits + 1) % 2);
    std::vector<unsigned> n(static_cast<std::size_t>(nibbles), 0);
    n.back() = negative ? 0xD : 0xC;
    for (int i = nibbles - 2; i >= 0 && value > 0; --i, value /= 10) n[static_cast<std::size_t>(i)] = static_cast<unsigned>(value % 10);
    for (int i = 0; i < nibbles; i += 2) r += static_cast<char>((n[static_cast<std::size_t>(i)] << 4) | n[static_cast<std::size_t>(i) + 1]);
}

void BigEndian32(std::string& r, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) r += static_cast<char>((v >> shift) & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_business_file LAYOUT.kvl DATA.dat [RECORDS]\n");
        return 2;
    }
    const long long records = argc > 3 ? std::atoll(argv[3]) : 1'000'000;

    LayoutDocument doc;
    doc.RdfCmt = sj("取引先 ファイル");
    doc.items = {Item(1, kGroup, 1, 0, sj("取引先"), "TORIHIKI"),  Item(2, kUNum, 1, 8, sj("コード"), "CODE"),
                 Item(2, kJ, 1, 10, sj("氏名"), "NAME"),          Item(2, kX, 1, 20, sj("カナ"), "KANA"),
                 Item(2, kSNum, 1, 11, sj("残高"), "BALANCE"),    Item(2, kGroup, 3, 0, sj("明細"), "MEISAI"),
                 Item(3, kSComp3, 1, 9, sj("金額"), "AMOUNT"),    Item(3, kSBinary, 1, 9, sj("数量"), "QTY"),
                 Item(3, kUNum, 1, 8, sj("期日"), "DUE"),         Item(2, kX, 1, 1, sj("ランク"), "RANK"),
                 Item(2, kSBinary, 1, 9, sj("件数"), "COUNT"),    Item(2, kX, 1, 5, "FILLER", "FILLER")};
    if (!WriteFileReplacing(std::string(argv[1]), FormatLayoutFile(doc))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 2;
    }

    const char* familyNames[] = {"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤"};
    const char* givenNames[] = {"太郎", "花子", "一郎", "美咲", "健太", "陽子", "大輔", "由美"};
    const char* kanaNames[] = {"ｻﾄｳ ﾀﾛｳ", "ｽｽﾞｷ ﾊﾅｺ", "ﾀｶﾊｼ ｲﾁﾛｳ", "ﾀﾅｶ ﾐｻｷ", "ｲﾄｳ ｹﾝﾀ"};
    std::vector<std::string> names;
    for (const char* f : familyNames)
        for (const char* g : givenNames) names.push_back(sj(std::string(f) + "　" + g));
    std::vector<std::string> kana;
    for (const char* k : kanaNames) kana.push_back(sj(k));

    ReplacingFile out;
    if (!out.Open(argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 2;
    }
    Random rnd{12345};
    std::string block;
    block.reserve(4u << 20);
    for (long long i = 0; i < records; ++i) {
        std::string& r = block;
        const std::size_t start = r.size();
        Zoned(r, static_cast<std::uint64_t>(i + 1), 8, false, false);
        std::string name = names[rnd.Next() % names.size()];
        name.resize(20, ' ');
        r += name;
        std::string k = kana[rnd.Next() % kana.size()];
        k.resize(20, ' ');
        r += k;
        const std::uint32_t balance = rnd.Next() % 100000000;
        Zoned(r, balance, 11, rnd.Next() % 4 == 0, true);
        for (int occ = 0; occ < 3; ++occ) {
            Packed(r, rnd.Next() % 1000000000, 9, rnd.Next() % 8 == 0);
            BigEndian32(r, rnd.Next() % 100000);
            Zoned(r, 20240101 + rnd.Next() % 1200, 8, false, false);
        }
        r += static_cast<char>('A' + rnd.Next() % 5);
        BigEndian32(r, static_cast<std::uint32_t>(i % 1000));
        r += "     ";
        if (r.size() - start != kRecordLength) {
            std::fprintf(stderr, "record length %zu\n", r.size() - start);
            return 2;
        }
        if (block.size() >= (4u << 20) - kRecordLength) {
            if (!out.Write(block)) return 2;
            block.clear();
        }
    }
    if (!out.Write(block) || !out.Commit()) return 2;
    return 0;
}
