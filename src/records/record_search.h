#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "codec/codec_options.h"
#include "records/field_entry.h"
#include "records/search_text.h"
#include "util/messages.h"

namespace rekkan {

/// What to search: the data file and layout, the words and the condition.
struct SearchRequest {
    std::string path;               ///< data file, CP932
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
    const std::vector<TRdbObj>* fields = nullptr;
    CodecOptions codec;
    std::vector<std::string> words;  ///< as split from the words box
    bool orMode = false;             ///< "OR"; otherwise "AND"
    bool wantTexts = true;           ///< hand every hit its display texts and flags
};

/// Where the loop stands, reported every 500 records.
struct SearchProgress {
    std::int64_t index = 0;  ///< 0-based index of the record about to be read
    std::int64_t recordCount = 0;
    std::int64_t hits = 0;
};

/// One hit record.
struct SearchHit {
    std::int64_t index = 0;          ///< 0-based record index (Rec.No - 1)
    std::vector<std::string> texts;  ///< display text per field entry (with wantTexts)
    std::vector<bool> flags;         ///< per field entry: a word occurs in it (with wantTexts)
};

/// Outcome of a search.
struct SearchOutcome {
    bool opened = false;      ///< the data file could be opened
    bool stopped = false;     ///< the progress callback asked to stop before the end
    bool readFailed = false;  ///< a read error ended the pass early
    std::int64_t recordCount = 0;
    std::int64_t hits = 0;
};

/// The progress text of the guide line: " [ " + (index + 1) + " / " + count + " ]" (grouped).
[[nodiscard]] std::string SearchProgressText(const SearchProgress& progress);

/// Searches every record of the file in order. Every 500 records (from record 0 on) it calls
/// `progress`, which returns false to stop (the window processes its messages there and
/// returns its searching flag); no words end the search at once. Each hit goes to `onHit`.
/// A file that cannot be opened gives the open failure message on `messages` (when given)
/// and a search with no records.
SearchOutcome SearchFile(const SearchRequest& request, const std::function<bool(const SearchProgress&)>& progress,
                         const std::function<void(SearchHit&&)>& onHit, MessageSink* messages);

/// A cell of the search results: the hit (data row) and the field entry (item column).
struct HitCell {
    std::int64_t hit = 0;
    std::int64_t item = 0;
    friend bool operator==(const HitCell&, const HitCell&) = default;
};

/// The next flagged cell after (`hit`, `item`): the rest of that hit's items, then each later
/// hit from its first item. `item` -1 starts before the first item. Nothing when none follows.
[[nodiscard]] std::optional<HitCell> NextHitCell(const std::vector<SearchHit>& hits, std::int64_t hit,
                                                 std::int64_t item);
/// The previous flagged cell before (`hit`, `item`): that hit's earlier items, then each
/// earlier hit from its last item. Nothing when none comes before.
[[nodiscard]] std::optional<HitCell> PriorHitCell(const std::vector<SearchHit>& hits, std::int64_t hit,
                                                  std::int64_t item);
/// Message when Next finds nothing.
[[nodiscard]] std::string NoNextHitMessage();
/// Message when Prior finds nothing.
[[nodiscard]] std::string NoPriorHitMessage();

}  // namespace rekkan
