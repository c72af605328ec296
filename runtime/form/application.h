// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command_line.h"

#include <QApplication>
#include <memory>
#include <thread>

namespace runtime {
namespace detail {

// Loads the machine's font configuration on another core while the application connects
// to the window system, so the first window's captions find it ready (bench/README.md).
struct FontConfigurationLoader {
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    void finish();
    std::thread loading;
};

}  // namespace detail

/// Makes Qt's own texts (context menus, standard buttons) Simplified Chinese, like the
/// windows, whatever the user's locale.
void installQtTranslation(QCoreApplication& application);

/// A calculator's application object: names the program for the desktop (its menu entry,
/// and through it the icon), and prepares the fonts beside its own start-up. The window's
/// icon comes from its design, Qt's own texts are Chinese, and screen readers are answered as
/// installAccessibility describes.
class Application : private detail::FontConfigurationLoader, public QApplication {
public:
    Application(int& argc, char** argv, const QString& name, const QString& desktopId);
};

class FormWindow;

/// A calculator's whole run, from its `main`: answers the command line, starts Qt, shows the
/// window `create` builds and returns the status to exit with. Where no display can be
/// opened, it says so in one line on standard error and exits with status 1.
int run(int argc, char** argv, const Program& program, std::unique_ptr<FormWindow> (*create)());

}  // namespace runtime
