#include "ui/app/window_set.h"

#include <QTimer>

#include "ui/app/qt_editor_dialogs.h"
#include "ui/app/rekkan_app.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/layout_editor/session_layout_link.h"
#include "ui/rec_editor/rec_editor_outputs.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/text_viewer/browse_window.h"
#include "ui/text_viewer/help_menu.h"

namespace rekkan::ui {

WindowSet::WindowSet(RekkanApp& app) : app_(app), dialogs_(std::make_unique<QtEditorDialogs>(nullptr)) {
    recEditor_ = std::make_unique<TFm_RecEditor>(app.settings(), app.document(), app.messages(), *dialogs_);
    app_.messages().SetParent(recEditor_.get());
    dialogs_->SetParent(recEditor_.get());
    browse_ = std::make_unique<TFm_Browse>(app.settings(), app.messages());
    FillHelpMenu(recEditor_->HelpMenu(), *browse_, HelpPlaces{app.FolderPath()}, app.messages());
    kvel_ = std::make_unique<TFm_Kvel>(app.settings(), app.folder().path, app.messages());
    kvelLink_ = std::make_unique<SessionLayoutLink>(recEditor_->Session(), [this] {
        recEditor_->show();
        recEditor_->raise();
    });
    kvel_->SetRecordEditor(kvelLink_.get());
    recEditor_->ConnectLayoutEditor([this] {
        recEditor_->hide();
        (void)kvel_->EditFromRecordEditor();
    });
    outputs_ = new RecEditorOutputs(*recEditor_, *browse_, app.settings(), app.messages(), *dialogs_, app.FolderPath());
}

WindowSet::~WindowSet() {
    kvel_.reset();  // it knows the record editor through the link
    app_.messages().SetParent(nullptr);
}

void WindowSet::Start(const QStringList& arguments) {
    recEditor_->show();
    if (app_.folder().fellBack)
        app_.messages().Inform(app_.folder().notice, DefaultCaption(), MessageIcon::Information);
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        TFm_RecEditor* window = recEditor_.get();
        QTimer::singleShot(200, window, [window, path] { window->TakeArgument(path); });
    }
}

}  // namespace rekkan::ui
