// Settings file and type notation file readers.
#include <cstdint>
#include <string>

#include "model/settings.h"
#include "model/type_notation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rekkan::Settings settings;
    rekkan::SetDefaults(settings, "/p", 8);
    rekkan::ParseSettings(text, settings);
    rekkan::Settings back;
    rekkan::ParseSettings(rekkan::FormatSettings(settings), back);
    rekkan::TypeNotation notation;
    notation.Parse(text);
    (void)notation.Format();
    (void)notation.WidestDisplayLabel();
    return 0;
}
