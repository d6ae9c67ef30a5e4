#pragma once

#include <string>
#include <vector>

#include "lang/c_import.h"
#include "lang/structure_parser.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {

/// The pipeline's parser for the C family: C itself and VB through its C translation. `Import`
/// is `CImport` or `VbImport` (Scan over the source bytes, Structures, Extract).
template <typename Import>
class CFamilyStructureParser : public StructureParser {
public:
    bool Scan(const std::string& cp932Path, const Settings&, ImportSession&, std::string& error) override {
        std::string bytes;
        if (!ReadWholeFile(cp932Path, bytes)) {
            import_.Scan({});
            error = sj("ファイルを読み込めません。") + "\r\n\r\n   PATH = " + cp932Path;
            return false;
        }
        import_.Scan(bytes);
        return true;
    }
    const std::vector<StructureEntry>& Structures() const override { return import_.Structures(); }
    int Extract(int index, const Settings& settings, ImportSession& session, LayoutDocument& doc) override {
        CExtractOptions options = CExtractOptions::FromSettings(settings);
        options.capacity = doc.editableLineCount;
        return import_.Extract(index, options, session, doc);
    }

private:
    Import import_;
};

}  // namespace rekkan
