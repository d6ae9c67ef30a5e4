#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QThread>

#include <atomic>

#include "ui/app/background_job.h"
#include "ui/app/colours.h"
#include "ui/app/file_filter.h"
#include "ui/app/japanese_font.h"
#include "ui/app/qt_text.h"
#include "util/encoding.h"

using namespace rekkan;

class AppKitTest : public QObject {
    Q_OBJECT
private slots:
    void dialogFiltersBecomeQtFilters_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("csv") << "(*.csv)|*.csv|(*.*)|*.*"
                             << "(*.csv) (*.csv);;(*.*) (*)";
        QTest::newRow("two patterns") << "(*.kvl;*.lay)|*.kvl;*.lay|(*.kvl)|*.kvl"
                                      << "(*.kvl;*.lay) (*.kvl *.lay);;(*.kvl) (*.kvl)";
        QTest::newRow("group") << "(*.LGP)|*.LGP|(*.*)|*.*"
                               << "(*.LGP) (*.LGP);;(*.*) (*)";
    }
    void dialogFiltersBecomeQtFilters() {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(ui::QtFilter(given.toStdString()), expected);
        QCOMPARE(ui::ExtensionFilter(".dat"), QStringLiteral("(*.dat) (*.dat);;(*.*) (*)"));
    }

    void storedColoursAreBlueGreenRed() {
        QCOMPARE(ui::FromBgr(0x00D7FF), QColor(0xFF, 0xD7, 0x00));  // gold
        QCOMPARE(ui::FromBgr(0x000080), QColor(0x80, 0, 0));        // dark red
        QCOMPARE(ui::ToBgr(QColor(0x12, 0x34, 0x56)), 0x563412);
        QCOMPARE(ui::FromBgr(static_cast<int>(0x80000005u)), QGuiApplication::palette().color(QPalette::Base));
    }

    void textThatShiftJisCannotHoldIsRefused() {
        std::string out;
        QVERIFY(ui::ToCp932(QStringLiteral("顧客ｶﾅ"), out));
        QCOMPARE(out, sj("顧客ｶﾅ"));
        QVERIFY(!ui::ToCp932(QStringLiteral("😀"), out));
        QVERIFY(!ui::ToCp932(QStringLiteral("한"), out));
    }

    void aJobRunsOffTheWindowThreadAndStopsWhenAsked() {
        ui::BackgroundJob job;
        QSignalSpy finished(&job, &ui::BackgroundJob::finished);
        std::atomic<bool> running{false};
        std::atomic<bool> elsewhere{false};
        QThread* window = QThread::currentThread();
        QVERIFY(job.Start([&](const ui::BackgroundJob::Progress& progress) {
            elsewhere = QThread::currentThread() != window;
            running = true;
            for (std::int64_t i = 0;; ++i)
                if (!progress(i % 1000, 1000)) return false;
        }));
        QVERIFY(!job.Start([](const ui::BackgroundJob::Progress&) { return true; }));  // one at a time
        QTRY_VERIFY(running);
        job.Cancel();
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(elsewhere);
        QVERIFY(!job.Running());
        QVERIFY(job.Start([](const ui::BackgroundJob::Progress& progress) { return progress(1, 1); }));
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(1).at(0).toBool(), true);
    }

    // Lines of a message with the same leading blanks start at the same place, whatever
    // follows the blanks: katakana, kanji or Latin letters.
    void linesWithTheSameLeadingBlanksLineUp() {
        const QString latin = QFontInfo(QApplication::font()).family();
        ui::UseJapaneseFallbackFont();
        QCOMPARE(QFontInfo(QApplication::font()).family(), latin);  // letters keep their face
        const auto start = [](const QString& line) {
            QTextLayout layout(line, QApplication::font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            return layout.lineAt(0).cursorToX(4);
        };
        const qreal katakana = start(QStringLiteral("    レコード長が大き過ぎます。"));
        QCOMPARE(start(QStringLiteral("    項目の繰り返し数か桁数を減らして下さい。")), katakana);
        QCOMPARE(start(QStringLiteral("    Rec.No")), katakana);
    }
};

QTEST_MAIN(AppKitTest)
#include "app_kit_test.moc"
