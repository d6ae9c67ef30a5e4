#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/rec_editor/rec_etc_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

struct NoDialogs : EditorDialogs {
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
};

/// The record editor showing one order record whose quantity is -123 in ASCII signs.
struct Fixture {
    test::TempDir dir;
    Settings settings;
    LayoutDocument doc;
    ScriptedMessages messages{Answer::Yes};
    NoDialogs dialogs;
    std::unique_ptr<ui::TFm_RecEditor> editor;

    Fixture() {
        SetDefaults(settings, dir.File(""), 8);
        const std::string layout = test::WriteLayout(dir.File("order.kvl"), "Orders", test::OrderItems());
        std::string record = test::OrderRecord("A", 1, 1, 1, "", 1);
        record.replace(6, 3, "\x31\x32\x73");
        test::WriteBytes(dir.Path() / "orders.dat", record);
        test::WriteBytes(dir.Path() / "g.LGP", FormatGroupText({GroupLine{layout, dir.File("orders.dat"), 0, 0}}));
        editor = std::make_unique<ui::TFm_RecEditor>(settings, doc, messages, dialogs);
        editor->show();
        editor->TakeArgument(ui::ToQ(dir.File("g.LGP")));
    }
    [[nodiscard]] QString Qty(int column = 7) const {
        return editor->Grid().model()->index(2, column).data().toString();
    }
    [[nodiscard]] QColor TreeBase() const {
        return editor->findChild<QTreeView*>(QStringLiteral("TreeView1"))->palette().color(QPalette::Base);
    }
};

template <typename W>
W* Find(QWidget& w, const char* name) {
    return w.findChild<W*>(QString::fromLatin1(name));
}

void Picture(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    w.grab().save(folder + "/" + name + ".png");
}

}  // namespace

class RecEtcWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryPageWithTheStoredValues() {
        Fixture f;
        f.settings.Chk_Msg_Delete = false;
        f.settings.Cmb_BtmChar = 1;
        f.settings.Str_BtmChar = "0D0A";
        ui::TFm_RecEtc w(f.settings, f.messages, f.editor.get());
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Rekkan 動作環境の定義"));
        QVERIFY(!Find<QCheckBox>(w, "Chk_Msg_Delete")->isChecked());
        QCOMPARE(Find<QComboBox>(w, "Cmb_FontSize")->currentText(), QStringLiteral(" 9"));
        QCOMPARE(Find<QLineEdit>(w, "Str_BtmChar")->text(), QStringLiteral("0D0A"));
        QCOMPARE(Find<QComboBox>(w, "Cmb_ZoneSign")->accessibleName(), QStringLiteral("ZONE 型の符号形式"));

        // The user value groups follow their lists, their labels grey or dark blue.
        auto* fillValue = Find<QLineEdit>(w, "Str_DefChar");
        QVERIFY(!fillValue->isEnabled());
        QVERIFY(Find<QLineEdit>(w, "Str_BtmChar")->isEnabled());
        Find<QComboBox>(w, "Cmb_DefChar")->setCurrentIndex(2);
        QVERIFY(fillValue->isEnabled());
        auto* label = qobject_cast<QLabel*>(fillValue->parentWidget()->findChild<QLabel*>());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));

        auto* tabs = Find<QTabWidget>(w, "PageControl1");
        QCOMPARE(tabs->count(), 4);
        w.resize(520, 380);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            Picture(w, QStringLiteral("rec_etc_page%1").arg(page + 1));
        }
        w.reject();
        ui::TFm_RecEtc again(f.settings, f.messages, f.editor.get());
        QCOMPARE(Find<QTabWidget>(again, "PageControl1")->currentIndex(), 3);  // the page it closed on
    }

    void storingAppliesAtOnceAndClosingUndoesUnstoredColours() {
        Fixture f;
        QVERIFY(!f.Qty(5).isEmpty());  // no EBCDIC number: the error mark
        const QColor before = f.TreeBase();
        {
            ui::TFm_RecEtc w(f.settings, f.messages, f.editor.get());
            w.ChooseColour(true, QColor(0, 128, 0));
            QCOMPARE(f.TreeBase(), QColor(0, 128, 0));  // shown at once
            w.reject();
        }
        QCOMPARE(f.TreeBase(), before);
        QCOMPARE(f.settings.Cmb_ZoneSign, 0);

        ui::TFm_RecEtc w(f.settings, f.messages, f.editor.get());
        Find<QComboBox>(w, "Cmb_ZoneSign")->setCurrentIndex(1);
        Find<QComboBox>(w, "Cmb_FontSize")->setCurrentIndex(3);  // 12
        Find<QLineEdit>(w, "Str_BtmChar")->setText(QStringLiteral("0d 0f"));
        w.ChooseColour(true, QColor(0, 0, 255));
        QTest::mouseClick(Find<QPushButton>(w, "Btn_Update"), Qt::LeftButton);
        QCOMPARE(ui::ToQ(f.messages.Log().back().text),
                 QStringLiteral("動作環境の定義を更新します。\r\n\r\nよろしいですか？"));
        QCOMPARE(f.settings.Cmb_ZoneSign, 1);
        QCOMPARE(f.Qty(), QStringLiteral("-123"));
        QVERIFY(f.Qty(5).isEmpty());
        QCOMPARE(f.editor->Grid().font().pointSize(), 12);
        QCOMPARE(f.settings.Str_BtmChar, std::string("0D0F"));
        QCOMPARE(Find<QLineEdit>(w, "Str_BtmChar")->text(), QStringLiteral("0D0F"));
        w.reject();
        QCOMPARE(f.TreeBase(), QColor(0, 0, 255));  // stored: stays
    }
};

QTEST_MAIN(RecEtcWindowTest)
#include "rec_etc_window_test.moc"
