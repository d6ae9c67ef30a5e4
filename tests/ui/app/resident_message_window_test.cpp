#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "ui/app/resident_message_window.h"

class ResidentMessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsItselfAndReplacesOnlyADifferentText() {
        rekkan::ui::TFm_ResidentMsg w;
        QVERIFY(w.isHidden());
        auto* text = w.findChild<QTextEdit*>();
        QSignalSpy changed(text, &QTextEdit::textChanged);

        w.ShowMessage(QStringLiteral("レコード長が違います。"), Qt::red);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Message(), QStringLiteral("レコード長が違います。"));
        QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(changed.count(), 1);

        w.hide();
        w.ShowMessage(QStringLiteral("レコード長が違います。"), Qt::blue);  // same text: kept, colour follows
        QCOMPARE(changed.count(), 1);
        QVERIFY(w.isVisible());
        QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::blue));
    }
};

QTEST_MAIN(ResidentMessageWindowTest)
#include "resident_message_window_test.moc"
