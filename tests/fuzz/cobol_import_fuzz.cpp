// Fuzz target of the COBOL copybook reader: scanning in both REDEFINES modes, extraction of
// every listed record, the writers over what was extracted and the editor-mode re-import.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lang/cobol_import.h"
#include "lang/cobol_writer.h"
#include "model/geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rekkan;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int variant = 0; variant < 3; ++variant) {
        CobolImportOptions o;
        o.sameStructure = variant != 1;
        o.editorMode = variant == 2;
        o.comp12WithoutPic = variant == 1;
        o.inlineMarker = variant == 0 ? "*>" : "";
        const CobolScan scan = ScanCobolText(text, o);
        const int records = static_cast<int>(scan.structures.size());
        for (int i = 0; i < records && i < 4; ++i) {
            LayoutDocument doc;
            doc.editableLineCount = 200;
            ImportSession session;
            session.sameStructure = o.sameStructure;
            ExtractCobolRecord(scan, i, o, session, doc);
            const Geometry geometry = MeasureLayout(doc);
            if (!geometry.Ok()) continue;
            const LanguageOutputInput in{doc, geometry, nullptr};
            const std::string editorText = WriteCobolEditorText(in, CobolOutputOptions{});
            CobolImportOptions back;
            back.editorMode = true;
            (void)ScanCobolText(editorText, back);
        }
    }
    return 0;
}
