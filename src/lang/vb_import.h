#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/c_import.h"
#include "lang/structure_parser.h"

namespace rekkan {

/// One Type block of a VB source.
struct VbBlock {
    int firstLine = 0;  ///< 1-based line of "Type NAME"
    int lastLine = 0;   ///< 1-based line of "End Type"
    std::string name;
    std::string comment;
};

/// What the VB scan finds: the constants and the closed Type blocks (at most 1024).
struct VbScanResult {
    std::vector<CDefine> constants;
    std::vector<VbBlock> blocks;
};

/// Reads the Const lines and the Type ... End Type blocks of a VB source.
[[nodiscard]] VbScanResult ScanVbSource(std::string_view text);

/// One member line of a Type block in C form ("signed long  No;  // 番号"); empty when the line
/// holds no code.
[[nodiscard]] std::string TranslateVbMember(std::string_view line);

/// The C text that stands for a VB source: a #define per constant, then each block as a
/// "Typedef struct" with its members translated. CR LF line ends. `sourceLines`, when given,
/// receives the VB line of each C line (0 for a constant).
[[nodiscard]] std::string TranslateVbToC(std::string_view text, const VbScanResult& scan,
                                         std::vector<int>* sourceLines = nullptr);

/// The VB structure import: the VB scan and translation, then the C import on the translation.
class VbImport {
public:
    void Scan(std::string_view text);
    [[nodiscard]] const std::vector<StructureEntry>& Structures() const { return c_.Structures(); }
    [[nodiscard]] const std::string& Translation() const { return translation_; }
    [[nodiscard]] const CImport& C() const { return c_; }
    int Extract(int index, const CExtractOptions& options, ImportSession& session, LayoutDocument& doc) const {
        return c_.Extract(index, options, session, doc);
    }

private:
    std::string translation_;
    CImport c_;
};

/// The VB parser of the import pipeline.
[[nodiscard]] std::unique_ptr<StructureParser> MakeVbStructureParser();

}  // namespace rekkan
