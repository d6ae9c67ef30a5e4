#pragma once

#include <vector>

#include "cli/command.h"

namespace rekkan::cli {

// Each file of commands contributes one group to the command table.

/// info, fields (layout_commands.cpp).
[[nodiscard]] std::vector<Command> LayoutCommands();
/// csv, search, show (record_read_commands.cpp).
[[nodiscard]] std::vector<Command> RecordReadCommands();
/// set, insert, append, delete (record_edit_commands.cpp).
[[nodiscard]] std::vector<Command> RecordEditCommands();
/// import cobol, export c|vb|cobol (import_export_commands.cpp).
[[nodiscard]] std::vector<Command> ImportExportCommands();
/// import c, import vb (import_c_vb_commands.cpp).
[[nodiscard]] std::vector<Command> ImportCVbCommands();
/// listing text, listing csv (listing_commands.cpp).
[[nodiscard]] std::vector<Command> ListingCommands();
/// check, profile (doctor_commands.cpp).
[[nodiscard]] std::vector<Command> DoctorCommands();

}  // namespace rekkan::cli
