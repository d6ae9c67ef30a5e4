#pragma once

#include <string>

#include "tools/help_texts.h"
#include "util/messages.h"

class QMenu;

namespace rekkan::ui {

class TFm_Browse;

/// Where the help items find their files: the program's folder (CP932).
struct HelpPlaces {
    std::string programFolder;
};

/// Fills `menu` with the Help items in order, each showing its text in `browse`, and registers
/// the menu as the viewer's document list.
void FillHelpMenu(QMenu& menu, TFm_Browse& browse, const HelpPlaces& places, MessageSink& messages);

/// Runs one Help item: shows the about text, a document or a generated text in `browse` (its
/// document list bound to `menu`), or opens the home page.
void RunHelpItem(const HelpItem& item, QMenu* menu, TFm_Browse& browse, const HelpPlaces& places,
                 MessageSink& messages);

}  // namespace rekkan::ui
