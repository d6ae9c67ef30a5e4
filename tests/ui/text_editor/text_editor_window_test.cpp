#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "layout_editor/layout_editor_controller.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/memo/memo_window.h"
#include "ui/text_editor/qt_editor_runner.h"
#include "ui/text_editor/text_editor_window.h"
#include "ui/text_viewer/browse_window.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

void Picture(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}

/// An executable shell script `name` in `dir` holding `body`; returns its path.
std::string Script(const test::TempDir& dir, const char* name, const std::string& body) {
    const std::string path = dir.File(name);
    test::WriteBytes(std::filesystem::path(path), "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

/// A layout editor over a temporary folder holding REC with CODE and QTY.
struct Setup {
    test::TempDir dir;
    Settings settings;
    ScriptedMessages msgs{Answer::No};
    ui::TFm_Kvel kvel{settings, dir.Path(), msgs};
    ui::TFm_Browse browse{settings, msgs};
    LayoutEditorController& c = kvel.Controller();
    Setup() {
        c.Document().items = MakeRows({{.name = "REC", .type = kGroup},
                                       {.level = 2, .name = "CODE", .bytes = 5},
                                       {.level = 2, .name = sj("数量"), .var = "QTY", .type = kUNum, .bytes = 3}});
        c.Document().RdfCmt = sj("受注");
        c.Document().modified = false;
    }
};

}  // namespace

class TextEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Edit, verify, return, close with No: the layout is as it was at opening.
    void builtInEditorVerifiesAndPutsBackOnNo() {
        Setup s;
        const std::vector<TRspec> opened = s.c.Document().items;
        ui::TFm_Editor w(s.c, s.msgs, s.browse);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane Text Editor for Rekkan "));
        QVERIFY(w.Ruler()->text().startsWith(QStringLiteral("--1----+----2")));
        QVERIFY(!w.VerifyButton()->isEnabled());
        Picture(w, "text_editor");

        QString text = w.Text()->toPlainText();
        text.replace(QStringLiteral("CODE"), QStringLiteral("KODE"));
        w.Text()->setPlainText(text);
        QVERIFY(w.VerifyButton()->isEnabled());
        QTest::mouseClick(w.VerifyButton(), Qt::LeftButton);
        QCOMPARE(w.VerifyButton()->text(), QStringLiteral("検証中"));
        QVERIFY(w.Text()->isReadOnly());
        QCOMPARE(s.c.Document().items[1].KOM, std::string("KODE"));
        QCOMPARE(s.c.Document().RdfCmt, sj("受注"));
        QTest::mouseClick(w.VerifyButton(), Qt::LeftButton);
        QVERIFY(!w.Text()->isReadOnly());
        QCOMPARE(w.Text()->toPlainText(), text);

        s.msgs.Script(Answer::No);
        QVERIFY(w.TryClose());
        QCOMPARE(s.msgs.Texts().back(), sj("内容が変更されています。\r\n\r\n保存しますか？"));
        QVERIFY(s.c.Document().items == opened);
        QVERIFY(!s.c.Document().modified);
    }

    // External editors: a sed script renames an item, one changing nothing returns at once,
    // a missing one cannot be started.
    void externalEditorsRoundTrip() {
        Setup s;
        ui::QtEditorRunner runner(&s.kvel, {});
        s.settings.Rbt_EditorOther = true;
        s.settings.Edt_EditorPath = Script(s.dir, "sed editor", "sed -i 's/CODE/KODE/' \"$1\"");
        QVERIFY(EditWithExternalEditor(s.c, s.msgs, runner));
        QCOMPARE(s.c.Document().items[1].KOM, std::string("KODE"));
        QVERIFY(s.c.Document().modified);
        QVERIFY(s.msgs.Log().empty());

        s.c.Document().modified = false;
        s.settings.Edt_EditorPath = Script(s.dir, "nothing", "exit 0");
        QVERIFY(EditWithExternalEditor(s.c, s.msgs, runner));
        QCOMPARE(s.c.Document().items[1].KOM, std::string("KODE"));
        QVERIFY(!s.c.Document().modified);
        QCOMPARE(s.msgs.Log().size(), std::size_t{1});
        QVERIFY(s.msgs.Texts().back().find("--wait") != std::string::npos);

        s.settings.Edt_EditorPath = s.dir.File("missing-editor");
        QVERIFY(!EditWithExternalEditor(s.c, s.msgs, runner));
        QVERIFY(s.msgs.Texts().back().rfind(sj("エディタを起動できません。"), 0) == 0);
        QVERIFY(s.msgs.Texts().back().find("missing-editor") != std::string::npos);
    }

    // The memo typed in its window is saved with the layout and replaced by a layout read.
    void memoIsKeptWithTheLayout() {
        Setup s;
        ui::TFm_Memo memo(s.c);
        memo.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QCOMPARE(memo.windowTitle(), QStringLiteral("Morvane File Memo"));
        memo.Text()->insertPlainText(QStringLiteral("受注の記録"));  // typed as an input method would
        QTest::keyClick(memo.Text(), Qt::Key_Return);
        QTest::keyClicks(memo.Text(), QStringLiteral("2nd"));
        QVERIFY(s.c.Document().modified);
        QCOMPARE(s.c.Document().memoLines, (std::vector<std::string>{sj("受注の記録"), "2nd"}));
        QVERIFY(memo.statusBar()->currentMessage().isEmpty());
        memo.Text()->insertPlainText(QStringLiteral("\U0001F600"));  // no Shift-JIS form: the user is told
        QVERIFY(!memo.statusBar()->currentMessage().isEmpty());
        memo.Text()->textCursor().deletePreviousChar();
        QCOMPARE(s.c.Document().memoLines, (std::vector<std::string>{sj("受注の記録"), "2nd"}));
        QVERIFY(memo.statusBar()->currentMessage().isEmpty());
        Picture(memo, "memo");
        s.c.Document().path = s.dir.File("m.kvl");
        s.msgs.Script(Answer::Yes);
        QVERIFY(s.c.Save(false));
        QVERIFY(test::ReadBytes(s.dir.Path() / "m.kvl").find("%memo!2nd\r\n") != std::string::npos);

        LayoutDocument other;
        other.items = s.c.Document().items;
        other.memoLines = {"other"};
        test::WriteBytes(s.dir.Path() / "o.kvl", FormatLayoutFile(other));
        QVERIFY(s.c.OpenPath(s.dir.File("o.kvl")));
        QTRY_COMPARE(memo.Text()->toPlainText(), QStringLiteral("other"));  // the open memo follows
        QVERIFY(!s.c.Document().modified);
    }
};

QTEST_MAIN(TextEditorWindowTest)
#include "text_editor_window_test.moc"
