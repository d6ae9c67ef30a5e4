// REDEFINES expansion: same structure, or gathered into "RED-" records of their own.
#include "lang/cobol_import.h"
#include "lang/lang_words.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// One entry line taken apart.
struct EntryParts {
    int level = 0;
    std::string rest;     ///< entry text after its first word (leading blank kept)
    std::string entry;    ///< entry text
    std::string comment;  ///< text after "//", trimmed
    bool redefines = false;
};

EntryParts Split(const std::string& line) {
    EntryParts p;
    const std::size_t slashes = line.find("//");
    p.entry = Trim(slashes == std::string::npos ? line : line.substr(0, slashes));
    p.comment = slashes == std::string::npos ? std::string() : Trim(line.substr(slashes + 2));
    for (std::size_t i = 0; i < p.entry.size() && i < 6 && p.entry[i] >= '0' && p.entry[i] <= '9'; ++i)
        p.level = p.level * 10 + (p.entry[i] - '0');
    const std::size_t blank = p.entry.find(' ');
    p.rest = blank == std::string::npos ? std::string() : p.entry.substr(blank);
    p.redefines = HasWord(p.entry, "redefines");
    return p;
}

std::string LevelText(int level) {
    std::string s = std::to_string(level);
    return s.size() < 2 ? "0" + s : s;
}

void Write(std::vector<std::string>& out, int level, const EntryParts& p) {
    out.push_back(LevelText(level) + p.rest + " // " + p.comment);
}

}  // namespace

std::vector<std::string> ExpandRedefines(const CobolEntries& entries, bool sameStructure) {
    std::vector<std::string> out;
    const int total = static_cast<int>(entries.lines.size());
    for (const StructureEntry& record : entries.records) {
        if (record.firstLine < 1) break;
        std::vector<EntryParts> e;
        for (int n = record.firstLine; n <= record.lastLine && n <= total; ++n)
            e.push_back(Split(entries.lines[static_cast<std::size_t>(n - 1)]));
        if (e.empty()) continue;
        const int count = static_cast<int>(e.size());

        // Redefinition points after the 01 entry, each with its target name.
        std::vector<int> points;
        std::vector<std::string> targets;
        if (!sameStructure) {
            for (int j = 1; j < count; ++j) {
                if (!e[j].redefines) continue;
                std::string target = WordAfter(e[j].entry, "redefines");
                for (int k = 0; k < j; ++k) {
                    if (!target.empty() && HasWord(e[k].entry, target)) {
                        target += " // " + e[k].comment;
                        break;
                    }
                }
                points.push_back(j);
                targets.push_back(target);
            }
        }

        // The record itself, without the redefining entries in gathered mode.
        for (int j = 0; j < count;) {
            if (!sameStructure && j > 0 && e[j].redefines) {
                const int level = e[j].level;
                for (++j; j < count && e[j].level > level; ++j) {}
                continue;
            }
            Write(out, e[j].level, e[j]);
            ++j;
        }
        if (points.empty()) continue;

        const std::string name = SecondWord(e[0].entry);
        out.push_back("01 RED-" + name + "; // " + sj("再定義項目 ") + e[0].comment);
        for (std::size_t p = 0; p < points.size(); ++p) {
            const std::size_t split = targets[p].find(" // ");
            const std::string targetName = Trim(targets[p].substr(0, split));
            const std::string targetComment =
                split == std::string::npos ? std::string() : Trim(targets[p].substr(split + 4));
            out.push_back("02 R-" + targetName + "; // " + sj("再-") + targetComment);
            const int j0 = points[p];
            const int base = e[j0].level;
            Write(out, 3, e[j0]);
            for (int j = j0 + 1; j < count && e[j].level > base;) {
                if (e[j].redefines) {
                    // A nested redefinition has a point of its own.
                    const int level = e[j].level;
                    for (++j; j < count && e[j].level > level; ++j) {}
                    continue;
                }
                Write(out, e[j].level - base + 3, e[j]);
                ++j;
            }
        }
    }
    return out;
}

}  // namespace rekkan
