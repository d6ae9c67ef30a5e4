#include <QTest>

#include "support/test_support.h"
#include "ui/app/rekkan_app.h"
#include "ui/app/window_services.h"
#include "ui/app/window_set.h"
#include "ui/language_output/xfm_window.h"
#include "ui/type_notation/tfm_window.h"

using namespace rekkan;

class WindowSetTest : public QObject {
    Q_OBJECT
private slots:
    // The program ends with a tool window still open: the place it has then is the one stored,
    // as if it had been closed; a window never opened keeps what it had.
    void toolWindowOpenAtTheEndKeepsItsPlace() {
        test::TempDir dir;
        ui::RekkanApp app(ProgramFolder{dir.Path(), false, {}});
        app.LoadSettings();
        const WindowPlace untouched = app.settings().FPS_Tfm;
        {
            ui::WindowSet windows(app);
            windows.Xfm().show();
            QVERIFY(QTest::qWaitForWindowExposed(&windows.Xfm()));
            ui::RestorePlacement(windows.Xfm(), WindowPlace{60, 70, 520, 410});
        }
        QCOMPARE(app.settings().FPS_Xfm, (WindowPlace{60, 70, 520, 410}));
        QCOMPARE(app.settings().FPS_Tfm, untouched);
    }
};

QTEST_MAIN(WindowSetTest)
#include "window_set_test.moc"
