#include "records/record_search.h"

#include "records/block_reader.h"
#include "records/range_csv.h"
#include "records/record_fields.h"
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

    RecordTexts texts;
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
        DecodeRecord(record, fields, request.codec, texts);
        if (!MatchRecord(texts.texts, words, request.orMode, false).hit) continue;
        ++outcome.hits;
        SearchHit hit;
        hit.index = index;
        if (request.wantTexts) {
            hit.flags = MatchRecord(texts.texts, words, request.orMode, true).itemFlags;
            hit.texts = texts.texts;
        }
        if (onHit) onHit(std::move(hit));
    }
    return outcome;
}

}  // namespace rekkan
