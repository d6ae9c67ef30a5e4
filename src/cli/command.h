#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/settings.h"
#include "util/messages.h"
#include "util/replacing_file.h"

namespace rekkan::cli {

/// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 2;

/// An option a command accepts: its name ("--from") and whether a value follows it.
struct OptionSpec {
    const char* name;
    bool takesValue;
    const char* help;
    const char* placeholder = "VALUE";  ///< what the value is, in the help: FILE, N, TEXT
};

/// What a command gets: its positional arguments (CP932, the command name removed), its
/// options, the settings for the run, and where text goes.
class Context {
public:
    std::vector<std::string> args;                    ///< positional arguments, CP932
    std::multimap<std::string, std::string> options;  ///< option name -> value (CP932; "" for a flag)
    Settings settings;
    bool utf8 = false;                ///< --utf8: our text goes out as UTF-8
    bool utf8Messages = false;        ///< messages in UTF-8 (--utf8, or a UTF-8 locale)
    MessageSink* messages = nullptr;  ///< messages and notices go to stderr
    std::string stdinCopy;            ///< temporary holding standard input; messages say "-" for it
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;

    [[nodiscard]] bool Has(const std::string& name) const { return options.count(name) > 0; }
    /// Last value given for an option, or `fallback`.
    [[nodiscard]] std::string Value(const std::string& name, const std::string& fallback = {}) const;
    /// All values given for a repeatable option, in order.
    [[nodiscard]] std::vector<std::string> Values(const std::string& name) const;
    /// Integer option; false (with a message) when present but not an integer.
    [[nodiscard]] bool IntValue(const std::string& name, long long& value) const;

    /// Writes text the command produced itself (CP932 in memory) in the chosen encoding.
    void Print(std::string_view cp932Text) const;
    /// Writes a message to stderr (CP932 in memory) in the chosen encoding, with LF.
    void Error(std::string_view cp932Text) const;
    /// Writes bytes whose form a file format defines: to `-o FILE` (replacing it safely) or to
    /// stdout unchanged. False (after a message) when the file cannot be written.
    [[nodiscard]] bool Emit(std::string_view bytes) const;
    /// `Emit` of text the command produced itself (CP932 in memory), in the chosen encoding.
    [[nodiscard]] bool EmitText(std::string_view cp932Text) const;
    /// Where `Emit` puts its bytes, for a command that writes them in pieces.
    [[nodiscard]] std::unique_ptr<ByteOutput> Output() const;
    /// Shows that the `-o` file cannot be written (nothing for stdout); false.
    bool OutputFailed() const;
};

/// One row of the command table.
struct Command {
    const char* name;                 ///< "info", or "import cobol" for a two-word command
    const char* usage;                ///< argument summary for --help
    std::vector<OptionSpec> options;  ///< options of its own
    int (*run)(Context&);
};

/// `-o FILE`, taken by the commands that produce an output (the others change files in place).
inline const OptionSpec kOutputOption{
    "-o", true, "write the output to FILE (replaced safely; - for stdout) instead of stdout", "FILE"};

/// Options every command takes.
[[nodiscard]] const std::vector<OptionSpec>& GlobalOptions();

/// The table of every command.
[[nodiscard]] const std::vector<Command>& Commands();

/// Runs the command line (argv without the program name); returns the exit code. Messages on
/// `err` are UTF-8 with `utf8Locale` (the terminal's character set), else CP932 unless --utf8.
/// `in` is what "-" reads for a command that reads one file (none: "-" is a file name).
/// Arguments are UTF-8, turned into CP932, unless `argumentsAsBytes` (a locale whose character
/// set is not UTF-8) or --cp932 takes them as the bytes they are.
int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err, bool utf8Locale = false,
           std::istream* in = nullptr, bool argumentsAsBytes = false);

}  // namespace rekkan::cli
