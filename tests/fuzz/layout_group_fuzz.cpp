// Layout group files and search words come from outside: any bytes must parse without harm,
// and a group written from what was read must read back the same and be written to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/layout_group.h"
#include "records/search_text.h"
#include "util/sjis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)rekkan::IsLayoutGroupText(bytes);
    const auto lines = rekkan::ParseGroupText(bytes);
    const std::string written = rekkan::FormatGroupText(lines);
    const auto back = rekkan::ParseGroupText(written);
    if (!rekkan::IsLayoutGroupText(written) || back != lines || rekkan::FormatGroupText(back) != written)
        __builtin_trap();

    const auto words = rekkan::SplitSearchWords(bytes.substr(0, 4096));
    for (const auto& w : words) {
        if (w.empty()) __builtin_trap();
        (void)rekkan::FindNoCase(bytes, w);
    }
    (void)rekkan::MatchRecord({std::string(bytes)}, rekkan::SearchWords(words), true);
    return 0;
}
