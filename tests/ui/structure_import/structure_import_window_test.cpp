#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "model/layout_file.h"
#include "support/test_support.h"
#include "ui/app/qt_text.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/structure_import/structure_import_window.h"
#include "ui/text_viewer/browse_window.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// Answers the next file dialog with `path` once it is open.
void AnswerFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

/// What `rekkan-cli import` writes for `arguments`.
QByteArray CommandLineImport(const QStringList& arguments) {
    QProcess cli;
    cli.start(qEnvironmentVariable("REKKAN_BIN_DIR") + "/rekkan-cli", QStringList{"import"} + arguments);
    if (!cli.waitForFinished(20000) || cli.exitCode() != 0) return "failed: " + cli.readAllStandardError();
    return cli.readAllStandardOutput();
}

template <typename T>
T* Child(QWidget& w, const QString& accessibleName) {
    for (T* c : w.findChildren<T*>())
        if (c->accessibleName() == accessibleName || c->property("text").toString() == accessibleName) return c;
    return nullptr;
}

}  // namespace

class StructureImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each language chosen by its button, options set in the window and OK pressed gives the
    // layout `rekkan-cli import` writes with the same options.
    void importsEachLanguageAsTheCommandLineDoes() {
        test::TempDir dir;
        Settings settings;
        ScriptedMessages msgs(Answer::No);
        ui::TFm_Kvel kvel(settings, dir.Path(), msgs);
        ui::TFm_Browse browse(settings, msgs);
        int focused = 0;
        ui::TFm_Hed w(kvel.Controller(), msgs, browse, [&] { ++focused; });
        w.ShowFileName();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane for Rekkan 構造体の取り込み"));

        test::WriteBytes(dir.Path() / "a.cob",
                         "01 CUST.\n05 CUST-NO PIC 9(5).\n05 NAME PIC X(10).\n05 ALT REDEFINES NAME PIC 9(10).\n"
                         "01 SECOND.\n05 S-A PIC X OCCURS 1 TO 3 DEPENDING ON CUST-NO.\n");
        test::WriteBytes(dir.Path() / "a.h", "struct REC {\n  char code[5];\n  short qty[2][3];\n};\n");
        test::WriteBytes(dir.Path() / "a.bas", "Type VREC\n  A As String * 5\n  B As Integer\nEnd Type\n");
        Child<QComboBox>(w, QStringLiteral("行番号桁数"))->setCurrentIndex(0);
        Child<QComboBox>(w, QStringLiteral("有効桁数"))->setCurrentIndex(0);
        Child<QComboBox>(w, QStringLiteral("コメント行有効桁数"))->setCurrentIndex(0);
        Child<QCheckBox>(w, QStringLiteral("多次元配列をグループ項目で展開する"))->setChecked(false);
        Child<QRadioButton>(w, QStringLiteral("別の構造体にまとめて展開する"))->setChecked(true);
        QCOMPARE(settings.Cmb_CobSeq, 0);
        QVERIFY(!settings.Chk_RedInclude && !settings.Chk_AryExt);

        struct Case {
            SourceLanguage language;
            const char* file;
            int row;
            QStringList options;
        };
        const Case cases[] = {
            {SourceLanguage::Cobol,
             "a.cob",
             2,
             {"cobol", "--seq", "0", "--valid", "0", "--comment-valid", "0", "--gathered", "--select", "3"}},
            {SourceLanguage::C, "a.h", 0, {"c", "--array-groups", "no"}},
            {SourceLanguage::Vb, "a.bas", 0, {"vb", "--array-groups", "no"}},
        };
        for (const Case& c : cases) {
            const QString path = ui::ToQ(dir.File(c.file));
            AnswerFileDialog(path);
            QTest::mouseClick(w.LanguageButton(c.language), Qt::LeftButton);
            QCOMPARE(w.MessageLabel()->text(), QStringLiteral("取り込む構造体を選択して下さい。"));
            kvel.Controller().Document().modified = false;
            w.List()->setCurrentIndex(w.List()->model()->index(c.row, 0));
            QVERIFY(w.Display()->text().startsWith(QString::number(c.row + 1).rightJustified(5) + "."));
            QTest::mouseClick(w.OkButton(), Qt::LeftButton);
            QVERIFY(!w.isVisible());
            const QByteArray expected = CommandLineImport(c.options + QStringList{path});
            const std::string got = FormatLayoutFile(kvel.Controller().Document());
            QCOMPARE(QByteArray::fromStdString(got), expected);
            w.ShowFileName();
        }
        QCOMPARE(focused, 3);
        // The variable-length record was reported with its result.
        QVERIFY(msgs.Texts().front().find("SECOND") != std::string::npos);

        // Switching the redefinition mode scans the same source again.
        AnswerFileDialog(ui::ToQ(dir.File("a.cob")));
        QTest::mouseClick(w.LanguageButton(SourceLanguage::Cobol), Qt::LeftButton);
        QCOMPARE(w.List()->model()->rowCount(), 3);
        Child<QRadioButton>(w, QStringLiteral("同じ構造体に展開する"))->setChecked(true);
        QCOMPARE(w.List()->model()->rowCount(), 2);
        w.List()->setCurrentIndex(w.List()->model()->index(0, 0));
        const QString dirName = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (!dirName.isEmpty()) {
            QDir().mkpath(dirName);
            w.grab().save(dirName + "/structure_import.png");
        }
    }
};

QTEST_MAIN(StructureImportWindowTest)
#include "structure_import_window_test.moc"
