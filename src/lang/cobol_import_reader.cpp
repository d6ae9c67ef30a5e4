// Pass 1 and pass 2 of the COBOL reader: source lines to entry lines, level ranking and
// record boundaries.
#include <algorithm>

#include "lang/cobol_import.h"
#include "lang/lang_words.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

CobolImportOptions CobolImportOptions::FromSettings(const Settings& s, bool editorMode) {
    CobolImportOptions o;
    o.sequenceWidth = std::clamp(s.Cmb_CobSeq, 0, 10);
    o.validColumns = std::clamp(s.Cmb_CobValid, 0, 512);
    o.commentValidColumns = std::clamp(s.Cmb_CobCmtValid, 0, 512);
    o.inlineMarker = Trim(s.Edt_CobCmtStr);
    o.ignoredChars = s.Edt_CobCmtTrim;
    o.sameStructure = s.Chk_RedInclude;
    o.comp12WithoutPic = s.Cmb_Comp12Pic == 1;
    o.editorMode = editorMode;
    return o;
}

void LevelRanker::Reset() {
    previous_ = 0;
    lowest_ = 9999;
    rank_ = 0;
    std::fill(std::begin(slots_), std::end(slots_), 0);
}

int LevelRanker::Rank(int level) {
    if (level > previous_) {
        ++rank_;
    } else if (level < previous_) {
        --rank_;
        if (level < 100 && slots_[level] > 0) rank_ = slots_[level];
    }
    if (level <= lowest_) {
        lowest_ = level;
        rank_ = 1;
    } else if (rank_ == 1) {
        rank_ = 2;
    }
    if (rank_ < 1) rank_ = 1;
    previous_ = level;
    if (level >= 0 && level < 100) slots_[level] = rank_;
    return rank_;
}

namespace {

constexpr std::size_t kChunkBytes = 10000;
constexpr int kMostLevelDigits = 6;

/// The source cut into lines as the reader sees them.
std::vector<std::string> SourceLines(std::string_view bytes) {
    const std::size_t eof = bytes.find('\x1a');
    if (eof != std::string_view::npos) bytes = bytes.substr(0, eof);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        do {
            std::string_view piece = line.substr(0, std::min(kChunkBytes, line.size()));
            line.remove_prefix(piece.size());
            const std::size_t nul = piece.find('\0');
            if (nul != std::string_view::npos) piece = piece.substr(0, nul);
            lines.emplace_back(piece);
        } while (!line.empty());
        start = end + 1;
    }
    return lines;
}

std::string TabsToBlanks(std::string s) {
    std::replace(s.begin(), s.end(), '\t', ' ');
    return s;
}

/// Leading digits of `text` as a number (at most a few digits are read).
int LeadingNumber(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size() && i < kMostLevelDigits && text[i] >= '0' && text[i] <= '9'; ++i)
        n = n * 10 + (text[i] - '0');
    return n;
}

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

/// Byte position just after the period that ends an entry: outside literals and followed by a
/// blank or the end of the line. npos when the line holds none.
std::size_t EntryTerminator(std::string_view line) {
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '.' && (i + 1 == line.size() || line[i + 1] == ' ')) {
            return i + 1;
        } else if (CharLength(line, i) == 2) {
            ++i;
        }
    }
    return std::string_view::npos;
}

/// Shared state of both passes.
class EntryReader {
public:
    EntryReader(const CobolImportOptions& options, bool firstPass) : options_(options), firstPass_(firstPass) {}

    void Pass1(const std::vector<std::string>& lines) {
        for (const std::string& raw : lines) {
            if (!Pass1Line(raw)) break;
        }
        Finish();
    }

    void Pass2(const std::vector<std::string>& lines) {
        for (const std::string& raw : lines) {
            ++physical_;
            std::string line = TabsToBlanks(Trim(raw));
            const std::size_t slashes = line.find("//");
            std::string entry = slashes == std::string::npos ? line : line.substr(0, slashes);
            pendingComment_ = slashes == std::string::npos ? std::string() : Trim(line.substr(slashes + 2));
            entry = Trim(entry);
            if (ContainsProcedureDivision(entry)) break;
            EntryLine(entry);
        }
        Finish();
    }

    CobolEntries Take() { return std::move(out_); }

private:
    static bool ContainsProcedureDivision(const std::string& line) {
        return FindNoCase(line, "procedure") != std::string::npos && FindNoCase(line, "division") != std::string::npos;
    }

    /// One line of the user's file; false when reading stops.
    bool Pass1Line(std::string line) {
        if (!options_.editorMode) line = CutColumns(line);
        if (options_.editorMode) line = EditorModeLine(line);
        ++physical_;
        line = TabsToBlanks(Trim(line));
        // A comment line never ends the data description, whatever it says.
        if (!(!line.empty() && line[0] == '*') && ContainsProcedureDivision(line)) return false;

        if (skippingCondition_) {
            // Inside a level-77/88 entry that runs over several lines: up to its period.
            if (!line.empty() && line[0] == '*') return true;
            const std::size_t end = EntryTerminator(line);
            if (end == std::string::npos) return true;
            skippingCondition_ = false;
            line = Trim(line.substr(end));
            if (line.empty()) return true;
        }

        if (!line.empty() && line[0] == '*') {
            CommentLine(line.substr(1));
            return true;
        }
        if (HasInlineMarker(line)) {
            const std::size_t at = FindText(line, options_.inlineMarker);
            pendingComment_ = Trim(line.substr(at + options_.inlineMarker.size()));
            line = Trim(line.substr(0, at));
        }
        if (!line.empty() && line[0] >= '0' && line[0] <= '9') {
            const int level = LeadingNumber(line);
            // 66 (RENAMES) occupies nothing; 77 and 88 are no part of a record.
            if (level == 66 || level == 77 || level == 88) {
                if (EntryTerminator(line) == std::string::npos) skippingCondition_ = true;
                return true;
            }
        }
        EntryLine(line);
        return true;
    }

    bool HasInlineMarker(const std::string& line) const {
        return options_.inlineMarker.size() >= 2 && FindText(line, options_.inlineMarker) != std::string::npos;
    }

    std::string CutColumns(std::string line) const {
        const std::size_t seq = static_cast<std::size_t>(options_.sequenceWidth);
        if (!HasInlineMarker(line)) {
            const bool comment = line.size() > seq && line[seq] == '*';
            const int valid = comment ? options_.commentValidColumns : options_.validColumns;
            if (valid > 0 && line.size() > static_cast<std::size_t>(valid)) line.resize(CharSafeLength(line, valid));
        }
        return line.size() > seq ? line.substr(seq) : std::string();
    }

    static std::string EditorModeLine(const std::string& line) {
        // A full-width blank becomes two half-width ones.
        std::string out;
        ForEachChar(line, [&](std::size_t at, std::size_t length) {
            const std::string_view c = std::string_view(line).substr(at, length);
            out += c == kFullWidthBlank ? std::string_view("  ") : c;
        });
        const std::string t = Trim(out);
        if (t.rfind("//", 0) == 0) return "*" + t.substr(2);
        return out;
    }

    void CommentLine(const std::string& text) {
        const std::string remarksMark = sj("備考→");
        const std::size_t mark = FindText(text, remarksMark);
        if (mark != std::string::npos) {
            pendingComment_ += Trim(text.substr(mark));
            return;
        }
        // Bytes inside "Prefix(...)" are kept whatever they are.
        std::size_t keepFrom = std::string::npos, keepTo = std::string::npos;
        const std::size_t prefix = FindNoCase(text, "prefix");
        if (prefix != std::string::npos) {
            keepFrom = text.find('(', prefix);
            if (keepFrom != std::string::npos) keepTo = text.find(')', keepFrom);
        }
        std::string left;
        bool inKeyMark = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (CharLength(text, i) == 2) {
                left.append(text, i, 2);  // double-byte characters are never dropped
                ++i;
                inKeyMark = false;
                continue;
            }
            // A key mark ("#1.2d-") keeps its bytes, so that a descending mark survives.
            if (text[i] == '#') inKeyMark = true;
            if (text[i] == ' ') inKeyMark = false;
            const bool kept = inKeyMark || (keepFrom != std::string::npos && i > keepFrom &&
                                            (keepTo == std::string::npos || i < keepTo));
            if (!kept && options_.ignoredChars.find(text[i]) != std::string::npos) continue;
            left += text[i];
        }
        // Editor-mode text holds the item names the system wrote itself: a name is taken
        // whole ("CUST-NO" keeps its hyphen); only a line of nothing but ignored characters
        // and blanks (a decoration line) leaves the comment unchanged.
        if (options_.editorMode && !Trim(left).empty()) left = text;
        if (!left.empty()) pendingComment_ = Trim(left);
    }

    /// Steps shared by both passes for a line that is not a comment line.
    /// True when `line`, starting with a digit, goes on with the open entry: a word such as
    /// "9(5)." or "12345." is no level number, and after PIC, OCCURS or within a VALUE
    /// clause digits are part of the clause.
    bool ContinuesOpenEntry(const std::string& line) const {
        if (!entryOpen_ || !firstPass_) return false;
        const std::string first = line.substr(0, line.find(' '));
        if (first.find_first_not_of("0123456789") != std::string::npos) return true;
        const std::string open = TrimRight(entry_);
        const std::size_t blank = open.rfind(' ');
        const std::string last = ToUpperAscii(blank == std::string::npos ? open : open.substr(blank + 1));
        static const char* const leadIns[] = {"PIC",   "PICTURE", "IS",   "OCCURS", "TO",
                                              "VALUE", "VALUES",  "THRU", "THROUGH"};
        for (const char* w : leadIns)
            if (last == w) return true;
        return HasWord(open, "VALUE") || HasWord(open, "VALUES");
    }

    void EntryLine(std::string line) {
        line = TrimLeft(line);
        if (!line.empty() && line[0] >= '0' && line[0] <= '9' && !ContinuesOpenEntry(line)) {
            const int level = LeadingNumber(line);
            if (!rankingStarted_) {
                ranker_.Reset();
                rankingStarted_ = true;
            }
            const int rank = ranker_.Rank(level);
            const std::string source = Trim(line);
            const std::size_t blank = line.find(' ');
            line = TwoDigits(rank) + (blank == std::string::npos ? std::string() : line.substr(blank));
            // An entry left without its period is closed here with the name it started with;
            // the comments read since then name the entry that starts on this line.
            if (entryOpen_) WriteEntry(&entryComment_);
            entryOpen_ = true;
            entry_.clear();
            entryRank_ = rank;
            entryComment_ = pendingComment_;
            entryLine_ = physical_;
            entrySource_ = source;
        }
        if (!entryOpen_) {
            if (firstPass_ && !Trim(line).empty())
                out_.dropped.push_back({physical_, Trim(line), sj("項目の記述ではないので行になりません。")});
            return;
        }
        const std::string t = Trim(line);
        entry_ += t + " ";
        if (!t.empty() && (t.back() == '.' || t.back() == ';')) WriteEntry();
    }

    /// Writes the open entry, named by `comment` when given (then the pending comment is kept
    /// for the next entry), else by the pending comment.
    void WriteEntry(const std::string* comment = nullptr) {
        std::string text = Trim(entry_);
        if (!text.empty() && text.back() == '.') text.back() = ';';
        const std::string dataName = SecondWord(text);
        const std::string& name = comment ? *comment : pendingComment_;
        const std::string itemName = name.empty() ? dataName : name;
        entryOpen_ = false;
        entry_.clear();
        if (text.empty()) return;
        out_.lines.push_back(text + " // " + itemName);
        if (!comment) pendingComment_.clear();
        const int number = static_cast<int>(out_.lines.size());
        if (entryRank_ != 1) return;
        if (number > 1 && haveStart_) AddRecord(number - 1, physical_ - 1);
        haveStart_ = true;
        startEntry_ = number;
        startPhysical_ = physical_;
        startName_ = dataName;
    }

    void AddRecord(int lastEntry, int lastPhysical) {
        if (static_cast<int>(out_.records.size()) >= kMaxStructures) return;
        out_.records.push_back({startEntry_, lastEntry, startName_, {}, {}, {}});
        if (firstPass_) out_.sourceLines.push_back({startPhysical_, lastPhysical, startName_, {}, {}, {}});
    }

    void Finish() {
        // An entry still open at the end (no closing period) is not written, but reported.
        if (firstPass_ && entryOpen_ && !Trim(entry_).empty())
            out_.dropped.push_back({entryLine_, entrySource_, sj("終止符（.）のない記述なので行になりません。")});
        if (haveStart_) AddRecord(static_cast<int>(out_.lines.size()), physical_);
        haveStart_ = false;
    }

    const CobolImportOptions& options_;
    bool firstPass_;
    CobolEntries out_;
    LevelRanker ranker_;
    bool rankingStarted_ = false;
    int physical_ = 0;
    std::string pendingComment_;
    std::string entryComment_;  ///< the pending comment when the open entry started
    std::string entry_;
    bool entryOpen_ = false;
    int entryRank_ = 0;
    int entryLine_ = 0;        ///< source line where the open entry started
    std::string entrySource_;  ///< that line as written
    bool skippingCondition_ = false;
    bool haveStart_ = false;
    int startEntry_ = 0;
    int startPhysical_ = 0;
    std::string startName_;
};

}  // namespace

CobolEntries ReadCobolSource(std::string_view bytes, const CobolImportOptions& options) {
    EntryReader reader(options, true);
    reader.Pass1(SourceLines(bytes));
    return reader.Take();
}

CobolEntries ReadEntryLines(const std::vector<std::string>& lines) {
    const CobolImportOptions options;
    EntryReader reader(options, false);
    reader.Pass2(lines);
    return reader.Take();
}

}  // namespace rekkan
