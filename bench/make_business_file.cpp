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
#include "model/row_builder.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"

namespace {

using namespace rekkan;

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
    for (int i = digits - 1; i >= 0 && value > 0; --i, value /= 10)
        d[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
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
    for (int i = nibbles - 2; i >= 0 && value > 0; --i, value /= 10)
        n[static_cast<std::size_t>(i)] = static_cast<unsigned>(value % 10);
    for (int i = 0; i < nibbles; i += 2)
        r += static_cast<char>((n[static_cast<std::size_t>(i)] << 4) | n[static_cast<std::size_t>(i) + 1]);
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
    doc.items = MakeRows({{.name = sj("取引先"), .var = "TORIHIKI", .type = kGroup},
                          {.level = 2, .name = sj("コード"), .var = "CODE", .type = kUNum, .bytes = 8},
                          {.level = 2, .name = sj("氏名"), .var = "NAME", .type = kJ, .bytes = 10},
                          {.level = 2, .name = sj("カナ"), .var = "KANA", .bytes = 20},
                          {.level = 2, .name = sj("残高"), .var = "BALANCE", .type = kSNum, .bytes = 11},
                          {.level = 2, .name = sj("明細"), .var = "MEISAI", .type = kGroup, .repeat = 3},
                          {.level = 3, .name = sj("金額"), .var = "AMOUNT", .type = kSComp3, .bytes = 9},
                          {.level = 3, .name = sj("数量"), .var = "QTY", .type = kSBinary, .bytes = 9},
                          {.level = 3, .name = sj("期日"), .var = "DUE", .type = kUNum, .bytes = 8},
                          {.level = 2, .name = sj("ランク"), .var = "RANK"},
                          {.level = 2, .name = sj("件数"), .var = "COUNT", .type = kSBinary, .bytes = 9},
                          {.level = 2, .name = "FILLER", .bytes = 5}});
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
