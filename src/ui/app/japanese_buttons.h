#pragma once

class QCoreApplication;

namespace rekkan::ui {

/// Loads Qt's own Japanese translations, so that the standard buttons of every message box and
/// dialog read はい, いいえ, キャンセル and OK. False when they are not installed (the buttons
/// then stay in English).
bool InstallJapaneseButtons(QCoreApplication& app);

}  // namespace rekkan::ui
