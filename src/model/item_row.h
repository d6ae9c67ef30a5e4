#pragma once

#include <string>

namespace rekkan {

/// One item row of a record layout.
struct TRspec {
    int LVL = 1;      ///< level number, 1 to 15
    int RPT = 1;      ///< repeat count (OCCURS); 1 means no repetition
    int BYT = 0;      ///< digits, bytes, characters or bits, by type
    int SYO = 0;      ///< decimal places
    int TYP = 0;      ///< type code 0 to 36
    int TYP2 = 0;     ///< type saved while the row is turned into a group
    std::string KOM;  ///< item name
    std::string VNM;  ///< variable name
    std::string RED;  ///< name of the earlier sibling this item overlays, or empty
    std::string BKO;  ///< remarks
    int RdfKind = 0;  ///< row kind in the redefinition view (0 ordinary)
    int RdfBase = 0;  ///< redefinition view: position of the redefined item
    int RdfPos = 0;   ///< redefinition view: position shown for the row

    friend bool operator==(const TRspec&, const TRspec&) = default;
};

}  // namespace rekkan
