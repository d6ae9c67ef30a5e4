#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// CP932 bytes -> UTF-8. Bytes that are not valid CP932 become U+FFFD; never throws.
/// `lossless` (when given) is set false when any byte had to be replaced.
[[nodiscard]] std::string Cp932ToUtf8(std::string_view cp932, bool* lossless = nullptr);

/// UTF-8 -> CP932 into `out`. Returns false (and leaves in `out` what could be converted,
/// with '?' for each character CP932 cannot hold) when the text is not valid UTF-8 or holds
/// such a character, so a caller never writes back a text that silently lost a character.
[[nodiscard]] bool Utf8ToCp932(std::string_view utf8, std::string& out);

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, surrogates or code points past
/// U+10FFFF). Plain ASCII is.
[[nodiscard]] bool IsUtf8(std::string_view bytes);

/// CP932 form of a text written in UTF-8 in our own sources (messages, captions).
/// Falls back to the bytes as given if the text cannot be converted.
[[nodiscard]] std::string sj(std::string_view utf8);

}  // namespace rekkan
