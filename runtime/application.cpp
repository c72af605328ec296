#include "application.h"

#include "form_window.h"

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

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

Application::Application(int& argc, char** argv, const QString& name, const QString& desktopId)
    : QApplication(argc, argv) {
    finish();
    setApplicationName(name);
    setDesktopFileName(desktopId);
    installQtTranslation(*this);
}

int run(int argc, char** argv, const Program& program, std::unique_ptr<FormWindow> (*create)()) {
    if (const auto status = answerCommandLine(argc, argv, program)) return *status;
    Application application(argc, argv, qs(program.name), qs(program.desktopId));
    if (const auto status = rejectLeftOptions(argc, argv, program)) return *status;
    const auto window = create();
    window->show();
    return Application::exec();
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
