#include "layout_editor/type_list.h"

#include <algorithm>

#include "util/text.h"

namespace rekkan {

std::string WithoutHash(const std::string& label) {
    if (!label.empty() && label.front() == '#') return label.substr(1);
    return label;
}

std::string StandardTypeLabel(int code) { return WithoutHash(TypeInfoOf(code).standardLabel); }

TypeList::TypeList(LangPriority priority, TypeLabelFn label)
    : priority_(priority), label_(label ? std::move(label) : TypeLabelFn(StandardTypeLabel)) {
    SetPriority(priority);
}

void TypeList::SetPriority(LangPriority priority) {
    priority_ = priority;
    entries_ = TypeListOrder(priority);
    indexOfCode_.assign(kTypeCount, -1);
    for (int i = 0; i < Size(); ++i) {
        const int code = entries_[static_cast<std::size_t>(i)].code;
        if (IsValidType(code)) indexOfCode_[static_cast<std::size_t>(code)] = i;
    }
}

bool TypeList::IsSeparator(int index) const { return CodeAt(index) < 0; }

int TypeList::CodeAt(int index) const {
    if (index < 0 || index >= Size()) return -1;
    return entries_[static_cast<std::size_t>(index)].code;
}

std::string TypeList::TextAt(int index) const {
    if (index < 0 || index >= Size()) return {};
    const TypeListEntry& e = entries_[static_cast<std::size_t>(index)];
    return e.code < 0 ? e.separator : label_(e.code);
}

int TypeList::IndexOf(int code) const {
    if (!IsValidType(code)) return -1;
    return indexOfCode_[static_cast<std::size_t>(code)];
}

int TypeList::WidestLabel() const {
    std::size_t widest = 0;
    for (int code = 0; code < kTypeCount; ++code) widest = std::max(widest, Trim(label_(code)).size());
    return static_cast<int>(widest);
}

}  // namespace rekkan
