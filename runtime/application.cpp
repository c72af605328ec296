// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <fontconfig/fontconfig.h>

namespace runtime {
namespace detail {

FontConfigurationLoader::FontConfigurationLoader() : loading([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() { finish(); }

void FontConfigurationLoader::finish() {
    if (loading.joinable()) loading.join();
}

}  // namespace detail

Application::Application(int& argc, char** argv, const QString& name, const QString& desktopId)
    : QApplication(argc, argv) {
    finish();
    setApplicationName(name);
    setDesktopFileName(desktopId);
    installQtTranslation(*this);
}

void installQtTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // Qt's own Simplified Chinese, from where Qt keeps its translations (on Debian, the
    // package qt6-translations-l10n); without it Qt's texts stay English.
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace runtime
