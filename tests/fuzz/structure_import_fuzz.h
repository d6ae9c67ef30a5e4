#pragma once
// Body shared by the C and VB structure import fuzz targets: any bytes are scanned, and the
// first structures are extracted with and without the array option. Rows must stay within
// their limits.
#include <cstdlib>
#include <string_view>

#include "lang/c_import.h"

namespace rekkan {

template <class Import>
int FuzzStructureImport(std::string_view text) {
    Import importer;
    importer.Scan(text);
    const int structures = static_cast<int>(importer.Structures().size());
    for (int i = 0; i < structures && i < 4; ++i) {
        for (bool arrayGroups : {false, true}) {
            CExtractOptions options;
            options.arrayGroups = arrayGroups;
            options.capacity = 300;
            LayoutDocument doc;
            ImportSession session;
            const int rows = importer.Extract(i, options, session, doc);
            if (rows != doc.Count() || rows > options.capacity) std::abort();
            for (const TRspec& r : doc.items)
                if (r.LVL < 1 || r.LVL > 15 || r.RPT < 1 || r.TYP < 0 || r.TYP > 36) std::abort();
        }
    }
    return 0;
}

}  // namespace rekkan
