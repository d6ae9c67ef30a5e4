#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/geometry.h"
#include "model/layout_document.h"
#include "model/type_notation.h"

namespace rekkan {

/// The parsed form of one key line.
struct KeyLine {
    int keyNumber = -1;      ///< header: the number after "#"; -1 for an item line
    std::string position;    ///< text between "[" and ":"
    std::string length;      ///< text between ":" and "]"
    int typeCode = -1;       ///< number after "%typ!"; -1 when absent
    std::string typeName;    ///< display name of the type
    std::string duplicates;  ///< "可" or "不"
    std::string order;       ///< "昇順" or "降順"
    std::string itemName;
    [[nodiscard]] bool IsHeader() const { return keyNumber >= 0; }
};

/// True when the trimmed line begins with "Key" (any case).
[[nodiscard]] bool IsKeyHeaderLine(std::string_view line);
/// Parses a key line; the type name follows the current type notation when the line has a code.
[[nodiscard]] KeyLine ParseKeyLine(std::string_view line, const TypeNotation& types);
/// The stored form of a parsed line (item lines carry the TAB tail "%typ!" + code).
[[nodiscard]] std::string FormatKeyLine(const KeyLine& key, const TypeNotation& types);
/// The visible part of a stored line (before its TAB tail).
[[nodiscard]] std::string VisibleKeyText(std::string_view line);

/// One entry of the key table the language output reads.
struct KeyTableEntry {
    KeyLine line;
    int key = 0;       ///< current key number
    int sequence = 0;  ///< 1-based place of the item within its key; 0 for a header
};

/// The layout's key items: the stored key lines and the operations on them.
class KeyItems {
public:
    explicit KeyItems(const TypeNotation& types) : types_(types) {}

    [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

    /// Replaces the list by stored lines (each reformatted), then validates against the layout.
    void LoadKeyLines(const std::vector<std::string>& lines, const LayoutDocument& doc, const Geometry& geometry);
    /// Rebuilds the list from an import's key entry list ("001.002<可>(降順):5" texts).
    void LoadFromImport(const std::vector<std::string>& keyEntries, const LayoutDocument& doc,
                        const Geometry& geometry);
    /// The key item line of layout row `row` with the given attributes.
    [[nodiscard]] std::string ItemLineForRow(const LayoutDocument& doc, const Geometry& geometry, int row,
                                             std::string_view duplicates, std::string_view order) const;
    /// Inserts a line after `after` (-1: at the top; past the end: appended), then renumbers.
    void Insert(int after, std::string line);
    /// Replaces line `index` (no renumbering).
    void Replace(int index, std::string line) { lines_.at(static_cast<std::size_t>(index)) = std::move(line); }
    /// Removes line `index`, then renumbers.
    void Erase(int index);
    /// Exchanges lines `a` and `b`, then renumbers.
    void Swap(int a, int b);
    /// Puts a header at the top when the first line is not one and numbers the headers 1, 2, ...
    void Renumber();
    /// Renames every item line after the layout item at its position and length.
    void Validate(const LayoutDocument& doc, const Geometry& geometry);

    /// The first 256 lines with their key number and sequence.
    [[nodiscard]] std::vector<KeyTableEntry> KeyTable() const;
    /// Index of the first item line (of the first 256) at `position` with `length`; -1 if none.
    [[nodiscard]] int FindKeyItem(int position, int length) const;
    /// The mark the language output writes after the name of a key item: "#1.2d-"; empty when
    /// the row (position, length, type) is no key item.
    [[nodiscard]] std::string KeyMark(int position, int length, int typeCode) const;

private:
    const TypeNotation& types_;
    std::vector<std::string> lines_;
};

/// Puts the key lines of a layout just read through the key item model (Load key lines):
/// every line reformatted, headers numbered, items renamed after the layout.
void LoadLayoutKeyLines(LayoutDocument& doc, const Geometry& geometry, const TypeNotation& types);

/// Name given to a key item whose place no longer matches the layout.
[[nodiscard]] std::string UnmatchedKeyName();

}  // namespace rekkan
