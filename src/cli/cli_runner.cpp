#include <stdlib.h>
#include <cerrno>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "cli/command.h"
#include "cli/file_checks.h"
#include "model/settings.h"
#include "util/encoding.h"
#include "util/file_system.h"
#include "util/file_util.h"
#include "util/interrupt_cleanup.h"
#include "util/replacing_file.h"
#include "util/text.h"
#include "util/version.h"

namespace rekkan::cli {
namespace {

/// Messages of the core go to stderr; questions are answered Yes (a script asked for the run).
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(const Context& ctx) : ctx_(ctx) {}
    void Inform(const std::string& text, const std::string&, MessageIcon) override { ctx_.Error(text); }
    Answer AskYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    Answer AskOkCancel(const std::string&, const std::string&) override { return Answer::Ok; }

private:
    const Context& ctx_;
};

const OptionSpec* FindOption(const std::string& name, const Command* cmd) {
    for (const auto& o : GlobalOptions())
        if (name == o.name) return &o;
    if (cmd)
        for (const auto& o : cmd->options)
            if (name == o.name) return &o;
    return nullptr;
}

/// Whether an option of that name takes a value in any command (before the command is known).
bool TakesValueSomewhere(const std::string& name) {
    if (const OptionSpec* o = FindOption(name, nullptr)) return o->takesValue;
    for (const auto& c : Commands())
        if (const OptionSpec* o = FindOption(name, &c); o && o->takesValue) return true;
    return false;
}

/// Length of the UTF-8 sequence starting at `i`; 0 when the bytes there are not one.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return 0;
    return n;
}

/// An argument typed in UTF-8 as the CP932 text the model holds; false with the reason naming
/// the first character that is not valid UTF-8 or that CP932 cannot hold.
bool ArgumentToCp932(const std::string& utf8, std::string& cp932, std::string& reason) {
    if (Utf8ToCp932(utf8, cp932)) return true;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8SequenceAt(utf8, i);
        std::string one;
        if (n == 0 || !Utf8ToCp932(utf8.substr(i, n), one)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(utf8[i]));
            reason = n == 0 ? std::string("invalid UTF-8 at byte ") + hex
                            : "\"" + utf8.substr(i, n) + "\" has no Shift-JIS (CP932) form";
            return false;
        }
        i += n;
    }
    reason = "not valid UTF-8";
    return false;
}

/// One option line of the help.
void PrintOption(std::ostream& out, const char* indent, const OptionSpec& o) {
    out << indent << o.name << (o.takesValue ? std::string(" ") + o.placeholder : std::string()) << "  " << o.help
        << "\n";
}

void PrintHelp(std::ostream& out) {
    out << "usage: rekkan-cli COMMAND [ARGUMENTS] [OPTIONS]\n\nCommands:\n";
    // An option several commands share is explained at its first command and only named at
    // the others, so the record options do not fill the screen seven times.
    std::set<std::pair<std::string, std::string>> explained;
    for (const auto& c : Commands()) {
        out << "  " << c.name << " " << c.usage << "\n";
        std::string asAbove;
        for (const auto& o : c.options) {
            if (!explained.insert({o.name, o.help}).second) {
                asAbove += std::string(asAbove.empty() ? "" : " ") + o.name;
                continue;
            }
            PrintOption(out, "      ", o);
        }
        if (!asAbove.empty()) out << "      " << asAbove << "  (as above)\n";
    }
    out << "\nOptions of every command:\n";
    for (const auto& o : GlobalOptions()) PrintOption(out, "  ", o);
}

/// Finds the command named by the first one or two words that are not options.
const Command* MatchCommand(const std::vector<std::string>& words, std::size_t& used) {
    const Command* best = nullptr;
    for (const auto& c : Commands()) {
        const std::vector<std::string> parts = [&] {
            std::vector<std::string> p;
            std::istringstream in(c.name);
            for (std::string w; in >> w;) p.push_back(w);
            return p;
        }();
        if (parts.size() > words.size()) continue;
        bool match = true;
        for (std::size_t i = 0; i < parts.size(); ++i) match = match && parts[i] == words[i];
        if (match && (!best || parts.size() > used)) {
            best = &c;
            used = parts.size();
        }
    }
    return best;
}

}  // namespace

std::string Context::Value(const std::string& name, const std::string& fallback) const {
    std::string v = fallback;
    auto [b, e] = options.equal_range(name);
    for (auto it = b; it != e; ++it) v = it->second;
    return v;
}

std::vector<std::string> Context::Values(const std::string& name) const {
    std::vector<std::string> v;
    auto [b, e] = options.equal_range(name);
    for (auto it = b; it != e; ++it) v.push_back(it->second);
    return v;
}

bool Context::IntValue(const std::string& name, long long& value) const {
    if (!Has(name)) return true;
    std::int64_t v = 0;
    if (!ParseInt64(Trim(Value(name)), v)) {
        Error(name + ": not an integer: " + Value(name));
        return false;
    }
    value = v;
    return true;
}

void Context::Print(std::string_view cp932Text) const {
    if (utf8)
        *out << Cp932ToUtf8(cp932Text);
    else
        *out << cp932Text;
}

void Context::Error(std::string_view cp932Text) const {
    // Message boxes break lines with CR LF or a lone CR; a terminal wants LF.
    std::string text;
    for (std::size_t i = 0; i < cp932Text.size(); ++i) {
        if (cp932Text[i] == '\r') {
            text += '\n';
            if (i + 1 < cp932Text.size() && cp932Text[i + 1] == '\n') ++i;
        } else {
            text += cp932Text[i];
        }
    }
    // Standard input is read from a temporary copy; the user named it "-".
    if (!stdinCopy.empty())
        for (std::size_t at = text.find(stdinCopy); at != std::string::npos; at = text.find(stdinCopy, at + 1))
            text.replace(at, stdinCopy.size(), "-");
    *err << (utf8 || utf8Messages ? Cp932ToUtf8(text) : text) << "\n";
}

bool Context::Emit(std::string_view bytes) const {
    const std::unique_ptr<ByteOutput> output = Output();
    return (output->Begin() && output->Write(bytes) && output->Finish()) || OutputFailed();
}

bool Context::EmitText(std::string_view cp932Text) const {
    return Emit(utf8 ? Cp932ToUtf8(cp932Text) : std::string(cp932Text));
}

std::unique_ptr<ByteOutput> Context::Output() const {
    if (!Has("-o") || Value("-o") == "-") return std::make_unique<ByteOutput>(*out);
    return std::make_unique<ByteOutput>(ToFsPath(Value("-o")));
}

bool Context::OutputFailed() const {
    if (Has("-o") && Value("-o") != "-") Error(sj("ファイルに書き込めません。") + "  PATH = " + Value("-o"));
    return false;
}

namespace {

/// The arguments in one form: "--name=value" as "--name" "value", "-h" as "--help"; `plain`
/// marks the arguments after "--", which are never options.
void NormaliseArguments(const std::vector<std::string>& given, std::vector<std::string>& argv,
                        std::vector<bool>& plain) {
    bool optionsEnded = false;
    for (const std::string& a : given) {
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t eq = a.find('=');
        if (!optionsEnded && a.rfind("--", 0) == 0 && eq != std::string::npos) {
            argv.push_back(a.substr(0, eq));
            argv.push_back(a.substr(eq + 1));
            plain.insert(plain.end(), {false, true});
            continue;
        }
        argv.push_back(!optionsEnded && a == "-h" ? "--help" : a);
        plain.push_back(optionsEnded);
    }
}

/// `COMMAND --help`: that command's usage and options, then those of every command.
void PrintCommandHelp(std::ostream& out, const Command& c) {
    out << "usage: rekkan-cli " << c.name << " " << c.usage << "\n";
    for (const auto& o : c.options) PrintOption(out, "  ", o);
    out << "\nOptions of every command:\n";
    for (const auto& o : GlobalOptions()) PrintOption(out, "  ", o);
}

/// Standard input kept in a temporary file, for the readers that take a path; removed at the end.
class InputCopy {
public:
    ~InputCopy() {
        if (path_.empty()) return;
        ForgetTemporary(path_);
        std::filesystem::remove(path_);
    }
    /// Copies `in` to a fresh temporary; false when it cannot be made.
    bool Make(std::istream& in) {
        std::string name = (std::filesystem::temp_directory_path() / "rekkan-stdin.XXXXXX").string();
        int fd = -1;
        {
            const InterruptsHeld held;  // the copy is watched before an interrupt can see it
            fd = ::mkstemp(name.data());
            if (fd >= 0) {
                path_ = name;
                WatchTemporary(path_);
            }
        }
        if (fd < 0) return false;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string all = bytes.str();
        const bool written = RealFileSystem().Write(fd, all, kAtPosition);
        return RealFileSystem().Close(fd) && written;
    }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

int RunCommandLine(const std::vector<std::string>& given, std::ostream& out, std::ostream& err, bool utf8Locale,
                   std::istream* in, bool argumentsAsBytes) {
    std::vector<std::string> argv;
    std::vector<bool> plain;
    NormaliseArguments(given, argv, plain);
    // First pass: the command words are the leading arguments that are not options.
    std::vector<std::string> words;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (!plain[i] && a.size() > 1 && a[0] == '-') {
            if (TakesValueSomewhere(a)) ++i;
            continue;
        }
        words.push_back(a);
    }
    std::size_t used = 0;
    const Command* cmd = MatchCommand(words, used);

    Context ctx;
    ctx.out = &out;
    ctx.err = &err;
    StderrMessages sink(ctx);
    ctx.messages = &sink;

    std::size_t skipWords = used;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (!plain[i] && a.size() > 1 && a[0] == '-' && std::isdigit(static_cast<unsigned char>(a[1])) == 0) {
            const OptionSpec* option = FindOption(a, cmd);
            if (!option) {
                err << "rekkan-cli: unknown option " << a << " (see --help)\n";
                return kExitFailure;
            }
            std::string value;
            if (option->takesValue) {
                if (i + 1 >= argv.size()) {
                    err << "rekkan-cli: option " << a << " needs a value\n";
                    return kExitFailure;
                }
                value = argv[++i];
            }
            ctx.options.emplace(a, value);
            continue;
        }
        if (skipWords > 0) {
            --skipWords;
            continue;
        }
        ctx.args.push_back(a);
    }
    ctx.utf8 = ctx.Has("--utf8");
    ctx.utf8Messages = utf8Locale;
    // Arguments and option values come in UTF-8 (as bytes with --cp932 or outside a UTF-8
    // locale); the model holds CP932.
    const auto toCp932 = [&](std::string& text) {
        std::string cp932;
        std::string reason;
        if (argumentsAsBytes || ctx.Has("--cp932")) return true;
        if (!ArgumentToCp932(text, cp932, reason)) {
            err << "rekkan-cli: " << text << ": " << reason << "; nothing done (--cp932 takes bytes as they are)\n";
            return false;
        }
        text = std::move(cp932);
        return true;
    };
    for (std::string& a : ctx.args)
        if (!toCp932(a)) return kExitFailure;
    for (auto& [name, value] : ctx.options)
        if (!toCp932(value)) return kExitFailure;

    if (ctx.Has("--version")) {
        out << "rekkan-cli " << kVersion << "\n";
        return kExitOk;
    }
    if (ctx.Has("--help") && cmd) {
        PrintCommandHelp(out, *cmd);
        return kExitOk;
    }
    if (ctx.Has("--help") || !cmd) {
        PrintHelp(ctx.Has("--help") ? out : err);
        if (ctx.Has("--help")) return kExitOk;
        if (!words.empty()) err << "rekkan-cli: unknown command " << words.front() << "\n";
        return kExitFailure;
    }

    SetDefaults(ctx.settings, "", 8);
    if (ctx.Has("--settings")) {
        const std::string path = ctx.Value("--settings");
        std::string bytes;
        if (!InputReadable(ctx, path)) return kExitFailure;
        if (!ReadWholeFile(path, bytes)) {
            ctx.Error(sj("設定ファイルを読み込めません。") + "  PATH = " + path);
            return kExitFailure;
        }
        ParseSettings(bytes, ctx.settings);
    }
    for (const std::string& kv : ctx.Values("--option")) {
        const std::size_t eq = kv.find('=');
        if (eq == std::string::npos ||
            !SetSettingByKey(ctx.settings, Trim(kv.substr(0, eq)), Trim(kv.substr(eq + 1)))) {
            ctx.Error("--option: unknown key or bad value: " + kv);
            return kExitFailure;
        }
    }
    if (!OutputIsNoInput(ctx)) return kExitFailure;
    // "-" for the one file a command reads: standard input.
    InputCopy stdinCopy;
    if (in && ctx.args.size() == 1 && ctx.args[0] == "-") {
        if (!stdinCopy.Make(*in)) {
            ctx.Error("cannot keep standard input in a temporary file: " + SystemReason(errno));
            return kExitFailure;
        }
        ctx.args[0] = FromFsPath(stdinCopy.Path());
        ctx.stdinCopy = ctx.args[0];
    }
    return cmd->run(ctx);
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err, bool utf8Locale,
           std::istream* in, bool argumentsAsBytes) {
    errno = 0;
    const int code = RunCommandLine(argv, out, err, utf8Locale, in, argumentsAsBytes);
    // Output that did not arrive is a failure, whatever the command thought of it.
    out.flush();
    if (!out) {
        const int error = errno;
        err << "rekkan-cli: write error" << (error != 0 ? ": " + SystemReason(error) : std::string()) << "\n";
        return kExitFailure;
    }
    return code;
}

}  // namespace rekkan::cli
