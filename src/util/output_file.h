#pragma once

#include <string>
#include <string_view>

#include "util/messages.h"
#include "util/replacing_file.h"

namespace rekkan {

/// The error of an output that could not be written: the path and the reason (the step that
/// failed and the system's description of `error`, an errno value).
[[nodiscard]] std::string OutputWriteFailedMessage(std::string_view cp932Path, ReplacingFile::Step step, int error);

/// Caption of the text viewer showing a file just written: "★出力しました。 ".
[[nodiscard]] std::string OutputDoneCaption();

/// Replaces the file at `cp932Path` with `bytes` (aside, then renamed over it); when that
/// fails, the target stays as it was and the error naming the path and the reason is shown.
[[nodiscard]] bool WriteOutputFile(const std::string& cp932Path, std::string_view bytes, MessageSink& messages);
/// The same, handing the error back in `failure` instead of showing it.
[[nodiscard]] bool WriteOutputFile(const std::string& cp932Path, std::string_view bytes, std::string& failure);

}  // namespace rekkan
