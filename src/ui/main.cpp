#include <QApplication>

#include "ui/app/app_icon.h"
#include "ui/app/japanese_buttons.h"
#include "ui/app/japanese_font.h"
#include "ui/app/rekkan_app.h"
#include "ui/app/window_set.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rekkan"));
    QApplication::setWindowIcon(rekkan::ui::AppIcon());  // every window of the set shows it
    (void)rekkan::ui::InstallJapaneseButtons(qapp);
    rekkan::ui::UseJapaneseFallbackFont();

    rekkan::ui::RekkanApp app;
    app.LoadSettings();
    int rc = 0;
    {
        rekkan::ui::WindowSet windows(app);
        windows.Start(QApplication::arguments());
        rc = QApplication::exec();
    }
    (void)app.SaveSettings();
    return rc;
}
