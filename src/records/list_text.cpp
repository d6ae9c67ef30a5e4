#include "records/list_text.h"

#include <algorithm>

#include "records/print_headings.h"
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

}  // namespace

std::string RecordListText(const RecordView& view) {
    const std::array<std::string, 4> titles = PrintTitleLines(view.info);
    std::string out;
    WriteLine(out, titles[0]);
    WriteLine(out, titles[1]);
    WriteLine(out, titles[2] + "    " + titles[3]);
    WriteLine(out, "");
    // Positions and lengths are never cut: their columns widen to the longest number.
    std::size_t positionWidth = 12;
    std::size_t lengthWidth = 10;
    std::size_t typeWidth = 0;
    std::size_t nameWidth = 0;
    for (const RecordGridRow& row : view.rows) {
        positionWidth = std::max(positionWidth, Trim(row.cells[1]).size());
        lengthWidth = std::max(lengthWidth, Trim(row.cells[2]).size());
        typeWidth = std::max(typeWidth, row.cells[3].size());
        nameWidth = std::max(nameWidth, row.cells[4].size());
    }
    const std::string mark = sj(" ＞");
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const auto& c = view.rows[i].cells;
        std::string line = std::to_string(i + 1) + ".  [" + AlignRight(Trim(c[1]), positionWidth) + " : " +
                           AlignRight(Trim(c[2]), lengthWidth) + "]  " + AlignLeft(Trim(c[3]), typeWidth) + "  " +
                           AlignLeft(c[4], nameWidth) + "  " + AlignLeft(c[5], 3) + "  " + AlignLeft(c[6], 3) + mark +
                           c[7];
        WriteLine(out, line);
    }
    return out;
}

}  // namespace rekkan
