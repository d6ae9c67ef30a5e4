#pragma once

#include <string>

#include "model/layout_document.h"

namespace rekkan::test {

/// A row for table set-ups: level, type, repeat, digits, decimals, name, redefinition.
inline TRspec Row(int lvl, int typ, int rpt, int byt, int syo, std::string kom, std::string red = {}) {
    TRspec r;
    r.LVL = lvl;
    r.TYP = r.TYP2 = typ;
    r.RPT = rpt;
    r.BYT = byt;
    r.SYO = syo;
    r.VNM = kom + "_v";
    r.KOM = std::move(kom);
    r.RED = std::move(red);
    return r;
}

}  // namespace rekkan::test
