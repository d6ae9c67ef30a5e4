#include "records/print_headings.h"

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

const std::array<std::string, 8>& GridHeadings() {
    static const std::array<std::string, 8> headings = {"SEQ",        sj("位置"), sj("桁数"), sj("型"),
                                                        sj("項目名"), sj("誤"),   "HEX",      sj("内容")};
    return headings;
}

std::array<std::string, 4> PrintTitleLines(const RecordInfo& info) {
    return {
        "FileName = " + Trim(info.comment), "Path     = " + Trim(info.editFilePath),
        sj("読込基底位置 = ") + info.basePosition + "   File.Size = " + info.fileSize + "   File.Pos = " + info.filePos,
        "Rec.Len = " + info.recordLength + "   Records = " + info.recordCount + "   Rec.No = " + info.recNo};
}

std::array<std::string, 8> PrintHeadings() {
    std::array<std::string, 8> headings = GridHeadings();
    for (auto& h : headings) h.insert(0, " ");
    return headings;
}

}  // namespace rekkan
