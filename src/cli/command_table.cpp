#include "cli/command_groups.h"

namespace rekkan::cli {

const std::vector<OptionSpec>& GlobalOptions() {
    static const std::vector<OptionSpec> options = {
        {"--help", false, "list every command and option"},
        {"--version", false, "print the version"},
        {"--utf8", false, "write text as UTF-8 instead of CP932"},
        {"--cp932", false, "take the arguments as CP932 bytes (a UTF-8 locale otherwise means UTF-8)"},
        {"--settings", true, "read the settings from FILE instead of the defaults", "FILE"},
        {"--option", true, "KEY=TEXT: set one settings key for this run (repeatable)", "KEY=TEXT"},
    };
    return options;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> table = [] {
        std::vector<Command> all;
        for (auto group : {LayoutCommands, RecordReadCommands, RecordEditCommands, ImportExportCommands,
                           ImportCVbCommands, ListingCommands, DoctorCommands}) {
            for (auto& c : group()) all.push_back(std::move(c));
        }
        return all;
    }();
    return table;
}

}  // namespace rekkan::cli
