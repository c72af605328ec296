#include "application.h"

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
    if (translator->load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace runtime
