#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "support/test_support.h"
#include "tools/help_texts.h"
#include "ui/app/japanese_buttons.h"
#include "ui/app/qt_text.h"
#include "ui/print/table_printer.h"
#include "ui/text_viewer/browse_window.h"
#include "ui/text_viewer/help_menu.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

using namespace rekkan;
using rekkan::ui::ToQ;

class BrowseWindowTest : public QObject {
    Q_OBJECT

private:
    static void Save(QWidget& w, const QString& name) {
        const QString dir = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        w.grab().save(dir + "/" + name + ".png");
    }

    /// Output of a poppler tool on `pdf`, or a null string when the tool is missing.
    static QString Poppler(const QString& tool, const QStringList& arguments) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
        QProcess p;
        p.start(tool, arguments);
        p.waitForFinished(-1);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static PrintTable Fruits(int rows) {
        PrintTable t;
        t.title = "Fruit list";
        t.headings = {"Path     = /data/fruit.dat", "", "Rec.Len = 12", ""};
        t.columnWidths = {60, 200};
        t.fixedRows = 1;
        t.cells.push_back({" SEQ", " NAME"});
        for (int i = 1; i < rows; ++i) t.cells.push_back({std::to_string(i), i % 2 ? "apple" : sj("りんご")});
        return t;
    }

private slots:
    void helpItemsShowTheirTextsInTheViewer() {
        test::TempDir dir;
        test::WriteBytes(dir.Path() / "Doc_Rekkan_Begin.Txt", sj("Rekkan 始めに\r\n<html> & text\r\n"));
        ScriptedMessages msgs;
        Settings settings;
        ui::TFm_Browse browse(settings, msgs);
        QMenu help;
        ui::FillHelpMenu(help, browse, {dir.File("")}, msgs);
        QCOMPARE(help.title(), QStringLiteral("Help(&H)"));
        const auto actions = help.actions();
        QCOMPARE(actions.size(), 13);  // twelve items and the separator before the home page

        actions[1]->trigger();
        QCOMPARE(browse.windowTitle(),
                 QStringLiteral("Browse  2. Rekkan 始めに  [ %1 ]").arg(ToQ(dir.File("Doc_Rekkan_Begin.Txt"))));
        QCOMPARE(browse.TextArea()->toPlainText(), QStringLiteral("Rekkan 始めに\n<html> & text\n"));
        QVERIFY(browse.DocumentList()->isVisibleTo(&browse));
        QCOMPARE(browse.DocumentList()->count(), 11);
        QCOMPARE(browse.DocumentList()->currentText(), QStringLiteral("2. Rekkan 始めに"));

        actions[2]->trigger();  // FirstStep is not in this folder: the text stays
        QCOMPARE(msgs.Texts(), std::vector<std::string>{sj("ファイルがありません。\r\n\r\n     File = ") +
                                                        dir.File("Doc_Rekkan_FirstStep.Txt")});
        QCOMPARE(browse.TextArea()->toPlainText(), QStringLiteral("Rekkan 始めに\n<html> & text\n"));

        browse.DocumentList()->setCurrentIndex(0);
        emit browse.DocumentList()->activated(0);
        QCOMPARE(browse.ShownText(), AboutText());
        QCOMPARE(browse.windowTitle(), QStringLiteral("Browse  1. Rekkan について"));
        Save(browse, "browse_about");

        msgs.Clear();
        const std::string page = dir.File("help.Html");
        QVERIFY(browse.WriteHelpPage(page));
        const std::string html = test::ReadBytes(std::string_view(page));
        QVERIFY(html.find("<Pre>" + sj("Rekkan 始めに") + "\r\n&lt;html&gt; &amp; text\r\n</Pre>") !=
                std::string::npos);
        QVERIFY(html.find(sj("<A href=\"#Page_11\">11. Rekkan 改版履歴</A>")) != std::string::npos);
        QCOMPARE(browse.ShownText(), AboutText());  // the entry shown before is shown again

        QMenu stranger(QStringLiteral("Other"));
        msgs.Clear();
        browse.ShowText(&stranger, "x", "y");
        QCOMPARE(msgs.Texts(),
                 std::vector<std::string>{sj("Browse サブメニューが登録されていません。\r\n\r\n  → Other")});
        QVERIFY(!browse.DocumentList()->isVisibleTo(&browse));
    }

    void numberedFileAndWidthButton() {
        test::TempDir dir;
        std::string text;
        for (int i = 1; i <= 40; ++i) text += "record " + std::to_string(i) + ",A,B,C\r\n";
        test::WriteBytes(dir.Path() / "out.csv", text);
        ScriptedMessages msgs;
        Settings settings;
        ui::TFm_Browse browse(settings, msgs);
        QVERIFY(browse.ShowFile(nullptr, sj("★出力しました。 "), true, dir.File("out.csv")));
        QVERIFY(browse.TextArea()->toPlainText().startsWith(QStringLiteral("00001 record 1,A,B,C\n00002 record 2")));
        QVERIFY(!browse.ShowFile(nullptr, "blank", true, "   "));
        QCOMPARE(browse.windowTitle(), QStringLiteral("Browse blank [     ]"));
        QVERIFY(browse.TextArea()->toPlainText().startsWith(QStringLiteral("00001 record 1")));
        QVERIFY(msgs.Log().empty());

        browse.hide();  // shown again, the file is read again
        test::WriteBytes(dir.Path() / "out.csv", "changed\r\n" + text);
        browse.show();
        QVERIFY(browse.TextArea()->toPlainText().startsWith(QStringLiteral("00001 changed\n00002 record 1")));
        test::WriteBytes(dir.Path() / "out.csv", text);

        const int created = browse.width();
        auto* wide = browse.findChild<QPushButton*>(QStringLiteral("Btn_Wide"));
        for (int i = 0; i < 3; ++i) QTest::mouseClick(wide, Qt::LeftButton);
        QCOMPARE(browse.width(), created);
        QVERIFY(browse.ShowFile(nullptr, sj("★出力しました。 "), true, dir.File("out.csv")));
        Save(browse, "browse_numbered");

        const PrintTable table = browse.TableToPrint();
        QCOMPARE(table.RowCount(), 40);
        QCOMPARE(table.Cell(0, 0), std::string_view(" 00001 record 1,A,B,C"));
        QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
        browse.Print();  // the viewer keeps print settings of its own
        QCOMPARE(settings.printPreviewLines.size(), std::size_t{7});
        QVERIFY(settings.printPreviewLines.front().starts_with("GPB_"));
    }

    void printsATableAsPdfPages() {
        test::TempDir dir;
        const QString one = ToQ(dir.File("one.pdf"));
        const QString cut = ToQ(dir.File("cut.pdf"));
        QVERIFY(ui::PrintTableToPdf(Fruits(5), PrintSettings{}, one));
        PrintTable many = Fruits(2100);
        many.rowLimit = kRecordPrintRowLimit;
        QVERIFY(ui::PrintTableToPdf(many, PrintSettings{PaperSize::A4, true, 10, 10, 10, 10, 100}, cut));

        const QString info = Poppler("pdfinfo", {one});
        if (info.isNull()) QSKIP("pdfinfo/pdftotext (poppler-utils) not installed: PDF text not checked");
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+1\\n")));
        const QString text = Poppler("pdftotext", {"-layout", one, "-"});
        QCOMPARE(text.section('\n', 0, 0).trimmed(), QStringLiteral("Fruit list"));
        QVERIFY(text.contains(QStringLiteral("りんご")));
        const QString cutText = Poppler("pdftotext", {"-layout", cut, "-"});
        QVERIFY(cutText.contains(QStringLiteral("先頭の 2000 行だけを印刷します（全 2099 行")));
        QVERIFY(cutText.contains(QStringLiteral("2000")) && !cutText.contains(QStringLiteral("\n 2001 ")));
        const int pages = Poppler("pdfinfo", {cut}).section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
        QVERIFY2(pages > 40 && pages < 200, qPrintable(QString::number(pages)));
    }

    void previewPageAndJapaneseButtons() {
        std::vector<std::string> lines = {"GP_PaperSize=3", "GPB_PaperSize=0"};
        QTimer::singleShot(0, this, [] {
            QWidget* preview = QApplication::activeModalWidget();
            QVERIFY(preview);
            preview->resize(900, 700);
            QCoreApplication::processEvents();
            Save(*preview, "print_preview");
            preview->close();
        });
        ui::PrintWithPreview(Fruits(30), lines, kSharedPrintPrefix, nullptr);
        QCOMPARE(ReadPrintSettings(lines, kSharedPrintPrefix).paper, PaperSize::B4);  // kept for the next print
        QCOMPARE(ReadPrintSettings(lines, kViewerPrintPrefix).paper, PaperSize::A3);
        QCOMPARE(lines.size(), std::size_t{1 + 7});

        if (!ui::InstallJapaneseButtons(*QCoreApplication::instance()))
            QSKIP("qt6-translations-l10n not installed: buttons stay in English");
        QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
        QVERIFY(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
        QVERIFY(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("キャンセル")));
    }
};

QTEST_MAIN(BrowseWindowTest)
#include "browse_window_test.moc"
