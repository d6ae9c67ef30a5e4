// Settings file and type notation file readers: any bytes parse without harm, and what is
// written from them reads back, every line accepted, to the same bytes when written again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/settings.h"
#include "model/type_notation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rekkan::Settings settings;
    rekkan::SetDefaults(settings, "/p", 8);
    rekkan::ParseSettings(text, settings);
    const std::string written = rekkan::FormatSettings(settings);
    rekkan::Settings back;
    rekkan::SetDefaults(back, "/p", 8);
    int badLines = 0;
    rekkan::ParseSettings(written, back, &badLines);
    if (badLines != 0 || rekkan::FormatSettings(back) != written) std::abort();

    rekkan::TypeNotation notation;
    notation.Parse(text);
    const std::string notationWritten = notation.Format();
    rekkan::TypeNotation notationBack;
    notationBack.Parse(notationWritten);
    if (notationBack.Format() != notationWritten) std::abort();
    (void)notation.WidestDisplayLabel();
    return 0;
}
