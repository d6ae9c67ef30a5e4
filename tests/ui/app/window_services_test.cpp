#include <QTest>
#include <QWidget>

#include "ui/app/window_services.h"

using namespace rekkan;

class WindowServicesTest : public QObject {
    Q_OBJECT
private slots:
    void storedPlaceIsUsedOnlyWhenInsideTheScreen() {
        QWidget w;
        w.resize(300, 200);
        ui::RestorePlacement(w, WindowPlace{40, 50, 320, 240});
        QCOMPARE(w.geometry(), QRect(50, 40, 320, 240));
        QCOMPARE(ui::CapturePlacement(&w, WindowPlace{}), (WindowPlace{40, 50, 320, 240}));

        QWidget centred;
        centred.resize(300, 200);
        ui::RestorePlacement(centred, WindowPlace{0, 50, 999, 999});
        QCOMPARE(centred.size(), QSize(300, 200));
        ui::RestorePlacement(centred, WindowPlace{100000, 50, 999, 999});
        QCOMPARE(centred.size(), QSize(300, 200));
        QCOMPARE(ui::CapturePlacement(nullptr, WindowPlace{1, 2, 3, 4}), (WindowPlace{1, 2, 3, 4}));
    }

    void runAndWaitReportsAProgramThatCannotStart() {
        QVERIFY(!ui::RunAndWait(QStringLiteral("/no/such/program"), {}, nullptr));
        QVERIFY(ui::RunAndWait(QStringLiteral("/bin/true"), {}, nullptr));
    }
};

QTEST_MAIN(WindowServicesTest)
#include "window_services_test.moc"
