#include "application.h"

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
}

}  // namespace runtime
