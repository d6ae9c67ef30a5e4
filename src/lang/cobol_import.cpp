// COBOL copybook import: scanning, listing and extraction of one record.
#include "lang/cobol_import.h"

#include <algorithm>

#include "lang/lang_words.h"
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
    for (std::size_t i = 0; i < text.size() && i < 6 && text[i] >= '0' && text[i] <= '9'; ++i) n = n * 10 + (text[i] - '0');
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

int ExtractCobolRecord(const CobolScan& scan, int index, const CobolImportOptions& options, ImportSession& session,
                       LayoutDocument& doc) {
    session.prefix.clear();
    doc.items.clear();
    if (index < 0 || index >= static_cast<int>(scan.structures.size())) return 0;
    const StructureEntry& record = scan.structures[static_cast<std::size_t>(index)];
    const int total = static_cast<int>(scan.entries.lines.size());
    const std::string remarksMark = sj("備考→");
    int rows = 0;
    // Rows stop at the editable line count: a layout holding more could not be read back.
    for (int n = record.firstLine; n <= record.lastLine && n <= total && rows < doc.editableLineCount; ++n) {
        std::string entry, comment;
        SplitEntryLine(scan.entries.lines[static_cast<std::size_t>(n - 1)], entry, comment);
        TakePrefixMark(comment, session.prefix);

        ImportedRow row;
        const std::size_t mark = comment.find(remarksMark);
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
        if (HasWord(entry, "occurs")) row.repeat = std::max(1, LeadingNumber(WordAfter(entry, "occurs")));
        if (options.sameStructure && rows >= 2 && HasWord(entry, "redefines")) row.redefined = WordAfter(entry, "redefines");
        const PicClass pic = ClassifyPicture(entry, options.comp12WithoutPic, options.editorMode);
        row.type = pic.type;
        row.digits = pic.digits;
        row.decimals = pic.decimals;
        StoreImportedRow(doc, rows, std::move(row), session);
        TRspec& stored = doc.items[static_cast<std::size_t>(rows)];
        stored.LVL = std::clamp(stored.LVL, 1, 15);
        ++rows;
    }
    FinishExtraction(doc, session);
    return rows;
}

namespace {

class CobolParser : public StructureParser {
public:
    bool Scan(const std::string& cp932Path, const Settings& settings, ImportSession& session, std::string& error) override {
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
