// Fuzz target of the C structure import.
#include <cstddef>
#include <cstdint>

#include "lang/c_import.h"
#include "structure_import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return rekkan::FuzzStructureImport<rekkan::CImport>({reinterpret_cast<const char*>(data), size});
}
