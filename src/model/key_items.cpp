#include "model/key_items.h"

#include <algorithm>

#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr int kKeyTableLines = 256;

std::string Between(std::string_view s, char open, char close) {
    const std::size_t a = s.find(open);
    if (a == std::string_view::npos) return {};
    const std::size_t b = s.find(close, a + 1);
    return Trim(s.substr(a + 1, b == std::string_view::npos ? std::string_view::npos : b - a - 1));
}

int NumberOr(std::string_view text, int fallback) {
    int v = 0;
    return ParseInt(Trim(text), v) ? v : fallback;
}

std::string Header(int n) { return "   Key #" + std::to_string(n); }

}  // namespace

void LoadLayoutKeyLines(LayoutDocument& doc, const Geometry& geometry, const TypeNotation& types) {
    KeyItems keys(types);
    keys.LoadKeyLines(doc.keyLines, doc, geometry);
    doc.keyLines = keys.Lines();
}

std::string UnmatchedKeyName() { return sj("？？？（不整合）"); }

bool IsKeyHeaderLine(std::string_view line) {
    const std::string t = Trim(line);
    return t.size() >= 3 && ToUpperAscii(t.substr(0, 3)) == "KEY";
}

std::string VisibleKeyText(std::string_view line) { return std::string(line.substr(0, line.find('\t'))); }

KeyLine ParseKeyLine(std::string_view line, const TypeNotation& types) {
    KeyLine k;
    if (IsKeyHeaderLine(line)) {
        const std::size_t hash = line.find('#');
        k.keyNumber = hash == std::string_view::npos
                          ? 0
                          : std::max(0, NumberOr(DigitsOnly(line.substr(hash + 1)).substr(0, 6), 0));
        return k;
    }
    const std::size_t tail = line.find("%typ!");
    if (tail != std::string_view::npos) k.typeCode = NumberOr(line.substr(tail + 5, 6), -1);
    const std::string visible = VisibleKeyText(line);
    const std::size_t open = FindSingleByte(visible, '[');
    const std::size_t colon = FindSingleByte(visible, ':', open == std::string::npos ? 0 : open);
    const std::size_t close = FindSingleByte(visible, ']', colon == std::string::npos ? 0 : colon);
    if (open != std::string::npos && colon != std::string::npos)
        k.position = Trim(visible.substr(open + 1, colon - open - 1));
    if (colon != std::string::npos && close != std::string::npos)
        k.length = Trim(visible.substr(colon + 1, close - colon - 1));
    const std::size_t afterBracket = close == std::string::npos ? 0 : close + 1;
    const std::size_t lt = visible.find('<', afterBracket);
    k.typeName = Trim(visible.substr(afterBracket, lt == std::string::npos ? std::string::npos : lt - afterBracket));
    if (IsValidType(k.typeCode)) k.typeName = Trim(types.DisplayLabel(k.typeCode));
    const std::string rest = lt == std::string::npos ? std::string() : visible.substr(lt);
    k.duplicates = Between(rest, '<', '>');
    const std::size_t gt = rest.find('>');
    const std::string afterDup = gt == std::string::npos ? rest : rest.substr(gt + 1);
    k.order = Between(afterDup, '(', ')');
    const std::size_t rp = afterDup.find(')');
    k.itemName = rp == std::string::npos ? std::string() : Trim(afterDup.substr(rp + 1));
    return k;
}

std::string FormatKeyLine(const KeyLine& k, const TypeNotation& types) {
    if (k.IsHeader()) return Header(k.keyNumber);
    std::string line = "      [" + PadLeft('0', k.position, 6) + " : " + PadLeft('0', k.length, 6) + "]  " +
                       PadRight(' ', k.typeName, types.WidestDisplayLabel()) + " <" + k.duplicates + "> (" + k.order +
                       ") " + k.itemName;
    if (k.typeCode >= 0) line += std::string(10, '\t') + "%typ!" + std::to_string(k.typeCode);
    return line;
}

void KeyItems::LoadKeyLines(const std::vector<std::string>& lines, const LayoutDocument& doc,
                            const Geometry& geometry) {
    lines_.clear();
    int n = 0;
    for (const std::string& raw : lines) {
        KeyLine k = ParseKeyLine(" " + Trim(raw), types_);
        if (k.IsHeader()) k.keyNumber = ++n;
        lines_.push_back(FormatKeyLine(k, types_));
    }
    Validate(doc, geometry);
}

std::string KeyItems::ItemLineForRow(const LayoutDocument& doc, const Geometry& geometry, int row,
                                     std::string_view duplicates, std::string_view order) const {
    KeyLine k;
    const TRspec& r = doc.items[static_cast<std::size_t>(row)];
    const GeometryRow gr = geometry.Row(row);
    k.position = std::to_string(gr.FirstPos);
    k.length = std::to_string(r.TYP == kGroup ? gr.GroupLen : gr.ElemLen);
    k.typeCode = r.TYP;
    k.typeName = Trim(types_.DisplayLabel(r.TYP));
    k.duplicates = Trim(duplicates);
    k.order = Trim(order);
    k.itemName = Trim(r.KOM);
    return FormatKeyLine(k, types_);
}

void KeyItems::LoadFromImport(const std::vector<std::string>& keyEntries, const LayoutDocument& doc,
                              const Geometry& geometry) {
    lines_.clear();
    int previousKey = -1;
    for (const std::string& e : keyEntries) {
        // "001.002<可>(降順):5"
        const int key = NumberOr(e.substr(0, e.find('.')), 0);
        const std::size_t colon = e.rfind(':');
        const int row = colon == std::string::npos ? -1 : NumberOr(e.substr(colon + 1), -1);
        if (row < 0 || row >= doc.Count()) continue;
        if (key != previousKey) lines_.push_back(Header(key));
        previousKey = key;
        lines_.push_back(ItemLineForRow(doc, geometry, row, Between(e, '<', '>'), Between(e, '(', ')')));
    }
    Validate(doc, geometry);
}

void KeyItems::Insert(int after, std::string line) {
    const int at = std::clamp(after + 1, 0, static_cast<int>(lines_.size()));
    lines_.insert(lines_.begin() + at, std::move(line));
    Renumber();
}

void KeyItems::Erase(int index) {
    lines_.erase(lines_.begin() + index);
    Renumber();
}

void KeyItems::Swap(int a, int b) {
    std::swap(lines_.at(static_cast<std::size_t>(a)), lines_.at(static_cast<std::size_t>(b)));
    Renumber();
}

void KeyItems::Renumber() {
    if (!lines_.empty() && !IsKeyHeaderLine(lines_.front())) lines_.insert(lines_.begin(), " Key #");
    int n = 0;
    for (std::string& line : lines_)
        if (IsKeyHeaderLine(line)) line = Header(++n);
}

void KeyItems::Validate(const LayoutDocument& doc, const Geometry& geometry) {
    const auto& g = geometry.rows;
    for (std::string& line : lines_) {
        if (IsKeyHeaderLine(line)) continue;
        KeyLine k = ParseKeyLine(line, types_);
        const int pos = NumberOr(k.position, -2);
        const int len = NumberOr(k.length, -2);
        k.itemName = UnmatchedKeyName();
        for (int i = 0; i < doc.Count() && i < static_cast<int>(g.size()); ++i) {
            const GeometryRow& gr = g[static_cast<std::size_t>(i)];
            if (gr.FirstPos > pos) break;
            if (gr.FirstPos == pos && gr.ElemLen == len) {
                k.itemName = Trim(doc.items[static_cast<std::size_t>(i)].KOM);
                break;
            }
        }
        line = FormatKeyLine(k, types_);
    }
}

std::vector<KeyTableEntry> KeyItems::KeyTable() const {
    std::vector<KeyTableEntry> table;
    int key = 0, seq = 0;
    for (std::size_t i = 0; i < lines_.size() && i < kKeyTableLines; ++i) {
        KeyTableEntry e;
        e.line = ParseKeyLine(lines_[i], types_);
        if (e.line.IsHeader()) {
            key = e.line.keyNumber;
            seq = 0;
        } else {
            e.sequence = ++seq;
        }
        e.key = key;
        table.push_back(std::move(e));
    }
    return table;
}

int KeyItems::FindKeyItem(int position, int length) const {
    const auto table = KeyTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const KeyLine& k = table[i].line;
        if (!k.IsHeader() && NumberOr(k.position, -2) == position && NumberOr(k.length, -2) == length)
            return static_cast<int>(i);
    }
    return -1;
}

std::string KeyItems::KeyMark(int position, int length, int typeCode) const {
    const auto table = KeyTable();
    for (const KeyTableEntry& e : table) {
        const KeyLine& k = e.line;
        if (k.IsHeader() || NumberOr(k.position, -2) != position || NumberOr(k.length, -2) != length) continue;
        if (k.typeCode >= 0 && k.typeCode != typeCode) continue;
        std::string mark = "#" + std::to_string(e.key) + "." + std::to_string(e.sequence);
        if (k.duplicates.find(sj("可")) != std::string::npos) mark += "d";
        if (k.order.find(sj("降順")) != std::string::npos) mark += "-";
        return mark;
    }
    return {};
}

}  // namespace rekkan
