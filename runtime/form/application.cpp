// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "accessible_factory.h"
#include "form_window.h"
#include "qstring_convert.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <mutex>
#include <utility>

namespace runtime {
namespace detail {

FontConfigurationLoader::FontConfigurationLoader() : loading([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() { finish(); }

void FontConfigurationLoader::finish() {
    if (loading.joinable()) loading.join();
}

}  // namespace detail

namespace {

// Qt's messages while it starts its platform plugin. The plugins' own, in their logging
// categories qt.qpa.*, are held back: where no plugin can start, Qt ends with a fatal message and
// an abort, and a plugin that was found but could not reach its display turns that into the one
// line of `noDisplayMessage` and status 1. Any other failure to start is told in Qt's own words,
// and ends with status 1 as well. A message handler is a plain function, so what it holds is
// global; Qt may call it from any thread, so it is locked.
struct StartupMessages {
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    const Program* program = nullptr;
    QtMessageHandler previous = nullptr;
    std::mutex lock;
    QList<Held> held;
    bool displayRefused = false;

    // Called with `lock` held.
    void replay() {
        for (const Held& message : std::exchange(held, {})) {
            previous(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
        }
    }
};
StartupMessages startup;

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QByteArrayView category(context.category ? context.category : "");
    if (type == QtFatalMsg) {
        const std::scoped_lock held(startup.lock);
        if (startup.displayRefused) {
            std::fputs((noDisplayMessage(*startup.program) + "\n").c_str(), stderr);
        } else {
            startup.replay();
            startup.previous(type, context, text);
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (category.startsWith("qt.qpa.")) {
        const std::scoped_lock held(startup.lock);
        if (category.startsWith("qt.qpa.xcb") || category.startsWith("qt.qpa.wayland")) startup.displayRefused = true;
        startup.held.append({type, category.toByteArray(), text});
        return;
    }
    startup.previous(type, context, text);
}

}  // namespace

Application::Application(int& argc, char** argv, const QString& name, const QString& desktopId) : QApplication(argc, argv) {
    finish();
    setApplicationName(name);
    setDesktopFileName(desktopId);
    installQtTranslation(*this);
    installAccessibility();
}

namespace {

// glibc gives each thread that allocates an arena of its own, whose pages the others never
// reuse: a calculator's few threads (the font loader, Qt's X11 reader) allocate little, so one
// arena serves them all, and start-up touches fewer pages (bench/README.md).
void shareOneMallocArena() {
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace

int run(int argc, char** argv, const Program& program, std::unique_ptr<FormWindow> (*create)()) {
    if (const auto status = answerCommandLine(argc, argv, program)) return *status;
    shareOneMallocArena();  // before the font loader's thread starts
    startup.program = &program;
    startup.previous = qInstallMessageHandler(holdStartupMessage);
    Application application(argc, argv, qs(program.name), qs(program.desktopId));
    qInstallMessageHandler(startup.previous);
    {
        const std::scoped_lock held(startup.lock);
        startup.replay();
    }
    if (const auto status = rejectLeftOptions(argc, argv, program)) return *status;
    const auto window = create();
    window->show();
    return Application::exec();
}

// Qt's own Simplified Chinese, from where Qt keeps its translations (on Debian, the package
// qt6-translations-l10n), installed before any window exists, so that its LanguageChange
// reaches no widget. Qt maps the file, so start-up reads only the pages it looks in. Without
// the file, Qt's texts stay English.
void installQtTranslation(QCoreApplication& application) {
    auto* translation = new QTranslator(&application);
    if (translation->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translation);
    } else {
        delete translation;
    }
}

}  // namespace runtime
