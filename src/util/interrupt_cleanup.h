#pragma once

#include <signal.h>

#include <cstdint>
#include <filesystem>

namespace rekkan {

// What an interrupted run (SIGINT, SIGTERM) undoes before it ends: temporaries it was writing
// are removed and a file it was growing is cut back to its old size. Only a program that
// installs the handlers (the command line) uses it; elsewhere watching does nothing.

/// Installs the SIGINT and SIGTERM handlers; the run then ends by the same signal.
void InstallInterruptCleanup();

/// Holds SIGINT and SIGTERM back while it lives, so that creating a temporary and watching it
/// are one step to an interrupt; a signal that came meanwhile is handled when it goes.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t previous_{};
};

/// Removes `path` if the run is interrupted (until `ForgetTemporary`).
void WatchTemporary(const std::filesystem::path& path);
/// `path` is no longer a temporary of this run (renamed into place or removed).
void ForgetTemporary(const std::filesystem::path& path);

/// Cuts the open file `fd` back to `size` bytes if the run is interrupted (until `ForgetGrowth`).
void WatchGrowth(int fd, std::int64_t size);
/// The file of `fd` is no longer watched.
void ForgetGrowth(int fd);

}  // namespace rekkan
