// Search through the decode plan against the display texts of every field.

#include <gtest/gtest.h>

#include "codec/field_codec.h"
#include "random_records.h"
#include "records/record_search.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

/// Words a user might type: pieces of texts the records show, in either case, numbers,
/// hexadecimal digits, Shift-JIS characters and words found nowhere.
std::vector<std::string> RandomWords(std::mt19937& rng, const std::vector<std::string>& shown) {
    static const char* const kWords[] = {"-", "0", "12", "-1", "F0", "c", "A\"", ",", "ZZZ", "e+", "INF", "00"};
    std::vector<std::string> words;
    const int count = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < count; ++i) {
        std::string w;
        const std::string& t = shown[rng() % shown.size()];
        if (rng() % 2 == 0 && !t.empty()) {
            const std::size_t at = rng() % t.size();
            w = t.substr(at, 1 + rng() % 3);
        } else if (rng() % 4 == 0) {
            w = sj(rng() % 2 ? "漢" : "ｱ");
        } else {
            w = kWords[rng() % (sizeof kWords / sizeof kWords[0])];
        }
        for (char& c : w)
            if (rng() % 2 && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (!w.empty()) words.push_back(w);
    }
    if (words.empty()) words.push_back("0");
    return words;
}

// Random layouts of every type, random records and words, AND and OR, every sign form and
// byte order: the hits, their texts and flags are those of matching the decoded texts.
TEST(PlanSearch, HitsEqualMatchingTheDecodedTexts) {
    test::TempDir dir;
    std::mt19937 rng(17);
    for (unsigned round = 0; round < 200; ++round) {
        const int length = 1 + static_cast<int>(rng() % 40);
        const std::vector<TRdbObj> fields = test::RandomFields(rng, 1 + static_cast<int>(rng() % 12), length);
        SearchRequest q;
        q.recordLength = length;
        q.fields = &fields;
        q.codec = test::OptionsOf(round);
        q.orMode = (round & 8) != 0;
        q.wantTexts = (round & 16) != 0;
        const int records = 1 + static_cast<int>(rng() % 30);
        std::string data;
        for (int r = 0; r < records; ++r) {
            std::string record = test::RandomRecord(rng, length);
            if (rng() % 3 == 0) record.replace(0, std::min<std::size_t>(4, record.size()), "Ab\x81\x8A");
            data += record.substr(0, static_cast<std::size_t>(length));
        }
        if (round % 5 == 0 && length > 1) data.pop_back();  // partial last record
        q.path = dir.File("d" + std::to_string(round) + ".dat");
        test::WriteBytes(ToFsPath(q.path), data);

        std::vector<std::vector<std::string>> texts;
        std::vector<std::string> shown;
        for (int r = 0; r < records; ++r) {
            std::string record = data.substr(static_cast<std::size_t>(r * length), static_cast<std::size_t>(length));
            record.resize(static_cast<std::size_t>(length), '\0');
            texts.emplace_back(fields.size());
            for (std::size_t f = 0; f < fields.size(); ++f)
                if (!fields[f].IsGroup()) static_cast<void>(DecodeFieldTo(texts.back()[f], record, fields[f], q.codec));
            shown.insert(shown.end(), texts.back().begin(), texts.back().end());
        }
        q.words = RandomWords(rng, shown);
        const SearchWords words(q.words);
        std::vector<SearchHit> expected;
        for (int r = 0; r < records; ++r) {
            const RecordMatch m = MatchRecord(texts[static_cast<std::size_t>(r)], words, q.orMode);
            ASSERT_EQ(m.hit, RecordHits(texts[static_cast<std::size_t>(r)], words, q.orMode));
            if (m.hit)
                expected.push_back(
                    SearchHit{r, q.wantTexts ? texts[static_cast<std::size_t>(r)] : std::vector<std::string>{},
                              q.wantTexts ? m.itemFlags : std::vector<bool>{}});
        }
        std::vector<SearchHit> hits;
        const SearchOutcome outcome = SearchFile(
            q, {}, [&](SearchHit&& h) { hits.push_back(std::move(h)); }, nullptr);
        ASSERT_EQ(outcome.hits, static_cast<std::int64_t>(expected.size())) << "round " << round;
        for (std::size_t h = 0; h < hits.size(); ++h) {
            EXPECT_EQ(hits[h].index, expected[h].index) << "round " << round;
            EXPECT_EQ(hits[h].texts, expected[h].texts) << "round " << round;
            EXPECT_EQ(hits[h].flags, expected[h].flags) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace rekkan
