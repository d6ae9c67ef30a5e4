#pragma once

#include <string>

#include "model/layout_document.h"
#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

/// The open, save and initialise commands of the layout editor, without the windows: the
/// file dialogs are the caller's, every message and question goes through `MessageSink`.

/// Path an overwrite save writes to without a dialog; empty when the dialog must ask
/// (save-as, or a layout without a path). A legacy layout's path gets the ".kvl" extension.
[[nodiscard]] std::string DirectSavePath(const LayoutDocument& doc, bool saveAs);

/// Folder and proposed file name of the open and save dialogs (CP932).
struct DialogProposal {
    std::string folder;
    std::string fileName;
    bool operator==(const DialogProposal&) const = default;
};
[[nodiscard]] DialogProposal ProposeLayoutDialog(const LayoutDocument& doc, const Settings& settings,
                                                 const std::string& programFolder);

/// Title and filter of the save dialog and of the open dialog ("(*.kvl)|*.kvl|..." form).
[[nodiscard]] std::string SaveDialogTitle();
[[nodiscard]] std::string SaveDialogFilter();
[[nodiscard]] std::string OpenDialogTitle();
[[nodiscard]] std::string OpenDialogFilter();

/// Saves the document to `chosenPath` (from `DirectSavePath` or the dialog): extension rules,
/// the refusal of ".lay" names, the confirmation, writing (aside, then renamed over) and the
/// flags. Returns true when the file was written.
[[nodiscard]] bool SaveLayout(LayoutDocument& doc, std::string chosenPath, Settings& settings, MessageSink& messages);

/// Before opening another layout: asks whether to save a modified layout. True when the
/// caller should run the save command (save-as form) first.
[[nodiscard]] bool AskSaveBeforeOpen(const LayoutDocument& doc, MessageSink& messages);

/// Opens `path` chosen in the open dialog: reads it (with the legacy notice unless told
/// otherwise), normalises, clears the modified flag, records the path. `notice` receives the
/// text for the resident message window. False when the read failed (the rows read so far stay).
[[nodiscard]] bool OpenLayout(LayoutDocument& doc, const std::string& path, Settings& settings, MessageSink& messages,
                              std::string& notice, bool legacyNotice = true);

/// The initialise command: asks first when `ask`; then the sample layout, modified flag set
/// when asked (the record editor's silent form leaves it clear). False when the user said No.
bool InitialiseLayout(LayoutDocument& doc, LangPriority priority, MessageSink& messages, bool ask);

}  // namespace rekkan
