#include "lang/structure_parser.h"

#include "util/text.h"

namespace rekkan {

std::string StructureListLine(int number, const StructureEntry& entry) {
    return " " + PadLeft(' ', std::to_string(number), 4) + ". " + entry.listText;
}

}  // namespace rekkan
