// Fuzz target of the VB structure import: any bytes are scanned (VB scan, translation into C,
// C scan), and the first structures are extracted with and without the array option.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lang/vb_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rekkan;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    VbImport vb;
    vb.Scan(text);
    const int structures = static_cast<int>(vb.Structures().size());
    for (int i = 0; i < structures && i < 4; ++i) {
        for (bool arrayGroups : {false, true}) {
            CExtractOptions options;
            options.arrayGroups = arrayGroups;
            options.capacity = 300;
            LayoutDocument doc;
            ImportSession session;
            const int rows = vb.Extract(i, options, session, doc);
            if (rows != doc.Count() || rows > options.capacity) std::abort();
            for (const TRspec& r : doc.items)
                if (r.LVL < 1 || r.LVL > 15 || r.RPT < 1 || r.TYP < 0 || r.TYP > 36) std::abort();
        }
    }
    return 0;
}
