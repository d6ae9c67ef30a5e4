#pragma once

namespace rekkan::ui {

/// Names the Japanese face (IPA Gothic) after the application's own, so that Japanese text
/// always falls back to it and a blank is always the application face's blank. Left to the
/// system, the fallback depends on the script of the characters that follow: message lines
/// with the same leading blanks then started at different places.
void UseJapaneseFallbackFont();

}  // namespace rekkan::ui
