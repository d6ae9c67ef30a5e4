#include "ui/text_viewer/help_menu.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

#include "model/settings.h"
#include "model/type_notation.h"
#include "ui/app/qt_text.h"
#include "ui/text_viewer/browse_window.h"

namespace rekkan::ui {
namespace {

std::string InFolder(const HelpPlaces& places, const std::string& name) {
    std::string path = places.programFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + name;
}

}  // namespace

void RunHelpItem(const HelpItem& item, QMenu* menu, TFm_Browse& browse, const HelpPlaces& places,
                 MessageSink& messages) {
    switch (item.action) {
    case HelpAction::About: browse.ShowText(menu, item.caption, AboutText()); break;
    case HelpAction::Document: (void)browse.ShowFile(menu, item.caption, false, InFolder(places, item.document)); break;
    case HelpAction::StructImport: browse.ShowText(menu, item.caption, StructImportText()); break;
    case HelpAction::TypeNotation: browse.ShowText(menu, item.caption, TypeNotationText(kTypeNotationFileName)); break;
    case HelpAction::CarryOver:
        browse.ShowText(menu, item.caption,
                        CarryOverText(InFolder(places, kSettingsFileName), InFolder(places, kTypeNotationFileName)));
        break;
    case HelpAction::HomePage:
        if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageAddress))))
            messages.Inform(BrowserFailedMessage(), DefaultCaption(), MessageIcon::Information);
        break;
    }
}

void FillHelpMenu(QMenu& menu, TFm_Browse& browse, const HelpPlaces& places, MessageSink& messages) {
    menu.setTitle(QString::fromLatin1(kHelpMenuCaption));
    for (const HelpItem& item : HelpItems()) {
        QAction* action = menu.addAction(ToQ(item.caption));
        if (item.action == HelpAction::HomePage) {
            menu.insertSeparator(action);
            action->setProperty(TFm_Browse::kNotADocument, true);
        }
        QObject::connect(action, &QAction::triggered, &browse, [&item, &menu, &browse, places, &messages] {
            RunHelpItem(item, &menu, browse, places, messages);
        });
    }
    browse.RegisterMenu(&menu);
}

}  // namespace rekkan::ui
