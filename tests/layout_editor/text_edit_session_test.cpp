#include "layout_editor/text_edit_session.h"

#include <functional>
#include <tuple>

#include "controller_fixture.h"
#include "layout_editor/editor_text_format.h"
#include "util/text.h"

namespace rekkan::test {
namespace {

TEST(EditorTextFormat, RulerSpacingRemarksAndReadBack) {
    // From column 100 on the ruler grows.
    EXPECT_EQ(EditorRuler(8, 21) + "|" + EditorRuler(70, 75) + "|" + EditorRuler(99, 101),
              "--1----+----2-|7-*--+|-10-");

    const std::string text = "A\r\n  \r\n//c\r\nB\n" + sj("　//d") + "\r\n//e\r\n";
    EXPECT_EQ(CompactEditorText(text), "A\r\n//c\r\nB\r\n" + sj("　//d") + "\r\n//e\r\n");
    const std::string spaced = "A\r\n\r\n//c\r\nB\r\n\r\n" + sj("　//d") + "\r\n//e\r\n\r\n";
    EXPECT_EQ(std::make_pair(SpacedEditorText(text), SpacedEditorText(spaced)), std::make_pair(spaced, spaced));

    const RemarkInsertion r = InsertRemarkLine("  05 A  PIC X.  //name\r\nNEXT", 0);
    EXPECT_EQ(r.text, "  05 A  PIC X.  //name\r\n" + std::string(16, ' ') + "//" + sj("備考→") + "\r\nNEXT");
    EXPECT_EQ(r.text.substr(0, static_cast<std::size_t>(r.caret)).substr(r.text.find("\r\n") + 2),
              std::string(16, ' ') + "//" + sj("備考→"));
    EXPECT_EQ(InsertRemarkLine("X", 0).text, "X\r\n//" + sj("備考→") + "\r\n");

    EXPECT_EQ(ReadBackEditorText("\xe7\x95\xaa\xe5\x8f\xb7\nA\rB\r\n"), sj("番号") + "\r\nA\r\nB\r\n");
    EXPECT_EQ(ReadBackEditorText(sj("番号") + "\n"), sj("番号") + "\r\n");  // CP932 stays as it is
}

TEST(EditorTextFormat, CommandLineIsAnExistingProgramOrShellWords) {
    TempDir dir;
    const std::string program = dir.File("my editor");
    WriteBytes(ToFsPath(program), "#!/bin/sh\n");
    EXPECT_EQ(EditorCommandLine(program, "w.cpp"), (std::vector<std::string>{program, "w.cpp"}));
    EXPECT_EQ(EditorCommandLine(" code --wait ", "w.cpp"), (std::vector<std::string>{"code", "--wait", "w.cpp"}));
    EXPECT_EQ(EditorCommandLine(R"('my ed' -c "a \"b\"" x\ y)", "w"),
              (std::vector<std::string>{"my ed", "-c", "a \"b\"", "x y", "w"}));
    EXPECT_TRUE(EditorCommandLine("  ", "w").empty());
}

/// A layout with a comment of its own (not the first row's name) and a key on CODE.
class TextEditTest : public ControllerFixture {
protected:
    TextEditTest() {
        Doc().items = MakeRows({{.name = "REC", .type = kGroup},
                                {.level = 2, .name = "CODE", .bytes = 5},
                                {.level = 2, .name = sj("番号#1"), .var = "NO", .type = kUNum, .bytes = 3}});
        Doc().RdfCmt = sj("顧客マスタ");
        Doc().keyLines = {"   Key #1",
                          controller.Keys().ItemLineForRow(Doc(), MeasureLayout(Doc()), 1, sj("可"), sj("降順"))};
        Doc().modified = false;
        controller.ReplaceDocument(Doc());
    }
    static std::string Renamed(std::string text) {
        const std::size_t at = text.find("CODE");
        return at == std::string::npos ? text : text.replace(at, 4, "KODE");
    }
    BuiltInEditSession session{controller, messages};
};

TEST_F(TextEditTest, ClosingDecisionsOfTheBuiltInEditor) {
    const LayoutDocument opened = Doc();
    // Opened and closed at once: nothing asked, nothing changed.
    std::string text = session.Open();
    EXPECT_NE(text.find(sj("#1.1d-")), std::string::npos);
    EXPECT_TRUE(session.Close(text));
    EXPECT_EQ(std::make_tuple(messages.Log().size(), Doc().items), std::make_tuple(0u, opened.items));

    // Edit, verify, leave the verification, close with No: the layout as at opening.
    text = session.Open();
    session.TextChanged();
    std::string shown;
    ASSERT_TRUE(session.Verify(Renamed(text), shown));
    // The comment survives the round trip; "#1" in a name is no key mark but part of the name.
    EXPECT_EQ(std::make_tuple(Doc().items[1].KOM, Doc().RdfCmt, Doc().items[2].KOM, Doc().keyLines.size()),
              std::make_tuple("KODE", sj("顧客マスタ"), sj("番号#1"), 2u));
    EXPECT_NE(shown.find("KODE #1.1d-"), std::string::npos);
    EXPECT_EQ(session.EndVerify(), Renamed(text));
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(session.Close(Renamed(text)));
    messages.Script(Answer::No);
    EXPECT_TRUE(session.Close(Renamed(text)));
    EXPECT_EQ(std::make_tuple(Doc().items, Doc().modified), std::make_tuple(opened.items, false));

    // Edit, verify, close with Yes: kept, modified, one undo step back to the opening rows.
    text = session.Open();
    session.TextChanged();
    ASSERT_TRUE(session.Verify(Renamed(text), shown));
    messages.Script(Answer::Yes);
    EXPECT_TRUE(session.Close(shown));
    EXPECT_EQ(std::make_tuple(Doc().items[1].KOM, Doc().modified, Model().History().Count()),
              std::make_tuple("KODE", true, 1));
    ASSERT_TRUE(Model().Undo());
    EXPECT_EQ(Doc().items, opened.items);
}

/// An external editor played by a function over the work file's bytes.
struct FakeRunner : EditorRunner {
    std::function<bool(std::string&)> edit;  ///< false: could not start
    long long ms = 5000;
    std::vector<std::string> command;
    bool RunAndWait(const std::vector<std::string>& c, long long& elapsedMs) override {
        command = c;
        std::string bytes = ControllerFixture::Bytes(c.back());
        if (!edit(bytes)) return false;
        ControllerFixture::Put(c.back(), bytes);
        elapsedMs = ms;
        return true;
    }
};

TEST_F(TextEditTest, ExternalEditorRoundTrip) {
    settings.Edt_EditorPath = "code --wait";
    const LayoutDocument opened = Doc();
    FakeRunner runner;
    // Line ends rewritten only: no change, no undo step, still imported; a slow editor is not reported.
    runner.edit = [](std::string& b) {
        std::erase(b, '\r');
        return true;
    };
    ASSERT_TRUE(EditWithExternalEditor(controller, messages, runner));
    EXPECT_EQ(runner.command, (std::vector<std::string>{"code", "--wait", controller.WorkFilePath()}));
    EXPECT_EQ(std::make_tuple(Doc().items, Doc().modified, Model().History().Empty(), messages.Log().size()),
              std::make_tuple(opened.items, false, true, 0u));

    // Saved as UTF-8 with a changed name: converted, one undo step, modified.
    runner.edit = [](std::string& b) {
        b = Cp932ToUtf8(Renamed(b));
        return true;
    };
    ASSERT_TRUE(EditWithExternalEditor(controller, messages, runner));
    EXPECT_EQ(std::make_tuple(Doc().items[1].KOM, Doc().items[2].KOM, Doc().modified, Model().History().Count()),
              std::make_tuple("KODE", sj("番号#1"), true, 1));

    // Back at once with nothing changed: reported with the hint.
    runner.ms = 100;
    runner.edit = [](std::string&) { return true; };
    ASSERT_TRUE(EditWithExternalEditor(controller, messages, runner));
    ASSERT_EQ(messages.Log().size(), 1u);
    EXPECT_NE(messages.Log()[0].text.find("--wait"), std::string::npos);

    // A program that cannot be started: the message naming it, the layout untouched.
    runner.edit = [](std::string&) { return false; };
    const LayoutDocument before = Doc();
    EXPECT_FALSE(EditWithExternalEditor(controller, messages, runner));
    EXPECT_EQ(messages.Log().back().text.substr(0, sj("エディタを起動できません。").size()),
              sj("エディタを起動できません。"));
    EXPECT_NE(messages.Log().back().text.find("PATH = code --wait"), std::string::npos);
    EXPECT_EQ(Doc().items, before.items);
}

TEST_F(TextEditTest, CharactersShiftJisCannotHoldAreReplacedOnlyWhenTheUserAgrees) {
    const LayoutDocument opened = Doc();
    const auto asked = [&] {
        return !messages.Log().empty() && messages.Log().back().kind == ScriptedMessages::Entry::Kind::OkCancel &&
               messages.Log().back().text.find(sj("「?」に置き換えて")) != std::string::npos;
    };
    // The built-in editor: a name typed with an emoji reaches the session as '?' and not lossless.
    std::string text = session.Open();
    session.TextChanged();
    const std::string typed = Renamed(text).replace(Renamed(text).find("KODE"), 4, "K?DE");
    std::string shown;
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(session.Verify(typed, shown, false));
    EXPECT_TRUE(asked());
    EXPECT_EQ(std::make_tuple(Doc().items, session.Verifying()), std::make_tuple(opened.items, false));
    // Closing: Yes to saving, then Cancel keeps the window open with the layout untouched.
    messages.Script(Answer::Yes);
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(session.Close(typed, false));
    EXPECT_TRUE(asked());
    EXPECT_EQ(Doc().items, opened.items);
    messages.Script(Answer::Yes);
    messages.Script(Answer::Ok);
    EXPECT_TRUE(session.Close(typed, false));
    EXPECT_EQ(Doc().items[1].KOM, "K?DE");

    // An external editor that saved UTF-8 with a character CP932 has no form for: the other
    // Japanese names still read right, the one character becomes '?' once the user agrees.
    settings.Edt_EditorPath = "code --wait";
    controller.ReplaceDocument(opened);
    FakeRunner runner;
    runner.edit = [](std::string& b) {
        b = Cp932ToUtf8(b);
        b.replace(b.find("CODE"), 4,
                  "C\xF0\x9F\x98\x80"
                  "DE");
        return true;
    };
    messages.Script(Answer::Cancel);
    EXPECT_FALSE(EditWithExternalEditor(controller, messages, runner));
    EXPECT_TRUE(asked());
    EXPECT_EQ(std::make_tuple(Doc().items, Doc().modified), std::make_tuple(opened.items, false));
    messages.Script(Answer::Ok);
    EXPECT_TRUE(EditWithExternalEditor(controller, messages, runner));
    EXPECT_EQ(std::make_tuple(Doc().items[1].KOM, Doc().items[2].KOM, Doc().RdfCmt),
              std::make_tuple("C?DE", sj("番号#1"), sj("顧客マスタ")));
}

TEST_F(TextEditTest, WorkFileIsCreatedExclusivelyAndOnlyOursIsRemoved) {
    const std::string taken = controller.WorkFilePath();
    Put(taken, "another program's");
    ASSERT_TRUE(controller.WriteWorkFile("ours"));
    EXPECT_EQ(std::make_tuple(controller.WorkFilePath(), Bytes(taken)),
              std::make_tuple(dir.File("KvelWk093015_2.cpp"), "another program's"));
    ASSERT_TRUE(controller.WriteWorkFile("ours again"));  // the same file from now on
    EXPECT_EQ(Bytes(dir.File("KvelWk093015_2.cpp")), "ours again");
    EXPECT_TRUE(controller.Shutdown({}));
    EXPECT_EQ(std::make_pair(std::filesystem::exists(ToFsPath(dir.File("KvelWk093015_2.cpp"))),
                             std::filesystem::exists(ToFsPath(taken))),
              std::make_pair(false, true));
}

}  // namespace
}  // namespace rekkan::test
