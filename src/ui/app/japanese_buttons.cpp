#include "ui/app/japanese_buttons.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rekkan::ui {

bool InstallJapaneseButtons(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace rekkan::ui
