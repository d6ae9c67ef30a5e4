// Fuzz target of the VB structure import (VB scan, translation into C, C scan and extraction).
#include <cstddef>
#include <cstdint>

#include "lang/vb_import.h"
#include "structure_import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return rekkan::FuzzStructureImport<rekkan::VbImport>({reinterpret_cast<const char*>(data), size});
}
