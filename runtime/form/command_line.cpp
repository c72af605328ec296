// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace runtime {
namespace {

// The options Qt 6 takes for itself, for every platform, and those its X11 platform adds. Qt
// takes them only as it opens the display, and publishes no list of them, so they are named
// here for help, version and an unknown option to be answered before any display is opened.
// clang-format off
constexpr std::pair<const char*, bool> kQtOptions[] = {  // name, and whether it takes a value
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowtitle", true}, {"qwindowicon", true}, {"session", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false}, {"widgetcount", false}, {"testability", false},
    {"display", true}, {"geometry", true}, {"title", true}, {"icon", true}, {"name", true},
    {"visual", true}, {"nograb", false}, {"dograb", false}, {"sync", false},
};
// clang-format on

bool isOption(std::string_view argument) { return argument.size() > 1 && argument.front() == '-'; }

std::string helpText(const Program& program, bool chinese) {
    const std::string name(program.name), purpose(chinese ? program.chinese.purpose : program.english.purpose);
    if (chinese) {
        return "用法：" + name + " [选项]...\n" + purpose +
               "\n\n"
               "  -h, --help     显示本帮助，然后退出\n"
               "  -v, --version  显示版本，然后退出\n\n"
               "也接受 Qt 自身的选项，例如 -platform、-style 和 -reverse。\n"
               "详细说明见手册页：man " +
               name + "\n";
    }
    return "Usage: " + name + " [OPTION]...\n" + purpose +
           "\n\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n\n"
           "Qt's own options, such as -platform, -style and -reverse, are accepted as well.\n"
           "See the manual page for more: man " +
           name + "\n";
}

std::string versionText(const Program& program, bool chinese) {
    const std::string name(program.name);
    if (chinese) return name + "（" + std::string(program.chinese.title) + "）" CALCULATORS_VERSION "\n";
    return name + " (" + std::string(program.english.title) + ") " CALCULATORS_VERSION "\n";
}

// 0 once the text is written out, 1 where standard output would not take it (a full disk, a
// closed pipe), as other command-line programs do.
int printed(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

int reportUnknown(const Program& program, std::string_view option) {
    const std::string name(program.name), unknown(option);
    const std::string line = chineseMessages() ? name + "：未知选项“" + unknown + "”；运行“" + name + " --help”查看可用选项。\n"
                                               : name + ": unknown option '" + unknown + "'; '" + name + " --help' lists the options.\n";
    std::fputs(line.c_str(), stderr);
    return 2;
}

}  // namespace

namespace {

std::string_view setVariable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool namesLanguage(std::string_view locale, std::string_view language) {
    return locale.starts_with(language) && (locale.size() == 2 || locale.find_first_of("_.@") == 2);
}

}  // namespace

bool chineseMessages() {
    std::string_view locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = setVariable(variable);
        if (!locale.empty()) break;
    }
    // As gettext does: LANGUAGE, a list of languages by preference, counts unless the
    // locale is C, and the first language the program speaks in it wins; where it names
    // none, the messages stay untranslated.
    std::string_view languages = setVariable("LANGUAGE");
    if (languages.empty() || locale.empty() || locale == "C" || locale == "POSIX") return namesLanguage(locale, "zh");
    while (!languages.empty()) {
        const std::string_view language = languages.substr(0, languages.find(':'));
        if (namesLanguage(language, "zh")) return true;
        languages.remove_prefix(std::min(languages.size(), language.size() + 1));
        if (namesLanguage(language, "en")) break;
    }
    return false;
}

std::optional<int> answerCommandLine(int argc, char** argv, const Program& program) {
    if (argc <= 1) return std::nullopt;  // as started from the menu: nothing to answer
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // Qt's "-style" is one option
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    for (const auto& [name, takesValue] : kQtOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), takesValue ? QStringLiteral("value") : QString()));
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments) && !parser.unknownOptionNames().isEmpty()) {
        // Told as typed, with its dashes and any value after "=".
        const QString unknown = parser.unknownOptionNames().constFirst();
        for (int i = 1; i < argc; ++i) {
            const QString name = arguments[i].section('=', 0, 0);
            if (name == '-' + unknown || name == "--" + unknown) return reportUnknown(program, argv[i]);
        }
        return reportUnknown(program, unknown.toStdString());
    }
    if (parser.isSet(help)) return printed(helpText(program, chineseMessages()));
    if (parser.isSet(version)) return printed(versionText(program, chineseMessages()));
    return std::nullopt;
}

std::optional<int> rejectLeftOptions(int argc, char** argv, const Program& program) {
    for (int i = 1; i < argc; ++i) {
        if (isOption(argv[i])) return reportUnknown(program, argv[i]);
    }
    return std::nullopt;
}

std::string noDisplayMessage(const Program& program) {
    const bool chinese = chineseMessages();
    // Qt tries a Wayland display before an X one.
    std::string tried;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        if (!tried.empty()) tried += chinese ? " 或 " : " or ";
        tried += std::string(variable) + "=" + value;
    }
    std::string line(program.name);
    if (tried.empty()) {
        line += chinese ? " 需要图形桌面，但 DISPLAY 和 WAYLAND_DISPLAY 都没有设置。"
                        : " needs a graphical desktop, but neither DISPLAY nor WAYLAND_DISPLAY is set.";
    } else {
        line += chinese ? " 需要图形桌面，但无法连接 " + tried + " 指定的显示服务器。"
                        : " needs a graphical desktop, but could not open the display named by " + tried + ".";
    }
    return line;
}

}  // namespace runtime
