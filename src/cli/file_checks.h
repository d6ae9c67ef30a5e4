#pragma once

#include <cstdint>
#include <string>

#include "cli/command.h"

namespace rekkan::cli {

// What the command line checks about the files it is given before it reads or writes them.

/// The system's reason for the last failure (errno), as a message shows it: "no such file or
/// directory", "is a directory", "permission denied".
[[nodiscard]] std::string SystemReason(int error);

/// Whether the file at `cp932Path` can be read as a file; false after a message naming the path
/// and the reason.
[[nodiscard]] bool InputReadable(const Context& ctx, const std::string& cp932Path);

/// False (after a message) when the `-o` file is one of the command's input files (the first
/// two arguments and the settings file): the same device and inode, so a link is caught too.
[[nodiscard]] bool OutputIsNoInput(const Context& ctx);

/// Whether the file system holding `cp932Path` has room for `bytes` more; false after a message.
[[nodiscard]] bool RoomFor(const Context& ctx, const std::string& cp932Path, std::int64_t bytes);

/// `count` records of `length` bytes, INT64_MAX when that does not fit in 64 bits.
[[nodiscard]] std::int64_t BytesOf(std::int64_t count, std::int64_t length);

}  // namespace rekkan::cli
