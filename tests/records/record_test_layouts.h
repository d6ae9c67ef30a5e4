#pragma once

#include <string>
#include <vector>

#include "model/layout_document.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "model/type_catalogue.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan::test {

/// Writes a layout file with `comment` and `items`; returns its CP932 path.
inline std::string WriteLayout(const std::string& cp932Path, const std::string& comment, std::vector<TRspec> items) {
    LayoutDocument doc;
    doc.RdfCmt = comment;
    doc.items = std::move(items);
    WriteBytes(ToFsPath(cp932Path), FormatLayoutFile(doc));
    return cp932Path;
}

/// A small order layout of 19 bytes:
///   1 REC group; NAME X(6) at 1; QTY S.NUM 3 at 7; AMT-G group x2 of AMOUNT S.COMP-3 3 digits
///   (2 bytes, at 10 and 12); KANJI J 2 (4 bytes) at 14; CNT U.BINARY 4 digits (2 bytes) at 18.
/// Field list (1-based): 1 REC, 2 NAME, 3 QTY, 4 AMT-G, 5 AMOUNT(1), 6 AMT-G, 7 AMOUNT(2),
/// 8 KANJI, 9 CNT.
inline std::vector<TRspec> OrderItems() {
    return MakeRows({{.name = "REC", .type = kGroup},
                     {.level = 2, .name = "NAME", .bytes = 6},
                     {.level = 2, .name = "QTY", .type = kSNum, .bytes = 3},
                     {.level = 2, .name = "AMT-G", .var = "AMTG", .type = kGroup, .repeat = 2},
                     {.level = 3, .name = "AMOUNT", .type = kSComp3, .bytes = 3},
                     {.level = 2, .name = sj("漢字"), .var = "KANJI", .type = kJ, .bytes = 2},
                     {.level = 2, .name = "CNT", .type = kUBinary, .bytes = 4}});
}

inline constexpr int kOrderLength = 19;

/// One order record: name (6 bytes, blank padded), quantity, the two amounts, two double-byte
/// characters and the count, under EBCDIC signs.
inline std::string OrderRecord(const std::string& name, int qty, int amount1, int amount2, const std::string& kanji4,
                               unsigned count) {
    std::string r = name.substr(0, 6);
    r.resize(6, ' ');
    const int q = qty < 0 ? -qty : qty;
    r += static_cast<char>(0xF0 | (q / 100 % 10));
    r += static_cast<char>(0xF0 | (q / 10 % 10));
    r += static_cast<char>((qty < 0 ? 0xD0 : 0xC0) | (q % 10));
    for (int a : {amount1, amount2}) {
        const int v = a < 0 ? -a : a;
        r += static_cast<char>(((v / 100 % 10) << 4) | (v / 10 % 10));
        r += static_cast<char>(((v % 10) << 4) | (a < 0 ? 0x0D : 0x0C));
    }
    std::string k = kanji4.substr(0, 4);
    k.resize(4, '\0');
    r += k;
    r += static_cast<char>((count >> 8) & 0xFF);
    r += static_cast<char>(count & 0xFF);
    return r;
}

}  // namespace rekkan::test
