#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/type_catalogue.h"

namespace rekkan {

/// The user's names for the 37 types: the current label and notation of each code, beside
/// the fixed standard ones. Stored in kvelType.def.
class TypeNotation {
public:
    TypeNotation() { ResetToStandard(); }

    /// Current tables become the standard ones.
    void ResetToStandard();

    /// Applies the lines of a definitions file over the current tables.
    void Parse(std::string_view text);
    /// Reads the file when it exists; a missing file changes nothing.
    void Read(const std::string& cp932Path);
    /// The 37 lines of the file, CR LF ended.
    [[nodiscard]] std::string Format() const;
    /// Writes the file (aside, then renamed over the old one).
    [[nodiscard]] bool Write(const std::string& cp932Path) const;

    [[nodiscard]] const std::string& Label(int code) const { return label_[Index(code)]; }
    [[nodiscard]] const std::string& Notation(int code) const { return notation_[Index(code)]; }
    void SetLabel(int code, std::string label) { label_[Index(code)] = std::move(label); }
    void SetNotation(int code, std::string notation) { notation_[Index(code)] = std::move(notation); }

    /// What the grid, the type list and the outputs show: the label without a leading '#'.
    [[nodiscard]] std::string DisplayLabel(int code) const;
    /// Length in bytes of the widest display label (trimmed), for aligned outputs.
    [[nodiscard]] int WidestDisplayLabel() const;

private:
    static int Index(int code) { return IsValidType(code) ? code : kString; }

    std::array<std::string, kTypeCount> label_;
    std::array<std::string, kTypeCount> notation_;
};

/// Name of the type notation file: "kvelType.def".
inline constexpr const char* kTypeNotationFileName = "kvelType.def";

}  // namespace rekkan
