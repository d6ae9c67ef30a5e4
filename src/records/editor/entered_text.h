#pragma once

#include <string>

namespace rekkan {

/// Text the user typed or chose (a cell, a path), converted by the window to CP932.
/// `lossless` is false when the text held characters CP932 cannot hold: the session refuses
/// such text with a red message line and stores nothing.
struct EnteredText {
    std::string cp932;
    bool lossless = true;
};

}  // namespace rekkan
