#pragma once

#include <filesystem>
#include <string>

namespace rekkan {

/// Where the program keeps its settings file, type notation file, temporary files and help
/// documents: the folder of the executable, or a per-user folder when that is not writable.
struct ProgramFolder {
    std::filesystem::path path;
    /// True when the executable's folder was not writable and `path` is the per-user folder.
    bool fellBack = false;
    /// The note to show once when the fallback was taken (CP932; empty otherwise).
    std::string notice;
};

/// Finds the program's folder from the path of the running executable.
[[nodiscard]] ProgramFolder FindProgramFolder();
/// Chooses between `executableFolder` and the per-user folder (testable form).
[[nodiscard]] ProgramFolder ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                                const std::filesystem::path& userFolder);

}  // namespace rekkan
