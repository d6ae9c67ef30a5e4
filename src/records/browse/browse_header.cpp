#include "records/browse/browse_header.h"

#include "records/record_view.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

std::array<std::string, 4> BrowseItemHeader(int seq, const TRdbObj& entry) {
    return {" " + std::to_string(seq), " " + std::to_string(entry.position) + ":" + std::to_string(entry.length),
            " " + Trim(GridTypeText(entry.type)), " " + Trim(entry.DisplayName())};
}

std::array<std::string, 3> BrowseFixedHeader() { return {"SEQ", sj("桁数"), sj("型")}; }

std::vector<std::string> FixedItemChoices(const std::vector<TRdbObj>& fields) {
    std::vector<std::string> choices{sj("無し")};
    choices.reserve(fields.size() + 1);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        choices.push_back(std::to_string(i + 1) + ". " + Trim(fields[i].DisplayName()));
    }
    return choices;
}

std::string BrowseOpenFailedMessage() {
    return sj("編集中のファイルのオープンに失敗しました。") + "\r\n\r\n" +
           sj("編集中のファイルにアクセスできませんでした。");
}

}  // namespace rekkan
