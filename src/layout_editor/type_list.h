#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/type_catalogue.h"

namespace rekkan {

/// The text the grid shows for a type code: its display label without the leading "#".
using TypeLabelFn = std::function<std::string(int code)>;

/// The standard label of `code` without its leading "#" (used until notations are loaded).
[[nodiscard]] std::string StandardTypeLabel(int code);
/// `label` without one leading "#".
[[nodiscard]] std::string WithoutHash(const std::string& label);

/// The editor's drop-down list of types: 37 types and the separators, in the order of the
/// language priority, with the inverse map from type code to list position.
class TypeList {
public:
    explicit TypeList(LangPriority priority = LangPriority::Cobol, TypeLabelFn label = StandardTypeLabel);

    /// Rebuilds the list for another priority.
    void SetPriority(LangPriority priority);
    [[nodiscard]] LangPriority Priority() const { return priority_; }

    [[nodiscard]] int Size() const { return static_cast<int>(entries_.size()); }
    /// True for a separator entry (and for positions outside the list).
    [[nodiscard]] bool IsSeparator(int index) const;
    /// Type code of the entry; -1 for a separator or a position outside the list.
    [[nodiscard]] int CodeAt(int index) const;
    /// The text the list shows at `index` (CP932).
    [[nodiscard]] std::string TextAt(int index) const;
    /// List position of a type code; -1 for an unknown code.
    [[nodiscard]] int IndexOf(int code) const;
    /// Length of the widest type label of the list.
    [[nodiscard]] int WidestLabel() const;

private:
    LangPriority priority_;
    TypeLabelFn label_;
    std::vector<TypeListEntry> entries_;
    std::vector<int> indexOfCode_;
};

}  // namespace rekkan
