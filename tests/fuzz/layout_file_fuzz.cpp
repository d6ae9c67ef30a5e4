// Layout file reader (current and legacy formats) and the item line parser.
#include <cstdint>
#include <string>

#include "model/geometry.h"
#include "model/layout_file.h"
#include "util/scripted_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    rekkan::LayoutDocument doc;
    doc.editableLineCount = 200;
    rekkan::ScriptedMessages messages;
    // Both magics in front of the same bytes, so the fuzzer reaches both readers at once.
    for (const char* magic : {"", "kvel#32.lay\r\n", "morvane.lay"}) {
        if (rekkan::ReadLayoutText(doc, magic + bytes, messages).ok) {
            rekkan::NormaliseAll(doc);
            (void)rekkan::ListFields(doc);
            (void)rekkan::FormatLayoutFile(doc);
        }
    }
    bool failed = false;
    (void)rekkan::ParseItemLine(bytes, failed);
    return 0;
}
