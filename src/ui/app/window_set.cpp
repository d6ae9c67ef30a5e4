#include "ui/app/window_set.h"

#include <QMenuBar>
#include <QTimer>

#include "ui/app/qt_text.h"
#include "ui/app/rekkan_app.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/text_viewer/browse_window.h"
#include "ui/text_viewer/help_menu.h"

namespace rekkan::ui {

WindowSet::WindowSet(RekkanApp& app)
    : app_(app), recEditor_(std::make_unique<TFm_RecEditor>(app.settings(), app.messages())) {
    app_.messages().SetParent(recEditor_.get());
    browse_ = std::make_unique<TFm_Browse>(app.settings(), app.messages());
    QMenu* help = recEditor_->menuBar()->addMenu(QString());
    FillHelpMenu(*help, *browse_, HelpPlaces{app.FolderPath()}, app.messages());
}

WindowSet::~WindowSet() { app_.messages().SetParent(nullptr); }

void WindowSet::Start(const QStringList& arguments) {
    recEditor_->show();
    if (app_.folder().fellBack)
        app_.messages().Inform(app_.folder().notice, DefaultCaption(), MessageIcon::Information);
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        TFm_RecEditor* window = recEditor_.get();
        QTimer::singleShot(200, window, [window, path] { window->OpenPath(FromQ(path)); });
    }
}

}  // namespace rekkan::ui
