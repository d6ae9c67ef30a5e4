#include "lang/lang_words.h"

#include <algorithm>

#include "lang/structure_parser.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

std::size_t FindWholeWord(std::string_view text, std::string_view word, std::string_view delimiters) {
    if (word.empty()) return std::string_view::npos;
    const std::string key = ToUpperAscii(word);
    const auto isDelimiter = [&](char c) { return delimiters.find(c) != std::string_view::npos; };
    std::size_t found = std::string_view::npos;
    bool afterDelimiter = true;  // the start of the text counts as one
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        if (afterDelimiter && MatchesUpperAt(text, at, key)) {
            const std::size_t end = at + key.size();
            if (end >= text.size() || isDelimiter(text[end])) {
                found = at;
                return false;
            }
        }
        // The second byte of a double-byte character is no delimiter, whatever its value.
        afterDelimiter = length == 1 && isDelimiter(text[at]);
        return true;
    });
    return found;
}

std::size_t FindWord(std::string_view text, std::string_view word) {
    return FindWholeWord(text, TrimRight(word), " ;[]{}");
}

namespace {

std::string WordFrom(std::string_view text, std::size_t pos) {
    // Skip to the first blank, then over the blank run, then take the word.
    while (pos < text.size() && text[pos] != ' ') ++pos;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    std::size_t end = pos;
    while (end < text.size() && text[end] != ' ' && text[end] != ';') ++end;
    return std::string(text.substr(pos, end - pos));
}

}  // namespace

std::string WordAfter(std::string_view text, std::string_view word) {
    const std::size_t pos = FindWord(text, word);
    if (pos == std::string_view::npos) return {};
    return WordFrom(text, pos + TrimRight(word).size());
}

std::string SecondWord(std::string_view text) {
    const std::string t = TrimLeft(text);
    return WordFrom(t, 0);
}

std::string KeyEntryText(int key, int seq, bool duplicates, bool descending, int rowIndex) {
    std::string text =
        PadLeft('0', std::to_string(key), std::max<int>(3, static_cast<int>(std::to_string(key).size())));
    text += ".";
    text += PadLeft('0', std::to_string(seq), std::max<int>(3, static_cast<int>(std::to_string(seq).size())));
    text += duplicates ? sj("<可>") : sj("<不>");
    text += descending ? sj("(降順)") : sj("(昇順)");
    text += ":" + std::to_string(rowIndex);
    return text;
}

namespace {

/// True for a mark of the form "#k.s", k and s from 1, then optionally "d"/"D" and "+"/"-".
bool WellFormedKeyMark(std::string_view mark) {
    std::size_t i = 1;
    const auto number = [&] {
        const std::size_t from = i;
        long long n = 0;
        while (i < mark.size() && mark[i] >= '0' && mark[i] <= '9' && n < 1000000) n = n * 10 + (mark[i++] - '0');
        return i > from && n >= 1;
    };
    if (mark.empty() || mark[0] != '#' || !number()) return false;
    if (i >= mark.size() || mark[i++] != '.' || !number()) return false;
    if (i < mark.size() && (mark[i] == 'd' || mark[i] == 'D')) ++i;
    if (i < mark.size() && (mark[i] == '+' || mark[i] == '-')) ++i;
    return i == mark.size();
}

}  // namespace

void TakeKeyMarks(std::string& name, int rowIndex, std::vector<std::string>& keyEntries, bool wellFormedOnly) {
    constexpr int kMostMarks = 101;
    constexpr int kLargestNumber = 99999;
    int accepted = 0;
    std::size_t from = 0;
    while (accepted < kMostMarks) {
        const std::size_t hash = name.find('#', from);
        if (hash == std::string::npos) break;
        std::size_t end = hash + 1;
        while (end < name.size() && name[end] != '#' && name[end] != ' ') ++end;
        const std::string mark = name.substr(hash, end - hash);
        if (wellFormedOnly && !WellFormedKeyMark(mark)) {
            from = end;  // not a mark: it stays part of the name
            continue;
        }
        name.erase(hash, end - hash);

        int key = 0, seq = 0;
        bool afterDot = false, duplicates = false, descending = false, valid = true;
        for (char c : mark) {
            if (c >= '0' && c <= '9') {
                int& n = afterDot ? seq : key;
                n = n * 10 + (c - '0');
                if (n > kLargestNumber) valid = false;
            } else if (c == '.') {
                afterDot = true;
            } else if (c == 'D' || c == 'd') {
                duplicates = true;
            } else if (c == '+') {
                descending = false;
            } else if (c == '-') {
                descending = true;
            } else if (c != '#' && c != ' ') {
                valid = false;
            }
            if (!valid) break;
        }
        ++accepted;
        if (valid && key >= 1 && seq >= 1) {
            const std::string text = KeyEntryText(key, seq, duplicates, descending, rowIndex);
            keyEntries.insert(std::upper_bound(keyEntries.begin(), keyEntries.end(), text), text);
        }
    }
    name = Trim(name);
}

void TakePrefixMark(std::string& comment, std::string& prefix) {
    const std::size_t at = FindNoCase(comment, "prefix");
    if (at == std::string::npos) return;
    std::size_t open = at + 6;
    while (open < comment.size() && comment[open] == ' ') ++open;
    if (open >= comment.size() || comment[open] != '(') return;
    const std::size_t close = comment.find(')', open + 1);
    if (close == std::string::npos) return;
    if (Trim(prefix).empty()) prefix = Trim(comment.substr(open + 1, close - open - 1));
    comment = Trim(comment.substr(0, at) + comment.substr(close + 1));
}

void StoreImportedRow(LayoutDocument& doc, int index, ImportedRow in, ImportSession& session) {
    TakeKeyMarks(in.itemName, index, session.keyEntries, session.editorMode);
    TRspec row;
    row.LVL = std::max(1, in.level);
    row.RPT = std::max(1, in.repeat);
    row.KOM = in.itemName;
    row.VNM = in.dataName;
    row.RED = in.redefined;
    row.TYP = in.type;
    row.TYP2 = in.type;
    row.BYT = in.digits;
    row.SYO = in.decimals;
    row.BKO = in.remarks;
    if (!Trim(row.RED).empty()) {
        const std::string target = Trim(row.RED);
        for (int k = std::min<int>(index, doc.Count()) - 1; k >= 0; --k) {
            const TRspec& r = doc.items[static_cast<std::size_t>(k)];
            if (r.LVL < row.LVL) break;
            if (r.LVL != row.LVL) continue;
            if (Trim(r.KOM) == target || Trim(r.VNM) == target) {
                if (!r.KOM.empty()) row.RED = r.KOM;
                break;
            }
        }
    }
    if (index < doc.Count())
        doc.items[static_cast<std::size_t>(index)] = std::move(row);
    else
        doc.items.push_back(std::move(row));
}

void FinishExtraction(LayoutDocument& doc, const ImportSession& session) {
    if (doc.items.empty()) return;
    const TRspec& first = doc.items.front();
    doc.RdfCmt = first.KOM.empty() ? first.VNM : first.KOM;
    doc.PreFix = Trim(session.prefix);
}

}  // namespace rekkan
