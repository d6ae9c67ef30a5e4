#pragma once

#include <string>

namespace rekkan {

/// How the window colours the message line of the record editor.
enum class OutcomeKind {
    None,           ///< nothing to show (empty line)
    Success,        ///< white: a record read, the edit file closed or initialised
    NothingToRead,  ///< gold 0x00D7FF (Windows BGR): the record asked for does not exist
    Error,          ///< red: a failure or a refused command
    Working,        ///< insert or delete is rebuilding the file
    Done,           ///< aqua 0xFFFF00 (Windows BGR): update, insert, append or delete succeeded
};

/// One message line: CP932 text and its kind.
struct Outcome {
    std::string text;
    OutcomeKind kind = OutcomeKind::None;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

}  // namespace rekkan
