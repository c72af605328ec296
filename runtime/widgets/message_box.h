// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace runtime {

/// Shows a modal warning over `owner`: the title, the prompt, the exclamation icon and one
/// button captioned "确定". Returns once the user has dismissed it.
void showWarning(QWidget* owner, const QString& title, const QString& prompt);

}  // namespace runtime
