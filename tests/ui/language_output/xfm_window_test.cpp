#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "tool_window_support.h"
#include "ui/language_output/xfm_window.h"

using namespace rekkan;

class XfmWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The options chosen in the lists and the three buttons: each file holds what rekkan-cli
    // writes for the same layout (prefix, key item, redefinition) and the same options.
    void writesWhatTheCommandLineWrites() {
        test::ToolWindowBench bench;
        ui::TFm_Xfm xfm(bench.kvel.Controller(), bench.messages, bench.shell);
        bench.kvel.ConnectToolWindow(QStringLiteral("3. 編集内容を 言語形式 で出力する (&L)"), &xfm);
        QAction* open = bench.MenuItem(QStringLiteral("3. 編集内容を 言語形式 で出力する (&L)"));
        QVERIFY(open && open->isEnabled());
        open->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&xfm));
        QCOMPARE(xfm.windowTitle(), QStringLiteral("Morvane for Rekkan 言語形式への変換出力"));
        QCOMPARE(xfm.OptionList(CobolOptionBox::PicColumn)->currentText(), QStringLiteral("  45 桁目"));
        QCOMPARE(xfm.OptionList(CobolOptionBox::PicColumn)->accessibleName(), QStringLiteral("PIC 句の位置"));

        xfm.OptionList(CobolOptionBox::PicColumn)->setCurrentIndex(22);
        xfm.OptionList(CobolOptionBox::Packed)->setCurrentIndex(1);
        xfm.OptionList(CobolOptionBox::LevelStart)->setCurrentIndex(4);
        xfm.OptionList(CobolOptionBox::CommentColumn)->setCurrentIndex(2);
        xfm.OptionList(CobolOptionBox::BlankLines)->setCurrentIndex(1);
        xfm.OptionList(CobolOptionBox::Japanese)->setCurrentIndex(1);
        QCOMPARE(bench.settings.Cmb_CobPP, 22);
        QCOMPARE(bench.settings.Cmb_CobSN, 4);
        test::Picture(xfm, "xfm_window");

        const QStringList options = {"--option", "Cmb_CobPP=22", "--option", "Cmb_CobPK=1", "--option", "Cmb_CobSN=4",
                                     "--option", "Cmb_CobKP=2",  "--option", "Cmb_CobCR=1", "--option", "Cmb_CobJpn=1"};
        const std::pair<OutputLanguage, QString> languages[] = {
            {OutputLanguage::C, "c"}, {OutputLanguage::Vb, "vb"}, {OutputLanguage::Cobol, "cobol"}};
        for (const auto& [language, word] : languages) {
            const std::string target = bench.dir.File("out." + word.toStdString());
            bench.shell.saveAnswers = {target};
            bench.messages.Script(Answer::Yes);
            QTest::mouseClick(xfm.LanguageButton(language), Qt::LeftButton);
            const std::string written = test::ReadBytes(std::string_view(target));
            QCOMPARE(written, bench.Cli(QStringList{"export", word, QString::fromStdString(bench.layout)} + options));
            QVERIFY(written.find("#1.1d-") != std::string::npos);  // the key mark
            QCOMPARE(bench.shell.shownFiles.back(), target);
        }
        QCOMPARE(bench.shell.asked.back().fileName, std::string("RICH.COB"));
    }
};

QTEST_MAIN(XfmWindowTest)
#include "xfm_window_test.moc"
