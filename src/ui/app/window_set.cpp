#include "ui/app/window_set.h"

#include <QAction>
#include <QTimer>

#include <algorithm>
#include <initializer_list>

#include "ui/app/qt_editor_dialogs.h"
#include "ui/app/qt_tool_shell.h"
#include "ui/app/rekkan_app.h"
#include "ui/app/resident_message_window.h"
#include "ui/app/window_services.h"
#include "ui/browse_table/browse_launch.h"
#include "ui/language_output/xfm_window.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/layout_editor/layout_side_windows.h"
#include "ui/layout_editor/session_layout_link.h"
#include "ui/listing/csv_window.h"
#include "ui/other_definitions/etc_window.h"
#include "ui/rec_editor/rec_editor_outputs.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/rec_editor/rec_etc_window.h"
#include "ui/search/rec_search_window.h"
#include "ui/text_viewer/browse_window.h"
#include "ui/text_viewer/help_menu.h"
#include "ui/type_notation/tfm_window.h"

namespace rekkan::ui {
namespace {
/// The help document on editing layouts.
constexpr const char* kLayoutGuideDocument = "Doc_Rekkan_Guide2.Txt";
}  // namespace

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
    // The layout editor's About shows the guide to editing layouts.
    kvel_->ConnectTool(KvelTool::About, [this] {
        const auto& items = HelpItems();
        const auto guide = std::find_if(items.begin(), items.end(),
                                        [](const HelpItem& item) { return item.document == kLayoutGuideDocument; });
        if (guide != items.end())
            RunHelpItem(*guide, &recEditor_->HelpMenu(), *browse_, HelpPlaces{app_.FolderPath()}, app_.messages());
    });
    QObject::connect(kvel_.get(), &TFm_Kvel::windowSizesReset, recEditor_.get(), [this] {
        RestorePlacement(*recEditor_, WindowPlace{});
        RestorePlacement(*browse_, WindowPlace{});
    });
    sideWindows_ = std::make_unique<LayoutSideWindows>(*kvel_, *browse_, app.messages());
    recEditor_->ConnectLayoutEditor([this] {
        recEditor_->hide();
        (void)kvel_->EditFromRecordEditor();
    });
    QObject::connect(recEditor_->SettingsAction(), &QAction::triggered, recEditor_.get(), [this] {
        TFm_RecEtc window(app_.settings(), app_.messages(), recEditor_.get(), recEditor_.get());
        window.exec();
    });
    outputs_ = new RecEditorOutputs(*recEditor_, *browse_, app.settings(), app.messages(), *dialogs_, app.FolderPath());
    search_ = std::make_unique<TFm_RecSearch>(app.messages());
    ConnectBrowse(*recEditor_,
                  {app.settings(), app.messages(), *dialogs_, app.FolderPath(), browse_.get(), search_.get()});
    CreateToolWindows();
    resident_ = std::make_unique<TFm_ResidentMsg>();
    TFm_ResidentMsg* resident = resident_.get();
    kvel_->SetNoticeWindow([resident](const QString& text) { resident->ShowMessage(text, QColor(Qt::blue)); },
                           [resident] { resident->hide(); });
}

void WindowSet::CreateToolWindows() {
    toolShell_ = std::make_unique<QtToolShell>(kvel_.get());
    TFm_Browse* browse = browse_.get();
    toolShell_->SetViewer(
        [browse](const std::string& caption, const std::string& path) {
            (void)browse->ShowFile(nullptr, caption, true, path);
        },
        [browse](const std::string& caption, const std::string& text) { browse->ShowText(nullptr, caption, text); });
    LayoutEditorController& editor = kvel_->Controller();
    MessageSink& messages = app_.messages();
    xfm_ = std::make_unique<TFm_Xfm>(editor, messages, *toolShell_);
    csv_ = std::make_unique<TFm_Csv>(editor, messages, *toolShell_);
    tfm_ = std::make_unique<TFm_Tfm>(editor, messages, *toolShell_);
    etc_ = std::make_unique<TFm_Etc>(editor, messages, *toolShell_);
    kvel_->ConnectToolWindow(KvelTool::TypeNotation, tfm_.get());
    kvel_->ConnectToolWindow(KvelTool::OtherDefinitions, etc_.get());
    kvel_->ConnectToolWindow(KvelTool::TextCsvOutput, csv_.get());
    kvel_->ConnectToolWindow(KvelTool::LanguageOutput, xfm_.get());
    TFm_Kvel* kvel = kvel_.get();
    QObject::connect(tfm_.get(), &TFm_Tfm::LayoutEditorChanged, kvel, [kvel] { kvel->RefreshAll(); });
    QObject::connect(etc_.get(), &TFm_Etc::LayoutEditorChanged, kvel, [kvel] { kvel->RefreshAll(); });
}

WindowSet::~WindowSet() {
    // A tool window still open at the end keeps the place it has now, as closing it would.
    for (QWidget* tool : std::initializer_list<QWidget*>{xfm_.get(), csv_.get(), tfm_.get(), etc_.get()})
        if (tool->isVisible()) tool->close();
    (void)kvel_->Shutdown();
    // The tool windows work on the layout editor's controller.
    sideWindows_.reset();
    etc_.reset();
    tfm_.reset();
    csv_.reset();
    xfm_.reset();
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
