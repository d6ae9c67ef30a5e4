#include "records/record_search.h"

#include <algorithm>

#include "records/block_reader.h"
#include "records/range_csv.h"
#include "records/search_plan.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

std::string SearchProgressText(const SearchProgress& progress) {
    return " [ " + GroupThousands(progress.index + 1) + " / " + GroupThousands(progress.recordCount) + " ]";
}

SearchOutcome SearchFile(const SearchRequest& request, const std::function<bool(const SearchProgress&)>& progress,
                         const std::function<void(SearchHit&&)>& onHit, MessageSink* messages) {
    SearchOutcome outcome;
    static const std::vector<TRdbObj> kNoFields;
    const std::vector<TRdbObj>& fields = request.fields ? *request.fields : kNoFields;
    const SearchWords words(request.words);

    BlockReader reader;
    if (request.recordLength > 0 && reader.Open(request.path, request.basePosition, request.recordLength)) {
        outcome.opened = true;
        outcome.recordCount = reader.RecordCount();
    } else if (messages) {
        messages->Inform(DataFileOpenFailedMessage(), DefaultCaption());
    }

    const SearchPlan plan(fields, request.codec, request.recordLength, words, request.orMode);
    // One reusable text per entry for the hits: decoding allocates nothing once they have grown.
    std::vector<std::string> texts(fields.size());
    std::string_view record;
    std::int64_t index = 0;
    for (std::int64_t i = 0; i < outcome.recordCount; ++i) {
        if (i % 500 == 0 && progress && !progress(SearchProgress{i, outcome.recordCount, outcome.hits})) {
            outcome.stopped = true;
            break;
        }
        if (words.Empty()) break;
        if (!reader.Next(record, index)) {
            outcome.readFailed = reader.Failed();
            break;
        }
        // Invalid bytes are searched in the text they show.
        if (!plan.Hits(record)) continue;
        ++outcome.hits;
        SearchHit hit;
        hit.index = index;
        if (request.wantTexts) {
            for (std::size_t f = 0; f < fields.size(); ++f) {
                texts[f].clear();
                static_cast<void>(plan.Plan().AppendText(f, record, texts[f]));
            }
            hit.flags = MatchRecord(texts, words, request.orMode).itemFlags;
            hit.texts = texts;
        }
        if (onHit) onHit(std::move(hit));
    }
    return outcome;
}

std::optional<HitCell> NextHitCell(const std::vector<SearchHit>& hits, std::int64_t hit, std::int64_t item) {
    if (hit < 0) {
        hit = 0;
        item = -1;
    }
    for (auto h = static_cast<std::size_t>(hit); h < hits.size(); ++h) {
        const std::vector<bool>& flags = hits[h].flags;
        const auto first = static_cast<std::size_t>(h == static_cast<std::size_t>(hit) ? item + 1 : 0);
        for (std::size_t i = first; i < flags.size(); ++i)
            if (flags[i]) return HitCell{static_cast<std::int64_t>(h), static_cast<std::int64_t>(i)};
    }
    return std::nullopt;
}

std::optional<HitCell> PriorHitCell(const std::vector<SearchHit>& hits, std::int64_t hit, std::int64_t item) {
    if (hits.empty()) return std::nullopt;
    if (hit >= static_cast<std::int64_t>(hits.size())) {
        hit = static_cast<std::int64_t>(hits.size()) - 1;
        item = static_cast<std::int64_t>(hits.back().flags.size());
    }
    for (std::int64_t h = hit; h >= 0; --h) {
        const std::vector<bool>& flags = hits[static_cast<std::size_t>(h)].flags;
        std::int64_t i = h == hit ? std::min<std::int64_t>(item, static_cast<std::int64_t>(flags.size())) - 1
                                  : static_cast<std::int64_t>(flags.size()) - 1;
        for (; i >= 0; --i)
            if (flags[static_cast<std::size_t>(i)]) return HitCell{h, i};
    }
    return std::nullopt;
}

std::string NoNextHitMessage() { return sj("後方に検索文字列はありません。"); }
std::string NoPriorHitMessage() { return sj("前方に検索文字列はありません。"); }

}  // namespace rekkan
