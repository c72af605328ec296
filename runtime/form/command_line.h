// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

/// What a program says of itself in one language: its title beside its name, and one line
/// on what it does.
struct ProgramWords {
    std::string_view title;
    std::string_view purpose;
};

/// A calculator as the shell and the desktop know it.
struct Program {
    std::string_view name;       ///< the command, as in "savecalc"
    std::string_view desktopId;  ///< its menu entry, without ".desktop"
    ProgramWords english;
    ProgramWords chinese;
};

/// True where the user's messages are Chinese: the first of LC_ALL, LC_MESSAGES and LANG
/// that is set and not empty names a zh locale, or, where that locale is not C, the first
/// language of LANGUAGE that is Chinese or English is Chinese.
bool chineseMessages();

/// Answers -h/--help and -v/--version on standard output, and an option neither the program
/// nor Qt knows with one line on standard error, before anything of Qt is started. Returns the
/// status to exit with where the program ends there: 0 for help and version, 2 for an
/// unknown option.
std::optional<int> answerCommandLine(int argc, char** argv, const Program& program);

/// What is left of the command line once Qt has taken its own options: an option still there
/// is reported as unknown, and 2 returned.
std::optional<int> rejectLeftOptions(int argc, char** argv, const Program& program);

/// The one line, without its newline, that says the program found no display to open its
/// window on, naming the variables that were tried.
std::string noDisplayMessage(const Program& program);

}  // namespace runtime
