// Pasting clipboard text into the layout editor, then copying, deleting and undoing.
#include <cstdint>
#include <string>

#include "layout_editor/clipboard.h"
#include "layout_editor/layout_editor_model.h"
#include "util/scripted_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    rekkan::LayoutDocument doc;
    doc.editableLineCount = 300;
    rekkan::SetSampleLayout(doc, rekkan::LangPriority::Cobol);
    rekkan::ScriptedMessages messages(rekkan::Answer::Yes);
    rekkan::MemoryClipboard clipboard;
    rekkan::LayoutEditorModel model(doc, messages, clipboard);
    for (const char* magic : {"", "kvel#32.lay\r\n"}) {
        clipboard.SetText(magic + bytes);
        model.SetCursor(1, 3);
        model.Execute(rekkan::EditorCommand::ClipboardRead);
        model.SetCursor(0, 3);
        model.Execute(rekkan::EditorCommand::Copy);
        model.Execute(rekkan::EditorCommand::EnterView);
        model.Execute(rekkan::EditorCommand::LeaveView);
        model.Execute(rekkan::EditorCommand::Delete);
        for (int i = 0; i < 70 && model.Execute(rekkan::EditorCommand::Undo); ++i) {}
    }
    return 0;
}
