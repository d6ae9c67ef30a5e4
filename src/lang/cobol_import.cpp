// COBOL copybook import: scanning, listing and extraction of one record.
#include "lang/cobol_import.h"

#include <algorithm>

#include "lang/lang_words.h"
#include "model/geometry.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Entry text and comment of an entry line.
void SplitEntryLine(const std::string& line, std::string& entry, std::string& comment) {
    const std::size_t slashes = line.find("//");
    entry = Trim(slashes == std::string::npos ? line : line.substr(0, slashes));
    comment = slashes == std::string::npos ? std::string() : Trim(line.substr(slashes + 2));
}

int LeadingNumber(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size() && i < 6 && text[i] >= '0' && text[i] <= '9'; ++i)
        n = n * 10 + (text[i] - '0');
    return n;
}

std::string ListText(const StructureEntry& record, const std::vector<StructureEntry>& sourceLines) {
    int first = 0, last = 0;
    for (const StructureEntry& s : sourceLines) {
        if (s.name == record.name) {
            first = s.firstLine;
            last = s.lastLine;
            break;
        }
    }
    return PadRight(' ', " " + std::to_string(first) + " " + std::to_string(last), 10) + " " +
           PadRight(' ', record.name, 22) + " " + record.comment;
}

}  // namespace

CobolScan ScanCobolText(std::string_view bytes, const CobolImportOptions& options) {
    const CobolEntries first = ReadCobolSource(bytes, options);
    CobolScan scan;
    scan.entries = ReadEntryLines(ExpandRedefines(first, options.sameStructure));
    scan.sourceLines = first.sourceLines;
    scan.dropped = first.dropped;
    if (!options.sameStructure) {
        CobolImportOptions inPlace = options;
        inPlace.sameStructure = true;
        scan.inPlace = std::make_shared<const CobolScan>(ScanCobolText(bytes, inPlace));
    }
    const int total = static_cast<int>(scan.entries.lines.size());
    for (StructureEntry record : scan.entries.records) {
        if (record.firstLine < 1 || record.firstLine > total) break;
        std::string entry, comment;
        SplitEntryLine(scan.entries.lines[static_cast<std::size_t>(record.firstLine - 1)], entry, comment);
        // A prefix mark stays in the entry line for the extraction; the list shows the rest.
        std::string ignored;
        TakePrefixMark(comment, ignored);
        record.name = SecondWord(entry);
        record.comment = comment;
        record.listText = ListText(record, first.sourceLines);
        scan.structures.push_back(std::move(record));
    }
    return scan;
}

namespace {

/// The repeat count of an OCCURS clause: the maximum of "OCCURS 1 TO 5 TIMES".
int OccursCount(std::string_view entry, bool& variable) {
    const std::string_view rest = entry.substr(FindWord(entry, "occurs") + 6);
    std::string count = WordAfter(entry, "occurs");
    if (EqualsNoCase(WordAfter(rest, count), "to")) {
        count = WordAfter(rest.substr(FindWord(rest, "to")), "to");
        variable = true;
    }
    if (HasWord(entry, "depending")) variable = true;
    return std::max(1, LeadingNumber(count));
}

/// A run of siblings redefining one item, open until a later entry ends it.
struct RedefinitionRun {
    int level = 0;
    std::vector<int> members;  ///< row indices of the redefining items
};

/// Bytes row `i` occupies with all its occurrences.
long long RowBytes(const Geometry& g, const LayoutDocument& doc, int i) {
    return static_cast<long long>(g.Row(i).ElemLenAll) * std::max(1, doc.items[static_cast<std::size_t>(i)].RPT);
}

/// Entry text with the usage of its enclosing group when it names none of its own.
std::string WithUsage(const std::string& entry, const std::string& usage) {
    if (usage.empty() || !UsageOf(entry).empty()) return entry;
    std::string t = entry;
    if (!t.empty() && t.back() == ';') t.pop_back();
    return t + " " + usage + ";";
}

/// A FILLER row for the bytes a longer redefinition adds, to go in front of the kept row
/// `before` (rows of the record without its redefinitions, counted from 0).
struct ExcessFiller {
    int before = 0;
    int level = 0;
    int bytes = 0;
};

/// The excess FILLER rows a gathered record takes over from its form with the redefinitions in
/// place, and how many of the rows are kept once the redefinitions leave it.
struct Insertions {
    std::vector<ExcessFiller> fillers;
    int kept = 0;
    int inserted = 0;
};

int ExtractRows(const CobolScan& scan, int index, const CobolImportOptions& options, ImportSession& session,
                LayoutDocument& doc, Insertions* insert, std::vector<int>* excessRows);

/// The excess FILLER rows of record `name` read with its redefinitions in place.
Insertions ExcessInPlace(const CobolScan& inPlace, const std::string& name, const CobolImportOptions& options,
                         const LayoutDocument& like) {
    Insertions found;
    for (std::size_t i = 0; i < inPlace.structures.size(); ++i) {
        if (inPlace.structures[i].name != name) continue;
        CobolImportOptions o = options;
        o.sameStructure = true;
        ImportSession session;
        LayoutDocument doc = like;
        std::vector<int> excessRows;
        const int rows = ExtractRows(inPlace, static_cast<int>(i), o, session, doc, nullptr, &excessRows);
        int redefiningLevel = 0;  // inside a redefining item's subtree while its level is above
        for (int r = 0; r < rows; ++r) {
            const TRspec& row = doc.items[static_cast<std::size_t>(r)];
            if (redefiningLevel > 0 && row.LVL > redefiningLevel) continue;
            redefiningLevel = 0;
            if (std::find(excessRows.begin(), excessRows.end(), r) != excessRows.end()) {
                found.fillers.push_back({found.kept, row.LVL, row.BYT});
            } else if (!Trim(row.RED).empty()) {
                redefiningLevel = row.LVL;
            } else {
                ++found.kept;
            }
        }
        break;
    }
    return found;
}

}  // namespace

int ExtractCobolRecord(const CobolScan& scan, int index, const CobolImportOptions& options, ImportSession& session,
                       LayoutDocument& doc) {
    // Redefinitions gathered into records of their own leave the record the bytes a longer one
    // adds: the same FILLER rows as with them in place, where the rows agree.
    if (!options.sameStructure && !options.editorMode && scan.inPlace && index >= 0 &&
        index < static_cast<int>(scan.structures.size())) {
        Insertions insert =
            ExcessInPlace(*scan.inPlace, scan.structures[static_cast<std::size_t>(index)].name, options, doc);
        if (!insert.fillers.empty()) {
            LayoutDocument probe = doc;
            ImportSession probeSession = session;
            const int rows = ExtractRows(scan, index, options, probeSession, probe, &insert, nullptr);
            if (rows - insert.inserted == insert.kept) {
                doc = std::move(probe);
                session = std::move(probeSession);
                return rows;
            }
        }
    }
    return ExtractRows(scan, index, options, session, doc, nullptr, nullptr);
}

namespace {

int ExtractRows(const CobolScan& scan, int index, const CobolImportOptions& options, ImportSession& session,
                LayoutDocument& doc, Insertions* insert, std::vector<int>* excessRows) {
    session.prefix.clear();
    doc.items.clear();
    if (index < 0 || index >= static_cast<int>(scan.structures.size())) return 0;
    const StructureEntry& record = scan.structures[static_cast<std::size_t>(index)];
    const int total = static_cast<int>(scan.entries.lines.size());
    const std::string remarksMark = sj("備考→");
    int rows = 0;
    auto levelOf = [&](int n) {
        if (n > record.lastLine || n > total) return 0;
        std::string entry, comment;
        SplitEntryLine(scan.entries.lines[static_cast<std::size_t>(n - 1)], entry, comment);
        return LeadingNumber(entry);
    };
    auto storeFiller = [&](int level, int bytes) {
        if (rows >= doc.editableLineCount) return;
        ImportedRow filler;
        filler.level = level;
        filler.dataName = filler.itemName = "FILLER";
        filler.type = kX;
        filler.digits = bytes;
        StoreImportedRow(doc, rows++, std::move(filler), session);
    };
    // A redefinition longer than the item it redefines makes the record longer by the
    // difference, as the compilers that accept it lay it out: a FILLER row after the run.
    std::vector<RedefinitionRun> runs;
    auto closeRun = [&]() {
        const RedefinitionRun run = runs.back();
        runs.pop_back();
        const Geometry g = MeasureLayout(doc);
        if (!g.Ok()) return;
        long long excess = 0;
        for (int m : run.members) {
            const int target = RedefinedRow(doc, m);
            if (target >= 0) excess = std::max(excess, RowBytes(g, doc, m) - RowBytes(g, doc, target));
        }
        if (excess <= 0) return;
        if (excessRows != nullptr) excessRows->push_back(rows);
        storeFiller(run.level, static_cast<int>(std::min<long long>(excess, kMaxRecordLength)));
    };
    // The excess FILLER rows of a gathered record go in front of the kept row they precede.
    std::size_t next = 0;
    const auto insertFillers = [&] {
        while (insert != nullptr && next < insert->fillers.size() &&
               insert->fillers[next].before == rows - insert->inserted) {
            storeFiller(insert->fillers[next].level, insert->fillers[next].bytes);
            ++insert->inserted;
            ++next;
        }
    };
    std::vector<std::pair<int, std::string>> groupUsages;  // (level, usage) of enclosing groups
    bool variable = false;
    // Rows stop at the editable line count: a layout holding more could not be read back.
    for (int n = record.firstLine; n <= record.lastLine && n <= total && rows < doc.editableLineCount; ++n) {
        std::string entry, comment;
        SplitEntryLine(scan.entries.lines[static_cast<std::size_t>(n - 1)], entry, comment);
        TakePrefixMark(comment, session.prefix);

        ImportedRow row;
        const std::size_t mark = FindText(comment, remarksMark);
        if (mark != std::string::npos) {
            row.remarks = RemoveAll(comment.substr(mark), remarksMark);
            comment = Trim(comment.substr(0, mark));
        }
        if (HasWord(comment, "pic") || HasWord(comment, "picture")) comment.clear();

        row.dataName = SecondWord(entry);
        if (row.dataName.empty() || EqualsNoCase(row.dataName, "PIC") || EqualsNoCase(row.dataName, "PICTURE"))
            row.dataName = "FILLER";
        row.itemName = comment.empty() ? row.dataName : comment;
        row.level = LeadingNumber(entry);
        if (HasWord(entry, "occurs")) row.repeat = OccursCount(entry, variable);
        if (options.sameStructure && rows >= 2 && HasWord(entry, "redefines"))
            row.redefined = WordAfter(entry, "redefines");

        const int level = std::clamp(row.level, 1, 15);
        while (!runs.empty() && (runs.back().level > level || (runs.back().level == level && row.redefined.empty())))
            closeRun();
        insertFillers();
        if (rows >= doc.editableLineCount) break;
        while (!groupUsages.empty() && groupUsages.back().first >= row.level) groupUsages.pop_back();
        const std::string usedEntry = WithUsage(entry, groupUsages.empty() ? std::string() : groupUsages.back().second);
        const bool group = levelOf(n + 1) > row.level;
        const bool noPicture = !HasWord(entry, "pic") && !HasWord(entry, "picture");
        PicClass pic = ClassifyPicture(usedEntry, options.comp12WithoutPic && !group, options.editorMode);
        if (!group && noPicture && !options.editorMode && SizedUsage(usedEntry).type != kGroup)
            pic = SizedUsage(usedEntry);
        if (group && !UsageOf(usedEntry).empty()) groupUsages.emplace_back(row.level, UsageOf(usedEntry));
        row.type = pic.type;
        row.digits = pic.digits;
        row.decimals = pic.decimals;

        // SYNCHRONIZED puts a binary item on a multiple of its size from the record's start;
        // the bytes skipped are a FILLER row of their own.
        if (!options.editorMode && rows > 0 && IsSyncAligned(row.type) &&
            (HasWord(entry, "sync") || HasWord(entry, "synchronized"))) {
            TRspec probe;
            probe.LVL = level;
            probe.TYP = row.type;
            probe.BYT = row.digits;
            probe.SYO = row.decimals;
            doc.items.push_back(probe);
            const Geometry g = MeasureLayout(doc);
            const int size = OccurrenceSize(probe);
            const int pos = g.Row(rows).Pos;
            doc.items.pop_back();
            if (g.Ok() && pos > 0 && (size == 2 || size == 4 || size == 8) && (pos - 1) % size != 0)
                storeFiller(level, size - (pos - 1) % size);
            if (rows >= doc.editableLineCount) break;
        }

        if (!row.redefined.empty() && !options.editorMode) {
            if (runs.empty() || runs.back().level != level) runs.push_back({level, {}});
            runs.back().members.push_back(rows);
        }
        StoreImportedRow(doc, rows, std::move(row), session);
        TRspec& stored = doc.items[static_cast<std::size_t>(rows)];
        stored.LVL = level;
        ++rows;
    }
    while (!runs.empty() && rows < doc.editableLineCount) closeRun();
    insertFillers();
    // Code lines within the record's source lines that gave no entry.
    for (const StructureEntry& range : scan.sourceLines) {
        if (range.name != record.name) continue;
        for (const ImportNote& note : scan.dropped)
            if (note.line >= range.firstLine && note.line <= range.lastLine) session.notes.push_back(note);
        break;
    }
    if (variable && rows > 0)
        session.notes.push_back(
            {0, record.name, sj("可変長のレコードです（OCCURS DEPENDING ON）。レイアウトは最長の形です。")});
    FinishExtraction(doc, session);
    return rows;
}

class CobolParser : public StructureParser {
public:
    bool Scan(const std::string& cp932Path, const Settings& settings, ImportSession& session,
              std::string& error) override {
        scan_ = {};
        std::string bytes;
        if (!ReadWholeFile(std::string_view(cp932Path), bytes)) {
            error = sj("ファイルを読み込めません。") + "  PATH = " + cp932Path;
            return false;
        }
        CobolImportOptions options = CobolImportOptions::FromSettings(settings, session.editorMode);
        options.sameStructure = session.sameStructure;
        scan_ = ScanCobolText(bytes, options);
        return true;
    }

    const std::vector<StructureEntry>& Structures() const override { return scan_.structures; }

    int Extract(int index, const Settings& settings, ImportSession& session, LayoutDocument& doc) override {
        CobolImportOptions options = CobolImportOptions::FromSettings(settings, session.editorMode);
        options.sameStructure = session.sameStructure;
        return ExtractCobolRecord(scan_, index, options, session, doc);
    }

private:
    CobolScan scan_;
};

}  // namespace

std::unique_ptr<StructureParser> MakeCobolParser() { return std::make_unique<CobolParser>(); }

}  // namespace rekkan
